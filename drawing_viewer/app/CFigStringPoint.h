#pragma once
// The click of the string input mode: a press and a release; on a string it asks the view to
// edit that string, elsewhere to place a new one at the press. Its mark is a cross at the press.

#include "drawing_viewer/app/CFigure.h"

namespace zapho {

class CFigStringPoint : public CFigure {
public:
    using CFigure::CFigure;

    void Track(CDC& dc, CPoint point) override;
    BOOL Commit(int figureType) override;
    BOOL IsNearStart(double x, double y) const override;
};

} // namespace zapho
