// The section view base on a window offscreen: the first "view all", the scale steps by key
// and their limits, the model-size dialog, the guide texts and the pixels of the marks.

#include "common/ui/section/CCoordInputDlg.h"
#include "common/ui/section/CModelSizeDlg.h"
#include "common/ui/section/CViewBase.h"
#include "common/ui/section/GuideStrings.h"
#include "common/ui/section/GuideTexts.h"
#include "common/ui/section/PrintedLook.h"
#include "common/ui/section/ScreenPrinting.h"
#include "common/ui/section/SectionCommands.h"
#include "platform/core/RecordingSink.h"
#include "platform/core/Unset.h"
#include "platform/ui/CClientDC.h"
#include "platform/ui/CFrameWnd.h"
#include "platform/ui/DialogScript.h"

#include "testsupport/ui/TestApplication.h"
#include "testsupport/ui/ViewWindow.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using section::WorldRange;

// A view over a document that is only its extent and its stored model size.
class SectionTestView : public CViewBase {
    DECLARE_DYNCREATE(SectionTestView)
public:
    SectionTestView() : CViewBase(Options{}) {}

    WorldRange points = WorldRange::Unset(); // the ground-surface points' extent; unset: none
    WorldRange current = WorldRange::Unset();
    WorldRange stored = WorldRange::Unset();

protected:
    bool DocHasGroundPoints() const override { return !points.IsUnset(); }
    WorldRange DocComputeExtent(double& width, double& height) override {
        current = points;
        width = points.xmax - points.xmin;
        height = points.ymax - points.ymin;
        return current;
    }
    WorldRange DocCurrentExtent() const override { return current; }
    void DocClearCurrentExtent() override { current = WorldRange::Unset(); }
    WorldRange DocModelSize() const override { return stored; }
    void DocStoreModelSize(const WorldRange& size) override { stored = size; }
    bool DocGroundPointXY(int number, double& x, double& y) const override {
        if (number != 7) {
            return false;
        }
        x = 1.5;
        y = 2.5;
        return true;
    }
    std::vector<COLORREF> ObjectColours() const override { return {RGB(255, 0, 255)}; }
};
IMPLEMENT_DYNCREATE(SectionTestView, CViewBase)

class SectionViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        testsupport::TestApplication();
        ASSERT_TRUE(window_.Open("SECTION", nullptr, RUNTIME_CLASS(SectionTestView), 1000, 700));
        view_ = static_cast<SectionTestView*>(window_.View());
    }
    void TearDown() override { window_.Close(); }
    CSize Client() const {
        CRect client;
        view_->GetClientRect(&client);
        return client.Size();
    }
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(view_->GetCanvasWidget(), static_cast<Qt::Key>(key), modifiers);
        QApplication::processEvents();
    }
    // "View all" once the scroll bars of an earlier zoom have gone; returns the fitted scale.
    double ViewAll() {
        view_->OnViewAll();
        QApplication::processEvents();
        return view_->Plane().ScaleX();
    }

    testsupport::ViewWindow window_;
    SectionTestView* view_ = nullptr;
    platform::RecordingSink sink_;
};

TEST_F(SectionViewTest, AnEmptyDocumentShowsTheTwoHundredByHundredMetreFrame) {
    view_->OnInitialUpdate();
    const CSize client = Client();
    EXPECT_DOUBLE_EQ(view_->DrawRange().xmax, 200.0);
    // The frame is the empty window's, not the model's size: the document keeps none.
    EXPECT_TRUE(view_->stored.IsUnset());
    EXPECT_TRUE(view_->current.IsUnset());
    // 5 % of the window free beside the frame on the narrower side.
    const CPoint topLeft = view_->WorldToLogical(0, 100);
    const CPoint bottomRight = view_->WorldToLogical(200, 0);
    const CSize frame(bottomRight.x - topLeft.x, bottomRight.y - topLeft.y);
    EXPECT_NEAR(frame.cx, 2 * frame.cy, 1);
    const double filled = std::max(frame.cx / (client.cx * 0.9), frame.cy / (client.cy * 0.9));
    EXPECT_NEAR(filled, 1.0, 0.01);
    EXPECT_NEAR(topLeft.x + bottomRight.x, client.cx, 1); // centred across
}

