#include "common/process/CNamedMutex.h"
#include "common/process/InstanceControl.h"
#include "platform/core/RecordingSink.h"
#include "testsupport/TempDir.h"

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Each test gets its own runtime directory, so parallel test processes never meet.
class NamedMutexTest : public ::testing::Test {
protected:
    void SetUp() override { ::setenv("XDG_RUNTIME_DIR", dir_.c_str(), 1); }
    testsupport::TempDir temp_{"vproc"};
    const std::string dir_ = temp_.Path().string();
};

TEST_F(NamedMutexTest, SecondCreateFindsTheHolderUntilReleased) {
    CNamedMutex first;
    CNamedMutex second;
    EXPECT_FALSE(CNamedMutex::Exists("Verrant TEST 01"));
    EXPECT_EQ(first.Create("Verrant TEST 01"), CNamedMutex::CreateResult::Created);
    EXPECT_TRUE(CNamedMutex::Exists("Verrant TEST 01"));
    EXPECT_EQ(second.Create("Verrant TEST 01"), CNamedMutex::CreateResult::AlreadyExists);
    first.Release();
    EXPECT_FALSE(CNamedMutex::Exists("Verrant TEST 01"));
    EXPECT_EQ(second.Create("Verrant TEST 01"), CNamedMutex::CreateResult::Created);
}

TEST_F(NamedMutexTest, KilledHolderLeavesNothingBehind) {
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    pid_t child = ::fork();
    if (child == 0) {
        CNamedMutex held;
        char ok = held.Create("Verrant KILLED 01") == CNamedMutex::CreateResult::Created ? '1' : '0';
        (void)!::write(ready[1], &ok, 1);
        ::pause();
        ::_exit(0);
    }
    char ok = 0;
    ASSERT_EQ(::read(ready[0], &ok, 1), 1);
    EXPECT_EQ(ok, '1');
    EXPECT_TRUE(CNamedMutex::Exists("Verrant KILLED 01"));
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    EXPECT_FALSE(CNamedMutex::Exists("Verrant KILLED 01"));
    CNamedMutex next;
    EXPECT_EQ(next.Create("Verrant KILLED 01"), CNamedMutex::CreateResult::Created);
    ::close(ready[0]);
    ::close(ready[1]);
}

TEST_F(NamedMutexTest, DoubleStartRefusesWithTheProgramName) {
    platform::RecordingSink sink;
    CNamedMutex other;
    ASSERT_EQ(other.Create("Verrant BASNEV 01"), CNamedMutex::CreateResult::Created);
    EXPECT_FALSE(CheckDoubleStart("Verrant", "BASNEV", FALSE));
    EXPECT_EQ(sink.LastMessageUtf8(), platform::Utf8(u8"[Verrant BASNEV.EXE] は既に起動されています"));
}

TEST_F(NamedMutexTest, DoubleStartAsksForASecondInstanceAndRefusesAThird) {
    platform::RecordingSink sink;
    CNamedMutex first;
    ASSERT_EQ(first.Create("Verrant TORVAN 01"), CNamedMutex::CreateResult::Created);
    sink.QueueAnswer(IDYES);
    EXPECT_TRUE(CheckDoubleStart("Verrant", "TORVAN", TRUE));
    EXPECT_TRUE(CNamedMutex::Exists("Verrant TORVAN 02"));
    EXPECT_FALSE(CheckDoubleStart("Verrant", "TORVAN", TRUE));
    EXPECT_EQ(sink.LastMessageUtf8(), platform::Utf8(u8"[Verrant TORVAN.EXE] は既に二重起動されています"));
    ReleaseInstanceMutex();
    EXPECT_FALSE(CNamedMutex::Exists("Verrant TORVAN 02"));
}

TEST_F(NamedMutexTest, SingleInstanceTestsAnotherProgram) {
    CNamedMutex running;
    ASSERT_EQ(running.Create("Verrant BASNEV 01"), CNamedMutex::CreateResult::Created);
    EXPECT_FALSE(CheckSingleInstance("Verrant", "BASNEV"));
    running.Release();
    EXPECT_TRUE(CheckSingleInstance("Verrant", "BASNEV"));
    ReleaseInstanceMutex();
}

} // namespace
