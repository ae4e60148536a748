#pragma once
// The straight ground-line tool: a band from the start to the pointer; the first release
// outside the start's hit area ends it, and its commit (mode 0) hands the two ends to the
// view as a run of new points joined by a line.

#include "common/ui/section/CFigure.h"

class CFigLine : public CFigure {
    DECLARE_DYNAMIC(CFigLine)
public:
    BOOL Commit(int mode) override;
    int ApplyRule(CPoint& point, int previousRule) const override;

protected:
    // The end of the band for a pointer position (the plain line: the position itself).
    virtual CPoint BandEnd(const CPoint& at) const { return at; }
    void DrawShape(CDC* dc, const CPoint& at) const override;
};
