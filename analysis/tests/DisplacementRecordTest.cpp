#include "RecordTestSupport.h"

#include "analysis/core/CBlock.h"
#include "analysis/core/CDispData.h"
#include "platform/core/RecordingSink.h"
#include "platform/core/Unset.h"

using platform::IsUnsetDouble;
using platform::kUnsetDouble;
using torvan::CBlock;
using torvan::CDispData;

namespace {

MeasurementBlock Block(std::vector<MeasurementRow> rows, int flag = 0) {
    MeasurementBlock block;
    block.number = 3;
    block.columnFlag = flag;
    block.name = "No.K1";
    block.rows = std::move(rows);
    return block;
}

constexpr double U = kUnsetDouble;

CDispData Parsed(std::vector<MeasurementRow> rows, double baseX = 10, double baseY = 20) {
    CDispData disp;
    disp.ParseRecord(Block(std::move(rows)));
    disp.baseX = baseX;
    disp.baseY = baseY;
    return disp;
}

} // namespace

TEST(DispRecord, MillimetresBecomeMetresAndZeroOrBlankExcludesTheReading) {
    CDispData disp = Parsed({{0.0, 0.0, U, U}, {10.0, -5.0, U, U}, {U, 3.0, U, U}});
    EXPECT_EQ(disp.count, 3);
    EXPECT_EQ(disp.readingUsed, (std::vector<int>{0, 1, 0}));
    EXPECT_TRUE(IsUnsetDouble(disp.col1[0]));
    EXPECT_DOUBLE_EQ(disp.col1[1], 0.010);
    EXPECT_DOUBLE_EQ(disp.col2[1], -0.005);
    EXPECT_EQ(disp.inUse, 1);
    EXPECT_EQ(disp.name, "No.K1");
    CDispData none = Parsed({{0.0, 0.0, U, U}, {U, U, U, U}});
    EXPECT_EQ(none.inUse, 0);
    CDispData four;
    four.ParseRecord(Block({{1, 2, 3, 4}}, platform::kUnsetInt)); // blank flag: four values
    EXPECT_EQ(four.columnMode, 1);
    EXPECT_DOUBLE_EQ(four.col4[0], 0.004);
}

TEST(DispRecord, VectorKindsAndSlopes) {
    CDispData sloped = Parsed({{10, -5, U, U}, {20, -10, U, U}});
    ASSERT_EQ(sloped.EvaluateVector(CDispData::kStartEnd), 1);
    EXPECT_DOUBLE_EQ(sloped.endX, 10.02);
    EXPECT_DOUBLE_EQ(sloped.endY, 19.99);
    EXPECT_EQ(sloped.vectorKind, SegmentKind::kSloped);
    EXPECT_NEAR(sloped.slope, -0.5, 1e-12);
    CDispData vertical = Parsed({{U, U, U, U}, {0.0001, -5, U, U}}, 0, 0);
    vertical.col1[1] = 0.0; // dx of exactly zero
    ASSERT_EQ(vertical.EvaluateVector(CDispData::kStartEnd), 1);
    EXPECT_EQ(vertical.vectorKind, SegmentKind::kVertical);
    EXPECT_TRUE(IsUnsetDouble(vertical.slope));
    CDispData horizontal = Parsed({{7, 0.001, U, U}}, 0, 0);
    horizontal.col2[0] = 0.0;
    ASSERT_EQ(horizontal.EvaluateVector(CDispData::kStartEnd), 1);
    EXPECT_EQ(horizontal.vectorKind, SegmentKind::kHorizontal);
    CDispData empty = Parsed({{0, 0, U, U}});
    EXPECT_EQ(empty.EvaluateVector(CDispData::kStartEnd), 0);
}

TEST(DispRecord, LeastSquaresSlopeThroughTheOrigin) {
    // Readings (1, -1), (2, -3): Sxx = 5, Sxy = -7.
    CDispData disp = Parsed({{1000, -1000, U, U}, {2000, -3000, U, U}});
    ASSERT_EQ(disp.EvaluateVector(CDispData::kLeastSquares), 1);
    EXPECT_EQ(disp.vectorKind, SegmentKind::kSloped);
    EXPECT_NEAR(disp.slope, -7.0 / 5.0, 1e-12);
    // One usable reading: the start-end rule.
    CDispData single = Parsed({{1000, -2000, U, U}}, 0, 0);
    single.EvaluateVector(CDispData::kLeastSquares);
    EXPECT_NEAR(single.slope, -2.0, 1e-12);
    // Foot of the farthest reading (2, -3) on y = -1.4x: x = (2 + 4.2) / (1 + 1.96).
    std::vector<DPoint> line = disp.VectorPolyline(CDispData::kLeastSquares, 1.0);
    ASSERT_EQ(line.size(), 2u);
    double footX = (2.0 + 1.4 * 3.0) / (1.0 + 1.96);
    EXPECT_NEAR(line[1].x - 10, footX, 1e-9);
    EXPECT_NEAR(line[1].y - 20, -1.4 * footX, 1e-9);
}

TEST(DispRecord, LeastSquaresOverPurelyVerticalReadingsIsVertical) {
    CDispData disp = Parsed({{0.001, -1000, U, U}, {0.001, -3000, U, U}});
    disp.col1 = {0.0, 0.0}; // dx of exactly zero in every reading
    ASSERT_EQ(disp.EvaluateVector(CDispData::kLeastSquares), 1);
    EXPECT_EQ(disp.vectorKind, SegmentKind::kVertical);
    EXPECT_TRUE(IsUnsetDouble(disp.slope));
    // Drawn straight down to the farthest reading, not flattened onto the x axis.
    std::vector<DPoint> line = disp.VectorPolyline(CDispData::kLeastSquares, 1.0);
    ASSERT_EQ(line.size(), 2u);
    EXPECT_EQ(line[1], (DPoint{10, 17}));
}

