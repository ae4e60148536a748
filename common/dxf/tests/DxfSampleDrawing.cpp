#include "DxfSampleDrawing.h"

#include "common/dxf/CDxfWriter.h"
#include "common/records/CTextFile.h"
#include "testsupport/TempDir.h"

#include <stdexcept>

namespace dxftest {

const std::string& TestOutputDirectory() {
    // Made on first use and removed with everything in it when the test program ends.
    static const testsupport::TempDir directory("common_dxf_tests");
    static const std::string path = directory.Path().string();
    return path;
}

void WriteDxfFile(const std::string& path, const DxfFileShape& shape,
                  const std::function<void(CDxfWriter&)>& entities) {
    CTextFile file;
    if (!file.Open(path.c_str(), CFile::modeCreate | CFile::modeWrite | CFile::typeText)) {
        throw std::runtime_error("cannot create " + path);
    }
    CDxfWriter writer;
    writer.m_pFile = &file;
    writer.m_nVersion = shape.version;
    if (shape.hatchLayer) {
        writer.SetHatchLayer(shape.hatchLayer);
    }
    writer.WriteHeaderSection(shape.minX, shape.minY, shape.maxX, shape.maxY);
    writer.WriteTablesSection(shape.markerBlocks, shape.markerBlocks);
    writer.WriteBlocksSection(shape.markerBlocks, shape.markerBlocks);
    writer.WriteGroupString(" 0", "SECTION");
    writer.WriteGroupString(" 2", "ENTITIES");
    entities(writer);
    writer.WriteGroupString(" 0", "ENDSEC");
    writer.WriteObjectsSection();
    writer.WriteGroupString(" 0", "EOF");
    file.Close();
}

namespace {

// One entity of every kind.
void WriteEveryEntity(CDxfWriter& writer) {
    writer.WriteLine(CPoint(100, 100), CPoint(1000, 100), 1, 0, 1);
    writer.WriteLine(CPoint(100, 200), CPoint(1000, 200), 3, 1, 3);
    writer.WriteLineXY(10.0, 30.0, 100.0, 30.0, 0, 2, 5);
    writer.WriteLineXY(10.0, 40.0, 100.0, 40.0, 2, 3, 6);
    const double xs[4] = {120.0, 160.0, 200.0, 240.0};
    const double ys[4] = {20.0, 60.0, 20.0, 60.0};
    writer.SetLayerName("1");
    writer.WritePolyline(xs, ys, 4, 0, 0, 3);
    const CPoint zigzag[3] = {CPoint(1200, 800), CPoint(1600, 1200), CPoint(2000, 800)};
    writer.WritePolylineInt(zigzag, 3, 1, 1, 4);
    const CPoint wave[4] = {CPoint(2100, 800), CPoint(2300, 1200), CPoint(2500, 800), CPoint(2700, 1200)};
    writer.WriteLwPolyline(wave, 4, 2, 2, 2);
    const CPoint quad[4] = {CPoint(100, 1300), CPoint(500, 1300), CPoint(100, 1700), CPoint(500, 1700)};
    writer.WriteSolid(quad, 1);
    writer.WriteInsert("CENTER-3", CPoint(700, 1500), 1.0, 5);
    writer.WriteInsert("ARROW-1", CPoint(700, 1800), 1.0, 2, 45.0);
    writer.WriteCircle(CPoint(1100, 1500), 150, 1, 0, 3);
    writer.WriteArc(CPoint(1500, 1500), 150, 0.0, 180.0, 1, 0, 6);
    writer.WriteRectangle(180.0, 130.0, 220.0, 170.0, 1, 0, 4);
    writer.WriteRectangleInt(CPoint(2300, 1300), CPoint(2700, 1700), 1, 0, 5);
    const CPoint triangle[4] = {CPoint(2800, 100), CPoint(2950, 100), CPoint(2875, 400), CPoint(2800, 100)};
    writer.WriteHatch(triangle, 4, 3);
    writer.WriteText("ABC", 10.0, 180.0, 5.0, 0, 7, 0, 0);
    writer.WriteText(CString(u8"地表面 すべり線"), 60.0, 180.0, 5.0, 0, 1, 8, 0);
    writer.WriteText("Vertical", 280.0, 100.0, 4.0, 0, 5, 6, 900);
}

} // namespace

void WriteSampleDrawing(const std::string& path, int version, const char* hatchLayer) {
    WriteDxfFile(path, DxfFileShape{version, 0.0, 0.0, 300.0, 200.0, true, hatchLayer}, WriteEveryEntity);
}

} // namespace dxftest

namespace dxftest {

std::vector<std::vector<SectionPoint>> WriteSectionDrawing(const std::string& path, int version) {
    std::vector<std::vector<SectionPoint>> runs = {
        {{0.0, 50.0}, {12.5, 48.25}, {30.0, 40.0}, {55.125, 22.0}, {80.0, 15.5}, {120.0, 14.0}},
        {{30.0, 40.0}, {45.0, 30.0}, {60.0, 28.0}},
        {{100.0, 0.5}, {100.0, 14.0}},
    };
    WriteDxfFile(path, DxfFileShape{version, 0.0, 0.0, 120.0, 50.0}, [&](CDxfWriter& writer) {
        writer.SetLayerName("1");
        for (std::size_t i = 0; i + 1 < runs.size(); ++i) {
            std::vector<double> xs;
            std::vector<double> ys;
            for (const SectionPoint& point : runs[i]) {
                xs.push_back(point.x);
                ys.push_back(point.y);
            }
            writer.WritePolyline(xs.data(), ys.data(), static_cast<int>(xs.size()), 1, 0, 3);
        }
        const std::vector<SectionPoint>& last = runs.back();
        writer.WriteLineXY(last[0].x, last[0].y, last[1].x, last[1].y, 1, 0, 5);
    });
    return runs;
}

} // namespace dxftest
