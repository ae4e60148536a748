// The measurement table's points: the page shown, taking the table into the lists, paging,
// deleting and inserting points, and the (ds) columns of the three-dimensional table.

#include "measurement_table/app/CEditTitle.h"
#include "measurement_table/app/CGridDlg1.h"

#include "platform/ui/FlexGridView.h"
#include "platform/ui/QtText.h"

#include <algorithm>
#include <cmath>

namespace quilmo {

namespace {

constexpr double kDegree = 3.1415926535 / 180;

CString TrimmedName(const QLineEdit* edit) {
    CString name;
    if (edit) {
        platform::FromQString(edit->text(), name);
    }
    name.Trim();
    return name;
}

} // namespace

CDispData* CGridDlg1::PointAt(int index) const {
    return index >= 0 && index < static_cast<int>(points_.size())
               ? points_[static_cast<std::size_t>(index)].get()
               : nullptr;
}

void CGridDlg1::ShowPointPage() {
    DeleteRowData();
    m_nRows = std::max(m_nRows, static_cast<int>(dates_.size()));
    for (int row = 0; row < m_nRows; ++row) {
        CGridData* data = m_columns.NewRow();
        const ReadingDate date =
            row < static_cast<int>(dates_.size()) ? dates_[static_cast<std::size_t>(row)] : UnsetDate();
        for (int part = 0; part < kDateColumns; ++part) {
            data->IntCell(part) = date[static_cast<std::size_t>(part)];
        }
        for (int index = 0; index < pointsPerPage_; ++index) {
            const CDispData* point = PointAt(firstShown_ + index);
            for (int slot = 0; slot < valuesPerPoint_; ++slot) {
                data->RealCell(index * valuesPerPoint_ + slot) =
                    point ? point->Value(slot, row) : platform::kUnsetDouble;
            }
        }
        m_rows.AddTail(data);
    }
    for (int index = 0; index < pointsPerPage_; ++index) {
        if (CEditTitle* edit = NameEdit(index)) {
            const CDispData* point = PointAt(firstShown_ + index);
            edit->setText(point ? platform::ToQString(point->Name()) : QString());
        }
    }
}

void CGridDlg1::AddNewPoint(std::size_t position) {
    const int flag = IsThreeDimensional() ? 1 : 0;
    points_.insert(points_.begin() + static_cast<std::ptrdiff_t>(position),
                   std::make_unique<CDispData>(flag, CString(), static_cast<int>(dates_.size())));
}

bool CGridDlg1::HasPageValues(int index) {
    POSITION pos = m_rows.GetHeadPosition();
    for (int row = 1; row <= m_nRows && pos; ++row) {
        auto* data = static_cast<CGridData*>(m_rows.GetNext(pos));
        for (int slot = 0; slot < valuesPerPoint_; ++slot) {
            if (!platform::IsUnsetDouble(data->RealCell(index * valuesPerPoint_ + slot))) {
                return true;
            }
        }
    }
    return false;
}

bool CGridDlg1::TakeTableData() {
    // Each shown point with values needs a name (an empty point between two may stay unnamed).
    for (int index = 0; index < pointsPerPage_; ++index) {
        if (HasPageValues(index) && TrimmedName(NameEdit(index)).IsEmpty()) {
            ShowMessage(u8"地点名が未定義です");
            return false;
        }
    }
    const int rows = m_nRows;
    for (auto& point : points_) {
        point->Resize(rows);
    }
    int lastNamed = -1;
    for (int index = 0; index < pointsPerPage_; ++index) {
        if (NameEdit(index) && !NameEdit(index)->text().isEmpty()) {
            lastNamed = index;
        }
    }
    dates_.resize(static_cast<std::size_t>(rows));
    while (lastNamed >= 0 && static_cast<int>(points_.size()) < firstShown_ + lastNamed + 1) {
        AddNewPoint(points_.size());
    }
    for (int index = 0; index < pointsPerPage_; ++index) {
        if (CDispData* point = PointAt(firstShown_ + index)) {
            point->SetName(TrimmedName(NameEdit(index)));
        }
    }
    POSITION pos = m_rows.GetHeadPosition();
    for (int row = 0; row < rows && pos; ++row) {
        auto* data = static_cast<CGridData*>(m_rows.GetNext(pos));
        for (int part = 0; part < kDateColumns; ++part) {
            dates_[static_cast<std::size_t>(row)][static_cast<std::size_t>(part)] = data->IntCell(part);
        }
        for (int index = 0; index < pointsPerPage_; ++index) {
            if (CDispData* point = PointAt(firstShown_ + index)) {
                for (int slot = 0; slot < valuesPerPoint_; ++slot) {
                    point->SetValue(slot, row, data->RealCell(index * valuesPerPoint_ + slot));
                }
            }
        }
    }
    return true;
}

void CGridDlg1::EnableScrollButtons() {
    if (QWidget* left = GetDlgItemWidget(IDC_GRID_BUTTON1)) {
        left->setEnabled(firstShown_ > 0);
    }
    if (QWidget* right = GetDlgItemWidget(IDC_GRID_BUTTON2)) {
        right->setEnabled(firstShown_ <= static_cast<int>(points_.size()));
    }
}

void CGridDlg1::PageLeft() {
    if (firstShown_ <= 0 || !TakeTableData()) {
        return;
    }
    firstShown_ = std::max(0, firstShown_ - pointsPerPage_);
    RefreshPage();
}

void CGridDlg1::PageRight() {
    if (firstShown_ > static_cast<int>(points_.size()) || !TakeTableData()) {
        return;
    }
    firstShown_ += pointsPerPage_;
    RefreshPage();
}

void CGridDlg1::DeletePoint(int index) {
    if (index < 0 || index >= pointsPerPage_) {
        ShowMessage(u8"ｶｰｿﾙ位置ｴﾗｰ!!! 削除する地点名にｶｰｿﾙを移動して下さい。");
        return;
    }
    // Entries of the page that cannot be taken stay where they are.
    if (!TakeTableData()) {
        return;
    }
    const int position = firstShown_ + index;
    if (!PointAt(position)) {
        ShowMessage(u8"削除に失敗しました");
        return;
    }
    points_.erase(points_.begin() + position);
    m_bChanged = TRUE;
    RefreshPage();
    NameEdit(index)->setFocus(); // the next point command comes from the same edit
}

void CGridDlg1::InsertPoint(int index) {
    if (index < 0 || index >= pointsPerPage_) {
        ShowMessage(u8"ｶｰｿﾙ位置ｴﾗｰ!!!挿入する地点名にｶｰｿﾙを移動して下さい。");
        return;
    }
    if (!TakeTableData()) {
        return;
    }
    const int position = firstShown_ + index;
    if (!PointAt(position)) {
        ShowMessage(u8"挿入に失敗しました");
        return;
    }
    AddNewPoint(static_cast<std::size_t>(position));
    m_bChanged = TRUE;
    RefreshPage();
    NameEdit(index)->setFocus();
}

// The point's columns in the grid's selection colours while its menu is open.
void CGridDlg1::HighlightPoint(int index, bool on) {
    CEditTitle* edit = NameEdit(index);
    if (!edit || !m_grid.View() || on == highlighted_) {
        return;
    }
    highlighted_ = on;
    edit->SetHighlighted(on);
    const int first = PointColumn(index);
    if (on) {
        m_pCellEdit->hide();
        m_grid.SetRow(1);
        m_grid.SetCol(first);
        m_grid.SetRowSel(std::max(1L, m_grid.GetRows() - 1));
        m_grid.SetColSel(first + valuesPerPoint_ - 1);
        return;
    }
    m_grid.SetRowSel(1);
    m_grid.SetColSel(first);
    m_nCurRow = 1;
    m_nCurCol = first;
    CGridDlg::ShowCellEditor();
}

void CGridDlg1::RecomputeAllDs() {
    if (!IsThreeDimensional() || !TakeTableData()) {
        return;
    }
    const bool angleSet = !platform::IsUnsetDouble(m_dAngle);
    for (auto& point : points_) {
        if (!point->IsThreeDimensional()) {
            continue;
        }
        for (int row = 0; row < point->Count(); ++row) {
            const double dx = point->Value(CDispData::kDx, row);
            const double dy = point->Value(CDispData::kDy, row);
            double ds = platform::kUnsetDouble;
            if (angleSet && !platform::IsUnsetDouble(dx) && !platform::IsUnsetDouble(dy)) {
                ds = std::cos(m_dAngle * kDegree) * dx + std::sin(m_dAngle * kDegree) * dy;
            }
            point->SetValue(CDispData::kDs, row, ds);
        }
    }
    RefreshPage();
}

void CGridDlg1::DropEmptyTailPoints() {
    while (!points_.empty() && points_.back()->GetLastValueRow() == 0 && points_.back()->Name().IsEmpty()) {
        points_.pop_back();
    }
}

} // namespace quilmo
