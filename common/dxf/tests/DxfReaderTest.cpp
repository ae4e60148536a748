#include "DxfTestFiles.h"
#include "RecordingDocument.h"

#include "common/dxf/CDxfReader.h"
#include "platform/core/CodePage.h"
#include "platform/core/RecordingSink.h"
#include "platform/core/Unset.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <cstdlib>

using dxftest::EntitiesDxf;
using dxftest::OutputPath;
using dxftest::RecordingDocument;
using dxftest::RecordingProgress;

namespace {

using Groups = std::vector<std::string>;

Groups Line(double x1, double y1, double x2, double y2, const std::string& layer = "0") {
    return {"0",  "LINE",
            "8",  layer,
            "10", std::to_string(x1),
            "20", std::to_string(y1),
            "11", std::to_string(x2),
            "21", std::to_string(y2)};
}

Groups Concat(std::initializer_list<Groups> parts) {
    Groups all;
    for (const Groups& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

class DxfReader : public ::testing::Test {
protected:
    DxfReader() { document.settings.samePointDistance = 0.01; }

    int Import(const std::string& text) {
        std::string path = OutputPath("reader-" + std::to_string(++fileNumber_) + ".dxf");
        dxftest::WriteBytes(path, text);
        CDxfReader reader(document);
        return reader.ImportDxf(path.c_str(), &progress);
    }
    void ExpectPoint(int index, double x, double y, int kind = 1) {
        ASSERT_LT(index, static_cast<int>(document.points.size()));
        EXPECT_NEAR(document.points[index].x, x, 1e-9) << "point " << index;
        EXPECT_NEAR(document.points[index].y, y, 1e-9) << "point " << index;
        EXPECT_EQ(document.points[index].kind, kind) << "point " << index;
    }

    platform::RecordingSink sink;
    RecordingDocument document;
    RecordingProgress progress;

private:
    int fileNumber_ = 0;
};

TEST_F(DxfReader, LinesSharingAnEndGiveThreePointsAndARepeatedLineOneLine) {
    EXPECT_EQ(Import(EntitiesDxf(Concat({Line(0, 0, 10, 0), Line(10, 0, 10, 5), Line(10, 5, 10, 0)}))), 1);
    ASSERT_EQ(document.points.size(), 3U);
    ExpectPoint(0, 0, 0);
    ExpectPoint(1, 10, 0);
    ExpectPoint(2, 10, 5);
    ASSERT_EQ(document.lines.size(), 2U);
    EXPECT_EQ(document.points[2].number, 3);
    EXPECT_EQ(sink.MessageCount(), 0);
    EXPECT_EQ(document.refreshCount, 1);
    EXPECT_EQ(progress.beginCount, 1);
    EXPECT_EQ(progress.endCount, 1);
    EXPECT_EQ(progress.counts.back(), std::make_pair(3, 2));
}

TEST_F(DxfReader, IncompleteShortAndMergedLinesAddNothing) {
    Groups noEnd = {"0", "LINE", "8", "0", "10", "1", "20", "1"};
    Groups nanEnd = Line(0, 0, 1, 1);
    nanEnd.back() = "nan";
    Groups hugeEnd = Line(0, 0, 1, 1);
    hugeEnd.back() = "1e999";
    EXPECT_EQ(
        Import(EntitiesDxf(Concat({noEnd, nanEnd, hugeEnd, Line(5, 5, 5.01, 5), Line(7, 7, 7.005, 7.005)}))),
        1);
    EXPECT_TRUE(document.points.empty());
    EXPECT_TRUE(document.lines.empty());
}

TEST_F(DxfReader, NoLineJoinsAPointToItself) {
    // Longer than the same-point distance, but both ends merge into one existing point.
    document.settings.samePointDistance = 1.0;
    EXPECT_EQ(Import(EntitiesDxf(Concat({Line(0, 0, 10, 0), Line(9.5, 0.2, 10.4, 0.1)}))), 1);
    EXPECT_EQ(document.points.size(), 2U);
    EXPECT_EQ(document.lines.size(), 1U);
}

TEST_F(DxfReader, FactorsScaleBeforeTheTests) {
    document.settings.xFactor = 2.0;
    document.settings.yFactor = -0.5;
    EXPECT_EQ(Import(EntitiesDxf(Line(1, 4, 3, 8))), 1);
    ExpectPoint(0, 2, -2);
    ExpectPoint(1, 6, -4);
}

TEST_F(DxfReader, LineCrossingTheRegionIsCutAtItsEdge) {
    const double region[4] = {0, 10, 0, 10};
    std::copy(region, region + 4, document.settings.region);
    EXPECT_EQ(Import(EntitiesDxf(Concat({Line(-5, 5, 5, 5), Line(20, 20, 30, 30)}))), 1);
    ASSERT_EQ(document.points.size(), 2U);
    ExpectPoint(0, 0, 5);
    ExpectPoint(1, 5, 5);
}

TEST_F(DxfReader, UnboundedRegionSidesClipOnlyTheBoundedOnes) {
    document.settings.region[0] = 0.0; // xmin only
    document.settings.region[1] = FLT_MAX;
    EXPECT_EQ(Import(EntitiesDxf(Line(-5, 1e300, 5e300, 1e300))), 1);
    ASSERT_EQ(document.points.size(), 2U);
    ExpectPoint(0, 0, 1e300);
    ExpectPoint(1, 5e300, 1e300); // beyond the "no extent" value, yet not moved
}

TEST_F(DxfReader, UnsetRegionMeansNoRegion) {
    for (double bound : {platform::kUnsetDouble, static_cast<double>(FLT_MAX)}) {
        document = RecordingDocument();
        document.settings.samePointDistance = 0.01;
        std::fill(document.settings.region, document.settings.region + 4, bound);
        EXPECT_EQ(Import(EntitiesDxf(Line(-1e300, -2e300, 3e300, 4e300))), 1);
        ASSERT_EQ(document.points.size(), 2U);
        ExpectPoint(0, -1e300, -2e300);
        ExpectPoint(1, 3e300, 4e300);
    }
}

TEST_F(DxfReader, SamePointTestIsNotLongerThanTheDistance) {
    document.settings.samePointDistance = 0.5; // exact in binary, as are the coordinates
    Groups lw = {"0", "LWPOLYLINE", "8",    "0",  "90", "3",  "10", "40", "20",
                 "0", "10",         "40.5", "20", "0",  "10", "45", "20", "0"};
    EXPECT_EQ(
        Import(EntitiesDxf(Concat({Line(0, 0, 0.5, 0), Line(0, 10, 10, 10), Line(10.5, 10, 20, 10), lw}))),
        1);
    ASSERT_EQ(document.points.size(),
              5U); // the 0.5 line is dropped, 10.5 merges with 10, 40.5 is thinned out
    ExpectPoint(0, 0, 10);
    ExpectPoint(1, 10, 10);
    ExpectPoint(2, 20, 10);
    ExpectPoint(3, 40, 0);
    ExpectPoint(4, 45, 0);
    EXPECT_EQ(document.lines.size(), 3U);
}

TEST_F(DxfReader, ClosedLwPolylineKeepsStraightChordsAndNoClosingSegment) {
    Groups lw = {"0",  "LWPOLYLINE", "8",   "0",    "90", "4",  "70", "1",  "10",   "0",  "20",
                 "0",  "42",         "1.0", "10",   "10", "20", "0",  "42", "-0.5", "10", "10",
                 "20", "10",         "42",  "0.25", "10", "0",  "20", "10", "42",   "1.0"};
    EXPECT_EQ(Import(EntitiesDxf(lw)), 1);
    ASSERT_EQ(document.points.size(), 4U); // no points on the arcs
    ExpectPoint(2, 10, 10);
    ASSERT_EQ(document.lines.size(), 3U);
    for (const auto& line : document.lines) {
        EXPECT_EQ(std::abs(line.second - line.first), 1) << "closing segment between points 0 and 3";
    }
}

TEST_F(DxfReader, BlocksAreSkippedAndInsertsNotExpanded) {
    std::string text =
        dxftest::DxfText(Concat({{"0", "SECTION", "2", "BLOCKS", "0", "BLOCK", "8", "0", "2", "MARK", "70",
                                  "0", "10", "0", "20", "0"},
                                 Line(0, 0, 1, 1),
                                 {"0", "ENDBLK", "8", "0", "0", "ENDSEC"},
                                 {"0", "SECTION", "2", "ENTITIES"},
                                 {"0", "INSERT", "8", "0", "2", "MARK", "10", "50", "20", "50"},
                                 Line(2, 2, 3, 3),
                                 {"0", "ENDSEC", "0", "EOF"}}));
    EXPECT_EQ(Import(text), 1);
    ASSERT_EQ(document.points.size(), 2U);
    ExpectPoint(0, 2, 2);
}

class DxfLayerLists : public DxfReader {
protected:
    DxfLayerLists() {
        document.settings.layerLists[0] = {CString("Ground")};
        document.settings.layerLists[1] = {CString(u8"地中")};
        document.settings.layerLists[2] = {CString("RIGHT")};
    }
};

TEST_F(DxfLayerLists, KindComesFromTheListThatNamesTheLayerWhole) {
    EXPECT_EQ(Import(EntitiesDxf(
                  Concat({Line(0, 0, 1, 0, "GROUND"), Line(0, 1, 1, 1, platform::Utf8ToCp932(u8"地中")),
                          Line(0, 2, 1, 2, "right"), Line(0, 3, 1, 3, "GROUND2"), Line(0, 4, 1, 4, "Groun"),
                          Line(0, 5, 1, 5, "0")}))),
              1);
    ASSERT_EQ(document.points.size(), 6U);
    EXPECT_EQ(document.points[0].kind, 1);
    EXPECT_EQ(document.points[2].kind, 2);
    EXPECT_EQ(document.points[4].kind, 4);
}

TEST_F(DxfLayerLists, OnlyAsciiLettersAreCaseFolded) {
    document.settings.layerLists[0] = {CString(u8"Ａ層")}; // full-width letter
    EXPECT_EQ(Import(EntitiesDxf(Concat({Line(0, 0, 1, 0, platform::Utf8ToCp932(u8"ａ層")),
                                         Line(0, 1, 1, 1, platform::Utf8ToCp932(u8"Ａ層"))}))),
              1);
    ASSERT_EQ(document.points.size(), 2U);
    EXPECT_DOUBLE_EQ(document.points[0].y, 1.0);
}

TEST_F(DxfLayerLists, CaseFoldingNeverTouchesDoubleByteCharacters) {
    // In CP932 the second bytes of "ア" and "ヂ" are 'A' and 'a': they must stay different.
    document.settings.layerLists[0] = {CString(u8"ア")};
    EXPECT_EQ(Import(EntitiesDxf(Concat({Line(0, 0, 1, 0, platform::Utf8ToCp932(u8"ヂ")),
                                         Line(0, 1, 1, 1, platform::Utf8ToCp932(u8"ア"))}))),
              1);
    ASSERT_EQ(document.points.size(), 2U);
    EXPECT_DOUBLE_EQ(document.points[0].y, 1.0);
}

TEST_F(DxfReader, AllListsEmptyTakesEveryLayerAsTheFirstKind) {
    document.settings.listPointKinds[0] =
        section::PointKind::kGround; // the section model editor's ground-surface kind
    EXPECT_EQ(Import(EntitiesDxf(Concat({Line(0, 0, 1, 0, "A"), Line(0, 1, 1, 1, "B")}))), 1);
    ASSERT_EQ(document.points.size(), 4U);
    EXPECT_EQ(document.points[3].kind, 0);
}

TEST_F(DxfReader, PolylineIsThinnedClippedAndWithoutItsClosingSegment) {
    Groups polyline = {"0", "POLYLINE", "8", "0", "66", "1", "70", "1"};
    const double vertices[][2] = {{0, 0}, {0.001, 0}, {10, 0}, {10, 10}, {0, 10}};
    for (const auto& v : vertices) {
        Groups vertex = {"0",  "VERTEX", "8", "0", "10", std::to_string(v[0]), "20", std::to_string(v[1]),
                         "42", "1.0"};
        polyline.insert(polyline.end(), vertex.begin(), vertex.end());
    }
    polyline.insert(polyline.end(), {"0", "SEQEND"});
    EXPECT_EQ(Import(EntitiesDxf(Concat({polyline, Line(20, 20, 30, 20)}))), 1);
    ASSERT_EQ(document.points.size(), 6U);
    ExpectPoint(3, 0, 10);
    ASSERT_EQ(document.lines.size(), 4U); // three chords of the polyline and the LINE after it
}

TEST_F(DxfReader, PolylineWithinTheSamePointDistanceAddsNothing) {
    Groups polyline = {"0", "POLYLINE", "8", "0"};
    for (double x : {5.0, 5.004, 5.009}) {
        Groups vertex = {"0", "VERTEX", "10", std::to_string(x), "20", "1"};
        polyline.insert(polyline.end(), vertex.begin(), vertex.end());
    }
    polyline.insert(polyline.end(), {"0", "SEQEND"});
    EXPECT_EQ(Import(EntitiesDxf(polyline)), 1);
    EXPECT_TRUE(document.points.empty());
}

TEST_F(DxfReader, PolylineCutShortByAnotherEntityKeepsThatEntity) {
    Groups polyline = {"0",  "POLYLINE", "8", "0",      "0",  "VERTEX", "10", "0",
                       "20", "0",        "0", "VERTEX", "10", "1",      "20", "0"};
    EXPECT_EQ(Import(EntitiesDxf(Concat({polyline, Line(5, 5, 6, 6)}))), 1);
    EXPECT_EQ(document.points.size(), 4U);
    EXPECT_EQ(document.lines.size(), 2U);
}

TEST_F(DxfReader, PolylineLeavingTheRegionStartsANewRunWhenItComesBack) {
    const double region[4] = {0, 10, 0, 10};
    std::copy(region, region + 4, document.settings.region);
    Groups lw = {"0",  "LWPOLYLINE", "8",  "0", "90", "4",  "70", "0", "10", "2", "20", "5",
                 "10", "20",         "20", "5", "10", "20", "20", "8", "10", "2", "20", "8"};
    EXPECT_EQ(Import(EntitiesDxf(lw)), 1);
    ASSERT_EQ(document.points.size(), 4U);
    ExpectPoint(1, 10, 5);
    ExpectPoint(2, 10, 8);
    EXPECT_EQ(document.lines.size(), 2U); // the part outside is not joined
}

TEST_F(DxfReader, LwPolylineStopsAtItsVertexCount) {
    Groups lw = {"0", "LWPOLYLINE", "8", "0",  "90", "2",  "10", "0",  "20",
                 "0", "10",         "1", "20", "0",  "10", "9",  "20", "9"};
    EXPECT_EQ(Import(EntitiesDxf(lw)), 1);
    EXPECT_EQ(document.points.size(), 2U);
}

TEST_F(DxfReader, SplineThroughFitPointsUnlessItsToleranceIsAboveZero) {
    auto spline = [](const std::string& tolerance, double y) {
        return Groups{"0",  "SPLINE",
                      "8",  "0",
                      "70", "8",
                      "74", "3",
                      "44", tolerance,
                      "10", "99",
                      "20", "99",
                      "30", "0",
                      "11", "0",
                      "21", std::to_string(y),
                      "31", "0",
                      "11", "1",
                      "21", std::to_string(y + 1),
                      "31", "0",
                      "11", "2",
                      "21", std::to_string(y),
                      "31", "0"};
    };
    EXPECT_EQ(Import(EntitiesDxf(Concat({spline("0.001", 0), spline("0.0", 10)}))), 1);
    ASSERT_EQ(document.points.size(), 3U);
    ExpectPoint(0, 0, 10);
    ExpectPoint(1, 1, 11);
    EXPECT_EQ(document.lines.size(), 2U);
}

TEST_F(DxfReader, SamePointDistanceIsUsedDuringTheImportAndRestoredAfter) {
    document.settings.samePointDistance = 0.5;
    EXPECT_EQ(Import(EntitiesDxf(Concat({Line(0, 0, 10, 0), Line(10.4, 0, 20, 0)}))), 1);
    EXPECT_EQ(document.points.size(), 3U);
    EXPECT_DOUBLE_EQ(document.snapDistance, 0.01);
    EXPECT_DOUBLE_EQ(document.snapSquared, 0.0001);
}

class DxfReaderLimits : public DxfReader {};

TEST_F(DxfReaderLimits, LineLimitIsTestedFirstWhenBothAreReached) {
    document.pointLimit = 3; // two points at most
    document.lineLimit = 2;  // one line at most
    EXPECT_EQ(Import(EntitiesDxf(Concat({Line(0, 0, 1, 0), Line(0, 5, 1, 5)}))), 1);
    EXPECT_EQ(document.points.size(), 2U);
    EXPECT_EQ(document.lines.size(), 1U);
    EXPECT_EQ(sink.MessagesUtf8(),
              std::vector<std::string>{platform::Utf8(u8"線ﾃﾞｰﾀ制限を越えたため読み込みを中止します")});
}

TEST_F(DxfReaderLimits, PointLimitStopsWithItsMessageAndKeepsWhatWasRead) {
    document.pointLimit = 4; // three points at most
    EXPECT_EQ(Import(EntitiesDxf(Concat({Line(0, 0, 1, 0), Line(0, 5, 1, 5), Line(0, 9, 1, 9)}))), 1);
    EXPECT_EQ(document.points.size(), 3U);
    EXPECT_EQ(document.lines.size(), 1U);
    EXPECT_EQ(sink.MessagesUtf8(),
              std::vector<std::string>{platform::Utf8(u8"点ﾃﾞｰﾀ制限を越えたため読み込みを中止します")});
}

TEST_F(DxfReaderLimits, LineLimitIsTestedBeforeThePointLimitAndAlsoInsideAPolyline) {
    document.lineLimit = 3; // two lines at most
    Groups lw = {"0", "LWPOLYLINE", "8", "0",  "90", "5",  "10", "0",  "20", "0",  "10", "1",  "20",
                 "0", "10",         "2", "20", "0",  "10", "3",  "20", "0",  "10", "4",  "20", "0"};
    EXPECT_EQ(Import(EntitiesDxf(lw)), 1);
    EXPECT_EQ(document.lines.size(), 2U);
    EXPECT_EQ(sink.MessagesUtf8(),
              std::vector<std::string>{platform::Utf8(u8"線ﾃﾞｰﾀ制限を越えたため読み込みを中止します")});
}

TEST_F(DxfReader, CancelStopsTheImportKeepingWhatWasRead) {
    progress.cancelAfterPumps = 2;
    EXPECT_EQ(Import(EntitiesDxf(
                  Concat({Line(0, 0, 1, 0), Line(0, 5, 1, 5), Line(0, 9, 1, 9), Line(0, 12, 1, 12)}))),
              1);
    EXPECT_EQ(document.lines.size(), 1U); // pumps after SECTION and after the first LINE
    EXPECT_EQ(sink.MessageCount(), 0);
    EXPECT_EQ(progress.endCount, 1);
}

} // namespace
