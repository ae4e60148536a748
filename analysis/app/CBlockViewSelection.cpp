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
    if (m_listSelect.IsEmpty()) {
        return;
    }
    CBlockDoc::ClearSelectionList(m_listSelect);
    Invalidate();
}

void CBlockView::OnEditDeselect() {
    ClearSelection();
}

void CBlockView::OnUpdateSelectionNotEmpty(CCmdUI* ui) {
    ui->Enable(!m_listSelect.IsEmpty() && !HasPendingPoints());
}

// Ground-surface and measurement points go through the document's delete (lines through a
// ground point are joined); a boundary point that a slip line or the section model holds
// only goes out of use; selected ground-surface lines stay.
void CBlockView::OnEditDelete() {
    CBlockDoc* model = Model();
    if (!model || m_listSelect.IsEmpty() || HasPendingPoints()) {
        return;
    }
    const bool selectedAll =
        m_nSelectAllCounts[0] > 0 || m_nSelectAllCounts[1] > 0 || m_nSelectAllCounts[2] > 0;
    if (selectedAll && AfxMessageBox(u8"削除してもよろしいですか？", MB_YESNO | MB_ICONQUESTION) != IDYES) {
        return;
    }
    std::vector<CObject*> objects;
    for (POSITION pos = m_listSelect.GetHeadPosition(); pos;) {
        objects.push_back(m_listSelect.GetNext(pos));
    }
    m_listSelect.RemoveAll();
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
    model->DeleteAllSlipLines(m_listSelect);
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
    if (model->DeleteAllBoundaryPoints(m_listSelect, true) > 0) {
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
        dialog.m_bTarget[i] = m_nSelectTargets[i] ? TRUE : FALSE;
    }
    if (dialog.DoModal() != IDOK) {
        return;
    }
    for (int i = 0; i < CSelectTargetDlg::kTargets; ++i) {
        m_nSelectTargets[i] = dialog.m_bTarget[i] ? 1 : 0;
    }
}

} // namespace torvan
