#include "section_editor/core/GroundLineJoints.h"

#include <algorithm>

namespace merdok {

namespace {

// Keys up to this many per record (and a little) go into a direct table.
constexpr long long kDenseKeysPerRecord = 4;
constexpr long long kDenseSlack = 1024;

} // namespace

int& GroundLineJoints::SparseSlot(int key) {
    return sparse_.try_emplace(key, -1).first->second;
}

inline int GroundLineJoints::TakeSlot(int key) {
    int& slot = table_.empty() ? SparseSlot(key) : table_[static_cast<std::size_t>(key)];
    if (slot < 0) {
        slot = static_cast<int>(slots_.size());
        slots_.emplace_back();
    }
    return slot;
}

inline void GroundLineJoints::Meet(int key, int line) {
    Slot& slot = slots_[static_cast<std::size_t>(TakeSlot(key))];
    if (slot.count < 2) {
        slot.lines[slot.count] = line;
    }
    ++slot.count;
}

GroundLineJoints::GroundLineJoints(const RecordMap<CNode>& points, const RecordMap<CLine>& lines) {
    int lowest = points.IsEmpty() ? 0 : points.begin()->first;
    int highest = points.MaxKey();
    lines_.reserve(static_cast<std::size_t>(lines.GetCount()));
    lines.ForEach([&](int /*key*/, const CLine& line) {
        if (line.GetState() >= 0) {
            const LineEnds ends{line.GetNode1(), line.GetNode2()};
            lines_.push_back(ends);
            lowest = std::min({lowest, ends.first, ends.second});
            highest = std::max({highest, ends.first, ends.second});
        }
    });
    const long long records =
        static_cast<long long>(points.GetCount()) + static_cast<long long>(lines_.size());
    if (lowest >= 0 && highest < kDenseKeysPerRecord * records + kDenseSlack) {
        table_.assign(static_cast<std::size_t>(highest) + 1, -1);
    }
    slots_.reserve(static_cast<std::size_t>(points.GetCount()));
    points.ForEach([this](int key, const CNode& point) {
        slots_[static_cast<std::size_t>(TakeSlot(key))].point = &point;
    });
    pointCount_ = static_cast<int>(slots_.size());
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        Meet(lines_[i].first, static_cast<int>(i));
        Meet(lines_[i].second, static_cast<int>(i));
    }
}

int GroundLineJoints::SlotOf(int key) const {
    if (!table_.empty()) {
        return key >= 0 && static_cast<std::size_t>(key) < table_.size()
                   ? table_[static_cast<std::size_t>(key)]
                   : -1;
    }
    auto it = sparse_.find(key);
    return it == sparse_.end() ? -1 : it->second;
}

} // namespace merdok
