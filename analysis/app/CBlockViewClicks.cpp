// The clicks the analysis view answers before its drawing tools see them: while the
// block-line table is open, a left click adds a block line there. Pending point changes
// wait on the view base's modal figure (CFigMovePoint), which takes the click first.

#include "analysis/app/CBlockView.h"

namespace torvan {

void CBlockView::OnLButtonDown(UINT flags, CPoint point) {
    if (!ModalFigure() && ChosenTool() == section::DrawMode::kTablePick && BlockLineTable()) {
        const CPoint scroll = GetScrollPosition();
        double x = 0;
        double y = 0;
        LogicalToWorld(point.x + scroll.x, point.y + scroll.y, &x, &y);
        ChangeDialogViewClick(x, y);
        return;
    }
    CViewBase::OnLButtonDown(flags, point);
}

} // namespace torvan
