// The table dialog's cell editor: where it stands, how keys and the mouse move it, and how
// a changed text is checked and stored.

#include "common/ui/table/CGridDlg.h"

#include "common/ui/table/TableText.h"
#include "platform/ui/CMenu.h"
#include "platform/ui/FlexGridView.h"
#include "platform/ui/QtText.h"

#include <QCursor>
#include <algorithm>

void CGridDlg::SetCurrentCell(int row, int col) {
    const int lastRow = static_cast<int>(m_grid.GetRows()) - 1;
    row = std::clamp(row, 1, std::max(1, lastRow));
    const int top = static_cast<int>(m_grid.GetTopRow());
    if (row < top) {
        m_grid.SetTopRow(row);
    } else if (row > top + m_nVisibleRows - 1) {
        m_grid.SetTopRow(row - m_nVisibleRows + 1);
    }
    m_nPrevRow = m_nCurRow;
    m_nPrevCol = m_nCurCol;
    m_nCurRow = row;
    m_nCurCol = col;
    ShowCellEditor();
}

void CGridDlg::ShowCellEditor() {
    if (!m_pCellEdit || !m_grid.View()) {
        return;
    }
    const int top = static_cast<int>(m_grid.GetTopRow());
    if (m_nCurRow - top + 1 < 1) {
        m_nCurRow = top;
    } else if (m_nCurRow - top + 1 > m_nVisibleRows) {
        m_nCurRow = top + m_nVisibleRows - 1;
    }
    m_nCurRow = std::clamp(m_nCurRow, 1, std::max(1, static_cast<int>(m_grid.GetRows()) - 1));
    m_grid.SetRow(m_nCurRow);
    m_grid.SetCol(m_nCurCol);
    const CRect cell = m_grid.GetCellRectPixels(m_nCurRow, m_nCurCol);
    const QPoint origin = m_grid.View()->pos();
    m_bUpdating = TRUE;
    m_pCellEdit->setGeometry(origin.x() + cell.left, origin.y() + cell.top, cell.Width() - 1,
                             cell.Height() - 1);
    m_pCellEdit->setAlignment(m_columns.Kind(m_nCurCol - 1) == GridColumnKind::Text
                                  ? Qt::AlignLeft | Qt::AlignVCenter
                                  : Qt::AlignRight | Qt::AlignVCenter);
    m_pCellEdit->setText(platform::ToQString(m_grid.GetTextMatrix(m_nCurRow, m_nCurCol)));
    m_bUpdating = FALSE;
    m_acceptedText = m_grid.GetTextMatrix(m_nCurRow, m_nCurCol);
    m_cellEntryText = m_acceptedText;
    const bool editable =
        m_nCurCol >= 1 && m_nCurCol <= m_columns.Count() && m_columns.IsEditable(m_nCurCol - 1);
    if (editable && !m_bRowSelecting) {
        m_pCellEdit->setReadOnly(false);
        m_pCellEdit->show();
        m_pCellEdit->raise();
        m_pCellEdit->selectAll();
        m_pCellEdit->setFocus();
    } else {
        m_pCellEdit->setReadOnly(true);
        m_pCellEdit->hide();
        m_grid.View()->setFocus();
    }
}

void CGridDlg::TrackCurrentCell() {
    if (!m_bCellChangePending) {
        return;
    }
    m_bCellChangePending = FALSE;
    int col = static_cast<int>(m_grid.GetCol());
    if (col >= 1 && !m_columns.IsEditable(col - 1) && col != 1) {
        col = m_nCurCol;
    }
    m_nPrevRow = m_nCurRow;
    m_nPrevCol = m_nCurCol;
    m_nCurRow = static_cast<int>(m_grid.GetRow());
    m_nCurCol = std::max(col, 1);
    ShowCellEditor();
}

void CGridDlg::EnsureRowVisible() {
    const int top = static_cast<int>(m_grid.GetTopRow());
    if (m_nCurRow < top) {
        m_nCurRow = top;
    } else if (m_nCurRow > top + m_nVisibleRows - 1) {
        m_nCurRow = top + m_nVisibleRows - 1;
    }
    ShowCellEditor();
}

