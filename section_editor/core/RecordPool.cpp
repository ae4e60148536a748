#include "section_editor/core/RecordPool.h"

#include "section_editor/core/CLine.h"
#include "section_editor/core/CNode.h"

#include "platform/core/AddressSanitizerBuild.h"
#include "platform/core/MemoryPages.h"

#include <algorithm>
#include <memory>
#include <mutex>
#include <new>
#include <vector>

namespace merdok {

namespace {

constexpr bool kPoolEnabled = !platform::kAddressSanitizerBuild;

struct FreePlace {
    FreePlace* next;
};

constexpr std::size_t kBlockAlign = std::max({alignof(CNode), alignof(CLine), alignof(FreePlace)});

struct Block {
    explicit Block(std::size_t bytes) : bytes(new (std::align_val_t{kBlockAlign}) std::byte[bytes]) {}
    struct Release {
        void operator()(std::byte* bytes) const noexcept {
            ::operator delete[](bytes, std::align_val_t{kBlockAlign});
        }
    };
    std::unique_ptr<std::byte[], Release> bytes;
};

// Every block ever made, so that none is lost with the thread that made it.
class BlockRegistry {
public:
    std::byte* Add(std::size_t bytes) {
        std::lock_guard<std::mutex> lock(mutex_);
        blocks_.emplace_back(bytes);
        std::byte* block = blocks_.back().bytes.get();
        // Records fill a block from its start, each page of it soon written.
        platform::ProvidePagesForWriting(block, bytes);
        return block;
    }

private:
    std::mutex mutex_;
    std::vector<Block> blocks_;
};

// Never taken apart: the blocks go with the process, which a program's exit then spares a
// release of every block.
BlockRegistry& Registry() {
    static auto* registry = new BlockRegistry; // NOLINT(cppcoreguidelines-avoid-non-const-global-variables)
    return *registry;
}

// The places of one thread for records of one class: freed ones first, then the unused rest
// of its newest block. A small model keeps little memory; a large one grows by blocks of 2 MiB.
template <typename Record> struct ThreadPlaces {
    static constexpr std::size_t kPlaceSize = std::max(sizeof(Record), sizeof(FreePlace));
    static_assert(kPlaceSize % std::max(alignof(Record), alignof(FreePlace)) == 0);
    static constexpr std::size_t kFirstBlockPlaces = 64 * 1024 / kPlaceSize;
    static constexpr std::size_t kLargestBlockPlaces = 2 * 1024 * 1024 / kPlaceSize;

    FreePlace* freed = nullptr;
    std::byte* next = nullptr;
    std::size_t left = 0;
    std::size_t blockPlaces = kFirstBlockPlaces;

    void* Take() {
        if (freed) {
            FreePlace* place = freed;
            freed = place->next;
            return place;
        }
        if (left == 0) {
            next = Registry().Add(blockPlaces * kPlaceSize);
            left = blockPlaces;
            blockPlaces = std::min(blockPlaces * 2, kLargestBlockPlaces);
        }
        void* place = next;
        next += kPlaceSize;
        --left;
        return place;
    }
    void Give(void* place) noexcept {
        auto* given = static_cast<FreePlace*>(place);
        given->next = freed;
        freed = given;
    }
};

template <typename Record> ThreadPlaces<Record>& Places() {
    thread_local ThreadPlaces<Record> places;
    return places;
}

} // namespace

template <typename Record> void* RecordPool<Record>::Allocate(std::size_t size) {
    if (kPoolEnabled && size == sizeof(Record)) {
        return Places<Record>().Take();
    }
    return ::operator new(size);
}

template <typename Record> void RecordPool<Record>::Free(void* place, std::size_t size) noexcept {
    if (kPoolEnabled && place && size == sizeof(Record)) {
        Places<Record>().Give(place);
    } else {
        ::operator delete(place);
    }
}

template class RecordPool<CNode>;
template class RecordPool<CLine>;

} // namespace merdok
