// Scrolling, jumps and searches through the view's commands, with their dialogs answered
// as a user would.
#include "AppFixture.h"

#include "list_viewer/app/CItemListDialog.h"
#include "list_viewer/app/CPageJumpDialog.h"
#include "list_viewer/app/CSearchStringDialog.h"
#include "list_viewer/app/WenuxIds.h"

#include "platform/ui/DialogScript.h"
#include "platform/ui/QtText.h"
#include "testsupport/ui/WheelEvent.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPointingDevice>
#include <QScrollBar>

namespace wenux::test {
namespace {

using platform::Utf8;

void AnswerEdit(const CString& text) {
    platform::DialogScript::Queue([text](CDialog& dialog) {
        dialog.SetDlgItemText(IDC_DIALOG_EDIT, text);
        dialog.OnOK();
    });
}

class Navigation : public AppTest {
protected:
    void OpenLog(int lines) {
        Start();
        view_ = Open(lists_.Write("run.log", JapaneseLog(lines)));
        ASSERT_NE(view_, nullptr);
    }
    int Page() const { return view_->Pager().CurrentPage(); }
    int TopLine() const { return view_->Pager().TopLine(); }
    CMainListView* view_ = nullptr;
};

TEST_F(Navigation, ScrollBarMovesByLinesAndPages) {
    OpenLog(300); // pages {1,112} {113,225} {226,300}
    view_->OnVScroll(SB_LINEDOWN, 0);
    EXPECT_EQ(TopLine(), 2);
    EXPECT_EQ(Page(), 0);
    view_->OnVScroll(SB_PAGEDOWN, 0);
    EXPECT_EQ(Page(), 1);
    EXPECT_EQ(TopLine(), 113);
    EXPECT_EQ(Frame()->StatusBar().GetPaneText(1), CString("PAGE=     2"));
    EXPECT_EQ(Frame()->StatusBar().GetPaneText(2), CString("LINE=   113"));
    view_->OnVScroll(SB_LINEUP, 0);
    EXPECT_EQ(Page(), 0);
    EXPECT_EQ(TopLine(), 112);
    view_->OnVScroll(SB_BOTTOM, 0);
    EXPECT_EQ(Page(), 2);
    view_->OnVScroll(SB_THUMBTRACK, 10000 + 1);
    EXPECT_EQ(Page(), 1);
    EXPECT_EQ(view_->VerticalBar()->value(), 10001);
    view_->OnVScroll(SB_TOP, 0);
    EXPECT_EQ(Page(), 0);
    EXPECT_EQ(TopLine(), 1);
}

TEST_F(Navigation, TheWheelScrollsThreeLinesANotch) {
    OpenLog(300);
    auto wheel = [this](int angle) { testsupport::TurnWheel(view_->GetCanvasWidget(), angle); };
    wheel(-120);
    EXPECT_EQ(TopLine(), 4);
    EXPECT_EQ(Frame()->StatusBar().GetPaneText(2), CString("LINE=     4"));
    wheel(-240);
    EXPECT_EQ(TopLine(), 10);
    wheel(120);
    EXPECT_EQ(TopLine(), 7);
}

TEST_F(Navigation, JumpsToPagesFirstLastNextAndPrevious) {
    OpenLog(300);
    Frame()->RouteCommand(ID_JUMP_BOTTOM);
    EXPECT_EQ(Page(), 2);
    EXPECT_EQ(TopLine(), 297);
    const int beeps = sink_->BeepCount();
    Frame()->RouteCommand(ID_JUMP_NEXT);
    EXPECT_EQ(Page(), 2);
    EXPECT_EQ(sink_->BeepCount(), beeps + 1);
    Frame()->RouteCommand(ID_JUMP_PREVIOUS);
    EXPECT_EQ(Page(), 1);
    EXPECT_EQ(TopLine(), 113);
    Frame()->RouteCommand(ID_JUMP_TOP);
    EXPECT_EQ(Page(), 0);
    Frame()->RouteCommand(ID_JUMP_PREVIOUS);
    EXPECT_EQ(sink_->BeepCount(), beeps + 2);

    AnswerEdit("500"); // beyond the last page: the last page
    Frame()->RouteCommand(ID_JUMP_PAGE);
    EXPECT_EQ(Page(), 2);
    EXPECT_EQ(TopLine(), 226);
    EXPECT_EQ(view_->VerticalBar()->value(), 2 * (30000 / 3));
}

TEST_F(Navigation, PageJumpRefusesNumbersOutOfRangeAndStaysOpen) {
    OpenLog(300);
    platform::DialogScript::Queue([](CDialog& dialog) {
        dialog.SetDlgItemText(IDC_DIALOG_EDIT, "0");
        dialog.OnOK();
        dialog.SetDlgItemText(IDC_DIALOG_EDIT, "x");
        dialog.OnOK();
        dialog.SetDlgItemText(IDC_DIALOG_EDIT, "2");
        dialog.OnOK();
    });
    Frame()->RouteCommand(ID_JUMP_PAGE);
    EXPECT_EQ(sink_->MessageCount(), 2);
    EXPECT_EQ(sink_->LastMessageUtf8(), Utf8(u8"1 から 9999 までの整数を入力してください。"));
    EXPECT_EQ(Page(), 1);
}

TEST_F(Navigation, StringSearchFindsJapaneseTextAndSearchesAgainFromTheNextLine) {
    Start();
    std::string text = JapaneseLog(250);
    text += Cp932(u8"***** ERROR : 計測変位の数値ﾃﾞｰﾀにｴﾗｰが発見されました *****\r\n");
    text += JapaneseLog(10);
    text += Cp932(u8"***** ERROR : 計測変位の数値ﾃﾞｰﾀにｴﾗｰが発見されました *****\r\n");
    view_ = Open(lists_.Write("run.log", text));
    ASSERT_NE(view_, nullptr);

    AnswerEdit(CString(u8"数値ﾃﾞｰﾀにｴﾗｰ"));
    Frame()->RouteCommand(ID_SEARCH_STRING);
    EXPECT_EQ(TopLine(), 251);
    EXPECT_EQ(Page(), 2);
    EXPECT_EQ(app_->State().searchString, CString(u8"数値ﾃﾞｰﾀにｴﾗｰ"));

    Frame()->RouteCommand(ID_SEARCH_AGAIN);
    EXPECT_EQ(TopLine(), 262);

    // Nothing after the last hit: asked whether to search from the top; yes finds the first.
    sink_->QueueAnswer(IDYES);
    Frame()->RouteCommand(ID_SEARCH_AGAIN);
    EXPECT_EQ(sink_->LastMessageUtf8(), Utf8(u8"文字列が見つかりません。\n先頭から再検索しますか？"));
    EXPECT_EQ(TopLine(), 251);
}

TEST_F(Navigation, SearchNeverMatchesHalfOfADoubleByteCharacter) {
    Start();
    // "ア" is 0x83 0x41: its trail byte is 'A', which must not match a search for "A".
    std::string text = Cp932(u8"アイウ\r\n") + "xA\r\n";
    view_ = Open(lists_.Write("run.log", text));
    ASSERT_NE(view_, nullptr);
    AnswerEdit("A");
    Frame()->RouteCommand(ID_SEARCH_STRING);
    EXPECT_EQ(TopLine(), 2);
}

TEST_F(Navigation, ItemListSearchTakesTheChosenItemAndRefusesNoSelection) {
    program_.Write("torvan.ctl", "");
    program_.Write("pomrex.idx", Cp932(u8"TORVAN 計算実行ﾛｸﾞ\r\n1 ERROR\r\n2 安全率 FS=\r\n"));
    Start();
    ASSERT_EQ(app_->State().searchItems.size(), 2U);
    std::string text = JapaneseLog(20) + Cp932(u8"ERROR : 計測点\r\n");
    view_ = Open(lists_.Write("run.log", text));
    ASSERT_NE(view_, nullptr);

    platform::DialogScript::Queue([](CDialog& dialog) {
        dialog.OnOK(); // nothing chosen yet
        auto* list = qobject_cast<QListWidget*>(dialog.GetDlgItemWidget(IDC_ITEM_LIST));
        list->setCurrentRow(0);
        dialog.OnOK();
    });
    Frame()->RouteCommand(ID_SEARCH_ITEM_LIST);
    ASSERT_FALSE(sink_->MessagesUtf8().empty());
    EXPECT_EQ(sink_->MessagesUtf8().front(), Utf8(u8"選択エラー !!"));
    EXPECT_EQ(app_->State().searchString, CString("ERROR"));
    EXPECT_EQ(TopLine(), 21);
}

TEST_F(Navigation, ResultListRowsStartAfterTheHeaderLine) {
    Start();
    std::string text = "HEADER\r\n" + JapaneseLog(3);
    view_ = Open(lists_.Write("res.lst", text));
    ASSERT_NE(view_, nullptr);
    AnswerEdit("00002");
    Frame()->RouteCommand(ID_SEARCH_STRING);
    // View line 2 of a result list is scanner line 3 ("00002 ...").
    EXPECT_EQ(TopLine(), 2);
}

} // namespace
} // namespace wenux::test