void CGridDlg::MoveCurrentCell(int rowStep, int colStep) {
    const int cols = m_columns.Count();
    int row = m_nCurRow;
    int col = m_nCurCol;
    if (colStep != 0) {
        const int start = col;
        do {
            col += colStep;
            if (col > cols) {
                col = 1;
                ++row;
            } else if (col < 1) {
                col = cols;
                --row;
            }
        } while (!m_columns.IsEditable(col - 1) && col != start);
    }
    row += rowStep;
    const int lastRow = static_cast<int>(m_grid.GetRows()) - 1;
    const int top = static_cast<int>(m_grid.GetTopRow());
    if (row < 1) {
        row = 1;
        col = colStep < 0 ? m_nCurCol : col;
    } else if (row < top) {
        m_grid.SetTopRow(top - 1);
    } else if (row > lastRow) {
        row = lastRow;
        col = colStep > 0 ? m_nCurCol : col;
    } else if (row > top + m_nVisibleRows - 1) {
        m_grid.SetTopRow(top + 1);
    }
    m_nPrevRow = m_nCurRow;
    m_nPrevCol = m_nCurCol;
    m_nCurRow = row;
    m_nCurCol = col;
    ShowCellEditor();
}

BOOL CGridDlg::OnCellEditKey(UINT key, UINT shift) {
    const bool withShift = shift & 1U;
    const bool withCtrl = shift & 2U;
    if (withCtrl) {
        switch (key) {
        case 'C':
            CopySelectedRows();
            return TRUE;
        case 'D':
            DeleteSelectedRows();
            return TRUE;
        case 'F':
            FindText();
            return TRUE;
        case 'I':
            InsertBlankRows();
            return TRUE;
        case 'J':
            JumpToRow();
            return TRUE;
        case 'P':
            PasteRows();
            return TRUE;
        case 'V':
            InsertSelectedRows();
            return TRUE;
        case 'Y':
            CutCurrentRow();
            return TRUE;
        default:
            break;
        }
    }
    switch (key) {
    case VK_UP:
        MoveCurrentCell(-1, 0);
        return TRUE;
    case VK_DOWN:
        MoveCurrentCell(1, 0);
        return TRUE;
    case VK_LEFT:
        if (!withShift) {
            return FALSE;
        }
        MoveCurrentCell(0, -1);
        return TRUE;
    case VK_RIGHT:
        if (!withShift) {
            return FALSE;
        }
        MoveCurrentCell(0, 1);
        return TRUE;
    case VK_TAB:
        if (withCtrl || TabLeavesGrid(!withShift)) {
            LeaveGrid(!withShift);
            return TRUE;
        }
        MoveCurrentCell(0, withShift ? -1 : 1);
        return TRUE;
    case VK_RETURN:
        MoveCurrentCell(0, 1);
        return TRUE;
    case VK_ESCAPE:
        OnKeyEscape();
        if (!RestoreCellText()) {
            OnCancel();
        }
        return TRUE;
    case VK_F1 + 2:
        FindAgain();
        return TRUE;
    case VK_F1 + 4:
        OnKeyF5();
        return TRUE;
    case VK_F1 + 5:
        OnKeyF6();
        return TRUE;
    case VK_F1 + 6:
        OnKeyF7();
        return TRUE;
    case VK_F1 + 7:
        OnKeyF8();
        return TRUE;
    case VK_F1 + 8:
        OnKeyF9();
        return TRUE;
    default:
        return FALSE;
    }
}

// Keys on the grid itself (the cell edit is hidden while rows are selected).
void CGridDlg::OnGridKeyDown(UINT key, UINT shift) {
    const bool selecting = m_bRowSelecting && m_nSelStart >= 0;
    const bool oneRow = selecting && m_nSelStart == m_nSelEnd;
    if (shift & 2U) {
        if (selecting && key == 'C') {
            return CopySelectedRows();
        }
        if (selecting && key == 'D') {
            return DeleteSelectedRows();
        }
        if (!selecting || oneRow) {
            switch (key) {
            case 'I':
                return InsertBlankRows();
            case 'P':
                return PasteRows();
            case 'V':
                return InsertSelectedRows();
            case 'Y':
                return CutCurrentRow();
            default:
                break;
            }
        }
        if (!selecting && key == 'F') {
            return FindText();
        }
        if (!selecting && key == 'J') {
            return JumpToRow();
        }
        if (key == VK_CONTROL || key == VK_SHIFT) {
            return;
        }
    }
    if (key == VK_DELETE && selecting && m_pCellEdit && m_pCellEdit->isHidden()) {
        return DeleteSelectedRows();
    }
    if (key == VK_CONTROL || key == VK_SHIFT) {
        return;
    }
    // The grid has the keys when the current cell takes no typing: moves work there too.
    const UINT moveShift = (shift & ~2U) | (key == VK_LEFT || key == VK_RIGHT ? 1U : 0U);
    if (!selecting && OnCellEditKey(key, moveShift)) {
        return;
    }
    EndRowCommand();
}