TEST_F(SectionViewTest, PageKeysStepTheScaleByOneOrTenPercentAndStopAtTheLimit) {
    view_->points = {0, 50, 0, 20};
    view_->OnInitialUpdate();
    view_->GetCanvasWidget()->setFocus();
    struct Case {
        int key;
        Qt::KeyboardModifiers modifiers;
        double factor;
    };
    const Case cases[] = {{Qt::Key_PageDown, Qt::NoModifier, 1.01},
                          {Qt::Key_PageDown, Qt::ShiftModifier, 1.1},
                          {Qt::Key_PageUp, Qt::NoModifier, 0.99},
                          {Qt::Key_PageUp, Qt::ShiftModifier, 0.9}};
    for (const Case& c : cases) {
        const double fitted = ViewAll();
        Key(c.key, c.modifiers);
        EXPECT_NEAR(view_->Plane().ScaleX() / fitted, c.factor, 1e-9);
        EXPECT_DOUBLE_EQ(view_->Plane().ScaleXY(), (view_->Plane().ScaleX() + view_->Plane().ScaleY()) / 2);
    }
    // Enlarging by 10 % until the scroll size passes 100000 pixels: one message, scale kept.
    ViewAll();
    double before = 0.0;
    for (int i = 0; i < 60 && sink_.MessageCount() == 0; ++i) {
        before = view_->Plane().ScaleX();
        Key(Qt::Key_PageDown, Qt::ShiftModifier);
    }
    ASSERT_EQ(sink_.MessageCount(), 1);
    EXPECT_EQ(sink_.LastMessageUtf8(), platform::Utf8(u8"これ以上拡大できません。!!!"));
    EXPECT_DOUBLE_EQ(view_->Plane().ScaleX(), before);
    EXPECT_LE(view_->GetTotalSize().cx, 100000);
}

TEST_F(SectionViewTest, ModelSizeDialogChecksItsFieldsAndFitsTheNewArea) {
    view_->points = {0, 50, 0, 20};
    view_->OnInitialUpdate();
    struct Case {
        const char* values[4]; // X max, X min, Y max, Y min
        const char8_t* message;
    };
    const Case refused[] = {{{"10", "", "5", "0"}, u8"入力項目が未入力です。"},
                            {{"10", "20", "5", "0"}, u8"最大座標値が最小より小さくなっています"}};
    for (const Case& c : refused) {
        sink_.Clear();
        platform::DialogScript::Queue([&c](CDialog& dialog) {
            const UINT ids[4] = {CModelSizeDlg::kXMax, CModelSizeDlg::kXMin, CModelSizeDlg::kYMax,
                                 CModelSizeDlg::kYMin};
            for (int i = 0; i < 4; ++i) {
                dialog.SetDlgItemText(ids[i], c.values[i]);
            }
            dialog.GetDlgItemWidget(IDOK)->setFocus();
            dialog.OnOK();
        });
        view_->RouteCommand(section::ID_VIEW_MODEL_SIZE);
        ASSERT_EQ(sink_.MessageCount(), 1);
        EXPECT_EQ(sink_.LastMessageUtf8(), platform::Utf8(c.message));
        EXPECT_TRUE(view_->stored.IsUnset());
    }
    // Equal maximum and minimum are accepted; "view all" then fits the new area.
    platform::DialogScript::Queue([](CDialog& dialog) {
        dialog.SetDlgItemText(CModelSizeDlg::kXMax, "100");
        dialog.SetDlgItemText(CModelSizeDlg::kXMin, "-100");
        dialog.SetDlgItemText(CModelSizeDlg::kYMax, "7");
        dialog.SetDlgItemText(CModelSizeDlg::kYMin, "7");
        dialog.GetDlgItemWidget(IDOK)->setFocus();
        dialog.OnOK();
    });
    view_->RouteCommand(section::ID_VIEW_MODEL_SIZE);
    EXPECT_DOUBLE_EQ(view_->stored.xmin, -100.0);
    EXPECT_DOUBLE_EQ(view_->DrawRange().ymax, 7.0);
    EXPECT_NEAR(view_->WorldToLogical(-100, 7).x, Client().cx / 20.0, 1);
}

TEST_F(SectionViewTest, GuideTextsComeFromTheRegisteredStringsAndReachTheMainFrame) {
    section::RegisterGuideStrings({{4049, CString(u8">選択対象(又は囲む矩形の隅点)をｸﾘｯｸ")},
                                   {4048, CString(u8"編集(E) 選択(S)")},
                                   {3999, CString("outside")},
                                   {4100, CString(std::string(120, 'x'))}});
    view_->SetGuidePrompt(4049);
    view_->SetGuideTitle(4048);
    EXPECT_EQ(section::ProcessGuideTexts().prompt, CString(u8">選択対象(又は囲む矩形の隅点)をｸﾘｯｸ"));
    EXPECT_EQ(section::ProcessGuideTexts().title, CString(u8"編集(E) 選択(S)"));
    view_->SetGuideTitle(3999);
    EXPECT_TRUE(section::ProcessGuideTexts().title.IsEmpty());
    view_->SetGuidePrompt(4100);
    EXPECT_EQ(section::ProcessGuideTexts().prompt.GetLength(), 100);
    double x = 0, y = 0;
    EXPECT_TRUE(view_->GetPointWorldXY(7, &x, &y));
    EXPECT_DOUBLE_EQ(y, 2.5);
}

