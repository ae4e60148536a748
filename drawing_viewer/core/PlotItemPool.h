#pragma once
// Storage of plot items. A drawing of 50 full pages holds a million small items, made one
// by one while a file is read and dropped together when it closes: one heap call each made
// reading and closing such a drawing several times slower than the reading itself. Items
// come instead from blocks of one 16-byte size class each (64 KiB growing to 2 MiB), cut in
// turn; a dropped item's place is taken by the next item of its class, and the blocks stay
// for the next drawing.
// Each thread has its own lists and blocks. Under AddressSanitizer every item goes to the
// heap, so that misuse of a dropped item is still found.

#include <cstddef>

namespace zapho {

class PlotItemPool {
public:
    // Items larger than this go to the heap.
    static constexpr std::size_t kLargestPooled = 128;

    static void* Allocate(std::size_t bytes);
    // bytes: what Allocate was given for it.
    static void Release(void* item, std::size_t bytes) noexcept;
};

} // namespace zapho
