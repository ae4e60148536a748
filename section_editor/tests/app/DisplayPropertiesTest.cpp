// The section editor's display-properties dialog on a view offscreen: what OK, Cancel and
// the default button leave in the settings file, the pen a chosen width draws with, and a
// choice that outlives the closing of another window.

#include "MerdokViewProgram.h"

#include "section_editor/app/CBlockView.h"
#include "section_editor/app/CMerdokDoc.h"
#include "section_editor/app/MerdokIds.h"

#include "common/ui/section/CNumberPropDlg.h"
#include "platform/ui/CClientDC.h"
#include "platform/ui/CFrameWnd.h"
#include "platform/ui/DialogScript.h"
#include "section_editor/core/CBlockDoc.h"
#include "testsupport/Fixtures.h"

#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QWidget>
#include <cmath>
#include <gtest/gtest.h>

namespace merdok {
namespace {

// Rows of the dialog, in the order the view lists them.
constexpr int kGroundLineRow = 4;
constexpr int kWidthCombo = 136;
constexpr int kDefaultButton = 150;

class DisplayPropertiesTest : public MerdokWindowTest<testsupport::TempDirTest> {
protected:
    // The settings file as the program writes it at exit with the view's settings.
    std::string SavedSettings() {
        ViewSettings settings = ProgramViewSettings();
        settings.display = view_->m_display;
        const std::string path = dir_.File("MERDOK.INI");
        SaveViewSettings(CString(path), settings);
        return dir_.Read("MERDOK.INI");
    }
    // Runs the command with the dialog answered by the steps.
    void RunDialog(const std::function<void(CDialog&)>& steps) {
        platform::DialogScript::Queue(steps);
        view_->OnCmdMsg(ID_VIEW_PROPERTIES, CN_COMMAND, nullptr);
    }
    static void SelectRow(CDialog& dialog, int row) {
        qobject_cast<QListWidget*>(dialog.GetDlgItemWidget(CNumberPropDlg::kItemList))->setCurrentRow(row);
    }
    static QComboBox* Combo(CDialog& dialog, UINT id) {
        return qobject_cast<QComboBox*>(dialog.GetDlgItemWidget(id));
    }
    // The longest vertical run of pixels of the colour through the logical point.
    int VerticalRun(CPoint at, COLORREF color) {
        CClientDC dc(view_);
        view_->OnPrepareDC(&dc);
        int longest = 0;
        int run = 0;
        for (int dy = -8; dy <= 8; ++dy) {
            run = dc.GetPixel(at.x, at.y + dy) == color ? run + 1 : 0;
            longest = std::max(longest, run);
        }
        return longest;
    }
};

TEST_F(DisplayPropertiesTest, CancelLeavesTheSettingsFileUnchanged) {
    const std::string before = SavedSettings();
    RunDialog([](CDialog& dialog) {
        SelectRow(dialog, kGroundLineRow);
        Combo(dialog, CNumberPropDlg::kColorCombo)->setCurrentIndex(9);
        Combo(dialog, kWidthCombo)->setCurrentIndex(3);
        dialog.OnCmdMsg(kDefaultButton, CN_COMMAND, nullptr);
        dialog.OnCancel();
    });
    EXPECT_EQ(SavedSettings(), before);
}

TEST_F(DisplayPropertiesTest, AColourOutsideTheSixteenIsSavedAsBlack) {
    view_->m_display.line.color = RGB(10, 20, 30);
    view_->m_display.points[kPointSite].color = RGB(1, 2, 3);
    RunDialog([](CDialog& dialog) {
        SelectRow(dialog, kGroundLineRow);
        EXPECT_EQ(Combo(dialog, CNumberPropDlg::kColorCombo)->currentIndex(), 0);
        dialog.OnOK();
    });
    EXPECT_EQ(view_->m_display.line.color, RGB(0, 0, 0));
    EXPECT_EQ(view_->m_display.points[kPointSite].color, RGB(0, 0, 0));
    EXPECT_NE(SavedSettings().find("[Line]\r\nColor=0,0,0\r\n"), std::string::npos);
}

TEST_F(DisplayPropertiesTest, DefaultGivesTheProfileDefaultsAndLineNumbersKeepTheirType) {
    view_->m_display.points[kPointSite].color = RGB(0, 0, 255);
    view_->m_display.numbers[kNumberLine].numberType = 1;
    RunDialog([](CDialog& dialog) {
        dialog.OnCmdMsg(kDefaultButton, CN_COMMAND, nullptr);
        dialog.OnOK();
    });
    const std::string saved = SavedSettings();
    EXPECT_NE(saved.find("[Point Site]\r\nColor=255,0,255\r\n"), std::string::npos) << saved;
    EXPECT_EQ(view_->m_display.numbers[kNumberLine].numberType, -1);
    EXPECT_EQ(view_->m_display.numbers[kNumberSite].numberType, 1);
}

TEST_F(DisplayPropertiesTest, AWidthOfThreeDrawsTheGroundLineThreePixelsThick) {
    ASSERT_TRUE(document_->OnOpenDocument(VERRANT_SOURCE_DIR "/data/sample.sec"));
    view_->OnInitialUpdate();
    QApplication::processEvents();
    // The flattest ground line, away from its ends.
    const CBlockDoc& model = document_->Model();
    CPoint middle;
    double flattest = 1e9;
    for (int key = 0; key <= model.m_LineList.MaxKey(); ++key) {
        const CLine* line = model.m_LineList.Lookup(key);
        if (!line) {
            continue;
        }
        const DPoint a = model.NodeXY(line->GetNode1());
        const DPoint b = model.NodeXY(line->GetNode2());
        const CPoint p = view_->WorldToLogical(a.x, a.y);
        const CPoint q = view_->WorldToLogical(b.x, b.y);
        const double slope = std::abs(double(q.y - p.y)) / std::max(1.0, std::abs(double(q.x - p.x)));
        if (std::abs(q.x - p.x) > 20 && slope < flattest) {
            flattest = slope;
            middle = CPoint((p.x + q.x) / 2, (p.y + q.y) / 2);
        }
    }
    ASSERT_LT(flattest, 0.4);
    view_->Invalidate();
    view_->UpdateWindow();
    EXPECT_LE(VerticalRun(middle, RGB(0, 0, 0)), 2);

    RunDialog([](CDialog& dialog) {
        SelectRow(dialog, kGroundLineRow);
        Combo(dialog, kWidthCombo)->setCurrentIndex(2);
        dialog.OnOK();
    });
    EXPECT_EQ(view_->m_display.line.width, 3);
    view_->UpdateWindow();
    // Across a line this flat a pen 3 pixels wide covers 3 pixels of a column, or 4 where
    // the column meets a step of the line.
    const int run = VerticalRun(middle, RGB(0, 0, 0));
    EXPECT_GE(run, 3);
    EXPECT_LE(run, 4);
}

// Two windows open: closing the one whose display was not changed keeps the choice made in
// the other for the settings file.
TEST_F(DisplayPropertiesTest, AChoiceSurvivesTheClosingOfAnotherWindow) {
    auto* other = dynamic_cast<CBlockView*>(RUNTIME_CLASS(CBlockView)->CreateObject());
    ASSERT_NE(other, nullptr);
    RunDialog([](CDialog& dialog) {
        SelectRow(dialog, kGroundLineRow);
        Combo(dialog, CNumberPropDlg::kColorCombo)->setCurrentIndex(9);
        dialog.OnOK();
    });
    const COLORREF chosen = view_->m_display.line.color;
    ASSERT_NE(chosen, DefaultViewSettings(CString()).display.line.color);
    delete other;
    EXPECT_EQ(ProgramViewSettings().display.line.color, chosen);
}

} // namespace
} // namespace merdok
