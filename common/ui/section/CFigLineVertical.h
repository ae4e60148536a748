#pragma once
// The vertical ground-line tool: the band runs along the start's x, always.

#include "common/ui/section/CFigLine.h"

class CFigLineVertical : public CFigLine {
    DECLARE_DYNAMIC(CFigLineVertical)
public:
    int ApplyRule(CPoint& point, int previousRule) const override;
    bool AlwaysRuled() const override { return true; }

protected:
    CPoint BandEnd(const CPoint& at) const override { return CPoint(start_.logical.x, at.y); }
};
