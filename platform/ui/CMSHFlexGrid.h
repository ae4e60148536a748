#pragma once
// The flex grid control as the table dialogs use it: rows and columns by index with one
// fixed header row and column, a text per cell, row heights and column widths in twips,
// the current cell, a selection range, the top row and a redraw switch. Row and column 0
// are the fixed ones. The control widget is a FlexGridView made with CreateControl and
// found again by its control id (SubclassDlgItem); events go to a FlexGridEvents.

#include "platform/core/CRect.h"
#include "platform/ui/CWnd.h"
#include "platform/ui/FlexGridEvents.h"

class FlexGridView;

// Cell alignments (the grid's own codes).
enum : short {
    flexAlignLeftTop = 0,
    flexAlignLeftCenter = 1,
    flexAlignLeftBottom = 2,
    flexAlignCenterTop = 3,
    flexAlignCenterCenter = 4,
    flexAlignCenterBottom = 5,
    flexAlignRightTop = 6,
    flexAlignRightCenter = 7,
    flexAlignRightBottom = 8,
};

class CMSHFlexGrid : public CWnd, private FlexGridEvents {
    DECLARE_DYNAMIC(CMSHFlexGrid)
public:
    CMSHFlexGrid() = default;
    ~CMSHFlexGrid() override;

    // A new, unattached grid control widget (add it to a dialog with AddControl).
    static QWidget* CreateControl(QWidget* parent = nullptr);
    // Attaches to the grid control of that id in parent; FALSE when there is none.
    BOOL SubclassDlgItem(UINT id, CWnd* parent);
    // Attaches to a grid control widget; FALSE when it is not one.
    BOOL AttachControl(QWidget* widget);
    void SetEvents(FlexGridEvents* events);

    long GetRows() const;
    void SetRows(long rows);
    void SetCols(long cols);
    void SetFixedRows(long fixed);
    void SetFixedCols(long fixed);

    CString GetTextMatrix(long row, long col) const;
    void SetTextMatrix(long row, long col, const char* text);

    // The current cell.
    long GetRow() const;
    void SetRow(long row);
    long GetCol() const;
    void SetCol(long col);
    // The other corner of the selection range (the current cell is the first).
    void SetRowSel(long row);
    void SetColSel(long col);

    // First scrollable row shown; setting it scrolls.
    long GetTopRow() const;
    void SetTopRow(long row);
    BOOL GetRowIsVisible(long row) const;

    // Column -1 sets every column.
    long GetRowHeight(long row) const;
    long GetColWidth(long col) const;
    void SetColWidth(long col, long twips);
    void SetColAlignment(long col, short alignment);
    void SetColAlignmentFixed(long col, short alignment);

    BOOL GetRedraw() const;
    void SetRedraw(BOOL redraw);

    // Any cell's rectangle in pixels of the control (empty when the cell is not shown).
    CRect GetCellRectPixels(long row, long col) const;
    // Row and column under the mouse at the last mouse press or release; -1 outside.
    long GetMouseRow() const;
    long GetMouseCol() const;

    // The font: size in points, face name in CP932 (Japanese Windows faces are substituted).
    float GetFontSize() const;

    int TwipsToPixelsX(long twips) const;
    int TwipsToPixelsY(long twips) const;
    long PixelsToTwipsX(int pixels) const;
    long PixelsToTwipsY(int pixels) const;

    FlexGridView* View() const;

private:
    void ShowSelection();
    // The view's events: the mouse cell is recorded before the owner hears of them.
    void OnGridKeyDown(UINT keyCode, UINT shift) override;
    void OnGridMouseDown(int button, UINT shift, CPoint point) override;
    void OnGridMouseUp(int button, UINT shift, CPoint point) override;
    void OnGridEnterCell() override;
    void OnGridScroll() override;

    FlexGridEvents* events_ = nullptr;

    long rowSel_ = 1;
    long colSel_ = 1;
};
