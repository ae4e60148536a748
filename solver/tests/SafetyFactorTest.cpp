// The safety factor by slices against values worked out by hand.

#include "SolverTestSupport.h"

#include "solver/RunLog.h"
#include "solver/SafetyFactor.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kalipe {
namespace {

constexpr double kPi = 3.141592653589793;
const std::vector<Point2> kFlatGround = {{-10, 10}, {30, 10}};

class SafetyFactorTest : public test::ScratchDirTest {
protected:
    // Runs the computation and returns the factor; the slice report lands in log_.
    double Compute(const std::vector<Point2>& ground, const std::vector<Parabola>& parabolas,
                   const std::vector<double>& lines, double xStart, double xEnd, const SoilConstants& soil) {
        RunLog log;
        EXPECT_TRUE(log.Open(Path("slices.log").string()));
        const double factor = SafetyFactor::Compute(ground, parabolas, lines, xStart, xEnd, soil, log);
        log.Close();
        log_ = test::CrLfLines(test::ReadBytes(Path("slices.log")));
        return factor;
    }
    std::vector<std::string> log_;
};

TEST_F(SafetyFactorTest, InclinedPlaneUnderFlatGround) {
    // Slip plane Z = 10 - S/2 from 0 to 20 under ground at 10: 20 slices of width 1, depth S/2
    // at their middles (sum 100), base length sqrt(1.25) each, inclination atan(-1/2).
    const SoilConstants soil{20.0, 10.0, 30.0, true};
    const double factor = Compute(kFlatGround, {{0.0, -0.5, 10.0}}, {}, 0.0, 20.0, soil);
    const double cosine = 1.0 / std::sqrt(1.25);
    const double sine = 0.5 / std::sqrt(1.25);
    const double weight = 100.0 * soil.gamma;
    const double resisting = soil.cohesion * 20.0 * std::sqrt(1.25) + weight * cosine * std::tan(kPi / 6.0);
    EXPECT_NEAR(factor, resisting / (weight * sine), 1e-12);

    ASSERT_EQ(log_.size(), 3u + 20u + 3u);
    EXPECT_EQ(log_[0], "");
    EXPECT_EQ(log_[1], " " + test::Sjis(u8"***** すべり面安全率計算  γ=") + "  20.000  C=  10.000  " +
                           test::Sjis(u8"φ=") + "  30.000 *****");
    EXPECT_EQ(log_[3], "    1     0.500     9.750     0.250      5.00      2.58     13.76     -2.24");
    EXPECT_EQ(log_[22], "   20    19.500     0.250     9.750    195.00    100.70    111.88    -87.21");
    EXPECT_EQ(log_[23], std::string(55, ' ') + "    1256.4    -894.4");
    EXPECT_EQ(log_[24], "");
    EXPECT_EQ(log_[25], " " + test::Sjis(u8"***** すべり面安全率 =") + "    1.4047 *****");
}

TEST_F(SafetyFactorTest, SlicesAboveTheGroundKeepTheirNumbers) {
    // Z = 0.05 (S - 10)^2 + 7 stays above the ground at 10 while |S - 10| >= sqrt(60).
    const double factor = Compute(kFlatGround, {{0.05, -1.0, 12.0}}, {}, 0.0, 20.0, {18.0, 5.0, 20.0, true});
    ASSERT_EQ(log_.size(), 3u + 16u + 3u);
    EXPECT_EQ(log_[3].substr(0, 5), "    3");
    EXPECT_EQ(log_[18].substr(0, 5), "   18");
    // A symmetric bowl drives as much to the left as to the right.
    EXPECT_EQ(factor, SafetyFactor::kNoDrive);
}

TEST_F(SafetyFactorTest, NothingDrivingAndTinyDrivesGiveTheCap) {
    EXPECT_EQ(Compute(kFlatGround, {{0.0, 0.0, 5.0}}, {}, 0.0, 20.0, {18.0, 10.0, 25.0, true}), 99.0);
    EXPECT_EQ(Compute(kFlatGround, {{0.0, -1e-6, 5.0}}, {}, 0.0, 20.0, {18.0, 10.0, 25.0, true}), 99.0);
    EXPECT_EQ(Compute(kFlatGround, {{0.0, 0.0, 12.0}}, {}, 0.0, 20.0, {18.0, 10.0, 25.0, true}),
              99.0); // above ground
    EXPECT_EQ(log_.size(), 3u + 3u);
}

TEST(SafetyFactorSteps, SpanCutToAnIntegerWithinTwentyToAHundred) {
    EXPECT_EQ(SafetyFactor::StepCount(12.7), 20);
    EXPECT_EQ(SafetyFactor::StepCount(250.3), 100);
    EXPECT_EQ(SafetyFactor::StepCount(57.9), 57);
    EXPECT_EQ(SafetyFactor::StepCount(0.0), 20);
}

TEST(SafetyFactorBoundaries, GroundVerticesAndBlockLinesBecomeBoundaries) {
    // Steps of 1 from 0 to 20; the vertex at 5.05 replaces the step at 5, the vertex at 7.5
    // comes between two steps, and the block line at 12.3 ends the first block.
    const std::vector<Point2> ground = {{-10, 10}, {5.05, 10}, {7.5, 9}, {30, 9}};
    const std::vector<Parabola> parabolas = {{0.0, -0.25, 8.0}, {0.0, -0.5, 11.075}};
    const std::vector<SliceBoundary> bounds = SafetyFactor::Boundaries(ground, parabolas, {12.3}, 0.0, 20.0);
    std::vector<double> xs;
    for (const SliceBoundary& b : bounds) {
        xs.push_back(b.x);
    }
    const std::vector<double> expected = {0,  1,  2,    3,  4,  5.05, 6,  7,  7.5, 8,  9, 10,
                                          11, 12, 12.3, 13, 14, 15,   16, 17, 18,  19, 20};
    ASSERT_EQ(xs.size(), expected.size());
    for (std::size_t i = 0; i < xs.size(); ++i) {
        EXPECT_NEAR(xs[i], expected[i], 1e-12) << i;
    }
    EXPECT_DOUBLE_EQ(bounds[8].ground, 9.0);                  // the vertex itself
    EXPECT_NEAR(bounds[7].ground, 10.0 - 1.95 / 2.45, 1e-12); // on the falling segment
    EXPECT_NEAR(bounds[14].surface, 8.0 - 0.25 * 12.3, 1e-12);
    EXPECT_NEAR(bounds[15].surface, 11.075 - 0.5 * 13.0, 1e-12); // the second block's parabola
}

} // namespace
} // namespace kalipe
