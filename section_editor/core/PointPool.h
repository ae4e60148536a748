#pragma once
// Storage of the section model's points (CNode's class operator new and delete): a model of a
// hundred thousand points, each still an object of its own, takes them from blocks rather than
// one heap allocation each. Free places go to a list of the thread that frees them and are
// taken again by its next points; blocks stay for the next model and are never given back, so
// a point freed on another thread than the one that made it is still sound. Under
// AddressSanitizer every point is a heap allocation of its own.

#include <cstddef>

namespace merdok {

class PointPool {
public:
    // A place for an object of this size: a point's from the blocks, any other from the heap.
    static void* Allocate(std::size_t size);
    // Gives back a place that Allocate gave for this size.
    static void Free(void* place, std::size_t size) noexcept;
};

} // namespace merdok
