#include "common/ui/section/CFigRectSelect.h"

#include "common/ui/section/CViewBase.h"

BOOL CFigRectSelect::Commit(int mode) {
    if (mode == 10 && !hasEnd_) {
        return FALSE;
    }
    const BOOL done = View()->CommitSelection(mode, *this);
    if (done && mode >= 10) {
        BoundStartAndEnd();
    }
    return done;
}

BOOL CFigRectSelect::HitTest(const CPoint& point) const {
    return OnObject() ? FALSE : CFigure::HitTest(point);
}

int CFigRectSelect::ApplyRule(CPoint& point, int previousRule) const {
    return OnObject() ? previousRule : ApplyLineRule(start_.logical, point, previousRule);
}

void CFigRectSelect::DrawShape(CDC* dc, const CPoint& at) const {
    if (!OnObject()) {
        CFigure::DrawShape(dc, at);
    }
}
