#pragma once
// The point-key pairs that lines join, for the DXF import's check that a line is not made
// twice: an open-addressing table in one flat array, so that an import of a hundred
// thousand lines makes no allocation per line.

#include <cstdint>
#include <vector>

namespace merdok {

class JoinedPairSet {
public:
    // Enters the pair (in either order); false when it was there already.
    bool Insert(int first, int second);
    // Room for this many more pairs, so that a long import does not rehash again and again.
    void Reserve(std::size_t more);

private:
    static constexpr std::uint64_t kEmpty = ~std::uint64_t{0};
    static std::uint64_t KeyOf(int first, int second);
    // Rehashes the pairs into a table of this size (a power of two).
    void Grow(std::size_t size);

    std::vector<std::uint64_t> keys_; // kEmpty: a free slot
    std::size_t count_ = 0;
    bool holdsEmptyKey_ = false; // the pair (-1, -1), whose key marks free slots
};

} // namespace merdok
