// The section view's mouse layer on a window offscreen: synthetic mouse sequences and what the
// figures hand over, the canvas after a tool ends (no band left behind), the click that only
// gives the focus, the Shift rule, the zoom window, and the snapping edge cases.

#include "common/ui/section/CFigLine.h"
#include "common/ui/section/CFigPolyline.h"
#include "common/ui/section/CFigRectSelect.h"
#include "common/ui/section/CViewBase.h"
#include "common/ui/section/GuideIds.h"
#include "platform/core/RecordingSink.h"
#include "platform/ui/CClientDC.h"
#include "platform/ui/CFrameWnd.h"

#include "testsupport/ui/TestApplication.h"
#include "testsupport/ui/ViewWindow.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace {

using section::FigureVertex;
using section::WorldRange;

constexpr COLORREF kInk = RGB(0, 0, 0);

// A model of points and lines drawn in black on a 100 x 50 m section; it records what the
// figures commit.
class MouseTestView : public CViewBase {
    DECLARE_DYNCREATE(MouseTestView)
public:
    MouseTestView() : CViewBase(Options{}) {}

    std::vector<SnapPoint> points;
    std::vector<std::pair<DPoint, DPoint>> lines;
    std::vector<std::vector<FigureVertex>> runs;
    std::vector<int> selections; // modes
    bool noLineAnswer = false;   // the document's search says "none" with key 0, as an unset key would

    void OnDraw(CDC* dc) override {
        CPen pen(PS_SOLID, 1, kInk);
        CPen* old = dc->SelectObject(&pen);
        for (const auto& [a, b] : lines) {
            dc->MoveTo(WorldToLogical(a.x, a.y));
            dc->LineTo(WorldToLogical(b.x, b.y));
        }
        dc->SelectObject(old);
        for (const SnapPoint& p : points) {
            DrawPointBoxColor(dc, WorldToLogical(p.x, p.y), kInk, 2);
        }
        PaintToolSurface(dc);
    }
    int CommitPointRun(const std::vector<FigureVertex>& run) override {
        runs.push_back(run);
        return 0;
    }
    void CommitFigurePoint(const FigureVertex& point) override { runs.push_back({point}); }
    BOOL CommitSelection(int mode, CFigure&) override {
        selections.push_back(mode);
        return TRUE;
    }

protected:
    bool DocHasGroundPoints() const override { return true; }
    WorldRange DocComputeExtent(double& width, double& height) override {
        width = 100;
        height = 50;
        return WorldRange{0, 100, 0, 50};
    }
    WorldRange DocCurrentExtent() const override { return WorldRange{0, 100, 0, 50}; }
    void DocClearCurrentExtent() override {}
    WorldRange DocModelSize() const override { return WorldRange::Unset(); }
    void DocStoreModelSize(const WorldRange&) override {}
    bool DocGroundPointXY(int, double&, double&) const override { return false; }
    std::vector<COLORREF> ObjectColours() const override { return {kInk}; }
    std::unique_ptr<CFigure> MakeFigure(section::DrawMode mode) override {
        std::unique_ptr<CFigure> figure;
        if (mode == section::DrawMode::kSelect) {
            figure = std::make_unique<CFigRectSelect>();
        } else if (mode == section::DrawMode::kLine) {
            figure = std::make_unique<CFigLine>();
        } else if (mode == section::DrawMode::kPolyline) {
            figure = std::make_unique<CFigPolyline>();
        } else {
            return nullptr;
        }
        figure->Setup(GreyColour(), 1, 0, 0, this);
        return figure;
    }
    std::vector<SnapPoint> DocSnapPoints(PointSet) const override { return points; }
    bool DocNearestLine(double x, double y, int& key, double& squared, DPoint& a, DPoint& b) const override {
        key = -1;
        squared = 100000.0;
        if (noLineAnswer) {
            key = 0; // what a search that found nothing leaves behind when it is not told apart
            return false;
        }
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const auto& [p, q] = lines[i];
            // Horizontal lines only, enough for these cases.
            if (x > std::min(p.x, q.x) && x < std::max(p.x, q.x) && (y - p.y) * (y - p.y) < squared) {
                squared = (y - p.y) * (y - p.y);
                key = static_cast<int>(i);
                a = p;
                b = q;
            }
        }
        return key >= 0;
    }
};
IMPLEMENT_DYNCREATE(MouseTestView, CViewBase)

