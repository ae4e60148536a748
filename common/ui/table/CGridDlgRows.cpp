// The table dialog's row commands: copy, cut, delete, insert blank rows, insert and paste
// rows from the clipboard. Rows travel as the table kind, the row count and the rows.

#include "common/ui/table/CGridDlg.h"

#include "common/records/CClipboardFile.h"
#include "common/ui/table/CGridInsertRowsDlg.h"
#include "platform/core/CException.h"
#include "platform/core/Clipboard.h"

#include <algorithm>
#include <functional>
#include <memory>

namespace {
CString LimitMessage(const char8_t* format, int limit) {
    CString message;
    message.Format(format, limit);
    return message;
}
} // namespace

bool CGridDlg::WriteRowsToClipboard(int first, int last) {
    CClipboardFile file(this);
    if (!file.Open(m_clipboardFormat, CFile::modeWrite, CClipboardFile::kGrowStep)) {
        return false;
    }
    const int count = last - first + 1;
    int written = 0;
    try {
        file.WriteInt(m_nTableKind);
        file.WriteInt(count);
        POSITION pos = m_rows.FindIndex(first - 1);
        for (; written < count && pos; ++written) {
            auto* row = static_cast<CGridData*>(m_rows.GetNext(pos));
            if (!row->WriteTo(file, m_columns.IntCount(), m_columns.RealCount(), m_columns.ExponentCount(),
                              m_columns.TextCount())) {
                break;
            }
        }
    } catch (const CException&) {
    }
    if (written < count) {
        platform::CurrentClipboard().Empty();
        return false;
    }
    file.Close();
    return true;
}

int CGridDlg::OpenClipboardRows(CClipboardFile& file) {
    if (!file.IsFormatAvailable(m_clipboardFormat, m_nTableKind)) {
        return -1;
    }
    int count = -1;
    try {
        file.ReadInt(count);
    } catch (const CException&) {
        return -1;
    }
    return count > 0 ? count : -1;
}

void CGridDlg::InsertRowObject(int beforeRow, CGridData* row) {
    POSITION pos = m_rows.FindIndex(beforeRow - 1);
    if (pos) {
        m_rows.InsertBefore(pos, row);
    } else {
        m_rows.AddTail(row);
    }
}

void CGridDlg::RemoveRowObject(int row) {
    if (POSITION pos = m_rows.FindIndex(row - 1)) {
        delete m_rows.GetAt(pos);
        m_rows.RemoveAt(pos);
    }
}

void CGridDlg::CopySelectedRows() {
    if (!m_bCanCopy) {
        return;
    }
    if (!m_bRowSelecting || m_nSelStart < 1) {
        ShowMessage(u8"選択行はありません");
    } else if (!WriteRowsToClipboard(m_nSelStart, m_nSelEnd)) {
        ShowMessage(u8"コピーに失敗しました !!!");
    }
    EndRowCommand();
}

void CGridDlg::CutCurrentRow() {
    const int row = CurrentRowToCut();
    if (row == 0) {
        return;
    }
    if (!WriteRowsToClipboard(row, row)) {
        ShowMessage(u8"ｸﾘｯﾌﾟﾎﾞｰﾄﾞ WriteDataエラー!!!");
    }
    RemoveRowObject(row);
    --m_nRows;
    if (row > m_nRows) {
        m_nRows -= RemoveTrailingEmptyRows(m_nRows);
    }
    ShowAfterRemoval(row);
}

void CGridDlg::DeleteSelectedRows() {
    if (!HasRowsToDelete()) {
        return;
    }
    if (!WriteRowsToClipboard(m_nSelStart, m_nSelEnd)) {
        ShowMessage(u8"エラーのため、削除を中止しました");
        EndRowCommand();
        return;
    }
    const int first = m_nSelStart;
    const bool reachedEnd = m_nSelEnd >= m_nRows;
    m_nRows -= RemoveRowsAt(first, m_nSelEnd - first + 1, [this](int row) { RemoveRowObject(row); });
    if (reachedEnd) {
        m_nRows -= RemoveTrailingEmptyRows(m_nRows);
    }
    ShowAfterRemoval(first);
}

int CGridDlg::CurrentRowToCut() {
    if (!m_bCanDelete) {
        return 0;
    }
    const int row = m_nCurRow;
    if (row < 1 || row > m_nRows || !RowAt(row)) {
        ShowMessage(u8"削除エラー!!!");
        EndRowCommand();
        return 0;
    }
    return row;
}

bool CGridDlg::HasRowsToDelete() {
    if (!m_bCanDelete) {
        return false;
    }
    if (!m_bRowSelecting || m_nSelStart < 1) {
        ShowMessage(u8"選択行はありません");
        EndRowCommand();
        return false;
    }
    return true;
}

