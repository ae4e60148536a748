#include "section_editor/core/PendingEdits.h"

#include "section_editor/core/CBlockDoc.h"

#include <algorithm>
#include <set>
#include <utility>

using section::PointKind;

namespace merdok {

namespace {

// The new ground line can be made: within the line limit (else the document's message) and
// no line with one point at both ends.
bool CanBuildLine(CBlockDoc& doc, const std::vector<int>& lineKeys) {
    for (std::size_t i = 1; i < lineKeys.size(); ++i) {
        if (lineKeys[i - 1] == lineKeys[i]) {
            return false;
        }
    }
    const int lines = std::max(0, static_cast<int>(lineKeys.size()) - 1);
    return doc.CheckDataLimit(lines, doc.m_nLimit[CBlockDoc::kLineLimit], CBlockDoc::kLineLimit) != FALSE;
}

void RebuildLine(CBlockDoc& doc, const std::vector<int>& lineKeys) {
    doc.m_LineList.RemoveAll();
    int count = 0;
    for (std::size_t i = 1; i < lineKeys.size(); ++i) {
        if (doc.AddLine(lineKeys[i - 1], lineKeys[i], count) > 0) {
            ++count;
        }
    }
    doc.m_nLineCount = count;
}

// Lines in state -1 go, and of two lines between the same points the later one.
void RemoveDroppedLines(CBlockDoc& doc) {
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

} // namespace

void MarkPendingEdit(CBlockDoc& doc, const PendingPointEdit& edit) {
    RecordMap<CNode>& map = doc.PointMap(edit.KindOfPoints());
    for (const auto& [key, point] : map) {
        point->SetState(CNode::kNormal);
    }
    doc.SetLineStates(CLine::kNormal);
    for (int key : edit.Replaced()) {
        if (CNode* point = map.Lookup(key)) {
            point->SetState(CNode::kChanging);
        }
    }
    for (int key : edit.Dropped()) {
        if (CNode* point = map.Lookup(key)) {
            point->SetState(CNode::kListed);
        }
    }
    if (edit.KindOfPoints() != PointKind::kGround || edit.Dropped().empty()) {
        return;
    }
    for (const auto& [key, line] : doc.m_LineList) {
        for (int dropped : edit.Dropped()) {
            if (line->HasEnd(dropped)) {
                line->SetState(CLine::kDropped);
            }
        }
    }
}

BOOL AcceptPendingEdit(CBlockDoc& doc, PendingPointEdit& edit) {
    const bool groundLine = edit.Target() == PendingPointEdit::kGroundLine;
    if (groundLine && !CanBuildLine(doc, edit.LineKeys())) {
        DiscardPendingEdit(doc, edit);
        return FALSE;
    }
    MarkPendingEdit(doc, edit);
    const PointKind mapKind = edit.KindOfPoints();
    if (mapKind == PointKind::kGround) {
        RemoveDroppedLines(doc);
    }
    doc.DeletePointsInState(mapKind, CNode::kListed);
    doc.ApplyPointChanges(edit);
    doc.NextNumber(mapKind) = CBlockDoc::HighestKeyPlusOne(doc.PointMap(mapKind));
    if (groundLine) {
        RebuildLine(doc, edit.LineKeys());
    } else if (mapKind == PointKind::kGround) {
        RemoveDroppedLines(doc);
    }
    doc.SetLineStates(CLine::kNormal);
    doc.SetModifiedFlag(true);
    return TRUE;
}

void DiscardPendingEdit(CBlockDoc& doc, PendingPointEdit& edit) {
    doc.SetPointStates(edit.KindOfPoints(), CNode::kNormal);
    doc.SetNodeStates(CNode::kNormal);
    doc.SetLineStates(CLine::kNormal);
    edit.Clear();
}

} // namespace merdok
