#include "common/geometry/CBoundRect.h"
#include "common/geometry/CClipRect.h"
#include "common/geometry/Geometry.h"
#include "platform/core/Unset.h"

#include <gtest/gtest.h>

namespace {

CClipRect Unit() {
    const double bounds[4] = {0, 10, 0, 10};
    return CClipRect(bounds);
}

} // namespace

TEST(ClipRect, OutCodes) {
    CClipRect clip = Unit();
    EXPECT_EQ(clip.OutCode(5, 5), 0);
    EXPECT_EQ(clip.OutCode(-1, 5), 1);
    EXPECT_EQ(clip.OutCode(11, 5), 2);
    EXPECT_EQ(clip.OutCode(5, -1), 8);
    EXPECT_EQ(clip.OutCode(5, 11), 4);
    EXPECT_EQ(clip.OutCode(-1, 11), 5);
}

TEST(ClipRect, InsideToBeyondACornerClipsXThenY) {
    CClipRect clip = Unit();
    double x1 = 5, y1 = 5, x2 = 15, y2 = 25; // leaves through the top edge at (7.5, 10)
    ASSERT_EQ(clip.ClipSegment(x1, y1, x2, y2), 1);
    EXPECT_EQ(x1, 5);
    EXPECT_DOUBLE_EQ(x2, 7.5);
    EXPECT_DOUBLE_EQ(y2, 10);
}

TEST(ClipRect, RejectionsAndVerticalSegments) {
    CClipRect clip = Unit();
    double x1 = -5, y1 = 1, x2 = -1, y2 = 9;
    EXPECT_EQ(clip.ClipSegment(x1, y1, x2, y2), 0);
    EXPECT_EQ(x1, -5); // rejected without any step
    double vx1 = 3, vy1 = -5, vx2 = 3, vy2 = 20;
    ASSERT_EQ(clip.ClipSegment(vx1, vy1, vx2, vy2), 1);
    EXPECT_EQ(vy1, 0);
    EXPECT_EQ(vy2, 10);
    double ax = -2, ay = 9, bx = 2, by = 13; // passes outside the corner: clipped to nothing
    EXPECT_EQ(clip.ClipSegment(ax, ay, bx, by), 0);
}

TEST(ClipRect, IntegerClipTruncatesAndNoExtentClipsNothing) {
    const double bounds[4] = {0, 10.9, 0, 100};
    CClipRect clip(bounds);
    CPoint a(5, 5);
    CPoint b(20, 5);
    ASSERT_EQ(clip.ClipIntSegment(a, b), 1);
    EXPECT_EQ(b.x, 10);
    const double none[4] = {-platform::kExtentLimit, platform::kExtentLimit, -platform::kExtentLimit,
                            platform::kExtentLimit};
    CClipRect all(none);
    EXPECT_EQ(all.enabled, 0);
    double x1 = -1e30, y1 = 0, x2 = 1e30, y2 = 1;
    EXPECT_EQ(all.ClipSegment(x1, y1, x2, y2), 1);
    EXPECT_EQ(x1, -1e30);
    CClipRect window(CRect(0, 0, 100, 50));
    EXPECT_EQ(window.ymax, 50);
}

class BoundRectTest : public ::testing::Test {
protected:
    int Test(DPoint a1, DPoint a2, DPoint b1, DPoint b2) {
        const SegmentKind kindA = ClassifySegment(a1.x, a1.y, a2.x, a2.y);
        const SegmentKind kindB = ClassifySegment(b1.x, b1.y, b2.x, b2.y);
        int result = bound_.IntersectSegment(a1, a2, b1, b2, kindA, kindB);
        bound_.GetIntersection(point_);
        return result;
    }
    CBoundRect bound_{0.01, 0.0001, 0.001};
    DPoint point_;
};

TEST_F(BoundRectTest, CrossingsOfEveryKindPairInBothOrders) {
    struct Case {
        DPoint a1, a2, b1, b2, at;
    } cases[] = {
        {{0, 0}, {10, 10}, {0, 10}, {10, 0}, {5, 5}}, // sloped / sloped
        {{0, 4}, {10, 4}, {0, 0}, {8, 8}, {4, 4}},    // horizontal / sloped
        {{3, 0}, {3, 10}, {0, 0}, {10, 5}, {3, 1.5}}, // vertical / sloped
        {{3, 0}, {3, 10}, {0, 7}, {10, 7}, {3, 7}},   // vertical / horizontal
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Test(c.a1, c.a2, c.b1, c.b2), CBoundRect::kCross);
        EXPECT_NEAR(point_.x, c.at.x, 1e-12);
        EXPECT_NEAR(point_.y, c.at.y, 1e-12);
        EXPECT_EQ(Test(c.b1, c.b2, c.a1, c.a2), CBoundRect::kCross);
        EXPECT_NEAR(point_.x, c.at.x, 1e-12);
        EXPECT_NEAR(point_.y, c.at.y, 1e-12);
    }
}

TEST_F(BoundRectTest, MissesAndOverlaps) {
    EXPECT_EQ(Test({0, 0}, {10, 0}, {0, 0.5}, {10, 0.5}), CBoundRect::kMiss); // 0.5 apart: box test
    EXPECT_EQ(Test({0, 0}, {10, 0}, {5, 0}, {15, 0}), CBoundRect::kOverlap);  // collinear
    EXPECT_EQ(Test({0, 0}, {10, 10}, {6, 4}, {12, -2}), CBoundRect::kMiss);   // would cross beyond A's end
    EXPECT_EQ(Test({0, 0}, {4, 4}, {3, 0}, {10, 5}), CBoundRect::kMiss); // boxes touch, lines do not cross
    EXPECT_EQ(Test({0, 0}, {0, 10}, {0, 10.5}, {0, 12}), CBoundRect::kMiss); // vertical, end to end apart
}
