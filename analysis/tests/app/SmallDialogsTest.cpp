// The analysis program's small setting dialogs offscreen: what the editing settings refuse,
// and the titles the drawing run registers.

#include "analysis/app/CAnalysisMethodDlg.h"
#include "analysis/app/CDrawingRunDlg.h"
#include "analysis/app/CSystemSettingDlg.h"

#include "platform/core/CodePage.h"
#include "platform/ui/DialogScript.h"
#include "testsupport/Fixtures.h"
#include "testsupport/ui/TestApplication.h"

#include <QDialog>
#include <QTest>
#include <gtest/gtest.h>

namespace torvan {
namespace {

using platform::DialogScript;
using platform::Utf8;

class SmallDialogsTest : public testsupport::TempDirTest {
protected:
    void SetUp() override { testsupport::TestApplication(); }
    void TearDown() override { DialogScript::Clear(); }

    // Runs the dialog: sets the fields, presses OK with the focus on it, and tells whether
    // the dialog closed.
    static int PressOk(CDialog& dialog, const std::vector<std::pair<UINT, CString>>& fields) {
        DialogScript::Queue([&](CDialog& open) {
            for (const auto& [id, text] : fields) {
                open.SetDlgItemText(static_cast<int>(id), text);
            }
            open.GetDlgItemWidget(IDOK)->setFocus();
            open.OnOK();
        });
        return dialog.DoModal();
    }
};

TEST_F(SmallDialogsTest, SystemSettingsTakeAnAngleFromZeroUpToButNotOne) {
    struct Case {
        const char* distance;
        const char* angle;
        int result;
        const char8_t* message;
    };
    const Case cases[] = {
        {"0.0100", "0", IDOK, nullptr},
        {"0.0100", "0.9999", IDOK, nullptr},
        {"0.0100", "1.0", IDCANCEL, u8"線の傾きの範囲は (0≦α＜1.000)"},
        {"0.0100", "", IDCANCEL, u8"生成基準値が未入力です"},
        // A distance of 0 would not survive the settings file.
        {"0", "0.5", IDCANCEL, u8"既存点からの距離は0より大きい値を入力して下さい"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.distance) + " / " + c.angle);
        sink_.Clear();
        CSystemSettingDlg dialog;
        const int result = PressOk(dialog, {{CSystemSettingDlg::kDistance, CString(c.distance)},
                                            {CSystemSettingDlg::kAngle, CString(c.angle)}});
        EXPECT_EQ(result, c.result);
        EXPECT_EQ(sink_.MessagesUtf8(),
                  c.message ? std::vector<std::string>{Utf8(c.message)} : std::vector<std::string>{});
    }
}

TEST_F(SmallDialogsTest, TheDrawingRunRegistersBothTitlesWithinTheMaximumCount) {
    const std::string titles = dir_.Write("title.idx", "OLD1\r\nOLD2\r\nOLD3\r\n");
    CDrawingRunDlg dialog;
    dialog.m_titles = TitleRegistration(CString(titles), 1, 4);
    const int result = PressOk(
        dialog, {{CDrawingRunDlg::kTitle1, CString("FIRST")}, {CDrawingRunDlg::kTitle2, CString("OLD2")}});
    ASSERT_EQ(result, IDOK);
    EXPECT_EQ(dialog.m_plot.title1, CString("FIRST"));
    EXPECT_EQ(dir_.Read("title.idx"), "FIRST\r\nOLD1\r\nOLD2\r\nOLD3\r\n");
}

// Enter in a field of the drawing run steps to the next field; only OK with the focus closes.
TEST_F(SmallDialogsTest, EnterInADrawingRunFieldStepsToTheNextField) {
    CDrawingRunDlg dialog;
    bool stillOpen = false;
    bool focusMoved = false;
    DialogScript::Queue([&](CDialog& open) {
        QWidget* scale = open.GetDlgItemWidget(CDrawingRunDlg::kModelScale);
        scale->setFocus();
        QTest::keyClick(scale, Qt::Key_Return);
        stillOpen = open.Dialog()->isVisible();
        focusMoved = open.Dialog()->focusWidget() != scale;
        open.GetDlgItemWidget(IDOK)->setFocus();
        open.OnOK();
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(stillOpen);
    EXPECT_TRUE(focusMoved);
}

// Enter in the method dialog steps from group to group, each step shown by the keyboard's
// focus frame (without it a step between radio buttons shows nothing), and presses OK there.
TEST_F(SmallDialogsTest, EnterInTheMethodDialogStepsOnVisiblyToOkAndPressesIt) {
    CAnalysisMethodDlg dialog;
    dialog.m_nMethod = 0;
    dialog.m_nTwoPointOption = 0;
    std::vector<QWidget*> steps;
    bool shown = true; // each Enter that left the dialog open moved the focus, shown
    DialogScript::Queue([&](CDialog& open) {
        QWidget* ok = open.GetDlgItemWidget(IDOK);
        open.GetDlgItemWidget(CAnalysisMethodDlg::kMethodFirst)->setFocus();
        for (int press = 0; press < 6 && open.Dialog()->isVisible(); ++press) {
            QWidget* focus = open.Dialog()->focusWidget();
            steps.push_back(focus);
            QTest::keyClick(focus, Qt::Key_Return);
            if (open.Dialog()->isVisible()) { // stepped on, where the frame shows
                shown = shown && open.Dialog()->focusWidget() != focus &&
                        open.Dialog()->testAttribute(Qt::WA_KeyboardFocusChange);
            }
        }
        steps.push_back(ok);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(shown);
    ASSERT_GE(steps.size(), 3U);
    EXPECT_EQ(steps[steps.size() - 2], steps.back()) << "the last Enter was pressed on OK";
    EXPECT_EQ(dialog.m_nMethod, 0);
}

} // namespace
} // namespace torvan
