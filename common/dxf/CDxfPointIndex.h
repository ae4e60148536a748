#pragma once
// Grid index of points for the "same point" search of an importing document, so that
// a search does not scan every point. Cells are four search distances wide, so a search
// looks at one to four cells. The cells live in an open-addressing table (one memory
// access per probe) and the points of a cell are chained through one flat array.

#include <cstddef>
#include <cstdint>
#include <vector>

class CDxfPointIndex {
public:
    // The search distance decides the cell size; a distance <= 0 or not finite gives
    // cells of 1.0 (an exact-match search still works).
    explicit CDxfPointIndex(double searchDistance = 0.0);

    // Empties the index and sets a new search distance.
    void Reset(double searchDistance);
    // Points with non-finite coordinates are not indexed.
    void Add(int index, double x, double y);
    // Room for this many more points, each in a cell of its own at worst, so that the table
    // is not grown and rehashed again and again while they come.
    void Reserve(std::size_t more);
    // Lowest index whose squared distance to (x, y) is <= squaredDistance, -1 when none.
    // squaredDistance must not exceed the square of the search distance.
    int FindNearest(double x, double y, double squaredDistance) const;
    // Starts fetching the table slot that a search for (x, y) and an entry there read.
    void Prefetch(double x, double y) const;
    int GetCount() const { return static_cast<int>(entries_.size()); }

private:
    struct Entry {
        int index;
        int next; // the next entry of the same cell, -1 at the end
        double x;
        double y;
    };
    std::int64_t CellOf(double value) const;
    static std::uint64_t Key(std::int64_t cellX, std::int64_t cellY);
    static std::uint32_t TagOf(std::uint64_t key) { return static_cast<std::uint32_t>(key >> 32); }
    // The key of the cell that the entry lies in.
    std::uint64_t EntryKey(int entry) const;
    // The slot that holds the key, or the empty slot where it belongs.
    std::size_t SlotOf(std::uint64_t key) const;
    // Rehashes the cells into a table of this size (a power of two).
    void GrowTable(std::size_t size);
    // False when the cell of the key surely holds no point: the filter is an eighth of the
    // table's size and stays in cache, where most searches of a new point end.
    bool MayHold(std::uint64_t key) const;
    void EnterIntoFilter(std::uint64_t key);

    double cellsPerUnit_ = 1.0; // the inverse of the cell size
    double searchDistance_ = 0.0;
    std::vector<Entry> entries_;
    // Cell table, a power of two in size: the key's high half (its low bits place the slot)
    // and the newest entry of the cell (-1: empty slot), side by side so that a probe touches
    // one cache line.
    struct Slot {
        std::uint32_t tag;
        int head;
    };
    std::vector<Slot> slots_;
    std::size_t usedSlots_ = 0;
    std::vector<std::uint64_t> filter_; // one bit per eight slots' worth of key bits
};
