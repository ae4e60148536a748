// The plane of the section view: the worked figures of a fit, both mapping directions with a
// vertical exaggeration, unset and out-of-range values, the scale steps and the zoom limits.

#include "common/view/Viewport.h"
#include "common/view/PrintScale.h"
#include "platform/core/Unset.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

using section::Viewport;
using section::WorldRange;

constexpr int kWidth = 1000;
constexpr int kHeight = 600;

// "View all" of a model range in the 1000 x 600 client with 5 % margins.
Viewport Fitted(const WorldRange& range, double exaggeration = 1.0, double topShare = 0.75) {
    Viewport view(topShare, exaggeration);
    view.FitAll(kWidth, kHeight, range.xmax - range.xmin, range.ymax - range.ymin, range, 20);
    return view;
}

// Where a model point shows in the window, after scrolling to position.
CPoint OnScreen(const Viewport& view, double x, double y, CPoint position = CPoint()) {
    CPoint p = view.WorldToLogical(x, y);
    return CPoint(p.x - position.x, p.y - position.y);
}

TEST(ViewportTest, FitOfTheEmptyModelFrameLeavesFivePercentAndThreeQuartersOfTheSpareHeightAbove) {
    const Viewport view = Fitted({0, 200, 0, 100});
    // 900 / 200 across against 540 / 100 down: the width decides.
    EXPECT_DOUBLE_EQ(view.ScaleX(), 4.5);
    EXPECT_DOUBLE_EQ(view.ScaleY(), 4.5);
    EXPECT_DOUBLE_EQ(view.OriginX(), -100.0 / 9.0);
    EXPECT_DOUBLE_EQ(view.OriginY(), 125.0);
    EXPECT_EQ(view.WorldToLogical(0, 100), CPoint(50, 112));  // top left: 5 % in, 112.5 cut
    EXPECT_EQ(view.WorldToLogical(200, 0), CPoint(950, 562)); // bottom right
    EXPECT_EQ(view.Total(), CSize(kWidth, kHeight));
    // The section editor leaves 60 % above.
    EXPECT_DOUBLE_EQ(Fitted({0, 200, 0, 100}, 1.0, 0.6).OriginY(), 100 + 100.0 / 3.0 * 0.6);
}

TEST(ViewportTest, ExaggerationScalesTheHeightAndTheMeanScaleIsAlwaysTheAverage) {
    struct Case {
        double exaggeration;
        double scaleX;
        double scaleY;
    };
    // Height 100 exaggerated twice needs 540 / 200 = 2.7 per metre; once, 900 / 200 = 4.5.
    // A 1000 m wide model at exaggeration 2 comes out at exactly one pixel per metre across.
    const Case cases[] = {{1.0, 4.5, 4.5}, {2.0, 2.7, 5.4}};
    for (const Case& c : cases) {
        const Viewport view = Fitted({0, 200, 0, 100}, c.exaggeration);
        EXPECT_DOUBLE_EQ(view.ScaleX(), c.scaleX);
        EXPECT_DOUBLE_EQ(view.ScaleY(), c.scaleY);
        EXPECT_DOUBLE_EQ(view.ScaleXY(), (c.scaleX + c.scaleY) / 2);
    }
    Viewport unit(0.75, 2.0);
    unit.FitScales(1000, 2000, 1000, 500, 0, 0);
    EXPECT_DOUBLE_EQ(unit.ScaleX(), 1.0);
    EXPECT_DOUBLE_EQ(unit.ScaleXY(), 1.5);
}

// A zoom out pans the plane instead of scrolling: it leaves offsets on both axes.
Viewport Panned(const WorldRange& range, double exaggeration) {
    Viewport view = Fitted(range, exaggeration);
    const double width = range.xmax - range.xmin;
    const double height = range.ymax - range.ymin;
    const DPoint centre{range.xmin + 0.3 * width, range.ymin + 0.7 * height};
    view.ZoomTo(kWidth, kHeight, 3 * width, 3 * height, &centre, 0);
    return view;
}

