#pragma once
// The horizontal ground-line tool: the band runs along the start's y, always.

#include "common/ui/section/CFigLine.h"

class CFigLineHorizon : public CFigLine {
    DECLARE_DYNAMIC(CFigLineHorizon)
public:
    int ApplyRule(CPoint& point, int previousRule) const override;
    bool AlwaysRuled() const override { return true; }

protected:
    CPoint BandEnd(const CPoint& at) const override { return CPoint(at.x, start_.logical.y); }
};
