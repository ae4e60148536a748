// The analysis view's editing commands and their enable rules, and the registered slip-line
// tree dialog that lives beside the view.

#include "analysis/app/CBlockView.h"
#include "analysis/app/SlipLineTreeDlg.h"
#include "analysis/app/TorvanIds.h"

#include "analysis/core/CBlockDoc.h"
#include "analysis/core/CLine.h"
#include "analysis/core/CNode.h"
#include "analysis/core/CVerrant.h"
#include "common/ui/section/GuideIds.h"
#include "platform/core/MapEntries.h"
#include "platform/ui/CCmdUI.h"

namespace torvan {

void CBlockView::MapTableCommands() {
    MapCommand(ID_INPUT_SURFACE_LINE, &CBlockView::OnInputSurfaceLine);
    MapUpdate(ID_INPUT_SURFACE_LINE, &CBlockView::OnUpdateInputSurfaceLine);
    MapCommand(ID_INPUT_SURFACE_POINTS, &CBlockView::OnInputSurfacePoints);
    MapUpdate(ID_INPUT_SURFACE_POINTS, &CBlockView::OnUpdatePointTable);
    MapCommand(ID_INPUT_MEASURE_POINTS, &CBlockView::OnInputMeasurePoints);
    MapUpdate(ID_INPUT_MEASURE_POINTS, &CBlockView::OnUpdatePointTable);
    MapCommand(ID_INPUT_BOUND_POINTS, &CBlockView::OnInputBoundPoints);
    MapUpdate(ID_INPUT_BOUND_POINTS, &CBlockView::OnUpdatePointTable);
    MapCommand(ID_CHANGE_POINT_COORDINATES, &CBlockView::OnChangePointCoordinates);
    MapUpdate(ID_CHANGE_POINT_COORDINATES, &CBlockView::OnUpdateSelectedPointEdit);
    MapCommand(ID_EDIT_MOVE, &CBlockView::OnEditMove);
    MapUpdate(ID_EDIT_MOVE, &CBlockView::OnUpdateSelectedPointEdit);
    MapCommand(ID_EDIT_DELETE, &CBlockView::OnEditDelete);
    MapUpdate(ID_EDIT_DELETE, &CBlockView::OnUpdateSelectionNotEmpty);
    MapCommand(ID_EDIT_DESELECT, &CBlockView::OnEditDeselect);
    MapUpdate(ID_EDIT_DESELECT, &CBlockView::OnUpdateSelectionNotEmpty);
    MapCommand(ID_SELECT_TARGETS, &CBlockView::OnSelectTargets);
    MapSelectCommands();
}

void CBlockView::MapSelectCommands() {
    MapCommand(ID_EDIT_SELECT_ALL, &CBlockView::OnEditSelectAll);
    MapCommand(ID_SELECT_UNUSED_POINTS, &CBlockView::OnSelectUnusedPoints);
    MapCommand(ID_SNAP_TO_POINT, &CBlockView::OnSnapToPoint);
    MapCommand(ID_MENU_SELECTED, [this] { IgnoreNextClick(); });
    const auto hasGroundPoints = [this](CCmdUI* ui) { ui->Enable(DocHasGroundPoints()); };
    MapUpdate(ID_EDIT_SELECT_ALL, hasGroundPoints);
    MapUpdate(ID_SELECT_UNUSED_POINTS, hasGroundPoints);
    MapUpdate(ID_SNAP_TO_POINT, [this](CCmdUI* ui) {
        CBlockDoc* model = Model();
        ui->Enable(model && model->GroundPoints().GetCount() >= 2);
        ui->SetCheck(SnapsToPoints() ? 1 : 0);
    });
    // Opening or saving a file waits for the block-line table (its pick mode).
    const auto noTable = [this](CCmdUI* ui) { ui->Enable(ChosenTool() != section::DrawMode::kTablePick); };
    MapUpdate(ID_FILE_OPEN, noTable);
    MapUpdate(ID_FILE_SAVE, noTable);
}

// Select all and select unused points start the selection tool as "選択" does, without
// giving up what is already selected.
void CBlockView::StartSelectTool() {
    ChooseTool(section::DrawMode::kSelect, std::nullopt, section::guide::kSelectPrompt,
               section::guide::kSelectTitle);
}

void CBlockView::OnEditSelectAll() {
    CBlockDoc* model = Model();
    if (!model || HasPendingPoints()) {
        return;
    }
    StartSelectTool();
    SelectTargetPoints(*model, [](const CNode& point) { return point.state >= 0; });
    if (SelectsTarget(kTargetLines)) {
        for (auto [key, line] : platform::MapEntries<CLine>(model->GroundLines())) {
            line->status = CLine::kSelected;
            AddToSelection(line);
        }
    }
    if (SelectsTarget(kTargetSlipLines)) {
        for (POSITION pos = model->SlipLines().GetHeadPosition(); pos;) {
            auto* slip = static_cast<CVerrant*>(model->SlipLines().GetNext(pos));
            if (slip->visible1) {
                slip->state = 2;
                AddToSelection(slip);
            }
        }
    }
    model->SelectLinesOfSelectedPoints(Selection());
    for (POSITION pos = Selection().GetHeadPosition(); pos;) {
        if (auto* point = dynamic_cast<CNode*>(Selection().GetNext(pos))) {
            point->state = CNode::kSelected; // the lines' temporary mark is no state of its own
        }
    }
    CountSelection();
    Invalidate();
}

void CBlockView::OnSelectUnusedPoints() {
    CBlockDoc* model = Model();
    if (!model || HasPendingPoints()) {
        return;
    }
    StartSelectTool();
    model->SelectUnusedGroundPoints();
    for (auto [key, point] : platform::MapEntries<CNode>(model->GroundPoints())) {
        if (point->state == CNode::kSelected) {
            AddToSelection(point);
        }
    }
    CountSelection();
    Invalidate();
}

void CBlockView::CountSelection() {
    for (int& count : m_nSelectAllCounts) {
        count = 0;
    }
    for (POSITION pos = Selection().GetHeadPosition(); pos;) {
        CObject* object = Selection().GetNext(pos);
        if (dynamic_cast<CNode*>(object)) {
            ++m_nSelectAllCounts[0];
        } else if (dynamic_cast<CLine*>(object)) {
            ++m_nSelectAllCounts[1];
        } else if (dynamic_cast<CVerrant*>(object)) {
            ++m_nSelectAllCounts[2];
        }
    }
}

void CBlockView::OnSnapToPoint() {
    ToggleSnapToPoint();
    ShowToolTitle();
}

void CBlockView::CreateTreeDialog() {
    if (m_pTreeDlg) {
        return;
    }
    m_pTreeDlg = new SlipLineTreeDlg(this);
    m_pTreeDlg->CreateBesideView();
}

} // namespace torvan