namespace wenux::test {
namespace {

QAction* KeyAction(QWidget* window, const QKeySequence& key) {
    for (QAction* action : window->actions()) {
        if (action->shortcut() == key) {
            return action;
        }
    }
    return nullptr;
}

TEST_F(Navigation, KeysRunTheirCommandsOnTheActiveList) {
    OpenLog(300);
    QWidget* window = Frame()->GetWidget();
    QAction* next = KeyAction(window, QKeySequence(Qt::Key_F5));
    QAction* previous = KeyAction(window, QKeySequence(Qt::SHIFT | Qt::Key_F5));
    QAction* bottom = KeyAction(window, QKeySequence(Qt::CTRL | Qt::Key_B));
    ASSERT_NE(next, nullptr);
    ASSERT_NE(previous, nullptr);
    ASSERT_NE(bottom, nullptr);
    next->trigger();
    EXPECT_EQ(Page(), 1);
    previous->trigger();
    EXPECT_EQ(Page(), 0);
    bottom->trigger();
    EXPECT_EQ(TopLine(), 297);
    // Page up and down on the view's keyboard.
    view_->OnKeyDown(VK_PRIOR, 1, 0);
    EXPECT_EQ(Page(), 1);
    view_->OnKeyDown(VK_HOME, 1, 0);
    EXPECT_EQ(Page(), 0);
}

} // namespace
} // namespace wenux::test
