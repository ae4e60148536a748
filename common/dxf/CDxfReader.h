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
#include "common/dxf/DxfChunkStream.h"
#include "common/geometry/CClipRect.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <exception>
#include <memory>
#include <optional>
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

    // A polyline read this far is long, for a document put back after a failed import: the
    // rest of its vertices is read, and its points looked up, on a thread of their own, a
    // run of vertices at a time. Short ones never wait on a thread's start.
    static constexpr std::size_t kVerticesPerRun = 2048;
    static constexpr std::size_t kVerticesReadFirst = 2 * kVerticesPerRun;

private:
    struct Vertex {
        double x;
        double y;
    };
    // A point of a long polyline's path as the looking-up thread found it: a point of the
    // document, or one entered for the document to make.
    struct FoundPoint {
        Vertex at;
        int index;
        bool entered;
        bool drawTo; // with a line from the point before
    };
    enum class Outcome { kNothing, kAdded, kStopped };
    class VertexPath;

    int ReadSections(CDxfGroupReader& groups);
    // True when reading must stop (cancel or a limit, with its message).
    bool MustStop();
    Outcome ReadEntity(CDxfGroupReader& groups);
    Outcome ReadDxfLine(CDxfGroupReader& groups);
    Outcome ReadDxfPolyline(CDxfGroupReader& groups);
    // Reads one VERTEX entity; false when it has no usable point.
    bool ReadDxfVertex(CDxfGroupReader& groups, Vertex& vertex) const;
    // The polyline's outcome, none when no thread could be started (nothing read).
    std::optional<Outcome> ReadVerticesAlongside(CDxfGroupReader& groups, int kind, int mayFollow);
    // On the threads of a long polyline: reads the rest of its vertices; looks up the points
    // of its path, which hands them on.
    void ReadRest(CDxfGroupReader& groups, DxfChunkStream<Vertex>& read) const;
    void LookUp(DxfChunkStream<Vertex>& read, VertexPath& path, DxfChunkStream<FoundPoint>& found);
    // Adds the points found as they come, until the adding stops (stopped then true); what
    // the adding threw is returned.
    std::exception_ptr AddFoundPoints(DxfChunkStream<FoundPoint>& found, int kind, bool& stopped);
    // Adds the vertices read before, then each run read, to the path. A failure of the adding
    // lets the reading go on to the polyline's end and is returned.
    std::exception_ptr AddReadVertices(VertexPath& path, DxfChunkStream<Vertex>& read);
    static std::int64_t PositionIfKnown(const CDxfGroupReader& groups);
    int VerticesThatMayFollow(const CDxfGroupReader& groups, std::int64_t polylineStart,
                              std::size_t read) const;
    Outcome ReadDxfLwPolyline(CDxfGroupReader& groups);
    Outcome ReadDxfSpline(CDxfGroupReader& groups);
    Outcome AddVertexPath(int kind);
    // Finds or adds a point of the path and, with drawTo, its line from the point before;
    // false when the import must stop (a limit, a refusal or a cancel).
    bool AddPathPoint(const Vertex& point, bool drawTo, int kind, int& previous);
    // The same for a point the looking-up thread found or entered.
    bool AddFoundPoint(const FoundPoint& point, int kind, int& previous);
    // The rest of AddPathPoint for the point's index (-1: the import stops).
    bool JoinPathPoint(int index, bool drawTo, int& previous);
    // At a layer group (code 8): takes the layer's point kind; when the layer is not chosen,
    // drops the vertices read, skips the rest of the entity and returns true.
    bool SkipsLayer(CDxfGroupReader& groups, int& kind);

    // Document index of a point at (x, y), found or created; -1 when the point limit or
    // the document refuses.
    int FindOrAddDxfPoint(double x, double y, int kind);
    // The same for a point not found, made by CreatePoint, or by CreateEnteredPoint when
    // entered.
    int NewPoint(const Vertex& at, int kind, bool entered);
    // A count + 1 has reached its limit: the import takes no more.
    bool AtPointLimit() const { return document_.GetPointCount() + 1 >= document_.GetPointLimit(); }
    bool AtLineLimit() const { return document_.GetLineCount() + 1 >= document_.GetLineLimit(); }
    // False when the line limit stops the import.
    bool AddDxfLine(int pointA, int pointB);
    int LayerPointKind(std::string_view layerName) { return layerFilter_->LayerPointKind(layerName); }
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
    std::int64_t fileLength_ = -1; // -1 when unknown
};
