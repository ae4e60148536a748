#include "platform/core/MemoryPages.h"

#include <cstdint>
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

namespace platform {

namespace {

// Gives the advice for the whole pages of this size within the range, if any. A system
// without the advice refuses it (EINVAL), which changes nothing.
[[maybe_unused]] void AdviseWholePages(void* start, std::size_t bytes, std::uintptr_t pageSize,
                                       int advice) noexcept {
    const auto begin = reinterpret_cast<std::uintptr_t>(start);
    const std::uintptr_t first = (begin + pageSize - 1) & ~(pageSize - 1);
    const std::uintptr_t last = (begin + bytes) & ~(pageSize - 1);
    if (last > first) {
        ::madvise(reinterpret_cast<void*>(first), last - first, advice);
    }
}

} // namespace

void ProvidePagesForWriting(void* start, std::size_t bytes) noexcept {
#ifdef MADV_POPULATE_WRITE
    static const auto kPageSize = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
    AdviseWholePages(start, bytes, kPageSize, MADV_POPULATE_WRITE);
#else
    (void)start;
    (void)bytes;
#endif
}

void PreferHugePages(void* start, std::size_t bytes) noexcept {
#ifdef MADV_HUGEPAGE
    AdviseWholePages(start, bytes, kHugePageBytes, MADV_HUGEPAGE);
#else
    (void)start;
    (void)bytes;
#endif
}

void KeepFreedMemoryForReuse() noexcept {
#ifdef M_MMAP_THRESHOLD
    // A block below the threshold comes from the heap, where a freed one is reused; the heap
    // keeps up to the trim threshold free at its top.
    ::mallopt(M_MMAP_THRESHOLD, 32 << 20);
    ::mallopt(M_TRIM_THRESHOLD, 128 << 20);
#endif
}

} // namespace platform
