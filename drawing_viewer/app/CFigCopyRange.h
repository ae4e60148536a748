#pragma once
// The copy range: a rectangle with both diagonals, complete once its second corner is given;
// it then waits on the page for the click that confirms (copies) or cancels it.

#include "drawing_viewer/app/CFigure.h"

namespace zapho {

class CFigCopyRange : public CFigure {
public:
    using CFigure::CFigure;

    BOOL Commit(int figureType) override;
    // Type 1: the waiting range drawn on the page.
    BOOL Draw(CDC& dc, int figureType) override;
    // Type 1, confirmed: the range goes to the clipboard.
    BOOL Finish(int figureType, bool confirmed) override;

protected:
    void DrawBand(CDC& dc, CPoint point) const override;
};

} // namespace zapho
