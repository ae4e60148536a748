// The clicks the analysis view answers before its drawing tools see them: while pending point
// changes wait, the left button has the document take them and the right button offers to
// drop them; while the block-line table is open, a left click adds a block line there.

#include "analysis/CBlockView.h"

namespace torvan {

namespace {

constexpr int kBlockLineMode = 10;

} // namespace

void CBlockView::OnLButtonDown(UINT flags, CPoint point) {
    if (HasPendingPoints()) {
        CommitPendingPoints();
        return;
    }
    if (m_nDrawMode == kBlockLineMode && BlockLineTable()) {
        const CPoint scroll = GetScrollPosition();
        double x = 0;
        double y = 0;
        LogicalToWorld(point.x + scroll.x, point.y + scroll.y, &x, &y);
        ChangeDialogViewClick(x, y);
        return;
    }
    CViewBase::OnLButtonDown(flags, point);
}

void CBlockView::OnRButtonDown(UINT flags, CPoint point) {
    if (HasPendingPoints()) {
        DropPendingPoints(true);
        return;
    }
    CViewBase::OnRButtonDown(flags, point);
}

} // namespace torvan
