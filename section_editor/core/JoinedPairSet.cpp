#include "section_editor/core/JoinedPairSet.h"

#include <algorithm>
#include <bit>
#include <utility>

namespace merdok {

namespace {

constexpr std::size_t kSmallestTable = 64;
// Lower keys below this have a place in the first-partner table (4 MiB at most); point keys
// stay below 100,000.
constexpr int kFirstPartnerKeys = 1 << 20;

std::size_t SlotOf(std::uint64_t key, std::size_t mask) {
    std::uint64_t mixed = (key ^ (key >> 31)) * 0x9E3779B97F4A7C15ULL;
    return static_cast<std::size_t>(mixed ^ (mixed >> 29)) & mask;
}

} // namespace

std::uint64_t JoinedPairSet::KeyOf(int low, int high) {
    return static_cast<std::uint64_t>(static_cast<std::uint32_t>(low)) << 32 |
           static_cast<std::uint32_t>(high);
}

int* JoinedPairSet::FirstPartnerOf(int low) {
    if (low < 0 || low >= kFirstPartnerKeys) {
        return nullptr;
    }
    const auto at = static_cast<std::size_t>(low);
    if (at >= firstPartners_.size()) {
        firstPartners_.resize(std::max(at + 1, firstPartners_.size() * 2), kNoPartner);
    }
    return &firstPartners_[at];
}

bool JoinedPairSet::Insert(int first, int second) {
    const auto [low, high] = std::minmax(first, second);
    // A lower key in the table's reach has its place from its first pair on, so a pair
    // of it is in the hashed table only when its place holds another.
    if (int* partner = FirstPartnerOf(low)) {
        if (*partner == high) {
            return false;
        }
        if (*partner == kNoPartner) {
            *partner = high;
            return true;
        }
    }
    return HashedInsert(KeyOf(low, high));
}

bool JoinedPairSet::HashedInsert(std::uint64_t key) {
    if (key == kEmpty) { // the pair that marks an empty slot is kept aside
        return !std::exchange(holdsEmptyKey_, true);
    }
    if ((count_ + 1) * 2 > keys_.size()) { // at most half full
        Grow(std::max(kSmallestTable, keys_.size() * 2));
    }
    const std::size_t mask = keys_.size() - 1;
    std::size_t slot = SlotOf(key, mask);
    for (; keys_[slot] != kEmpty; slot = (slot + 1) & mask) {
        if (keys_[slot] == key) {
            return false;
        }
    }
    keys_[slot] = key;
    ++count_;
    return true;
}

void JoinedPairSet::Reserve(std::size_t more) {
    // A line per new point at most, each beginning at its own lower key in the usual case.
    const std::size_t wanted =
        std::min(firstPartners_.size() + more, static_cast<std::size_t>(kFirstPartnerKeys));
    firstPartners_.reserve(std::bit_ceil(std::max(wanted, firstPartners_.capacity())));
}

void JoinedPairSet::Grow(std::size_t size) {
    std::vector<std::uint64_t> keys = std::move(keys_);
    keys_.assign(size, kEmpty);
    const std::size_t mask = keys_.size() - 1;
    for (std::uint64_t key : keys) {
        if (key != kEmpty) {
            std::size_t slot = SlotOf(key, mask);
            while (keys_[slot] != kEmpty) {
                slot = (slot + 1) & mask;
            }
            keys_[slot] = key;
        }
    }
}

} // namespace merdok
