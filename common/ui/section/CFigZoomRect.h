#pragma once
// The right button's zoom window: a rectangle with both diagonals from the press to the
// pointer. Its commit needs an end and a rectangle of some width and height in metres.

#include "common/ui/section/CFigure.h"

class CFigZoomRect : public CFigure {
public:
    BOOL Commit(int mode) override;
    bool ChangesModel() const override { return false; }
    // x min, y min, x max, y max in metres, after a successful commit.
    const double* Rect() const { return rect_; }

protected:
    void DrawShape(CDC* dc, const CPoint& at) const override;

private:
    double rect_[4] = {0.0, 0.0, 0.0, 0.0};
};
