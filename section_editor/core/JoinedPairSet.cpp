#include "section_editor/core/JoinedPairSet.h"

#include <algorithm>

namespace merdok {

std::uint64_t JoinedPairSet::KeyOf(int first, int second) {
    const auto [low, high] = std::minmax(first, second);
    return static_cast<std::uint64_t>(static_cast<std::uint32_t>(low)) << 32 |
           static_cast<std::uint32_t>(high);
}

namespace {

std::size_t SlotOf(std::uint64_t key, std::size_t mask) {
    std::uint64_t mixed = (key ^ (key >> 31)) * 0x9E3779B97F4A7C15ULL;
    return static_cast<std::size_t>(mixed ^ (mixed >> 29)) & mask;
}

} // namespace

bool JoinedPairSet::Insert(int first, int second) {
    if ((count_ + 1) * 2 > keys_.size()) { // at most half full
        Grow();
    }
    const std::uint64_t key = KeyOf(first, second);
    const std::size_t mask = keys_.size() - 1;
    std::size_t slot = SlotOf(key, mask);
    for (; used_[slot]; slot = (slot + 1) & mask) {
        if (keys_[slot] == key) {
            return false;
        }
    }
    keys_[slot] = key;
    used_[slot] = 1;
    ++count_;
    return true;
}

void JoinedPairSet::Grow() {
    std::vector<std::uint64_t> keys = std::move(keys_);
    std::vector<char> used = std::move(used_);
    const std::size_t size = std::max<std::size_t>(64, keys.size() * 2);
    keys_.assign(size, 0);
    used_.assign(size, 0);
    const std::size_t mask = size - 1;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (used[i]) {
            std::size_t slot = SlotOf(keys[i], mask);
            while (used_[slot]) {
                slot = (slot + 1) & mask;
            }
            keys_[slot] = keys[i];
            used_[slot] = 1;
        }
    }
}

} // namespace merdok
