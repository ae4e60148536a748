#include "common/ui/section/CFigLine.h"

#include "common/ui/section/CViewBase.h"
#include "platform/ui/CDC.h"

IMPLEMENT_DYNAMIC(CFigLine, CFigure)

BOOL CFigLine::Commit(int mode) {
    if (!hasEnd_) {
        return FALSE;
    }
    if (mode != 0) {
        return TRUE;
    }
    BoundStartAndEnd();
    if (View()->CommitPointRun({start_, end_}) != 0) {
        m_rectBounding.SetRectEmpty();
    }
    return TRUE;
}

int CFigLine::ApplyRule(CPoint& point, int previousRule) const {
    return ApplyLineRule(start_.logical, point, previousRule);
}

void CFigLine::DrawShape(CDC* dc, const CPoint& at) const {
    dc->MoveTo(start_.logical);
    dc->LineTo(BandEnd(at));
}