TEST_F(SectionViewTest, MarksKeepTheirPixelSizeAndTheOverObjectTestFindsThem) {
    view_->points = {0, 50, 0, 20};
    view_->OnInitialUpdate();
    view_->UpdateWindow();
    CClientDC dc(view_);
    view_->OnPrepareDC(&dc);
    const COLORREF magenta = RGB(255, 0, 255);
    const CPoint at(100, 100);
    view_->DrawCrossMark(&dc, at, magenta, 5);
    // The 5 x 5 block from (p - 2), and the diagonals out to +-5.
    EXPECT_EQ(dc.GetPixel(98, 98), magenta);
    EXPECT_EQ(dc.GetPixel(102, 102), magenta);
    EXPECT_EQ(dc.GetPixel(104, 104), magenta);
    EXPECT_EQ(dc.GetPixel(96, 104), magenta);
    EXPECT_EQ(dc.GetPixel(103, 101), RGB(255, 255, 255));
    EXPECT_TRUE(view_->IsOverObject(&dc, 105, 105)); // the diagonal ends at (104, 104)
    EXPECT_FALSE(view_->IsOverObject(&dc, 106, 106));

    const CPoint box(200, 100);
    view_->FramePointBox(&dc, box, RGB(0, 0, 255), 4);
    EXPECT_EQ(dc.GetPixel(196, 96), RGB(0, 0, 255));
    EXPECT_EQ(dc.GetPixel(204, 104), RGB(0, 0, 255));
    EXPECT_EQ(dc.GetPixel(200, 100), RGB(255, 255, 255));
    view_->DrawPointBoxColor(&dc, box, RGB(0, 128, 0), 2);
    EXPECT_EQ(dc.GetPixel(202, 102), RGB(0, 128, 0));
    EXPECT_EQ(dc.GetPixel(203, 100), RGB(255, 255, 255));

    // Triangle of size 5: half width 2 + 2, apex 4 / cos 30 = 4.6 below, base 2.3 above.
    const CPoint triangle(300, 100);
    view_->DrawTriangleMark(&dc, triangle, RGB(0, 0, 255), 5);
    EXPECT_EQ(dc.GetPixel(300, 103), RGB(0, 0, 255));
    EXPECT_EQ(dc.GetPixel(300, 98), RGB(0, 0, 255));
    EXPECT_EQ(dc.GetPixel(300, 106), RGB(255, 255, 255));
    EXPECT_EQ(dc.GetPixel(300, 96), RGB(255, 255, 255));

    // Printed at three device pixels to the screen's one, the diagonals are three wide.
    {
        section::PrintScale printing;
        printing.deviceRatio = 3.0;
        const section::PrintedLook look(*view_, printing, CPoint());
        view_->DrawCrossMark(&dc, CPoint(400, 100), magenta, 5);
    }
    EXPECT_DOUBLE_EQ(view_->MarkWidth(), 1.0);
    EXPECT_EQ(dc.GetPixel(404, 103), magenta);
    EXPECT_EQ(dc.GetPixel(104, 103), RGB(255, 255, 255));
}

// A typed point within a figure: relative values go from the previous point, an empty
// field keeps the previous coordinate.
TEST(CoordInputTest, RelativeValuesAreAddedToThePreviousPoint) {
    const double U = platform::kUnsetDouble;
    const struct {
        double x;
        double y;
        BOOL relative;
        DPoint point;
        int rule;
    } cases[] = {
        {2.0, 3.0, TRUE, {12.0, 23.0}, 0}, {-2.0, -3.0, TRUE, {8.0, 17.0}, 0},
        {2.0, 3.0, FALSE, {2.0, 3.0}, 0},  {U, 3.0, TRUE, {10.0, 23.0}, 2},
        {2.0, U, TRUE, {12.0, 20.0}, 1},
    };
    const DPoint previous{10.0, 20.0};
    for (const auto& c : cases) {
        CCoordInputDlg dialog(1001, nullptr);
        dialog.PrepareEntry(&previous, c.relative, section::DrawMode::kSelect);
        dialog.m_dX = c.x;
        dialog.m_dY = c.y;
        DPoint point;
        int rule = -1;
        ASSERT_TRUE(dialog.TypedPoint(&previous, {}, point, rule));
        EXPECT_EQ(point.x, c.point.x) << c.x << " " << c.y << " " << c.relative;
        EXPECT_EQ(point.y, c.point.y) << c.x << " " << c.y << " " << c.relative;
        EXPECT_EQ(rule, c.rule);
    }
}

// A print job is named by the document title, cut to 31 bytes without splitting a
// double-byte character.
TEST(ScreenPrintingTest, JobNameIsCutTo31BytesOnACharacterBoundary) {
    const std::string kanji = "\x8a\xd7"; // one double-byte character
    struct Case {
        std::string title;
        std::string name;
    };
    const Case cases[] = {
        {"short.slo", "short.slo"},
        {std::string(40, 'a'), std::string(31, 'a')},
        {std::string(30, 'a') + kanji + "b", std::string(30, 'a')}, // the character would end at byte 32
        {std::string(29, 'a') + kanji + "b", std::string(29, 'a') + kanji},
        {[&] {
             std::string text;
             for (int i = 0; i < 20; ++i) {
                 text += kanji;
             }
             return text;
         }(),
         [&] {
             std::string text;
             for (int i = 0; i < 15; ++i) {
                 text += kanji;
             }
             return text;
         }()},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(section::ScreenPrinting::JobName(CString(c.title)).str(), c.name) << c.title;
    }
}

} // namespace
