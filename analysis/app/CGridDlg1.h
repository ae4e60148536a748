#pragma once
// The analysis view's table dialog. Every table message reaches the owner view through
// m_sendToOwner with the table kind; the owner answers as a window procedure would. The
// block-line table (kind 810) runs modeless beside the view: its Cancel, and an OK that
// the owner accepts, close the window; after the window is gone the owner hears "table
// gone" and the table object deletes itself. The boundary-point table (kind 802) runs
// modally and shows the text of its flag column.

#include "common/geometry/DPoint.h"
#include "common/ui/table/CGridDlg.h"
#include "platform/ui/CMenu.h"

#include <functional>
#include <memory>
#include <vector>

namespace torvan {

// Messages of a table to its owner view (the window system's private range from 0x400);
// wParam is the table kind.
enum : UINT {
    WM_GRID_CHECK_ROWS = 0x400 + 101,          // lParam the table; 0 refuses the rows
    WM_GRID_GONE = 0x400 + 104,                // lParam the table's row list
    WM_GRID_BLOCK_LINES_CHANGED = 0x400 + 105, // lParam the table
    WM_GRID_OK = 0x400 + 106,                  // lParam the table; non-zero closes it
    WM_GRID_CANCEL = 0x400 + 107,              // lParam the table
    WM_GRID_TAKE_POINTS = 0x400 + 108,         // lParam the table; non-zero reloads the grid
    WM_GRID_BLOCK_LINE_OUTSIDE = 0x400 + 109,  // lParam the row; 0 refuses its X
};

// Table kinds.
enum : int {
    kTableGroundPoints = 800,
    kTableSitePoints = 801,
    kTableBoundaryPoints = 802,
    kTableGroundLine = 803,
    kTableBlockLines = 810,
};

class CGridDlg1 : public CGridDlg {
public:
    // The owner's window procedure for the table messages: (message, kind, lParam).
    using Owner = std::function<long(UINT message, int kind, void* param)>;

    CGridDlg1(CWnd* ownerView, UINT templateId, UINT popupMenuId, int kind, int visibleRows);
    ~CGridDlg1() override;

    // Creates and shows the modeless window; non-zero on success.
    BOOL CreateModeless();
    // Appends a block-line row at x (number = largest + 1, beta 0.1) and shows it; 0 when
    // there is nothing to add.
    int AddPickedPoints(const std::vector<DPoint>& points);
    // The text of a coded cell (kind 802, column 5, values 0..2), empty when none.
    CString GetCodeText(int column, int value) const;
    // Refills the grid from the rows, keeping the current cell when it is still a data row.
    void RefreshGrid();
    // The window is gone and the owner told; the object deletes itself on the next turn.
    bool IsClosing() const { return closing_; }

    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    // Every move of the current cell ends here: a typed cell just left is taken first.
    void ShowCellEditor() override;
    void CutCurrentRow() override;
    void DeleteSelectedRows() override;
    void OnChangeCellEdit() override;

    int m_nKind;
    UINT m_nTemplateId;
    int m_nVisibleRowCount;
    int m_nChangeEdit = 0;
    Owner m_sendToOwner;

protected:
    void CreateControls() override;

private:
    long Send(UINT message, void* param);
    void OnTakePoints();
    // The modeless end: the window goes, the owner hears of it, the object goes.
    void CloseModeless();
    void TakeLeftCell(int row, int col);
    void TakeLeftBlockLineCell(int row, int col);
    void ShowFlagText(int row);
    void BuildRowMenu();

    CMenu menuBar_;
    bool closing_ = false;
    bool takingCell_ = false;
    int lastRow_ = 1;
    int lastCol_ = 1;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

} // namespace torvan
