// The analysis view on the sample data, drawn offscreen: pixels at the marks of the points,
// on a slip line and a block line, the labels, and the zero-displacement case. With
// VERRANT_VIEW_PNG set, the drawn window is also written to that file to be looked at.

#include "TorvanViewProgram.h"

#include "analysis/app/CBlockView.h"
#include "analysis/app/CTorvanDoc.h"
#include "analysis/app/SectionPainter.h"

#include "analysis/core/CDispData.h"
#include "analysis/core/CLine.h"
#include "analysis/core/CNode.h"
#include "analysis/core/CVerrant.h"
#include "platform/core/MapEntries.h"
#include "platform/core/Unset.h"
#include "platform/ui/CClientDC.h"
#include "platform/ui/CFrameWnd.h"
#include "platform/ui/CPrintInfo.h"
#include "testsupport/Fixtures.h"
#include "testsupport/ui/PrintedPage.h"

#include <QApplication>
#include <QColor>
#include <QImage>
#include <QWidget>
#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>

namespace torvan {
namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);

class BlockViewTest : public TorvanWindowTest<testsupport::RecordingSinkTest> {
protected:
    void OpenSample() {
        ASSERT_TRUE(document_->OnOpenDocument(VERRANT_SOURCE_DIR "/data/sample.slo"));
        ASSERT_EQ(sink_.MessageCount(), 0) << sink_.LastMessageUtf8();
    }
    void Show() {
        view_->OnInitialUpdate();
        QApplication::processEvents();
        Redraw();
    }
    void Redraw() {
        view_->Invalidate();
        view_->UpdateWindow();
        if (const char* png = std::getenv("VERRANT_VIEW_PNG")) {
            view_->Canvas().save(png);
        }
    }
    // Switches the lines and points off, and the number labels too when asked.
    void HideDisplayed(bool numbersToo) {
        for (auto& style : view_->m_display.lines) {
            style.draw = 0;
        }
        for (auto& style : view_->m_display.points) {
            style.draw = 0;
        }
        for (auto& style : view_->m_display.numbers) {
            if (numbersToo) {
                style.draw = 0;
            }
        }
    }
    COLORREF Pixel(double x, double y, int dx = 0, int dy = 0) {
        const CPoint p = view_->WorldToLogical(x, y);
        CClientDC dc(view_);
        view_->OnPrepareDC(&dc);
        return dc.GetPixel(p.x + dx, p.y + dy);
    }
    // Whether a colour lies within radius pixels of a model point.
    bool Near(double x, double y, COLORREF color, int radius = 2) {
        for (int dy = -radius; dy <= radius; ++dy) {
            for (int dx = -radius; dx <= radius; ++dx) {
                if (Pixel(x, y, dx, dy) == color) {
                    return true;
                }
            }
        }
        return false;
    }
};

