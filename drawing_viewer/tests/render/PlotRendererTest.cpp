// A small hand-made page drawn on an image as the screen and as paper, and into SVG and PDF.

#include "drawing_viewer/render/PlotRenderer.h"
#include "drawing_viewer/core/CMainDoc.h"
#include "drawing_viewer/core/CPlotArrow.h"
#include "drawing_viewer/core/CPlotCenterMark.h"
#include "drawing_viewer/core/CPlotLine.h"
#include "drawing_viewer/core/CPlotPolygon.h"
#include "drawing_viewer/render/DashedPath.h"
#include "testsupport/ui/TestApplication.h"

#include "platform/ui/CDC.h"

#include <QBuffer>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <gtest/gtest.h>

namespace zapho {
namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kGrey = RGB(200, 200, 200);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kSilver = RGB(192, 192, 192);

class PlotRendererTest : public ::testing::Test {
protected:
    void SetUp() override {
        testsupport::TestApplication();
        PlotDrawing& drawing = doc_.m_drawing;
        drawing.AddPage();
        auto add = [&](CPlotData* item, int color) {
            drawing.AddPlotItem(std::unique_ptr<CPlotData>(item), 0, color, 0);
        };
        add(new CPlotLine({20, 20}, {380, 20}, 0, 1), 9); // red
        add(new CPlotLine({20, 40}, {380, 40}, 0, 0), 0); // width code 0: dotted
        const CPoint square[4] = {{20, 60}, {60, 60}, {60, 100}, {20, 100}};
        add(new CPlotPolygon(square, 4, 0, 1, 4), 7); // silver outline, user colour 4
        drawing.m_userColors[4] = RGB(0, 255, 0);
        add(new CPlotCenterMark({100, 80}, 20, 3, 0, 1), 12);           // filled blue square
        add(new CPlotArrow({220, 80}, {360, 80}, 1, 0, 40, 30, 21), 0); // white heads at both ends
        add(new CPlotLine({0, 150}, {300, 150}, 1, 5), 7);              // silver dashes
        drawing.Page(0).m_texts.push_back(
            std::make_unique<CPlotString>(50, 200, "ABC", drawing.GetNewFontIndex(40, 0, 0, 0), 0));
        drawing.Page(0).m_texts.back()->m_nColor = 9;
    }
    // Draws the page on a grey image, one unit a pixel, y up.
    void Draw(bool paper, bool monochrome) {
        image_ = QImage(400, 300, QImage::Format_RGB32);
        image_.fill(QColor(200, 200, 200));
        ASSERT_TRUE(paper ? dc_.AttachDevice(&image_, true) : dc_.AttachImage(&image_));
        MapYUp(dc_, 300);
        PlotRenderer renderer(doc_, monochrome);
        renderer.DrawPlotItems(&dc_, doc_.m_drawing.Page(0).m_items);
        renderer.DrawPlotStrings(&dc_, 0, true);
        dc_.Detach();
    }
    static void MapYUp(CDC& dc, int height) {
        dc.SetMapMode(MM_ANISOTROPIC);
        dc.SetWindowExt(1, 1);
        dc.SetViewportExt(1, -1);
        dc.SetViewportOrg(0, height);
    }
    COLORREF At(int x, int y) const {
        QRgb rgb = image_.pixel(x, 300 - y);
        return RGB(qRed(rgb), qGreen(rgb), qBlue(rgb));
    }
    int CountInTextBox(COLORREF color) const {
        int count = 0;
        for (int y = 200; y < 240; ++y) {
            for (int x = 50; x < 150; ++x) {
                count += At(x, y) == color;
            }
        }
        return count;
    }

