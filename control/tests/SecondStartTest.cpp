// The base menu program itself, started as a separate process on the offscreen platform
// with the test's private runtime directory: one per session, the second start hands over
// to the first, and a killed one leaves nothing that keeps the next one from starting.

#include "BaseMenuFixture.h"

#include "common/process/CNamedMutex.h"
#include "common/process/CSharedNameBuffer.h"
#include "common/process/RuntimeDirectory.h"
#include "common/process/WindowClassClient.h"
#include "common/process/WindowSocketDirectory.h"
#include "platform/core/CodePage.h"

#include <QElapsedTimer>
#include <QMainWindow>
#include <QProcess>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sys/mman.h>

namespace basnev_test {
namespace {

using platform::Utf8;

class SecondStartTest : public BaseMenuTest {
protected:
    void SetUp() override {
        BaseMenuTest::SetUp();
        std::filesystem::create_directory(DataFile("bin"));
        program_ = DataFile("bin/basnev");
        std::filesystem::copy_file(BaseMenuProgram().toStdString(), program_);
    }
    void TearDown() override {
        for (auto& process : running_) {
            process->kill();
            process->waitForFinished(5000);
        }
        running_.clear();
        // A killed base menu leaves its buffer's name behind; it is this test's alone.
        if (const std::string name = CSharedNameBuffer::SystemName("BASNEVFILENAME"); !name.empty()) {
            ::shm_unlink(name.c_str());
        }
        BaseMenuTest::TearDown();
    }
    // Starts the copied program and waits until it answers for its window class.
    QProcess* StartBaseMenu() {
        QProcess* process = Launch(QProcessEnvironment::systemEnvironment());
        EXPECT_TRUE(SpinUntil([] {
            return CNamedMutex::Exists("Verrant BASNEV 01") && process::FindWindowClass("VerrantControl");
        }));
        return process;
    }
    // Starts the copied program on an X display of that name (":98"); true once its window
    // is registered in the runtime directory of the display registeredAs (the same by default).
    bool StartBaseMenuOnDisplay(const std::string& display, const std::string& registeredAs = {}) {
        QProcess* process = Launch(OnDisplay(display));
        const std::string socket =
            DisplayEntry(registeredAs.empty() ? display : registeredAs,
                         "window-VerrantControl-" + std::to_string(process->processId()) + ".sock");
        return SpinUntil([&socket] { return std::filesystem::exists(socket); }) &&
               process->state() == QProcess::Running;
    }
    static QProcessEnvironment OnDisplay(const std::string& display) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DISPLAY", QString::fromStdString(display));
        environment.remove("WAYLAND_DISPLAY");
        return environment;
    }
    // An entry of the suite's runtime directory of an X display.
    std::string DisplayEntry(const std::string& display, const std::string& name) const {
        return runtime_.File("verrant/x11-" + display + "/" + name);
    }
    QProcess* Launch(const QProcessEnvironment& environment) {
        running_.push_back(std::make_unique<QProcess>());
        QProcess* process = running_.back().get();
        process->setProcessChannelMode(QProcess::ForwardedChannels);
        process->setProcessEnvironment(environment);
        process->start(QString::fromStdString(program_), {});
        EXPECT_TRUE(process->waitForStarted(5000));
        return process;
    }
    std::string
    ExchangeReport(const QStringList& operations,
                   const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
        std::filesystem::remove(DataFile("out"));
        const ChildResult child = RunWhileServing(
            ProcessTestChild(), QStringList{"exchange", QString::fromStdString(DataFile("out"))} + operations,
            15000, environment);
        EXPECT_TRUE(child.finished);
        return data_.Read("out");
    }

