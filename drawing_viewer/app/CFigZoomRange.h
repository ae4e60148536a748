#pragma once
// The right-button zoom range: a rectangle with both diagonals; complete once the release
// lies off the press in both paper directions, its corners then ordered.

#include "drawing_viewer/app/CFigure.h"

namespace zapho {

class CFigZoomRange : public CFigure {
public:
    using CFigure::CFigure;

    BOOL Commit(int figureType) override;
    // The ordered paper corners after a commit.
    double MinX() const { return minX_; }
    double MinY() const { return minY_; }
    double MaxX() const { return maxX_; }
    double MaxY() const { return maxY_; }

protected:
    void DrawBand(CDC& dc, CPoint point) const override;

private:
    double minX_ = 0.0;
    double minY_ = 0.0;
    double maxX_ = 0.0;
    double maxY_ = 0.0;
};

} // namespace zapho
