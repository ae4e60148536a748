#include "section_editor/core/JoinedPairSet.h"

#include <algorithm>
#include <bit>
#include <utility>

namespace merdok {

namespace {

constexpr std::size_t kSmallestTable = 64;

std::size_t SlotOf(std::uint64_t key, std::size_t mask) {
    std::uint64_t mixed = (key ^ (key >> 31)) * 0x9E3779B97F4A7C15ULL;
    return static_cast<std::size_t>(mixed ^ (mixed >> 29)) & mask;
}

} // namespace

std::uint64_t JoinedPairSet::KeyOf(int first, int second) {
    const auto [low, high] = std::minmax(first, second);
    return static_cast<std::uint64_t>(static_cast<std::uint32_t>(low)) << 32 |
           static_cast<std::uint32_t>(high);
}

bool JoinedPairSet::Insert(int first, int second) {
    const std::uint64_t key = KeyOf(first, second);
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
    const std::size_t size = std::bit_ceil(std::max(kSmallestTable, (count_ + more) * 2)); // half full
    if (size > keys_.size()) {
        Grow(size);
    }
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
