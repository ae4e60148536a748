// Selecting, deleting and renumbering in the section model, and the slip-line use marks
// of the boundary points.

#include "CBlockDoc.h"

#include "analysis/core/CLine.h"
#include "analysis/core/CVerrant.h"
#include "platform/core/MapEntries.h"

#include <vector>

namespace torvan {

namespace {

bool Inside(double x, double y, double minX, double minY, double maxX, double maxY) {
    return x >= minX && x <= maxX && y >= minY && y <= maxY;
}

// Every (key, object) of a map, taken before the map changes.
template <typename T> std::vector<std::pair<WORD, T*>> Entries(const CMapWordToOb& map) {
    std::vector<std::pair<WORD, T*>> entries;
    for (auto [key, object] : platform::MapEntries<T>(map)) {
        entries.emplace_back(key, object);
    }
    return entries;
}

} // namespace

void CBlockDoc::SelectPointsInRect(CMapWordToOb& points, double minX, double minY, double maxX, double maxY,
                                   CObList* selected) {
    for (auto& [key, point] : Entries<CNode>(points)) {
        if (Inside(point->x, point->y, minX, minY, maxX, maxY)) {
            point->state = CNode::kSelected;
            if (selected) {
                selected->AddTail(point);
            }
        }
    }
}

void CBlockDoc::SelectLinesInRect(double minX, double minY, double maxX, double maxY, CObList* selected) {
    for (auto& [key, line] : Entries<CLine>(m_LineList)) {
        DPoint a = GetNodeXY(line->node1);
        DPoint b = GetNodeXY(line->node2);
        if (Inside(a.x, a.y, minX, minY, maxX, maxY) && Inside(b.x, b.y, minX, minY, maxX, maxY)) {
            line->status = CLine::kSelected;
            line->lineKey = key;
            if (selected) {
                selected->AddTail(line);
            }
        }
    }
}

void CBlockDoc::SelectSlipLinesInRect(double minX, double minY, double maxX, double maxY) {
    POSITION pos = m_listSlipLines.GetHeadPosition();
    while (pos) {
        CVerrant* line = static_cast<CVerrant*>(m_listSlipLines.GetNext(pos));
        double x0, x1, y0, y1;
        if (line->visible1 && line->GetBoundingBox(x0, x1, y0, y1) &&
            Inside(x0, y0, minX, minY, maxX, maxY) && Inside(x1, y1, minX, minY, maxX, maxY)) {
            line->state = 2;
        }
    }
}

void CBlockDoc::SelectUnusedGroundPoints() {
    for (auto& [key, point] : Entries<CNode>(m_mapNode)) {
        bool used = false;
        for (auto& [lineKey, line] : Entries<CLine>(m_LineList)) {
            used = used || line->node1 == key || line->node2 == key;
        }
        if (!used) {
            point->state = CNode::kSelected;
        }
    }
}

int CBlockDoc::SelectLinesOfSelectedPoints(CObList& selection) {
    auto selected = [this](int key) {
        CObject* object = nullptr;
        if (key < 0 || key > 0xFFFF || !m_mapNode.Lookup(static_cast<WORD>(key), object)) {
            return static_cast<CNode*>(nullptr);
        }
        CNode* point = static_cast<CNode*>(object);
        return point->state == CNode::kSelected || point->state == CNode::kSelectedMarked ? point : nullptr;
    };
    int added = 0;
    for (auto& [key, line] : Entries<CLine>(m_LineList)) {
        CNode* first = selected(line->node1);
        CNode* second = selected(line->node2);
        if (!first || !second || selection.Find(line)) {
            continue;
        }
        selection.AddTail(line);
        first->state = second->state = CNode::kSelectedMarked;
        ++added;
    }
    return added;
}

void CBlockDoc::SetAllPointStates(CMapWordToOb& points, int state) {
    for (auto& [key, point] : Entries<CNode>(points)) {
        point->state = state;
    }
}

void CBlockDoc::SetAllLineStatus(int status) {
    for (auto& [key, line] : Entries<CLine>(m_LineList)) {
        line->status = status;
    }
}

void CBlockDoc::ReplaceNodeInLines(int oldKey, int newKey) {
    for (auto& [key, line] : Entries<CLine>(m_LineList)) {
        if (line->node1 == oldKey) {
            line->node1 = newKey;
        }
        if (line->node2 == oldKey) {
            line->node2 = newKey;
        }
        if (line->node1 == line->node2) {
            line->status = CLine::kCollapsed;
        }
    }
}

void CBlockDoc::AddLines(int status) {
    int removed = 0;
    for (int key = 0; key < m_nLineCount; ++key) {
        CLine* line = LineAt(key);
        if (!line) {
            ++removed;
            continue;
        }
        if (line->status == status) {
            m_LineList.RemoveKey(static_cast<WORD>(key));
            delete line;
            ++removed;
            continue;
        }
        CObject* occupant = nullptr;
        if (removed > 0 && !m_LineList.Lookup(static_cast<WORD>(key - removed), occupant)) {
            m_LineList.RemoveKey(static_cast<WORD>(key));
            int newKey = key - removed;
            m_LineList.SetAt(static_cast<WORD>(newKey), line);
            line->number = newKey + 1;
            line->lineKey = newKey;
        }
    }
    m_nLineCount -= removed;
}

void CBlockDoc::ResetMarks() {
    for (auto& [key, point] : Entries<CNode>(m_mapBound)) {
        if (point->slipMark < CNode::kSlipFixed) {
            point->slipMark = CNode::kSlipFree;
        } else if (point->slipMark == CNode::kSlipFixedUsed) {
            point->slipMark = CNode::kSlipFixed;
        }
    }
    POSITION pos = m_listSlipLines.GetHeadPosition();
    while (pos) {
        CVerrant* line = static_cast<CVerrant*>(m_listSlipLines.GetNext(pos));
        for (CNode* point : line->boundary) {
            if (point && point->slipMark == CNode::kSlipFixed) {
                point->slipMark = CNode::kSlipFixedUsed;
            } else if (point && point->slipMark == CNode::kSlipFree) {
                point->slipMark = CNode::kSlipUsed;
            }
        }
    }
    UpdateMaxNumbers(section::PointKind::kInnerBoundary);
}

// Removes a point from its map, the entry map and the ground order, and deletes it.
void CBlockDoc::RemovePoint(CMapWordToOb& map, WORD key, CNode* point) {
    map.RemoveKey(key);
    m_mapAllPoints.RemoveKey(static_cast<WORD>(point->seqNo));
    if (POSITION pos = m_listGroundOrder.Find(point)) {
        m_listGroundOrder.RemoveAt(pos);
    }
    POSITION pos = m_listSlipLines.GetHeadPosition();
    while (pos) {
        CVerrant* line = static_cast<CVerrant*>(m_listSlipLines.GetNext(pos));
        for (CNode*& held : line->boundary) {
            if (held == point) {
                held = nullptr; // a slip line never keeps a pointer to a deleted point
            }
        }
    }
    delete point;
}

void CBlockDoc::DeleteSelection() {
    // Ground points: lines through a removed point merge with its neighbour.
    for (auto& [key, point] : Entries<CNode>(m_mapNode)) {
        if (point->state != CNode::kSelected) {
            continue;
        }
        for (auto& [lineKey, line] : Entries<CLine>(m_LineList)) {
            if (line->status != CLine::kCollapsed && (line->node1 == key || line->node2 == key)) {
                ReplaceNodeInLines(key, line->node1 == key ? line->node2 : line->node1);
                break;
            }
        }
        RemovePoint(m_mapNode, key, point);
    }
    // Selected lines, collapsed lines and lines left without an end point go.
    for (auto& [lineKey, line] : Entries<CLine>(m_LineList)) {
        CObject* end = nullptr;
        if (line->status == CLine::kSelected || !m_mapNode.Lookup(static_cast<WORD>(line->node1), end) ||
            !m_mapNode.Lookup(static_cast<WORD>(line->node2), end)) {
            line->status = CLine::kCollapsed;
        }
    }
    AddLines(CLine::kCollapsed);
    for (CMapWordToOb* map : {&m_mapSite, &m_mapBound}) {
        for (auto& [key, point] : Entries<CNode>(*map)) {
            if (point->state == CNode::kSelected) {
                RemovePoint(*map, key, point);
            } else if (point->name.IsEmpty()) {
                point->name.Format(map == &m_mapSite ? "No.K%d" : "B-%d", point->number);
            }
        }
    }
    POSITION pos = m_listSlipLines.GetHeadPosition();
    while (pos) {
        POSITION current = pos;
        CVerrant* line = static_cast<CVerrant*>(m_listSlipLines.GetNext(pos));
        if (line->state == 2) {
            m_listSlipLines.RemoveAt(current);
            delete line;
        }
    }
    UpdateMaxNumbers(section::PointKind::kGround);
    UpdateMaxNumbers(section::PointKind::kMeasurement);
    ResetMarks();
    PlaceDisplacementRecords();
}

} // namespace torvan
