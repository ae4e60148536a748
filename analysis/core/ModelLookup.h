#pragma once
// Geometric and name look-ups on the analysis model. They only read the document: the
// near point of a position, the nearest line, a point's coordinates by key, the boundary
// point of a kind in use, a point by name, and the ground line's crossing with a vertical.

#include "common/geometry/DPoint.h"
#include "common/section/PointKind.h"

class CMapWordToOb;
class CString;

namespace torvan {

class CBlockDoc;
class CNode;

class ModelLookup {
public:
    explicit ModelLookup(const CBlockDoc& doc) : doc_(doc) {}

    // Key + 1 of the first point of the map (state 0 or 1) within the snapping distance, else 0.
    int NearPointKey(const CMapWordToOb& map, double x, double y) const;
    bool IsNearPointOf(const CMapWordToOb& map, double x, double y) const;
    // Key + 1 of the first near point of the kind (a boundary kind searches all boundary
    // points), 0 when none.
    int FindNearbyPoint(double x, double y, section::PointKind kind) const;
    // Squared distance of the nearest line (100000 when none qualifies); key when asked.
    double FindNearestLine(const CMapWordToOb& lines, double x, double y, int* key, bool endPoints) const;
    // Coordinates of a ground-surface point by key; a missing point gives
    // (minimum x - 10, minimum y - 10) of the model extent.
    DPoint GetNodeXY(int key) const;
    // The same for a point of any map.
    DPoint GetPointXY(int key, const CMapWordToOb& points) const;
    // The first boundary point of the kind that is in use, or null.
    CNode* FindBoundaryPoint(section::PointKind kind) const;
    static CNode* FindPointByName(const CString& name, const CMapWordToOb& points);
    // The crossing of the vertical through x with the ground-surface line nearest to (x, y);
    // 1 when there is one.
    int FindNearestIntersection(double x, double y, DPoint& point) const;

private:
    const CBlockDoc& doc_;
};

} // namespace torvan
