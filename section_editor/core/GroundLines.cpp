// Making, splitting, selecting, deleting and renumbering ground lines, and applying
// the point changes of the coordinate tables.

#include "CBlockDoc.h"

#include "common/geometry/CBoundRect.h"
#include "common/geometry/Geometry.h"
#include "platform/core/MessageSink.h"
#include "platform/core/Unset.h"

#include <algorithm>
#include <cmath>

using section::PointKind;

namespace merdok {

namespace {

constexpr double kNoLine = 100000.0;
// Compaction runs once this many line keys are free.
constexpr int kFreeKeysBeforeCompaction = 100;

bool InRange(double value, double minimum, double maximum) {
    return platform::IsUnsetDouble(minimum) || (value >= minimum && value <= maximum);
}

// Smallest angle between two directions, in [0, pi].
double AngleBetween(double a, double b) {
    double difference = std::fabs(a - b);
    return std::min(difference, Angles().twoPi - difference);
}

} // namespace

int CBlockDoc::AddLine(int firstKey, int secondKey, int lineKey) {
    return AddLine(firstKey, NodeXY(firstKey), secondKey, NodeXY(secondKey), lineKey);
}

int CBlockDoc::AddLine(int firstKey, const DPoint& a, int secondKey, const DPoint& b, int lineKey) {
    if (firstKey == secondKey) {
        return -1;
    }
    if (!CheckDataLimit(lineKey + 1, m_nLimit[kLineLimit], kLineLimit)) {
        return -2;
    }
    auto line = std::make_unique<CLine>(firstKey, secondKey);
    line->SetSegKind(ClassifySegment(a.x, a.y, b.x, b.y));
    line->SetNumber(lineKey + 1);
    line->SetKey(lineKey);
    line->SetState(CLine::kNew);
    m_LineList.SetAt(lineKey, std::move(line));
    return lineKey + 1;
}

bool CBlockDoc::LineExists(int firstKey, int secondKey) const {
    for (const auto& [key, line] : m_LineList) {
        if ((line->GetNode1() == firstKey && line->GetNode2() == secondKey) ||
            (line->GetNode1() == secondKey && line->GetNode2() == firstKey)) {
            return true;
        }
    }
    return false;
}

void CBlockDoc::SplitLineAt(int lineKey, int pointKey) {
    CLine* line = LineAt(lineKey);
    if (!line) {
        return;
    }
    int first = line->GetNode1();
    int second = line->GetNode2();
    int count = AddLine(first, pointKey, m_nLineCount);
    if (count < 0) {
        return;
    }
    m_nLineCount = count;
    count = AddLine(pointKey, second, m_nLineCount);
    if (count < 0) {
        return;
    }
    m_nLineCount = count;
    m_LineList.Remove(lineKey);
}

BOOL CBlockDoc::ImportPointRun(const std::vector<DPoint>& points, int) {
    int previous = -1;
    for (const DPoint& p : points) {
        int key = -1;
        AddNode(p.x, p.y, key);
        if (key < 0) {
            break;
        }
        if (previous >= 0 && previous != key) {
            DPoint a = NodeXY(previous);
            DPoint b = NodeXY(key);
            std::vector<int> covered;
            if (!SplitLinesAtSegment(previous, key, ClassifySegment(a.x, a.y, b.x, b.y), covered) ||
                !LinkPoints(previous, key, covered)) {
                break;
            }
        }
        previous = key;
    }
    if (m_nLineCount - m_LineList.GetCount() > kFreeKeysBeforeCompaction) {
        AddLines(CLine::kDropped);
        return TRUE;
    }
    return FALSE;
}

int CBlockDoc::CrossingPoint(const DPoint& crossing, const DPoint& start, SegmentKind segKind, int startKey,
                             int endKey, int lineKey) {
    if (int near = FindNearbyPoint(crossing.x, crossing.y, PointKind::kGround)) {
        int key = near - 1;
        if (key != startKey && key != endKey) {
            DPoint p = NodeXY(key);
            if (segKind == SegmentKind::kHorizontal && p.y != start.y) {
                AfxMessageBox(u8"水平線が描けないため、直線で描画します !!!");
            } else if (segKind == SegmentKind::kVertical && p.x != start.x) {
                AfxMessageBox(u8"鉛直線が描けないため、直線で描画します !!!");
            }
        }
        return key;
    }
    // Both limits hold before anything changes: half a split would leave the crossed
    // line and one of its halves on top of each other.
    if (!CheckDataLimit(m_mapNode.GetCount() + 1, m_nLimit[kNodeLimit], kNodeLimit) ||
        !CheckDataLimit(m_nLineCount + 2, m_nLimit[kLineLimit], kLineLimit)) {
        return -1;
    }
    int key = MakePoint(PointKind::kGround, crossing.x, crossing.y)->GetNumber() - 1;
    SplitLineAt(lineKey, key);
    return key;
}

bool CBlockDoc::SplitLinesAtSegment(int startKey, int endKey, SegmentKind segKind,
                                    std::vector<int>& covered) {
    DPoint start = NodeXY(startKey);
    DPoint end = NodeXY(endKey);
    CBoundRect bound(m_dSnap, m_dSnap2, m_dAngleTol);
    // The lines that exist now; halves made by a split are not tested again.
    for (int lineKey : m_LineList.Keys()) {
        CLine* line = LineAt(lineKey);
        if (!line || line->GetState() < 0) {
            continue;
        }
        DPoint a = NodeXY(line->GetNode1());
        DPoint b = NodeXY(line->GetNode2());
        line->SetSegKind(ClassifySegment(a.x, a.y, b.x, b.y));
        int result = bound.IntersectSegment(start, end, a, b, segKind, line->GetSegKind());
        if (result == CBoundRect::kCross) {
            DPoint crossing;
            bound.GetIntersection(crossing);
            if (CrossingPoint(crossing, start, segKind, startKey, endKey, lineKey) < 0) {
                return false;
            }
        } else if (result == CBoundRect::kOverlap) {
            // Only a line that the new segment covers from end to end gives way to it;
            // a line that runs on beyond the segment stays.
            DPoint foot;
            double da = 0, db = 0, slope = 0, intercept = 0;
            ProjectPointOnSegment(start, end, a.x, a.y, segKind, foot, da, slope, intercept);
            ProjectPointOnSegment(start, end, b.x, b.y, segKind, foot, db, slope, intercept);
            if (da > m_dSnap2 || db > m_dSnap2) {
                continue;
            }
            AddUniqueNo(covered, line->GetNode1());
            AddUniqueNo(covered, line->GetNode2());
            m_LineList.Remove(lineKey);
        }
    }
    return true;
}

bool CBlockDoc::LinkPoints(int startKey, int endKey, std::vector<int>& covered) {
    // The new line passes through the ends of the lines it covered, so that none of
    // those points is left off the ground line.
    std::erase_if(covered, [&](int key) { return key == startKey || key == endKey; });
    DPoint origin = NodeXY(startKey);
    std::stable_sort(covered.begin(), covered.end(), [&](int a, int b) {
        DPoint pa = NodeXY(a);
        DPoint pb = NodeXY(b);
        return SquaredDistance(pa.x, pa.y, origin.x, origin.y) <
               SquaredDistance(pb.x, pb.y, origin.x, origin.y);
    });
    covered.insert(covered.begin(), startKey);
    covered.push_back(endKey);
    for (std::size_t i = 0; i + 1 < covered.size(); ++i) {
        if (LineExists(covered[i], covered[i + 1])) {
            continue;
        }
        int count = AddLine(covered[i], covered[i + 1], m_nLineCount);
        if (count < 0) {
            return false;
        }
        m_nLineCount = count;
    }
    return true;
}

double CBlockDoc::FindNearestLine(double x, double y, int& lineKey, bool exactEnd) const {
    double best = kNoLine;
    lineKey = -1;
    for (const auto& [key, line] : m_LineList) {
        DPoint a = NodeXY(line->GetNode1());
        DPoint b = NodeXY(line->GetNode2());
        if (exactEnd && ((a.x == x && a.y == y) || (b.x == x && b.y == y))) {
            lineKey = key;
            return 0.0;
        }
        if (!IsBetweenOnMajorAxis(DPoint{x, y}, a, b)) {
            continue;
        }
        DPoint foot;
        double distance = 0.0, slope = 0.0, intercept = 0.0;
        ProjectPointOnSegment(a, b, x, y, ClassifySegment(a.x, a.y, b.x, b.y), foot, distance, slope,
                              intercept);
        if (distance < best) {
            best = distance;
            lineKey = key;
        }
    }
    return best;
}

BOOL CBlockDoc::GetJointLines(int pointKey, int& farKey1, int& farKey2, int lineState) const {
    int found = 0;
    int far[2] = {-1, -1};
    for (const auto& [key, line] : m_LineList) {
        if (line->GetState() == lineState && line->HasEnd(pointKey)) {
            if (found < 2) {
                far[found] = line->OtherEnd(pointKey);
            }
            ++found;
        }
    }
    if (found != 2) {
        return FALSE;
    }
    farKey1 = far[0];
    farKey2 = far[1];
    DPoint p = NodeXY(pointKey);
    DPoint a = NodeXY(far[0]);
    DPoint b = NodeXY(far[1]);
    double incoming = 0.0, outgoing = 0.0;
    SegmentAngle(a.x, a.y, p.x, p.y, incoming);
    SegmentAngle(p.x, p.y, b.x, b.y, outgoing);
    return AngleBetween(incoming, outgoing) <= m_dAngleTol ? TRUE : FALSE;
}

void CBlockDoc::SelectNodesInRect(CObList& list, double minX, double maxX, double minY, double maxY,
                                  int number, PointKind kind) {
    int wanted = std::abs(number) - 1;
    for (const auto& [key, point] : PointMap(kind)) {
        if (point->GetState() != CNode::kNormal) {
            continue;
        }
        bool inside = InRange(point->GetX(), minX, maxX) && InRange(point->GetY(), minY, maxY);
        if (inside || (number != 0 && key == wanted)) {
            point->SetState(CNode::kSelected);
            list.AddTail(point.get());
        }
    }
}

void CBlockDoc::SelectLinesInRect(CObList& list, double minX, double maxX, double minY, double maxY,
                                  int lineNumber) {
    for (const auto& [key, line] : m_LineList) {
        if (line->GetState() != CLine::kNormal) {
            continue;
        }
        DPoint a = NodeXY(line->GetNode1());
        DPoint b = NodeXY(line->GetNode2());
        bool inside = InRange(a.x, minX, maxX) && InRange(a.y, minY, maxY) && InRange(b.x, minX, maxX) &&
                      InRange(b.y, minY, maxY);
        if (inside || (lineNumber != 0 && key == std::abs(lineNumber) - 1)) {
            line->SetKey(key);
            line->SetState(CLine::kSelected);
            list.AddTail(line.get());
        }
    }
}

void CBlockDoc::SelectLinesOfSelectedNodes(CObList& list) {
    std::vector<CObject*> points;
    for (POSITION pos = list.GetHeadPosition(); pos;) {
        points.push_back(list.GetNext(pos));
    }
    for (CObject* object : points) {
        if (!object->IsKindOf(RUNTIME_CLASS(CNode))) {
            continue;
        }
        CNode* point = static_cast<CNode*>(object);
        int far1 = -1, far2 = -1;
        if (point->GetState() == CNode::kSelected && point->GetKind() == PointKind::kGround &&
            GetJointLines(point->GetNumber() - 1, far1, far2, CLine::kNormal)) {
            point->SetState(CNode::kStraightInner);
        }
    }
    for (const auto& [key, line] : m_LineList) {
        if (line->GetState() != CLine::kNormal) {
            continue;
        }
        const CNode* first = m_mapNode.Lookup(line->GetNode1());
        const CNode* second = m_mapNode.Lookup(line->GetNode2());
        if ((first && first->GetState() >= CNode::kSelected) ||
            (second && second->GetState() >= CNode::kSelected)) {
            line->SetState(CLine::kSelected);
            list.AddTail(line.get());
        }
    }
}

void CBlockDoc::SelectUnusedNodes(CObList& list) {
    std::vector<bool> used(static_cast<std::size_t>(m_mapNode.MaxKey() + 1), false);
    for (const auto& [key, line] : m_LineList) {
        if (line->GetState() != CLine::kNormal) {
            continue;
        }
        for (int end : {line->GetNode1(), line->GetNode2()}) {
            if (end >= 0 && end < static_cast<int>(used.size())) {
                used[static_cast<std::size_t>(end)] = true;
            }
        }
    }
    for (const auto& [key, point] : m_mapNode) {
        if (!used[static_cast<std::size_t>(key)]) {
            point->SetState(CNode::kSelected);
            list.AddTail(point.get());
        }
    }
}

void CBlockDoc::ApplyPointChanges(section::PendingPointEdit& edit) {
    using Change = section::PendingPointEdit::Change;
    const PointKind mapKind = edit.KindOfPoints();
    RecordMap<CNode>& map = PointMap(mapKind);
    std::map<int, section::PendingPointEdit::Entry> edited = edit.TakeCopies();
    bool changed = false;
    for (int key : map.Keys()) {
        CNode* point = map.Lookup(key);
        if (point->GetState() != CNode::kChanging) {
            continue;
        }
        point->SetState(CNode::kNormal);
        const auto it = edited.find(key);
        if (it == edited.end()) {
            continue;
        }
        const PointKind pointKind = point->GetKind();
        RemovePoint(map, key);
        const section::PendingPointEdit::Entry& entry = it->second;
        if (entry.change == Change::kReplace) {
            continue; // entered with its own kind (below)
        }
        if (entry.change == Change::kMerge && map.Lookup(entry.mergeInto)) {
            ReplaceNodeInLines(key, entry.mergeInto);
            edited.erase(it);
            changed = true;
            continue;
        }
        std::unique_ptr<CNode> taken = MakePoint(entry.point);
        taken->SetKind(pointKind);
        edited.erase(it);
        EnterIntoIndex(map.SetAt(key, std::move(taken)));
    }
    for (int key : map.Keys()) {
        if (map.Lookup(key)->GetState() == CNode::kListed && edited.count(key) != 0) {
            RemovePoint(map, key);
            edited.erase(key);
            changed = true;
        }
    }
    int& next = NextNumber(mapKind);
    if (changed) {
        DeletePointsInState(mapKind, CNode::kListed);
        next = HighestKeyPlusOne(map);
        m_nNextSeqNo = m_mapAllPoints.MaxSeqNo() + 1;
    }
    for (const auto& [key, entry] : edited) {
        std::unique_ptr<CNode> point = MakePoint(entry.point);
        if (point->GetNumber() == platform::kUnsetInt || point->GetNumber() < 1 || map.Lookup(key)) {
            point->SetNumber(++next);
        }
        if (point->GetName().IsEmpty() && mapKind != PointKind::kGround) {
            point->GetName().Format(mapKind == PointKind::kMeasurement ? "K-%d" : "B-%d", point->GetNumber());
        }
        int number = point->GetNumber();
        next = std::max(next, number);
        EnterIntoIndex(map.SetAt(number - 1, std::move(point)));
    }
}

std::unique_ptr<CNode> CBlockDoc::MakePoint(const section::PointRecord& record) {
    auto point = std::make_unique<CNode>(record.number, record.x, record.y, CNode::kNormal);
    point->SetKind(record.kind);
    point->SetName(record.name);
    return point;
}

void CBlockDoc::DeletePointsInState(PointKind kind, int state) {
    RecordMap<CNode>& map = PointMap(kind);
    for (int key : map.Keys()) {
        if (map.Lookup(key)->GetState() == state) {
            RemovePoint(map, key);
        }
    }
}

void CBlockDoc::DeleteObjects(CObList& list) {
    if (list.IsEmpty()) {
        return;
    }
    std::vector<std::pair<int, int>> bridges;
    for (POSITION pos = list.GetHeadPosition(); pos;) {
        CObject* object = list.GetNext(pos);
        if (auto* point = dynamic_cast<CNode*>(object)) {
            int far1 = -1;
            int far2 = -1;
            const int key = point->GetNumber() - 1;
            if (point->GetKind() == PointKind::kGround && point->GetState() == CNode::kStraightInner &&
                GetJointLines(key, far1, far2, CLine::kSelected)) {
                bridges.emplace_back(far1, far2);
            }
            const PointKind kind = point->GetKind();
            RecordMap<CNode>& map = PointMap(kind);
            RemovePoint(map, key);
            NextNumber(kind) = HighestKeyPlusOne(map);
        } else if (auto* line = dynamic_cast<CLine*>(object)) {
            m_LineList.Remove(line->GetKey());
        }
    }
    list.RemoveAll();
    m_nNextSeqNo = m_mapAllPoints.MaxSeqNo() + 1;
    // A line that lost an end would point at nothing.
    for (int key : m_LineList.Keys()) {
        const CLine* line = m_LineList.Lookup(key);
        if (!m_mapNode.Lookup(line->GetNode1()) || !m_mapNode.Lookup(line->GetNode2())) {
            m_LineList.Remove(key);
        }
    }
    bool added = false;
    for (const auto& [first, second] : bridges) {
        if (!m_mapNode.Lookup(first) || !m_mapNode.Lookup(second)) {
            continue;
        }
        const int count = AddLine(first, second, m_nLineCount);
        if (count > 0) {
            m_nLineCount = count;
            added = true;
        }
    }
    if (added) {
        SetLineStates(CLine::kNormal);
    }
    SetModifiedFlag(true);
}

void CBlockDoc::AddLines(int state) {
    int removed = 0;
    for (int key = 0; key < m_nLineCount; ++key) {
        CLine* line = LineAt(key);
        if (!line || line->GetState() == state) {
            m_LineList.Remove(key);
            ++removed;
            continue;
        }
        if (removed > 0) {
            std::unique_ptr<CLine> moved = m_LineList.Remove(key);
            moved->SetKey(key - removed);
            moved->SetNumber(key - removed + 1);
            m_LineList.SetAt(key - removed, std::move(moved));
        }
    }
    m_nLineCount -= removed;
}

void CBlockDoc::ReplaceNodeInLines(int oldKey, int newKey) {
    for (const auto& [key, line] : m_LineList) {
        if (line->GetState() != CLine::kNormal) {
            continue;
        }
        line->SetNodes(line->GetNode1() == oldKey ? newKey : line->GetNode1(),
                       line->GetNode2() == oldKey ? newKey : line->GetNode2());
        if (line->GetNode1() == line->GetNode2()) {
            line->SetState(CLine::kDropped);
        }
    }
}

BOOL CBlockDoc::FindNearestIntersection(double x, double y, DPoint& point) const {
    bool found = false;
    double best = 0.0;
    for (const auto& [key, line] : m_LineList) {
        DPoint a = NodeXY(line->GetNode1());
        DPoint b = NodeXY(line->GetNode2());
        double xs[3] = {a.x, b.x, x};
        double ys[3] = {a.y, b.y, y};
        DPoint crossing;
        if (!IntersectSegmentWithLine(xs, ys, SegmentKind::kVertical, 0.0, 0.0, crossing)) {
            continue;
        }
        double distance = std::fabs(crossing.y - y);
        if (!found || distance < best) {
            best = distance;
            point = crossing;
            found = true;
        }
    }
    return found ? TRUE : FALSE;
}

} // namespace merdok
