#include "ModelLookup.h"

#include "analysis/core/CBlockDoc.h"
#include "analysis/core/CLine.h"
#include "analysis/core/CNode.h"
#include "common/geometry/Geometry.h"
#include "platform/core/MapEntries.h"
#include "platform/core/Unset.h"

using section::PointKind;

namespace torvan {

int ModelLookup::NearPointKey(const CMapWordToOb& map, double x, double y) const {
    for (auto [key, point] : platform::MapEntries<const CNode>(map)) {
        if ((point->state == 0 || point->state == 1) &&
            SquaredDistance(x, y, point->x, point->y) <= doc_.Snap().m_dSnap2) {
            return key + 1;
        }
    }
    return 0;
}

bool ModelLookup::IsNearPointOf(const CMapWordToOb& map, double x, double y) const {
    return NearPointKey(map, x, y) != 0;
}

int ModelLookup::FindNearbyPoint(double x, double y, PointKind kind) const {
    const CMapWordToOb& map =
        kind == PointKind::kGround
            ? doc_.GroundPoints()
            : (kind == PointKind::kMeasurement ? doc_.MeasurementPoints() : doc_.BoundaryPoints());
    return NearPointKey(map, x, y);
}

double ModelLookup::FindNearestLine(const CMapWordToOb& lines, double x, double y, int* key,
                                    bool endPoints) const {
    double best = 100000.0;
    for (auto [lineKey, line] : platform::MapEntries<const CLine>(lines)) {
        DPoint a = GetNodeXY(line->node1);
        DPoint b = GetNodeXY(line->node2);
        if (endPoints && ((a.x == x && a.y == y) || (b.x == x && b.y == y))) {
            best = 0.0;
            if (key) {
                *key = lineKey;
            }
        }
        if (IsBetweenOnMajorAxis(DPoint{x, y}, a, b)) {
            DPoint foot;
            double distance = 0.0;
            double slope = 0.0;
            double intercept = 0.0;
            ProjectPointOnSegment(a, b, x, y, ClassifySegment(a.x, a.y, b.x, b.y), foot, distance, slope,
                                  intercept);
            if (distance < best) {
                best = distance;
                if (key) {
                    *key = lineKey;
                }
            }
        }
    }
    return best;
}

DPoint ModelLookup::GetNodeXY(int key) const {
    return GetPointXY(key, doc_.GroundPoints());
}

DPoint ModelLookup::GetPointXY(int key, const CMapWordToOb& points) const {
    CObject* object = nullptr;
    if (key >= 0 && key <= 0xFFFF && points.Lookup(static_cast<WORD>(key), object)) {
        const CNode* point = static_cast<const CNode*>(object);
        return DPoint{point->x, point->y};
    }
    return DPoint{doc_.Extents().m_dMinX - 10.0, doc_.Extents().m_dMinY - 10.0};
}

CNode* ModelLookup::FindBoundaryPoint(PointKind kind) const {
    for (auto [key, point] : platform::MapEntries<CNode>(doc_.BoundaryPoints())) {
        if ((point->state == 0 || point->state == 1) && point->kind == kind && point->inUse == 1) {
            return point;
        }
    }
    return nullptr;
}

CNode* ModelLookup::FindPointByName(const CString& name, const CMapWordToOb& points) {
    for (auto [key, point] : platform::MapEntries<CNode>(points)) {
        if (point->name == name) {
            return point;
        }
    }
    return nullptr;
}

int ModelLookup::FindNearestIntersection(double x, double y, DPoint& point) const {
    double best = platform::kExtentLimit;
    bool found = false;
    const CNode* previous = nullptr;
    POSITION pos = doc_.GroundOrder().GetHeadPosition();
    while (pos) {
        const CNode* node = static_cast<const CNode*>(doc_.GroundOrder().GetNext(pos));
        if (previous) {
            const double xs[3] = {previous->x, node->x, x};
            const double ys[3] = {previous->y, node->y, 0.0};
            DPoint crossing;
            if (IntersectSegmentWithLine(xs, ys, SegmentKind::kVertical, 0.0, 0.0, crossing)) {
                double d = SquaredDistance(x, y, crossing.x, crossing.y);
                if (d < best) {
                    best = d;
                    point = crossing;
                    found = true;
                }
            }
        }
        previous = node;
    }
    return found ? 1 : 0;
}

} // namespace torvan
