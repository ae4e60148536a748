// The slip surface against ground segments: crossings of verticals and parabolas, directions.

#include "solver/SegmentGeometry.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kalipe {
namespace {

constexpr double kPi = 3.141592653589793;

// Z = 0.05 S^2 - S + 11.8 meets the level 10 at S = 2 (falling) and S = 18 (rising).
const Parabola kUpward{0.05, -1.0, 11.8};
// Z = -0.05 S^2 + S meets the level 3.2 at S = 4 (rising) and S = 16 (falling).
const Parabola kDownward{-0.05, 1.0, 0.0};

TEST(IntersectParabola, UpwardOpeningPicksTheRootOfTheSide) {
    const auto right = IntersectParabola(0, 10, 20, 10, kUpward, CrossingSide::RightHand);
    const auto left = IntersectParabola(0, 10, 20, 10, kUpward, CrossingSide::LeftHand);
    ASSERT_TRUE(right && left);
    EXPECT_NEAR(right->x, 18.0, 1e-12);
    EXPECT_NEAR(left->x, 2.0, 1e-12);
    EXPECT_NEAR(left->y, 10.0, 1e-12);
}

TEST(IntersectParabola, DownwardOpeningCrossesWhereItRisesOrFalls) {
    const auto right = IntersectParabola(0, 3.2, 20, 3.2, kDownward, CrossingSide::RightHand);
    const auto left = IntersectParabola(0, 3.2, 20, 3.2, kDownward, CrossingSide::LeftHand);
    ASSERT_TRUE(right && left);
    EXPECT_NEAR(right->x, 4.0, 1e-12);
    EXPECT_NEAR(left->x, 16.0, 1e-12);
    // Each root lies on its own segment half; the other half holds no crossing of that side.
    EXPECT_FALSE(IntersectParabola(10, 3.2, 20, 3.2, kDownward, CrossingSide::RightHand));
    EXPECT_FALSE(IntersectParabola(0, 3.2, 10, 3.2, kDownward, CrossingSide::LeftHand));
}

TEST(IntersectParabola, ZeroLeadingCoefficientIsAStraightLine) {
    const Parabola rising{0.0, 0.5, 0.0};
    const auto hit = IntersectParabola(0, 2, 10, 2, rising, CrossingSide::RightHand);
    ASSERT_TRUE(hit);
    EXPECT_DOUBLE_EQ(hit->x, 4.0);
    EXPECT_DOUBLE_EQ(hit->y, 2.0);
    EXPECT_FALSE(IntersectParabola(0, 2, 10, 2, rising, CrossingSide::LeftHand));  // it never falls below
    EXPECT_FALSE(IntersectParabola(0, 2, 10, 7, rising, CrossingSide::RightHand)); // parallel: none, no NaN
    const Parabola level{0.0, 0.0, 2.0};
    EXPECT_FALSE(IntersectParabola(0, 2, 10, 2, level, CrossingSide::RightHand)); // lying on the segment
}

TEST(IntersectParabola, NearlyStraightParabolaKeepsItsDigits) {
    // The textbook root (sqrt(D) - b) / 2A loses about ten digits to cancellation here.
    const Parabola almostLine{1e-14, 0.5, 0.0};
    const auto hit = IntersectParabola(0, 2, 10, 2, almostLine, CrossingSide::RightHand);
    ASSERT_TRUE(hit);
    EXPECT_NEAR(hit->x, 4.0, 1e-10);
    const Parabola almostFalling{-1e-14, -0.5, 10.0};
    const auto fall = IntersectParabola(0, 2, 20, 2, almostFalling, CrossingSide::LeftHand);
    ASSERT_TRUE(fall);
    EXPECT_NEAR(fall->x, 16.0, 1e-10);
}

TEST(IntersectParabola, SlopedVerticalAndMissingCrossings) {
    // Sloped segment y = 0.5 x + 1 against Z = S^2: S^2 - 0.5 S - 1 = 0, rising root 1.2807764.
    const auto sloped = IntersectParabola(0, 1, 4, 3, Parabola{1, 0, 0}, CrossingSide::RightHand);
    ASSERT_TRUE(sloped);
    EXPECT_NEAR(sloped->x, (0.5 + std::sqrt(4.25)) / 2.0, 1e-12);
    EXPECT_NEAR(sloped->y, sloped->x * sloped->x, 1e-12);
    // Vertical segment: the parabola's value at its abscissa, when within its height.
    const auto vertical = IntersectParabola(3, 0, 3, 10, kUpward, CrossingSide::LeftHand);
    ASSERT_TRUE(vertical);
    EXPECT_NEAR(vertical->y, 0.05 * 9 - 3 + 11.8, 1e-12);
    EXPECT_FALSE(IntersectParabola(3, 0, 3, 5, kUpward, CrossingSide::LeftHand));
    // Negative discriminant, and a root outside the segment.
    EXPECT_FALSE(IntersectParabola(0, 1, 20, 1, kUpward, CrossingSide::RightHand));
    EXPECT_FALSE(IntersectParabola(0, 10, 15, 10, kUpward, CrossingSide::RightHand));
}

TEST(IntersectVertical, ReportsEachVertexOnceAndHoldsTheSegmentRange) {
    EXPECT_EQ(IntersectVertical(0, 0, 10, 5, 10).result, VerticalResult::None); // end: the next segment's
    const VerticalCrossing start = IntersectVertical(0, 0, 10, 5, 0);
    EXPECT_EQ(start.result, VerticalResult::AtStart);
    EXPECT_EQ(start.y, 0.0);
    const VerticalCrossing inside = IntersectVertical(0, 0, 10, 5, 4);
    EXPECT_EQ(inside.result, VerticalResult::Inside);
    EXPECT_DOUBLE_EQ(inside.y, 2.0);
    EXPECT_EQ(IntersectVertical(10, 5, 0, 0, 4).result, VerticalResult::Inside); // right to left
    EXPECT_EQ(IntersectVertical(0, 0, 10, 5, 11).result, VerticalResult::None);
    EXPECT_EQ(IntersectVertical(3, 3, 3, 3, 3).result, VerticalResult::None); // zero length
    EXPECT_EQ(IntersectVertical(3, 0, 3, 8, 4).result, VerticalResult::None); // vertical elsewhere
}

TEST(LowestGroundCrossing, AnOverhangGivesItsLowerBranch) {
    const std::vector<Point2> overhang = {{0, 10}, {10, 10}, {6, 14}, {20, 14}};
    const GroundHit hit = LowestGroundCrossing(overhang, 8);
    ASSERT_TRUE(hit.Found());
    EXPECT_EQ(hit.segment, 0);
    EXPECT_DOUBLE_EQ(hit.y, 10.0);
    EXPECT_FALSE(LowestGroundCrossing(overhang, 25).Found());
}

TEST(DirectionAngle, QuadrantsAndAxes) {
    EXPECT_DOUBLE_EQ(DirectionAngle(1, 1, 1, 4), kPi / 2);
    EXPECT_DOUBLE_EQ(DirectionAngle(1, 4, 1, 1), -kPi / 2);
    EXPECT_DOUBLE_EQ(DirectionAngle(1, 1, 5, 1), 0.0);
    EXPECT_DOUBLE_EQ(DirectionAngle(5, 1, 1, 1), -kPi);
    EXPECT_DOUBLE_EQ(DirectionAngle(0, 0, 1, -1), -kPi / 4);
    EXPECT_DOUBLE_EQ(DirectionAngle(0, 0, -1, 1), 3 * kPi / 4);
}

} // namespace
} // namespace kalipe