    CMainDoc doc_;
    CDC dc_;
    QImage image_;
};

TEST_F(PlotRendererTest, ScreenColoursMarksAndArrows) {
    Draw(false, true);
    EXPECT_EQ(At(200, 20), kRed);
    int dots = 0;
    for (int x = 100; x < 120; ++x) {
        dots += At(x, 40) == kBlack;
    }
    EXPECT_GT(dots, 3);
    EXPECT_LT(dots, 17) << "width code 0 is dotted";
    EXPECT_EQ(At(40, 80), RGB(0, 255, 0)) << "user colour fill";
    EXPECT_EQ(At(20, 80), kSilver) << "silver outline on screen";
    EXPECT_EQ(At(100, 80), RGB(0, 0, 255));
    EXPECT_EQ(At(345, 80), kWhite) << "filled head at the end";
    EXPECT_EQ(At(235, 80), kWhite) << "filled head at the start";
    EXPECT_EQ(At(290, 80), kBlack) << "shaft between the heads";
    EXPECT_GT(CountInTextBox(kRed), 20);
    EXPECT_GT(doc_.m_drawing.Page(0).m_texts[0]->m_nTextWidth, 20) << "measured";
}

TEST_F(PlotRendererTest, PaperDashesGreysAndMonochrome) {
    Draw(true, false);
    EXPECT_EQ(At(200, 20), kRed);
    EXPECT_EQ(At(20, 80), kSilver) << "a polygon outline keeps silver on paper";
    // Width code 5, dash type: 15-unit dashes with 11.25-unit gaps, silver printed black.
    EXPECT_EQ(At(7, 150), kBlack);
    EXPECT_EQ(At(20, 150), kGrey);
    EXPECT_EQ(At(33, 150), kBlack);
    EXPECT_EQ(At(46, 150), kGrey);
    EXPECT_GT(CountInTextBox(kRed), 20);
    Draw(true, true);
    EXPECT_EQ(At(200, 20), kBlack);
    EXPECT_EQ(CountInTextBox(kRed), 0);
    EXPECT_GT(CountInTextBox(kBlack), 20);
}

// The analysis program's upright legends ("Q1", escapement 2700) read upwards from their
// anchor on the y-up page, as the DXF export turns them, on screen and on paper alike.
TEST_F(PlotRendererTest, AQuarterTurnedTextReadsUpwards) {
    auto& texts = doc_.m_drawing.Page(0).m_texts;
    texts.clear();
    texts.push_back(
        std::make_unique<CPlotString>(200, 150, "ABCD", doc_.m_drawing.GetNewFontIndex(30, 0, 2700, 0), 0));
    texts.back()->m_nColor = 9;
    texts.back()->m_nEscapement = 2700;
    for (const bool paper : {false, true}) {
        Draw(paper, false);
        int above = 0;
        int below = 0;
        for (int y = 100; y < 300; ++y) { // clear of the red line at y 20
            for (int x = 150; x < 250; ++x) {
                if (At(x, y) == kRed) {
                    (y >= 147 ? above : below) += 1;
                }
            }
        }
        EXPECT_GT(above, 40) << paper;
        EXPECT_EQ(below, 0) << paper;
    }
}

TEST_F(PlotRendererTest, SvgAndPdfOutput) {
    QBuffer svgBytes;
    QSvgGenerator svg;
    svg.setOutputDevice(&svgBytes);
    svg.setSize(QSize(400, 300));
    ASSERT_TRUE(dc_.AttachDevice(&svg, false));
    MapYUp(dc_, 300);
    PlotRenderer renderer(doc_, true);
    renderer.DrawPlotItems(&dc_, doc_.m_drawing.Page(0).m_items);
    renderer.DrawPlotStrings(&dc_, 0, false);
    dc_.Detach();
    const QByteArray text = svgBytes.data();
    EXPECT_TRUE(text.contains("stroke=\"#ff0000\"")) << text.constData();
    EXPECT_TRUE(text.contains(">ABC</text>")) << text.constData();

    QBuffer pdfBytes;
    pdfBytes.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&pdfBytes);
        ASSERT_TRUE(dc_.AttachDevice(&pdf, true));
        MapYUp(dc_, 3000);
        renderer.DrawPlotItems(&dc_, doc_.m_drawing.Page(0).m_items);
        renderer.DrawPlotStrings(&dc_, 0, false);
        dc_.Detach();
    }
    EXPECT_TRUE(pdfBytes.data().startsWith("%PDF"));
    EXPECT_GT(pdfBytes.data().size(), 1000);
}

// A polyline whose running dash remainder shrinks below what its next segment's position can
// still resolve (left 1e-13 at 1026 units along) once hung the printer-like drawing.
TEST(DashedPathTest, ARemainderTooSmallToMoveOnEndsItsStep) {
    const std::vector<CPoint> points = {{2456, 1126}, {1931, 1448}, {367, 1591},
                                        {449, 685},   {1789, 1297}, {483, 1415}};
    const auto pieces = DashedPath::Pieces(points, DashPattern(2, false));
    // A dash of 4 every 9 units along the path's 6,100 units, one more per segment at most.
    EXPECT_GT(pieces.size(), 600u);
    EXPECT_LT(pieces.size(), 690u);
}

} // namespace
} // namespace zapho