void CGridDlg::OnGridMouseDown(int button, UINT, CPoint) {
    if (button != 1) {
        return;
    }
    const int row = static_cast<int>(m_grid.GetMouseRow());
    if (m_grid.GetMouseCol() == 0 && row >= 1 && row <= m_nRows) {
        m_bRowSelecting = TRUE;
        m_nSelStart = m_nSelEnd = row;
        m_nCurRow = row;
        if (m_pCellEdit) {
            m_pCellEdit->hide();
        }
        m_grid.SetRow(row);
        m_grid.SetCol(1);
        m_grid.SetColSel(m_columns.Count());
        m_grid.View()->setFocus();
    } else if (m_bRowSelecting) {
        m_bRowSelecting = FALSE;
        m_nSelStart = m_nSelEnd = -1;
    }
}

void CGridDlg::OnGridMouseUp(int button, UINT, CPoint point) {
    if (button == 2) {
        ShowPopupMenu(point);
        return;
    }
    if (button != 1) {
        return;
    }
    if (m_bRowSelecting && m_nSelStart >= 0) {
        // Released below the last row (no cell there): the selection runs to the last row.
        const int under = static_cast<int>(m_grid.GetMouseRow());
        const int row = std::clamp(under < 0 ? m_nRows : under, 1, std::max(m_nRows, 1));
        const int anchor = m_nSelStart == m_nCurRow ? m_nSelStart : m_nSelEnd;
        m_nSelStart = std::min(anchor, row);
        m_nSelEnd = std::min(std::max(anchor, row), std::max(m_nRows, 1));
        m_grid.SetRow(m_nSelStart);
        m_grid.SetCol(1);
        m_grid.SetRowSel(m_nSelEnd);
        m_grid.SetColSel(m_columns.Count());
        return;
    }
    m_bCellChangePending = TRUE;
    TrackCurrentCell();
}

void CGridDlg::OnGridEnterCell() {
    TrackCurrentCell();
}

void CGridDlg::OnGridScroll() {
    if (m_bRowSelecting || m_bUpdating || m_bInitialising) {
        return;
    }
    EnsureRowVisible();
}

void CGridDlg::ShowPopupMenu(CPoint point) {
    if (!m_pPopupMenu || m_bBusy) {
        return;
    }
    CMenu* popup = m_pPopupMenu->GetSubMenu(0);
    if (!popup) {
        return;
    }
    const QPoint global = m_grid.View()->mapToGlobal(QPoint(point.x, point.y));
    popup->TrackPopupMenu(0, global.x(), global.y(), this);
}

void CGridDlg::EndRowCommand() {
    if (m_bRowSelecting) {
        m_bRowSelecting = FALSE;
        if (m_nSelEnd >= 1) {
            m_nCurRow = m_nSelEnd;
        }
        m_nSelStart = m_nSelEnd = -1;
    }
    ShowCellEditor();
}

void CGridDlg::AppendRowsUpTo(int row) {
    while (m_rows.GetCount() < row) {
        m_rows.AddTail(m_columns.NewRow());
    }
}

int CGridDlg::RemoveTrailingEmptyRows(int lastRow) {
    int removed = 0;
    POSITION pos = m_rows.FindIndex(lastRow - 1);
    while (pos) {
        POSITION at = pos;
        auto* row = static_cast<CGridData*>(m_rows.GetPrev(pos));
        if (!row->IsEmptyRow()) {
            break;
        }
        delete row;
        m_rows.RemoveAt(at);
        ++removed;
    }
    return removed;
}

void CGridDlg::RefuseCellText(const CString& message) {
    const int oldLength = static_cast<int>(platform::ToQString(m_acceptedText).size());
    const int cursor =
        m_pCellEdit->cursorPosition() - (static_cast<int>(m_pCellEdit->text().size()) - oldLength);
    m_bUpdating = TRUE;
    m_pCellEdit->setText(platform::ToQString(m_acceptedText));
    m_pCellEdit->setCursorPosition(std::clamp(cursor, 0, oldLength));
    if (CGridData* row = RowAt(m_nCurRow)) {
        m_grid.SetTextMatrix(m_nCurRow, m_nCurCol, m_columns.FormatCell(*row, m_nCurCol - 1));
    }
    m_bUpdating = FALSE;
    ShowMessage(message);
}

