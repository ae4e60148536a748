#pragma once
// The point-key pairs that lines join, for the DXF import's check that a line is not made
// twice. The first pair entered for each lower key lies in a table indexed by that key (the
// editor numbers points one after another, and a ground line's points each begin one line
// of it, so a long polyline's pairs fill the table in order, never missing the cache); any
// other pair goes to an open-addressing table in one flat array. No allocation per line.

#include <cstdint>
#include <vector>

namespace merdok {

class JoinedPairSet {
public:
    // Enters the pair (in either order); false when it was there already.
    bool Insert(int first, int second);
    // Room for this many more pairs, so that a long import does not grow its tables again
    // and again.
    void Reserve(std::size_t more);

private:
    static constexpr std::uint64_t kEmpty = ~std::uint64_t{0};
    static constexpr int kNoPartner = -1; // a higher key is never below the lower one, >= 0
    static std::uint64_t KeyOf(int low, int high);
    // The table place of the lower key, made when new; null for a key beyond the table's reach.
    int* FirstPartnerOf(int low);
    bool HashedInsert(std::uint64_t key);
    // Rehashes the pairs into a table of this size (a power of two).
    void Grow(std::size_t size);

    std::vector<int> firstPartners_;  // by lower key: the higher key of its first pair
    std::vector<std::uint64_t> keys_; // the other pairs; kEmpty: a free slot
    std::size_t count_ = 0;
    bool holdsEmptyKey_ = false; // the pair (-1, -1), whose key marks free slots
};

} // namespace merdok
