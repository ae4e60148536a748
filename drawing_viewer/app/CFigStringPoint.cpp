#include "drawing_viewer/app/CFigStringPoint.h"

#include "drawing_viewer/app/CMainView.h"

#include "platform/ui/CDC.h"

#include <cmath>

namespace zapho {

namespace {

constexpr double kCrossArm = 45.0; // plot units

} // namespace

void CFigStringPoint::Track(CDC& dc, CPoint /*point*/) {
    if (!ended_) {
        return;
    }
    const int arm = static_cast<int>(std::lround(kCrossArm * view_.Scale()));
    const CPoint at = start_.client;
    BandPen pen(dc, xorColor_);
    dc.MoveTo(at.x - arm, at.y);
    dc.LineTo(at.x + arm, at.y);
    dc.MoveTo(at.x, at.y - arm);
    dc.LineTo(at.x, at.y + arm);
}

BOOL CFigStringPoint::Commit(int /*figureType*/) {
    if (start_.hit > 0 && !view_.PageTexts().empty()) {
        view_.PostReplaceString(start_.hit - 1);
    } else {
        view_.PostAddString(static_cast<int>(start_.x), static_cast<int>(start_.y));
    }
    return TRUE;
}

BOOL CFigStringPoint::IsNearStart(double /*x*/, double /*y*/) const {
    return FALSE;
}

} // namespace zapho
