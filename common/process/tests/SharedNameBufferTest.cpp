#include "common/process/CSharedNameBuffer.h"
#include "testsupport/TempDir.h"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

class SharedNameBufferTest : public ::testing::Test {
protected:
    void SetUp() override { ::setenv("XDG_RUNTIME_DIR", dir_.c_str(), 1); }
    testsupport::TempDir temp_{"vshm"};
    const std::string dir_ = temp_.Path().string();
};

TEST_F(SharedNameBufferTest, ChildSeesWhatTheOwnerHolds) {
    CSharedNameBuffer owner;
    CSharedNameBuffer child;
    EXPECT_FALSE(child.Open());
    ASSERT_TRUE(owner.Create());
    EXPECT_EQ(owner.Read(), CString(""));
    ASSERT_TRUE(child.Open());
    CString name(u8"/データ/斜面 1.sec");
    EXPECT_TRUE(child.Write(name));
    EXPECT_EQ(owner.Read(), name);
}

TEST_F(SharedNameBufferTest, ANameLongerThanTheBufferIsRefusedNotCut) {
    CSharedNameBuffer owner;
    ASSERT_TRUE(owner.Create());
    ASSERT_TRUE(owner.Write("kept"));
    EXPECT_TRUE(owner.Write(CString('a', 199)));
    EXPECT_FALSE(owner.Write(CString('b', 200)));
    EXPECT_EQ(owner.Read(), CString('a', 199));
}

TEST_F(SharedNameBufferTest, AKilledOwnersSegmentIsRemovedAndANewOneMadeZeroed) {
    const pid_t killedOwner = ::fork();
    if (killedOwner == 0) {
        CSharedNameBuffer buffer;
        ::_exit(buffer.Create() && buffer.Write("stale") ? 0 : 1); // never closed
    }
    int status = 0;
    ::waitpid(killedOwner, &status, 0);
    ASSERT_EQ(status, 0);
    const std::string stale = CSharedNameBuffer::SystemName("BASNEVFILENAME");
    ASSERT_FALSE(stale.empty());

    CSharedNameBuffer owner;
    ASSERT_TRUE(owner.Create());
    EXPECT_NE(CSharedNameBuffer::SystemName("BASNEVFILENAME"), stale);
    EXPECT_EQ(::shm_open(stale.c_str(), O_RDONLY, 0), -1);
    CSharedNameBuffer child;
    ASSERT_TRUE(child.Open());
    EXPECT_EQ(child.Read(), CString(""));
    owner.Close();
    EXPECT_FALSE(CSharedNameBuffer().Open());
    EXPECT_EQ(CSharedNameBuffer::SystemName("BASNEVFILENAME"), "");
}

// Names in the shared-memory directory are open to every user: the owner's name cannot be
// foreseen, and a name planted for the children is not taken.
TEST_F(SharedNameBufferTest, NoNameCanBeTakenFirstOrPlanted) {
    CSharedNameBuffer first;
    ASSERT_TRUE(first.Create());
    const std::string firstName = CSharedNameBuffer::SystemName("BASNEVFILENAME");
    first.Close();
    CSharedNameBuffer second;
    ASSERT_TRUE(second.Create());
    EXPECT_NE(CSharedNameBuffer::SystemName("BASNEVFILENAME"), firstName);
    second.Close();

    const std::string planted = "/verrant-planted-BASNEVFILENAME";
    int fd = ::shm_open(planted.c_str(), O_RDWR | O_CREAT, 0600);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::ftruncate(fd, CSharedNameBuffer::kSize), 0);
    ::close(fd);
    std::ofstream(CSharedNameBuffer::PublishedNamePath("BASNEVFILENAME")) << planted;
    CSharedNameBuffer child;
    EXPECT_FALSE(child.Open());
    EXPECT_EQ(child.LastFailure(), CSharedNameBuffer::Failure::Missing);
    ::shm_unlink(planted.c_str());
}

TEST_F(SharedNameBufferTest, ASegmentOfAnotherSizeIsRefused) {
    CSharedNameBuffer owner;
    ASSERT_TRUE(owner.Create());
    int fd = ::shm_open(CSharedNameBuffer::SystemName("BASNEVFILENAME").c_str(), O_RDWR, 0);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::ftruncate(fd, 4096), 0);
    ::close(fd);
    CSharedNameBuffer child;
    EXPECT_FALSE(child.Open());
    EXPECT_EQ(child.LastFailure(), CSharedNameBuffer::Failure::Unusable);
}

} // namespace

// Killed base menus on other displays (whose published names the next one never sees) used
// to leave their segments for good; an owner still running anywhere keeps its own.
TEST_F(SharedNameBufferTest, ANewOwnerRemovesEverySegmentNobodyHoldsAndKeepsTheLiveOnes) {
    char token[33];
    std::snprintf(token, sizeof token, "%032x", static_cast<unsigned>(::getpid()));
    const std::string orphan = "/verrant-" + std::to_string(::getuid()) + "-BASNEVFILENAME-" + token;
    const int fd = ::shm_open(orphan.c_str(), O_RDWR | O_CREAT | O_EXCL, 0600);
    ASSERT_GE(fd, 0);
    ::close(fd);
    testsupport::TempDir otherDisplay("vshm-other");
    ::setenv("XDG_RUNTIME_DIR", otherDisplay.Path().c_str(), 1);
    CSharedNameBuffer elsewhere;
    ASSERT_TRUE(elsewhere.Create());
    const std::string live = CSharedNameBuffer::SystemName("BASNEVFILENAME");

    ::setenv("XDG_RUNTIME_DIR", dir_.c_str(), 1);
    CSharedNameBuffer owner;
    ASSERT_TRUE(owner.Create());
    struct Case {
        std::string name;
        bool kept;
    };
    for (const Case& c : {Case{orphan, false}, Case{live, true}}) {
        SCOPED_TRACE(c.name);
        const int opened = ::shm_open(c.name.c_str(), O_RDONLY, 0);
        EXPECT_EQ(opened >= 0, c.kept);
        if (opened >= 0) {
            ::close(opened);
        }
    }
    ::shm_unlink(orphan.c_str());
}
