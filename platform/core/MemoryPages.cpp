#include "platform/core/MemoryPages.h"

#include <cstdint>
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

namespace platform {

void ProvidePagesForWriting(void* start, std::size_t bytes) noexcept {
#ifdef MADV_POPULATE_WRITE
    static const auto kPageSize = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
    const auto begin = reinterpret_cast<std::uintptr_t>(start);
    const std::uintptr_t first = (begin + kPageSize - 1) & ~(kPageSize - 1);
    const std::uintptr_t last = (begin + bytes) & ~(kPageSize - 1);
    if (last > first) {
        // An older system refuses the request (EINVAL), which changes nothing.
        ::madvise(reinterpret_cast<void*>(first), last - first, MADV_POPULATE_WRITE);
    }
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
