#include "common/ui/section/CFigLineVertical.h"

IMPLEMENT_DYNAMIC(CFigLineVertical, CFigLine)

int CFigLineVertical::ApplyRule(CPoint& point, int) const {
    point.x = start_.logical.x;
    return kVertical;
}
