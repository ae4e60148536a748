#pragma once
// Edited copies of points that wait for the user's final click in the view: made by the
// coordinate tables, the coordinate edit of selected points and the move, then applied to
// the document (accept) or thrown away (discard). Until then the document changes only in
// its point and line states, which mark what the edit replaces (1) and drops (-1).
//
// Copies are kept under the key of the point they stand for. A copy that replaces a point
// in state 0 keeps its own kind (a table may change a boundary point's kind); one in state 1
// takes the replaced point's kind, and with a negative sequence number -n merges its point
// into point n. A copy in state -1 only marks its point as dropped.

#include "section_editor/core/CNode.h"
#include "section_editor/core/RecordMap.h"

#include <memory>
#include <vector>

namespace merdok {

class CBlockDoc;

class PendingPointEdit {
public:
    // What the edit works on: ground-surface, measurement or boundary points, or the ground
    // line (ground-surface points and the lines through them in table order).
    enum Target { kGroundPoints = 0, kMeasurePoints = 1, kBoundPoints = 2, kGroundLine = 3 };

    explicit PendingPointEdit(int target) : target_(target) {}

    int Target() const { return target_; }
    // The copy under the key: it replaces the point under that key, or is a new point there.
    void Put(int key, std::unique_ptr<CNode> copy) { copies_.SetAt(key, std::move(copy)); }
    void PutNew(int key, std::unique_ptr<CNode> copy) {
        Put(key, std::move(copy));
        ++newPoints_;
    }
    const RecordMap<CNode>& Copies() const { return copies_; }
    // Keys of the document's points that the edit replaces, merges or drops.
    void MarkReplaced(int key) { replaced_.push_back(key); }
    void MarkDropped(int key) { dropped_.push_back(key); }
    const std::vector<int>& Dropped() const { return dropped_; }
    // The ground line's points in order, by key, once the edit is applied.
    std::vector<int>& LineKeys() { return lineKeys_; }
    const std::vector<int>& LineKeys() const { return lineKeys_; }
    // True when applying would change the document.
    bool ChangesAnything() const {
        return !replaced_.empty() || !dropped_.empty() || newPoints_ > 0 || lineOrderChanged_;
    }
    // The ground line runs through its points in another order than before.
    void SetLineOrderChanged() { lineOrderChanged_ = true; }

    // Sets the marks in the document: replaced points 1, dropped points -1 (with the lines
    // that end at a dropped ground-surface point), every other point of the target 0.
    void MarkDocument(CBlockDoc& doc) const;
    // Applies the copies. The ground line is rebuilt through the points in order; its lines
    // are made before the old ones go, so that a line that cannot be made leaves the
    // document as it was (FALSE after the document's message).
    BOOL Accept(CBlockDoc& doc);
    // Every mark back to 0; the copies go.
    void Discard(CBlockDoc& doc);

private:
    int MapKind() const { return target_ == kGroundLine ? CNode::kGround : target_; }
    // The new ground line can be made: within the line limit (else the document's message)
    // and no line with one point at both ends.
    bool CanBuildLine(CBlockDoc& doc) const;
    void RebuildLine(CBlockDoc& doc) const;
    // Lines in state -1 go, and of two lines between the same points the later one.
    void RemoveDroppedLines(CBlockDoc& doc) const;

    int target_;
    RecordMap<CNode> copies_;
    std::vector<int> replaced_;
    std::vector<int> dropped_;
    std::vector<int> lineKeys_;
    int newPoints_ = 0;
    bool lineOrderChanged_ = false;
};

} // namespace merdok
