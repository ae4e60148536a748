#include "PlotItemPool.h"

#include "platform/core/AddressSanitizerBuild.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <memory>
#include <new>
#include <utility>
#include <vector>

#include <sys/mman.h>

namespace zapho {

namespace {

constexpr bool kPoolEnabled = !platform::kAddressSanitizerBuild;

constexpr std::size_t kGranule = 16;
constexpr std::size_t kClasses = PlotItemPool::kLargestPooled / kGranule;
// Blocks grow from 64 KiB to 2 MiB, so that a small drawing keeps little memory while a
// large one is served from huge pages: faulting in a million items 4 KiB at a time cost
// about as much as reading their file.
constexpr std::size_t kFirstBlockBytes = 64 * 1024;
constexpr std::size_t kLargestBlockBytes = 2 * 1024 * 1024;

struct FreeItem {
    FreeItem* next;
};

struct BlockDeleter {
    void operator()(std::byte* block) const noexcept { std::free(block); }
};

class ThreadPool {
public:
    void* Take(std::size_t sizeClass) {
        FreeItem*& head = free_[sizeClass];
        if (head) {
            FreeItem* item = head;
            head = item->next;
            usedBytes_ += static_cast<long long>((sizeClass + 1) * kGranule);
            return item;
        }
        const std::size_t itemBytes = (sizeClass + 1) * kGranule;
        Fresh& fresh = fresh_[sizeClass];
        if (fresh.left < itemBytes) {
            NewBlock(fresh);
        }
        std::byte* item = fresh.next;
        fresh.next += itemBytes;
        fresh.left -= itemBytes;
        usedBytes_ += static_cast<long long>(itemBytes);
        return item;
    }
    void Give(void* item, std::size_t sizeClass) noexcept {
        auto* freed = static_cast<FreeItem*>(item);
        freed->next = free_[sizeClass];
        free_[sizeClass] = freed;
        usedBytes_ -= static_cast<long long>((sizeClass + 1) * kGranule);
    }

    // Takes over another pool's blocks and free places; the uncut rest of its newest blocks
    // is left unused.
    void Absorb(ThreadPool& other) {
        for (std::size_t sizeClass = 0; sizeClass < kClasses; ++sizeClass) {
            FreeItem* head = other.free_[sizeClass];
            if (head) {
                FreeItem* last = head;
                while (last->next) {
                    last = last->next;
                }
                last->next = free_[sizeClass];
                free_[sizeClass] = head;
            }
            other.free_[sizeClass] = nullptr;
            other.blockBytes_ -= other.fresh_[sizeClass].left;
            other.fresh_[sizeClass] = Fresh{};
        }
        blocks_.reserve(blocks_.size() + other.blocks_.size());
        for (auto& block : other.blocks_) {
            blocks_.push_back(std::move(block));
        }
        other.blocks_.clear();
        blockBytes_ += std::exchange(other.blockBytes_, 0);
        usedBytes_ += std::exchange(other.usedBytes_, 0);
    }

    void UseLargeBlocks() noexcept {
        for (Fresh& fresh : fresh_) {
            fresh.blockBytes = std::max(fresh.blockBytes, kLargestBlockBytes / 2);
        }
    }

    std::size_t FreeBytes() const noexcept {
        const long long free = static_cast<long long>(blockBytes_) - usedBytes_;
        return free > 0 ? static_cast<std::size_t>(free) : 0;
    }

private:
    // The part of a class's newest block no item has used yet; items are cut from it in
    // turn, so that a block's pages are touched only as its items are made.
    struct Fresh {
        std::byte* next = nullptr;
        std::size_t left = 0;
        std::size_t blockBytes = kFirstBlockBytes / 2;
    };

    void NewBlock(Fresh& fresh) {
        fresh.blockBytes = std::min(fresh.blockBytes * 2, kLargestBlockBytes);
        const std::size_t alignment = fresh.blockBytes == kLargestBlockBytes ? kLargestBlockBytes : kGranule;
        auto* block = static_cast<std::byte*>(std::aligned_alloc(alignment, fresh.blockBytes));
        if (!block) {
            throw std::bad_alloc();
        }
        blocks_.emplace_back(block);
        blockBytes_ += fresh.blockBytes;
#if defined(MADV_HUGEPAGE)
        if (fresh.blockBytes == kLargestBlockBytes) {
            // Only a hint: without huge pages the block is used as it is.
            ::madvise(block, fresh.blockBytes, MADV_HUGEPAGE);
        }
#endif
        fresh.next = block;
        fresh.left = fresh.blockBytes;
    }

    std::array<FreeItem*, kClasses> free_{};
    std::array<Fresh, kClasses> fresh_{};
    std::vector<std::unique_ptr<std::byte, BlockDeleter>> blocks_;
    std::size_t blockBytes_ = 0;
    // Items of other threads' blocks may be dropped here: the count may pass below zero.
    long long usedBytes_ = 0;
};

// Kept to the end of the thread, so that items that outlive a drawing (or are dropped late)
// still point into live blocks. A plain pointer made on first use: a thread_local object
// made where it is declared costs a guard test and a call at each of a million items.
thread_local ThreadPool* threadPool = nullptr;

ThreadPool& Pool() {
    if (!threadPool) [[unlikely]] {
        threadPool = new ThreadPool;
    }
    return *threadPool;
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

class PlotItemPool::ThreadBlocks {
public:
    explicit ThreadBlocks(ThreadPool* pool) : pool_(pool) {}
    std::unique_ptr<ThreadPool> pool_;
};

void PlotItemPool::ThreadBlocksDeleter::operator()(ThreadBlocks* blocks) const noexcept {
    // Blocks nobody takes over stay allocated, as their items may still be in use.
    if (blocks) {
        (void)blocks->pool_.release();
    }
    delete blocks;
}

PlotItemPool::ThreadBlocksPtr PlotItemPool::TakeThreadBlocks() {
    if (!threadPool) {
        return nullptr;
    }
    ThreadBlocksPtr blocks(new ThreadBlocks(threadPool));
    threadPool = nullptr;
    return blocks;
}

void PlotItemPool::AddThreadBlocks(ThreadBlocksPtr blocks) {
    if (blocks && blocks->pool_) {
        Pool().Absorb(*blocks->pool_);
        blocks->pool_.reset(); // empty now
    }
}

void PlotItemPool::UseLargeBlocks() {
    if (kPoolEnabled) {
        Pool().UseLargeBlocks();
    }
}

std::size_t PlotItemPool::FreeBytes() noexcept {
    return threadPool ? threadPool->FreeBytes() : 0;
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
