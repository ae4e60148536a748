#include "common/process/CSharedNameBuffer.h"

#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/mman.h>
#include <unistd.h>

namespace {

class SharedNameBufferTest : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/vshm_XXXXXX";
        dir_ = ::mkdtemp(pattern);
        ::setenv("XDG_RUNTIME_DIR", dir_.c_str(), 1);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    std::string dir_;
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

TEST_F(SharedNameBufferTest, StaleSegmentIsReplacedZeroed) {
    std::string name = CSharedNameBuffer::SystemName("BASNEVFILENAME");
    int fd = ::shm_open(name.c_str(), O_RDWR | O_CREAT, 0600);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::ftruncate(fd, 4096), 0);
    ::close(fd);
    CSharedNameBuffer child;
    EXPECT_FALSE(child.Open()); // wrong size: not the owner's buffer
    CSharedNameBuffer owner;
    ASSERT_TRUE(owner.Create());
    EXPECT_TRUE(child.Open());
    owner.Close();
    EXPECT_FALSE(CSharedNameBuffer().Open());
}

} // namespace
