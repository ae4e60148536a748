#include "common/ui/section/CFigZoomRect.h"

#include "platform/ui/CDC.h"

BOOL CFigZoomRect::Commit(int) {
    if (!hasEnd_ || start_.world.x == end_.world.x || start_.world.y == end_.world.y) {
        return FALSE;
    }
    OrderedWorldRect(rect_);
    return TRUE;
}

void CFigZoomRect::DrawShape(CDC* dc, const CPoint& at) const {
    CFigure::DrawShape(dc, at);
    dc->MoveTo(start_.logical);
    dc->LineTo(at);
    dc->MoveTo(start_.logical.x, at.y);
    dc->LineTo(at.x, start_.logical.y);
}
