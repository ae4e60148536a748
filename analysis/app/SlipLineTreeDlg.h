#pragma once
// The registered slip lines beside the analysis view: every slip line and every boundary point
// of the document in one tree with the branches "表示" (shown) and "非表示" (hidden). From it the
// user shows, hides, deletes and renames slip lines and shows, hides and deletes boundary points.
//
// An item carries a key, never a pointer: number x 10 + item kind (0 slip line, 1 boundary
// point, 2 the block lines of a polynomial slip line). Every command looks its object up in
// the document when it runs, and the view's selection is emptied before anything is deleted,
// so neither the tree nor the view ever holds an object that is gone. The document reports
// its changes through the window side; the tree is then filled again.

#include "platform/ui/CDialog.h"
#include "platform/ui/CMenu.h"

#include <QIcon>
#include <QPoint>
#include <vector>

class QTreeWidget;
class QTreeWidgetItem;

namespace torvan {

class CBlockDoc;
class CBlockView;
class CNode;
class CVerrant;

class SlipLineTreeDlg : public CDialog {
public:
    enum : UINT {
        kTemplateId = 220,
        kTree = 108,
        ID_TREE_DELETE = 33072,
        ID_TREE_HIDE = 33074,
        ID_TREE_SHOW = 33075,
        ID_TREE_DELETE_ALL_SLIP_LINES = 33078,
        ID_TREE_DELETE_ALL_BOUND_POINTS = 33079,
        ID_TREE_CONDITIONS = 33081,
    };
    enum ItemKind { kSlipLineItem = 0, kBoundaryItem = 1, kBlockLinesItem = 2, kRootData = 9 };

    explicit SlipLineTreeDlg(CBlockView* view);
    ~SlipLineTreeDlg() override;

    // Creates the window beside the view and fills it.
    BOOL CreateBesideView();
    BOOL OnInitDialog() override;
    // OK and Cancel only minimise the dialog; Enter never does.
    void OnOK() override;
    void OnCancel() override;

    void FillTree();
    // Images 5 to 8 in the view's colours of inner, left and right boundary points and block lines.
    void RecolorImages();

    // The item under the last right click or the selected one; the commands act on it.
    bool SelectItem(int key);
    // The pop-up menu (0 ... 6) for the current item, -1 for none.
    int PopupForCurrent() const;
    void OnDelete();
    void OnShow();
    void OnHide();
    void OnDeleteAllSlipLines();
    void OnDeleteAllBoundaryPoints();
    // The analysis conditions of the current slip line (CAnalysisCondDlg), where the pop-up
    // menu was opened.
    void OnConditions();
    // A slip line's new title as typed over its item.
    void RenameSlipLine(int key, const CString& typed);
    // The item's text, or empty when no item has the key.
    CString ItemText(int key) const;
    // 1 under "表示", 0 under "非表示", -1 for no such item.
    int ItemBranch(int key) const;

    QTreeWidget* Tree() const { return tree_; }

protected:
    void CreateControls() override;

private:
    CBlockDoc* Model() const;
    CVerrant* FindSlipLine(int number) const;
    CNode* FindBoundaryPoint(int number) const;
    QTreeWidgetItem* FindItem(int key) const;
    QTreeWidgetItem* AddItem(QTreeWidgetItem* parent, int key, const CString& text, int image, bool first);
    void AddSlipLine(CVerrant& line);
    void AddBoundaryPoint(CNode& point, QTreeWidgetItem* parent, bool first);
    bool IsUnderShown(const QTreeWidgetItem* item) const;
    void SetShown(bool shown);
    void DeleteBoundaryPoint(CNode& point);
    void DeleteSlipLine(CVerrant& line);
    void AfterChange(bool redraw);
    void OnRightClick(const QPoint& at);
    void OnItemChanged(QTreeWidgetItem* item);
    void BuildMenus();
    static QIcon MakeImage(int index, COLORREF color);

    CBlockView* view_;
    QTreeWidget* tree_ = nullptr;
    QTreeWidgetItem* shownRoot_ = nullptr;
    QTreeWidgetItem* hiddenRoot_ = nullptr;
    std::vector<QIcon> images_;
    CMenu menuBar_;
    CMenu popups_;
    int currentKey_ = -1;
    QPoint menuAt_; // screen position of the last pop-up menu
    bool filling_ = false;
};

} // namespace torvan
