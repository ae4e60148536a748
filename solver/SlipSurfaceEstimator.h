#pragma once
// Fits one parabola Z = A*S^2 + B*S + C per block to the measured trajectories, with one
// vertical offset per measurement point, under the boundary-point conditions and the elevation
// and inclination continuity at the block lines: one weighted least-squares problem for all
// blocks, assembled as normal equations in profile form.
//
// Unknowns are numbered block by block, left to right: A, B, C of the block, then the offsets
// of its points in x order. Each block works in the local abscissa s = S - S0 scaled by L,
// which keeps the normal equations well conditioned; the solution is transformed back.

#include "solver/InputModel.h"
#include "solver/SegmentGeometry.h"
#include "solver/SkylineSystem.h"

#include <vector>

namespace kalipe {

// The local abscissa origin S0 and scale L of a block.
struct BlockFrame {
    double s0 = 0.0;
    double scale = 1.0;
};

struct BlockSolution {
    Parabola parabola;           // in the horizontal coordinate S itself
    std::vector<double> offsets; // one per measurement point of the block
};

class SlipSurfaceEstimator {
public:
    enum class Result { Solved, Singular };

    // Solves the model; `solution` gets one entry per block.
    Result Estimate(const PreparedModel& model, std::vector<BlockSolution>& solution) const;

    // The frames of every block.
    static std::vector<BlockFrame> Frames(const PreparedModel& model);

    // The normal equations of the model in the frames (scaled unknowns a = A*L^2, b = B*L, c = C).
    static SkylineSystem Assemble(const PreparedModel& model, const std::vector<BlockFrame>& frames);

    // Column heights of the profile for blocks of the given unknown counts.
    static std::vector<int> ProfileHeights(const std::vector<int>& unknownsPerBlock);

private:
    static BlockFrame FrameWithoutLines(const PreparedModel& model);
    static BlockFrame FrameOfBlock(const PreparedModel& model, int block, int firstPoint);
};

} // namespace kalipe
