#pragma once
// The solver's result file (".slf") of the polynomial method: one parabola and its x range
// per block.

#include <array>
#include <vector>

namespace torvan {

class CBlockDoc;

class SolverResultReader {
public:
    // The model's extents bound the ranges a result may give (it brings them up to date).
    explicit SolverResultReader(CBlockDoc& model) : model_(model) {}

    // Blocks read: coefficients (A, B, C) and ranges (x top, x end) appended; 0 on any
    // failure (a result without blocks, a cut or unreadable one, and one with a range far
    // off the model, after its message).
    int Read(const char* path, std::vector<std::array<double, 3>>& coefficients,
             std::vector<std::array<double, 2>>& ranges) const;

private:
    CBlockDoc& model_;
};

} // namespace torvan
