// Where the slip surface leaves the ground, and the result lines the analysis program reads.

#include "SolverTestSupport.h"

#include "solver/ResultWriter.h"
#include "solver/RunLog.h"
#include "solver/SlipSurfaceEnds.h"

#include <gtest/gtest.h>

namespace kalipe {
namespace {

// Flat ground at 10 (with its two extensions) and Z = 0.05 S^2 - S + 11.8 crossing it at 2 and 18.
const Parabola kBowl{0.05, -1.0, 11.8};

PreparedModel FlatModel() {
    PreparedModel model;
    model.ground = {{-1000, 10}, {0, 10}, {20, 10}, {1020, 10}};
    MeasurementPoint point;
    point.x = 10;
    point.y = 10;
    point.weight = 1;
    point.positions = {{10, 10}, {11, 10.05}};
    model.points = {point};
    model.pointsPerBlock = {1};
    return model;
}

BoundaryPoint Light(double x, double y) {
    BoundaryPoint point;
    point.x = x;
    point.y = y;
    point.weight = 0.5;
    point.state = BoundaryPoint::Given;
    return point;
}

TEST(SlipSurfaceEnds, FlatGroundGivesBothRootsAsTheEnds) {
    const SurfaceEnds ends = SlipSurfaceEnds::Find(FlatModel(), {{kBowl, {3.2}}});
    EXPECT_NEAR(ends.left.x, 2.0, 1e-12);
    EXPECT_NEAR(ends.right.x, 18.0, 1e-12);
    EXPECT_NEAR(ends.left.y, 10.0, 1e-12);
    EXPECT_TRUE(ends.left.crossing && ends.right.crossing);
}

TEST(SlipSurfaceEnds, LightBoundaryPointTakesOverOnlyWhenTheSurfacePassesClose) {
    // Left point at 2.5 with the right one at (17, 8.75) (both below 0.9): the crossing at 2 lies
    // 0.5 beyond it (tolerance 14.5 / 1000), and the surface passes within |8.75 - y| / 200 of it.
    PreparedModel model = FlatModel();
    model.right = Light(17, 8.75);
    model.left = Light(2.5, kBowl.At(2.5) + 0.001);
    SurfaceEnds ends = SlipSurfaceEnds::Find(model, {{kBowl, {3.2}}});
    EXPECT_DOUBLE_EQ(ends.left.x, 2.5);
    EXPECT_DOUBLE_EQ(ends.left.y, kBowl.At(2.5));
    EXPECT_TRUE(ends.left.crossing);

    model.left.y = kBowl.At(2.5) + 0.01;
    ends = SlipSurfaceEnds::Find(model, {{kBowl, {3.2}}});
    EXPECT_NEAR(ends.left.x, 2.0, 1e-12);
}

TEST(SlipSurfaceEnds, SurfaceAboveTheGroundFallsBackWithoutACrossing) {
    PreparedModel model = FlatModel();
    model.left = Light(2.5, 10);
    const Parabola above{0.0, 0.0, 12.0};
    const SurfaceEnds ends = SlipSurfaceEnds::Find(model, {{above, {0.0}}});
    EXPECT_FALSE(ends.left.crossing);
    EXPECT_DOUBLE_EQ(ends.left.x, 2.5); // the boundary point's abscissa
    EXPECT_FALSE(ends.right.crossing);
    EXPECT_DOUBLE_EQ(ends.right.x, 10.0); // the last measurement point's
    EXPECT_DOUBLE_EQ(ends.right.y, 12.0);
}

class ResultWriterTest : public test::ScratchDirTest {
protected:
    std::vector<std::string> ResultLines(const Parabola& parabola) {
        RunLog log;
        EXPECT_TRUE(log.Open(Path("result.log").string()));
        return test::CrLfLines(
            ResultWriter::Write(FlatModel(), {{parabola, {0.0}}}, std::string(50, ' '), log));
    }
};

TEST_F(ResultWriterTest, ValuesBeyondTwoExponentDigitsStayReadable) {
    // A tiny leading coefficient (a straight slip line in all but rounding) is written as zero.
    const Parabola nearlyStraight{1e-120, -0.5, 14.0};
    const std::vector<std::string> lines = ResultLines(nearlyStraight);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[3].substr(0, 48), "   0.0000000E+00  -0.5000000E+00   0.1400000E+02");
    const std::vector<std::string> huge = ResultLines({1e-3, -0.5, 3e120});
    EXPECT_EQ(huge[3].substr(32, 16), "  **************");
}

TEST(ResultWriterLines, BlockCountStandsInColumnsEighteenToTwenty) {
    const std::string line = ResultWriter::CountLine(12);
    EXPECT_EQ(line.substr(17, 3), " 12");
    EXPECT_EQ(line.size(), 80u);
    EXPECT_EQ(line.substr(20), std::string(55, ' ') + "*****");
}

} // namespace
} // namespace kalipe
