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

private:
    static std::uint64_t KeyOf(int first, int second);
    void Grow();

    std::vector<std::uint64_t> keys_;
    std::vector<char> used_;
    std::size_t count_ = 0;
};

} // namespace merdok
