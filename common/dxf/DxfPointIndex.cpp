#include "common/dxf/DxfPointIndex.h"

#include <algorithm>
#include <cmath>

namespace {

// Cells are clamped so that huge coordinates cannot overflow; clamping keeps
// neighbouring points in neighbouring (or the same) cells, so no match is lost.
constexpr double kCellLimit = 1.0e15;

} // namespace

CDxfPointIndex::CDxfPointIndex(double searchDistance) { Reset(searchDistance); }

void CDxfPointIndex::Reset(double searchDistance) {
    cellSize_ = (std::isfinite(searchDistance) && searchDistance > 0.0) ? searchDistance : 1.0;
    cells_.clear();
    count_ = 0;
}

std::int64_t CDxfPointIndex::CellOf(double value) const {
    double cell = std::floor(value / cellSize_);
    return static_cast<std::int64_t>(std::clamp(cell, -kCellLimit, kCellLimit));
}

std::uint64_t CDxfPointIndex::Key(std::int64_t cellX, std::int64_t cellY) {
    std::uint64_t hx = static_cast<std::uint64_t>(cellX) * 0x9E3779B97F4A7C15ULL;
    return hx ^ (static_cast<std::uint64_t>(cellY) + 0x7F4A7C159E3779B9ULL + (hx << 6) + (hx >> 2));
}

void CDxfPointIndex::Add(int index, double x, double y) {
    if (!std::isfinite(x) || !std::isfinite(y)) {
        return;
    }
    cells_[Key(CellOf(x), CellOf(y))].push_back({index, x, y});
    ++count_;
}

int CDxfPointIndex::FindNearest(double x, double y, double squaredDistance) const {
    if (!std::isfinite(x) || !std::isfinite(y)) {
        return -1;
    }
    std::int64_t cx = CellOf(x);
    std::int64_t cy = CellOf(y);
    int best = -1;
    for (std::int64_t dx = -1; dx <= 1; ++dx) {
        for (std::int64_t dy = -1; dy <= 1; ++dy) {
            auto it = cells_.find(Key(cx + dx, cy + dy));
            if (it == cells_.end()) {
                continue;
            }
            for (const Entry& entry : it->second) {
                double ex = entry.x - x;
                double ey = entry.y - y;
                if (ex * ex + ey * ey <= squaredDistance && (best < 0 || entry.index < best)) {
                    best = entry.index;
                }
            }
        }
    }
    return best;
}
