#pragma once
// The display-properties dialog of the section views ("表示プロパティ"): one list row per
// drawn item - number labels, lines, point marks - each with a preview drawn as the view
// draws it. A row is switched on or off; a line or point row takes one of the 16 standard
// colours and a width (1-4) or mark size (1, 3, 5, 7); a number row takes a font, a text
// colour and a label frame from the suite's font dialog and, where its labels can show the
// point's name, the choice of name or number. "ﾃﾞﾌｫﾙﾄ" brings every row back to the
// program's defaults.
//
// The dialog works on its own rows: m_display changes only on OK. A colour that is not one
// of the 16, or a width or size not offered, shows as the first entry and is written back
// as it (black, 1). Item codes name the rows: below 10 a number item, 10-99 a line item
// (code - 10), 100-999 a point item (code - 100); a negative code, one of 1000 or more and
// one naming an item the block does not hold are left out.

#include "common/ui/section/SectionStyles.h"
#include "platform/ui/CDialog.h"

#include <map>
#include <vector>

class CDC;
class CViewBase;

namespace section {

// A copy of a view's display settings, indexed as the program indexes its items.
struct DisplayBlock {
    std::vector<NumberStyle> numbers;
    std::vector<LineStyle> lines;
    std::vector<PointStyle> points;
};

// What the programs' dialogs differ in.
struct DisplayPropertiesLayout {
    UINT templateId = 132;
    UINT showCheck = 193;
    UINT fontButton = 150;
    UINT widthCombo = 138;
    UINT defaultButton = 151;
    std::map<int, CString> labels;    // row name by item code
    CString numberChoiceLabel;        // the label of a number row's name-or-number choice
    int selectableLine = -1;          // the line item whose type is a display choice, -1: none
    CString lineChoiceLabel;          // its label
    std::vector<CString> lineChoices; // its choices (type 0, 1, ...)
    bool typeInRowName = false;       // number rows' names end in "名" (type 1) or "番号" (type 0)
};

} // namespace section

class CNumberPropDlg : public CDialog {
    DECLARE_DYNAMIC(CNumberPropDlg)
public:
    enum : UINT {
        kItemList = 133,
        kColorCombo = 130,
        kChoiceCombo = 192,
        kChoiceLabel = 163,
        kColorLabel = 161,
        kWidthLabel = 162,
        kListLabel = 135,
    };
    enum Family { kNumberRow = 0, kLineRow = 1, kPointRow = 2 };

    // view: the section view whose marks the previews copy (may be null: no marks).
    CNumberPropDlg(const section::DisplayPropertiesLayout& layout, CViewBase* view);

    int DoModal() override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    section::DisplayBlock m_display;  // in, and out on OK
    section::DisplayBlock m_defaults; // what "ﾃﾞﾌｫﾙﾄ" restores
    std::vector<int> m_itemCodes;

protected:
    void CreateControls() override;

private:
    struct Row {
        int code = 0;
        Family family = kNumberRow;
        int item = 0;
        int draw = 1;
        int colorIndex = 0; // line and point rows
        int widthIndex = 0; // line and point rows
        int choice = -1;    // number type or line type; -1: the row offers no choice
        section::NumberStyle number;
        section::LineStyle line;
        section::PointStyle point;
    };

    void BuildRows(const section::DisplayBlock& block);
    void FillList(int selected);
    void ShowRowControls();
    CString RowName(const Row& row) const;
    void OnRowChange(int row);
    void OnShowCheck();
    void OnColorChange(int index);
    void OnWidthChange(int index);
    void OnChoiceChange(int index);
    void OnFont();
    void OnDefault();
    void RedrawRow();

    void DrawRow(CDC& dc, const CRect& rect, int index, bool selected, bool focused) const;
    void DrawSample(CDC& dc, const Row& row, int x, const CRect& rect) const;
    static void DrawColorItem(CDC& dc, const CRect& rect, int index, bool selected);

    section::DisplayPropertiesLayout layout_;
    CViewBase* view_;
    std::vector<Row> rows_;
    int current_ = 0;
    bool filling_ = false; // controls being set by the dialog itself
};
