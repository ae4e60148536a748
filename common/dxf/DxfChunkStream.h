#pragma once
// Items handed a chunk at a time from the thread that makes them to the thread that takes
// them: a long polyline's points are then read and looked up beside their adding rather
// than before it. The chunks are made once and go round between the two, with no allocation
// after the stream's own; the making side waits while all are full.

#include <array>
#include <condition_variable>
#include <cstddef>
#include <exception>
#include <memory>
#include <mutex>
#include <span>
#include <utility>

template <typename Item> class DxfChunkStream {
public:
    static constexpr std::size_t kChunkItems = 2048;

    DxfChunkStream() {
        for (Chunk& chunk : chunks_) {
            chunk.items = std::make_unique_for_overwrite<Item[]>(kChunkItems);
            free_[freeCount_++] = &chunk;
        }
    }
    DxfChunkStream(const DxfChunkStream&) = delete;
    DxfChunkStream& operator=(const DxfChunkStream&) = delete;

    // --- the making side
    // False when the taking side has abandoned the stream: the item is dropped.
    bool Push(const Item& item) {
        if (!making_.chunk && !(making_.chunk = TakeFreeChunk())) {
            return false;
        }
        making_.chunk->items[making_.count++] = item;
        if (making_.count == kChunkItems) {
            Publish();
        }
        return true;
    }
    // The last item is pushed, or the making failed (failure not null): the taking side
    // takes what was pushed, then the end.
    void Close(std::exception_ptr failure = nullptr) {
        if (making_.chunk) {
            Publish();
        }
        std::lock_guard lock(mutex_);
        closed_ = true;
        failure_ = std::move(failure);
        changed_.notify_all();
    }

    // --- the taking side
    // The next chunk's items, empty at the end. The chunk taken before goes back to the
    // making side.
    std::span<Item> Take() {
        std::unique_lock lock(mutex_);
        if (taken_) {
            free_[freeCount_++] = std::exchange(taken_, nullptr);
            changed_.notify_all();
        }
        changed_.wait(lock, [this] { return closed_ || fullCount_ > 0; });
        if (fullCount_ == 0) {
            return {};
        }
        taken_ = full_[fullFirst_];
        fullFirst_ = (fullFirst_ + 1) % kChunks;
        --fullCount_;
        return {taken_->items.get(), taken_->count};
    }
    // The taking side takes no more: the making side's pushes fail from now on.
    void Abandon() {
        std::lock_guard lock(mutex_);
        abandoned_ = true;
        changed_.notify_all();
    }
    // What the making side closed the stream with.
    std::exception_ptr Failure() const {
        std::lock_guard lock(mutex_);
        return failure_;
    }

private:
    // Enough for the making side to run ahead while the taking side works on a chunk, few
    // enough that they stay in cache.
    static constexpr std::size_t kChunks = 4;

    struct Chunk {
        std::unique_ptr<Item[]> items;
        std::size_t count = 0;
    };
    // A free chunk for the making side, null when the stream was abandoned.
    Chunk* TakeFreeChunk() {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return abandoned_ || freeCount_ > 0; });
        if (abandoned_) {
            return nullptr;
        }
        making_.count = 0;
        return free_[--freeCount_];
    }
    void Publish() {
        making_.chunk->count = making_.count;
        std::lock_guard lock(mutex_);
        full_[(fullFirst_ + fullCount_++) % kChunks] = std::exchange(making_.chunk, nullptr);
        changed_.notify_all();
    }

    std::array<Chunk, kChunks> chunks_;
    // The making side's chunk and its count so far, written for every item: on cache lines
    // of their own, apart from what the taking side writes.
    struct alignas(128) MakingSide {
        Chunk* chunk = nullptr;
        std::size_t count = 0;
    } making_;
    Chunk* taken_ = nullptr; // the taking side's chunk

    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::array<Chunk*, kChunks> free_{};
    std::size_t freeCount_ = 0;
    std::array<Chunk*, kChunks> full_{}; // a ring, in the order they were filled
    std::size_t fullFirst_ = 0;
    std::size_t fullCount_ = 0;
    bool closed_ = false;
    bool abandoned_ = false;
    std::exception_ptr failure_;
};
