#pragma once
// A drawing that uses every entity writer, for the byte tests and the independent audit.

#include <string>
#include <vector>

namespace dxftest {

// Writes a complete DXF file (release 12 for version 0, release 14 for 14) with marker
// and arrow blocks and one entity of every kind; the hatch layer as given.
void WriteSampleDrawing(const std::string& path, int version, const char* hatchLayer = "9");

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
