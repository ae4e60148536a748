#include "solver/BlockPartition.h"

#include <algorithm>

namespace kalipe {

namespace {

// Conditions of a block: its points, the two continuity conditions at its lines, the inner
// point, and the surface points' extra conditions at the outer blocks.
int Conditions(int points, bool holdsInner, bool isFirst, bool isLast, int leftState, int rightState) {
    return points + 2 + (holdsInner ? 1 : 0) + (isFirst ? leftState - 1 : 0) + (isLast ? rightState - 1 : 0);
}

std::vector<double> Select(const std::vector<double>& values, const std::vector<int>& indices) {
    std::vector<double> selected;
    selected.reserve(indices.size());
    for (int index : indices) {
        selected.push_back(values[static_cast<std::size_t>(index)]);
    }
    return selected;
}

} // namespace

BlockLayout BlockPartition::Assign(const std::vector<double>& pointX, const std::vector<double>& lineX,
                                   std::optional<double> innerX) {
    BlockLayout layout;
    layout.keptLines.resize(lineX.size());
    for (std::size_t i = 0; i < lineX.size(); ++i) {
        layout.keptLines[i] = static_cast<int>(i);
    }
    layout.pointsPerBlock.assign(lineX.size() + 1, 0);
    for (double x : pointX) {
        const auto block = std::lower_bound(lineX.begin(), lineX.end(), x) - lineX.begin();
        ++layout.pointsPerBlock[static_cast<std::size_t>(block)];
    }
    if (innerX) {
        layout.innerBlock =
            static_cast<int>(std::upper_bound(lineX.begin(), lineX.end(), *innerX) - lineX.begin());
    }
    return layout;
}

BlockLayout BlockPartition::Partition(const std::vector<double>& pointX, const std::vector<double>& lineX,
                                      std::optional<double> innerX, int leftState, int rightState) {
    const BlockLayout all = Assign(pointX, lineX, innerX);
    std::vector<int> kept;
    int pendingPoints = 0;
    bool pendingInner = false;
    for (std::size_t j = 0; j < lineX.size(); ++j) {
        pendingPoints += all.pointsPerBlock[j];
        pendingInner = pendingInner || all.innerBlock == static_cast<int>(j);
        if (Conditions(pendingPoints, pendingInner, kept.empty(), false, leftState, rightState) <
            kMinConditions) {
            continue; // the line goes; the block's points count for the next one
        }
        kept.push_back(static_cast<int>(j));
        pendingPoints = 0;
        pendingInner = false;
    }
    // The last block has no next block: it takes over the last kept block instead.
    while (!kept.empty()) {
        const BlockLayout current = Assign(pointX, Select(lineX, kept), innerX);
        const int last = static_cast<int>(kept.size());
        const int lastPoints = current.pointsPerBlock.back();
        if (Conditions(lastPoints, current.innerBlock == last, false, true, leftState, rightState) >=
            kMinConditions) {
            break;
        }
        kept.pop_back();
    }
    BlockLayout layout = Assign(pointX, Select(lineX, kept), innerX);
    layout.keptLines = kept;
    return layout;
}

} // namespace kalipe
