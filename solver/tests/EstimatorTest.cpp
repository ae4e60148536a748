// The slip-surface fit for no, one and several block lines, on models built from known
// parabolas so that the expected coefficients are known in advance.

#include "solver/SlipSurfaceEstimator.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kalipe {
namespace {

constexpr double kTolerance = 1e-9;

// Z = 0.02 S^2 - 0.9 S + 30 and its neighbours.
const Parabola kP1{0.02, -0.9, 30.0};

BoundaryPoint Surface(double x, double y, int state = BoundaryPoint::Given, double angle = 0.0) {
    BoundaryPoint point;
    point.x = x;
    point.y = y;
    point.weight = 1.0;
    point.angle = angle;
    point.state = state;
    return point;
}

// A point at x whose positions (x + dx) lie on the parabola raised by `offset`, plus `noise`.
MeasurementPoint PointOn(const Parabola& p, double x, double offset, double weight,
                         const std::vector<double>& dx, const std::vector<double>& noise = {}) {
    MeasurementPoint point;
    point.x = x;
    point.y = p.At(x) + offset;
    point.weight = weight;
    for (std::size_t k = 0; k < dx.size(); ++k) {
        const double X = x + dx[k];
        point.positions.push_back({X, p.At(X) + offset + (k < noise.size() ? noise[k] : 0.0)});
    }
    return point;
}

BlockLine Line(double x, double beta) {
    BlockLine line;
    line.x = x;
    line.beta = beta;
    return line;
}

// The parabola through three points.
Parabola Through(Point2 p, Point2 q, Point2 r) {
    const double slopePq = (q.y - p.y) / (q.x - p.x);
    const double slopeQr = (r.y - q.y) / (r.x - q.x);
    Parabola result;
    result.a = (slopeQr - slopePq) / (r.x - p.x);
    result.b = slopePq - result.a * (p.x + q.x);
    result.c = p.y - result.a * p.x * p.x - result.b * p.x;
    return result;
}

std::vector<BlockSolution> Solve(const PreparedModel& model) {
    std::vector<BlockSolution> solution;
    EXPECT_EQ(SlipSurfaceEstimator().Estimate(model, solution), SlipSurfaceEstimator::Result::Solved);
    EXPECT_EQ(solution.size(), static_cast<std::size_t>(model.BlockCount()));
    return solution;
}

void ExpectParabola(const Parabola& actual, const Parabola& expected, double tolerance = kTolerance) {
    EXPECT_NEAR(actual.a, expected.a, tolerance);
    EXPECT_NEAR(actual.b, expected.b, tolerance);
    EXPECT_NEAR(actual.c, expected.c, tolerance);
}

// Four equally spaced readings; a disturbance proportional to (-1, 3, -3, 1) is orthogonal to
// 1, s and s^2 over them, so the least-squares fit must ignore it.
const std::vector<double> kFourReadings = {-1.5, -0.5, 0.5, 1.5};
std::vector<double> Disturbance(double size) {
    return {-size, 3 * size, -3 * size, size};
}

PreparedModel NoisyModelWithoutLines(double unit) {
    const Parabola p{kP1.a / unit, kP1.b, kP1.c * unit};
    std::vector<double> dx;
    for (double d : kFourReadings) {
        dx.push_back(d * unit);
    }
    PreparedModel model;
    model.left = Surface(5 * unit, p.At(5 * unit));
    model.right = Surface(45 * unit, p.At(45 * unit));
    model.points = {PointOn(p, 12 * unit, 0.3 * unit, 0.5, dx, Disturbance(0.01 * unit)),
                    PointOn(p, 25 * unit, -0.2 * unit, 1.0, dx, Disturbance(-0.02 * unit)),
                    PointOn(p, 38 * unit, 0.7 * unit, 2.0, dx, Disturbance(0.005 * unit))};
    model.pointsPerBlock = {3};
    return model;
}

TEST(EstimateWithoutBlockLines, DisturbedTrajectoriesStillGiveTheKnownCurve) {
    const std::vector<BlockSolution> solution = Solve(NoisyModelWithoutLines(1.0));
    ASSERT_EQ(solution.size(), 1u);
    ExpectParabola(solution[0].parabola, kP1);
    ASSERT_EQ(solution[0].offsets.size(), 3u);
    EXPECT_NEAR(solution[0].offsets[0], 0.3, kTolerance);
    EXPECT_NEAR(solution[0].offsets[1], -0.2, kTolerance);
    EXPECT_NEAR(solution[0].offsets[2], 0.7, kTolerance);
}

TEST(EstimateWithoutBlockLines, MillimetresGiveTheSameSurfaceAsMetres) {
    const std::vector<BlockSolution> solution = Solve(NoisyModelWithoutLines(1000.0));
    ASSERT_EQ(solution.size(), 1u);
    EXPECT_NEAR(solution[0].parabola.a * 1000.0, kP1.a, kTolerance);
    EXPECT_NEAR(solution[0].parabola.b, kP1.b, kTolerance);
    EXPECT_NEAR(solution[0].parabola.c / 1000.0, kP1.c, kTolerance);
}

TEST(EstimateWithoutBlockLines, BoundaryPointsAloneFixTheParabola) {
    // Through (0, 10) with slope -1/2 and through (20, 12): A = (12 - 10 + 0.5 * 20) / 20^2.
    PreparedModel model;
    model.left = Surface(0, 10, BoundaryPoint::WithInclination, std::atan(-0.5));
    model.right = Surface(20, 12);
    model.pointsPerBlock = {0};
    const std::vector<BlockSolution> solution = Solve(model);
    ExpectParabola(solution[0].parabola, {0.03, -0.5, 10.0});
}

TEST(EstimateWithoutBlockLines, TwoReadingsOfOnePointGiveTheChordSlope) {
    // Through (0, 10) and (10, 0) with P(4) - P(2) = -2.4: A = 0.05, B = -1.5, C = 10.
    PreparedModel model;
    model.left = Surface(0, 10);
    model.right = Surface(10, 0);
    MeasurementPoint point;
    point.x = 2;
    point.weight = 3.0;
    point.positions = {{2, 7.0}, {4, 4.6}};
    model.points = {point};
    model.pointsPerBlock = {1};
    const std::vector<BlockSolution> solution = Solve(model);
    ExpectParabola(solution[0].parabola, {0.05, -1.5, 10.0});
    EXPECT_NEAR(solution[0].offsets[0], 7.0 - (0.2 - 3.0 + 10.0), kTolerance);
}

PreparedModel TwoBlockModel(const Parabola& right, double beta) {
    const std::vector<double> dx = {0.0, 0.5, 1.0};
    PreparedModel model;
    model.left = Surface(5, kP1.At(5));
    model.right = Surface(45, right.At(45));
    model.points = {PointOn(kP1, 10, 0.1, 1.0, dx), PointOn(kP1, 18, -0.4, 0.5, dx),
                    PointOn(right, 31, 0.2, 1.0, dx), PointOn(right, 40, 0.0, 2.0, dx)};
    model.lines = {Line(25, beta)};
    model.pointsPerBlock = {2, 2};
    return model;
}

TEST(EstimateOneBlockLine, SmoothJoinGivesBothParabolas) {
    // P2 = P1 + 0.01 (S - 25)^2: same elevation and inclination at the line.
    const Parabola p2{0.03, -1.4, 36.25};
    const std::vector<BlockSolution> solution = Solve(TwoBlockModel(p2, 0.5));
    ASSERT_EQ(solution.size(), 2u);
    ExpectParabola(solution[0].parabola, kP1);
    ExpectParabola(solution[1].parabola, p2);
    EXPECT_NEAR(solution[1].offsets[0], 0.2, kTolerance);
}

TEST(EstimateOneBlockLine, KinkSurvivesOnlyWithoutTheInclinationCondition) {
    // P2 = P1 + 0.2 (S - 25) + 0.01 (S - 25)^2: same elevation, inclination 0.2 steeper.
    const Parabola kinked{0.03, -1.2, 31.25};
    const std::vector<BlockSolution> free = Solve(TwoBlockModel(kinked, 0.0));
    ExpectParabola(free[0].parabola, kP1);
    ExpectParabola(free[1].parabola, kinked);

    const std::vector<BlockSolution> joined = Solve(TwoBlockModel(kinked, 1.0));
    auto slopeAt = [](const Parabola& p, double s) { return 2 * p.a * s + p.b; };
    const double jump = slopeAt(joined[1].parabola, 25) - slopeAt(joined[0].parabola, 25);
    EXPECT_GT(jump, 0.0);
    EXPECT_LT(jump, 0.2 - 1e-3);
}

TEST(EstimateBlockLines, KinkedAndSmoothLinesGiveAllThreeParabolas) {
    // P2 = P1 + 0.3 (S - 20) (kink at 20, beta 0); P3 = P2 + 0.015 (S - 32)^2 (smooth at 32, beta 1).
    const Parabola p2{0.02, -0.6, 24.0};
    const Parabola p3{0.035, -1.56, 39.36};
    const std::vector<double> dx = {0.0, 0.4, 0.8};
    PreparedModel model;
    model.left = Surface(3, kP1.At(3));
    model.right = Surface(47, p3.At(47));
    model.points = {PointOn(kP1, 8, 0.5, 1.0, dx),  PointOn(kP1, 14, -0.5, 1.0, dx),
                    PointOn(p2, 24, 0.25, 1.0, dx), PointOn(p2, 28, 0.0, 4.0, dx),
                    PointOn(p3, 36, 1.0, 1.0, dx),  PointOn(p3, 42, -1.0, 0.25, dx)};
    model.lines = {Line(20, 0.0), Line(32, 1.0)};
    model.pointsPerBlock = {2, 2, 2};
    const std::vector<BlockSolution> solution = Solve(model);
    ASSERT_EQ(solution.size(), 3u);
    ExpectParabola(solution[0].parabola, kP1);
    ExpectParabola(solution[1].parabola, p2);
    ExpectParabola(solution[2].parabola, p3);
    EXPECT_NEAR(solution[2].offsets[1], -1.0, kTolerance);
}

TEST(EstimateBlockLines, MiddleBlockWithOnlyTheInnerPointJoinsItsNeighbours) {
    // The outer blocks follow their own points; the middle one passes through the neighbours'
    // elevations at both lines and through the inner point (both lines allow a kink).
    const Parabola p3{0.01, -0.5, 20.0};
    const std::vector<double> dx = {0.0, 0.4, 0.8};
    PreparedModel model;
    model.left = Surface(3, kP1.At(3));
    model.right = Surface(47, p3.At(47));
    model.inner = Surface(26, 15.0);
    model.innerBlock = 1;
    model.points = {PointOn(kP1, 8, 0.5, 1.0, dx), PointOn(kP1, 14, -0.5, 1.0, dx),
                    PointOn(p3, 36, 1.0, 1.0, dx), PointOn(p3, 42, -1.0, 1.0, dx)};
    model.lines = {Line(20, 0.0), Line(32, 0.0)};
    model.pointsPerBlock = {2, 0, 2};

    const std::vector<BlockFrame> frames = SlipSurfaceEstimator::Frames(model);
    EXPECT_DOUBLE_EQ(frames[1].s0, 26.0);
    EXPECT_DOUBLE_EQ(frames[1].scale, 6.0);

    const std::vector<BlockSolution> solution = Solve(model);
    ASSERT_EQ(solution.size(), 3u);
    ExpectParabola(solution[0].parabola, kP1);
    ExpectParabola(solution[1].parabola, Through({20, kP1.At(20)}, {26, 15.0}, {32, p3.At(32)}));
    ExpectParabola(solution[2].parabola, p3);
    EXPECT_TRUE(solution[1].offsets.empty());
}

TEST(EstimateOneBlockLine, FirstBlockWithoutPointsRestsOnTheInclinedBoundaryPoint) {
    // Block 1: through (5, 30) with slope tan(-20 degrees), and through P2 at the line (beta 0).
    const Parabola p2{0.03, -1.4, 36.25};
    const std::vector<double> dx = {0.0, 0.5, 1.0};
    const double angle = -20.0 * 3.141592653589793 / 180.0;
    PreparedModel model;
    model.left = Surface(5, 30.0, BoundaryPoint::WithInclination, angle);
    model.right = Surface(45, p2.At(45));
    model.points = {PointOn(p2, 31, 0.2, 1.0, dx), PointOn(p2, 40, 0.0, 2.0, dx)};
    model.lines = {Line(25, 0.0)};
    model.pointsPerBlock = {0, 2};

    const std::vector<BlockFrame> frames = SlipSurfaceEstimator::Frames(model);
    EXPECT_DOUBLE_EQ(frames[0].s0, 15.0);
    EXPECT_DOUBLE_EQ(frames[0].scale, 10.0);

    const double slope = std::tan(angle);
    Parabola p1;
    p1.a = (p2.At(25) - 30.0 - slope * 20.0) / 400.0;
    p1.b = slope - 2 * p1.a * 5.0;
    p1.c = 30.0 - p1.a * 25.0 - p1.b * 5.0;
    const std::vector<BlockSolution> solution = Solve(model);
    ExpectParabola(solution[0].parabola, p1);
    ExpectParabola(solution[1].parabola, p2);
}

// One measurement point per block, each line halfway between two points. Each block then has
// exactly its three conditions (one direction, two continuity conditions or a surface point),
// so the fit is fully determined by them.
PreparedModel OnePointPerBlock(double beta) {
    PreparedModel model;
    for (int i = 0; i < 8; ++i) {
        model.points.push_back(PointOn(kP1, 6.0 + 5.0 * i, 0.0, 1.0, {}));
        if (i > 0) {
            model.lines.push_back(Line(3.5 + 5.0 * i, beta));
        }
    }
    model.pointsPerBlock.assign(8, 1);
    model.left = Surface(2, kP1.At(2));
    model.right = Surface(44, kP1.At(44));
    return model;
}

double SlopeAt(const Parabola& p, double x) {
    return 2.0 * p.a * x + p.b;
}

TEST(EstimateBlockLines, OnePointPerBlockFollowsTheCurveItsTrajectoriesShow) {
    // Short trajectories, as surveyed over months, along one parabola: every block finds it.
    PreparedModel model = OnePointPerBlock(0.1);
    for (MeasurementPoint& point : model.points) {
        point = PointOn(kP1, point.x, 0.4, 1.0, {0.0, 0.01, 0.02, 0.03});
    }
    const std::vector<BlockSolution> solution = Solve(model);
    ASSERT_EQ(solution.size(), 8u);
    for (const BlockSolution& block : solution) {
        ExpectParabola(block.parabola, kP1, 1e-5);
    }
}

TEST(EstimateBlockLines, OnePointPerBlockMeetsEveryConditionWhateverTheWeights) {
    // Each point moves more steeply than the curve through both surface points allows. With
    // as many conditions as coefficients the fit meets all of them exactly, whatever the
    // inclination weight, and the parabolas bend back and forth between the points to do it.
    std::vector<std::vector<BlockSolution>> solutions;
    for (double beta : {0.1, 1.0}) {
        PreparedModel model = OnePointPerBlock(beta);
        for (MeasurementPoint& point : model.points) {
            const double slope = SlopeAt(kP1, point.x) - 0.3;
            point.positions = {{point.x, point.y}, {point.x + 0.03, point.y + 0.03 * slope}};
        }
        solutions.push_back(Solve(model));
        const std::vector<BlockSolution>& blocks = solutions.back();
        ASSERT_EQ(blocks.size(), 8u);
        EXPECT_NEAR(blocks.front().parabola.At(2), kP1.At(2), 1e-6);
        EXPECT_NEAR(blocks.back().parabola.At(44), kP1.At(44), 1e-6);
        for (std::size_t j = 0; j < blocks.size(); ++j) {
            const MeasurementPoint& point = model.points[j];
            const double chord =
                (blocks[j].parabola.At(point.x + 0.03) - blocks[j].parabola.At(point.x)) / 0.03;
            EXPECT_NEAR(chord, SlopeAt(kP1, point.x) - 0.3, 1e-6);
            if (j == 0) {
                continue;
            }
            const double line = model.lines[j - 1].x;
            EXPECT_NEAR(blocks[j].parabola.At(line), blocks[j - 1].parabola.At(line), 1e-6);
            EXPECT_NEAR(SlopeAt(blocks[j].parabola, line), SlopeAt(blocks[j - 1].parabola, line), 1e-6);
            EXPECT_LT(blocks[j].parabola.a * blocks[j - 1].parabola.a, 0.0);
        }
    }
    for (std::size_t j = 0; j < 8; ++j) {
        ExpectParabola(solutions[0][j].parabola, solutions[1][j].parabola, 1e-6);
    }
}

TEST(EstimateProfile, ThreeBlocksOfTwoThreeAndFourPoints) {
    const std::vector<int> heights = SlipSurfaceEstimator::ProfileHeights({5, 6, 7});
    ASSERT_EQ(heights.size(), 18u);
    int entries = 0;
    for (int h : heights) {
        entries += h;
    }
    EXPECT_EQ(entries, 10 + (15 + 15) + (18 + 21));
    EXPECT_EQ(heights[5], 5); // A of block 2 reaches up to A of block 1
    EXPECT_EQ(heights[8], 3); // the first offset of block 2 reaches up to its own A
}

TEST(EstimateWithoutBlockLines, PointsAllAtOneAbscissaAreSingular) {
    // Only the offsets and one elevation can be told apart: the system has no unique solution.
    PreparedModel model;
    model.left = Surface(0, 10);
    MeasurementPoint point;
    point.x = 5;
    point.weight = 1.0;
    point.positions = {{5, 7.0}, {5, 6.0}};
    model.points = {point, point};
    model.points[1].x = 5;
    model.pointsPerBlock = {2};
    std::vector<BlockSolution> solution;
    EXPECT_EQ(SlipSurfaceEstimator().Estimate(model, solution), SlipSurfaceEstimator::Result::Singular);
}

} // namespace
} // namespace kalipe
