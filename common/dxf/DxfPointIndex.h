#pragma once
// Grid index of points for the "same point" search of an importing document, so that
// a search does not scan every point. Cells are as wide as the search distance, so a
// match lies in the 3 x 3 cells around the query point.

#include <cstdint>
#include <unordered_map>
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
    // Lowest index whose squared distance to (x, y) is <= squaredDistance, -1 when none.
    // squaredDistance must not exceed the square of the search distance.
    int FindNearest(double x, double y, double squaredDistance) const;
    int GetCount() const { return count_; }

private:
    struct Entry {
        int index;
        double x;
        double y;
    };
    std::int64_t CellOf(double value) const;
    static std::uint64_t Key(std::int64_t cellX, std::int64_t cellY);

    double cellSize_ = 1.0;
    int count_ = 0;
    std::unordered_map<std::uint64_t, std::vector<Entry>> cells_;
};