// The y scale is the x scale times the exaggeration and the mean scale their average after
// every operation that changes the plane, whether it zooms, pans, is refused or prints.
TEST(ViewportTest, EveryChangeKeepsTheExaggerationAndTheMeanScale) {
    constexpr double kExaggeration = 2.5;
    Viewport view(0.75, kExaggeration);
    const auto expectRules = [&view](const char* after) {
        EXPECT_DOUBLE_EQ(view.Aspect(), kExaggeration) << after;
        EXPECT_DOUBLE_EQ(view.ScaleY(), view.ScaleX() * kExaggeration) << after;
        EXPECT_DOUBLE_EQ(view.ScaleXY(), (view.ScaleX() + view.ScaleY()) / 2) << after;
    };
    view.FitScales(kWidth, kHeight, 300, 40, 20, 10);
    expectRules("the fit scales");
    const WorldRange range{0, 200, 0, 100};
    view.FitAll(kWidth, kHeight, 200, 100, range, 20);
    expectRules("view all");
    EXPECT_DOUBLE_EQ(view.FitScaleXY(), view.ScaleXY());
    const DPoint centre{80, 40};
    ASSERT_TRUE(view.ZoomTo(kWidth, kHeight, 50, 20, &centre, 0).scrolls);
    expectRules("a zoom in");
    ASSERT_FALSE(view.ZoomTo(kWidth, kHeight, 900, 400, &centre, 0).scrolls);
    expectRules("a zoom out");
    ASSERT_EQ(view.ZoomTo(kWidth, kHeight, 0.01, 0.01, &centre, 0).outcome, Viewport::ZoomOutcome::kTooLarge);
    expectRules("a refused zoom");
    view.StartAt(12.5, 60);
    expectRules("a new origin");
    EXPECT_EQ(view.WorldToLogical(12.5, 60), CPoint(0, 0));
    view.Magnify(4.8);
    expectRules("a magnification");
    section::PrintScale printing;
    printing.pictureFactor = 6.25;
    view = printing.PagePlane(view, CPoint(30, 40));
    expectRules("the page plane");
}

TEST(ViewportTest, MappingRunsBothWaysWithExaggerationAndOffset) {
    const Viewport view = Panned({10, 60, -5, 20}, 3.0);
    ASSERT_NE(view.OffsetX(), 0.0);
    ASSERT_NE(view.OffsetY(), 0.0);
    const double points[][2] = {{10, -5}, {60, 20}, {33.25, 7.5}, {-100, 400}};
    for (const auto& p : points) {
        const CPoint logical = view.WorldToLogical(p[0], p[1]);
        EXPECT_DOUBLE_EQ(logical.x,
                         static_cast<int>((p[0] - view.OriginX()) * view.ScaleX() - view.OffsetX()));
        EXPECT_DOUBLE_EQ(logical.y,
                         static_cast<int>((view.OriginY() - p[1]) * view.ScaleY() - view.OffsetY()));
        double x = 0, y = 0;
        view.LogicalToWorld(logical.x, logical.y, &x, &y);
        EXPECT_NEAR(x, p[0], 1.0 / view.ScaleX());
        EXPECT_NEAR(y, p[1], 1.0 / view.ScaleY());
    }
    // Model y grows upwards, window y downwards.
    EXPECT_LT(view.WorldToLogical(30, 20).y, view.WorldToLogical(30, -5).y);
}

TEST(ViewportTest, UnsetCoordinatesTakeTheOriginAndUnmappablePointsAreUnset) {
    const Viewport view = Panned({0, 200, 0, 100}, 1.0);
    const CPoint origin(static_cast<int>(-view.OffsetX()), static_cast<int>(-view.OffsetY()));
    ASSERT_NE(origin, CPoint(0, 0));
    EXPECT_EQ(view.WorldToLogical(platform::kUnsetDouble, 100),
              CPoint(origin.x, view.WorldToLogical(0, 100).y));
    EXPECT_EQ(view.WorldToLogical(platform::kUnsetDouble, platform::kUnsetDouble), origin);
    const CPoint far = view.WorldToLogical(1e12, 50);
    EXPECT_TRUE(Viewport::IsUnsetPoint(far));
    EXPECT_EQ(far, CPoint(INT_MIN, INT_MIN));
    EXPECT_TRUE(Viewport::IsUnsetPoint(view.WorldToLogical(50, -1e12)));
}

