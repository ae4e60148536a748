// Inserting points and lines into the section model, with proximity checks, limits,
// crossings and covered lines.

#include "CBlockDoc.h"

#include "analysis/core/CLine.h"
#include "analysis/core/CVerrant.h"
#include "analysis/core/ModelLookup.h"
#include "common/geometry/CBoundRect.h"
#include "common/geometry/Geometry.h"
#include "platform/core/MessageSink.h"
#include "platform/core/Unset.h"

#include <algorithm>
#include <cmath>
#include <functional>

using section::PointKind;

namespace torvan {

CNode* CBlockDoc::NewPoint(CMapWordToOb& map, int& maxNumber, PointKind kind, double x, double y) {
    CNode* point = new CNode(maxNumber + 1, x, y, CNode::kMarked);
    point->kind = kind;
    StorePoint(map, point);
    return point;
}

void CBlockDoc::StorePoint(CMapWordToOb& map, CNode* point) {
    map.SetAt(static_cast<WORD>(point->number - 1), point);
    point->seqNo = m_nNextKey;
    m_mapAllPoints.SetAt(static_cast<WORD>(m_nNextKey), point);
    ++m_nNextKey;
    int& largest = &map == &m_mapNode ? m_nMaxNode : (&map == &m_mapSite ? m_nMaxSite : m_nMaxBound);
    largest = std::max(largest, point->number);
}

bool CBlockDoc::HasRoomForSplit(int nextLineKey) {
    // A split takes the two line keys nextLineKey and nextLineKey + 1.
    return CheckDataLimit(nextLineKey + 2, m_limits.m_nLimit[kLineLimit], kLineLimit) != 0;
}

// Replaces a line by two through the point; the caller has made sure that both pieces
// fit (HasRoomForSplit).
void CBlockDoc::SplitLineAt(int lineKey, int pointKey) {
    CLine* line = LineAt(lineKey);
    if (!line) {
        return;
    }
    int first = AddLine(line->node1, pointKey, m_nLineCount);
    if (first < 0) {
        return;
    }
    int second = AddLine(pointKey, line->node2, first);
    if (second < 0) {
        delete LineAt(first - 1);
        m_LineList.RemoveKey(static_cast<WORD>(first - 1));
        return;
    }
    m_nLineCount = second;
    m_LineList.RemoveKey(static_cast<WORD>(lineKey));
    delete line;
}

int CBlockDoc::InsertGroundPoint(double x, double y, int& key) {
    if (int near = ModelLookup(*this).FindNearbyPoint(x, y, PointKind::kGround)) {
        key = near - 1;
        return 1;
    }
    key = -1;
    if (!CheckDataLimit(m_mapNode.GetCount() + 1, m_limits.m_nLimit[kPointLimit], kPointLimit)) {
        return 0;
    }
    // A point on a line that cannot be split is refused as a whole (before any question),
    // so that no point ever lies on a line that does not end at it.
    int lineKey = -1;
    bool onLine = FindNearestLine(m_LineList, x, y, &lineKey, false) < m_snap.m_dSnap && lineKey >= 0;
    if (onLine && !HasRoomForSplit(m_nLineCount)) {
        return 0;
    }
    if ((ModelLookup(*this).IsNearPointOf(m_mapSite, x, y) ||
         ModelLookup(*this).IsNearPointOf(m_mapBound, x, y)) &&
        AfxMessageBox(u8"地表点以外の点が近距離にありますがよろしいですか？", MB_YESNO | MB_ICONQUESTION) !=
            IDYES) {
        return 0;
    }
    CNode* point = NewPoint(m_mapNode, m_nMaxNode, PointKind::kGround, x, y);
    key = point->number - 1;
    if (onLine) {
        SplitLineAt(lineKey, key);
    }
    return 0;
}

int CBlockDoc::InsertSitePoint(double x, double y, int& key) {
    if (int near = ModelLookup(*this).FindNearbyPoint(x, y, PointKind::kMeasurement)) {
        key = near - 1;
        return 1;
    }
    key = -1;
    if (!CheckDataLimit(m_mapSite.GetCount() + 1, m_limits.m_nLimit[kSiteLimit], kSiteLimit)) {
        return 0;
    }
    if ((ModelLookup(*this).IsNearPointOf(m_mapNode, x, y) ||
         ModelLookup(*this).IsNearPointOf(m_mapBound, x, y)) &&
        AfxMessageBox(u8"計測点以外の点が近距離にありますがよろしいですか？", MB_YESNO | MB_ICONQUESTION) !=
            IDYES) {
        return 0;
    }
    CNode* point = NewPoint(m_mapSite, m_nMaxSite, PointKind::kMeasurement, x, y);
    point->name.Format("No.K%d", point->number);
    key = point->number - 1;
    return 0;
}

// Switches off the boundary point in use of a kind: kept (hidden) while a slip line or
// the section model holds it, else removed. The slip lines are asked as well as the mark:
// a mark read from a file may be stale, and a held point must never be deleted.
void CBlockDoc::SwitchOffBoundaryPoint(CNode* old) {
    bool tree = windowSide_ && windowSide_->IsTreeDialogOpen();
    int treeKey = old->number * 10 + 1;
    if (tree) {
        windowSide_->DeleteTreeItem(treeKey, 1);
    }
    old->inUse = 0;
    bool held = old->slipMark != CNode::kSlipFree;
    POSITION pos = m_listSlipLines.GetHeadPosition();
    while (pos && !held) {
        const auto* line = static_cast<const CVerrant*>(m_listSlipLines.GetNext(pos));
        held =
            std::find(std::begin(line->boundary), std::end(line->boundary), old) != std::end(line->boundary);
    }
    if (held) {
        if (tree) {
            windowSide_->UpdateTreeItem(treeKey, old);
        }
        return;
    }
    m_mapBound.RemoveKey(static_cast<WORD>(old->number - 1));
    m_mapAllPoints.RemoveKey(static_cast<WORD>(old->seqNo));
    delete old;
}

int CBlockDoc::InsertBoundaryPoint(double x, double y, PointKind kind, int& key) {
    if (int near = ModelLookup(*this).FindNearbyPoint(x, y, PointKind::kInnerBoundary)) {
        key = near - 1;
        return 1;
    }
    key = -1;
    if (!CheckDataLimit(m_mapBound.GetCount() + 1, m_limits.m_nLimit[kBoundLimit], kBoundLimit)) {
        return 0;
    }
    if ((ModelLookup(*this).IsNearPointOf(m_mapNode, x, y) ||
         ModelLookup(*this).IsNearPointOf(m_mapSite, x, y)) &&
        AfxMessageBox(u8"境界点以外の点が近距離にありますがよろしいですか？", MB_YESNO | MB_ICONQUESTION) !=
            IDYES) {
        return 0;
    }
    CNode* point = new CNode(m_nMaxBound + 1, x, y, CNode::kMarked);
    point->kind = kind;
    point->seqNo = m_nNextKey;
    point->name.Format("B-%d", point->number);
    CNode* old = FindBoundaryPoint(kind);
    if (!windowSide_ || !windowSide_->EditNewBoundaryPoint(*point)) {
        delete point;
        return 0;
    }
    CObject* occupant = nullptr;
    if (point->number < 1 || point->number > 0x10000 ||
        (m_mapBound.Lookup(static_cast<WORD>(point->number - 1), occupant) && occupant != old)) {
        delete point; // never replace another boundary point under its key
        return 0;
    }
    if (old) {
        SwitchOffBoundaryPoint(old);
        ResetMarks();
    }
    StorePoint(m_mapBound, point);
    UpdateMaxNumbers(PointKind::kInnerBoundary);
    if (windowSide_->IsTreeDialogOpen()) {
        windowSide_->UpdateTreeItem(point->number * 10 + 1, point);
    }
    key = point->number - 1;
    return 0;
}

int CBlockDoc::InsertPointOfKind(double x, double y, PointKind kind, int& key) {
    key = -1;
    switch (kind) {
    case PointKind::kGround:
        return InsertGroundPoint(x, y, key);
    case PointKind::kMeasurement:
        return InsertSitePoint(x, y, key);
    case PointKind::kInnerBoundary:
    case PointKind::kLeftBoundary:
    case PointKind::kRightBoundary: {
        double d = FindNearestLine(m_LineList, x, y, nullptr, true);
        if (kind == PointKind::kInnerBoundary && d < m_snap.m_dSnap) {
            AfxMessageBox(u8"地中境界点の指定位置ｴﾗｰ !!");
            return 0;
        }
        if (kind != PointKind::kInnerBoundary && d >= m_snap.m_dSnap) {
            AfxMessageBox(u8"地表境界点の指定位置ｴﾗｰ !!");
            return 0;
        }
        return InsertBoundaryPoint(x, y, kind, key);
    }
    default:
        return 0;
    }
}

CNode* CBlockDoc::InsertPoint(double x, double y, PointKind kind) {
    int key = -1;
    if (InsertPointOfKind(x, y, kind, key) != 1 || key < 0) {
        return nullptr;
    }
    CMapWordToOb& map =
        kind == PointKind::kGround ? m_mapNode : (kind == PointKind::kMeasurement ? m_mapSite : m_mapBound);
    CObject* found = nullptr;
    return map.Lookup(static_cast<WORD>(key), found) ? static_cast<CNode*>(found) : nullptr;
}

int CBlockDoc::AddLine(int key1, int key2, int lineKey) {
    if (key1 == key2) {
        return -1;
    }
    if (!CheckDataLimit(lineKey + 1, m_limits.m_nLimit[kLineLimit], kLineLimit) || lineKey < 0 ||
        lineKey > 0xFFFF) {
        return -2;
    }
    CLine* line = new CLine(key1, key2);
    DPoint a = GetNodeXY(key1);
    DPoint b = GetNodeXY(key2);
    line->segKind = ClassifySegment(a.x, a.y, b.x, b.y);
    line->number = lineKey + 1;
    line->lineKey = lineKey;
    line->status = CLine::kAdded;
    delete LineAt(lineKey);
    m_LineList.SetAt(static_cast<WORD>(lineKey), line);
    return lineKey + 1;
}

int CBlockDoc::AddUniqueNo(std::vector<int>& keys, int key) const {
    if (std::find(keys.begin(), keys.end(), key) == keys.end()) {
        keys.push_back(key);
    }
    return static_cast<int>(keys.size());
}

int CBlockDoc::InsertCrossingPoint(const DPoint& crossing, const DPoint& segmentStart, SegmentKind kind,
                                   SegmentKind, int keyA, int keyB, int startKey, int endKey, int lineKey,
                                   int& nextLineKey) {
    if (int near = ModelLookup(*this).FindNearbyPoint(crossing.x, crossing.y, PointKind::kGround)) {
        int key = near - 1;
        if (key != startKey && key != endKey) {
            DPoint p = GetNodeXY(key);
            if (kind == SegmentKind::kHorizontal && p.y != segmentStart.y) {
                AfxMessageBox(u8"水平線が描けないため、直線で描画します !!!");
            } else if (kind == SegmentKind::kVertical && p.x != segmentStart.x) {
                AfxMessageBox(u8"鉛直線が描けないため、直線で描画します !!!");
            }
        }
        return key;
    }
    // Both limits are checked before anything changes: a half-split line would leave the
    // crossed line and one of its pieces on top of each other.
    CLine* crossed = LineAt(lineKey);
    if (!crossed || !CheckDataLimit(m_mapNode.GetCount() + 1, m_limits.m_nLimit[kPointLimit], kPointLimit) ||
        !HasRoomForSplit(nextLineKey)) {
        return -1;
    }
    CNode* point = NewPoint(m_mapNode, m_nMaxNode, PointKind::kGround, crossing.x, crossing.y);
    int key = point->number - 1;
    int first = AddLine(keyA, key, nextLineKey);
    if (first < 0) {
        return -1;
    }
    nextLineKey = first;
    int second = AddLine(key, keyB, nextLineKey);
    if (second < 0) {
        return -1;
    }
    nextLineKey = second;
    m_LineList.RemoveKey(static_cast<WORD>(lineKey));
    delete crossed;
    return key;
}

namespace {

// Sorts keys by squared distance from the base entry, swapping only on a strictly
// smaller distance so that ties keep their order.
void SortFromBase(std::vector<int>& keys, const std::function<DPoint(int)>& where, bool byX) {
    if (keys.empty()) {
        return;
    }
    std::size_t base = 0;
    for (std::size_t i = 1; i < keys.size(); ++i) {
        DPoint p = where(keys[i]);
        DPoint b = where(keys[base]);
        if (byX ? p.x < b.x : p.y < b.y) {
            base = i;
        }
    }
    DPoint origin = where(keys[base]);
    std::stable_sort(keys.begin(), keys.end(), [&](int a, int b) {
        DPoint pa = where(a);
        DPoint pb = where(b);
        return SquaredDistance(pa.x, pa.y, origin.x, origin.y) <
               SquaredDistance(pb.x, pb.y, origin.x, origin.y);
    });
}

} // namespace

int CBlockDoc::InsertLineWithCrossings(const DPoint& start, const DPoint& end, std::vector<int>& keys,
                                       SegmentKind kind, int startKey, int endKey,
                                       std::vector<int>* covered) {
    int next = m_nLineCount;
    CBoundRect bound(m_snap.m_dSnap, m_snap.m_dSnap2, m_snap.m_dSecondDistance);
    auto where = [this](int key) { return GetNodeXY(key); };
    for (int lineKey = 0; lineKey < m_nLineCount; ++lineKey) {
        CLine* line = LineAt(lineKey);
        if (!line) {
            continue;
        }
        int a = line->node1;
        int b = line->node2;
        DPoint pa = GetNodeXY(a);
        DPoint pb = GetNodeXY(b);
        line->segKind = ClassifySegment(pa.x, pa.y, pb.x, pb.y);
        int result = bound.IntersectSegment(start, end, pa, pb, kind, line->segKind);
        if (result == CBoundRect::kCross) {
            DPoint crossing;
            bound.GetIntersection(crossing);
            int key = InsertCrossingPoint(crossing, start, kind, line->segKind, a, b, startKey, endKey,
                                          lineKey, next);
            if (key < 0) {
                m_nLineCount = next;
                return -1;
            }
            AddUniqueNo(keys, key);
        } else if (result == CBoundRect::kOverlap) {
            DPoint foot;
            double da = 0, db = 0, slope = 0, intercept = 0;
            ProjectPointOnSegment(start, end, pa.x, pa.y, kind, foot, da, slope, intercept);
            ProjectPointOnSegment(start, end, pb.x, pb.y, kind, foot, db, slope, intercept);
            if (!(da < 0.0001 && db < 0.0001)) {
                continue;
            }
            double distances[4];
            SegmentsOverlap(start, end, pa, pb, distances, m_snap.m_dSecondDistance, m_snap.m_dSnap2);
            const int candidates[4] = {startKey, endKey, a, b};
            for (int i = 0; i < 4; ++i) {
                if (distances[i] <= 0.0001) {
                    AddUniqueNo(keys, candidates[i]);
                }
            }
            if (covered) {
                AddUniqueNo(*covered, a);
                AddUniqueNo(*covered, b);
            }
            double angle = pa.x == pb.x ? Angles().halfPi
                                        : (pa.y == pb.y ? 0.0 : std::atan((pa.y - pb.y) / (pa.x - pb.x)));
            bool byX = -Angles().quarterPi < angle && angle < Angles().quarterPi;
            SortFromBase(keys, where, byX);
            m_LineList.RemoveKey(static_cast<WORD>(lineKey));
            delete line;
        }
    }
    m_nLineCount = next;
    return static_cast<int>(keys.size());
}

int CBlockDoc::AddSegmentPieces(int, int endKey, std::vector<int>& keys, int count, SegmentKind) {
    keys.resize(static_cast<std::size_t>(std::max(1, std::min(count, static_cast<int>(keys.size())))));
    if (keys.back() != endKey) {
        keys.push_back(endKey);
    }
    for (std::size_t i = 0; i + 1 < keys.size(); ++i) {
        int from = keys[i];
        int to = keys[i + 1];
        bool exists = false;
        for (int lineKey = 0; lineKey < m_nLineCount && !exists; ++lineKey) {
            const CLine* line = LineAt(lineKey);
            exists = line && ((line->node1 == from && line->node2 == to) ||
                              (line->node1 == to && line->node2 == from));
        }
        if (!exists) {
            int result = AddLine(from, to, m_nLineCount);
            if (result < 0) {
                return -1;
            }
            m_nLineCount = result;
        }
    }
    return static_cast<int>(keys.size());
}

int CBlockDoc::ImportPointRun(const std::vector<DPoint>& points, int) {
    int previous = -1;
    for (const DPoint& p : points) {
        int key = -1;
        InsertGroundPoint(p.x, p.y, key);
        if (key < 0) {
            break;
        }
        if (previous >= 0 && previous != key) {
            DPoint start = GetNodeXY(previous);
            DPoint end = GetNodeXY(key);
            const SegmentKind kind = ClassifySegment(start.x, start.y, end.x, end.y);
            std::vector<int> keys{previous};
            std::vector<int> covered;
            if (InsertLineWithCrossings(start, end, keys, kind, previous, key, &covered) < 0) {
                break;
            }
            // The drawn line runs from its start to its end through the ends of the lines
            // it covered (so that no ground point falls off the line); crossing points split
            // only the crossed lines.
            std::vector<int> ordered;
            for (int k : keys) {
                if (k != previous && k != key &&
                    std::find(covered.begin(), covered.end(), k) != covered.end()) {
                    ordered.push_back(k);
                }
            }
            std::stable_sort(ordered.begin(), ordered.end(), [&](int a, int b) {
                DPoint pa = GetNodeXY(a);
                DPoint pb = GetNodeXY(b);
                return SquaredDistance(pa.x, pa.y, start.x, start.y) <
                       SquaredDistance(pb.x, pb.y, start.x, start.y);
            });
            ordered.insert(ordered.begin(), previous);
            if (AddSegmentPieces(previous, key, ordered, static_cast<int>(ordered.size()), kind) < 0) {
                break;
            }
        }
        previous = key;
    }
    if (m_nLineCount - m_LineList.GetCount() > 100) {
        AddLines(CLine::kCollapsed);
        return 1;
    }
    return 0;
}

} // namespace torvan
