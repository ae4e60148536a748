#pragma once
// The table input dialog: a flex grid (control 920) with an edit box (control 926) over
// the current cell. Columns come from style strings (CGridColumns), each data row is a
// CGridData in m_rows (data row i is grid row i). Typed text is checked at every change and
// stored at once; OK checks every cell's range; row commands copy, cut, delete, insert and
// paste rows through the clipboard under the owner's private format, and jump and search.
// Owners derive from it, fill m_rows, m_nRows and m_nRowLimit, and override the hooks.

#include "common/ui/table/CGridCellEdit.h"
#include "common/ui/table/CGridColumns.h"
#include "common/ui/table/CGridData.h"
#include "platform/core/CObList.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/CMSHFlexGrid.h"

#include <QPointer>
#include <QString>
#include <functional>
#include <vector>

class CClipboardFile;
class CMenu;
class QMenuBar;

// Control and command ids of the table dialogs.
enum : int {
    IDC_GRID = 920,
    IDC_GRID_CELL_EDIT = 926,
    IDC_GRID_NOTE = 940,
    IDC_GRID_BUTTON1 = 929,
    IDC_GRID_BUTTON2 = 930,
    IDC_GRID_BUTTON3 = 928,
    IDC_GRID_FOOT = 923,
    ID_HELP = 57670,
    ID_GRID_COPY = 38992,
    ID_GRID_DELETE = 38994,
    ID_GRID_INSERT_SELECTED = 38995,
    ID_GRID_JUMP = 38996,
    ID_GRID_FIND = 38997,
    ID_GRID_INSERT_BLANK = 38998,
    ID_GRID_PASTE = 38999,
    ID_GRID_FIND_AGAIN = 39000,
};

class CGridDlg : public CDialog, protected FlexGridEvents {
    DECLARE_DYNAMIC(CGridDlg)
public:
    static constexpr int kMinVisibleRows = 5;
    static constexpr int kMaxVisibleRows = 30;

    CGridDlg(CWnd* parent, UINT templateId, UINT popupMenuId, int tableKind);
    ~CGridDlg() override;

    // Set-up, in this order, before the dialog opens; then fill m_rows, m_nRows, m_nRowLimit.
    void CreateDataArray(int columns, int visibleRows, UINT clipboardFormat);
    void CreateGridStyle(const std::vector<CString>& styles, const char* title, const char* rowCaption, int x,
                         int y);
    // The dialog's menu bar: its items that are not greyed enable the row commands. The
    // pop-up menu: its first sub-menu opens on a right click in the grid. Both stay the
    // caller's and must outlive the dialog.
    void SetMenuBar(CMenu* menu) { m_pMenuBar = menu; }
    void SetPopupMenu(CMenu* menu) { m_pPopupMenu = menu; }

    // A message box after a beep, with the busy mark set while it is open.
    int ShowMessage(const CString& text, UINT type = MB_OK, UINT helpId = 0);
    int ShowMessage(const char8_t* text, UINT type = MB_OK, UINT helpId = 0);

    // The hooks, in the order owners know them.
    virtual void FillRow(CGridData* row, int gridRow);
    virtual void ShowCellEditor();
    virtual void TrackCurrentCell();
    virtual int RemoveTrailingEmptyRows(int lastRow);
    virtual void EnsureRowVisible();
    virtual void CopySelectedRows();
    virtual void CutCurrentRow();
    virtual void DeleteSelectedRows();
    virtual void InsertBlankRows();
    virtual void InsertSelectedRows();
    virtual void PasteRows();
    virtual void JumpToRow();
    virtual void FindText();
    virtual BOOL SearchText(const CString& text, BOOL forward);
    virtual void FindAgain();
    virtual void OnKeyEscape() {}
    virtual void OnKeyF5() {}
    virtual void OnKeyF6() {}
    virtual void OnKeyF7() {}
    virtual void OnKeyF8() {}
    virtual void OnKeyF9() {}
    virtual void ArrangeButtons();
    virtual void PlaceDialog();
    // Accepts a text cell on OK (every text by default).
    virtual BOOL AcceptText(int row, int col, const CString& text);
    // Every cell against its column (OK runs it); FALSE after the message.
    virtual BOOL CheckAllCells();
    // A change of the cell edit: check, store, grow or trim the rows.
    virtual void OnChangeCellEdit();

    // Rewrites the grid from a data row down (rows past the data are emptied).
    void ShowRowsFrom(int row);
    // Sets the grid's row count from the rows in use and the limit.
    void UpdateGridRows();
    // Deletes every row object and empties the list.
    void DeleteRowData();
    // The row object of data row r (1-based), null past the data.
    CGridData* RowAt(int row) const;

    // From the cell edit: a key; TRUE when the dialog took it.
    BOOL OnCellEditKey(UINT key, UINT shift);
    // From the cell edit: desktop text pasted at the caret or over several cells.
    void PasteText(const QString& text);

    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

    CMSHFlexGrid& Grid() { return m_grid; }
    CGridCellEdit* CellEdit() const { return m_pCellEdit; }
    const CGridColumns& Columns() const { return m_columns; }

