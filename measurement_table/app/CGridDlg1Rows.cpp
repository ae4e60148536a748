// The measurement table's row commands: a row is a survey date, so deleting or inserting
// rows deletes or inserts the date and the values of every point, not only of the page.

#include "measurement_table/app/CGridDlg1.h"

#include "common/ui/table/CGridInsertRowsDlg.h"

#include <algorithm>

namespace quilmo {

// QUILMO's rows are trimmed by TrimEmptyRows, which knows the dates and the points.
int CGridDlg1::RemoveTrailingEmptyRows(int) {
    return 0;
}

// Removes data row r (1-based) from the table, the date list and every point.
void CGridDlg1::RemoveRowEverywhere(int row) {
    RemoveRowObject(row);
    if (row <= static_cast<int>(dates_.size())) {
        dates_.erase(dates_.begin() + (row - 1));
    }
    for (auto& point : points_) {
        point->DeleteRows(row - 1, 1);
    }
}

int CGridDlg1::TrimEmptyRows(int rows) {
    int matters = 0;
    for (int row = static_cast<int>(dates_.size()); row >= 1; --row) {
        if (!IsUnsetDate(dates_[static_cast<std::size_t>(row - 1)])) {
            matters = row;
            break;
        }
    }
    for (const auto& point : points_) {
        matters = std::max(matters, point->GetLastValueRow());
    }
    while (rows > matters) {
        CGridData* data = RowAt(rows);
        if (data && !data->IsEmptyRow()) {
            break;
        }
        RemoveRowEverywhere(rows);
        --rows;
    }
    return rows;
}

void CGridDlg1::CutCurrentRow() {
    const int row = CurrentRowToCut();
    if (row == 0) {
        return;
    }
    RemoveRowEverywhere(row);
    --m_nRows;
    if (row > m_nRows) {
        m_nRows = TrimEmptyRows(m_nRows);
    }
    ShowAfterRemoval(row);
}

void CGridDlg1::DeleteSelectedRows() {
    if (!HasRowsToDelete()) {
        return;
    }
    const int first = m_nSelStart;
    const int last = std::min(m_nSelEnd, m_nRows);
    const bool reachedEnd = m_nSelEnd >= m_nRows;
    m_nRows -= RemoveRowsAt(first, last - first + 1, [this](int row) { RemoveRowEverywhere(row); });
    if (reachedEnd) {
        m_nRows = TrimEmptyRows(m_nRows);
    }
    ShowAfterRemoval(first);
}

void CGridDlg1::InsertBlankRows() {
    if (!m_bCanInsertBlank) {
        return;
    }
    CGridInsertRowsDlg ask(this, m_nInsertCount);
    if (ask.DoModal() != IDOK) {
        EndRowCommand();
        return;
    }
    const int count = ask.m_nNumber;
    m_nInsertCount = count;
    const int row = m_nCurRow;
    if (row > m_nRows) {
        ShowMessage(u8"最終行以降に空白行は挿入できません");
    } else if (m_nRows + count > m_nRowLimit) {
        CString message;
        message.Format(u8"データ制限(%d)を越えるため、実行できません", m_nRowLimit);
        ShowMessage(message);
    } else if (count > 0) {
        const int at = row - 1;
        if (at <= static_cast<int>(dates_.size())) {
            dates_.insert(dates_.begin() + at, static_cast<std::size_t>(count), UnsetDate());
        }
        for (auto& point : points_) {
            if (at < point->Count()) {
                point->InsertRows(at, count);
            }
        }
        for (int i = 0; i < count; ++i) {
            InsertRowObject(row, m_columns.NewRow());
        }
        m_nRows += count;
        m_bChanged = TRUE;
        UpdateGridRows();
        ShowRowsFrom(row);
    }
    EndRowCommand();
}

} // namespace quilmo
