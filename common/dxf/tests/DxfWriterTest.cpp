#include "DxfSampleDrawing.h"
#include "DxfTestFiles.h"

#include "common/dxf/CDxfWriter.h"
#include "common/records/CTextFile.h"
#include "platform/core/CodePage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>

using dxftest::OutputPath;
using dxftest::ReadLines;

namespace {

using Lines = std::vector<std::string>;

class DxfWriterOutput : public ::testing::Test {
protected:
    // Runs the body on a writer attached to a fresh file and returns the written lines.
    Lines Write(const std::function<void(CDxfWriter&)>& body, int version = 0) {
        std::string path = OutputPath("writer-" + std::to_string(++fileNumber_) + ".dxf");
        CTextFile file;
        EXPECT_TRUE(file.Open(path.c_str(), CFile::modeCreate | CFile::modeWrite | CFile::typeText));
        writer.m_pFile = &file;
        writer.m_nVersion = version;
        body(writer);
        file.Close();
        lastPath = path;
        return ReadLines(path);
    }
    static bool Contains(const Lines& lines, const Lines& run) {
        return std::search(lines.begin(), lines.end(), run.begin(), run.end()) != lines.end();
    }
    static int Count(const Lines& lines, const std::string& text) {
        return static_cast<int>(std::count(lines.begin(), lines.end(), text));
    }

