#include "TestViews.h"
#include "testsupport/ui/TestApplication.h"

#include "platform/ui/CClientDC.h"
#include "platform/ui/CFrameWnd.h"
#include "platform/ui/FontSubstitution.h"

#include <QWidget>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

class CanvasTest : public ::testing::Test {
protected:
    void SetUp() override {
        testsupport::TestApplication();
        image_ = QImage(100, 80, QImage::Format_RGB32);
        image_.fill(Qt::white);
        ASSERT_TRUE(dc_.AttachImage(&image_));
    }
    QImage image_;
    CDC dc_;
};

TEST_F(CanvasTest, RectangleExcludesRightAndBottomEdges) {
    CBrush red(RGB(255, 0, 0));
    dc_.SelectObject(&red);
    dc_.Rectangle(10, 10, 20, 20);
    EXPECT_EQ(dc_.GetPixel(10, 10), kBlack);         // pen outline
    EXPECT_EQ(dc_.GetPixel(15, 15), RGB(255, 0, 0)); // brush inside
    EXPECT_EQ(dc_.GetPixel(19, 19), kBlack);
    EXPECT_EQ(dc_.GetPixel(20, 20), kWhite);
    EXPECT_EQ(dc_.GetPixel(200, 5), CLR_INVALID);
}

TEST_F(CanvasTest, FrameRectDrawsOnePixelInsideAndLeavesTheInside) {
    CBrush blue(RGB(0, 0, 255));
    dc_.FrameRect(CRect(10, 10, 20, 16), &blue);
    for (CPoint edge : {CPoint(10, 10), CPoint(19, 10), CPoint(10, 15), CPoint(19, 15), CPoint(14, 10)}) {
        EXPECT_EQ(dc_.GetPixel(edge.x, edge.y), RGB(0, 0, 255));
    }
    for (CPoint off : {CPoint(15, 12), CPoint(20, 10), CPoint(10, 16), CPoint(9, 10)}) {
        EXPECT_EQ(dc_.GetPixel(off.x, off.y), kWhite);
    }
}

TEST_F(CanvasTest, XorPenDrawnTwiceRestoresTheCanvas) {
    dc_.FillSolidRect(CRect(0, 0, 50, 80), RGB(0, 0, 255));
    CPen pen(PS_SOLID, 0, kWhite);
    dc_.SelectObject(&pen);
    dc_.SetROP2(R2_XORPEN);
    for (int pass = 0; pass < 2; ++pass) {
        dc_.MoveTo(5, 40);
        dc_.LineTo(90, 40);
        if (pass == 0) {
            EXPECT_EQ(dc_.GetPixel(10, 40), RGB(255, 255, 0)); // blue ^ white
            EXPECT_EQ(dc_.GetPixel(60, 40), kBlack);           // white ^ white
            EXPECT_EQ(dc_.GetPixel(90, 40), kWhite);           // end point not drawn
        }
    }
    EXPECT_EQ(dc_.GetPixel(10, 40), RGB(0, 0, 255));
    EXPECT_EQ(dc_.GetPixel(60, 40), kWhite);
}

TEST_F(CanvasTest, AndBlitFromAMemoryBitmap) {
    CDC memory;
    memory.CreateCompatibleDC(&dc_);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&dc_, 10, 10);
    memory.SelectObject(&bitmap);
    memory.FillSolidRect(CRect(0, 0, 10, 10), RGB(0, 255, 255));
    dc_.FillSolidRect(CRect(0, 0, 100, 80), RGB(255, 255, 0));
    dc_.BitBlt(30, 30, 10, 10, &memory, 0, 0, SRCAND);
    EXPECT_EQ(dc_.GetPixel(35, 35), RGB(0, 255, 0));
    EXPECT_EQ(dc_.GetPixel(45, 35), RGB(255, 255, 0));
}

