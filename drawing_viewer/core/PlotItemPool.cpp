#include "PlotItemPool.h"

#include <array>
#include <memory>
#include <new>
#include <vector>

namespace zapho {

namespace {

// The sanitizers must see every item as an allocation of its own, or a use after free goes
// unnoticed inside a pool block.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kPoolEnabled = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kPoolEnabled = false;
#else
constexpr bool kPoolEnabled = true;
#endif
#else
constexpr bool kPoolEnabled = true;
#endif

constexpr std::size_t kGranule = 16;
constexpr std::size_t kClasses = PlotItemPool::kLargestPooled / kGranule;
constexpr std::size_t kBlockBytes = 64 * 1024;

struct FreeItem {
    FreeItem* next;
};

class ThreadPool {
public:
    void* Take(std::size_t sizeClass) {
        FreeItem*& head = free_[sizeClass];
        if (!head) {
            Refill(sizeClass);
        }
        FreeItem* item = head;
        head = item->next;
        return item;
    }
    void Give(void* item, std::size_t sizeClass) noexcept {
        auto* freed = static_cast<FreeItem*>(item);
        freed->next = free_[sizeClass];
        free_[sizeClass] = freed;
    }

private:
    // Cuts a new block into items of the class and puts them on its list.
    void Refill(std::size_t sizeClass) {
        const std::size_t itemBytes = (sizeClass + 1) * kGranule;
        blocks_.push_back(std::make_unique_for_overwrite<std::byte[]>(kBlockBytes));
        std::byte* block = blocks_.back().get();
        for (std::size_t at = kBlockBytes / itemBytes; at-- > 0;) {
            Give(block + at * itemBytes, sizeClass);
        }
    }

    std::array<FreeItem*, kClasses> free_{};
    std::vector<std::unique_ptr<std::byte[]>> blocks_;
};

ThreadPool& Pool() {
    // Kept to the end of the thread, so that items that outlive a drawing (or are dropped
    // late) still point into live blocks.
    static thread_local ThreadPool* pool = new ThreadPool;
    return *pool;
}

std::size_t SizeClass(std::size_t bytes) {
    return bytes == 0 ? 0 : (bytes - 1) / kGranule;
}

} // namespace

void* PlotItemPool::Allocate(std::size_t bytes) {
    if (kPoolEnabled && bytes <= kLargestPooled) {
        return Pool().Take(SizeClass(bytes));
    }
    return ::operator new(bytes);
}

void PlotItemPool::Release(void* item, std::size_t bytes) noexcept {
    if (!item) {
        return;
    }
    if (kPoolEnabled && bytes <= kLargestPooled) {
        Pool().Give(item, SizeClass(bytes));
        return;
    }
    ::operator delete(item);
}

} // namespace zapho
