#pragma once
// An allocator for the large tables of a long import: an allocation of a huge page or more
// is aligned to one and asks for huge pages, so that its pages come a huge page at a time
// rather than 4 KiB at a time. Smaller ones are ordinary allocations.

#include "platform/core/MemoryPages.h"

#include <cstddef>
#include <new>

namespace platform {

template <typename T> class HugePageAllocator {
public:
    using value_type = T;

    HugePageAllocator() = default;
    template <typename U> HugePageAllocator(const HugePageAllocator<U>&) noexcept {}

    T* allocate(std::size_t count) {
        const std::size_t bytes = count * sizeof(T);
        if (count > kMostCount) {
            throw std::bad_array_new_length();
        }
        if (!IsHuge(bytes)) {
            return static_cast<T*>(::operator new (bytes, std::align_val_t{alignof(T)}));
        }
        void* block = ::operator new (bytes, std::align_val_t{kHugePageBytes});
        PreferHugePages(block, bytes);
        return static_cast<T*>(block);
    }
    void deallocate(T* block, std::size_t count) noexcept {
        ::operator delete (block, std::align_val_t{IsHuge(count * sizeof(T)) ? kHugePageBytes : alignof(T)});
    }

    template <typename U> bool operator==(const HugePageAllocator<U>&) const noexcept { return true; }

private:
    static constexpr std::size_t kMostCount = static_cast<std::size_t>(-1) / sizeof(T);
    static bool IsHuge(std::size_t bytes) { return bytes >= kHugePageBytes; }
};

} // namespace platform
