#include "solver/SegmentGeometry.h"

#include <algorithm>
#include <cmath>

namespace kalipe {

namespace {

constexpr double kHalfPi = 1.5707963267948966;
constexpr double kPi = 3.141592653589793;

// Roots of a*x^2 + b*x + c = 0 by the sign of the slope there, free of cancellation.
std::optional<double> QuadraticRoot(double a, double b, double c, CrossingSide side) {
    const bool wantRising = side == CrossingSide::RightHand;
    if (a == 0.0) {
        if (b == 0.0 || (b > 0.0) != wantRising) {
            return std::nullopt;
        }
        return -c / b;
    }
    const double discriminant = b * b - 4.0 * a * c;
    if (!(discriminant >= 0.0)) {
        return std::nullopt;
    }
    const double root = std::sqrt(discriminant);
    // At a root the slope 2*a*x + b is +root (rising) or -root (falling).
    double rising = 0.0;
    double falling = 0.0;
    if (b >= 0.0) {
        const double q = -(b + root);
        falling = q / (2.0 * a);
        rising = q != 0.0 ? 2.0 * c / q : 0.0;
    } else {
        const double q = root - b;
        rising = q / (2.0 * a);
        falling = 2.0 * c / q;
    }
    return wantRising ? rising : falling;
}

} // namespace

VerticalCrossing IntersectVertical(double x1, double y1, double x2, double y2, double xv) {
    if (x1 == x2 && y1 == y2) {
        return {};
    }
    if (xv == x2) {
        return {};
    }
    if (xv == x1) {
        return {VerticalResult::AtStart, y1};
    }
    if (x1 == x2 || xv < std::min(x1, x2) || xv > std::max(x1, x2)) {
        return {};
    }
    const double y = y1 + (y2 - y1) * (xv - x1) / (x2 - x1);
    return {VerticalResult::Inside, std::clamp(y, std::min(y1, y2), std::max(y1, y2))};
}

std::optional<Point2> IntersectParabola(double x1, double y1, double x2, double y2, const Parabola& parabola,
                                        CrossingSide side) {
    if (x1 == x2) {
        const double y = parabola.At(x1);
        if (y < std::min(y1, y2) || y > std::max(y1, y2)) {
            return std::nullopt;
        }
        return Point2{x1, y};
    }
    const double slope = y1 == y2 ? 0.0 : (y2 - y1) / (x2 - x1);
    const double intercept = y1 - slope * x1;
    const std::optional<double> x =
        QuadraticRoot(parabola.a, parabola.b - slope, parabola.c - intercept, side);
    if (!x || !std::isfinite(*x) || *x < std::min(x1, x2) || *x > std::max(x1, x2)) {
        return std::nullopt;
    }
    return Point2{*x, parabola.At(*x)};
}

double DirectionAngle(double x1, double y1, double x2, double y2) {
    const double dx = x2 - x1;
    const double dy = y2 - y1;
    if (dx == 0.0) {
        return dy > 0.0 ? kHalfPi : (dy < 0.0 ? -kHalfPi : 0.0);
    }
    if (dy == 0.0) {
        return dx > 0.0 ? 0.0 : -kPi;
    }
    return std::atan2(dy, dx);
}

GroundHit LowestGroundCrossing(const std::vector<Point2>& ground, double xv) {
    GroundHit hit;
    for (std::size_t i = 0; i + 1 < ground.size(); ++i) {
        const VerticalCrossing crossing =
            IntersectVertical(ground[i].x, ground[i].y, ground[i + 1].x, ground[i + 1].y, xv);
        if (crossing.result == VerticalResult::None) {
            continue;
        }
        if (!hit.Found() || crossing.y < hit.y) {
            hit = {crossing.y, static_cast<int>(i)};
        }
    }
    return hit;
}

} // namespace kalipe
