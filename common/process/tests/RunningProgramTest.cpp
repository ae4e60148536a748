// The base menu tells which children run by testing their mutex names. The test must
// never take a child's name over (the name would outlive the child), and a base menu
// killed and started again must find nothing of its own left to report.

#include "ChildProcessTest.h"
#include "common/process/CNamedMutex.h"
#include "common/process/ChildLauncher.h"
#include "platform/core/RecordingSink.h"

#include <csignal>

namespace {

using process_test::ChildProcessTest;
using process_test::WaitForFile;
using process_test::WaitUntilGone;

class RunningProgramTest : public ChildProcessTest {
protected:
    pid_t StartHolder(const char* name, const std::string& ready) {
        pid_t child = LaunchChildProgram(process_test::kChildProgram, {"hold", name, ScratchArgument(ready)});
        return WaitForFile(Scratch(ready)) == "1" ? child : -1;
    }
};

TEST_F(RunningProgramTest, TestingAChildsNameNeverKeepsItAfterTheChildEnds) {
    platform::RecordingSink sink;
    pid_t child = StartHolder("Verrant TORVAN 01", "ready");
    ASSERT_GT(child, 0);
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(CNamedMutex::Exists("Verrant TORVAN 01"));
    }
    ::kill(child, SIGKILL);
    ASSERT_TRUE(WaitUntilGone(child));
    EXPECT_FALSE(CNamedMutex::Exists("Verrant TORVAN 01"));
    CNamedMutex next;
    EXPECT_EQ(next.Create("Verrant TORVAN 01"), CNamedMutex::CreateResult::Created);
    EXPECT_EQ(sink.MessageCount(), 0);
}

TEST_F(RunningProgramTest, AKilledBaseMenuLeavesNothingToReportAfterItsRestart) {
    pid_t child = StartHolder("Verrant TORVAN 01", "child");
    pid_t baseMenu = StartHolder("Verrant BASNEV 01", "basnev");
    ASSERT_GT(child, 0);
    ASSERT_GT(baseMenu, 0);
    ::kill(baseMenu, SIGKILL);
    ASSERT_TRUE(WaitUntilGone(baseMenu));

    // The restarted base menu: its own name is free, the child still counts as running,
    // and nothing is reported.
    platform::RecordingSink sink;
    CNamedMutex restarted;
    EXPECT_EQ(restarted.Create("Verrant BASNEV 01"), CNamedMutex::CreateResult::Created);
    EXPECT_TRUE(CNamedMutex::Exists("Verrant TORVAN 01"));
    ::kill(child, SIGKILL);
    ASSERT_TRUE(WaitUntilGone(child));
    EXPECT_FALSE(CNamedMutex::Exists("Verrant TORVAN 01"));
    EXPECT_EQ(sink.MessageCount(), 0);
}

} // namespace