    // Set by the owner.
    CObList m_rows;
    int m_nRows = 0;
    int m_nRowLimit = 0;
    int m_nVisibleRows = kMinVisibleRows;
    UINT m_notifyMessage = 0;
    // Set by owners whose tables take Enter as "next field": Enter pressed while OK lacks the
    // focus moves the focus to the next control; on OK it is OK.
    BOOL m_bEnterStepsFields = FALSE;
    // Asked on OK when m_notifyMessage is set (message, table kind, dialog); 0 refuses OK.
    std::function<long(UINT, int, CGridDlg*)> m_notifyOwner;

    // State the owners read.
    int m_nTableKind;
    BOOL m_bChanged = FALSE;
    BOOL m_bBusy = FALSE;
    BOOL m_bUpdating = FALSE;
    BOOL m_bRowSelecting = FALSE;
    int m_nSelStart = -1;
    int m_nSelEnd = -1;
    int m_nCurRow = 1;
    int m_nCurCol = 1;
    int m_nPrevRow = 1;
    int m_nPrevCol = 1;

protected:
    void CreateControls() override;
    void OnGridKeyDown(UINT keyCode, UINT shift) override;
    void OnGridMouseDown(int button, UINT shift, CPoint point) override;
    void OnGridMouseUp(int button, UINT shift, CPoint point) override;
    void OnGridEnterCell() override;
    void OnGridScroll() override;

    // Moves the current cell by rows and columns as the keys do.
    void MoveCurrentCell(int rowStep, int colStep);
    // Ends an active row selection and brings the cell edit back.
    void EndRowCommand();
    // Grid size for V rows and all columns.
    virtual void LayoutControls();
    // Makes the current cell the grid's, with the view scrolled to it.
    void SetCurrentCell(int row, int col);
    int FirstEditableColumn() const;
    int RowHeightPixels() const;
    int MenuBarHeight() const;
    // Appends empty rows up to data row r.
    void AppendRowsUpTo(int row);
    void InsertRowObject(int beforeRow, CGridData* row);
    void RemoveRowObject(int row);
    // Removes count rows at data row first, each by remove(first); stops with a message at a
    // row that is missing. The number of rows removed.
    int RemoveRowsAt(int first, int count, const std::function<void(int)>& remove);
    // The current row when the table lets it be cut; 0 when not (with a message when the
    // row is not there).
    int CurrentRowToCut();
    // Whether the table lets rows be deleted and rows are selected (with a message when not).
    bool HasRowsToDelete();
    // After rows were removed: the table is changed and nothing selected; the rows from row on
    // are shown with the current cell there (on the last row when row is past it).
    void ShowAfterRemoval(int row);
    // Writes rows first..last to the clipboard; false when not all could be written.
    bool WriteRowsToClipboard(int first, int last);
    // The clipboard's row count when it holds rows of this table's kind, else -1; the file
    // is left positioned at the first row.
    int OpenClipboardRows(CClipboardFile& file);
    void ResizeEvent(int oldHeight, int newHeight);
    void KeepOnScreen();

    CGridColumns m_columns;
    CMSHFlexGrid m_grid;
    // Guarded: a window closed with its table open takes the table's widgets with it before
    // the dialog object goes.
    QPointer<CGridCellEdit> m_pCellEdit;
    QMenuBar* m_pMenuBarWidget = nullptr;
    CMenu* m_pMenuBar = nullptr;
    CMenu* m_pPopupMenu = nullptr;
    UINT m_nPopupMenuId;
    UINT m_clipboardFormat = 0;
    CString m_title;
    CString m_rowCaption;
    int m_nPosX = 0;
    int m_nPosY = 0;
    // Room left above the grid (below the menu bar) for an owner's own controls.
    int m_nGridTop = 10;
    int m_rowHeights[kMaxVisibleRows + 1] = {};
    BOOL m_bInitialising = FALSE;
    BOOL m_bKeepOnScreen = FALSE;
    BOOL m_bCellChangePending = FALSE;
    BOOL m_bCanCopy = FALSE;
    BOOL m_bCanDelete = FALSE;
    BOOL m_bCanInsertSelected = FALSE;
    BOOL m_bCanInsertBlank = FALSE;
    BOOL m_bCanPaste = FALSE;
    int m_nLastJumpRow = 1;
    int m_nInsertCount = 1;
    CString m_searchText;
    BOOL m_bSearchForward = TRUE;
    // The last text of the cell edit that passed the checks (to put back a refused one).
    CString m_acceptedText;
    // The cell's text when the cell edit came to it (Esc puts it back).
    CString m_cellEntryText;
    QObject* m_pEventHook = nullptr;
    QObject* m_pEnterHook = nullptr;

private:
    void ReadMenuPermissions();
    // Enter that no control took (GridDlgEnter.cpp).
    void InstallEnterHook();
    void OnEnterKey();
    // Ctrl+Tab: the focus leaves the grid for the next (or previous) control, so that a
    // keyboard reaches the buttons while Tab keeps moving between cells.
    void LeaveGrid(bool forward);
    // Tab (forward) past the last cell of a row below the data, or Shift+Tab before the first
    // cell of the first row: nowhere left to go in the grid.
    bool TabLeavesGrid(bool forward) const;
    // Esc: the cell's text as it was when the cell edit came to it; false when nothing
    // was changed (then Esc closes the table as Cancel does).
    bool RestoreCellText();
    void ShowPopupMenu(CPoint point);
    bool StoreCellText(int row, int col, const CString& text);
    void RefuseCellText(const CString& message);
    void PasteCellBlock(const std::vector<std::vector<CString>>& cells);
    int PasteBufferLength() const;
};
