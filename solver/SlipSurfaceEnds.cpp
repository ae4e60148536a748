#include "solver/SlipSurfaceEnds.h"

#include <cmath>

namespace kalipe {

namespace {

constexpr double kCrossingShareOfSpan = 1.0 / 1000.0;
constexpr double kElevationShareOfRise = 1.0 / 200.0;

// Keeps the part of the segment on the searched side of x (the start vertical).
void ClipSegment(Point2& a, Point2& b, double x, double groundY, bool keepLeft) {
    for (Point2* end : {&a, &b}) {
        if (keepLeft ? end->x > x : end->x < x) {
            *end = {x, groundY};
        }
    }
}

} // namespace

SlipSurfaceEnds::Start SlipSurfaceEnds::StartOf(const PreparedModel& model, Direction direction) {
    const bool left = direction == Direction::Left;
    const int block = left ? 0 : model.BlockCount() - 1;
    const int points = model.pointsPerBlock[static_cast<std::size_t>(block)];
    Start start;
    if (points > 0) {
        const int index = left ? 0 : static_cast<int>(model.points.size()) - 1;
        start.x = model.points[static_cast<std::size_t>(index)].x;
    } else if (!model.lines.empty()) {
        const BlockLine& line = left ? model.lines.front() : model.lines.back();
        start.x = line.x;
        start.ground = {line.groundY, line.groundSegment};
        return start;
    } else {
        // A single block without measurement points rests on the boundary points.
        const BoundaryPoint& own = left ? model.left : model.right;
        const BoundaryPoint& other = left ? model.right : model.left;
        start.x = own.Present() ? own.x : (model.inner.Present() ? model.inner.x : other.x);
    }
    start.ground = LowestGroundCrossing(model.ground, start.x);
    return start;
}

std::optional<Point2> SlipSurfaceEnds::SearchCrossing(const std::vector<Point2>& ground,
                                                      const Parabola& parabola, const Start& start,
                                                      Direction direction) {
    if (!start.ground.Found() || !(parabola.At(start.x) < start.ground.y)) {
        return std::nullopt;
    }
    const bool left = direction == Direction::Left;
    const CrossingSide side = left ? CrossingSide::LeftHand : CrossingSide::RightHand;
    const int segments = static_cast<int>(ground.size()) - 1;
    const int step = left ? -1 : 1;
    for (int segment = start.ground.segment; segment >= 0 && segment < segments; segment += step) {
        Point2 a = ground[static_cast<std::size_t>(segment)];
        Point2 b = ground[static_cast<std::size_t>(segment) + 1];
        // On the start segment only the part beyond the start vertical is searched.
        if (segment == start.ground.segment) {
            ClipSegment(a, b, start.x, start.ground.y, left);
        }
        if (auto crossing = IntersectParabola(a.x, a.y, b.x, b.y, parabola, side)) {
            return crossing;
        }
    }
    return std::nullopt;
}

SurfaceEnd SlipSurfaceEnds::FindEnd(const PreparedModel& model, const Parabola& parabola,
                                    Direction direction) {
    const bool left = direction == Direction::Left;
    const BoundaryPoint& own = left ? model.left : model.right;
    const Start start = StartOf(model, direction);
    const std::optional<Point2> crossing = SearchCrossing(model.ground, parabola, start, direction);
    if (!crossing) {
        const double x = own.Present() ? own.x : start.x;
        return {x, parabola.At(x), false};
    }
    SurfaceEnd end{crossing->x, crossing->y, true};
    if (!own.Present()) {
        return end;
    }
    const double yAtPoint = parabola.At(own.x);
    if (own.weight >= kDecisiveWeight) {
        return {own.x, yAtPoint, true};
    }
    // A light boundary point still takes over when the crossing lies clearly beyond it and the
    // surface passes close by it; the tolerances follow the span and rise of the slope.
    const BoundaryPoint& other = left ? model.right : model.left;
    const Point2 opposite =
        other.Present() ? Point2{other.x, other.y} : (left ? model.ground.back() : model.ground.front());
    const double beyond = left ? own.x - crossing->x : crossing->x - own.x;
    const double span = left ? opposite.x - own.x : own.x - opposite.x;
    if (beyond >= span * kCrossingShareOfSpan &&
        std::fabs(yAtPoint - own.y) <= std::fabs(opposite.y - own.y) * kElevationShareOfRise) {
        return {own.x, yAtPoint, true};
    }
    return end;
}

SurfaceEnds SlipSurfaceEnds::Find(const PreparedModel& model, const std::vector<BlockSolution>& solution) {
    return {FindEnd(model, solution.front().parabola, Direction::Left),
            FindEnd(model, solution.back().parabola, Direction::Right)};
}

} // namespace kalipe
