#include "drawing_viewer/app/CFigZoomRange.h"

#include <algorithm>

namespace zapho {

BOOL CFigZoomRange::Commit(int /*figureType*/) {
    if (!ended_ || end_.x == start_.x || end_.y == start_.y) {
        return FALSE;
    }
    minX_ = std::min(start_.x, end_.x);
    maxX_ = std::max(start_.x, end_.x);
    minY_ = std::min(start_.y, end_.y);
    maxY_ = std::max(start_.y, end_.y);
    return TRUE;
}

void CFigZoomRange::DrawBand(CDC& dc, CPoint point) const {
    BandPen pen(dc, xorColor_);
    CrossedRectangle(dc, start_.client, point);
}

} // namespace zapho
