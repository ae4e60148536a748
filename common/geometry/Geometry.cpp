#include "Geometry.h"

#include <algorithm>
#include <cmath>

const GeometryConstants& Angles() {
    static const GeometryConstants constants = [] {
        GeometryConstants c{};
        c.pi = std::atan2(0.0, -1.0);
        c.halfPi = std::atan2(1.0, 0.0);
        c.quarterPi = std::atan2(1.0, 1.0);
        c.threeQuarterPi = 3.0 * c.quarterPi;
        c.sixthPi = c.pi * 0.16666666666666666;
        c.twoPi = c.pi + c.pi;
        return c;
    }();
    return constants;
}

void InitGeometryConstants() {
    (void)Angles();
}

SegmentKind ClassifySegment(double x1, double y1, double x2, double y2) {
    if (std::fabs(y1 - y2) < kClassifyTolerance) {
        return SegmentKind::kHorizontal;
    }
    if (std::fabs(x1 - x2) < kClassifyTolerance) {
        return SegmentKind::kVertical;
    }
    return SegmentKind::kSloped;
}

int IsBetween(double v, double a, double b) {
    return (std::min(a, b) < v && v < std::max(a, b)) ? 1 : 0;
}

int IsBetweenOnMajorAxis(const DPoint& p, const DPoint& a, const DPoint& b) {
    if (std::fabs(a.y - b.y) < std::fabs(a.x - b.x)) {
        return IsBetween(p.x, a.x, b.x);
    }
    return IsBetween(p.y, a.y, b.y);
}

double SquaredDistance(double x1, double y1, double x2, double y2) {
    return (x1 - x2) * (x1 - x2) + (y1 - y2) * (y1 - y2);
}

void SegmentAngle(double x1, double y1, double x2, double y2, double& angle) {
    const GeometryConstants& c = Angles();
    if (x1 == x2) {
        angle = y2 < y1 ? c.pi + c.halfPi : c.halfPi;
        return;
    }
    if (y1 == y2) {
        angle = x2 < x1 ? c.pi : 0.0;
        return;
    }
    double a = std::atan((y1 - y2) / (x1 - x2));
    if (x2 < x1) {
        a += c.pi;
        if (a >= c.twoPi) {
            a -= c.twoPi;
        }
    }
    if (a < 0.0) {
        a += c.twoPi;
    }
    angle = a;
}

namespace {

// The kind a segment really has when its stated kind would divide by zero.
SegmentKind SafeKind(const DPoint& a, const DPoint& b, SegmentKind kind) {
    if (kind == SegmentKind::kSloped && a.y == b.y) {
        return SegmentKind::kHorizontal;
    }
    if (kind == SegmentKind::kSloped && a.x == b.x) {
        return SegmentKind::kVertical;
    }
    return kind;
}

} // namespace

void ProjectPointOnSegment(const DPoint& a, const DPoint& b, double px, double py, SegmentKind kind,
                           DPoint& foot, double& squaredDistance, double& slope, double& intercept) {
    kind = SafeKind(a, b, kind);
    if (kind == SegmentKind::kVertical && IsBetween(py, a.y, b.y)) {
        squaredDistance = (px - a.x) * (px - a.x);
        foot = DPoint{a.x, py};
        return;
    }
    if (kind == SegmentKind::kHorizontal && IsBetween(px, a.x, b.x)) {
        squaredDistance = (py - a.y) * (py - a.y);
        foot = DPoint{px, a.y};
        return;
    }
    if (kind == SegmentKind::kSloped) {
        double m = (b.y - a.y) / (b.x - a.x);
        double k = b.y - m * b.x;
        double n = (a.x - b.x) / (b.y - a.y);
        double x = (k - (py - n * px)) / (n - m);
        double y = m * x + k;
        if (IsBetween(x, a.x, b.x) && IsBetween(y, a.y, b.y)) {
            squaredDistance = SquaredDistance(px, py, x, y);
            foot = DPoint{x, y};
            slope = m;
            intercept = k;
            return;
        }
    }
    double toA = SquaredDistance(px, py, a.x, a.y);
    double toB = SquaredDistance(px, py, b.x, b.y);
    squaredDistance = toB < toA ? toB : toA;
    foot = DPoint::Unset();
}

int SegmentTouchesBox(const DPoint& a, const DPoint& b, const DPoint& p, const DPoint& q, double tolerance) {
    double xmin = std::min(a.x, b.x);
    double xmax = std::max(a.x, b.x);
    double ymin = std::min(a.y, b.y);
    double ymax = std::max(a.y, b.y);
    if (a.x == b.x) {
        xmin = a.x - tolerance;
        xmax = a.x + tolerance;
    }
    if (a.y == b.y) {
        ymin = a.y - tolerance;
        ymax = a.y + tolerance;
    }
    bool outside = (p.x <= xmin && q.x <= xmin) || (p.x >= xmax && q.x >= xmax) ||
                   (p.y <= ymin && q.y <= ymin) || (p.y >= ymax && q.y >= ymax);
    return outside ? 0 : 1;
}

