#include "common/ui/section/CFigLineHorizon.h"

IMPLEMENT_DYNAMIC(CFigLineHorizon, CFigLine)

int CFigLineHorizon::ApplyRule(CPoint& point, int) const {
    point.y = start_.logical.y;
    return kHorizontal;
}