TEST_F(BlockViewTest, TheSampleShowsItsPointsLinesVectorsAndSlipLine) {
    OpenSample();
    // A slip line and a block line, as an analysis run leaves them.
    auto* slip = new CVerrant(1);
    slip->x = {30.0, 80.0, 130.0};
    slip->y = {85.0, 50.0, 56.0};
    slip->pointCount = 3;
    slip->visible1 = slip->visible2 = 1;
    slip->state = 0;
    slip->method = 0;
    Model().SlipLines().AddTail(slip);
    Model().BlockLines().push_back({100.0, 80.0, 100.0, 40.0, 1.0});
    Model().Settings().m_dVectorScale = platform::kUnsetDouble; // the largest displacement is 1 cm
    Show();
    const DisplaySettings& display = view_->m_display;

    // The ground points up to the scarp lie clear of every other object.
    for (auto [key, point] : platform::MapEntries<const CNode>(Model().GroundPoints())) {
        if (point->x < 25.0) {
            EXPECT_EQ(Pixel(point->x, point->y), display.points[kPointNode].color) << "ground point " << key;
        }
    }
    int sites = 0;
    for (auto [key, point] : platform::MapEntries<const CNode>(Model().MeasurementPoints())) {
        EXPECT_EQ(Pixel(point->x, point->y), display.points[kPointSite].color) << "measurement point " << key;
        ++sites;
    }
    EXPECT_EQ(sites, 8);
    // Boundary triangles hang below their points (drawn after the ground line).
    for (auto [key, point] : platform::MapEntries<const CNode>(Model().BoundaryPoints())) {
        EXPECT_EQ(Pixel(point->x, point->y, 0, 3), display.points[section::PointKindIndex(point->kind)].color)
            << "boundary " << key;
    }
    // The middle of a ground-surface line, the new slip line, the block line.
    const auto* line = static_cast<const CLine*>(Model().GroundLines()[10]);
    const auto* a = static_cast<const CNode*>(Model().GroundPoints()[static_cast<WORD>(line->node1)]);
    const auto* b = static_cast<const CNode*>(Model().GroundPoints()[static_cast<WORD>(line->node2)]);
    EXPECT_TRUE(Near((a->x + b->x) / 2, (a->y + b->y) / 2, display.lines[kLineGround].color, 1));
    EXPECT_TRUE(Near(55.0, 67.5, display.lines[kLineNewSlip].color, 1));
    EXPECT_TRUE(Near(100.0, 60.0, display.lines[kLineBlock].color, 1));
    // Each vector starts at its measurement point; the largest is one centimetre long.
    for (auto [key, record] : platform::MapEntries<const CDispData>(Model().Displacements())) {
        const std::vector<DPoint> vector = record->VectorPolyline(0, 1.0);
        ASSERT_GE(vector.size(), 2u);
        const double length = std::hypot(vector.back().x - vector[0].x, vector.back().y - vector[0].y);
        const double pixels = length / Model().Extents().m_dMaxDisp * 96 / 2.54;
        const double dx = (vector.back().x - vector[0].x) / length,
                     dy = (vector.back().y - vector[0].y) / length;
        // Half way along, in model units: pixels / 2 at the mean scale.
        const double half = pixels / 2 / view_->Plane().ScaleX();
        EXPECT_TRUE(
            Near(record->baseX + dx * half, record->baseY + dy * half, display.lines[kLineVector].color, 1))
            << "vector " << key;
    }
    // The measurement points are labelled by name above and to their right.
    const auto* site = static_cast<const CNode*>(Model().MeasurementPoints()[0]);
    bool labelled = false;
    for (int dx = 2; dx < 40 && !labelled; ++dx) {
        for (int dy = -14; dy < 0 && !labelled; ++dy) {
            labelled = Pixel(site->x, site->y, dx, dy) == display.numbers[kNumberSite].color;
        }
    }
    EXPECT_TRUE(labelled);
}

TEST_F(BlockViewTest, SwitchedOffItemsLeaveOnlyMarkedLinesAndTheSelection) {
    OpenSample();
    HideDisplayed(true);
    auto* marked = static_cast<CLine*>(Model().GroundLines()[5]);
    marked->status = 4;
    auto* selected = static_cast<CNode*>(Model().MeasurementPoints()[2]);
    view_->Selection().AddTail(selected);
    Show();
    const auto* a = static_cast<const CNode*>(Model().GroundPoints()[static_cast<WORD>(marked->node1)]);
    const auto* b = static_cast<const CNode*>(Model().GroundPoints()[static_cast<WORD>(marked->node2)]);
    EXPECT_TRUE(Near((a->x + b->x) / 2, (a->y + b->y) / 2, RGB(255, 0, 0), 1));
    EXPECT_TRUE(Near(selected->x, selected->y, view_->SelectColour(), 6));
    const auto* other = static_cast<const CNode*>(Model().MeasurementPoints()[4]);
    EXPECT_FALSE(Near(other->x, other->y, view_->m_display.points[kPointSite].color, 3));
    const auto* line = static_cast<const CLine*>(Model().GroundLines()[20]);
    const auto* c = static_cast<const CNode*>(Model().GroundPoints()[static_cast<WORD>(line->node1)]);
    EXPECT_EQ(Pixel(c->x, c->y), kWhite);
}

