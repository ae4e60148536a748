// The main frame: tool bars with their texts and kept layout, the guide texts and the
// status panes.

#include "AppFixture.h"

#include "analysis/app/TorvanIds.h"
#include "common/ui/section/GuideTexts.h"
#include "platform/core/CodePage.h"
#include "platform/ui/CView.h"
#include "platform/ui/QtText.h"

#include <QAction>
#include <QCursor>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QStatusBar>
#include <QToolBar>

namespace torvan_test {
namespace {

using platform::Utf8;

std::vector<std::string> ButtonTexts(torvan::CComboToolBar& bar) {
    std::vector<std::string> texts;
    for (QAction* action : bar.Bar()->actions()) {
        if (!action->isSeparator() && CMenu::ActionId(action) != 0) {
            texts.push_back(action->text().toStdString());
        }
    }
    return texts;
}

TEST_F(TorvanAppTest, ToolTextsGoAndComeBackAndTheBarLayoutIsKeptBetweenRuns) {
    ASSERT_TRUE(StartWithBaseMenu({}));
    const std::vector<std::string> standard = {Utf8(u8"開く"), Utf8(u8"上書保存"), Utf8(u8"拡大"),
                                               Utf8(u8"縮小"), Utf8(u8"全体表示"), Utf8(u8"表示設定")};
    const std::vector<std::string> editing = {Utf8(u8"選択"),       Utf8(u8"削除"),
                                              Utf8(u8"地中境界点"), Utf8(u8"左地表境界"),
                                              Utf8(u8"右地表境界"), Utf8(u8"境界点座標")};
    EXPECT_EQ(ButtonTexts(Frame()->StandardBar()), standard);
    EXPECT_EQ(ButtonTexts(Frame()->EditBar()), editing);
    Frame()->RouteCommand(torvan::ID_VIEW_TOOL_TEXT);
    EXPECT_EQ(ButtonTexts(Frame()->StandardBar()), std::vector<std::string>(6));
    EXPECT_EQ(ButtonTexts(Frame()->EditBar()), std::vector<std::string>(6));
    Frame()->RouteCommand(torvan::ID_VIEW_TOOL_TEXT);
    EXPECT_EQ(ButtonTexts(Frame()->StandardBar()), standard);
    EXPECT_EQ(ButtonTexts(Frame()->EditBar()), editing);
    EXPECT_EQ(Frame()->MethodBox()->text().toStdString(), Utf8(u8"解析法選択"));

    // The user docks the editing bar at the left side; the next run finds it there.
    QMainWindow* window = Frame()->MainWindow();
    window->addToolBar(Qt::LeftToolBarArea, Frame()->EditBar().Bar());
    EXPECT_EQ(Close(), 0);
    ASSERT_TRUE(Start({}));
    EXPECT_EQ(Frame()->MainWindow()->toolBarArea(Frame()->EditBar().Bar()), Qt::LeftToolBarArea);
    EXPECT_EQ(Frame()->MainWindow()->toolBarArea(Frame()->StandardBar().Bar()), Qt::TopToolBarArea);
}

TEST_F(TorvanAppTest, GuideTextsAndCursorPositionReachTheirPanesAndGoWithTheLastDocument) {
    ASSERT_TRUE(StartWithBaseMenu({DataFile("sample.slo")}));
    section::GuideTexts& texts = section::ProcessGuideTexts();
    texts.prompt = CString(u8">指定位置でｸﾘｯｸ");
    texts.title = CString(u8"描画(D) 地中境界点(B)");
    texts.cursorX = 12.3456;
    texts.cursorY = -1234567.0;
    Frame()->RouteCommand(torvan::ID_GUIDE_PROMPT);
    Frame()->RouteCommand(torvan::ID_GUIDE_TITLE);
    Frame()->RouteCommand(torvan::ID_SHOW_CURSOR_POS);
    CStatusBar& status = Frame()->StatusBar();
    EXPECT_EQ(platform::Cp932ToUtf8(status.GetPaneText(0).str()), Utf8(u8">指定位置でｸﾘｯｸ"));
    EXPECT_EQ(Frame()->GuideTitleText()->text().toStdString(), Utf8(u8"描画(D) 地中境界点(B)"));
    EXPECT_EQ(status.GetPaneText(1), "    12.346");
    EXPECT_EQ(status.GetPaneText(2), "-1234567.000");

    // A fly-by text blanks the guide title; over the view again, prompt and title come back.
    Frame()->StatusBar().Bar()->showMessage(QStringLiteral("fly-by"));
    TheApp().OnIdle(0);
    EXPECT_EQ(Frame()->GuideTitleText()->text().toStdString(), " ");
    Frame()->StatusBar().Bar()->clearMessage();
    QWidget* view = Documents().at(0)->Views().front()->GetCanvasWidget();
    QCursor::setPos(view->mapToGlobal(view->rect().center()));
    TheApp().OnIdle(0);
    EXPECT_EQ(Frame()->GuideTitleText()->text().toStdString(), Utf8(u8"描画(D) 地中境界点(B)"));
    EXPECT_EQ(platform::Cp932ToUtf8(status.GetPaneText(0).str()), Utf8(u8">指定位置でｸﾘｯｸ"));

    Frame()->RouteCommand(ID_FILE_CLOSE);
    ASSERT_TRUE(SpinUntil([this] { return Documents().empty(); }));
    EXPECT_TRUE(SpinUntil([&] { return Frame()->GuideTitleText()->text().isEmpty(); }));
    EXPECT_EQ(status.GetPaneText(0), "");
    EXPECT_TRUE(texts.prompt.IsEmpty());
}

} // namespace
} // namespace torvan_test
