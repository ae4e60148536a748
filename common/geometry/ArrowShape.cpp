#include "ArrowShape.h"

#include <cmath>
#include <cstdlib>

namespace geometry {

namespace {

DPoint Along(DPoint p, DPoint direction, double length) {
    return DPoint{p.x + direction.x * length, p.y + direction.y * length};
}

// One head at tip pointing along u (unit vector towards the tip); returns its base centre.
DPoint AddHead(ArrowShape& shape, DPoint tip, DPoint u, double length, double half, int units,
               bool mirrored) {
    const DPoint base = Along(tip, u, -length);
    DPoint normal{u.y, -u.x};
    if (mirrored) {
        normal = DPoint{-normal.x, -normal.y};
    }
    const DPoint c1 = Along(base, normal, half);
    const DPoint c2 = Along(base, normal, -half);
    auto edge = [&](DPoint a, DPoint b) { shape.segments.push_back({a, b}); };
    switch (units) {
    case 3:
    case 7:
        edge(base, c1), edge(c1, tip), edge(base, tip);
        shape.fills.push_back({base, c1, tip});
        break;
    case 4:
        edge(c1, tip), edge(tip, c2), edge(base, tip);
        break;
    case 5:
        edge(c1, tip), edge(base, tip);
        break;
    default:
        edge(base, c1), edge(c1, tip), edge(tip, c2), edge(c2, base);
        if (units == 2 || units == 6) {
            edge(base, tip);
        }
        shape.fills.push_back({base, c1, tip, c2});
        break;
    }
    return base;
}

} // namespace

ArrowShape ArrowShape::Make(DPoint start, DPoint end, double headLength, double headWidth, int style) {
    ArrowShape shape;
    const double dx = end.x - start.x;
    const double dy = end.y - start.y;
    const double length = std::hypot(dx, dy);
    if (style == 0 || headWidth < 0 || length == 0.0) {
        return shape;
    }
    const int magnitude = std::abs(style);
    const int units = magnitude % 10;
    const bool twoHeads = magnitude / 10 % 10 == 2;
    const double half = headWidth == 0 ? headLength / 3.0 : headWidth / 2.0;
    const DPoint u{dx / length, dy / length};
    shape.segments.push_back({}); // the shaft, once its ends are known
    const DPoint endBase = AddHead(shape, end, u, headLength, half, units, style < 0);
    DPoint startBase = start;
    if (twoHeads) {
        startBase = AddHead(shape, start, DPoint{-u.x, -u.y}, headLength, half, units, style < 0);
    }
    shape.segments.front() = Segment{startBase, endBase};
    if (units == 1 || units == 3) {
        shape.fill = kWhiteFill;
    } else if (units == 6 || units == 7) {
        shape.fill = kColorFill;
    } else {
        shape.fills.clear();
    }
    return shape;
}

} // namespace geometry
