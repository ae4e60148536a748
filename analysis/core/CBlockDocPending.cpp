// The pending point changes of the coordinate tables, the selected-points table and the
// move: copies held by the view until the user confirms them with a click. The document
// either takes them (replace, add, merge, remove the points marked for removal with their
// lines) or drops them; in both cases every mark of the kind is reset.

#include "CBlockDoc.h"

#include "analysis/core/CLine.h"
#include "analysis/core/CVerrant.h"
#include "platform/core/MapEntries.h"

#include <algorithm>
#include <vector>

namespace torvan {

namespace {

template <typename T> std::vector<std::pair<WORD, T*>> Entries(const CMapWordToOb& map) {
    std::vector<std::pair<WORD, T*>> entries;
    for (auto [key, object] : platform::MapEntries<T>(map)) {
        entries.emplace_back(key, object);
    }
    return entries;
}

CNode* PointAt(const CMapWordToOb& map, int key) {
    CObject* object = nullptr;
    if (key < 0 || key > 0xFFFF || !map.Lookup(static_cast<WORD>(key), object)) {
        return nullptr;
    }
    return static_cast<CNode*>(object);
}

} // namespace

CMapWordToOb& CBlockDoc::PointMapOfKind(int kind) {
    if (kind == CNode::kGround) {
        return m_mapNode;
    }
    return kind == CNode::kMeasurement ? m_mapSite : m_mapBound;
}

void CBlockDoc::DropPendingPoints(int kind) {
    SetAllPointStates(PointMapOfKind(kind == kPendingGroundLine ? CNode::kGround : kind), CNode::kNormal);
    SetAllLineStatus(CLine::kNormal);
}

int CBlockDoc::CommitPendingPoints(int kind, const CMapWordToOb& pending) {
    if (kind == kPendingGroundLine) {
        std::vector<std::pair<WORD, CNode*>> run = Entries<CNode>(pending);
        std::sort(run.begin(), run.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
        std::vector<DPoint> points;
        for (const auto& [key, point] : run) {
            points.push_back(DPoint{point->x, point->y});
        }
        DropPendingPoints(kind);
        const int changes = static_cast<int>(points.size());
        ImportPointRun(points);
        SetAllPointStates(m_mapNode, CNode::kNormal);
        SetAllLineStatus(CLine::kNormal);
        SetModifiedFlag();
        return changes;
    }
    CMapWordToOb& map = PointMapOfKind(kind);
    int changes = 0;
    std::vector<std::pair<int, int>> merges; // (key merged away, key it joins)
    std::vector<CNode*> added;
    for (const auto& [key, copy] : Entries<CNode>(pending)) {
        CNode* point = PointAt(map, key);
        if (copy->seqNo == kPendingReplace && point) {
            point->x = copy->x;
            point->y = copy->y;
            point->kind = copy->kind;
            point->beta = copy->beta;
            point->alpha = copy->alpha;
            point->name = copy->name;
        } else if (copy->seqNo == kPendingMove && point) {
            point->x = copy->x;
            point->y = copy->y;
        } else if (copy->seqNo < 0 && point && kind == CNode::kGround) {
            point->x = copy->x;
            point->y = copy->y;
            merges.emplace_back(key, -copy->seqNo - 1);
        } else if (copy->seqNo >= 0 && copy->seqNo != kPendingReplace && copy->seqNo != kPendingMove) {
            added.push_back(copy);
        } else {
            continue;
        }
        ++changes;
    }
    for (const auto& [from, into] : merges) {
        CNode* point = PointAt(map, from);
        if (point && from != into && PointAt(map, into)) {
            ReplaceNodeInLines(from, into);
            point->state = -1;
        }
    }
    changes += RemoveMarkedPoints(kind);
    int& largest =
        kind == CNode::kGround ? m_nMaxNode : (kind == CNode::kMeasurement ? m_nMaxSite : m_nMaxBound);
    UpdateMaxNumbers(kind);
    for (CNode* copy : added) {
        // A new point keeps the number it was given unless that number is taken by now.
        const int number = PointAt(map, copy->number - 1) || copy->number < 1 ? largest + 1 : copy->number;
        auto* point = new CNode(number, copy->x, copy->y, CNode::kNormal);
        point->kind = copy->kind;
        point->beta = copy->beta;
        point->alpha = copy->alpha;
        point->name = copy->name;
        if (point->name.IsEmpty() && kind != CNode::kGround) {
            point->name.Format(kind == CNode::kMeasurement ? "No.K%d" : "B-%d", number);
        }
        StorePoint(map, point);
        ++changes;
    }
    SetAllPointStates(map, CNode::kNormal);
    SetAllLineStatus(CLine::kNormal);
    UpdateMaxNumbers(kind);
    if (kind != CNode::kGround) {
        ResetMarks();
    }
    SetModifiedFlag();
    return changes;
}

// Points of the kind marked -1 go with their lines; a boundary point that a slip line or the
// section model holds only goes out of use. The number of points taken away.
int CBlockDoc::RemoveMarkedPoints(int kind) {
    CMapWordToOb& map = PointMapOfKind(kind);
    std::vector<bool> removedKeys(0x10000, false);
    int removed = 0;
    for (const auto& [key, point] : Entries<CNode>(map)) {
        if (point->state != -1) {
            continue;
        }
        ++removed;
        if (point->IsBoundary() && point->slipMark != CNode::kSlipFree) {
            point->inUse = 0;
            point->state = CNode::kNormal;
            continue;
        }
        removedKeys[key] = true;
        RemovePoint(map, key, point);
    }
    if (kind == CNode::kGround) {
        const auto gone = [&removedKeys](int key) { return key >= 0 && key < 0x10000 && removedKeys[key]; };
        for (const auto& [lineKey, line] : Entries<CLine>(m_LineList)) {
            if (line->status == -1 || line->node1 == line->node2 || gone(line->node1) || gone(line->node2)) {
                line->status = CLine::kCollapsed;
            }
        }
        AddLines(CLine::kCollapsed);
    }
    return removed;
}

} // namespace torvan
