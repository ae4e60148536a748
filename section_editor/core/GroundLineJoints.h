#pragma once
// The lines that meet at each point of the ground line, for the ground-line check that
// orders the line before a save: every key that a ground-surface point or a line end uses
// has a slot with the number of lines meeting there and the first two of them in key
// order (a point where three meet is refused, so no walk needs a third). Flat arrays
// rather than a map of lists, so that a check of a hundred thousand points stays quick.

#include "section_editor/core/CLine.h"
#include "section_editor/core/CNode.h"
#include "section_editor/core/RecordMap.h"

#include <unordered_map>
#include <vector>

namespace merdok {

class GroundLineJoints {
public:
    // Takes the points and the lines not dropped (state >= 0), selected ones too.
    GroundLineJoints(const RecordMap<CNode>& points, const RecordMap<CLine>& lines);

    // The lines taken, numbered in key order from 0.
    int LineCount() const { return static_cast<int>(lines_.size()); }
    // The end of a line taken across from the given end.
    int OtherEnd(int line, int key) const {
        const LineEnds& ends = lines_[static_cast<std::size_t>(line)];
        return ends.first == key ? ends.second : ends.first;
    }
    // Slot of a key (-1 when neither a point nor a line end uses it).
    int SlotOf(int key) const;
    int SlotCount() const { return static_cast<int>(slots_.size()); }
    // The points have the first slots, in key order.
    int PointCount() const { return pointCount_; }
    // The point under the slot's key, or null.
    const CNode* PointAt(int slot) const { return slots_[static_cast<std::size_t>(slot)].point; }
    int MeetingCount(int slot) const { return slots_[static_cast<std::size_t>(slot)].count; }
    // Number of the slot's first or second meeting line.
    int MeetingLine(int slot, int which) const { return slots_[static_cast<std::size_t>(slot)].lines[which]; }

private:
    // The ends' keys, kept here so that a walk of the line reads no line record again.
    struct LineEnds {
        int first;
        int second;
    };
    struct Slot {
        const CNode* point = nullptr;
        int count = 0;
        int lines[2] = {-1, -1};
    };
    // The slot of a key, made when new.
    inline int TakeSlot(int key);
    // The place of a key's slot in the map of sparse keys, -1 when new.
    int& SparseSlot(int key);
    inline void Meet(int key, int line);

    std::vector<LineEnds> lines_;
    std::vector<Slot> slots_;
    int pointCount_ = 0;
    // Key to slot: a table over the keys when they are dense (as the editor numbers points),
    // else a hash map.
    std::vector<int> table_;
    std::unordered_map<int, int> sparse_;
};

} // namespace merdok
