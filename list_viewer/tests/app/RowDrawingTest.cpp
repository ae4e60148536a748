// Rows in character cells: a double-byte character takes two cells, nothing is drawn
// beyond the row's cells, and the page mark sits after the row's end.
#include "AppFixture.h"

#include "list_viewer/app/ListPageDrawer.h"

#include "platform/ui/CDC.h"
#include "platform/ui/CFont.h"

#include <QImage>

namespace wenux::test {
namespace {

bool Inked(const QImage& image, int x0, int x1, int y0, int y1) {
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            if (qGray(image.pixel(x, y)) < 128) {
                return true;
            }
        }
    }
    return false;
}

class RowDrawing : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        image_ = QImage(400, 40, QImage::Format_RGB32);
        image_.fill(Qt::white);
        ASSERT_TRUE(dc_.AttachImage(&image_));
        LOGFONT logFont;
        logFont.lfHeight = -16;
        logFont.lfCharSet = SHIFTJIS_CHARSET;
        std::string face = Cp932(u8"ＭＳ ゴシック");
        std::copy(face.begin(), face.end(), logFont.lfFaceName);
        font_.CreateFontIndirect(&logFont);
        dc_.SelectObject(&font_);
    }
    void TearDown() override {
        dc_.Detach();
        AppTest::TearDown();
    }
    QImage image_;
    CDC dc_;
    CFont font_;
};

TEST_F(RowDrawing, DoubleByteCharactersTakeTwoCellsOfTheAdvances) {
    CLineIndex index;
    ListPageDrawer drawer(index, kCalculationLog);
    drawer.SetTextHeight(20);
    drawer.SetColumnAdvances(12);
    // Cells: 'A' 0, "計" 1-2, 'B' 3, blank 4, 'C' 5.
    drawer.DrawRow(&dc_, 0, 0, Cp932(u8"A計B C"));
    EXPECT_TRUE(Inked(image_, 0, 12, 0, 20));
    EXPECT_TRUE(Inked(image_, 12, 36, 0, 20));
    EXPECT_TRUE(Inked(image_, 36, 48, 0, 20));
    EXPECT_FALSE(Inked(image_, 48, 60, 0, 20));
    EXPECT_TRUE(Inked(image_, 60, 72, 0, 20));
    EXPECT_FALSE(Inked(image_, 73, 400, 0, 40));
}

TEST_F(RowDrawing, OpaqueRowsCoverWhatWasThereInTheirCellsOnly) {
    CLineIndex index;
    ListPageDrawer drawer(index, kCalculationLog);
    drawer.SetTextHeight(20);
    drawer.SetColumnAdvances(10);
    image_.fill(Qt::black);
    drawer.DrawRow(&dc_, 0, 0, "   ");
    EXPECT_FALSE(Inked(image_, 0, 30, 0, 20));
    EXPECT_TRUE(Inked(image_, 32, 40, 0, 20));
    EXPECT_TRUE(Inked(image_, 0, 30, 22, 40));
}

TEST_F(RowDrawing, RowsLongerThanTheCellsAreCutAtACharacterBoundary) {
    QImage wide(1200, 20, QImage::Format_RGB32);
    wide.fill(Qt::black);
    CDC dc;
    ASSERT_TRUE(dc.AttachImage(&wide));
    dc.SelectObject(&font_);
    CLineIndex index;
    ListPageDrawer drawer(index, kCalculationLog);
    drawer.SetTextHeight(20);
    drawer.SetColumnAdvances(8);
    // 131 blanks, then a double-byte character that would take cells 131 and 132, then
    // more text: the advances end at cell 132, so only the 131 blank cells are kept.
    drawer.DrawRow(&dc, 0, 0, std::string(131, ' ') + Cp932(u8"計") + "bbbbbb");
    dc.Detach();
    EXPECT_FALSE(Inked(wide, 0, 131 * 8, 0, 20));
    // Past the kept cells (and their one-pixel edge) the row leaves what was there.
    for (int x = 131 * 8 + 1; x < 1200; ++x) {
        for (int y = 0; y < 20; ++y) {
            ASSERT_EQ(qGray(wide.pixel(x, y)), 0) << x << "," << y;
        }
    }
}

} // namespace
} // namespace wenux::test
