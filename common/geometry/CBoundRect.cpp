#include "CBoundRect.h"

#include "common/geometry/Geometry.h"

#include <cstdlib>

IMPLEMENT_DYNAMIC(CBoundRect, CObject)

namespace {

// Rows: kind of B; columns: kind of A, in the kinds' order. The magnitude picks the step; a
// negative value hands B to the step as its first segment.
constexpr int kCaseTable[3][3] = {{1, 2, 3}, {-2, 0, 4}, {-3, -4, 0}};

struct Line {
    double slope;
    double intercept;
};

Line LineThrough(const DPoint& q1, const DPoint& q2) {
    double m = (q2.y - q1.y) / (q2.x - q1.x);
    return Line{m, q2.y - m * q2.x};
}

} // namespace

CBoundRect::CBoundRect(double boxTolerance, double distanceLimit, double angleTolerance)
    : boxTolerance_(boxTolerance), distanceLimit_(distanceLimit), angleTolerance_(angleTolerance) {}

int CBoundRect::IntersectSegment(const DPoint& aStart, const DPoint& aEnd, const DPoint& bStart,
                                 const DPoint& bEnd, SegmentKind kindA, SegmentKind kindB) {
    aStart_ = aStart;
    aEnd_ = aEnd;
    bStart_ = bStart;
    bEnd_ = bEnd;
    kindA_ = kindA;
    kindB_ = kindB;
    if (!SegmentTouchesBox(aStart, aEnd, bStart, bEnd, boxTolerance_)) {
        return kMiss;
    }
    if (SegmentsOverlap(aStart, aEnd, bStart, bEnd, distances_, angleTolerance_, distanceLimit_)) {
        return kOverlap;
    }
    const int column = static_cast<int>(kindA);
    const int row = static_cast<int>(kindB);
    if (column < 0 || column > 2 || row < 0 || row > 2) {
        return kMiss;
    }
    int step = kCaseTable[row][column];
    const DPoint& p1 = step < 0 ? bStart : aStart;
    const DPoint& p2 = step < 0 ? bEnd : aEnd;
    const DPoint& q1 = step < 0 ? aStart : bStart;
    const DPoint& q2 = step < 0 ? aEnd : bEnd;
    int found = 0;
    switch (std::abs(step)) {
    case 1:
        found = IntersectSloped(aStart, aEnd, bStart, bEnd) && IntersectSloped(bStart, bEnd, aStart, aEnd);
        break;
    case 2:
        found = IntersectHorizontal(p1, p2, q1, q2);
        break;
    case 3:
        found = IntersectVertical(p1, p2, q1, q2);
        break;
    case 4:
        found = IntersectAxisParallel(p1, p2, q1, q2);
        break;
    default:
        found = 0;
    }
    return found ? kCross : kMiss;
}

int CBoundRect::IntersectSloped(const DPoint& p1, const DPoint& p2, const DPoint& q1, const DPoint& q2) {
    Line q = LineThrough(q1, q2);
    int side1 = q.slope * p1.x + q.intercept <= p1.y ? -1 : 1;
    int side2 = q.slope * p2.x + q.intercept <= p2.y ? -1 : 1;
    if (side1 * side2 >= 0) {
        return 0;
    }
    Line p = LineThrough(p1, p2);
    if (q.slope == p.slope) {
        return 0;
    }
    double x = (p.intercept - q.intercept) / (q.slope - p.slope);
    intersection_ = DPoint{x, q.slope * x + q.intercept};
    return 1;
}

int CBoundRect::IntersectHorizontal(const DPoint& p1, const DPoint& p2, const DPoint& q1, const DPoint& q2) {
    Line q = LineThrough(q1, q2);
    if (q.slope == 0.0) {
        return 0;
    }
    double x = (p1.y - q.intercept) / q.slope;
    if (!IsBetween(x, p1.x, p2.x)) {
        return 0;
    }
    intersection_ = DPoint{x, p1.y};
    return 1;
}

int CBoundRect::IntersectVertical(const DPoint& p1, const DPoint& p2, const DPoint& q1, const DPoint& q2) {
    Line q = LineThrough(q1, q2);
    double y = q.slope * p1.x + q.intercept;
    if (!IsBetween(y, p1.y, p2.y)) {
        return 0;
    }
    intersection_ = DPoint{p1.x, y};
    return 1;
}

int CBoundRect::IntersectAxisParallel(const DPoint& p1, const DPoint& p2, const DPoint& q1, const DPoint&) {
    if (!IsBetween(q1.y, p1.y, p2.y)) {
        return 0;
    }
    intersection_ = DPoint{p1.x, q1.y};
    return 1;
}
