#pragma once
// Decides whether two segments of the section model cross, overlap or miss, and keeps
// the crossing point. Made by the document with its three tolerances for one series
// of tests.

#include "common/geometry/DPoint.h"
#include "common/geometry/Geometry.h"
#include "platform/core/CObject.h"

class CBoundRect : public CObject {
    DECLARE_DYNAMIC(CBoundRect)

public:
    enum Result { kMiss = -1, kCross = 1, kOverlap = 2 };

    // boxTolerance widens a segment's box on an axis where it has no extent;
    // distanceLimit is a squared distance; angleTolerance in radians.
    CBoundRect(double boxTolerance, double distanceLimit, double angleTolerance);

    // -1 the segments do not meet; 1 they cross (the point is kept); 2 they overlap.
    int IntersectSegment(const DPoint& aStart, const DPoint& aEnd, const DPoint& bStart, const DPoint& bEnd,
                         SegmentKind kindA, SegmentKind kindB);
    void GetIntersection(DPoint& point) const { point = intersection_; }

    // The steps of IntersectSegment by kind; each keeps the point and returns 1, or returns 0.
    int IntersectSloped(const DPoint& p1, const DPoint& p2, const DPoint& q1, const DPoint& q2);
    int IntersectHorizontal(const DPoint& p1, const DPoint& p2, const DPoint& q1, const DPoint& q2);
    int IntersectVertical(const DPoint& p1, const DPoint& p2, const DPoint& q1, const DPoint& q2);
    int IntersectAxisParallel(const DPoint& p1, const DPoint& p2, const DPoint& q1, const DPoint& q2);

private:
    DPoint aStart_, aEnd_, bStart_, bEnd_;
    double distances_[4] = {0, 0, 0, 0};
    DPoint intersection_ = DPoint::Unset();
    double boxTolerance_;
    double distanceLimit_;
    double angleTolerance_;
    SegmentKind kindA_ = SegmentKind::kSloped;
    SegmentKind kindB_ = SegmentKind::kSloped;
};
