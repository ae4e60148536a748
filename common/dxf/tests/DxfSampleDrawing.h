#pragma once
// A drawing that uses every entity writer, for the byte tests and the independent audit.

#include <functional>
#include <string>
#include <vector>

class CDxfWriter;

namespace dxftest {

// Writes a complete DXF file (release 12 for version 0, release 14 for 14) with marker
// and arrow blocks and one entity of every kind; the hatch layer as given.
void WriteSampleDrawing(const std::string& path, int version, const char* hatchLayer = "9");

// What surrounds a DXF file's entities.
struct DxfFileShape {
    int version = 0;
    // The drawing's extent in the header.
    double minX = 0.0;
    double minY = 0.0;
    double maxX = 0.0;
    double maxY = 0.0;
    // The marker and arrow blocks and the layers and line types they use.
    bool markerBlocks = false;
    const char* hatchLayer = nullptr; // null: the writer's own
};

// Writes a complete DXF file: the header, tables and blocks of the shape, the entities that
// entities writes, then (release 14) the objects; throws when path cannot be made.
void WriteDxfFile(const std::string& path, const DxfFileShape& shape,
                  const std::function<void(CDxfWriter&)>& entities);

// Temporary directory of this test run, created on first use under $TMPDIR.
const std::string& TestOutputDirectory();

} // namespace dxftest

namespace dxftest {

struct SectionPoint {
    double x;
    double y;
};

// A section as the analysis program exports it: each run of points as one polyline on
// layer "1", and two single lines; returns the runs written.
std::vector<std::vector<SectionPoint>> WriteSectionDrawing(const std::string& path, int version);

} // namespace dxftest
