#include "common/dxf/CDxfPointIndex.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <utility>

namespace {

// Cells are clamped so that huge coordinates cannot overflow; clamping keeps
// neighbouring points in neighbouring (or the same) cells, so no match is lost.
constexpr double kCellLimit = 1.0e15;
// Wide cells keep the cells that a search touches few: the search square, two
// distances wide, lies in one cell of four distances with even odds on each axis.
constexpr double kCellsPerDistance = 4.0;
constexpr double kNarrowestCell = 1.0e-300;
// The smallest table: its filter, an eighth of its size in 64-bit words, has a word at least.
constexpr std::size_t kSmallestTable = 64;

} // namespace

CDxfPointIndex::CDxfPointIndex(double searchDistance) {
    Reset(searchDistance);
}

void CDxfPointIndex::Reset(double searchDistance) {
    bool usable = std::isfinite(searchDistance) && searchDistance > 0.0;
    searchDistance_ = usable ? searchDistance : 0.0;
    double cellSize = 1.0;
    if (usable) {
        // A cell never narrower than the distance, so that a search spans at most 3 x 3 cells.
        double wide = searchDistance * kCellsPerDistance;
        cellSize = std::isfinite(wide) ? wide : searchDistance;
    }
    // Cells by a product, not a quotient (several per point): as monotonic in the value, so a
    // search's square still covers every cell a point within the distance lies in. A cell
    // size too small for its inverse to be finite is widened to one that has one.
    cellsPerUnit_ = 1.0 / std::max(cellSize, kNarrowestCell);
    entries_.clear();
    slots_.clear();
    usedSlots_ = 0;
    filter_.clear();
}

// Clamped first, then rounded down by truncation: the clamp bounds are whole numbers, so
// this is the clamped floor, with no general floor call for each of the cells a point needs.
inline std::int64_t CDxfPointIndex::CellOf(double value) const {
    const double cell = std::clamp(value * cellsPerUnit_, -kCellLimit, kCellLimit);
    const auto truncated = static_cast<std::int64_t>(cell);
    return static_cast<double>(truncated) > cell ? truncated - 1 : truncated;
}

// The table takes the low bits of the key as its slot, so the key must be well mixed:
// neighbouring cells of a dense drawing would otherwise crowd together.
inline std::uint64_t CDxfPointIndex::Key(std::int64_t cellX, std::int64_t cellY) {
    std::uint64_t key =
        static_cast<std::uint64_t>(cellX) * 0x9E3779B97F4A7C15ULL + static_cast<std::uint64_t>(cellY);
    key = (key ^ (key >> 30)) * 0xBF58476D1CE4E5B9ULL;
    key = (key ^ (key >> 27)) * 0x94D049BB133111EBULL;
    return key ^ (key >> 31);
}

inline std::uint64_t CDxfPointIndex::EntryKey(int entry) const {
    const Entry& held = entries_[static_cast<std::size_t>(entry)];
    return Key(CellOf(held.x), CellOf(held.y));
}

// A slot whose tag matches is the key's when the key of its newest entry is: a slot holds
// half a key, so that the table takes half the memory.
inline std::size_t CDxfPointIndex::SlotOf(std::uint64_t key) const {
    const std::size_t mask = slots_.size() - 1;
    const std::uint32_t tag = TagOf(key);
    std::size_t slot = static_cast<std::size_t>(key) & mask;
    while (slots_[slot].head >= 0 && (slots_[slot].tag != tag || EntryKey(slots_[slot].head) != key)) {
        slot = (slot + 1) & mask;
    }
    return slot;
}

// The filter takes the key's high bits, the table its low bits: the two stay independent.
inline bool CDxfPointIndex::MayHold(std::uint64_t key) const {
    const std::size_t bit = static_cast<std::size_t>(key >> 32) & (filter_.size() * 64 - 1);
    return (filter_[bit / 64] >> (bit % 64) & 1U) != 0;
}

void CDxfPointIndex::EnterIntoFilter(std::uint64_t key) {
    const std::size_t bit = static_cast<std::size_t>(key >> 32) & (filter_.size() * 64 - 1);
    filter_[bit / 64] |= std::uint64_t{1} << (bit % 64);
}

void CDxfPointIndex::GrowTable(std::size_t size) {
    std::vector<Slot> old = std::move(slots_);
    slots_.assign(size, Slot{0, -1});
    filter_.assign(slots_.size() / 8, 0); // eight bits per slot
    for (const Slot& taken : old) {
        if (taken.head >= 0) {
            const std::uint64_t key = EntryKey(taken.head);
            slots_[SlotOf(key)] = taken;
            EnterIntoFilter(key);
        }
    }
}

void CDxfPointIndex::Add(int index, double x, double y) {
    if (!std::isfinite(x) || !std::isfinite(y)) {
        return;
    }
    if ((usedSlots_ + 1) * 2 > slots_.size()) { // at most half full
        GrowTable(std::max(kSmallestTable, slots_.size() * 2));
    }
    const std::uint64_t key = Key(CellOf(x), CellOf(y));
    Slot& slot = slots_[SlotOf(key)];
    if (slot.head < 0) {
        slot.tag = TagOf(key);
        ++usedSlots_;
        EnterIntoFilter(key);
    }
    entries_.push_back({index, slot.head, x, y});
    slot.head = static_cast<int>(entries_.size()) - 1;
}

void CDxfPointIndex::Reserve(std::size_t more) {
    // Room by doubling at least, so that many small reservations cost no more than none.
    const std::size_t entries = entries_.size() + more;
    if (entries > entries_.capacity()) {
        entries_.reserve(std::max(entries, entries_.capacity() * 2));
    }
    const std::size_t size = std::bit_ceil(std::max(kSmallestTable, (usedSlots_ + more) * 2)); // half full
    if (size > slots_.size()) {
        GrowTable(size);
    }
}

void CDxfPointIndex::Prefetch(double x, double y) const {
    if (!slots_.empty() && std::isfinite(x) && std::isfinite(y)) {
        __builtin_prefetch(&slots_[static_cast<std::size_t>(Key(CellOf(x), CellOf(y))) & (slots_.size() - 1)],
                           1);
    }
}

int CDxfPointIndex::FindNearest(double x, double y, double squaredDistance) const {
    if (!std::isfinite(x) || !std::isfinite(y) || entries_.empty()) {
        return -1;
    }
    // Every point within the search distance lies in the cells of this square.
    const double reach = searchDistance_;
    const std::int64_t lowX = CellOf(x - reach);
    const std::int64_t highX = CellOf(x + reach);
    const std::int64_t lowY = CellOf(y - reach);
    const std::int64_t highY = CellOf(y + reach);
    int best = -1;
    for (std::int64_t cx = lowX; cx <= highX; ++cx) {
        for (std::int64_t cy = lowY; cy <= highY; ++cy) {
            const std::uint64_t key = Key(cx, cy);
            if (!MayHold(key)) {
                continue;
            }
            for (int i = slots_[SlotOf(key)].head; i >= 0; i = entries_[i].next) {
                const Entry& entry = entries_[i];
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
