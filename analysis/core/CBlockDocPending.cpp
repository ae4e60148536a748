// The pending point edits of the coordinate tables, the selected-points table and the move
// (common/section/PendingPointEdit.h): held by the view until the user confirms them with a
// click. The document either takes them (replace, move, merge, add, remove the dropped
// points with their lines) or drops them; in both cases every mark of the kind is reset.

#include "CBlockDoc.h"

#include "analysis/core/CLine.h"
#include "analysis/core/CVerrant.h"
#include "platform/core/MapEntries.h"

#include <vector>

using section::PointKind;

namespace torvan {

namespace {

template <typename T> std::vector<std::pair<WORD, T*>> Entries(const CMapWordToOb& map) {
    std::vector<std::pair<WORD, T*>> entries;
    for (auto [key, object] : platform::MapEntries<T>(map)) {
        entries.emplace_back(key, object);
    }
    return entries;
}

using Edit = section::PendingPointEdit;

CNode* PointAt(const CMapWordToOb& map, int key) {
    CObject* object = nullptr;
    if (key < 0 || key > 0xFFFF || !map.Lookup(static_cast<WORD>(key), object)) {
        return nullptr;
    }
    return static_cast<CNode*>(object);
}

} // namespace

CMapWordToOb& CBlockDoc::PointMapOfKind(PointKind kind) {
    if (kind == PointKind::kGround) {
        return m_mapNode;
    }
    return kind == PointKind::kMeasurement ? m_mapSite : m_mapBound;
}

void CBlockDoc::MarkPendingPoints(const Edit& edit) {
    CMapWordToOb& map = PointMapOfKind(edit.KindOfPoints());
    for (int key : edit.Replaced()) {
        if (CNode* point = PointAt(map, key)) {
            point->state = CNode::kMarked;
        }
    }
    std::set<int> dropped;
    for (int key : edit.Dropped()) {
        if (CNode* point = PointAt(map, key)) {
            point->state = -1;
            dropped.insert(key);
        }
    }
    if (edit.KindOfPoints() != PointKind::kGround || dropped.empty()) {
        return;
    }
    for (auto [lineKey, line] : platform::MapEntries<CLine>(m_LineList)) {
        if (dropped.count(line->node1) != 0 || dropped.count(line->node2) != 0) {
            line->status = CLine::kCollapsed;
        }
    }
}

void CBlockDoc::DropPendingPoints(int target) {
    SetAllPointStates(PointMapOfKind(Edit::KindOfTarget(target)), CNode::kNormal);
    SetAllLineStatus(CLine::kNormal);
}

int CBlockDoc::CommitPendingPoints(const Edit& edit) {
    if (edit.Target() == Edit::kGroundLine) {
        std::vector<DPoint> points;
        for (const auto& [key, copy] : edit.Copies()) {
            points.push_back(DPoint{copy.point.x, copy.point.y});
        }
        DropPendingPoints(edit.Target());
        const int changes = static_cast<int>(points.size());
        ImportPointRun(points);
        SetAllPointStates(m_mapNode, CNode::kNormal);
        SetAllLineStatus(CLine::kNormal);
        SetModifiedFlag();
        return changes;
    }
    const PointKind kind = edit.KindOfPoints();
    CMapWordToOb& map = PointMapOfKind(kind);
    int changes = 0;
    std::vector<std::pair<int, int>> merges; // (key merged away, key it joins)
    std::vector<const section::PointRecord*> added;
    for (const auto& [key, copy] : edit.Copies()) {
        CNode* point = PointAt(map, key);
        const section::PointRecord& record = copy.point;
        if (copy.change == Edit::Change::kAdd) {
            added.push_back(&record);
        } else if (!point || (copy.change == Edit::Change::kMerge && kind != PointKind::kGround)) {
            continue;
        } else if (copy.change == Edit::Change::kReplace) {
            point->x = record.x;
            point->y = record.y;
            point->kind = record.kind;
            point->beta = record.beta;
            point->alpha = record.alpha;
            point->name = record.name;
        } else {
            point->x = record.x;
            point->y = record.y;
            if (copy.change == Edit::Change::kMerge) {
                merges.emplace_back(key, copy.mergeInto);
            }
        }
        ++changes;
    }
    std::set<int> dropped(edit.Dropped().begin(), edit.Dropped().end());
    for (const auto& [from, into] : merges) {
        if (from != into && PointAt(map, into)) {
            ReplaceNodeInLines(from, into);
            dropped.insert(from);
        }
    }
    changes += RemoveDroppedPoints(kind, dropped);
    int& largest = kind == PointKind::kGround ? m_nMaxNode
                                              : (kind == PointKind::kMeasurement ? m_nMaxSite : m_nMaxBound);
    UpdateMaxNumbers(kind);
    for (const section::PointRecord* copy : added) {
        // A new point keeps the number it was given unless that number is taken by now.
        const int number = PointAt(map, copy->number - 1) || copy->number < 1 ? largest + 1 : copy->number;
        auto* point = new CNode(number, copy->x, copy->y, CNode::kNormal);
        point->kind = copy->kind;
        point->beta = copy->beta;
        point->alpha = copy->alpha;
        point->name = copy->name;
        if (point->name.IsEmpty() && kind != PointKind::kGround) {
            point->name.Format(kind == PointKind::kMeasurement ? "No.K%d" : "B-%d", number);
        }
        StorePoint(map, point);
        ++changes;
    }
    SetAllPointStates(map, CNode::kNormal);
    SetAllLineStatus(CLine::kNormal);
    UpdateMaxNumbers(kind);
    if (kind != PointKind::kGround) {
        ResetMarks();
    }
    if (kind == PointKind::kMeasurement) {
        PlaceDisplacementRecords();
    }
    SetModifiedFlag();
    return changes;
}

// The dropped points of the kind go with their lines; a boundary point that a slip line or
// the section model holds only goes out of use. The number of points taken away.
int CBlockDoc::RemoveDroppedPoints(PointKind kind, const std::set<int>& dropped) {
    CMapWordToOb& map = PointMapOfKind(kind);
    std::vector<bool> removedKeys(0x10000, false);
    int removed = 0;
    for (const auto& [key, point] : Entries<CNode>(map)) {
        if (dropped.count(key) == 0) {
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
    if (kind == PointKind::kGround) {
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