void CGridDlg::OnChangeCellEdit() {
    if (m_bUpdating || m_bInitialising || !m_pCellEdit || m_nCurCol < 1 || m_nCurCol > m_columns.Count()) {
        return;
    }
    if (m_nCurRow > m_nRowLimit) {
        CString message;
        message.Format(u8"データ制限(%d)を越えたため、入力できません", m_nRowLimit);
        RefuseCellText(message);
        ShowCellEditor();
        return;
    }
    m_bChanged = TRUE;
    CString text;
    if (!platform::FromQString(m_pCellEdit->text(), text)) {
        RefuseCellText(CString(u8"文字入力エラーです"));
        return;
    }
    const CString message = m_columns.CheckText(m_nCurCol - 1, text);
    if (!message.IsEmpty()) {
        RefuseCellText(message);
        return;
    }
    StoreCellText(m_nCurRow, m_nCurCol, text);
    m_acceptedText = text;
}

// Stores an accepted text in data row r, growing the table up to r or trimming empty rows
// at its end. False when the text was empty past the data (nothing to store).
bool CGridDlg::StoreCellText(int row, int col, const CString& text) {
    CString trimmed = text;
    trimmed.Trim();
    const bool empty = trimmed.IsEmpty();
    if (!empty && row > m_nRows) {
        AppendRowsUpTo(row);
        const int first = m_nRows + 1;
        m_nRows = row;
        UpdateGridRows();
        ShowRowsFrom(first);
    }
    CGridData* data = RowAt(row);
    if (!data || row > m_nRows) {
        return false;
    }
    m_columns.StoreText(*data, col - 1, text);
    const bool loneSign = text == "-" || text == "+";
    m_bUpdating = TRUE;
    m_grid.SetTextMatrix(row, col, loneSign ? text : m_columns.FormatCell(*data, col - 1));
    m_bUpdating = FALSE;
    if (empty && row == m_nRows) {
        const int removed = RemoveTrailingEmptyRows(m_nRows);
        if (removed > 0) {
            m_nRows -= removed;
            UpdateGridRows();
            ShowRowsFrom(m_nRows + 1);
            EnsureRowVisible();
        }
    }
    return true;
}

// The most text a paste may bring: every row up to the limit, every column at its input
// width plus a separator; anything longer cannot fit and is refused whole.
int CGridDlg::PasteBufferLength() const {
    long long perRow = 0;
    for (int col = 0; col < m_columns.Count(); ++col) {
        perRow += m_columns.InputWidth(col) + 2;
    }
    return static_cast<int>(std::min<long long>(perRow * std::max(m_nRowLimit, 1), 1 << 24));
}

void CGridDlg::PasteText(const QString& text) {
    if (!m_pCellEdit || m_pCellEdit->isReadOnly() || text.isEmpty()) {
        return;
    }
    if (text.size() > PasteBufferLength()) {
        ShowMessage(u8"桁数オーバーです");
        return;
    }
    std::vector<std::vector<CString>> cells;
    if (!SplitTableText(text, cells)) {
        ShowMessage(u8"文字入力エラーです");
        return;
    }
    if (cells.size() == 1 && cells[0].size() == 1) {
        // One value goes in at the caret as one change, checked in full like typing.
        m_pCellEdit->insert(platform::ToQString(cells[0][0]));
        return;
    }
    if (!cells.empty()) {
        PasteCellBlock(cells);
    }
}

// Spreads pasted cells from the current cell right over the editable columns and down.
// Everything is checked before anything is stored: a paste is taken whole or not at all.
void CGridDlg::PasteCellBlock(const std::vector<std::vector<CString>>& cells) {
    std::vector<int> targets;
    for (int col = m_nCurCol; col <= m_columns.Count(); ++col) {
        if (m_columns.IsEditable(col - 1)) {
            targets.push_back(col);
        }
    }
    const int firstRow = m_nCurRow;
    const int lastRow = firstRow + static_cast<int>(cells.size()) - 1;
    if (lastRow > m_nRowLimit) {
        CString message;
        message.Format(u8"データ制限(%d)を越えたため、入力できません", m_nRowLimit);
        ShowMessage(message);
        return;
    }
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (cells[i].size() > targets.size()) {
            ShowMessage(u8"桁数オーバーです");
            return;
        }
        for (std::size_t j = 0; j < cells[i].size(); ++j) {
            const CString message = m_columns.CheckText(targets[j] - 1, cells[i][j]);
            if (!message.IsEmpty()) {
                SetCurrentCell(firstRow + static_cast<int>(i), targets[j]);
                ShowMessage(message);
                return;
            }
        }
    }
    m_bChanged = TRUE;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        for (std::size_t j = 0; j < cells[i].size(); ++j) {
            StoreCellText(firstRow + static_cast<int>(i), targets[j], cells[i][j]);
        }
    }
    ShowRowsFrom(firstRow);
    ShowCellEditor();
}
