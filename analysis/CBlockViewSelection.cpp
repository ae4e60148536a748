// The analysis view's selection commands: clearing the selection, deleting what is selected
// and choosing which objects a selection takes. The selection list only refers to objects
// of the document, so it is emptied before anything it holds can be deleted.

#include "analysis/CBlockView.h"
#include "analysis/CTorvanDoc.h"
#include "analysis/SlipLineTreeDlg.h"

#include "common/ui/section/CSelectTargetDlg.h"
#include "model/CBlockDoc.h"
#include "model/CLine.h"
#include "model/CVerrant.h"
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
    for (POSITION pos = m_listSelect.GetHeadPosition(); pos;) {
        CObject* object = m_listSelect.GetNext(pos);
        if (auto* point = dynamic_cast<CNode*>(object)) {
            point->state = CNode::kNormal;
        } else if (auto* line = dynamic_cast<CLine*>(object)) {
            line->status = CLine::kNormal;
        } else if (auto* slip = dynamic_cast<CVerrant*>(object)) {
            slip->state = 0;
        }
    }
    m_listSelect.RemoveAll();
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
