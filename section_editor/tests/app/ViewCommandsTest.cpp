// The section view's keyboard point entry and its selection commands, offscreen: Tab entry
// places points where the user said or refuses with a message, select-all and select-unused
// take what the targets allow, and the commands' enable and check rules follow the model.

#include "MerdokViewProgram.h"

#include "section_editor/app/CBlockView.h"
#include "section_editor/app/CMerdokDoc.h"
#include "section_editor/app/CTitleDlg.h"
#include "section_editor/app/MerdokIds.h"
#include "section_editor/app/ViewSettings.h"

#include "common/ui/section/CCoordInputDlg.h"
#include "common/ui/section/CTitleSettingDlg.h"
#include "platform/ui/CClientDC.h"
#include "platform/ui/CCmdUI.h"
#include "platform/ui/CFileDialog.h"
#include "platform/ui/CFrameWnd.h"
#include "platform/ui/DialogScript.h"
#include "section_editor/core/CBlockDoc.h"
#include "testsupport/Fixtures.h"
#include "testsupport/TempDir.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QWidget>
#include <gtest/gtest.h>

namespace merdok {
namespace {

constexpr UINT kGroundLineTarget = 113; // "地表線" in the selection-target dialog

std::string Utf8(const char8_t* text) {
    return reinterpret_cast<const char*>(text);
}

class MerdokCommandTest : public MerdokWindowTest<testsupport::RecordingSinkTest> {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(ProgramViewTest::SetUp());
        int key = -1;
        Model().AddNode(20.0, 50.0, key);
        Model().AddNode(120.0, 40.0, key);
        Model().AddNode(70.0, 60.0, key);
        Model().AddLine(0, 1, 0);
        Model().SetNodeStates(CNode::kNormal);
        Model().SetLineStates(CLine::kNormal);
        InitialUpdate();
    }
    // Tab, and the coordinate entry answered with the given texts (X, Y, point number).
    void TabEntry(const char* x, const char* y, const char* number) {
        platform::DialogScript::Queue([=](CDialog& dialog) {
            dialog.SetDlgItemText(CCoordInputDlg::kX, x);
            dialog.SetDlgItemText(CCoordInputDlg::kY, y);
            dialog.SetDlgItemText(CCoordInputDlg::kPointNumber, number);
            dialog.GetDlgItemWidget(IDOK)->setFocus();
            dialog.OnOK();
        });
        view_->OnKeyDown(VK_TAB, 1, 0);
    }
    CCmdUI Update(UINT id) {
        CCmdUI ui(id);
        view_->OnCmdMsg(id, CN_UPDATE_COMMAND_UI, &ui);
        return ui;
    }
};

TEST_F(MerdokCommandTest, TabEntryPlacesPointsOnlyWhereTheUserSaid) {
    Command(ID_DRAW_MEASURE_POINT);
    // An unknown ground point number is refused: no point at a made-up place.
    TabEntry("", "", "9");
    EXPECT_EQ(Model().m_mapSite.GetCount(), 0);
    ASSERT_EQ(sink_.MessagesUtf8().size(), 1U);
    EXPECT_EQ(sink_.MessagesUtf8().back(), Utf8(u8"地表点番号 9 が不正です !!"));
    // A known number places the point on that ground point.
    TabEntry("", "", "2");
    ASSERT_EQ(Model().m_mapSite.GetCount(), 1);
    EXPECT_DOUBLE_EQ(Model().m_mapSite.begin()->second->GetX(), 120.0);
    EXPECT_DOUBLE_EQ(Model().m_mapSite.begin()->second->GetY(), 40.0);
    // A place outside the window is refused with its message.
    TabEntry("1000000000", "0", "");
    EXPECT_EQ(Model().m_mapSite.GetCount(), 1);
    EXPECT_EQ(sink_.MessagesUtf8().back(),
              Utf8(u8"指定点のエラーです。\n指定点がｳｨﾝﾄﾞｳ内に入るようにして下さい。"));
}

TEST_F(MerdokCommandTest, TabEntryWithAnEmptyXWhileDrawingGivesAVerticalSegment) {
    Command(ID_DRAW_GROUND_LINE);
    TabEntry("70", "50", "");
    TabEntry("", "42", "");
    EXPECT_TRUE(sink_.MessagesUtf8().empty());
    ASSERT_EQ(Model().m_LineList.GetCount(), 2);
    const CLine* line = Model().m_LineList.Lookup(Model().m_LineList.MaxKey());
    const DPoint a = Model().NodeXY(line->GetNode1());
    const DPoint b = Model().NodeXY(line->GetNode2());
    EXPECT_DOUBLE_EQ(a.x, 70.0);
    EXPECT_DOUBLE_EQ(b.x, 70.0);
    EXPECT_DOUBLE_EQ(std::min(a.y, b.y), 42.0);
}

TEST_F(MerdokCommandTest, SelectionCommandsAndTheirRules) {
    struct Rule {
        UINT id;
        bool enabled;
        int check;
    };
    const auto expectRules = [&](std::initializer_list<Rule> rules, const char* when) {
        for (const Rule& rule : rules) {
            const CCmdUI ui = Update(rule.id);
            EXPECT_EQ(ui.m_bEnabled, rule.enabled) << when << " " << rule.id;
            EXPECT_EQ(ui.m_nCheck, rule.check) << when << " " << rule.id;
        }
    };
    expectRules({{ID_EDIT_DESELECT, false, 0},
                 {ID_EDIT_DELETE, false, 0},
                 {ID_EDIT_SELECT_ALL, true, 0},
                 {ID_SNAP_TO_POINT, true, 0},
                 {ID_DRAW_GROUND_POINT, true, 0}},
                "nothing selected");
    // The unused ground point is the third one.
    Command(ID_SELECT_UNUSED_POINTS);
    ASSERT_EQ(view_->Selection().GetCount(), 1);
    EXPECT_EQ(view_->m_nSelPoints, 1);
    expectRules({{ID_EDIT_SELECT, true, 1}, {ID_EDIT_DESELECT, true, 0}, {ID_DRAW_GROUND_POINT, false, 0}},
                "one selected");
    // Select all with the ground-line target off takes the points and, through them, the line.
    platform::DialogScript::Queue([](CDialog& dialog) {
        dialog.CheckDlgButton(kGroundLineTarget, 0);
        dialog.OnOK();
    });
    Command(ID_SELECT_TARGETS);
    ASSERT_FALSE(view_->SelectsTarget(CViewBase::kTargetLines));
    ASSERT_TRUE(view_->SelectsTarget(CViewBase::kTargetGround));
    Command(ID_EDIT_SELECT_ALL);
    EXPECT_EQ(view_->m_nSelPoints, 3);
    EXPECT_EQ(view_->m_nSelLines, 1);
    Command(ID_EDIT_DESELECT);
    EXPECT_TRUE(view_->Selection().IsEmpty());
    EXPECT_EQ(view_->m_nSelPoints, 0);
    Command(ID_SNAP_TO_POINT);
    expectRules({{ID_SNAP_TO_POINT, true, 1}}, "snapping");
}

TEST(TitleSettingPath, OnlyABlankFreePathWithAnIdExtensionNamesTheTitleFile) {
    const struct {
        const char8_t* path;
        bool accepted;
    } cases[] = {
        {u8"/d/title.idx", true},
        {u8"/d/TITLE.IDX", true},
        {u8"/d/title.idz", true},
        {u8"/d/title.txt", false},
        {u8"", false},
        {u8"/d/my title.idx", false},
        {u8"/d/題　名.idx", false},
        {u8"/d.id/title", false},
        {u8"/d/ﾀｲﾄﾙ.idx", true},
    };
    for (const auto& item : cases) {
        EXPECT_EQ(CTitleSettingDlg::IsTitleFilePath(CString(item.path)), item.accepted)
            << reinterpret_cast<const char*>(item.path);
    }
}

// Enter in the title steps to the next control; OK there takes the title.
TEST_F(MerdokCommandTest, EnterInTheTitleMovesToTheNextControl) {
    // The title taken is added to the title list: a list of the test's own, not one in the
    // folder the tests run in.
    testsupport::TempDir dir;
    const CString listFile = ProgramViewSettings().titleFile;
    ProgramViewSettings().titleFile = CString(dir.File("title.idx").c_str());
    bool stayedOpen = false;
    platform::DialogScript::Queue([&stayedOpen](CDialog& dialog) {
        auto* combo = qobject_cast<QComboBox*>(dialog.GetDlgItemWidget(CTitleDlg::kTitle));
        combo->setEditText(QStringLiteral("A-A"));
        combo->setFocus();
        dialog.OnOK();
        stayedOpen = dialog.Dialog()->isVisible();
        dialog.GetDlgItemWidget(IDOK)->setFocus();
        dialog.OnOK();
    });
    Command(ID_EDIT_TITLE);
    ProgramViewSettings().titleFile = listFile;
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(Model().m_strTitle, CString("A-A"));
}

// Linux names are case-sensitive: the title list file chosen with "参照..." is taken with
// its letters as they are, or it would name another file.
TEST_F(MerdokCommandTest, TheTitleFileChosenByBrowsingKeepsItsLetters) {
    testsupport::TempDir dir;
    const std::string chosen = dir.Write("MyTitles.ID", "");
    CString shown;
    platform::DialogScript::Queue([&](CDialog& dialog) {
        platform::DialogScript::Queue([&](CDialog& files) {
            auto& fileDialog = dynamic_cast<CFileDialog&>(files);
            fileDialog.SetFileNameText(CString(chosen));
            fileDialog.OnOK();
        });
        dialog.RouteCommand(149); // 参照...
        dialog.GetDlgItemText(CTitleSettingDlg::kPath, shown);
        dialog.OnCancel();
    });
    Command(ID_TITLE_REGISTER);
    EXPECT_EQ(shown.str(), chosen);
}

} // namespace
} // namespace merdok
