#include "RecordTestSupport.h"

#include "analysis/core/CNode.h"
#include "analysis/core/CVerrant.h"
#include "common/geometry/DPoint.h"
#include "platform/core/CodePage.h"
#include "platform/core/Unset.h"

using section::PointKind;

using torvan::CNode;
using torvan::CVerrant;

class SlipLineTest : public RecordFileFixture {
protected:
    void SetUp() override {
        RecordFileFixture::SetUp();
        left_.number = 1;
        left_.kind = PointKind::kLeftBoundary;
        right_.number = 4;
        right_.kind = PointKind::kRightBoundary;
        bounds_.SetAt(0, &left_);
        bounds_.SetAt(3, &right_);
    }
    CVerrant Sample() {
        CVerrant line(7);
        line.name = CString(u8"すべり線");
        line.method = 2;
        line.methodOption = 0;
        line.boundary[0] = &left_;
        line.boundary[1] = &right_;
        line.blockCount = 2;
        line.blockX = {30.0, 60.5};
        line.blockBeta = {0.1, 0.25};
        line.pointCount = 3;
        line.x = {27.0, 80.0, 134.0};
        line.y = {88.9, 60.125, 55.239};
        return line;
    }
    CNode left_;
    CNode right_;
    CMapWordToOb bounds_;
};

TEST_F(SlipLineTest, RecordsAreWrittenByteForByte) {
    CVerrant line = Sample();
    std::string bytes = WriteWith([&](CTextFile& file) { line.WriteRecord(file); });
    std::string expected = "    7     " + platform::Utf8ToCp932(u8"すべり線") +
                           "\r\n"
                           "              2    0    1    1\r\n"
                           "              1    4   -1\r\n"
                           "         2    30.000     0.100\r\n"
                           "              60.500     0.250\r\n"
                           "         3    27.000    88.900\r\n"
                           "              80.000    60.125\r\n"
                           "             134.000    55.239\r\n";
    EXPECT_EQ(bytes, expected);

    CTextFile file;
    OpenWith(file, bytes);
    CVerrant back;
    ASSERT_EQ(back.ParseRecord(file, bounds_, CVerrant::kCurrentFormat), 1);
    EXPECT_EQ(back.number, 7);
    EXPECT_EQ(back.name, line.name);
    EXPECT_EQ(back.boundary[0], &left_);
    EXPECT_EQ(back.boundary[1], &right_);
    EXPECT_EQ(back.boundary[2], nullptr);
    EXPECT_EQ(back.blockBeta, line.blockBeta);
    EXPECT_EQ(back.y, line.y);
    EXPECT_EQ(WriteWith([&](CTextFile& out) { back.WriteRecord(out); }), bytes);
}

TEST_F(SlipLineTest, ALineWithoutPointsOrBlockLinesRoundTrips) {
    CVerrant line(1);
    line.name = "empty";
    line.method = 0;
    line.methodOption = 1;
    std::string bytes = WriteWith([&](CTextFile& file) { line.WriteRecord(file); });
    EXPECT_NE(bytes.find("         0\r\n         0\r\n"), std::string::npos);
    CTextFile file;
    OpenWith(file, bytes + "END\r\n");
    CVerrant back;
    ASSERT_EQ(back.ParseRecord(file, bounds_, CVerrant::kCurrentFormat), 1);
    EXPECT_EQ(back.pointCount, 0);
    EXPECT_EQ(back.blockCount, 0);
    CString next;
    ASSERT_TRUE(file.ReadLine(next));
    EXPECT_EQ(next, "END"); // nothing of the next record was taken
    double a, b, c, d;
    EXPECT_FALSE(back.GetBoundingBox(a, b, c, d));
}

TEST_F(SlipLineTest, OldFormatSharesOneWeightAndFiveBlockXsALine) {
    std::string bytes = "    2     old\r\n"
                        "              2    0    1    1              0.3000\r\n"
                        "              1   99\r\n"
                        "         6    10.000    20.000    30.000    40.000    50.000\r\n"
                        "              60.000\r\n"
                        "         1     5.000     6.000\r\n";
    CTextFile file;
    OpenWith(file, bytes);
    CVerrant line;
    ASSERT_EQ(line.ParseRecord(file, bounds_, CVerrant::kOldFormat), 1);
    EXPECT_EQ(line.blockX, (std::vector<double>{10, 20, 30, 40, 50, 60}));
    EXPECT_EQ(line.blockBeta, std::vector<double>(6, 0.3));
    EXPECT_EQ(line.boundary[0], &left_);
    EXPECT_EQ(line.boundary[1], nullptr); // number 99 is not a boundary point
    EXPECT_EQ(line.pointCount, 1);
}

TEST_F(SlipLineTest, TruncatedRecordIsAFileError) {
    CTextFile file;
    OpenWith(file, "    2     cut\r\n              0    0    1    1\r\n");
    CVerrant line;
    EXPECT_THROW(line.ParseRecord(file, bounds_, CVerrant::kCurrentFormat), CFileException);
}

TEST_F(SlipLineTest, PlotAndBoundingBox) {
    CVerrant line = Sample();
    double minX, maxX, minY, maxY;
    ASSERT_TRUE(line.GetBoundingBox(minX, maxX, minY, maxY));
    EXPECT_EQ(minX, 27.0);
    EXPECT_EQ(maxY, 88.9);
    DPoint label;
    std::string bytes = WriteWith([&](CTextFile& file) {
        label = line.Plot(file, 0.1, DPoint{0, 0}, DPoint{0, 0});
    });
    EXPECT_EQ(bytes, "M2700,8890\r\nD8000,6013\r\nD13400,5524\r\n");
    EXPECT_NEAR(label.x, 2 * 270.0, 1e-9); // the first point (3 / 10 = 0), doubled
    EXPECT_NEAR(label.y, 2 * 889.0, 1e-9);
}
