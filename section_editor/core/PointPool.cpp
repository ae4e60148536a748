#include "section_editor/core/PointPool.h"

#include "section_editor/core/CNode.h"

#include "platform/core/AddressSanitizerBuild.h"

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

constexpr std::size_t kPlaceSize = std::max(sizeof(CNode), sizeof(FreePlace));
constexpr std::size_t kPlaceAlign = std::max(alignof(CNode), alignof(FreePlace));
static_assert(kPlaceSize % kPlaceAlign == 0);
// A small model keeps little memory; a large one grows by blocks of 2 MiB.
constexpr std::size_t kFirstBlockPlaces = 64 * 1024 / kPlaceSize;
constexpr std::size_t kLargestBlockPlaces = 2 * 1024 * 1024 / kPlaceSize;

struct Block {
    explicit Block(std::size_t places)
        : bytes(new (std::align_val_t{kPlaceAlign}) std::byte[places * kPlaceSize]) {}
    struct Release {
        void operator()(std::byte* bytes) const noexcept {
            ::operator delete[](bytes, std::align_val_t{kPlaceAlign});
        }
    };
    std::unique_ptr<std::byte[], Release> bytes;
};

// Every block ever made, so that none is lost with the thread that made it.
class BlockRegistry {
public:
    std::byte* Add(std::size_t places) {
        std::lock_guard<std::mutex> lock(mutex_);
        blocks_.emplace_back(places);
        return blocks_.back().bytes.get();
    }

private:
    std::mutex mutex_;
    std::vector<Block> blocks_;
};

BlockRegistry& Registry() {
    static BlockRegistry registry; // NOLINT(cppcoreguidelines-avoid-non-const-global-variables)
    return registry;
}

// The places of one thread: freed ones first, then the unused rest of its newest block.
struct ThreadPlaces {
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
            next = Registry().Add(blockPlaces);
            left = blockPlaces;
            blockPlaces = std::min(blockPlaces * 2, kLargestBlockPlaces);
        }
        void* place = next;
        next += kPlaceSize;
        --left;
        return place;
    }
};

ThreadPlaces& Places() {
    thread_local ThreadPlaces places;
    return places;
}

} // namespace

void* PointPool::Allocate(std::size_t size) {
    if (!kPoolEnabled || size != sizeof(CNode)) {
        return ::operator new(size);
    }
    return Places().Take();
}

void PointPool::Free(void* place, std::size_t size) noexcept {
    if (!place) {
        return;
    }
    if (!kPoolEnabled || size != sizeof(CNode)) {
        ::operator delete(place);
        return;
    }
    ThreadPlaces& places = Places();
    auto* freed = static_cast<FreePlace*>(place);
    freed->next = places.freed;
    places.freed = freed;
}

} // namespace merdok
