#pragma once
// Division of the measurement points into blocks by the block lines, with the merging of
// blocks that have too few conditions to fix their parabola.

#include <optional>
#include <vector>

namespace kalipe {

struct BlockLayout {
    std::vector<int> keptLines;      // indices into the sorted line list, ascending
    std::vector<int> pointsPerBlock; // keptLines.size() + 1 entries
    int innerBlock = -1;             // zero-based block of the inner point, -1 without one
};

class BlockPartition {
public:
    // A block needs at least this many conditions.
    static constexpr int kMinConditions = 3;

    // pointX and lineX ascending; states of the left and right surface points (0, 1, 2).
    // Block j holds the points with x up to line j; the inner point belongs to the block of
    // the first line right of it. A block short of conditions gives up its right line and joins
    // the next block; a short last block gives up the last kept line.
    static BlockLayout Partition(const std::vector<double>& pointX, const std::vector<double>& lineX,
                                 std::optional<double> innerX, int leftState, int rightState);

    // The blocks formed by the given lines, without merging.
    static BlockLayout Assign(const std::vector<double>& pointX, const std::vector<double>& lineX,
                              std::optional<double> innerX);
};

} // namespace kalipe