TEST_F(CanvasTest, ArcRunsCounterClockwiseAndWindingFillsOverlaps) {
    dc_.Arc(10, 10, 50, 50, 50, 30, 10, 30); // the upper half, from the right to the left
    EXPECT_EQ(dc_.GetPixel(30, 10), kBlack);
    EXPECT_EQ(dc_.GetPixel(30, 48), kWhite);
    // Two overlapping squares in one outline: alternate leaves the overlap empty, winding fills it.
    const CPoint twice[8] = {{60, 10}, {90, 10}, {90, 40}, {60, 40}, {70, 20}, {95, 20}, {95, 50}, {70, 50}};
    CPen none(PS_NULL, 0, 0);
    CBrush red(RGB(255, 0, 0));
    dc_.SelectObject(&none);
    dc_.SelectObject(&red);
    dc_.Polygon(twice, 8);
    EXPECT_EQ(dc_.GetPixel(80, 30), kWhite);
    EXPECT_EQ(dc_.SetPolyFillMode(WINDING), ALTERNATE);
    dc_.Polygon(twice, 8);
    EXPECT_EQ(dc_.GetPixel(80, 30), RGB(255, 0, 0));
}

TEST_F(CanvasTest, CharacterExtraWidensTextByItsCount) {
    CFont font;
    font.CreateFont(-13, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Noto Sans CJK JP");
    dc_.SelectObject(&font);
    const CSize plain = dc_.GetTextExtent("abcd");
    EXPECT_EQ(dc_.SetTextCharacterExtra(3), 0);
    EXPECT_EQ(dc_.GetTextExtent("abcd").cx, plain.cx + 12);
}

TEST_F(CanvasTest, MappingModesRoundTrip) {
    dc_.SetMapMode(MM_ANISOTROPIC);
    dc_.SetWindowExt(1000, 1000);
    dc_.SetViewportExt(100, -100);
    dc_.SetViewportOrg(0, 80);
    CPoint p(500, 300);
    dc_.LPtoDP(&p);
    EXPECT_EQ(p.x, 50);
    EXPECT_EQ(p.y, 50);
    dc_.DPtoLP(&p);
    EXPECT_EQ(p.x, 500);
    EXPECT_EQ(p.y, 300);
    dc_.SetMapMode(MM_LOMETRIC); // 0.1 mm at 96 dpi: 254 units = 96 pixels, y up
    dc_.SetViewportOrg(0, 0);
    CPoint q(254, -254);
    dc_.LPtoDP(&q);
    EXPECT_EQ(q.x, 96);
    EXPECT_EQ(q.y, 96);
}

TEST_F(CanvasTest, JapaneseTextIsDrawnAndMeasured) {
    CFont font;
    font.CreateFont(-16, 0, 0, 0, FW_NORMAL, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, 0, FIXED_PITCH,
                    CString(u8"ＭＳ ゴシック"));
    dc_.SelectObject(&font);
    dc_.SetBkMode(TRANSPARENT);
    dc_.TextOut(2, 2, CString(u8"日本"));
    CSize two = dc_.GetTextExtent(CString(u8"日本"));
    CSize four = dc_.GetTextExtent("abcd");
    EXPECT_EQ(two.cx, four.cx); // monospaced: one double-byte character is two columns
    int dark = 0;
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 40; ++x) {
            dark += dc_.GetPixel(x, y) == kBlack;
        }
    }
    EXPECT_GT(dark, 20);
}

// The Japanese Windows faces have no internal leading, so their glyphs fill a positive (cell)
// height. Their stand-in fills the same cell, not its much taller line height, and its glyphs
// stay inside the cell below the top they were placed at, descenders included.
TEST_F(CanvasTest, WindowsFaceOfPositiveHeightFillsItsCellAndStaysInIt) {
    CFont font;
    font.CreateFont(30, 0, 0, 0, FW_NORMAL, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, 0, FIXED_PITCH,
                    CString(u8"ＭＳ ゴシック"));
    dc_.SelectObject(&font);
    TEXTMETRIC metrics{};
    dc_.GetTextMetrics(&metrics);
    EXPECT_EQ(metrics.tmHeight, 30);
    EXPECT_GE(dc_.GetTextExtent("ab").cx, 24); // half an em a half-width character, nearly the cell
    dc_.SetBkMode(TRANSPARENT);
    const int top = 20;
    dc_.TextOut(2, top, CString(u8"日"));
    const int advances[] = {15, 15};
    dc_.ExtTextOut(40, top, 0, nullptr, "gy", advances);
    int inkTop = 80;
    int inkBottom = -1;
    int ideographTop = 80;
    int ideographBottom = -1;
    for (int y = 0; y < 80; ++y) {
        for (int x = 0; x < 100; ++x) {
            if (dc_.GetPixel(x, y) != kWhite) {
                inkTop = std::min(inkTop, y);
                inkBottom = std::max(inkBottom, y);
                if (x < 40) {
                    ideographTop = std::min(ideographTop, y);
                    ideographBottom = std::max(ideographBottom, y);
                }
            }
        }
    }
    EXPECT_GE(inkTop, top);
    EXPECT_LT(inkBottom, top + 30);
    EXPECT_GE(ideographBottom - ideographTop + 1, 22); // an ideograph fills most of the cell
}

