// The table dialog's jump and text search.

#include "common/ui/table/CGridDlg.h"

#include "common/ui/table/CGridFindDlg.h"
#include "common/ui/table/CGridJumpDlg.h"
#include "platform/core/CodePage.h"
#include "platform/ui/CWaitCursor.h"
#include "platform/ui/QtText.h"

#include <algorithm>

namespace {

// Byte offsets of the character starts of a CP932 text, and its length at the end.
std::vector<int> CharacterStarts(const CString& text) {
    std::vector<int> starts;
    for (int i = 0; i < text.GetLength();) {
        starts.push_back(i);
        i += platform::IsCp932LeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.GetLength() ? 2
                                                                                                        : 1;
    }
    starts.push_back(text.GetLength());
    return starts;
}

// The byte offset of the first (forward) or last (backward) match that starts on a
// character and lies within [from, to); -1 when none.
int FindInCell(const CString& cell, const CString& text, int from, int to, bool forward) {
    const std::vector<int> starts = CharacterStarts(cell);
    int found = -1;
    for (int start : starts) {
        if (start < from || start + text.GetLength() > to) {
            continue;
        }
        if (cell.str().compare(static_cast<std::size_t>(start), static_cast<std::size_t>(text.GetLength()),
                               text.str()) == 0) {
            found = start;
            if (forward) {
                break;
            }
        }
    }
    return found;
}

int Utf16Length(const CString& bytes) {
    return static_cast<int>(platform::ToQString(bytes).size());
}

} // namespace

void CGridDlg::JumpToRow() {
    CGridJumpDlg ask(this, m_nLastJumpRow);
    if (ask.DoModal() != IDOK) {
        EndRowCommand();
        return;
    }
    int row = ask.m_nNumber;
    if (row <= 0 || m_nRows == 0) {
        ShowMessage(u8"指定行のデータがありません");
        EndRowCommand();
        return;
    }
    row = std::min(row, m_nRows);
    m_nLastJumpRow = row;
    m_bRowSelecting = FALSE;
    m_nSelStart = m_nSelEnd = -1;
    if (!m_grid.GetRowIsVisible(row)) {
        m_grid.SetTopRow(row);
    }
    SetCurrentCell(row, FirstEditableColumn());
}

void CGridDlg::FindText() {
    CGridFindDlg ask(this, m_searchText, m_bSearchForward);
    if (ask.DoModal() != IDOK) {
        EndRowCommand();
        return;
    }
    m_searchText = ask.m_text;
    m_bSearchForward = ask.m_bForward;
    if (!SearchText(m_searchText, m_bSearchForward)) {
        ShowMessage(u8"指定文字列が見つかりません");
    }
}

void CGridDlg::FindAgain() {
    if (m_searchText.IsEmpty()) {
        MessageBeep(0);
        return;
    }
    if (!SearchText(m_searchText, m_bSearchForward)) {
        ShowMessage(u8"指定文字列が見つかりません");
    }
}

BOOL CGridDlg::SearchText(const CString& text, BOOL forward) {
    if (text.IsEmpty() || m_nRows == 0 || !m_pCellEdit) {
        return FALSE;
    }
    CWaitCursor wait;
    const int cols = m_columns.Count();
    int row = std::min(m_nCurRow, m_nRows);
    int col = m_nCurCol;
    // Where the selection of the cell edit lies, in bytes of the cell's text.
    CString before;
    platform::FromQString(m_pCellEdit->text().left(m_pCellEdit->selectionStart() < 0
                                                       ? m_pCellEdit->cursorPosition()
                                                       : m_pCellEdit->selectionStart()),
                          before);
    CString selected;
    platform::FromQString(m_pCellEdit->selectedText(), selected);
    const bool sameRow = row == m_nCurRow;
    int from = sameRow ? before.GetLength() + selected.GetLength() : 0;
    int to = sameRow ? before.GetLength() : 1 << 30;
    if (!sameRow && !forward) {
        col = cols;
    }
    while (row >= 1 && row <= m_nRows) {
        const CString cell = m_grid.GetTextMatrix(row, col);
        const int at = forward ? FindInCell(cell, text, from, cell.GetLength(), true)
                               : FindInCell(cell, text, 0, std::min(to, cell.GetLength()), false);
        if (at >= 0) {
            m_bRowSelecting = FALSE;
            m_nSelStart = m_nSelEnd = -1;
            SetCurrentCell(row, col);
            m_pCellEdit->setSelection(Utf16Length(cell.Left(at)), Utf16Length(text));
            return TRUE;
        }
        from = 0;
        to = 1 << 30;
        col += forward ? 1 : -1;
        if (col > cols) {
            col = 1;
            ++row;
        } else if (col < 1) {
            col = cols;
            --row;
        }
    }
    return FALSE;
}
