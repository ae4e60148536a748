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
#include <memory>

namespace zapho {

class PlotItemPool {
public:
    // Items larger than this go to the heap.
    static constexpr std::size_t kLargestPooled = 128;

    static void* Allocate(std::size_t bytes);
    // bytes: what Allocate was given for it.
    static void Release(void* item, std::size_t bytes) noexcept;

    // A thread's blocks and free places, taken from it. A thread that makes items for
    // another hands them over before it ends, so that the places of its items, once
    // dropped there, serve that thread's next items.
    class ThreadBlocks;
    struct ThreadBlocksDeleter {
        void operator()(ThreadBlocks* blocks) const noexcept;
    };
    using ThreadBlocksPtr = std::unique_ptr<ThreadBlocks, ThreadBlocksDeleter>;

    // The calling thread's blocks (null when it has none); its next item starts new ones.
    static ThreadBlocksPtr TakeThreadBlocks();
    // Makes another thread's blocks the calling thread's too.
    static void AddThreadBlocks(ThreadBlocksPtr blocks);
    // The calling thread's next blocks are of the largest size at once: for a thread that
    // makes a large part of a drawing, where small blocks first would cost page by page.
    static void UseLargeBlocks();
    // Bytes of the calling thread's blocks that its items can still take.
    static std::size_t FreeBytes() noexcept;
};

} // namespace zapho
