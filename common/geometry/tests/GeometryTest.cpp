#include "common/geometry/Geometry.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

const double kPi = std::acos(-1.0);

struct ClassifyCase {
    const char* name;
    double x1, y1, x2, y2;
    SegmentKind kind;
};

class Classify : public ::testing::TestWithParam<ClassifyCase> {};

TEST_P(Classify, BothDirections) {
    const ClassifyCase& c = GetParam();
    EXPECT_EQ(ClassifySegment(c.x1, c.y1, c.x2, c.y2), c.kind);
    EXPECT_EQ(ClassifySegment(c.x2, c.y2, c.x1, c.y1), c.kind);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Classify,
    ::testing::Values(ClassifyCase{"horizontal", 0, 1, 5, 1, SegmentKind::kHorizontal},
                      ClassifyCase{"vertical", 2, 0, 2, 9, SegmentKind::kVertical},
                      ClassifyCase{"sloped", 0, 0, 1, 1, SegmentKind::kSloped},
                      ClassifyCase{"zeroLengthIsHorizontal", 3, 3, 3, 3, SegmentKind::kHorizontal},
                      ClassifyCase{"withinToleranceIsHorizontal", 0, 1, 5, 1 + 1e-11,
                                   SegmentKind::kHorizontal},
                      ClassifyCase{"justOverToleranceIsSloped", 0, 1, 5, 1 + 2e-10, SegmentKind::kSloped}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace

TEST(Geometry, ConstantsAreExact) {
    const GeometryConstants& c = Angles();
    EXPECT_EQ(c.pi, kPi);
    EXPECT_EQ(c.halfPi, kPi / 2);
    EXPECT_EQ(c.twoPi, 2 * kPi);
    EXPECT_EQ(c.threeQuarterPi, 3 * (kPi / 4));
    EXPECT_EQ(kClassifyTolerance, 1.000000013351432e-10);
}

TEST(Geometry, IsBetweenExcludesBothEnds) {
    EXPECT_EQ(IsBetween(1, 0, 2), 1);
    EXPECT_EQ(IsBetween(1, 2, 0), 1);
    EXPECT_EQ(IsBetween(0, 0, 2), 0);
    EXPECT_EQ(IsBetween(2, 0, 2), 0);
    EXPECT_EQ(IsBetween(1, 1, 1), 0);
    // Major axis: x for a flat segment, y for a steep one and for equal extents.
    EXPECT_EQ(IsBetweenOnMajorAxis({5, 100}, {0, 0}, {10, 1}), 1);
    EXPECT_EQ(IsBetweenOnMajorAxis({100, 0.5}, {0, 0}, {1, 10}), 1);
    EXPECT_EQ(IsBetweenOnMajorAxis({0.5, 5}, {0, 0}, {1, 1}), 0);
}

TEST(Geometry, SegmentAngleCoversTheCircle) {
    double angle = -1;
    SegmentAngle(0, 0, 0, 0, angle);
    EXPECT_EQ(angle, kPi / 2);
    SegmentAngle(0, 0, 0, -1, angle);
    EXPECT_EQ(angle, kPi + kPi / 2);
    SegmentAngle(0, 0, -1, 0, angle);
    EXPECT_EQ(angle, kPi);
    SegmentAngle(0, 0, 1, 1, angle);
    EXPECT_NEAR(angle, kPi / 4, 1e-15);
    SegmentAngle(0, 0, -1, -1, angle);
    EXPECT_NEAR(angle, 5 * kPi / 4, 1e-15);
    SegmentAngle(0, 0, 1, -1, angle);
    EXPECT_NEAR(angle, 7 * kPi / 4, 1e-15);
    SegmentAngle(0, 0, -1, 1, angle);
    EXPECT_NEAR(angle, 3 * kPi / 4, 1e-15);
}

TEST(Geometry, ProjectionOntoEachKind) {
    DPoint foot;
    double d2 = 0;
    double m = 99;
    double k = 99;
    ProjectPointOnSegment({0, 0}, {10, 0}, 4, 3, SegmentKind::kHorizontal, foot, d2, m, k);
    EXPECT_EQ(foot, (DPoint{4, 0}));
    EXPECT_EQ(d2, 9);
    ProjectPointOnSegment({2, 0}, {2, 10}, 5, 7, SegmentKind::kVertical, foot, d2, m, k);
    EXPECT_EQ(foot, (DPoint{2, 7}));
    EXPECT_EQ(d2, 9);
    // Sloped y = x: the foot of (0, 2) is (1, 1), squared distance 2.
    ProjectPointOnSegment({0, 0}, {4, 4}, 0, 2, SegmentKind::kSloped, foot, d2, m, k);
    EXPECT_NEAR(foot.x, 1, 1e-12);
    EXPECT_NEAR(foot.y, 1, 1e-12);
    EXPECT_NEAR(d2, 2, 1e-12);
    EXPECT_EQ(m, 1);
    EXPECT_EQ(k, 0);
    // Foot beyond the end: distance to the nearer end, unset foot, slope untouched.
    m = 99;
    ProjectPointOnSegment({0, 0}, {4, 4}, 10, 9, SegmentKind::kSloped, foot, d2, m, k);
    EXPECT_TRUE(foot.IsUnset());
    EXPECT_EQ(d2, 36 + 25);
    EXPECT_EQ(m, 99);
    // A horizontal segment passed as sloped does not divide by zero.
    ProjectPointOnSegment({0, 0}, {10, 0}, 4, 3, SegmentKind::kSloped, foot, d2, m, k);
    EXPECT_EQ(d2, 9);
    EXPECT_FALSE(std::isnan(foot.x));
}

TEST(Geometry, BoxTestTouchingASideIsOutside) {
    EXPECT_EQ(SegmentTouchesBox({0, 0}, {10, 10}, {10, 0}, {12, 5}, 0.01), 0);
    EXPECT_EQ(SegmentTouchesBox({0, 0}, {10, 10}, {9, 0}, {12, 5}, 0.01), 1);
    // A horizontal segment's box is widened by the tolerance on y.
    EXPECT_EQ(SegmentTouchesBox({0, 0}, {10, 0}, {5, 0.005}, {6, 0.5}, 0.01), 1);
    EXPECT_EQ(SegmentTouchesBox({0, 0}, {10, 0}, {5, 0.5}, {6, 0.5}, 0.01), 0);
}

TEST(Geometry, ParallelSegments) {
    EXPECT_EQ(AreSegmentsParallel({0, 0}, {1, 0}, {5, 3}, {9, 3}, 1e-3), 1);
    EXPECT_EQ(AreSegmentsParallel({0, 0}, {0, 1}, {5, 3}, {5, 9}, 1e-3), 1);
    EXPECT_EQ(AreSegmentsParallel({0, 0}, {1, 1}, {5, 5}, {7, 7.001}, 1e-3), 1);
    EXPECT_EQ(AreSegmentsParallel({0, 0}, {1, 1}, {5, 5}, {7, 8}, 1e-3), 0);
    EXPECT_EQ(AreSegmentsParallel({0, 0}, {1, 0}, {0, 0}, {0, 1}, 1e-3), 0);
}

TEST(Geometry, OverlapMeansOneCourseNotACrossing) {
    double d[4];
    // Collinear horizontal segments sharing an x range.
    EXPECT_EQ(SegmentsOverlap({0, 0}, {10, 0}, {5, 0}, {15, 0}, d, 1e-3, 1e-4), 1);
    EXPECT_EQ(d[1], 0); // (10, 0) lies on the other
    EXPECT_EQ(d[0], 10000.0);
    // Nearly collinear sloped segments within the distance limit.
    EXPECT_EQ(SegmentsOverlap({0, 0}, {10, 10}, {5, 5.001}, {15, 15.002}, d, 1e-6, 1e-4), 1);
    // An X crossing: no end projects inside the other segment. A crossing, not an overlap.
    EXPECT_EQ(SegmentsOverlap({0, 0}, {10, 10}, {0, 10}, {10, 0}, d, 1e-3, 1e-4), 0);
    // A T whose stem ends far from the bar.
    EXPECT_EQ(SegmentsOverlap({0, 0}, {10, 0}, {5, 1}, {5, 10}, d, 1e-3, 1e-4), 0);
}

TEST(Geometry, IntersectLinesByKind) {
    DPoint p{7, 7};
    const double xs[2] = {0, 3};
    const double ys[2] = {2, 5};
    {
        const SegmentKind kinds[2] = {SegmentKind::kSloped,
                                      SegmentKind::kHorizontal}; // y = 2x + 1 with y = 5
        const double slopes[2] = {2, 0};
        const double intercepts[2] = {1, 0};
        ASSERT_EQ(IntersectLines(xs, ys, kinds, slopes, intercepts, p), 1);
        EXPECT_EQ(p, (DPoint{2, 5}));
    }
    {
        const SegmentKind kinds[2] = {SegmentKind::kVertical, SegmentKind::kSloped}; // x = 0 with y = 3x - 1
        const double slopes[2] = {0, 3};
        const double intercepts[2] = {0, -1};
        ASSERT_EQ(IntersectLines(xs, ys, kinds, slopes, intercepts, p), 1);
        EXPECT_EQ(p, (DPoint{0, -1}));
    }
    {
        const SegmentKind kinds[2] = {SegmentKind::kHorizontal, SegmentKind::kVertical}; // y = 2 with x = 3
        const double zero[2] = {0, 0};
        ASSERT_EQ(IntersectLines(xs, ys, kinds, zero, zero, p), 1);
        EXPECT_EQ(p, (DPoint{3, 2}));
    }
    {
        const SegmentKind kinds[2] = {SegmentKind::kSloped, SegmentKind::kSloped}; // y = x and y = -x + 4
        const double slopes[2] = {1, -1};
        const double intercepts[2] = {0, 4};
        ASSERT_EQ(IntersectLines(xs, ys, kinds, slopes, intercepts, p), 1);
        EXPECT_EQ(p, (DPoint{2, 2}));
    }
    p = DPoint{7, 7};
    {
        const SegmentKind kinds[2] = {SegmentKind::kSloped,
                                      SegmentKind::kSloped}; // equal slopes: no division by zero, no point
        const double slopes[2] = {1, 1};
        const double intercepts[2] = {0, 4};
        EXPECT_EQ(IntersectLines(xs, ys, kinds, slopes, intercepts, p), 0);
        const SegmentKind flat[2] = {SegmentKind::kHorizontal, SegmentKind::kHorizontal};
        EXPECT_EQ(IntersectLines(xs, ys, flat, slopes, intercepts, p), 0);
        EXPECT_EQ(p, (DPoint{7, 7}));
    }
}

TEST(Geometry, SegmentAgainstALine) {
    DPoint p;
    const double x[3] = {0, 10, 4};
    const double y[3] = {0, 10, 3};
    ASSERT_EQ(IntersectSegmentWithLine(x, y, SegmentKind::kSloped, -1, 8, p), 1); // y = -x + 8
    EXPECT_EQ(p, (DPoint{4, 4}));
    ASSERT_EQ(IntersectSegmentWithLine(x, y, SegmentKind::kHorizontal, 0, 0, p), 1); // y = 3
    EXPECT_EQ(p, (DPoint{3, 3}));
    ASSERT_EQ(IntersectSegmentWithLine(x, y, SegmentKind::kVertical, 0, 0, p), 1); // x = 4
    EXPECT_EQ(p, (DPoint{4, 4}));
    EXPECT_EQ(IntersectSegmentWithLine(x, y, SegmentKind::kSloped, 1, 20, p), 0); // both ends below
    EXPECT_TRUE(p.IsUnset());
    const double flatX[3] = {0, 10, 0};
    const double flatY[3] = {2, 2, 2};
    EXPECT_EQ(IntersectSegmentWithLine(flatX, flatY, SegmentKind::kHorizontal, 0, 0, p),
              0); // y0 = y1, even on the line
    const double beyond[3] = {0, 10, 11};
    EXPECT_EQ(IntersectSegmentWithLine(beyond, y, SegmentKind::kVertical, 0, 0, p), 0);
}