int CGridDlg::RemoveRowsAt(int first, int count, const std::function<void(int)>& remove) {
    int removed = 0;
    for (; removed < count; ++removed) {
        if (!RowAt(first)) {
            ShowMessage(u8"エラーのため、削除を途中で終了しました");
            break;
        }
        remove(first);
    }
    return removed;
}

void CGridDlg::ShowAfterRemoval(int row) {
    m_bChanged = TRUE;
    m_bRowSelecting = FALSE;
    m_nSelStart = m_nSelEnd = -1;
    UpdateGridRows();
    ShowRowsFrom(row);
    SetCurrentCell(std::max(1, std::min(row, m_nRows)), m_nCurCol);
}

void CGridDlg::InsertBlankRows() {
    if (!m_bCanInsertBlank) {
        return;
    }
    CGridInsertRowsDlg ask(this, m_nInsertCount);
    if (ask.DoModal() != IDOK) {
        EndRowCommand();
        return;
    }
    const int count = ask.m_nNumber;
    const int row = m_nCurRow;
    if (row > m_nRows) {
        ShowMessage(u8"最終行以降に空白行は挿入できません");
    } else if (m_nRows + count > m_nRowLimit) {
        ShowMessage(LimitMessage(u8"データ制限(%d)を越えるため、実行できません", m_nRowLimit));
    } else if (count > 0) {
        for (int i = 0; i < count; ++i) {
            InsertRowObject(row, m_columns.NewRow());
        }
        m_nRows += count;
        m_nRows -= RemoveTrailingEmptyRows(m_nRows);
        m_bChanged = TRUE;
        UpdateGridRows();
        ShowRowsFrom(row);
    }
    EndRowCommand();
}

void CGridDlg::InsertSelectedRows() {
    if (!m_bCanInsertSelected) {
        return;
    }
    CClipboardFile file(this);
    const int count = OpenClipboardRows(file);
    const int row = m_nCurRow;
    // Rows appended up to the current row count too: the table never grows past its limit.
    const int base = std::max(m_nRows, row - 1);
    if (count < 0) {
        ShowMessage(u8"挿入データがありません。選択して下さい。");
    } else if (count > m_nRowLimit - base) {
        ShowMessage(LimitMessage(u8"データ制限(%d)を越えるため、実行できません", m_nRowLimit));
    } else {
        AppendRowsUpTo(row - 1);
        m_nRows = base;
        int inserted = 0;
        for (; inserted < count; ++inserted) {
            auto read = std::unique_ptr<CGridData>(m_columns.NewRow());
            try {
                read->ReadFrom(file, m_columns.IntCount(), m_columns.RealCount(), m_columns.ExponentCount(),
                               m_columns.TextCount());
            } catch (const CException&) {
                ShowMessage(u8"挿入はメモリ不足のため途中で打ち切られました");
                break;
            }
            InsertRowObject(row + inserted, read.release());
        }
        m_nRows += inserted;
        m_nRows -= RemoveTrailingEmptyRows(m_nRows);
        m_bChanged = TRUE;
        UpdateGridRows();
        ShowRowsFrom(row);
    }
    EndRowCommand();
}

void CGridDlg::PasteRows() {
    if (!m_bCanPaste) {
        return;
    }
    CClipboardFile file(this);
    const int count = OpenClipboardRows(file);
    const int row = m_nCurRow;
    if (count < 0) {
        ShowMessage(u8"貼付データがありません。選択して下さい。");
    } else if (count > m_nRowLimit - (row - 1)) {
        ShowMessage(LimitMessage(u8"データ制限(%d)を越えるため、実行できません", m_nRowLimit));
    } else {
        int pasted = 0;
        for (; pasted < count; ++pasted) {
            auto read = std::unique_ptr<CGridData>(m_columns.NewRow());
            try {
                read->ReadFrom(file, m_columns.IntCount(), m_columns.RealCount(), m_columns.ExponentCount(),
                               m_columns.TextCount());
            } catch (const CException&) {
                ShowMessage(u8"貼付はメモリ不足のため途中で打ち切られました");
                break;
            }
            AppendRowsUpTo(row + pasted);
            POSITION pos = m_rows.FindIndex(row + pasted - 1);
            delete m_rows.GetAt(pos);
            m_rows.SetAt(pos, read.release());
        }
        m_nRows = std::max(m_nRows, std::min(row + pasted - 1, m_rows.GetCount()));
        m_nRows -= RemoveTrailingEmptyRows(m_nRows);
        m_bChanged = TRUE;
        UpdateGridRows();
        ShowRowsFrom(row);
    }
    EndRowCommand();
}
