#pragma once
// The safety factor of the estimated slip surface by the method of slices, with its slice
// table written into the run log.

#include "solver/InputModel.h"
#include "solver/SegmentGeometry.h"

#include <vector>

namespace kalipe {

class RunLog;

struct SliceBoundary {
    double x = 0.0;
    double surface = 0.0; // slip-surface elevation
    double ground = 0.0;  // ground elevation
};

class SafetyFactor {
public:
    static constexpr double kNoDrive = 99.0; // reported when nothing drives the slope, and the cap
    static constexpr int kMinSteps = 20;
    static constexpr int kMaxSteps = 100;

    // `parabolas` has one entry per block, `lines` the block line abscissas between them;
    // the slip surface runs from xStart to xEnd.
    static double Compute(const std::vector<Point2>& ground, const std::vector<Parabola>& parabolas,
                          const std::vector<double>& lines, double xStart, double xEnd,
                          const SoilConstants& soil, RunLog& log);

    // The slice boundaries along the slip surface.
    static std::vector<SliceBoundary> Boundaries(const std::vector<Point2>& ground,
                                                 const std::vector<Parabola>& parabolas,
                                                 const std::vector<double>& lines, double xStart,
                                                 double xEnd);

    // Number of slices steps for a span: the span cut to an integer, within 20 ... 100.
    static int StepCount(double span);
};

} // namespace kalipe
