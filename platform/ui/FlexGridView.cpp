#include "platform/ui/FlexGridView.h"

#include "platform/ui/QtText.h"
#include "platform/ui/WndWidget.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionHeader>

namespace platform {
UINT GridShiftState(Qt::KeyboardModifiers modifiers) {
    UINT shift = 0;
    if (modifiers & Qt::ShiftModifier)
        shift |= 1;
    if (modifiers & Qt::ControlModifier)
        shift |= 2;
    if (modifiers & Qt::AltModifier)
        shift |= 4;
    return shift;
}
} // namespace platform

namespace {
int ButtonCode(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return 0;
    }
}
} // namespace

FlexGridView::FlexGridView(QWidget* parent) : QTableView(parent), model_(new FlexGridModel(this)) {
    setModel(model_);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setTabKeyNavigation(false);
    setAutoScroll(false);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    for (QHeaderView* header : {horizontalHeader(), verticalHeader()}) {
        header->setSectionResizeMode(QHeaderView::Fixed);
        header->setSectionsClickable(false);
        header->setHighlightSections(false);
        header->viewport()->installEventFilter(this);
    }
    verticalHeader()->setMinimumSectionSize(4);
    horizontalHeader()->setMinimumSectionSize(4);
    fontRowHeight_ = FontRowHeight();
    verticalHeader()->setDefaultSectionSize(fontRowHeight_);
    viewport()->installEventFilter(this);
    if (auto* corner = findChild<QAbstractButton*>())
        corner->installEventFilter(this);
    connect(model_, &QAbstractItemModel::modelReset, this, &FlexGridView::SyncHeaders);
    SyncHeaders();
}

int FlexGridView::FontRowHeight() const { return fontMetrics().height() + 6; }

// The font is settled only when the widget is polished (or its font changes).
bool FlexGridView::event(QEvent* event) {
    const bool result = QTableView::event(event);
    if (event->type() == QEvent::Polish || event->type() == QEvent::FontChange) {
        if (verticalHeader()->defaultSectionSize() == fontRowHeight_) {
            fontRowHeight_ = FontRowHeight();
            verticalHeader()->setDefaultSectionSize(fontRowHeight_);
        }
    }
    return result;
}

void FlexGridView::SyncHeaders() {
    horizontalHeader()->setVisible(model_->FixedRows() > 0);
    verticalHeader()->setVisible(model_->FixedCols() > 0);
}

int FlexGridView::RowAt(QPoint point) const {
    const int top = horizontalHeader()->isVisible() ? horizontalHeader()->geometry().bottom() + 1 : frameWidth();
    if (point.y() < top)
        return model_->FixedRows() > 0 ? 0 : -1;
    const int row = rowAt(point.y() - viewport()->geometry().top());
    return row < 0 ? -1 : row + model_->FixedRows();
}

int FlexGridView::ColAt(QPoint point) const {
    const int left = verticalHeader()->isVisible() ? verticalHeader()->geometry().right() + 1 : frameWidth();
    if (point.x() < left)
        return model_->FixedCols() > 0 ? 0 : -1;
    const int col = columnAt(point.x() - viewport()->geometry().left());
    return col < 0 ? -1 : col + model_->FixedCols();
}

void FlexGridView::keyPressEvent(QKeyEvent* event) {
    if (!events_) {
        QTableView::keyPressEvent(event);
        return;
    }
    if (UINT key = platform::VirtualKeyFromQt(event->key()))
        events_->OnGridKeyDown(key, platform::GridShiftState(event->modifiers()));
    event->accept();
}

bool FlexGridView::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget)
        return QTableView::eventFilter(watched, event);
    if (event->type() == QEvent::Paint && qobject_cast<QAbstractButton*>(widget)) {
        PaintCorner(widget);
        return true;
    }
    if (ForwardMouse(widget, event))
        return true;
    return QTableView::eventFilter(watched, event);
}

bool FlexGridView::ForwardMouse(QWidget* from, QEvent* event) {
    const bool press = event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
    const bool release = event->type() == QEvent::MouseButtonRelease;
    if (!events_ || (!press && !release))
        return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    const QPoint point = from->mapTo(this, mouse->position().toPoint());
    const int button = ButtonCode(mouse->button());
    const UINT shift = platform::GridShiftState(mouse->modifiers());
    if (press)
        events_->OnGridMouseDown(button, shift, CPoint(point.x(), point.y()));
    else
        events_->OnGridMouseUp(button, shift, CPoint(point.x(), point.y()));
    // A left press inside the cells moves the current cell there, as the grid does itself.
    if (press && from == viewport() && mouse->button() == Qt::LeftButton) {
        const QModelIndex at = indexAt(mouse->position().toPoint());
        if (at.isValid())
            setCurrentIndex(at);
    }
    return true;
}

void FlexGridView::PaintCorner(QWidget* corner) {
    QPainter painter(corner);
    QStyleOptionHeader option;
    option.initFrom(corner);
    option.state |= QStyle::State_Enabled; // the corner does not react, but reads like a header
    option.palette.setCurrentColorGroup(QPalette::Active);
    option.rect = corner->rect();
    option.position = QStyleOptionHeader::OnlyOneSection;
    option.text = model_->FixedRows() && model_->FixedCols() ? platform::ToQString(model_->Text(0, 0)) : QString();
    option.textAlignment = Qt::AlignCenter;
    style()->drawControl(QStyle::CE_Header, &option, &painter, corner);
}

void FlexGridView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    if (events_ && current != previous)
        events_->OnGridEnterCell();
}

void FlexGridView::scrollContentsBy(int dx, int dy) {
    QTableView::scrollContentsBy(dx, dy);
    if (events_)
        events_->OnGridScroll();
}
