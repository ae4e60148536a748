#pragma once
// A slip line: a polyline from left to right with the boundary points it passes
// through and, for the polynomial method, the block lines it was fitted over.

#include "platform/core/CMapWordToOb.h"
#include "platform/core/CObject.h"
#include "platform/core/CString.h"

#include <vector>

class CTextFile;
struct DPoint;

namespace torvan {

class CNode;

class CVerrant : public CObject {
    DECLARE_DYNCREATE(CVerrant)

public:
    enum FormatVersion { kCurrentFormat = 0, kOldFormat = 1 }; // "TORVAN002", "TORVAN001"

    CVerrant();
    explicit CVerrant(int number);

    // Reads one slip line's records from the file (its first line next). Boundary
    // numbers are looked up in the boundary points under number - 1. File errors pass on.
    int ParseRecord(CTextFile& file, const CMapWordToOb& boundaryPoints, int version);
    // Writes the records; a line with no points still writes its point-count line.
    void WriteRecord(CTextFile& file) const;
    // Extreme x and y over the points; false when the line has no set point.
    bool GetBoundingBox(double& minX, double& maxX, double& minY, double& maxY) const;
    // Plot commands of the line; returns the label position (millimetres, doubled).
    DPoint Plot(CTextFile& file, double drawingScale, const DPoint& sheetOffset,
                const DPoint& modelOrigin) const;

    int GetNumber() const { return number; }
    int GetState() const { return state; }
    int GetPointCount() const { return pointCount; }

    int number;
    int state;
    int unused;
    int method;
    int methodOption;
    std::vector<double> x;
    std::vector<double> y;
    int pointCount;
    CString name;
    CNode* boundary[3]; // not owned
    int blockCount;
    int visible1;
    int visible2;
    std::vector<double> blockX;
    std::vector<double> blockBeta;
    // The two traced point arrays of a two-point construction; not written to files.
    std::vector<double> traceAx, traceAy, traceBx, traceBy;
};

} // namespace torvan
