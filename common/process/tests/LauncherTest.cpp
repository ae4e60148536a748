#include "ChildProcessTest.h"
#include "common/process/ChildLauncher.h"
#include "common/process/LaunchThrottle.h"
#include "platform/core/CodePage.h"
#include "platform/core/ModulePath.h"
#include "platform/core/RecordingSink.h"

#include <csignal>
#include <filesystem>
#include <fstream>
#include <pthread.h>
#include <sstream>
#include <unistd.h>

namespace {

using process_test::ChildProcessTest;
using process_test::kChildProgram;
using process_test::WaitForFile;
using process_test::WaitUntilGone;

using LauncherTest = ChildProcessTest;

TEST_F(LauncherTest, EachArgumentArrivesWholeAsItsOwnElement) {
    std::vector<CString> arguments{"args",
                                   ScratchArgument("argv"),
                                   "@",
                                   CString(u8"/データ/斜面 1 (新).slo"),
                                   CString("  two  blanks  "),
                                   CString(""),
                                   CString("\"quoted\" and $HOME; `x`")};
    pid_t child = LaunchChildProgram(kChildProgram, arguments);
    ASSERT_GT(child, 0);
    std::string expected;
    for (std::size_t i = 2; i < arguments.size(); ++i) {
        expected += platform::Cp932ToUtf8(arguments[i].str()) + '\0';
    }
    EXPECT_EQ(WaitForFile(Scratch("argv")), expected);
    EXPECT_TRUE(WaitUntilGone(child)) << "an ended child must be reaped";
}

TEST_F(LauncherTest, ChildInheritsNoDescriptorIgnoredSignalOrSignalMask) {
    int leaked[2];
    ASSERT_EQ(::pipe(leaked), 0); // without close-on-exec on purpose
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    struct sigaction previous {};
    ::sigaction(SIGINT, &ignore, &previous);
    sigset_t usr1;
    sigemptyset(&usr1);
    sigaddset(&usr1, SIGUSR1);
    ::pthread_sigmask(SIG_BLOCK, &usr1, nullptr);

    pid_t child = LaunchChildProgram(kChildProgram, {"inherit", ScratchArgument("inherit")});

    ::pthread_sigmask(SIG_UNBLOCK, &usr1, nullptr);
    ::sigaction(SIGINT, &previous, nullptr);
    ::close(leaked[0]);
    ::close(leaked[1]);
    ASSERT_GT(child, 0);
    std::istringstream report(WaitForFile(Scratch("inherit")));
    std::string fds, sigint, blocked;
    report >> fds >> sigint >> blocked;
    EXPECT_TRUE(fds == "fds=0,1,2" || fds == "fds=0,1" || fds == "fds=1,2" || fds == "fds=0,2") << fds;
    EXPECT_EQ(sigint, "sigint=default");
    EXPECT_EQ(blocked, "blocked=0");
}

TEST_F(LauncherTest, ACrashingChildIsReaped) {
    pid_t child = LaunchChildProgram(kChildProgram, {"crash"});
    ASSERT_GT(child, 0);
    EXPECT_TRUE(WaitUntilGone(child)) << "no zombie may stay behind";
}

TEST_F(LauncherTest, AMissingProgramIsNamedWithItsFullPathAndNothingStarts) {
    platform::RecordingSink sink;
    EXPECT_EQ(LaunchChildProgram("no_such_program", {"x"}), -1);
    ASSERT_EQ(sink.MessageCount(), 1);
    std::string path = platform::Cp932ToUtf8(platform::ModuleDirectory().str()) + "/no_such_program";
    EXPECT_EQ(sink.LastMessageUtf8(), path + platform::Utf8(u8"\n実行ﾌｧｲﾙが見つかりません !!"));
}

TEST_F(LauncherTest, AProgramTheSystemRefusesIsReportedInTheSystemsWords) {
    std::string name = "not_executable_" + std::to_string(::getpid());
    std::string path = platform::Cp932ToUtf8(platform::ModuleDirectory().str()) + "/" + name;
    std::ofstream(path) << "plain text\n";
    platform::RecordingSink sink;
    EXPECT_EQ(LaunchChildProgram(CString(name), {}), -1);
    ::unlink(path.c_str());
    ASSERT_EQ(sink.MessageCount(), 1);
    EXPECT_EQ(sink.Events()[0].caption, CString("Error"));
    EXPECT_EQ(sink.Events()[0].type, static_cast<UINT>(MB_OK | MB_ICONINFORMATION));
    EXPECT_FALSE(sink.Events()[0].text.IsEmpty());
}

TEST(LaunchThrottleTest, RequestsWithinOneSecondOfThePreviousOneAreDropped) {
    process::LaunchThrottle throttle;
    EXPECT_TRUE(throttle.Allow(1000));
    EXPECT_FALSE(throttle.Allow(1000));
    EXPECT_FALSE(throttle.Allow(1001));
    // Counted from the last request, dropped or not: a click every second starts nothing.
    EXPECT_FALSE(throttle.Allow(1002));
    EXPECT_TRUE(throttle.Allow(1004));
    EXPECT_FALSE(throttle.Allow(1003)) << "a clock set back must not let a burst through";
}

TEST_F(LauncherTest, ARepeatedClickWithinOneSecondStartsOneChild) {
    process::LaunchThrottle throttle;
    std::vector<pid_t> started;
    for (const char* report : {"first", "second"}) {
        if (throttle.Allow()) {
            started.push_back(LaunchChildProgram(kChildProgram, {"args", ScratchArgument(report), report}));
        }
    }
    ASSERT_EQ(started.size(), 1u);
    EXPECT_EQ(WaitForFile(Scratch("first")), std::string("first") + '\0');
    EXPECT_TRUE(WaitUntilGone(started[0]));
    EXPECT_FALSE(std::filesystem::exists(Scratch("second")));
}

} // namespace
