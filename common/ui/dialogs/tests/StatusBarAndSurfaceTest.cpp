#include "testsupport/ui/TestApplication.h"

#include "common/ui/dialogs/CMemDC.h"
#include "common/ui/dialogs/CMyStatusBar.h"
#include "platform/ui/AfxRes.h"
#include "platform/ui/CFrameWnd.h"

#include <QStatusBar>
#include <gtest/gtest.h>

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlue = RGB(0, 0, 255);

TEST(StatusBarTest, TheFramesStatusBarKeepsItsPanesOnWhite) {
    testsupport::TestApplication();
    auto* frame = new CFrameWnd;
    frame->m_bAutoDelete = FALSE;
    ASSERT_TRUE(frame->Create("frame"));
    CMyStatusBar bar;
    ASSERT_TRUE(bar.Create(frame));
    const UINT indicators[] = {ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM};
    ASSERT_TRUE(bar.SetIndicators(indicators, 3));
    EXPECT_EQ(frame->GetStatusBar(), &bar);
    EXPECT_EQ(bar.GetCount(), 3);
    bar.SetPaneText(0, CString(u8"レディ"));
    EXPECT_EQ(bar.GetPaneText(0), CString(u8"レディ"));
    EXPECT_EQ(bar.Bar()->palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_TRUE(bar.Bar()->autoFillBackground());
    frame->SetStatusBar(nullptr);
    delete frame->GetWidget();
    delete frame;
}

class SurfaceTest : public ::testing::Test {
protected:
    void SetUp() override {
        testsupport::TestApplication();
        ASSERT_TRUE(bitmap_.CreateCompatibleBitmap(nullptr, 40, 30));
        screen_ = QImage(40, 30, QImage::Format_RGB32);
        screen_.fill(Qt::white);
        ASSERT_TRUE(screenDC_.AttachImage(&screen_));
    }

    // One painting pass: draw a blue box at x into the bitmap, copy it to the screen.
    void PaintPass(CDC* reference, int x) {
        CMemDC memory(reference, &bitmap_);
        EXPECT_EQ(memory->GetMapMode(), MM_TEXT);
        EXPECT_EQ(bitmap_.SelectedInto(), memory.GetDC());
        memory->FillSolidRect(CRect(0, 0, 40, 30), kWhite);
        memory->FillSolidRect(CRect(x, 5, x + 10, 15), kBlue);
        screenDC_.BitBlt(0, 0, 40, 30, memory, 0, 0, SRCCOPY);
    }

    CBitmap bitmap_;
    QImage screen_;
    CDC screenDC_;
};

TEST_F(SurfaceTest, APassWithoutAReferenceDrawsOffScreenAndCopiesInOneTransfer) {
    PaintPass(nullptr, 5);
    EXPECT_EQ(bitmap_.Image().pixel(7, 7), QColor(Qt::blue).rgb());
    EXPECT_EQ(screenDC_.GetPixel(7, 7), kBlue);
    EXPECT_EQ(screenDC_.GetPixel(20, 7), kWhite);
    EXPECT_EQ(bitmap_.SelectedInto(), nullptr); // free for the next pass
}

TEST_F(SurfaceTest, TheNextPassDrawsIntoTheSameBitmapAgain) {
    PaintPass(&screenDC_, 5);
    PaintPass(&screenDC_, 25);
    EXPECT_EQ(screenDC_.GetPixel(7, 7), kWhite);
    EXPECT_EQ(screenDC_.GetPixel(27, 7), kBlue);
    EXPECT_EQ(bitmap_.SelectedInto(), nullptr);
}

TEST_F(SurfaceTest, ThePreviouslySelectedBitmapIsPutBack) {
    CBitmap previous;
    previous.CreateCompatibleBitmap(nullptr, 4, 4);
    CDC outer;
    outer.CreateCompatibleDC(nullptr);
    outer.SelectObject(&previous);
    {
        CMemDC memory(nullptr, &bitmap_);
        memory->FillSolidRect(CRect(0, 0, 40, 30), kBlue);
    }
    EXPECT_EQ(previous.SelectedInto(), &outer); // another DC's bitmap is untouched
    EXPECT_EQ(bitmap_.Image().pixel(0, 0), QColor(Qt::blue).rgb());
}

} // namespace