TEST(ViewportTest, ASinglePointIsFittedAsOneMetreSquare) {
    Viewport view(0.75);
    view.FitAll(kWidth, kHeight, 0, 0, {5, 5, 7, 7}, 20);
    EXPECT_DOUBLE_EQ(view.ScaleX(), 540.0);         // min(900 / 1, 540 / 1)
    const CPoint point = view.WorldToLogical(5, 7); // the window's centre across, 3/4 down the spare
    EXPECT_NEAR(point.x, 500, 1);
    EXPECT_NEAR(point.y, 450, 1);
}

// One scale step about the window centre, as the view runs it.
Viewport::ZoomResult Step(Viewport& view, bool enlarge, double share, CPoint position = CPoint()) {
    double cx = 0, cy = 0;
    view.LogicalToWorld(position.x + kWidth / 2, position.y + kHeight / 2, &cx, &cy);
    double width = 0, height = 0;
    view.StepExtent(enlarge, view.ScaleX() * share, view.ScaleY() * share, kWidth, kHeight, width, height);
    const DPoint centre{cx, cy};
    return view.ZoomTo(kWidth, kHeight, width, height, &centre, 0);
}

TEST(ViewportTest, StepsChangeTheScaleByOneOrTenPercentAboutTheWindowCentre) {
    struct Case {
        bool enlarge;
        double share;
        double factor;
        bool scrolls;
    };
    const Case cases[] = {{true, 0.01, 1.01, true},
                          {true, 0.1, 1.1, true},
                          {false, 0.01, 0.99, false},
                          {false, 0.1, 0.9, false}};
    for (const Case& c : cases) {
        Viewport view = Fitted({0, 200, 0, 100}, 2.0);
        double cx = 0, cy = 0;
        view.LogicalToWorld(kWidth / 2, kHeight / 2, &cx, &cy);
        const Viewport::ZoomResult result = Step(view, c.enlarge, c.share);
        ASSERT_EQ(result.outcome, Viewport::ZoomOutcome::kZoomed);
        EXPECT_NEAR(view.ScaleX(), 2.7 * c.factor, 1e-9);
        EXPECT_NEAR(view.ScaleY(), 5.4 * c.factor, 1e-9);
        EXPECT_EQ(result.scrolls, c.scrolls);
        const CPoint centre = OnScreen(view, cx, cy, result.scrollTo);
        EXPECT_NEAR(centre.x, kWidth / 2.0, 1);
        EXPECT_NEAR(centre.y, kHeight / 2.0, 1);
    }
}

TEST(ViewportTest, ZoomingInAfterZoomingOutKeepsTheCentre) {
    Viewport view = Fitted({0, 200, 0, 100});
    ASSERT_EQ(Step(view, false, 0.1).outcome, Viewport::ZoomOutcome::kZoomed);
    ASSERT_NE(view.OffsetX(), 0.0);
    double cx = 0, cy = 0;
    view.LogicalToWorld(kWidth / 2, kHeight / 2, &cx, &cy);
    // Back in well past "view all": the fitted area scrolls and the centre stays put.
    double width = 0, height = 0;
    view.StepExtent(true, view.ScaleX(), view.ScaleY(), kWidth, kHeight, width, height);
    const DPoint centre{cx, cy};
    const Viewport::ZoomResult result = view.ZoomTo(kWidth, kHeight, width, height, &centre, 0);
    ASSERT_TRUE(result.scrolls);
    EXPECT_EQ(view.OffsetX(), 0.0);
    const CPoint shown = OnScreen(view, cx, cy, result.scrollTo);
    EXPECT_NEAR(shown.x, kWidth / 2.0, 1);
    EXPECT_NEAR(shown.y, kHeight / 2.0, 1);
}

