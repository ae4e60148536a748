#pragma once
// Storage of the section model's points and lines (the class operator new and delete of
// CNode and CLine): a model of a hundred thousand of each, every record still an object of
// its own, takes them from blocks rather than one heap allocation each. Points and lines
// have blocks of their own. Free places go to a list of the thread that frees them and are
// taken again by its next records of the size; blocks stay for the next model and are never
// given back (not even at the exit), so a record freed on another thread than the one that
// made it is still sound.
// Under AddressSanitizer every record is a heap allocation of its own.

#include <cstddef>

namespace merdok {

// Record is CNode or CLine, the two the pool is made for; a class derived from one, of
// another size, gets heap places through it.
template <typename Record> class RecordPool {
public:
    // A place for an object of this size: from the record's blocks when it is the record's
    // own size, else from the heap.
    static void* Allocate(std::size_t size);
    // Gives back a place that Allocate gave for this size.
    static void Free(void* place, std::size_t size) noexcept;
};

} // namespace merdok