class FigureMouseTest : public ::testing::Test {
protected:
    void SetUp() override {
        testsupport::TestApplication();
        ASSERT_TRUE(window_.Open("SECTION", nullptr, RUNTIME_CLASS(MouseTestView), 1000, 700));
        view_ = static_cast<MouseTestView*>(window_.View());
        view_->OnInitialUpdate();
        Repaint();
    }
    void TearDown() override { window_.Close(); }
    void Repaint() {
        view_->Invalidate();
        view_->UpdateWindow();
    }
    CPoint At(double x, double y) const { return view_->WorldToLogical(x, y); }
    void Press(double x, double y, UINT flags = 0) { view_->OnLButtonDown(flags, At(x, y)); }
    void Release(double x, double y, UINT flags = 0) { view_->OnLButtonUp(flags, At(x, y)); }
    void Move(double x, double y, UINT flags = 0) { view_->OnMouseMove(flags, At(x, y)); }
    void Click(double x, double y, UINT flags = 0) {
        Move(x, y, flags);
        Press(x, y, flags);
        Release(x, y, flags);
    }
    QImage Canvas() { return view_->Canvas().copy(); }

    testsupport::ViewWindow window_;
    MouseTestView* view_ = nullptr;
    platform::RecordingSink sink_;
};

TEST_F(FigureMouseTest, ALineToolHandsOverItsTwoEndsAndLeavesNoBandBehind) {
    view_->lines.push_back({DPoint{10, 40}, DPoint{90, 40}});
    Repaint();
    const QImage before = Canvas();
    view_->ChooseTool(section::DrawMode::kLine, std::nullopt, section::guide::kLinePrompt,
                      section::guide::kLineTitle);
    Click(20, 10);
    // The band crosses the drawn line on its way, and the window is repainted under it once.
    Move(50, 45);
    Move(60, 30);
    Repaint();
    Move(70, 20);
    Click(80, 20);
    ASSERT_EQ(view_->runs.size(), 1u);
    ASSERT_EQ(view_->runs[0].size(), 2u);
    EXPECT_NEAR(view_->runs[0][0].world.x, 20, 0.2);
    EXPECT_NEAR(view_->runs[0][1].world.y, 20, 0.2);
    EXPECT_EQ(view_->ActiveFigure(), nullptr);
    view_->UpdateWindow();
    EXPECT_EQ(Canvas(), before);
}

TEST_F(FigureMouseTest, BackspaceTakesBackEveryVertexAndRestoresTheCanvasExactly) {
    view_->lines.push_back({DPoint{10, 40}, DPoint{90, 40}});
    Repaint();
    const QImage before = Canvas();
    view_->ChooseTool(section::DrawMode::kPolyline, std::nullopt, section::guide::kPolylinePrompt,
                      section::guide::kPolylineTitle);
    Click(20, 10);
    Move(40, 45);
    Click(40, 45);
    Move(60, 15);
    Click(60, 15);
    Move(75, 30);
    EXPECT_NE(Canvas(), before);
    for (int i = 0; i < 3; ++i) {
        view_->OnKeyDown(VK_BACK, 1, 0);
    }
    EXPECT_EQ(view_->ActiveFigure(), nullptr);
    EXPECT_TRUE(view_->runs.empty());
    view_->UpdateWindow();
    EXPECT_EQ(Canvas(), before);
}

TEST_F(FigureMouseTest, AContinuousLineEndsOnTheRightButtonOrClosesWithCtrl) {
    view_->ChooseTool(section::DrawMode::kPolyline, std::nullopt, section::guide::kPolylinePrompt,
                      section::guide::kPolylineTitle);
    Click(10, 10);
    Click(30, 10);
    Click(30, 30);
    view_->OnRButtonUp(0, At(30, 30));
    ASSERT_EQ(view_->runs.size(), 1u);
    EXPECT_EQ(view_->runs[0].size(), 3u);
    Click(50, 10);
    Click(70, 10);
    Click(70, 30, MK_CONTROL);
    ASSERT_EQ(view_->runs.size(), 2u);
    ASSERT_EQ(view_->runs[1].size(), 3u);
    EXPECT_EQ(view_->runs[1].back().logical, view_->runs[1].front().logical);
}

TEST_F(FigureMouseTest, TheClickThatGivesTheFocusIsSwallowedWithItsReleaseOnly) {
    view_->ChooseTool(section::DrawMode::kLine, std::nullopt, section::guide::kLinePrompt,
                      section::guide::kLineTitle);
    view_->OnSetFocus(nullptr);
    Press(20, 10);
    Move(25, 10); // a jitter between press and release does not end the swallowing
    Release(25, 10);
    EXPECT_EQ(view_->ActiveFigure(), nullptr);
    Click(20, 10);
    Click(50, 10);
    EXPECT_EQ(view_->runs.size(), 1u);
    // A move after the focus came means the next click is the user's.
    view_->OnSetFocus(nullptr);
    Move(20, 20);
    Click(20, 20);
    EXPECT_NE(view_->ActiveFigure(), nullptr);
}