TEST(ViewportTest, ZoomLimitsLeaveTheScalesAsTheyWere) {
    struct Case {
        double width;
        double height;
        Viewport::ZoomOutcome outcome;
    };
    // The fitted 222 m at 1000 pixels per metre is beyond 100000; 1 m of height at a scale that
    // fits 1000 km across is far below 50.
    const Case cases[] = {{1.0, 0.6, Viewport::ZoomOutcome::kTooLarge},
                          {1e6, 1.0, Viewport::ZoomOutcome::kTooSmall}};
    for (const Case& c : cases) {
        Viewport view = Fitted({0, 200, 0, 100});
        const DPoint centre{100, 50};
        const Viewport::ZoomResult result = view.ZoomTo(kWidth, kHeight, c.width, c.height, &centre, 0);
        EXPECT_EQ(result.outcome, c.outcome);
        EXPECT_DOUBLE_EQ(view.ScaleX(), 4.5);
        EXPECT_DOUBLE_EQ(view.ScaleXY(), 4.5);
        EXPECT_EQ(view.Total(), CSize(kWidth, kHeight));
    }
    Viewport view = Fitted({0, 200, 0, 100});
    EXPECT_EQ(view.ZoomTo(kWidth, kHeight, 10, 6, nullptr, 0).outcome, Viewport::ZoomOutcome::kNoCentre);
}

// A printout keeps the window's proportions and its pens and fonts: the device ratio is a real
// number and never below 1, so a 72-dpi PDF or a 600-dpi printer on a 96-dpi screen neither
// loses its pens and fonts to a zero factor nor rounds 6.25 down to 6.
TEST(ViewportTest, PrintScaleKeepsProportionsAndNeverShrinksPens) {
    struct Case {
        CSize client;
        CSize page;
        int screenDpi;
        int deviceDpi;
        double picture;
        double ratio;
    };
    const Case cases[] = {
        {{1000, 500}, {4800, 6800}, 96, 600, 4.8, 6.25}, // a wide window on a portrait page fills its width
        {{400, 800}, {6800, 4800}, 96, 600, 6.0, 6.25},  // a tall window on a landscape page fills its height
        {{1000, 500}, {595, 842}, 96, 72, 0.595, 1.0},   // a coarse device never shrinks pens or fonts
        {{1000, 500}, {9600, 13600}, 96, 1200, 9.6, 12.5},
        {{1000, 500}, {9600, 13600}, 0, 1200, 9.6, 1.0}, // an unknown resolution changes nothing
    };
    for (const Case& c : cases) {
        const section::PrintScale scale =
            section::PrintScale::Compute(c.client, c.page, c.screenDpi, c.deviceDpi);
        EXPECT_DOUBLE_EQ(scale.pictureFactor, c.picture) << c.deviceDpi;
        EXPECT_DOUBLE_EQ(scale.deviceRatio, c.ratio) << c.deviceDpi;
        EXPECT_DOUBLE_EQ(scale.fontFactor, c.ratio * 0.85) << c.deviceDpi;
    }
}

// The page starts at the model point that the scrolled window shows at its top-left corner.
TEST(ViewportTest, PagePlaneStartsWhereTheWindowStarts) {
    const Viewport screen = Fitted({0, 200, 0, 100});
    const CPoint scroll(120, 40);
    double x = 0.0;
    double y = 0.0;
    screen.LogicalToWorld(scroll.x, scroll.y, &x, &y);
    section::PrintScale scale;
    scale.pictureFactor = 3.0;
    const Viewport page = scale.PagePlane(screen, scroll);
    EXPECT_EQ(page.WorldToLogical(x, y), CPoint(0, 0));
    const CPoint onScreen = OnScreen(screen, 150, 20, scroll);
    const CPoint onPage = page.WorldToLogical(150, 20);
    EXPECT_NEAR(onPage.x, 3.0 * onScreen.x, 3);
    EXPECT_NEAR(onPage.y, 3.0 * onScreen.y, 3);
    EXPECT_DOUBLE_EQ(page.FitScaleXY(), 3.0 * screen.FitScaleXY());
}

} // namespace
