// Closing the base menu: refused while a processing program's window exists (in this
// process or in another one), and otherwise the names shown at that moment are the ones
// the settings file keeps.

#include "BaseMenuFixture.h"

#include "common/process/CNamedMutex.h"
#include "common/process/CSharedNameBuffer.h"
#include "common/process/WindowClassClient.h"
#include "common/process/WindowClassServer.h"

#include <QMainWindow>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <csignal>
#include <filesystem>

namespace basnev_test {
namespace {

using platform::Utf8;

constexpr int kExitButton = 111;

class SilentWindow : public process::WindowTextProvider {
public:
    bool BringToFront() override { return true; }
    bool GetControlText(int, CString&) override { return false; }
    bool SetControlText(int, const CString&) override { return false; }
};

class BaseMenuCloseTest : public BaseMenuTest {
protected:
    void CloseBox() { Frame()->MainWindow()->close(); }
    // An accepted close ends the window once Qt has run its deletions; a refused one leaves
    // it open and shown.
    bool ClosedAfter(const std::function<void()>& attempt) {
        attempt();
        SpinUntil([this] { return !IsBaseMenuOpen(); }, 300);
        return !IsBaseMenuOpen() || !Frame()->MainWindow()->isVisible();
    }
    const std::string refusal_ = Utf8(u8"処理ﾌﾟﾛｸﾞﾗﾑ実行中のため、終了できません");
};

TEST_F(BaseMenuCloseTest, EachProcessingWindowClassKeepsTheBaseMenuOpen) {
    OpenBaseMenu();
    for (const char* className : {"VerrantTableInput", "VerrantSection", "VerrantCalculation"}) {
        SCOPED_TRACE(className);
        SilentWindow window;
        process::WindowClassServer server(window);
        ASSERT_TRUE(server.Register(className));
        sink_->Clear();
        EXPECT_FALSE(ClosedAfter([this] { CloseBox(); }));
        EXPECT_FALSE(ClosedAfter([this] { Button(kExitButton)->click(); }));
        EXPECT_EQ(sink_->MessagesUtf8(), (std::vector<std::string>{refusal_, refusal_}));
        EXPECT_TRUE(Frame()->MainWindow()->isVisible());
    }
    EXPECT_TRUE(ClosedAfter([this] { CloseBox(); }));
}

TEST_F(BaseMenuCloseTest, AProcessingWindowOfAnotherProcessKeepsItOpenUntilThatProcessIsKilled) {
    OpenBaseMenu();
    QProcess child;
    child.start(ProcessTestChild(), {"serve", "VerrantSection", QString::fromStdString(data_.File("ready")),
                                     QString::fromStdString(data_.File("front"))});
    ASSERT_TRUE(SpinUntil([this] { return std::filesystem::exists(data_.File("ready")); }));
    EXPECT_EQ(data_.Read("ready"), "1");
    EXPECT_FALSE(ClosedAfter([this] { CloseBox(); }));
    EXPECT_EQ(sink_->MessagesUtf8(), std::vector<std::string>{refusal_});

    ::kill(static_cast<pid_t>(child.processId()), SIGKILL);
    ASSERT_TRUE(child.waitForFinished(5000));
    // Its socket is left behind, but nobody answers there any more.
    EXPECT_TRUE(ClosedAfter([this] { CloseBox(); }));
    EXPECT_EQ(sink_->MessageCount(), 1);
}

TEST_F(BaseMenuCloseTest, TheExitButtonWaitsForRunningChildren) {
    OpenBaseMenu();
    {
        CNamedMutex child;
        ASSERT_EQ(child.Create("Verrant TORVAN 02"), CNamedMutex::CreateResult::Created);
        EXPECT_FALSE(ClosedAfter([this] { Button(kExitButton)->click(); }));
        EXPECT_EQ(sink_->MessagesUtf8(),
                  std::vector<std::string>{Utf8(u8"本ｼｽﾃﾑのﾌﾟﾛｸﾞﾗﾑが実行されているため、終了できません")});
    }
    EXPECT_TRUE(ClosedAfter([this] { Button(kExitButton)->click(); }));
}

TEST_F(BaseMenuCloseTest, TheCloseBoxKeepsTheTextsShownIncludingOneAChildWrote) {
    WriteSettings("/p/plan.hor", "/d/s.sec", "/d/m.dis", "/d/a.slo");
    OpenBaseMenu();
    SetSlotUtf8(kSectionSlot, u8"/d/断面 2.sec");
    SetSlotUtf8(kMeasurementSlot, "");
    const std::string written = Utf8(u8"/d/解析 結果 3.slo");
    const ChildResult child =
        RunWhileServing(ProcessTestChild(), {"exchange", QString::fromStdString(data_.File("out")),
                                             QString::fromStdString("w:233:" + written)});
    ASSERT_TRUE(child.finished);
    EXPECT_EQ(data_.Read("out"), Utf8(u8"m 基本ﾒﾆｭｰの参照ﾌｧｲﾙ名を変更します\nw 233 Replaced\n"));
    EXPECT_EQ(SlotUtf8(kAnalysisSlot), written);

    ASSERT_TRUE(ClosedAfter([this] { CloseBox(); }));
    // Gone with the window: its class and the name buffer; a child's report does nothing.
    EXPECT_FALSE(process::FindWindowClass("VerrantControl"));
    CSharedNameBuffer buffer;
    EXPECT_FALSE(buffer.Open());
    ASSERT_TRUE(RunWhileServing(ProcessTestChild(), {"exchange", QString::fromStdString(data_.File("after")),
                                                     "w:231:/d/late.sec"})
                    .finished);
    EXPECT_EQ(data_.Read("after"), "w 231 NotRunning\n");

    TheApp().ExitInstance();
    EXPECT_EQ(SettingUtf8("FileName1"), "/p/plan.hor");
    EXPECT_EQ(SettingUtf8("FileName2"), Utf8(u8"/d/断面 2.sec"));
    EXPECT_EQ(SettingUtf8("FileName3"), "");
    EXPECT_EQ(SettingUtf8("FileName4"), written);
    EXPECT_EQ(sink_->MessageCount(), 0);
}

// The end of a session closes the window as the close box does and ends the run even when
// that close is refused for a child still open: the names shown then are the ones kept.
TEST_F(BaseMenuCloseTest, ARefusedCloseBoxStillHandsOverTheTextsASessionEndKeeps) {
    WriteSettings("", "/d/old.sec", "/d/old.dis", "/d/old.slo");
    OpenBaseMenu();
    SilentWindow window;
    process::WindowClassServer server(window);
    ASSERT_TRUE(server.Register("VerrantSection"));
    SetSlotUtf8(kSectionSlot, u8"/d/断面 新.sec");
    SetSlotUtf8(kAnalysisSlot, u8"/d/解析 新.slo");
    EXPECT_FALSE(ClosedAfter([this] { CloseBox(); }));
    TheApp().ExitInstance();
    EXPECT_EQ(SettingUtf8("FileName2"), Utf8(u8"/d/断面 新.sec"));
    EXPECT_EQ(SettingUtf8("FileName3"), "/d/old.dis");
    EXPECT_EQ(SettingUtf8("FileName4"), Utf8(u8"/d/解析 新.slo"));
}

TEST_F(BaseMenuCloseTest, ARefusedExitButtonStillHandsItsTextsOverAndTheNextCloseKeepsNewerOnes) {
    OpenBaseMenu();
    SilentWindow window;
    auto server = std::make_unique<process::WindowClassServer>(window);
    ASSERT_TRUE(server->Register("VerrantCalculation"));
    SetSlotUtf8(kSectionSlot, "first.sec");
    EXPECT_FALSE(ClosedAfter([this] { Button(kExitButton)->click(); }));
    server.reset();
    SetSlotUtf8(kSectionSlot, "second.sec");
    ASSERT_TRUE(ClosedAfter([this] { CloseBox(); }));
    TheApp().ExitInstance();
    EXPECT_EQ(SettingUtf8("FileName2"), "second.sec");
}

} // namespace
} // namespace basnev_test
