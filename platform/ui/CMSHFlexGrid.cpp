#include "platform/ui/CMSHFlexGrid.h"

#include "platform/ui/FlexGridView.h"
#include "platform/ui/FontSubstitution.h"

#include <QHeaderView>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

IMPLEMENT_DYNAMIC(CMSHFlexGrid, CWnd)

namespace {
constexpr int kTwipsPerInch = 1440;

Qt::Alignment QtAlignment(short alignment) {
    static const Qt::Alignment horizontal[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
    static const Qt::Alignment vertical[] = {Qt::AlignTop, Qt::AlignVCenter, Qt::AlignBottom};
    if (alignment < 0 || alignment > flexAlignRightBottom) {
        alignment = flexAlignLeftCenter;
    }
    return horizontal[alignment / 3] | vertical[alignment % 3];
}
} // namespace

CMSHFlexGrid::~CMSHFlexGrid() {
    // The control may outlive this wrapper (its dialog deletes it later).
    if (FlexGridView* view = View()) {
        view->SetEvents(nullptr);
    }
}

QWidget* CMSHFlexGrid::CreateControl(QWidget* parent) {
    return new FlexGridView(parent);
}

BOOL CMSHFlexGrid::SubclassDlgItem(UINT id, CWnd* parent) {
    return parent ? AttachControl(parent->GetDlgItemWidget(static_cast<int>(id))) : FALSE;
}

BOOL CMSHFlexGrid::AttachControl(QWidget* widget) {
    auto* view = dynamic_cast<FlexGridView*>(widget);
    if (!view) {
        return FALSE;
    }
    Attach(view);
    view->SetEvents(this);
    return TRUE;
}

void CMSHFlexGrid::SetEvents(FlexGridEvents* events) {
    events_ = events;
}

FlexGridView* CMSHFlexGrid::View() const {
    return dynamic_cast<FlexGridView*>(GetWidget());
}

long CMSHFlexGrid::GetRows() const {
    return View() ? View()->Model()->Rows() : 0;
}

void CMSHFlexGrid::SetRows(long rows) {
    if (FlexGridView* view = View()) {
        view->Model()->SetRows(static_cast<int>(rows));
    }
}

void CMSHFlexGrid::SetCols(long cols) {
    if (FlexGridView* view = View()) {
        view->Model()->SetCols(static_cast<int>(cols));
    }
}

void CMSHFlexGrid::SetFixedRows(long fixed) {
    if (FlexGridView* view = View()) {
        view->Model()->SetFixedRows(static_cast<int>(fixed));
    }
}

void CMSHFlexGrid::SetFixedCols(long fixed) {
    if (FlexGridView* view = View()) {
        view->Model()->SetFixedCols(static_cast<int>(fixed));
    }
}

CString CMSHFlexGrid::GetTextMatrix(long row, long col) const {
    return View() ? View()->Model()->Text(static_cast<int>(row), static_cast<int>(col)) : CString();
}

void CMSHFlexGrid::SetTextMatrix(long row, long col, const char* text) {
    if (FlexGridView* view = View()) {
        view->Model()->SetText(static_cast<int>(row), static_cast<int>(col), CString(text));
    }
}

long CMSHFlexGrid::GetRow() const {
    FlexGridView* view = View();
    if (!view) {
        return 0;
    }
    const QModelIndex current = view->currentIndex();
    return current.isValid() ? current.row() + view->Model()->FixedRows() : view->Model()->FixedRows();
}

long CMSHFlexGrid::GetCol() const {
    FlexGridView* view = View();
    if (!view) {
        return 0;
    }
    const QModelIndex current = view->currentIndex();
    return current.isValid() ? current.column() + view->Model()->FixedCols() : view->Model()->FixedCols();
}

void CMSHFlexGrid::SetRow(long row) {
    FlexGridView* view = View();
    if (!view) {
        return;
    }
    const FlexGridModel* model = view->Model();
    const QModelIndex at = model->index(static_cast<int>(row) - model->FixedRows(),
                                        static_cast<int>(GetCol()) - model->FixedCols());
    if (at.isValid()) {
        view->selectionModel()->setCurrentIndex(at, QItemSelectionModel::NoUpdate);
    }
    rowSel_ = row;
    ShowSelection();
}

void CMSHFlexGrid::SetCol(long col) {
    FlexGridView* view = View();
    if (!view) {
        return;
    }
    const FlexGridModel* model = view->Model();
    const QModelIndex at = model->index(static_cast<int>(GetRow()) - model->FixedRows(),
                                        static_cast<int>(col) - model->FixedCols());
    if (at.isValid()) {
        view->selectionModel()->setCurrentIndex(at, QItemSelectionModel::NoUpdate);
    }
    colSel_ = col;
    ShowSelection();
}

void CMSHFlexGrid::SetRowSel(long row) {
    rowSel_ = row;
    ShowSelection();
}

void CMSHFlexGrid::SetColSel(long col) {
    colSel_ = col;
    ShowSelection();
}

// A range of more than one cell is shown highlighted; a single cell is just the current one.
void CMSHFlexGrid::ShowSelection() {
    FlexGridView* view = View();
    if (!view) {
        return;
    }
    const FlexGridModel* model = view->Model();
    QItemSelectionModel* selection = view->selectionModel();
    const long row = GetRow();
    const long col = GetCol();
    if (rowSel_ == row && colSel_ == col) {
        selection->clearSelection();
        return;
    }
    const QModelIndex first = model->index(static_cast<int>(std::min(row, rowSel_)) - model->FixedRows(),
                                           static_cast<int>(std::min(col, colSel_)) - model->FixedCols());
    const QModelIndex last = model->index(static_cast<int>(std::max(row, rowSel_)) - model->FixedRows(),
                                          static_cast<int>(std::max(col, colSel_)) - model->FixedCols());
    if (first.isValid() && last.isValid()) {
        selection->select(QItemSelection(first, last), QItemSelectionModel::ClearAndSelect);
    }
}

long CMSHFlexGrid::GetTopRow() const {
    FlexGridView* view = View();
    if (!view) {
        return 0;
    }
    return view->verticalScrollBar()->value() + view->Model()->FixedRows();
}

void CMSHFlexGrid::SetTopRow(long row) {
    FlexGridView* view = View();
    if (!view) {
        return;
    }
    view->SettleLayout(); // the scroll range must know rows added since the last layout
    view->verticalScrollBar()->setValue(static_cast<int>(row) - view->Model()->FixedRows());
}

BOOL CMSHFlexGrid::GetRowIsVisible(long row) const {
    FlexGridView* view = View();
    if (!view) {
        return FALSE;
    }
    if (row < view->Model()->FixedRows()) {
        return TRUE;
    }
    const QHeaderView* header = view->verticalHeader();
    const int index = static_cast<int>(row) - view->Model()->FixedRows();
    const int top = header->sectionViewportPosition(index);
    return top >= 0 && top + header->sectionSize(index) <= view->viewport()->height();
}

long CMSHFlexGrid::GetRowHeight(long row) const {
    FlexGridView* view = View();
    if (!view) {
        return 0;
    }
    if (row < view->Model()->FixedRows()) {
        // Before the first layout the header's own height is not settled; its hint is.
        const QHeaderView* header = view->horizontalHeader();
        const bool fixed = header->minimumHeight() == header->maximumHeight();
        return PixelsToTwipsY(fixed ? header->height() : header->sizeHint().height());
    }
    return PixelsToTwipsY(
        view->verticalHeader()->sectionSize(static_cast<int>(row) - view->Model()->FixedRows()));
}

long CMSHFlexGrid::GetColWidth(long col) const {
    FlexGridView* view = View();
    if (!view) {
        return 0;
    }
    if (col < view->Model()->FixedCols()) {
        return PixelsToTwipsX(view->verticalHeader()->width());
    }
    return PixelsToTwipsX(
        view->horizontalHeader()->sectionSize(static_cast<int>(col) - view->Model()->FixedCols()));
}

void CMSHFlexGrid::SetColWidth(long col, long twips) {
    FlexGridView* view = View();
    if (!view) {
        return;
    }
    const int pixels = std::max(1, TwipsToPixelsX(twips));
    const int fixed = view->Model()->FixedCols();
    const int cols = view->Model()->Cols();
    for (int c = col < 0 ? 0 : static_cast<int>(col); c < (col < 0 ? cols : col + 1); ++c) {
        if (c < fixed) {
            view->verticalHeader()->setFixedWidth(pixels);
        } else {
            view->horizontalHeader()->resizeSection(c - fixed, pixels);
        }
    }
}

void CMSHFlexGrid::SetColAlignment(long col, short alignment) {
    if (FlexGridView* view = View()) {
        view->Model()->SetAlignment(static_cast<int>(col), static_cast<int>(QtAlignment(alignment)));
    }
}

void CMSHFlexGrid::SetColAlignmentFixed(long col, short alignment) {
    if (FlexGridView* view = View()) {
        view->Model()->SetFixedAlignment(static_cast<int>(col), static_cast<int>(QtAlignment(alignment)));
    }
}

BOOL CMSHFlexGrid::GetRedraw() const {
    return View() && View()->Model()->Redraw();
}

void CMSHFlexGrid::SetRedraw(BOOL redraw) {
    FlexGridView* view = View();
    if (!view) {
        return;
    }
    view->setUpdatesEnabled(redraw != FALSE);
    view->Model()->SetRedraw(redraw != FALSE);
}

CRect CMSHFlexGrid::GetCellRectPixels(long row, long col) const {
    FlexGridView* view = View();
    if (!view) {
        return CRect();
    }
    const FlexGridModel* model = view->Model();
    const QHeaderView* rows = view->verticalHeader();
    const QHeaderView* cols = view->horizontalHeader();
    const int r = static_cast<int>(row) - model->FixedRows();
    const int c = static_cast<int>(col) - model->FixedCols();
    QRect rect;
    rect.setTop(r < 0 ? cols->geometry().top()
                      : view->viewport()->geometry().top() + rows->sectionViewportPosition(r));
    rect.setHeight(r < 0 ? cols->height() : rows->sectionSize(r));
    rect.setLeft(c < 0 ? rows->geometry().left()
                       : view->viewport()->geometry().left() + cols->sectionViewportPosition(c));
    rect.setWidth(c < 0 ? rows->width() : cols->sectionSize(c));
    return CRect(rect.left(), rect.top(), rect.right() + 1, rect.bottom() + 1);
}

long CMSHFlexGrid::GetMouseRow() const {
    return View() ? View()->MouseRow() : -1;
}
long CMSHFlexGrid::GetMouseCol() const {
    return View() ? View()->MouseCol() : -1;
}

float CMSHFlexGrid::GetFontSize() const {
    FlexGridView* view = View();
    if (!view) {
        return 9.0F;
    }
    const QFont font = view->font();
    if (font.pointSizeF() > 0) {
        return static_cast<float>(font.pointSizeF());
    }
    return static_cast<float>(font.pixelSize() * 72.0 / view->logicalDpiY());
}

int CMSHFlexGrid::TwipsToPixelsX(long twips) const {
    const int dpi = View() ? View()->logicalDpiX() : 96;
    return static_cast<int>(std::lround(static_cast<double>(twips) * dpi / kTwipsPerInch));
}

int CMSHFlexGrid::TwipsToPixelsY(long twips) const {
    const int dpi = View() ? View()->logicalDpiY() : 96;
    return static_cast<int>(std::lround(static_cast<double>(twips) * dpi / kTwipsPerInch));
}

long CMSHFlexGrid::PixelsToTwipsX(int pixels) const {
    const int dpi = View() ? View()->logicalDpiX() : 96;
    return std::lround(static_cast<double>(pixels) * kTwipsPerInch / dpi);
}

long CMSHFlexGrid::PixelsToTwipsY(int pixels) const {
    const int dpi = View() ? View()->logicalDpiY() : 96;
    return std::lround(static_cast<double>(pixels) * kTwipsPerInch / dpi);
}

void CMSHFlexGrid::OnGridKeyDown(UINT keyCode, UINT shift) {
    if (events_) {
        events_->OnGridKeyDown(keyCode, shift);
    }
}

void CMSHFlexGrid::OnGridMouseDown(int button, UINT shift, CPoint point) {
    if (events_) {
        events_->OnGridMouseDown(button, shift, point);
    }
}

void CMSHFlexGrid::OnGridMouseUp(int button, UINT shift, CPoint point) {
    if (events_) {
        events_->OnGridMouseUp(button, shift, point);
    }
}

void CMSHFlexGrid::OnGridEnterCell() {
    if (events_) {
        events_->OnGridEnterCell();
    }
}

void CMSHFlexGrid::OnGridScroll() {
    if (events_) {
        events_->OnGridScroll();
    }
}
