#pragma once
// What the DXF reader needs of the document it imports into. The section model
// editor's document implements it; the reader adds points and lines only through it.

#include "common/section/PointKind.h"
#include "platform/core/CString.h"
#include "platform/core/Unset.h"

#include <vector>

struct CDxfImportSettings {
    // Every x is multiplied by the X factor and every y by the Y factor before any test.
    double xFactor = 1.0;
    double yFactor = 1.0;
    // Points not farther apart than this are one point; segments not longer than it are
    // dropped. The unset double (or a negative or non-finite value) means 0.
    double samePointDistance = platform::kUnsetDouble;
    // xmin, xmax, ymin, ymax. A bound that is the unset double or +-FLT_MAX is unbounded;
    // all four unbounded means no region.
    double region[4] = {platform::kUnsetDouble, platform::kUnsetDouble, platform::kUnsetDouble,
                        platform::kUnsetDouble};
    // Layer names (CP932) of the three lists. An entity on a layer of list i gets point
    // kind listPointKinds[i]; with all three lists empty every entity gets the first kind.
    std::vector<CString> layerLists[3];
    section::PointKind listPointKinds[3] = {section::PointKind::kMeasurement,
                                            section::PointKind::kInnerBoundary,
                                            section::PointKind::kRightBoundary};
};

class CDxfImportDocument {
public:
    virtual ~CDxfImportDocument() = default;

    virtual const CDxfImportSettings& GetDxfImportSettings() const = 0;

    // The document's point-snapping distance and its square; the reader replaces them by
    // the same-point distance for the time of the import and puts them back afterwards.
    virtual void GetSnapDistance(double& distance, double& squared) const = 0;
    virtual void SetSnapDistance(double distance, double squared) = 0;

    // Index + 1 of a point whose squared distance to (x, y) is not greater than the
    // squared snapping distance (the lowest index when several are), 0 when none.
    // Called once per imported vertex: it must not scan every point.
    virtual int FindPoint(double x, double y) const = 0;
    // Creates a point of this kind numbered one above the highest number; returns its
    // index, or -1 when the document refuses (it has told the user why).
    virtual int CreatePoint(double x, double y, section::PointKind kind) = 0;
    // Up to this many points (and the lines between them) follow: room for them at once
    // saves a long polyline's import the step-by-step growth of the document's tables.
    // A hint only; it changes no result.
    virtual void ReservePoints(int /*count*/) {}
    // A point at (x, y) is looked for soon, after a few others: the document may fetch what
    // that search and the point's entry will touch while it works on the others. A hint only.
    virtual void ExpectPoint(double /*x*/, double /*y*/) const {}
    // Adds a line between two point indexes unless a line joins them already, in
    // either direction.
    virtual void CreateLine(int pointA, int pointB) = 0;

    virtual int GetPointCount() const = 0;
    virtual int GetLineCount() const = 0;
    // The import stops when a count + 1 reaches its limit.
    virtual int GetPointLimit() const = 0;
    virtual int GetLineLimit() const = 0;

    // After the import: rebuild the point and line maps and update the views.
    virtual void RefreshAfterImport() = 0;
};
