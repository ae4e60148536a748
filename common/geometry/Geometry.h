#pragma once
// Plane geometry of the section model: segment classification, betweenness, projection,
// parallelism, overlap and line intersection. No routine allocates or reports errors
// other than by its result. A routine that finds no point writes DPoint::Unset().

#include "common/geometry/DPoint.h"

// The kind of a segment, or of the line through it: y = slope * x + intercept, y = constant
// or x = constant. Valued as the analysis file stores a line's kind.
enum class SegmentKind : int { kSloped = 0, kHorizontal = 1, kVertical = 2 };

// A line record's kind field as a kind; a field that names no kind (blank, another number) is
// kept as read, so the record is written back as it was.
constexpr SegmentKind SegmentKindFromStored(int stored) {
    return static_cast<SegmentKind>(stored);
}
// The number a line record stores for the kind.
constexpr int StoredSegmentKind(SegmentKind kind) {
    return static_cast<int>(kind);
}

// The tolerance of ClassifySegment: 1e-10 as a float, widened.
inline constexpr double kClassifyTolerance = static_cast<double>(1e-10f);

struct GeometryConstants {
    double pi;
    double halfPi;
    double quarterPi;
    double threeQuarterPi;
    double sixthPi;
    double twoPi;
};

// The angle constants, computed once (InitGeometryConstants only forces that to happen early).
const GeometryConstants& Angles();
void InitGeometryConstants();

// Horizontal when |y1 - y2| < tolerance, else vertical when |x1 - x2| < tolerance, else sloped.
SegmentKind ClassifySegment(double x1, double y1, double x2, double y2);

// 1 when min(a, b) < v < max(a, b) strictly.
int IsBetween(double v, double a, double b);
// IsBetween on the segment's longer axis (on y when both extents are equal).
int IsBetweenOnMajorAxis(const DPoint& p, const DPoint& a, const DPoint& b);

double SquaredDistance(double x1, double y1, double x2, double y2);

// Direction of the vector from point 1 to point 2 in [0, 2pi).
void SegmentAngle(double x1, double y1, double x2, double y2, double& angle);

// Projects p onto segment ab of the given kind. When the foot lies strictly inside the
// segment: foot and squared distance (and, for a sloped segment, its slope and
// intercept). Otherwise the squared distance to the nearer end (a on a tie) and an
// unset foot; slope and intercept are then left alone.
void ProjectPointOnSegment(const DPoint& a, const DPoint& b, double px, double py, SegmentKind kind,
                           DPoint& foot, double& squaredDistance, double& slope, double& intercept);

// 0 when segment pq lies wholly on one outer side of ab's box (widened by tolerance on
// an axis where ab has no extent; touching a side counts as outside), else 1.
int SegmentTouchesBox(const DPoint& a, const DPoint& b, const DPoint& p, const DPoint& q, double tolerance);

int AreSegmentsParallel(const DPoint& p1, const DPoint& p2, const DPoint& q1, const DPoint& q2,
                        double angleTolerance);

// 1 when the segments lie on one course: parallel, or every end point that projects
// inside the other segment lies within the squared distance limit of it. Segments whose
// ends all project outside each other (a plain crossing) do not overlap.
// distances receives the four end points' squared distances (10000 where not projected).
int SegmentsOverlap(const DPoint& p1, const DPoint& p2, const DPoint& q1, const DPoint& q2,
                    double distances[4], double angleTolerance, double distanceLimit);

// Intersection of two lines given by kind: y = slope*x + intercept (sloped), y = ys
// (horizontal), x = xs (vertical). 0 when the lines are parallel (both horizontal, both
// vertical or equal slopes).
int IntersectLines(const double xs[2], const double ys[2], const SegmentKind kinds[2], const double slopes[2],
                   const double intercepts[2], DPoint& point);

// Crossing of segment (x[0], y[0])-(x[1], y[1]) with a line of the kind: sloped y = a*x + b,
// the horizontal y = y[2] or the vertical x = x[2]. 1 with the point, else 0 and an unset
// point.
int IntersectSegmentWithLine(const double x[3], const double y[3], SegmentKind line, double a, double b,
                             DPoint& point);
