#include "section_editor/core/AllPointsIndex.h"

#include <algorithm>

namespace merdok {

void AllPointsIndex::Set(int seqNo, CNode* point) {
    if (seqNo < 0 || !point) {
        return;
    }
    const auto at = static_cast<std::size_t>(seqNo);
    if (at >= places_.size()) {
        // Numbers come one after another: the next one is appended, not filled in.
        places_.resize(at, nullptr);
        places_.push_back(point);
        ++count_;
        return;
    }
    count_ += places_[at] ? 0 : 1;
    places_[at] = point;
}

void AllPointsIndex::Remove(int seqNo, const CNode* point) {
    const auto at = static_cast<std::size_t>(seqNo);
    if (seqNo < 0 || at >= places_.size() || places_[at] != point || !point) {
        return;
    }
    places_[at] = nullptr;
    --count_;
    while (!places_.empty() && !places_.back()) {
        places_.pop_back();
    }
}

void AllPointsIndex::Reserve(std::size_t more) {
    // By doubling at least, so that the reservations of many short polylines cost no more than none.
    const std::size_t wanted = places_.size() + more;
    if (wanted > places_.capacity()) {
        places_.reserve(std::max(wanted, places_.capacity() * 2));
    }
}

void AllPointsIndex::clear() {
    places_.clear();
    count_ = 0;
}

} // namespace merdok
