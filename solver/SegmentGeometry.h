#pragma once
// Plane geometry of the slip surface against the ground line.

#include "solver/InputModel.h"

#include <optional>
#include <vector>

namespace kalipe {

// Z = a*S^2 + b*S + c.
struct Parabola {
    double a = 0.0;
    double b = 0.0;
    double c = 0.0;

    double At(double s) const { return a * s * s + b * s + c; }
};

enum class VerticalResult {
    None = 0,    // no crossing, a zero-length segment, or x at the segment's end point
    Inside = 1,  // strictly inside the x range of a non-vertical segment
    AtStart = 2, // at the segment's start point
};

struct VerticalCrossing {
    VerticalResult result = VerticalResult::None;
    double y = 0.0; // interpolated and held within the segment's y range
};

// Where the vertical x = xv crosses the segment (x1, y1)-(x2, y2). The end point is left to
// the next segment, so that a polyline reports each vertex once.
VerticalCrossing IntersectVertical(double x1, double y1, double x2, double y2, double xv);

// Which crossing of a parabola with a segment is wanted. Seen from a point where the parabola
// runs below the segment's line, a left-hand crossing is the one reached walking left (the
// parabola rises above the line to its left), a right-hand crossing the one reached walking right.
enum class CrossingSide { RightHand, LeftHand };

// The crossing of the parabola with the segment on the given side, if it lies within the
// segment's x range. Any leading coefficient is allowed (zero: a straight line).
std::optional<Point2> IntersectParabola(double x1, double y1, double x2, double y2, const Parabola& parabola,
                                        CrossingSide side);

// Direction of the segment in radians: +-pi/2 vertical, 0 or -pi horizontal, else atan2(dy, dx).
double DirectionAngle(double x1, double y1, double x2, double y2);

struct GroundHit {
    double y = 0.0;
    int segment = -1; // segment i joins ground points i and i+1; -1 when the vertical misses
    bool Found() const { return segment >= 0; }
};

// The lowest crossing of the vertical x = xv with the polyline.
GroundHit LowestGroundCrossing(const std::vector<Point2>& ground, double xv);

} // namespace kalipe