    std::string program_;
    std::vector<std::unique_ptr<QProcess>> running_;
};

TEST_F(SecondStartTest, TheSecondStartEndsAtOnceAndTheFirstGoesOn) {
    data_.Write("bin/basnev.INI",
                platform::Utf8ToCp932(Utf8(u8"[Input File]\r\nFileName3=/d/計測 1.dis\r\n")));
    QProcess* first = StartBaseMenu();
    EXPECT_EQ(ExchangeReport({"r:232"}), Utf8(u8"r 232 Unchanged /d/計測 1.dis\n"));

    QElapsedTimer clock;
    clock.start();
    const ChildResult second = RunWhileServing(QString::fromStdString(program_), {}, 10000);
    ASSERT_TRUE(second.finished);
    EXPECT_EQ(second.exitCode, 0);
    EXPECT_LT(clock.elapsed(), 5000);
    EXPECT_EQ(first->state(), QProcess::Running);
    EXPECT_TRUE(process::FindWindowClass("VerrantControl"));
    EXPECT_EQ(process::BringWindowClassToFront("VerrantControl"), process::WindowAnswer::Done);
}

TEST_F(SecondStartTest, TheSecondStartBringsTheFirstWindowForward) {
    OpenBaseMenu();
    Frame()->MainWindow()->showMinimized();
    ASSERT_TRUE(Frame()->MainWindow()->windowState() & Qt::WindowMinimized);
    const ChildResult second = RunWhileServing(QString::fromStdString(program_), {}, 10000);
    ASSERT_TRUE(second.finished);
    EXPECT_EQ(second.exitCode, 0);
    ASSERT_TRUE(IsBaseMenuOpen());
    EXPECT_FALSE(Frame()->MainWindow()->windowState() & Qt::WindowMinimized);
    EXPECT_TRUE(Frame()->MainWindow()->isVisible());
    EXPECT_FALSE(CNamedMutex::Exists("Verrant BASNEV 01"));
}

TEST_F(SecondStartTest, AKilledBaseMenuLeavesNothingThatStopsTheNextOne) {
    data_.Write("bin/basnev.INI", "[Input File]\r\nFileName2=/d/s.sec\r\n");
    QProcess* first = StartBaseMenu();
    EXPECT_EQ(ExchangeReport({"w:233:/d/a.slo"}),
              Utf8(u8"m 基本ﾒﾆｭｰの参照ﾌｧｲﾙ名を変更します\nw 233 Replaced\n"));
    ::kill(static_cast<pid_t>(first->processId()), SIGKILL);
    ASSERT_TRUE(first->waitForFinished(5000));
    EXPECT_FALSE(CNamedMutex::Exists("Verrant BASNEV 01"));

    QProcess* next = StartBaseMenu();
    EXPECT_EQ(next->state(), QProcess::Running);
    // A fresh buffer and window: the names are those of the settings file, and the
    // exchange runs without any complaint about a leftover.
    EXPECT_EQ(ExchangeReport({"r:231", "r:233", "w:232:/d/m.dis", "r:232"}),
              Utf8(u8"r 231 Unchanged /d/s.sec\nr 233 Unchanged \nm 基本ﾒﾆｭｰの参照ﾌｧｲﾙ名を変更します\n"
                   u8"w 232 Replaced\nr 232 Unchanged /d/m.dis\n"));
    CSharedNameBuffer buffer;
    ASSERT_TRUE(buffer.Open());
    EXPECT_STREQ(buffer.Read(), "/d/m.dis");
}

// A signal used to kill the base menu on the spot: its buffer, published name and socket
// stayed behind and the slot names of the run were lost. Now it ends as its Exit does.
TEST_F(SecondStartTest, TermAndHangUpEndTheBaseMenuAsExitLeavingNothingBehind) {
    data_.Write("bin/basnev.INI", "[Input File]\r\nFileName2=/d/s.sec\r\n");
    for (int signal : {SIGTERM, SIGHUP}) {
        SCOPED_TRACE(signal);
        QProcess* menu = StartBaseMenu();
        const std::string slo = "/d/" + std::to_string(signal) + ".slo";
        EXPECT_EQ(ExchangeReport({QString::fromStdString("w:233:" + slo)}),
                  Utf8(u8"m 基本ﾒﾆｭｰの参照ﾌｧｲﾙ名を変更します\nw 233 Replaced\n"));
        const std::string buffer = CSharedNameBuffer::SystemName("BASNEVFILENAME");
        ASSERT_FALSE(buffer.empty());
        ::kill(static_cast<pid_t>(menu->processId()), signal);
        ASSERT_TRUE(menu->waitForFinished(10000));
        EXPECT_EQ(menu->exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(menu->exitCode(), 0);
        EXPECT_NE(data_.Read("verrant/basnev.INI").find("FileName4=" + slo + "\r\n"), std::string::npos);
        EXPECT_EQ(::shm_open(buffer.c_str(), O_RDONLY, 0), -1);
        EXPECT_EQ(CSharedNameBuffer::SystemName("BASNEVFILENAME"), "");
        EXPECT_TRUE(process::ListWindowSockets("VerrantControl").empty());
        EXPECT_FALSE(CNamedMutex::Exists("Verrant BASNEV 01"));
    }
}

// A second start used to end at once, with no window and no word, when the first base menu ran
// on another display of the same user (a remote session): now each display has its own; and
// the buffer a base menu killed on one display left is removed by the next start on any.
TEST_F(SecondStartTest, EachDisplayHasItsOwnBaseMenuAndKilledOnesLeaveNoBuffer) {
    ASSERT_TRUE(StartBaseMenuOnDisplay(":98"));
    std::string killedBuffer;
    ASSERT_TRUE(SpinUntil([&] {
        std::ifstream published(DisplayEntry(":98", "BASNEVFILENAME.shm"));
        return static_cast<bool>(std::getline(published, killedBuffer));
    }));
    QProcess* killed = running_.back().get();
    ::kill(static_cast<pid_t>(killed->processId()), SIGKILL);
    ASSERT_TRUE(killed->waitForFinished(5000));

    ASSERT_TRUE(StartBaseMenuOnDisplay(":99"));
    // The new base menu makes its buffer once its form is up.
    EXPECT_TRUE(SpinUntil([&killedBuffer] {
        const int fd = ::shm_open(killedBuffer.c_str(), O_RDONLY, 0);
        return fd < 0 || ::close(fd) != 0;
    }));
    // The screen number names the same display; another display's base menu stops no one.
    ASSERT_TRUE(StartBaseMenuOnDisplay(":98.0", ":98"));
    EXPECT_EQ(running_[1]->state(), QProcess::Running);
}

// Two base menus on two displays share one settings file. The one ending last used to write
// back every slot as it had read it at its start, so the analysis file the other had set was
// lost and the next base menu's analysis log opened the other project's log without a word.
TEST_F(SecondStartTest, TwoBaseMenusOnOneSettingsFileKeepTheSlotsEachOfThemSet) {
    data_.Write("bin/basnev.INI", "[Input File]\r\nFileName2=/d/s.sec\r\nFileName4=/d/old.slo\r\n");
    ASSERT_TRUE(StartBaseMenuOnDisplay(":97"));
    QProcess* started = running_.back().get();
    ASSERT_TRUE(StartBaseMenuOnDisplay(":98"));
    QProcess* ended = running_.back().get();
    const std::string reported = Utf8(u8"m 基本ﾒﾆｭｰの参照ﾌｧｲﾙ名を変更します\n");
    EXPECT_EQ(ExchangeReport({"w:233:/d/new.slo"}, OnDisplay(":98")), reported + "w 233 Replaced\n");
    EXPECT_EQ(ExchangeReport({"w:231:/d/own.sec"}, OnDisplay(":97")), reported + "w 231 Replaced\n");
    for (QProcess* menu : {ended, started}) {
        ::kill(static_cast<pid_t>(menu->processId()), SIGTERM);
        ASSERT_TRUE(menu->waitForFinished(10000));
    }
    const std::string settings = data_.Read("verrant/basnev.INI");
    EXPECT_EQ(settings, "[Input File]\r\nFileName2=/d/own.sec\r\nFileName4=/d/new.slo\r\n");

    // A base menu that changed no slot writes nothing, not even the names it read.
    ASSERT_TRUE(StartBaseMenuOnDisplay(":97"));
    EXPECT_EQ(ExchangeReport({"r:233"}, OnDisplay(":97")), "r 233 Unchanged /d/new.slo\n");
    const auto written = std::filesystem::last_write_time(DataFile("verrant/basnev.INI"));
    ::kill(static_cast<pid_t>(running_.back()->processId()), SIGTERM);
    ASSERT_TRUE(running_.back()->waitForFinished(10000));
    EXPECT_EQ(data_.Read("verrant/basnev.INI"), settings);
    EXPECT_EQ(std::filesystem::last_write_time(DataFile("verrant/basnev.INI")), written);
}

// Another user's runtime directory used to end the base menu at once with status 0, no
// window and no word; now it names the path and ends with a failure.
TEST_F(SecondStartTest, ATakenRuntimeDirectoryIsNamedAndTheBaseMenuEndsWithAFailure) {
    const std::string suite = runtime_.File("verrant");
    std::filesystem::remove_all(suite);
    std::filesystem::create_directory(DataFile("elsewhere"));
    std::filesystem::create_directory_symlink(DataFile("elsewhere"), suite);
    EXPECT_FALSE(TheApp().InitInstance());
    EXPECT_EQ(TheApp().ExitInstance(), process::kRuntimeDirectoryExitCode);
    EXPECT_FALSE(IsBaseMenuOpen());
    EXPECT_EQ(sink_->LastMessageUtf8(), suite + Utf8(u8"\n作業ﾃﾞｨﾚｸﾄﾘを使用できません (ｼﾝﾎﾞﾘｯｸﾘﾝｸです)"));
    EXPECT_TRUE(std::filesystem::is_empty(DataFile("elsewhere")));
}

} // namespace
} // namespace basnev_test