    CDxfWriter writer;
    std::string lastPath;

private:
    int fileNumber_ = 0;
};

TEST_F(DxfWriterOutput, GroupWritersFormatValues) {
    Lines lines = Write([](CDxfWriter& w) {
        w.WriteGroupReal(" 10", 0.0);
        w.WriteGroupReal(" 10", 0.0005);
        w.WriteGroupReal(" 10", -0.0009999);
        w.WriteGroupReal(" 10", 0.001);
        w.WriteGroupTenths(" 40", 22);
        w.WriteGroupTenths(" 49", -7);
        w.WriteGroupInt(" 62", 7);
        w.WriteNextHandle();
        w.WriteGroupHandle(330);
    });
    EXPECT_EQ(lines, (Lines{" 10", "0.000", " 10", "5.00e-04", " 10", "-1.00e-03", " 10", "0.001", " 40",
                            "2.2", " 49", "-0.7", " 62", "   7", "  5", "20", "330", "21"}));
    EXPECT_NE(dxftest::ReadBytes(lastPath).find("0.000\r\n"), std::string::npos);
}

TEST_F(DxfWriterOutput, Release12FrameHasNoHandlesOrRelease14Tables) {
    Lines lines = Write([](CDxfWriter& w) {
        w.WriteHeaderSection(0.0, 0.0, 300.0, 200.0);
        w.WriteTablesSection(FALSE, FALSE);
        w.WriteBlocksSection(FALSE, FALSE);
        w.WriteObjectsSection();
    });
    EXPECT_TRUE(Contains(lines, {" 9", "$ACADVER", " 1", "AC1009", " 9", "$DWGCODEPAGE", " 3", "ANSI_932"}));
    EXPECT_TRUE(Contains(lines, {" 9", "$EXTMAX", " 10", "300.000", " 20", "200.000"}));
    EXPECT_TRUE(Contains(lines, {" 9", "$TEXTSIZE", " 40", "1.000", " 0", "ENDSEC"}));
    for (const char* absent :
         {"VPORT", "VIEW", "UCS", "APPID", "DIMSTYLE", "BLOCK_RECORD", "OBJECTS", "  5", "100"}) {
        EXPECT_EQ(Count(lines, absent), 0) << absent;
    }
    EXPECT_TRUE(Contains(lines, {" 0", "SECTION", " 2", "BLOCKS", " 0", "ENDSEC"}));
    EXPECT_TRUE(
        Contains(lines, {" 2", "DASHED", " 70", "   0", " 3", platform::Utf8ToCp932(u8"破線"), " 72", "   65",
                         " 73", "   2", " 40", "2.2", " 49", "1.5", " 49", "-0.7", " 0", "LTYPE"}));
    EXPECT_TRUE(
        Contains(lines, {" 2", "1", " 70", "   0", " 62", "   7", " 6", "CONTINUOUS", " 0", "ENDTAB"}));
    EXPECT_TRUE(Contains(lines, {" 2", "STYLE-1", " 70", "   0", " 40", "1.000", " 41", "1.000", " 50",
                                 "0.000", " 71", "   0", " 42", "1.000", " 3", "monotxt", " 4", "BIGFONT"}));
}

TEST_F(DxfWriterOutput, Release14TablesStartHandlesAt20AndListOnlyTheLayoutsWithoutBlocks) {
    Lines lines = Write(
        [](CDxfWriter& w) {
            w.WriteHeaderSection(100, 50);
            w.WriteTablesSection(FALSE, FALSE);
        },
        14);
    EXPECT_TRUE(Contains(lines, {" 1", "AC1014"}));
    EXPECT_TRUE(Contains(lines, {" 0", "VPORT", "  5", "20", "100", "AcDbSymbolTableRecord"}));
    EXPECT_TRUE(Contains(lines, {" 0", "DIMSTYLE", "105"}));
    EXPECT_TRUE(Contains(lines, {" 2", "*PAPER_SPACE", " 0", "ENDTAB", " 0", "ENDSEC"}));
    EXPECT_EQ(Count(lines, "CENTER-0"), 0);
    EXPECT_TRUE(Contains(lines, {" 2", "9", " 70", "   0"})); // the hatch layer's own record
}

TEST_F(DxfWriterOutput, SectionModelEditorHatchLayerHasNoExtraLayerRecord) {
    writer.SetHatchLayer("1");
    Lines lines = Write(
        [](CDxfWriter& w) {
            w.WriteTablesSection(FALSE, FALSE);
            const CPoint square[4] = {CPoint(0, 0), CPoint(10, 0), CPoint(10, 10), CPoint(0, 0)};
            w.WriteHatch(square, 4, 3);
        },
        14);
    EXPECT_EQ(Count(lines, "LAYER"), 3); // the table and the records "0" and "1"
    EXPECT_TRUE(Contains(lines, {"100", "AcDbEntity", " 8", "1", "100", "AcDbHatch"}));
    EXPECT_TRUE(Contains(lines, {" 93", "   3"})); // the repeated first point is not written
}

TEST_F(DxfWriterOutput, Release12LwPolylineAndHatchNameLayerAndColourBeforeTheirSubclasses) {
    Lines lines = Write([](CDxfWriter& w) {
        const CPoint points[3] = {CPoint(0, 0), CPoint(10, 0), CPoint(10, 10)};
        w.WriteLwPolyline(points, 3, 0, 2, 4);
        w.WriteHatch(points, 3, 3);
    });
    EXPECT_TRUE(Contains(lines, {" 0", "LWPOLYLINE", " 8", "0", " 6", "CONTINUOUS", " 62", "   4", "100",
                                 "AcDbEntity", "100", "AcDbPolyline", " 90", "   3"}));
    EXPECT_TRUE(Contains(lines, {" 0", "HATCH", " 8", "9", " 62", "   3", "100", "AcDbEntity", "100",
                                 "AcDbHatch", " 10", "0.0"}));
    EXPECT_EQ(Count(lines, "  5"), 0);
}

TEST_F(DxfWriterOutput, ObjectsSectionOnlyInRelease14) {
    Lines lines = Write([](CDxfWriter& w) { w.WriteObjectsSection(); }, 14);
    EXPECT_TRUE(Contains(lines, {" 0", "MLINESTYLE", " 5", "1C"}));
    EXPECT_TRUE(Contains(lines, {"70", "0", "3", "", "62", "256", "51", "90.0"}));
    EXPECT_EQ(lines.back(), "ENDSEC");
}

TEST_F(DxfWriterOutput, WideLineOrColourByStyleBecomesTwoVertexPolyline) {
    Lines lines = Write([](CDxfWriter& w) { w.WriteLine(CPoint(0, 0), CPoint(100, 0), 2, 0, 7); });
    EXPECT_TRUE(
        Contains(lines, {" 0", "POLYLINE", " 8", "0", " 6", "CONTINUOUS", " 62", "   7", " 66", "   1"}));
    EXPECT_TRUE(Contains(lines, {" 40", "0.2", " 41", "0.2", " 70", "   128"}));
    EXPECT_EQ(Count(lines, "VERTEX"), 2);

    const int colors[4] = {5, 8, 1, 6};
    CDxfWriter byStyle(0.8, 0.5, CDxfWriter::kColorByLineStyle, colors);
    writer.m_nColorMode = CDxfWriter::kColorByLineStyle;
    lines = Write([](CDxfWriter& w) { w.WriteLine(CPoint(0, 0), CPoint(100, 0), 1, 1, 7); });
    EXPECT_TRUE(Contains(lines, {" 6", "DASHED"}));
    EXPECT_TRUE(Contains(lines, {" 40", "0.15", " 41", "0.15"}));
    int code = 5;
    EXPECT_EQ(byStyle.SelectLineType(code), 1);
    EXPECT_EQ(code, 1);
    code = 2;
    EXPECT_EQ(byStyle.SelectLineType(code), 0);
}

TEST_F(DxfWriterOutput, PolylineWithoutWidthIsContinuousWhateverTheStyle) {
    writer.SetLayerName("GROUND");
    Lines lines = Write([](CDxfWriter& w) {
        const double xs[2] = {0.0, 1.5};
        const double ys[2] = {0.0, -2.0};
        w.WritePolyline(xs, ys, 2, 0, 2, 3);
    });
    EXPECT_EQ(lines, (Lines{" 0",     "POLYLINE", " 8",     "GROUND", " 6",         "CONTINUOUS", " 62",
                            "   3",   " 66",      "   1",   " 10",    "0.000",      " 20",        "0.000",
                            " 40",    "0.15",     " 41",    "0.15",   " 70",        "   128",     " 0",
                            "VERTEX", " 8",       "GROUND", " 10",    "0.000",      " 20",        "0.000",
                            " 0",     "VERTEX",   " 8",     "GROUND", " 10",        "1.500",      " 20",
                            "-2.000", " 0",       "SEQEND", "100",    "AcDbEntity", " 8",         "GROUND"}));
}

TEST_F(DxfWriterOutput, TextHeightAndWidthDependOnDoubleByteCharacters) {
    Lines lines = Write([](CDxfWriter& w) { w.WriteText("ABC", 1.0, 2.0, 5.0, 0, 7, 0, 900); });
    EXPECT_EQ(lines, (Lines{" 0",    "TEXT",    " 8",  "0",    " 62",   "   7",  " 10",   "1.000", " 20",
                            "2.000", " 1",      "ABC", " 50",  "270.0", " 41",   "0.500", " 40",   "3.500",
                            " 7",    "STYLE-1", " 73", "   3", " 11",   "1.000", " 21",   "2.000"}));
    std::string japanese = platform::Utf8ToCp932(u8"地表");
    lines = Write([&](CDxfWriter& w) { w.WriteText(japanese.c_str(), 0.0, 0.0, 5.0, 0, 1, 6 | 8, 0); });
    EXPECT_TRUE(Contains(lines, {" 1", japanese, " 41", "0.800", " 40", "5.000"}));
    EXPECT_TRUE(Contains(lines, {" 72", "   1", " 73", "   1"}));
}

TEST_F(DxfWriterOutput, TextWithLineBreakStaysOneValueLine) {
    Lines lines = Write([](CDxfWriter& w) { w.WriteText("A\r\nB", 0.0, 0.0, 1.0, 0, 1, 0, 0); });
    EXPECT_TRUE(Contains(lines, {" 1", "A  B", " 41"}));
}

TEST_F(DxfWriterOutput, UsedColoursAreMappedToPaletteNumbers) {
    CMapWordToPtr used;
    COLORREF white = RGB(255, 255, 255);
    COLORREF red = RGB(250, 5, 5);
    used.SetAt(1, &white);
    used.SetAt(7, &red);
    writer.m_pUsedColors = &used;
    Write([](CDxfWriter& w) { w.WriteHeaderSection(0, 0); });
    EXPECT_EQ(writer.MappedColorIndex(1), 250);
    EXPECT_EQ(writer.MappedColorIndex(7), 10);
    EXPECT_EQ(writer.MappedColorIndex(2), -1);
}

// Every entity writer puts each coordinate it is given into its own group, in order: the
// points of each case are all different, so a swapped or repeated value shows.
TEST_F(DxfWriterOutput, EntityWritersPutEachCoordinateInItsOwnGroup) {
    using Pairs = std::vector<std::string>;
    const auto coordinates = [](const Lines& lines) {
        static const Lines kCodes = {" 10", " 20", " 11", " 21", " 12", " 22",
                                     " 13", " 23", " 40", " 50", " 51"};
        Pairs pairs;
        for (std::size_t i = 0; i + 1 < lines.size(); i += 2) {
            if (std::find(kCodes.begin(), kCodes.end(), lines[i]) != kCodes.end()) {
                pairs.push_back(lines[i].substr(1) + "=" + lines[i + 1]);
            }
        }
        return pairs;
    };
    const CPoint four[4] = {CPoint(11, 22), CPoint(33, 44), CPoint(55, 66), CPoint(77, 88)};
    struct Case {
        const char* name;
        std::function<void(CDxfWriter&)> write;
        Pairs expected;
    };
    const Case cases[] = {
        {"LINE in tenths",
         [](CDxfWriter& w) { w.WriteLine(CPoint(12, 34), CPoint(56, 78), 0, 0, 7); },
         {"10=1.2", "20=3.4", "11=5.6", "21=7.8"}},
        {"LINE in metres",
         [](CDxfWriter& w) { w.WriteLineXY(1.5, 2.5, 3.5, 4.5, 0, 0, 7); },
         {"10=1.500", "20=2.500", "11=3.500", "21=4.500"}},
        {"wide LINE as a polyline",
         [](CDxfWriter& w) { w.WriteLine(CPoint(12, 34), CPoint(56, 78), 2, 0, 7); },
         {"10=0.000", "20=0.000", "40=0.2", "10=1.200", "20=3.400", "10=5.600", "20=7.800"}},
        {"POLYLINE in tenths",
         [&](CDxfWriter& w) { w.WritePolylineInt(four, 3, 0, 0, 7); },
         {"10=0.000", "20=0.000", "40=0.15", "10=1.1", "20=2.2", "10=3.3", "20=4.4", "10=5.5", "20=6.6"}},
        {"LWPOLYLINE",
         [&](CDxfWriter& w) { w.WriteLwPolyline(four, 2, 0, 0, 7); },
         {"40=0.15", "10=1.1", "20=2.2", "10=3.3", "20=4.4"}},
        {"SOLID",
         [&](CDxfWriter& w) { w.WriteSolid(four, 7); },
         {"10=1.1", "20=2.2", "11=3.3", "21=4.4", "12=5.5", "22=6.6", "13=7.7", "23=8.8"}},
        {"INSERT",
         [](CDxfWriter& w) { w.WriteInsert("MARK", CPoint(12, 34), 2.0, 7, 30.0); },
         {"10=1.2", "20=3.4", "50=30.000"}},
        {"CIRCLE",
         [](CDxfWriter& w) { w.WriteCircle(CPoint(12, 34), 56, 0, 0, 7); },
         {"10=1.2", "20=3.4", "40=5.6"}},
        {"ARC",
         [](CDxfWriter& w) { w.WriteArc(CPoint(12, 34), 56, 15.0, 75.0, 0, 0, 7); },
         {"10=1.2", "20=3.4", "40=5.6", "50=15.000", "51=75.000"}},
        {"rectangle in metres",
         [](CDxfWriter& w) { w.WriteRectangle(1.0, 2.0, 3.0, 4.0, 0, 0, 7); },
         {"10=0.000", "20=0.000", "40=0.15", "10=1.000", "20=2.000", "10=3.000", "20=2.000", "10=3.000",
          "20=4.000", "10=1.000", "20=4.000"}},
        {"rectangle in tenths",
         [](CDxfWriter& w) { w.WriteRectangleInt(CPoint(10, 20), CPoint(30, 40), 0, 0, 7); },
         {"10=0.000", "20=0.000", "40=0.15", "10=1.0", "20=2.0", "10=3.0", "20=2.0", "10=3.0", "20=4.0",
          "10=1.0", "20=4.0"}},
        {"HATCH",
         [&](CDxfWriter& w) { w.WriteHatch(four, 3, 7); },
         {"10=0.0", "20=0.0", "10=1.1", "20=2.2", "10=3.3", "20=4.4", "10=5.5", "20=6.6", "10=0.0",
          "20=0.0"}},
        {"TEXT",
         [](CDxfWriter& w) { w.WriteText("AB", 1.25, 2.75, 5.0, 0, 7, 0, 0); },
         {"10=1.250", "20=2.750", "40=3.500", "11=1.250", "21=2.750"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(coordinates(Write(c.write)), c.expected);
    }
}

TEST(DxfWriter, StandardColoursMapToDxfNumbers) {
    const int expected[16] = {7, 12, 92, 52, 172, 212, 132, 9, 8, 1, 3, 2, 5, 6, 4, 255};
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(CDxfWriter::StandardColorToAci(i), expected[i]) << i;
    }
    EXPECT_EQ(CDxfWriter::StandardColorToAci(16), 7);
    EXPECT_EQ(CDxfWriter::StandardColorToAci(-1), 7);
}

TEST(DxfWriter, LineTypeIndexNeedsAWidthAndAStyleOneToThree) {
    const struct {
        int width, style, index, widthAfter;
    } cases[] = {{0, 2, 0, 1}, {1, 2, 2, 1}, {3, 3, 3, 3}, {1, 4, 0, 1}, {5, 0, 0, 5}};
    for (const auto& c : cases) {
        int width = c.width;
        EXPECT_EQ(CDxfWriter::NextVertexFlag(width, c.style), c.index) << c.width << "," << c.style;
        EXPECT_EQ(width, c.widthAfter);
    }
}

TEST(DxfWriter, LayerNameIsCutAtNineteenBytesWithoutSplittingACharacter) {
    CDxfWriter writer;
    std::string name = "123456789012345678" + platform::Utf8ToCp932(u8"地");
    writer.SetLayerName(name.c_str());
    EXPECT_STREQ(writer.m_szLayerName, "123456789012345678");
}

} // namespace

TEST(DxfArcBulge, CounterClockwiseQuarterHalfAndThreeQuarterArcs) {
    struct Case {
        CPoint start, end;
        double bulge;
    } cases[] = {
        {{10, 0}, {0, 10}, std::tan(M_PI / 8)},
        {{10, 0}, {-10, 0}, 1.0},
        {{0, 10}, {10, 0}, std::tan(3 * M_PI / 8)},
    };
    for (const Case& c : cases) {
        double bulge = 0.0;
        EXPECT_TRUE(CDxfWriter::ArcBulgeGeometry(c.start, c.end, CPoint(0, 0), bulge));
        EXPECT_NEAR(bulge, c.bulge, 1e-12);
    }
    double bulge = 5.0;
    EXPECT_FALSE(CDxfWriter::ArcBulgeGeometry(CPoint(0, 0), CPoint(1, 0), CPoint(0, 0), bulge));
    EXPECT_EQ(bulge, 0.0);
}