TEST_F(FigureMouseTest, ShiftMakesA45DegreeDragVerticalAndAFlatterOneHorizontal) {
    const struct {
        int dx, dy;
        int rule;
    } cases[] = {{40, 40, CFigure::kVertical}, {40, 39, CFigure::kHorizontal}, {0, 40, CFigure::kNoRule}};
    for (const auto& c : cases) {
        CPoint start(100, 100);
        CPoint end(start.x + c.dx, start.y - c.dy);
        const int rule = ApplyLineRule(start, end, CFigure::kNoRule);
        EXPECT_EQ(rule, c.rule) << c.dx << "," << c.dy;
        if (rule == CFigure::kVertical) {
            EXPECT_EQ(end.x, start.x);
        }
    }
    view_->ChooseTool(section::DrawMode::kLine, std::nullopt, section::guide::kLinePrompt,
                      section::guide::kLineTitle);
    Click(20, 10);
    const CPoint s = At(20, 10);
    view_->OnMouseMove(MK_SHIFT, CPoint(s.x + 30, s.y - 30));
    view_->OnLButtonDown(MK_SHIFT, CPoint(s.x + 30, s.y - 30));
    view_->OnLButtonUp(MK_SHIFT, CPoint(s.x + 30, s.y - 30));
    ASSERT_EQ(view_->runs.size(), 1u);
    EXPECT_EQ(view_->runs[0][1].logical.x, s.x);
    EXPECT_DOUBLE_EQ(view_->runs[0][1].world.x, view_->runs[0][0].world.x);
}

TEST_F(FigureMouseTest, TheRightButtonZoomsToItsWindowButNotOnItsFirstCornerOrAFlatOne) {
    const double scale = view_->Plane().ScaleX();
    view_->OnRButtonDown(0, At(20, 20));
    view_->OnMouseMove(0, At(21, 20));
    view_->OnRButtonUp(0, At(20, 20) + CSize(2, 2));
    EXPECT_DOUBLE_EQ(view_->Plane().ScaleX(), scale);
    view_->OnRButtonUp(0, CPoint(At(40, 20).x, At(20, 20).y)); // no height
    EXPECT_DOUBLE_EQ(view_->Plane().ScaleX(), scale);
    view_->OnRButtonUp(0, At(40, 30));
    EXPECT_GT(view_->Plane().ScaleX(), 2 * scale);
}

TEST_F(FigureMouseTest, SnappingTakesPointsWithinThreeUnitsAndTellsNothingFromLineZero) {
    view_->ChooseTool(section::DrawMode::kLine, std::nullopt, section::guide::kLinePrompt,
                      section::guide::kLineTitle);
    const CPoint origin = At(50, 25);
    double x = 0;
    double y = 0;
    view_->LogicalToWorld(origin.x, origin.y, &x, &y);
    view_->points = {{x, y, 6, section::PointKind::kGround}};
    const struct {
        CSize offset;
        bool forced;
        int expected;
    } cases[] = {{{3, 0}, false, 7}, {{2, 3}, false, 0}, {{2, 3}, true, 7}, {{0, 0}, false, 7}};
    for (const auto& c : cases) {
        CPoint click = origin + c.offset;
        EXPECT_EQ(view_->SnapToNearestPoint(view_->points, click, c.forced), c.expected)
            << c.offset.cx << "," << c.offset.cy << (c.forced ? " forced" : "");
        if (c.expected) {
            EXPECT_EQ(click, origin);
        }
    }
    // Two points at one distance: the one of the current kind.
    view_->ChooseTool(section::DrawMode::kMeasurePoint, section::PointKind::kMeasurement,
                      section::guide::kMeasurePointPrompt, section::guide::kMeasurePointTitle);
    view_->points = {{x - 1, y, 0, section::PointKind::kGround},
                     {x + 1, y, 1, section::PointKind::kMeasurement}};
    CPoint between = origin;
    EXPECT_EQ(view_->SnapToNearestPoint(view_->points, between, true), 2);

    // A position at logical (0, 0) snaps like any other.
    double x0 = 0;
    double y0 = 0;
    view_->LogicalToWorld(0, 0, &x0, &y0);
    view_->points = {{x0, y0, 0, section::PointKind::kGround}};
    CPoint corner(1, 1);
    EXPECT_EQ(view_->SnapToNearestPoint(view_->points, corner, false), 1);
    EXPECT_EQ(corner, CPoint(0, 0));

    // Line 0 found is 1; nothing found is -2, also when the search left key 0 behind.
    view_->lines = {{DPoint{10, 25}, DPoint{90, 25}}};
    DPoint world;
    CPoint onLine = At(30, 25) + CSize(0, 2);
    EXPECT_EQ(view_->SnapToLine(onLine, world, CFigure::kNoRule), 1);
    EXPECT_NEAR(world.y, 25.0, 1e-9);
    CPoint far = At(30, 45);
    EXPECT_EQ(view_->SnapToLine(far, world, CFigure::kNoRule), -2);
    view_->noLineAnswer = true;
    CPoint near = At(30, 25);
    EXPECT_EQ(view_->SnapToLine(near, world, CFigure::kNoRule), -2);
}

} // namespace
