// The analysis view's editing commands and their enable rules, and the registered slip-line
// tree dialog that lives beside the view.

#include "analysis/CBlockView.h"
#include "analysis/SlipLineTreeDlg.h"
#include "analysis/TorvanIds.h"

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
}

void CBlockView::CreateTreeDialog() {
    if (m_pTreeDlg) {
        return;
    }
    m_pTreeDlg = new SlipLineTreeDlg(this);
    m_pTreeDlg->CreateBesideView();
}

} // namespace torvan
