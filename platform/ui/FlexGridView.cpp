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
    if (modifiers & Qt::ShiftModifier) {
        shift |= 1;
    }
    if (modifiers & Qt::ControlModifier) {
        shift |= 2;
    }
    if (modifiers & Qt::AltModifier) {
        shift |= 4;
    }
    return shift;
}
} // namespace platform

namespace {
int ButtonCode(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
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
    if (auto* corner = findChild<QAbstractButton*>()) {
        corner->installEventFilter(this);
    }
    connect(model_, &QAbstractItemModel::modelReset, this, &FlexGridView::SyncHeaders);
    SyncHeaders();
}

int FlexGridView::FontRowHeight() const {
    return fontMetrics().height() + 6;
}

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

void FlexGridView::SettleLayout() {
    executeDelayedItemsLayout();
    updateGeometries();
}

void FlexGridView::RecordMouseCell(QWidget* from, QPoint point) {
    const int fixedRows = model_->FixedRows();
    const int fixedCols = model_->FixedCols();
    auto offset = [](int index, int fixed) { return index < 0 ? -1 : index + fixed; };
    if (from == verticalHeader()->viewport()) {
        mouseRow_ = offset(verticalHeader()->logicalIndexAt(point.y()), fixedRows);
        mouseCol_ = fixedCols > 0 ? 0 : -1;
    } else if (from == horizontalHeader()->viewport()) {
        mouseRow_ = fixedRows > 0 ? 0 : -1;
        mouseCol_ = offset(horizontalHeader()->logicalIndexAt(point.x()), fixedCols);
    } else if (from == viewport()) {
        mouseRow_ = offset(rowAt(point.y()), fixedRows);
        mouseCol_ = offset(columnAt(point.x()), fixedCols);
    } else {
        mouseRow_ = mouseCol_ = -1;
    }
}

void FlexGridView::keyPressEvent(QKeyEvent* event) {
    if (!events_) {
        QTableView::keyPressEvent(event);
        return;
    }
    if (UINT key = platform::VirtualKeyFromQt(event->key())) {
        events_->OnGridKeyDown(key, platform::GridShiftState(event->modifiers()));
    }
    event->accept();
}

bool FlexGridView::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget) {
        return QTableView::eventFilter(watched, event);
    }
    if (event->type() == QEvent::Paint && qobject_cast<QAbstractButton*>(widget)) {
        PaintCorner(widget);
        return true;
    }
    if (ForwardMouse(widget, event)) {
        return true;
    }
    return QTableView::eventFilter(watched, event);
}

bool FlexGridView::ForwardMouse(QWidget* from, QEvent* event) {
    const bool press =
        event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
    const bool release = event->type() == QEvent::MouseButtonRelease;
    if (!events_ || (!press && !release)) {
        return false;
    }
    auto* mouse = static_cast<QMouseEvent*>(event);
    RecordMouseCell(from, mouse->position().toPoint());
    const QPoint point = from->mapTo(this, mouse->position().toPoint());
    const int button = ButtonCode(mouse->button());
    const UINT shift = platform::GridShiftState(mouse->modifiers());
    if (press) {
        events_->OnGridMouseDown(button, shift, CPoint(point.x(), point.y()));
    } else {
        events_->OnGridMouseUp(button, shift, CPoint(point.x(), point.y()));
    }
    // A left press inside the cells moves the current cell there, as the grid does itself.
    if (press && from == viewport() && mouse->button() == Qt::LeftButton) {
        const QModelIndex at = indexAt(mouse->position().toPoint());
        if (at.isValid()) {
            setCurrentIndex(at);
        }
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
    option.text =
        model_->FixedRows() && model_->FixedCols() ? platform::ToQString(model_->Text(0, 0)) : QString();
    option.textAlignment = Qt::AlignCenter;
    style()->drawControl(QStyle::CE_Header, &option, &painter, corner);
}

void FlexGridView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    if (events_ && current != previous) {
        events_->OnGridEnterCell();
    }
}

void FlexGridView::scrollContentsBy(int dx, int dy) {
    QTableView::scrollContentsBy(dx, dy);
    if (events_) {
        events_->OnGridScroll();
    }
}