namespace {

double CourseAngle(const DPoint& a, const DPoint& b) {
    switch (ClassifySegment(a.x, a.y, b.x, b.y)) {
    case SegmentKind::kHorizontal:
        return 0.0;
    case SegmentKind::kVertical:
        return Angles().halfPi;
    default:
        return std::atan((b.y - a.y) / (b.x - a.x));
    }
}

} // namespace

int AreSegmentsParallel(const DPoint& p1, const DPoint& p2, const DPoint& q1, const DPoint& q2,
                        double angleTolerance) {
    const SegmentKind kindP = ClassifySegment(p1.x, p1.y, p2.x, p2.y);
    const SegmentKind kindQ = ClassifySegment(q1.x, q1.y, q2.x, q2.y);
    if (kindP != SegmentKind::kSloped && kindP == kindQ) {
        return 1;
    }
    return std::fabs(CourseAngle(p1, p2) - CourseAngle(q1, q2)) < angleTolerance ? 1 : 0;
}

int SegmentsOverlap(const DPoint& p1, const DPoint& p2, const DPoint& q1, const DPoint& q2,
                    double distances[4], double angleTolerance, double distanceLimit) {
    const DPoint* points[4] = {&p1, &p2, &q1, &q2};
    const DPoint* starts[4] = {&q1, &q1, &p1, &p1};
    const DPoint* ends[4] = {&q2, &q2, &p2, &p2};
    double largest = 0.0;
    int projected = 0;
    for (int i = 0; i < 4; ++i) {
        const DPoint& a = *starts[i];
        const DPoint& b = *ends[i];
        if (!IsBetweenOnMajorAxis(*points[i], a, b)) {
            distances[i] = 10000.0;
            continue;
        }
        DPoint foot;
        double slope = 0.0;
        double intercept = 0.0;
        ProjectPointOnSegment(a, b, points[i]->x, points[i]->y, ClassifySegment(a.x, a.y, b.x, b.y), foot,
                              distances[i], slope, intercept);
        largest = std::max(largest, distances[i]);
        ++projected;
    }
    if (AreSegmentsParallel(p1, p2, q1, q2, angleTolerance)) {
        return 1;
    }
    return (projected > 0 && largest <= distanceLimit) ? 1 : 0;
}

int IntersectLines(const double xs[2], const double ys[2], const SegmentKind kinds[2], const double slopes[2],
                   const double intercepts[2], DPoint& point) {
    if (kinds[0] != kinds[1]) {
        int s = kinds[0] < kinds[1] ? 0 : 1;
        int t = 1 - s;
        if (kinds[s] == SegmentKind::kSloped && kinds[t] == SegmentKind::kHorizontal) {
            if (slopes[s] == 0.0) {
                return 0;
            }
            point = DPoint{(ys[t] - intercepts[s]) / slopes[s], ys[t]};
        } else if (kinds[s] == SegmentKind::kSloped) {
            point = DPoint{xs[t], slopes[s] * xs[t] + intercepts[s]};
        } else {
            point = DPoint{xs[t], ys[s]};
        }
        return 1;
    }
    if (kinds[0] != SegmentKind::kSloped || slopes[0] == slopes[1]) {
        return 0;
    }
    double x = (intercepts[1] - intercepts[0]) / (slopes[0] - slopes[1]);
    point = DPoint{x, slopes[0] * x + intercepts[0]};
    return 1;
}

int IntersectSegmentWithLine(const double x[3], const double y[3], SegmentKind line, double a, double b,
                             DPoint& point) {
    point = DPoint::Unset();
    if (line == SegmentKind::kSloped) {
        int side0 = a * x[0] + b < y[0] ? -1 : 1;
        int side1 = a * x[1] + b < y[1] ? -1 : 1;
        if (side0 == side1) {
            return 0;
        }
    } else if (line == SegmentKind::kHorizontal) {
        if (y[0] == y[1] || y[2] < std::min(y[0], y[1]) || y[2] > std::max(y[0], y[1])) {
            return 0;
        }
    } else if (line == SegmentKind::kVertical) {
        if (x[0] == x[1] || x[2] < std::min(x[0], x[1]) || x[2] > std::max(x[0], x[1])) {
            return 0;
        }
    }
    const SegmentKind segmentKind = ClassifySegment(x[0], y[0], x[1], y[1]);
    double segmentSlope = 0.0;
    double segmentIntercept = 0.0;
    if (segmentKind == SegmentKind::kSloped) {
        segmentSlope = (y[1] - y[0]) / (x[1] - x[0]);
        segmentIntercept = y[0] - segmentSlope * x[0];
    }
    const double xs[2] = {x[0], x[2]};
    const double ys[2] = {y[0], y[2]};
    const SegmentKind kinds[2] = {segmentKind, line};
    const double slopes[2] = {segmentSlope, a};
    const double intercepts[2] = {segmentIntercept, b};
    return IntersectLines(xs, ys, kinds, slopes, intercepts, point);
}