TEST(DispRecord, PolylinesOfEachMode) {
    CDispData disp = Parsed({{1000, -1000, U, U}, {0, 0, U, U}, {2000, -3000, U, U}});
    disp.EvaluateVector(CDispData::kJoined);
    std::vector<DPoint> joined = disp.VectorPolyline(CDispData::kJoined, 2.0);
    ASSERT_EQ(joined.size(), 3u); // the excluded middle reading is skipped
    EXPECT_EQ(joined[1], (DPoint{12, 18}));
    std::vector<DPoint> direct = disp.VectorPolyline(CDispData::kStartEnd, 2.0);
    ASSERT_EQ(direct.size(), 2u);
    EXPECT_EQ(direct[1], (DPoint{14, 14}));
    EXPECT_TRUE(Parsed({{0, 0, U, U}}).VectorPolyline(CDispData::kStartEnd, 1.0).empty());
}

class DispFileTest : public RecordFileFixture {};

TEST_F(DispFileTest, ExclusionsRoundTrip) {
    std::vector<ReadingDate> dates = {
        {2006, 4, 1, platform::kUnsetInt, platform::kUnsetInt}, {2006, 5, 2, 10, 30}, {2006, 6, 3, 9, 0}};
    CDispData disp = Parsed({{1, 1, U, U}, {2, 2, U, U}, {3, 3, U, U}});
    disp.readingUsed = {0, 1, 0};
    disp.beta = 0.5;
    std::string bytes = WriteWith([&](CTextFile& file) { disp.WriteExclusions(file, dates); });
    EXPECT_EQ(bytes, "    3    1    2         0.5000No.K1\r\n"
                     "          20060401-1-1\r\n"
                     "          200606030900\r\n");
    CDispData back = Parsed({{1, 1, U, U}, {2, 2, U, U}, {3, 3, U, U}});
    CTextFile file;
    OpenWith(file, bytes);
    CString header;
    ASSERT_TRUE(file.ReadLine(header));
    back.ParseExclusions(header, file, dates);
    EXPECT_EQ(back.readingUsed, (std::vector<int>{0, 1, 0}));
    EXPECT_EQ(back.inUse, 1);
}

TEST_F(DispFileTest, AnExcludedReadingWithoutADateIsNotCountedInTheHeader) {
    std::vector<ReadingDate> dates = {{2006, 4, 1, 8, 0}};
    CDispData disp = Parsed({{1, 1, U, U}, {2, 2, U, U}});
    disp.readingUsed = {0, 0};
    std::string bytes = WriteWith([&](CTextFile& file) { disp.WriteExclusions(file, dates); });
    EXPECT_EQ(bytes, "    3    1    1         1.0000No.K1\r\n"
                     "          200604010800\r\n");
}

TEST_F(DispFileTest, SolverRecordWritesUsedReadingsInMetres) {
    CDispData disp = Parsed({{0, 0, U, U}, {12.5, -3.25, U, U}});
    std::string bytes =
        WriteWith([&](CTextFile& file) { EXPECT_EQ(disp.WriteSolverRecord("DISP     4", file), 1); });
    EXPECT_EQ(bytes, "DISP     4    0.0000    0.0000\r\n"
                     "              0.0125   -0.0032\r\n"); // -0.00325 is a hair short of it in binary
    CDispData unused = Parsed({{0, 0, U, U}});
    std::string none =
        WriteWith([&](CTextFile& file) { EXPECT_EQ(unused.WriteSolverRecord("DISP     5", file), 0); });
    EXPECT_EQ(none, "");
}

TEST_F(DispFileTest, PlotCommandsInTenthsOfAMillimetre) {
    CDispData disp = Parsed({{100, 0.001, U, U}}, 100, 50);
    disp.col2[0] = 0.0;
    disp.EvaluateVector(CDispData::kStartEnd);
    // ((100 - 0) / 500 + 20) x 10 = 202 and ((50 - 0) / 500 + 30) x 10 = 301;
    // the end lies 0.1 m / vector scale 0.01 x 100 = 1000 units further.
    std::string bytes = WriteWith([&](CTextFile& file) {
        disp.PlotVector(file, 500.0, DPoint{20, 30}, DPoint{0, 0}, 0.01, CDispData::kStartEnd);
    });
    EXPECT_EQ(bytes, "M202,301\r\nD1202,301\r\nN1202,301,15,6,0\r\n");
}

TEST(BlockRecord, InsideTestByWindingAngle) {
    CBlock block;
    double xs[4] = {0, 10, 10, 0};
    double ys[4] = {0, 0, 10, 10};
    std::copy(xs, xs + 4, block.x);
    std::copy(ys, ys + 4, block.y);
    block.vertexCount = 4;
    EXPECT_EQ(block.CheckInsidePolygon(5, 5), 1);
    EXPECT_EQ(block.CheckInsidePolygon(15, 5), 0);
    EXPECT_EQ(block.CheckInsidePolygon(0, 0), 0); // on a vertex
    block.x[2] = 10;
    block.y[2] = 0; // a repeated vertex is skipped: now a triangle
    EXPECT_EQ(block.CheckInsidePolygon(2, 5), 1);
    EXPECT_EQ(block.CheckInsidePolygon(8, 5), 0);
}
