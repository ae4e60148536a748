// Deleting every slip line or every boundary point at once. A selection list refers to the
// document's objects without owning them, so it is emptied, with the selection marks of its
// objects reset, before anything it may hold is deleted.

#include "CBlockDoc.h"

#include "analysis/core/CLine.h"
#include "analysis/core/CVerrant.h"
#include "platform/core/MapEntries.h"

#include <utility>
#include <vector>

using section::PointKind;

namespace torvan {

void CBlockDoc::ClearSelectionList(CObList& selection) {
    for (POSITION pos = selection.GetHeadPosition(); pos;) {
        CObject* object = selection.GetNext(pos);
        if (auto* point = dynamic_cast<CNode*>(object)) {
            point->state = CNode::kNormal;
        } else if (auto* line = dynamic_cast<CLine*>(object)) {
            line->status = CLine::kNormal;
        } else if (auto* slip = dynamic_cast<CVerrant*>(object)) {
            slip->state = 0;
        }
    }
    selection.RemoveAll();
}

int CBlockDoc::DeleteAllSlipLines(CObList& selection) {
    ClearSelectionList(selection);
    int deleted = 0;
    while (!m_listSlipLines.IsEmpty()) {
        delete m_listSlipLines.RemoveHead();
        ++deleted;
    }
    ResetMarks();
    UpdateMaxSlipPointCount();
    return deleted;
}

int CBlockDoc::DeleteAllBoundaryPoints(CObList& selection, bool retireHeld) {
    ClearSelectionList(selection);
    std::vector<std::pair<WORD, CNode*>> points;
    for (auto [key, point] : platform::MapEntries<CNode>(m_mapBound)) {
        points.emplace_back(key, point);
    }
    int handled = 0;
    for (auto [key, point] : points) {
        if (point->slipMark == CNode::kSlipFree) {
            RemovePoint(m_mapBound, key, point);
            ++handled;
        } else if (retireHeld) {
            point->inUse = 0;
            ++handled;
        }
    }
    if (handled > 0) {
        UpdateMaxNumbers(PointKind::kInnerBoundary);
    }
    return handled;
}

} // namespace torvan
