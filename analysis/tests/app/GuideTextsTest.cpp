// Every tool says what it wants: its status text and tool tip, its guide title and prompt when
// chosen and once its figure has started, and the prompts of the states the view passes
// through (the block-line table open, a table's change waiting for its confirming click).

#include "TorvanViewProgram.h"

#include "analysis/app/TorvanGuideStrings.h"
#include "analysis/app/TorvanIds.h"
#include "analysis/app/TorvanMenu.h"

#include "common/ui/section/GuideStrings.h"
#include "common/ui/section/GuideTexts.h"
#include "common/ui/table/CGridDlg.h"
#include "platform/core/CodePage.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/CommandPrompts.h"
#include "platform/ui/DialogScript.h"

#include <QWidget>
#include <gtest/gtest.h>

namespace torvan {
namespace {

using platform::Utf8;

class GuideTextsTest : public TorvanWindowTest<testsupport::RecordingSinkTest> {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(ProgramViewTest::SetUp());
        RegisterTorvanGuideStrings(); // as the program does at start-up
        ASSERT_TRUE(TorvanViewProgram::OpenSampleCopy(*document_, dir_)) << sink_.LastMessageUtf8();
        InitialUpdate();
    }
    static std::string Shown(const CString& text) { return platform::Cp932ToUtf8(text.str()); }
    static std::string Guide(UINT id) { return Shown(section::LoadGuideString(id)); }
    std::string Prompt() const { return Shown(section::ProcessGuideTexts().prompt); }
    std::string Title() const { return Shown(section::ProcessGuideTexts().title); }

    testsupport::TempDir dir_{"guide texts"};
};

TEST_F(GuideTextsTest, EveryToolShowsItsTextsWhenChosenAndOnceItsFigureStarts) {
    const struct {
        UINT command;
        UINT title;
        UINT prompt;
        const char8_t* status; // status text, then the tool tip
    } tools[] = {
        {ID_DRAW_SURFACE_POINT, 4035, 4036, u8"地表点を描く\n地表点"},
        {ID_DRAW_MEASURE_POINT, 4038, 4039, u8"計測点を描く\n計測点"},
        {ID_DRAW_INNER_BOUND_POINT, 4041, 4042, u8"地中境界点を描く\n地中境界点"},
        {ID_DRAW_LEFT_BOUND_POINT, 4044, 4045, u8"すべり線の左側地表境界点を描く\n左地表境界点"},
        {ID_DRAW_RIGHT_BOUND_POINT, 4047, 4045, u8"すべり線の右側地表境界点を描く\n右地表境界点"},
        {ID_DRAW_SURFACE_LINE, 4004, 4005, u8"地表線を描く\n地表線"},
        {ID_DRAW_HORIZONTAL_LINE, 4054, 4055, u8"水平地表線を描く\n水平地表線"},
        {ID_DRAW_VERTICAL_LINE, 4057, 4058, u8"鉛直地表線を描く\n鉛直地表線"},
        {ID_DRAW_POLYLINE, 4007, 4008, u8"連続地表線を描く\n連続地表線"},
        {ID_EDIT_SELECT, 4048, 4049, u8"対象指定されている図形を選択\n選択"},
    };
    for (const auto& tool : tools) {
        SCOPED_TRACE(tool.command);
        const std::string status = Utf8(tool.status);
        EXPECT_EQ(Shown(platform::CommandPromptText(CommandPrompts(), tool.command, false)),
                  status.substr(0, status.find('\n')));
        EXPECT_EQ(Shown(platform::CommandPromptText(CommandPrompts(), tool.command, true)),
                  status.substr(status.find('\n') + 1));
        Command(tool.command);
        EXPECT_EQ(Title(), Guide(tool.title));
        EXPECT_EQ(Prompt(), Guide(tool.prompt));
        EXPECT_FALSE(Guide(tool.title).empty());
        EXPECT_FALSE(Guide(tool.prompt).empty());
        EXPECT_FALSE(Guide(tool.prompt + 1).empty()) << "the prompt once the figure started";
    }
}

// The block-line table's texts stay while it is open, also when the view gets the focus back.
TEST_F(GuideTextsTest, TheBlockLineTableShowsItsOwnTexts) {
    Command(ID_DRAW_SURFACE_LINE);
    view_->OpenBlockLineTable();
    view_->OnSetFocus(nullptr);
    EXPECT_EQ(Prompt(), Utf8(u8">ﾌﾞﾛｯｸ線指定位置でｸﾘｯｸ"));
    EXPECT_EQ(Title(), Utf8(u8"ﾌｧｲﾙ（F) すべり線生成(S)"));
    view_->CloseBlockLineTable();
}

// A table's change waits for the confirming click under the confirmation prompt.
TEST_F(GuideTextsTest, ATableChangeWaitingForItsClickSaysSo) {
    Command(ID_DRAW_SURFACE_POINT);
    platform::DialogScript::Queue([](CDialog& dialog) {
        auto& table = dynamic_cast<CGridDlg&>(dialog);
        table.RowAt(1)->RealCell(1) += 1.0; // point 1 one metre up
        dialog.GetDlgItemWidget(IDOK)->setFocus();
        dialog.OnOK();
    });
    ASSERT_TRUE(view_->RouteCommand(ID_INPUT_SURFACE_POINTS));
    ASSERT_TRUE(view_->HasPendingPoints());
    const std::string confirm = Utf8(u8">確認してｸﾘｯｸ   [左ｸﾘｯｸ]OK   [右ｸﾘｯｸ]ｷｬﾝｾﾙ");
    EXPECT_EQ(Prompt(), confirm);
    view_->OnSetFocus(nullptr);
    EXPECT_EQ(Prompt(), confirm);
}

} // namespace
} // namespace torvan
