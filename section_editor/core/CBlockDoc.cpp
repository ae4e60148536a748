// Life cycle, count limits and the placing and looking up of points.

#include "CBlockDoc.h"

#include "common/geometry/Geometry.h"
#include "common/geometry/ModelExtent.h"
#include "platform/core/MessageSink.h"
#include "platform/core/Unset.h"

#include <algorithm>

using section::PointKind;

namespace merdok {

IMPLEMENT_DYNCREATE(CBlockDoc, CObject)

using platform::kUnsetDouble;

namespace {

const char8_t* const kLimitNames[4] = {u8"節点", u8"地表線", u8"計測点", u8"境界点"};

void SetUnset(double (&values)[4]) {
    std::fill(values, values + 4, kUnsetDouble);
}

} // namespace

CBlockDoc::CBlockDoc() {
    SetUnset(m_dDxfRegion);
    SetUnset(m_dModelBox);
    SetUnset(m_dModelSize);
    // The document's own limits until the program's settings replace them.
    std::copy(kAnalysisReadLimits, kAnalysisReadLimits + kCountLimitKinds, m_nLimit);
}

CBlockDoc::~CBlockDoc() {
    DeleteContents();
}

void CBlockDoc::DeleteContents() {
    m_mapAllPoints.clear();
    m_mapNode.RemoveAll();
    m_LineList.RemoveAll();
    m_mapSite.RemoveAll();
    m_mapBound.RemoveAll();
    SetUnset(m_dModelBox);
    SetUnset(m_dModelSize);
    m_nNodeCount = m_nSiteCount = m_nBoundCount = m_nLineCount = m_nNextSeqNo = 0;
    m_strDir.Empty();
    m_strPath.Empty();
    m_strDocName.Empty();
}

void CBlockDoc::SetTolerances(double samePointDistance, double angleTolerance) {
    m_dSnap = samePointDistance;
    m_dSnap2 = samePointDistance * samePointDistance;
    m_dAngleTol = angleTolerance;
}

BOOL CBlockDoc::CheckDataLimit(int count, int limit, int limitIndex) {
    if (count <= limit) {
        return TRUE;
    }
    CString message;
    message.Format(u8"%sﾃﾞｰﾀの個数が制限を越えています", CString(kLimitNames[limitIndex]).GetString());
    AfxMessageBox(message);
    return FALSE;
}

RecordMap<CNode>& CBlockDoc::PointMap(PointKind kind) {
    return kind == PointKind::kGround ? m_mapNode
                                      : (kind == PointKind::kMeasurement ? m_mapSite : m_mapBound);
}

const RecordMap<CNode>& CBlockDoc::PointMap(PointKind kind) const {
    return kind == PointKind::kGround ? m_mapNode
                                      : (kind == PointKind::kMeasurement ? m_mapSite : m_mapBound);
}

int& CBlockDoc::NextNumber(PointKind kind) {
    return kind == PointKind::kGround ? m_nNodeCount
                                      : (kind == PointKind::kMeasurement ? m_nSiteCount : m_nBoundCount);
}

void CBlockDoc::EnterIntoIndex(CNode* point) {
    point->SetSeqNo(m_nNextSeqNo);
    m_mapAllPoints.Set(m_nNextSeqNo, point);
    ++m_nNextSeqNo;
}

void CBlockDoc::RemoveFromIndex(const CNode* point) {
    m_mapAllPoints.Remove(point->GetSeqNo(), point);
}

void CBlockDoc::RemovePoint(RecordMap<CNode>& map, int key) {
    if (CNode* point = map.Lookup(key)) {
        RemoveFromIndex(point);
        map.Remove(key);
    }
}

int CBlockDoc::NearPointKey(const RecordMap<CNode>& map, double x, double y) const {
    for (const auto& [key, point] : map) {
        if ((point->GetState() == 0 || point->GetState() == 1) &&
            SquaredDistance(x, y, point->GetX(), point->GetY()) <= m_dSnap2) {
            return key;
        }
    }
    return -1;
}

int CBlockDoc::FindNearbyPoint(double x, double y, PointKind kind) const {
    if (kind == PointKind::kGround || kind == PointKind::kMeasurement) {
        return NearPointKey(PointMap(kind), x, y) + 1;
    }
    for (const auto& [key, point] : m_mapBound) {
        bool takesPart = point->GetState() == 0 || point->GetState() == 1 || point->GetKind() == kind;
        if (takesPart && SquaredDistance(x, y, point->GetX(), point->GetY()) <= m_dSnap2) {
            return key + 1;
        }
    }
    return 0;
}

CNode* CBlockDoc::BoundaryPointOfKind(PointKind kind) const {
    CNode* last = nullptr;
    for (const auto& [key, point] : m_mapBound) {
        if (point->GetKind() == kind) {
            last = point.get();
        }
    }
    return last;
}

bool CBlockDoc::ConfirmNear(bool near, const char8_t* question) const {
    return !near || AfxMessageBox(question, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

CNode* CBlockDoc::MakePoint(PointKind kind, double x, double y) {
    RecordMap<CNode>& map = PointMap(kind);
    int& next = NextNumber(kind);
    auto point = std::make_unique<CNode>(next + 1, x, y, CNode::kChanging);
    point->SetKind(kind);
    if (kind == PointKind::kMeasurement) {
        point->GetName().Format("K-%d", next + 1);
    } else if (kind != PointKind::kGround) {
        point->GetName().Format("B-%d", next + 1);
    }
    CNode* raw = map.SetAt(next, std::move(point));
    ++next;
    EnterIntoIndex(raw);
    return raw;
}

BOOL CBlockDoc::AddNode(double x, double y, int& key) {
    if (int near = FindNearbyPoint(x, y, PointKind::kGround)) {
        key = near - 1;
        return TRUE;
    }
    key = -1;
    if (!CheckDataLimit(m_mapNode.GetCount() + 1, m_nLimit[kNodeLimit], kNodeLimit)) {
        return FALSE;
    }
    // A point on a line splits it; when the two halves would pass the line limit the
    // point is refused as a whole, so that no point lies on a line that passes it by.
    int lineKey = -1;
    bool onLine = FindNearestLine(x, y, lineKey, false) < m_dSnap && lineKey >= 0;
    if (onLine) {
        const CLine* line = LineAt(lineKey);
        DPoint foot;
        double distance = 0.0, slope = 0.0, intercept = 0.0;
        ProjectPointOnSegment(NodeXY(line->GetNode1()), NodeXY(line->GetNode2()), x, y, line->GetSegKind(),
                              foot, distance, slope, intercept);
        onLine = !foot.IsUnset(); // beside the line, not beyond one of its ends
    }
    if (onLine && !CheckDataLimit(m_nLineCount + 2, m_nLimit[kLineLimit], kLineLimit)) {
        return FALSE;
    }
    if (!ConfirmNear(NearPointKey(m_mapSite, x, y) >= 0, u8"計測点が近距離にありますがよろしいですか？")) {
        return FALSE;
    }
    key = MakePoint(PointKind::kGround, x, y)->GetNumber() - 1;
    if (onLine) {
        SplitLineAt(lineKey, key);
    }
    return FALSE;
}

BOOL CBlockDoc::AddMeasurePoint(double x, double y, int& key) {
    if (int near = FindNearbyPoint(x, y, PointKind::kMeasurement)) {
        key = near - 1;
        return TRUE;
    }
    key = -1;
    if (!CheckDataLimit(m_mapSite.GetCount() + 1, m_nLimit[kSiteLimit], kSiteLimit) ||
        !ConfirmNear(NearPointKey(m_mapNode, x, y) >= 0, u8"地表点が近距離にありますがよろしいですか？")) {
        return FALSE;
    }
    key = MakePoint(PointKind::kMeasurement, x, y)->GetNumber() - 1;
    return FALSE;
}

BOOL CBlockDoc::AddBoundaryPoint(double x, double y, PointKind kind, int& key) {
    if (int near = FindNearbyPoint(x, y, kind)) {
        key = near - 1;
        return TRUE;
    }
    key = -1;
    // Each boundary kind has one point: a new one replaces the old, which therefore
    // does not count against the limit. The old point stays until the new one is made.
    CNode* old = BoundaryPointOfKind(kind);
    int count = m_mapBound.GetCount() - (old ? 1 : 0) + 1;
    bool near = NearPointKey(m_mapNode, x, y) >= 0 || NearPointKey(m_mapSite, x, y) >= 0;
    if (!CheckDataLimit(count, m_nLimit[kBoundLimit], kBoundLimit) ||
        !ConfirmNear(near, u8"境界点以外の点が近距離にありますがよろしいですか？")) {
        return FALSE;
    }
    if (old) {
        RemovePoint(m_mapBound, old->GetNumber() - 1);
        m_nBoundCount = HighestKeyPlusOne(m_mapBound);
    }
    key = MakePoint(kind, x, y)->GetNumber() - 1;
    return FALSE;
}

CNode* CBlockDoc::InsertPoint(const CNode& record, PointKind kind) {
    double x = record.GetX();
    double y = record.GetY();
    int key = -1;
    if (kind == PointKind::kGround) {
        AddNode(x, y, key);
    } else if (kind == PointKind::kMeasurement) {
        AddMeasurePoint(x, y, key);
    } else {
        int lineKey = -1;
        double distance = FindNearestLine(x, y, lineKey, true);
        if ((kind == PointKind::kLeftBoundary || kind == PointKind::kRightBoundary) && distance >= m_dSnap) {
            AfxMessageBox(u8"地表境界点の指定位置ｴﾗｰ !!");
            return nullptr;
        }
        if (kind == PointKind::kInnerBoundary && distance < m_dSnap) {
            AfxMessageBox(u8"地中境界点の指定位置ｴﾗｰ !!");
            return nullptr;
        }
        AddBoundaryPoint(x, y, kind, key);
    }
    return key >= 0 ? PointMap(kind).Lookup(key) : nullptr;
}

BOOL CBlockDoc::GetPointXY(int key, double& x, double& y, const RecordMap<CNode>& map) const {
    if (const CNode* point = map.Lookup(key)) {
        x = point->GetX();
        y = point->GetY();
        return TRUE;
    }
    x = m_dModelBox[0] - 10.0;
    y = m_dModelBox[2] - 10.0;
    return FALSE;
}

BOOL CBlockDoc::GetNodeXY(int key, double& x, double& y, PointKind kind) const {
    return GetPointXY(key, x, y, PointMap(kind));
}

DPoint CBlockDoc::NodeXY(int key) const {
    DPoint p;
    GetPointXY(key, p.x, p.y, m_mapNode);
    return p;
}

void CBlockDoc::GetModelExtent(double& width, double& height) {
    ModelExtent extent;
    for (const auto& [seqNo, point] : m_mapAllPoints) {
        if (point->GetState() >= 0) {
            extent.Add(point->GetX(), point->GetY());
        }
    }
    if (!extent.Get(m_dModelBox, width, height)) {
        SetUnset(m_dModelBox);
    }
}

void CBlockDoc::SetNodeStates(int state) {
    SetPointStates(PointKind::kGround, state);
}

void CBlockDoc::SetPointStates(PointKind kind, int state) {
    PointMap(kind).ForEach([state](int /*key*/, CNode& point) { point.SetState(state); });
}

void CBlockDoc::SetLineStates(int state) {
    m_LineList.ForEach([state](int /*key*/, CLine& line) { line.SetState(state); });
}

int CBlockDoc::AddUniqueNo(std::vector<int>& numbers, int number) const {
    if (std::find(numbers.begin(), numbers.end(), number) == numbers.end()) {
        numbers.push_back(number);
    }
    return static_cast<int>(numbers.size());
}

} // namespace merdok
