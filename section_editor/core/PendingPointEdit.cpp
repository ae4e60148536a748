#include "section_editor/core/PendingPointEdit.h"

#include "section_editor/core/CBlockDoc.h"

#include <algorithm>
#include <set>
#include <utility>

namespace merdok {

void PendingPointEdit::MarkDocument(CBlockDoc& doc) const {
    RecordMap<CNode>& map = doc.PointMap(MapKind());
    for (const auto& [key, point] : map) {
        point->SetState(CNode::kNormal);
    }
    doc.SetLineStates(CLine::kNormal);
    for (int key : replaced_) {
        if (CNode* point = map.Lookup(key)) {
            point->SetState(CNode::kChanging);
        }
    }
    for (int key : dropped_) {
        if (CNode* point = map.Lookup(key)) {
            point->SetState(CNode::kListed);
        }
    }
    if (MapKind() != CNode::kGround || dropped_.empty()) {
        return;
    }
    for (const auto& [key, line] : doc.m_LineList) {
        for (int dropped : dropped_) {
            if (line->HasEnd(dropped)) {
                line->SetState(CLine::kDropped);
            }
        }
    }
}

bool PendingPointEdit::CanBuildLine(CBlockDoc& doc) const {
    for (std::size_t i = 1; i < lineKeys_.size(); ++i) {
        if (lineKeys_[i - 1] == lineKeys_[i]) {
            return false;
        }
    }
    const int lines = std::max(0, static_cast<int>(lineKeys_.size()) - 1);
    return doc.CheckDataLimit(lines, doc.m_nLimit[CBlockDoc::kLineLimit], CBlockDoc::kLineLimit) != FALSE;
}

void PendingPointEdit::RebuildLine(CBlockDoc& doc) const {
    doc.m_LineList.RemoveAll();
    int count = 0;
    for (std::size_t i = 1; i < lineKeys_.size(); ++i) {
        if (doc.AddLine(lineKeys_[i - 1], lineKeys_[i], count) > 0) {
            ++count;
        }
    }
    doc.m_nLineCount = count;
}

void PendingPointEdit::RemoveDroppedLines(CBlockDoc& doc) const {
    std::set<std::pair<int, int>> ends;
    for (int key : doc.m_LineList.Keys()) {
        const CLine* line = doc.m_LineList.Lookup(key);
        const std::pair<int, int> span = std::minmax(line->GetNode1(), line->GetNode2());
        // A merge leaves a line from a point to itself, or a second line between two points.
        if (line->GetState() == CLine::kDropped || !ends.insert(span).second) {
            doc.m_LineList.Remove(key);
        }
    }
}

BOOL PendingPointEdit::Accept(CBlockDoc& doc) {
    if (target_ == kGroundLine && !CanBuildLine(doc)) {
        Discard(doc);
        return FALSE;
    }
    MarkDocument(doc);
    const int mapKind = MapKind();
    if (mapKind == CNode::kGround) {
        RemoveDroppedLines(doc);
    }
    doc.DeletePointsInState(mapKind, CNode::kListed);
    doc.ApplyPointChanges(copies_, mapKind);
    doc.NextNumber(mapKind) = CBlockDoc::HighestKeyPlusOne(doc.PointMap(mapKind));
    if (target_ == kGroundLine) {
        RebuildLine(doc);
    } else if (mapKind == CNode::kGround) {
        RemoveDroppedLines(doc);
    }
    doc.SetLineStates(CLine::kNormal);
    doc.SetModifiedFlag(true);
    replaced_.clear();
    dropped_.clear();
    return TRUE;
}

void PendingPointEdit::Discard(CBlockDoc& doc) {
    doc.SetPointStates(MapKind(), CNode::kNormal);
    doc.SetNodeStates(CNode::kNormal);
    doc.SetLineStates(CLine::kNormal);
    copies_.RemoveAll();
    replaced_.clear();
    dropped_.clear();
}

} // namespace merdok
