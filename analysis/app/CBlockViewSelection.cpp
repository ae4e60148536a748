// The analysis view's selection commands: clearing the selection, deleting what is selected
// and choosing which objects a selection takes. The selection list only refers to objects
// of the document, so it is emptied before anything it holds can be deleted.

#include "analysis/app/CBlockView.h"
#include "analysis/app/CTorvanDoc.h"
#include "analysis/app/SlipLineTreeDlg.h"
#include "analysis/app/TorvanIds.h"

#include "analysis/core/CBlockDoc.h"
#include "analysis/core/CLine.h"
#include "analysis/core/CVerrant.h"
#include "common/ui/section/CSelectTargetDlg.h"
#include "platform/ui/CWinApp.h"

#include <vector>

namespace torvan {

void CBlockView::ClearSelection() {
    for (int& count : m_nSelectAllCounts) {
        count = 0;
    }
    if (Selection().IsEmpty()) {
        return;
    }
    CBlockDoc::ClearSelectionList(Selection());
    Invalidate();
}

void CBlockView::OnEditDeselect() {
    ClearSelection();
}

void CBlockView::OnUpdateSelectionNotEmpty(CCmdUI* ui) {
    ui->Enable(!Selection().IsEmpty() && !HasPendingPoints());
}

// Ground-surface and measurement points go through the document's delete (lines through a
// ground point are joined); a boundary point that a slip line or the section model holds
// only goes out of use; selected ground-surface lines stay.
void CBlockView::OnEditDelete() {
    CBlockDoc* model = Model();
    if (!model || Selection().IsEmpty() || HasPendingPoints()) {
        return;
    }
    const bool selectedAll =
        m_nSelectAllCounts[0] > 0 || m_nSelectAllCounts[1] > 0 || m_nSelectAllCounts[2] > 0;
    if (selectedAll && AfxMessageBox(u8"削除してもよろしいですか？", MB_YESNO | MB_ICONQUESTION) != IDYES) {
        return;
    }
    std::vector<CObject*> objects;
    for (POSITION pos = Selection().GetHeadPosition(); pos;) {
        objects.push_back(Selection().GetNext(pos));
    }
    Selection().RemoveAll();
    for (int& count : m_nSelectAllCounts) {
        count = 0;
    }
    model->SetAllLineStatus(CLine::kNormal);
    bool slipLinesGone = false;
    for (CObject* object : objects) {
        if (auto* point = dynamic_cast<CNode*>(object)) {
            const bool held = point->IsBoundary() && point->slipMark != CNode::kSlipFree;
            point->state = held ? CNode::kNormal : CNode::kSelected;
            if (held) {
                point->inUse = 0;
            }
        } else if (auto* slip = dynamic_cast<CVerrant*>(object)) {
            slip->state = 2;
            slipLinesGone = true;
        }
    }
    model->DeleteSelection();
    if (slipLinesGone) {
        model->ResetMarks();
    }
    model->SetModifiedFlag();
    if (m_pTreeDlg) {
        m_pTreeDlg->FillTree();
    }
    GetDocument()->UpdateAllViews();
}

void CBlockView::MapSelectionCommands() {
    MapCommand(ID_DELETE_ALL_SLIP_LINES, &CBlockView::OnDeleteAllSlipLines);
    MapUpdate(ID_DELETE_ALL_SLIP_LINES, &CBlockView::OnUpdateDeleteAll);
    MapCommand(ID_DELETE_ALL_BOUND_POINTS, &CBlockView::OnDeleteAllBoundPoints);
    MapUpdate(ID_DELETE_ALL_BOUND_POINTS, &CBlockView::OnUpdateDeleteAll);
}

// While point changes wait for their confirmation, the points they refer to stay.
void CBlockView::OnUpdateDeleteAll(CCmdUI* ui) {
    ui->Enable(Model() && !HasPendingPoints());
}

void CBlockView::OnDeleteAllSlipLines() {
    CBlockDoc* model = Model();
    if (!model || HasPendingPoints() || model->SlipLines().IsEmpty() ||
        AfxMessageBox(u8"全すべり線を削除しますか？", MB_YESNO | MB_ICONQUESTION) != IDYES) {
        return;
    }
    ClearSelection();
    model->DeleteAllSlipLines(Selection());
    AfterDeleteAll();
}

// Boundary points that a slip line or the section model holds only go out of use.
void CBlockView::OnDeleteAllBoundPoints() {
    CBlockDoc* model = Model();
    if (!model || HasPendingPoints() ||
        AfxMessageBox(u8"全境界点を削除しますか？", MB_YESNO | MB_ICONQUESTION) != IDYES) {
        return;
    }
    ClearSelection();
    if (model->DeleteAllBoundaryPoints(Selection(), true) > 0) {
        AfterDeleteAll();
    }
}

void CBlockView::AfterDeleteAll() {
    Model()->SetModifiedFlag();
    if (m_pTreeDlg) {
        m_pTreeDlg->FillTree();
    }
    GetDocument()->UpdateAllViews();
}

void CBlockView::OnSelectTargets() {
    CSelectTargetDlg dialog({193, 194, 195, 196}, 150, this);
    for (int i = 0; i < CSelectTargetDlg::kTargets; ++i) {
        dialog.m_bTarget[i] = SelectsTarget(static_cast<SelectTarget>(i)) ? TRUE : FALSE;
    }
    if (dialog.DoModal() != IDOK) {
        return;
    }
    for (int i = 0; i < CSelectTargetDlg::kTargets; ++i) {
        SetSelectTarget(static_cast<SelectTarget>(i), dialog.m_bTarget[i] != FALSE);
    }
}

} // namespace torvan