TEST(FontSubstitution, WindowsJapaneseFacesMapToNoto) {
    EXPECT_EQ(platform::SubstituteFontFamily(CString(u8"ＭＳ ゴシック")), "Noto Sans Mono CJK JP");
    EXPECT_EQ(platform::SubstituteFontFamily(CString(u8"ＭＳ Ｐゴシック")), "Noto Sans CJK JP");
    EXPECT_EQ(platform::SubstituteFontFamily("MS UI Gothic"), "Noto Sans CJK JP");
    EXPECT_EQ(platform::SubstituteFontFamily(CString(u8"ＭＳ 明朝")), "Noto Serif CJK JP");
    EXPECT_EQ(platform::SubstituteFontFamily("DejaVu Sans"), "DejaVu Sans");
    EXPECT_TRUE(platform::IsSubstitutedWindowsFace(CString(u8"ＭＳ 明朝")));
    EXPECT_TRUE(platform::IsSubstitutedWindowsFace(""));
    EXPECT_FALSE(platform::IsSubstitutedWindowsFace("DejaVu Sans"));
    EXPECT_FALSE(platform::IsSubstitutedWindowsFace("Noto Sans Mono CJK JP"));
}

class ViewCanvasTest : public ::testing::Test {
protected:
    void SetUp() override {
        testsupport::TestApplication();
        frame_ = new CFrameWnd;
        frame_->m_bAutoDelete = FALSE;
        ASSERT_TRUE(frame_->Create("VIEW"));
        ASSERT_TRUE(frame_->LoadFrame(nullptr, RUNTIME_CLASS(TestView), nullptr));
        view_ = static_cast<TestView*>(frame_->GetActiveView());
        frame_->GetWidget()->resize(200, 150);
        frame_->ShowWindow(SW_SHOW);
        view_->SetScrollSizes(MM_TEXT, CSize(1000, 1000), CSize(100, 100), CSize(10, 10));
        view_->UpdateWindow();
    }
    void TearDown() override {
        delete frame_->GetWidget();
        delete frame_;
    }
    CFrameWnd* frame_ = nullptr;
    TestView* view_ = nullptr;
};

TEST_F(ViewCanvasTest, ScrollPositionShiftsTheDrawing) {
    EXPECT_EQ(CClientDC(view_).GetPixel(25, 35), kBlack);
    view_->ScrollToPosition(CPoint(10, 20));
    EXPECT_EQ(view_->GetScrollPosition().y, 20);
    view_->UpdateWindow();
    CClientDC dc(view_);
    EXPECT_EQ(dc.GetPixel(15, 15), kBlack);
    EXPECT_EQ(dc.GetPixel(25, 35), kWhite);
    view_->OnVScroll(SB_PAGEDOWN, 0);
    EXPECT_EQ(view_->GetScrollPosition().y, 120);
    view_->ScrollToPosition(CPoint(0, 100000));
    EXPECT_EQ(view_->GetScrollPosition().y, view_->GetScrollLimit(SB_VERT));
}

TEST_F(ViewCanvasTest, ClientDcDrawsOutsidePaintAndStaysUntilRedraw) {
    {
        CClientDC dc(view_);
        dc.SetPixel(100, 100, RGB(255, 0, 0));
    }
    CClientDC dc(view_);
    EXPECT_EQ(dc.GetPixel(100, 100), RGB(255, 0, 0));
    QImage shown = view_->GetCanvasWidget()->grab().toImage();
    EXPECT_EQ(QColor(shown.pixel(100, 100)), QColor(255, 0, 0));
}

} // namespace
