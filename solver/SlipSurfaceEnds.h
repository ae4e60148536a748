#pragma once
// Where the estimated slip surface leaves the ground on its left and right.

#include "solver/InputModel.h"
#include "solver/SlipSurfaceEstimator.h"

#include <vector>

namespace kalipe {

struct SurfaceEnd {
    double x = 0.0;
    double y = 0.0;
    bool crossing = false; // found on the ground line (or replaced by the boundary point), not a fallback
};

struct SurfaceEnds {
    SurfaceEnd left;
    SurfaceEnd right;
};

class SlipSurfaceEnds {
public:
    // Surface points weighing at least this much always mark the end of the slip surface.
    static constexpr double kDecisiveWeight = 0.9;

    static SurfaceEnds Find(const PreparedModel& model, const std::vector<BlockSolution>& solution);

private:
    enum class Direction { Left, Right };

    struct Start {
        double x = 0.0;
        GroundHit ground;
    };

    static Start StartOf(const PreparedModel& model, Direction direction);
    static std::optional<Point2> SearchCrossing(const std::vector<Point2>& ground, const Parabola& parabola,
                                                const Start& start, Direction direction);
    static SurfaceEnd FindEnd(const PreparedModel& model, const Parabola& parabola, Direction direction);
};

} // namespace kalipe
