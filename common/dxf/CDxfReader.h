#pragma once
// Imports the geometry of a DXF drawing into a section model document: LINE,
// POLYLINE (VERTEX, SEQEND), LWPOLYLINE and SPLINE (through its fit points) entities
// of the ENTITIES section on the chosen layers, scaled by the factors, clipped to the
// region, thinned and merged by the same-point distance, as points and lines.
//
// Reading rules: bulges are ignored (straight chords); the closing segment of a closed
// polyline is not added; INSERTs are not expanded; a POLYLINE ends at SEQEND or at any
// entity other than a VERTEX; no line joins a point to itself; a coordinate that is
// not a finite number counts as missing.

#include "common/dxf/CDxfImportDocument.h"
#include "common/dxf/CDxfImportProgress.h"
#include "common/dxf/CDxfLayerFilter.h"
#include "common/geometry/CClipRect.h"

#include <cstddef>
#include <deque>
#include <memory>
#include <string_view>

class CDxfGroupReader;

class CDxfReader {
public:
    explicit CDxfReader(CDxfImportDocument& document);
    ~CDxfReader();
    CDxfReader(const CDxfReader&) = delete;
    CDxfReader& operator=(const CDxfReader&) = delete;

    // Reads the file (CP932 path) into the document; the progress display may be null.
    // 1 when the file was read, also when a limit or a cancel stopped it (what was read
    // stays). 0 when it could not be opened, is a binary DXF (nothing added), ends
    // before its "EOF" group, or a file or memory error ended it; the user has been told
    // in every case. The document is refreshed whenever reading began.
    int ImportDxf(const char* path, CDxfImportProgress* progress = nullptr);

private:
    struct Vertex {
        double x;
        double y;
    };
    enum class Outcome { kNothing, kAdded, kStopped };

    int ReadSections(CDxfGroupReader& groups);
    // True when reading must stop (cancel or a limit, with its message).
    bool MustStop();
    Outcome ReadEntity(CDxfGroupReader& groups);
    Outcome ReadDxfLine(CDxfGroupReader& groups);
    Outcome ReadDxfPolyline(CDxfGroupReader& groups);
    // Reads one VERTEX entity; false when it has no usable point.
    bool ReadDxfVertex(CDxfGroupReader& groups, Vertex& vertex) const;
    Outcome ReadDxfLwPolyline(CDxfGroupReader& groups);
    Outcome ReadDxfSpline(CDxfGroupReader& groups);
    // Thins the vertices read, in place, and adds the path's clipped segments.
    Outcome AddVertexPath(section::PointKind kind);
    // Drops each vertex not farther than the same-point distance from the one kept before it;
    // the count kept.
    std::size_t ThinVertices();
    // Finds or adds a point of the path and, with drawTo, its line from the point before;
    // false when the import must stop (a limit, a refusal or a cancel).
    bool AddPathPoint(const Vertex& point, bool drawTo, section::PointKind kind, int& previous);
    // At a layer group (code 8): takes the layer's point kind; when the layer is not chosen,
    // drops the vertices read, skips the rest of the entity and returns true.
    bool SkipsLayer(CDxfGroupReader& groups, section::PointKind& kind);

    // Document index of a point at (x, y), found or created; -1 when the point limit or
    // the document refuses.
    int FindOrAddDxfPoint(double x, double y, section::PointKind kind);
    // A count + 1 has reached its limit: the import takes no more.
    bool AtPointLimit() const { return document_.GetPointCount() + 1 >= document_.GetPointLimit(); }
    bool AtLineLimit() const { return document_.GetLineCount() + 1 >= document_.GetLineLimit(); }
    // False when the line limit stops the import.
    bool AddDxfLine(int pointA, int pointB);
    section::PointKind LayerPointKind(std::string_view layerName) {
        return layerFilter_->LayerPointKind(layerName);
    }
    bool ScaledPoint(double x, double y, Vertex& out) const;
    bool IsCancelled() const { return progress_ && progress_->IsCancelled(); }
    void Pump();
    void ShowCounts();

    CDxfImportDocument& document_;
    CDxfImportProgress* progress_ = nullptr;
    CDxfImportSettings settings_;
    std::unique_ptr<CDxfLayerFilter> layerFilter_;
    std::unique_ptr<CClipRect> clip_;
    bool aborted_ = false; // the document refused a point
    double samePointDistance_ = 0.0;
    double squaredSamePointDistance_ = 0.0;
    // A deque: the vertices of a long polyline are kept block by block as they are read,
    // never moved into a larger copy.
    std::deque<Vertex> vertices_;
};