// A label whose point lies just left of the window still shows the part of its text that
// reaches into it (its width is measured there, not taken as nothing).
TEST_F(BlockViewTest, ALabelStartingLeftOfTheWindowShowsWhatReachesIntoIt) {
    OpenSample();
    HideDisplayed(false);
    Show();
    CRect window;
    {
        CClientDC dc(view_);
        view_->OnPrepareDC(&dc);
        dc.GetClipBox(&window);
    }
    auto* site = static_cast<CNode*>(Model().MeasurementPoints()[0]);
    const int row = (window.top + window.bottom) / 2;
    view_->LogicalToWorld(window.left - 6, row, &site->x, &site->y);
    Redraw();
    const COLORREF label = view_->m_display.numbers[kNumberSite].color;
    CClientDC dc(view_);
    view_->OnPrepareDC(&dc);
    int shown = 0;
    for (int x = window.left; x < window.left + 40; ++x) {
        for (int y = row - 20; y < row + 4; ++y) {
            shown += dc.GetPixel(x, y) == label;
        }
    }
    EXPECT_GT(shown, 5);
}

TEST_F(BlockViewTest, NoDisplacementDrawsNoVectorAndDividesByNothing) {
    OpenSample();
    view_->m_display.lines[kLineVector].color = RGB(0, 0, 200);
    Show();
    Model().Settings().m_dVectorScale = platform::kUnsetDouble;
    Model().Extents().m_dMaxDisp = 0.0; // every reading at its start
    Redraw();
    const auto* site = static_cast<const CNode*>(Model().MeasurementPoints()[3]);
    EXPECT_EQ(Pixel(site->x, site->y), view_->m_display.points[kPointSite].color);
    EXPECT_FALSE(Near(site->x, site->y, RGB(0, 0, 200), 20));
}

// Black-only printing: the page has dark pixels but none of colour (the marked line's red
// included), and the window keeps its colours, scale and scroll position.
TEST_F(BlockViewTest, BlackOnlyPrintHasNoColourAndTheWindowStaysAsItWas) {
    OpenSample();
    static_cast<CLine*>(Model().GroundLines()[5])->status = 4;
    Show();
    ProgramViewSettings().monochromePrint = 1;
    const section::Viewport before = view_->Plane();
    const CPoint scroll = view_->GetScrollPosition();
    const auto* site = static_cast<const CNode*>(Model().MeasurementPoints()[0]);
    const COLORREF siteColor = view_->m_display.points[kPointSite].color;
    ASSERT_NE(GetRValue(siteColor), GetGValue(siteColor)) << "a colour, not a grey";

    const QImage page = testsupport::PrintedA4Page(*view_);
    ASSERT_FALSE(page.isNull());
    ProgramViewSettings().monochromePrint = 0;
    int dark = 0;
    int coloured = 0;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            const QColor c = page.pixelColor(x, y);
            const int spread =
                std::max({c.red(), c.green(), c.blue()}) - std::min({c.red(), c.green(), c.blue()});
            coloured += spread > 24 ? 1 : 0;
            dark += c.lightness() < 64 ? 1 : 0;
        }
    }
    EXPECT_EQ(coloured, 0);
    EXPECT_GT(dark, 2000);

    EXPECT_EQ(view_->GetScrollPosition(), scroll);
    EXPECT_DOUBLE_EQ(view_->Plane().ScaleXY(), before.ScaleXY());
    EXPECT_DOUBLE_EQ(view_->Plane().ScaleY(), before.ScaleY());
    EXPECT_DOUBLE_EQ(view_->Plane().OriginX(), before.OriginX());
    EXPECT_EQ(view_->RedColour(), RGB(255, 0, 0));
    Redraw();
    EXPECT_EQ(Pixel(site->x, site->y), siteColor);
}

TEST(PointLabelTest, NamesOfSixteenBytesAndMoreAreCutOnACharacterBoundary) {
    struct Case {
        const char8_t* name;
        const char8_t* shown;
    };
    const Case cases[] = {{u8"計測点1", u8"計測点1"},
                          {u8"ABCDEFGHIJKLMNO", u8"ABCDEFGHIJKLMNO"},
                          {u8"ABCDEFGHIJKLMNOPQRST", u8"ABCDEFGHIJKLMNO"},
                          {u8"A計測点計測点計測点あ", u8"A計測点計測点計"}}; // 21 bytes: 15 whole
    for (const Case& c : cases) {
        CNode point(7, 0.0, 0.0, 0);
        point.name = CString(c.name);
        EXPECT_EQ(SectionPainter::PointLabel(point, 1), CString(c.shown));
        EXPECT_EQ(SectionPainter::PointLabel(point, 0), CString("7"));
    }
}

} // namespace
} // namespace torvan
