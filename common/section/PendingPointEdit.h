#pragma once
// A change of a section model's points that waits for the user's final click in the view:
// made by the coordinate tables, the coordinate table of the selected points and the move,
// then taken by the document (accept) or thrown away (discard). Until then the document
// changes only in the marks it shows: the points the edit replaces and those it drops.
//
// Copies are kept under the key (number - 1) of the point they stand for, each with what it
// does there; a new point's key is one no point of the document holds.

#include "common/records/PointRecord.h"
#include "common/section/PointKind.h"

#include <map>
#include <vector>

namespace section {

class PendingPointEdit {
public:
    // What the edit works on: ground-surface, measurement or boundary points, or the ground
    // line (ground-surface points and the lines through them in table order).
    enum Target { kGroundPoints = 0, kMeasurePoints = 1, kBoundPoints = 2, kGroundLine = 3 };

    enum class Change {
        kReplace, // the copy takes the point's place: position, kind, name (and weights)
        kMove,    // the point moves to the copy's position and keeps its kind
        kMerge,   // the point moves onto another one and goes; its lines follow that one
        kAdd,     // a new point
    };

    struct Entry {
        Change change = Change::kAdd;
        PointRecord point;
        int mergeInto = -1; // the key of the point a merged one joins
    };

    explicit PendingPointEdit(int target) : target_(target) {}

    int Target() const { return target_; }
    // The kind of the points the edit works on (the ground line's are ground-surface points;
    // boundary points, which share one map, are named by the inner kind).
    PointKind KindOfPoints() const { return KindOfTarget(target_); }
    static PointKind KindOfTarget(int target) {
        return target == kMeasurePoints ? PointKind::kMeasurement
               : target == kBoundPoints ? PointKind::kInnerBoundary
                                        : PointKind::kGround;
    }

    void Put(int key, Change change, const PointRecord& point) { copies_[key] = Entry{change, point, -1}; }
    void PutMerge(int key, const PointRecord& point, int intoKey) {
        copies_[key] = Entry{Change::kMerge, point, intoKey};
    }
    void PutNew(int key, const PointRecord& point) {
        Put(key, Change::kAdd, point);
        ++newPoints_;
    }
    // The copy under the key, or null.
    const Entry* Find(int key) const;
    const std::map<int, Entry>& Copies() const { return copies_; }
    // The copies, taken out of the edit for the document that applies them.
    std::map<int, Entry> TakeCopies();

    // Keys of the document's points that the edit replaces or merges (shown as changing) and
    // drops (shown as going).
    void MarkReplaced(int key) { replaced_.push_back(key); }
    void MarkDropped(int key) { dropped_.push_back(key); }
    const std::vector<int>& Replaced() const { return replaced_; }
    const std::vector<int>& Dropped() const { return dropped_; }

    // The ground line's points in order, by key, once the edit is applied.
    std::vector<int>& LineKeys() { return lineKeys_; }
    const std::vector<int>& LineKeys() const { return lineKeys_; }
    // The ground line runs through its points in another order than before.
    void SetLineOrderChanged() { lineOrderChanged_ = true; }

    // True when applying would change the document.
    bool ChangesAnything() const {
        return !replaced_.empty() || !dropped_.empty() || newPoints_ > 0 || lineOrderChanged_;
    }
    // The copies and marks go; the target stays.
    void Clear();

private:
    int target_;
    std::map<int, Entry> copies_;
    std::vector<int> replaced_;
    std::vector<int> dropped_;
    std::vector<int> lineKeys_;
    int newPoints_ = 0;
    bool lineOrderChanged_ = false;
};

} // namespace section
