#include "platform/core/ProfileFile.h"

#include "platform/core/RecordingSink.h"

#include "testsupport/ChildProcess.h"
#include "testsupport/FileBytes.h"
#include "testsupport/TempDir.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

class ProfileFileTest : public ::testing::Test {
protected:
    void Put(const std::string& bytes) { testsupport::WriteBytes(path_, bytes); }
    std::string Bytes() const { return testsupport::ReadBytes(path_); }
    testsupport::TempDir dir_{"profiletest"};
    const std::string path_ = dir_.File("TEST.INI");
};

TEST_F(ProfileFileTest, ReadsValuesWithLeadingBlanksAndDefaults) {
    Put("[Font]\r\nFace= MS Gothic\r\nSize=12\r\n[Other]\r\nSize=99\r\n");
    platform::ProfileFile ini(path_.c_str());
    EXPECT_EQ(ini.GetString("Font", "Face", "x"), " MS Gothic");
    EXPECT_EQ(ini.GetInt("Font", "Size", 0), 12);
    EXPECT_EQ(ini.GetInt("Font", "Missing", 7), 7);
    EXPECT_EQ(ini.GetString("None", "Size", "d"), "d");
    EXPECT_EQ(ini.GetInt("Other", "Size", 0), 99);
}

TEST_F(ProfileFileTest, MissingFileGivesDefaultsAndIsCreatedOnWrite) {
    platform::ProfileFile ini(path_.c_str());
    EXPECT_EQ(ini.GetString("A", "B", "def"), "def");
    ASSERT_TRUE(ini.WriteString("A", "B", "1,2, 3"));
    EXPECT_EQ(Bytes(), "[A]\r\nB=1,2, 3\r\n");
}

TEST_F(ProfileFileTest, WriteChangesOnlyTheKeyLineByteExact) {
    // LF-only lines, a comment and Japanese bytes must survive untouched.
    const std::string before =
        "; note\n[Font]\nFace=\x82\x6c\x82\x72 \x96\xbe\x92\xa9\nSize=10\n\n[Print]\nRows=56\n";
    Put(before);
    platform::ProfileFile ini(path_.c_str());
    ASSERT_TRUE(ini.WriteInt("Font", "Size", 11));
    EXPECT_EQ(Bytes(),
              "; note\n[Font]\nFace=\x82\x6c\x82\x72 \x96\xbe\x92\xa9\nSize=11\n\n[Print]\nRows=56\n");
    EXPECT_EQ(ini.GetString("Font", "Face"), CString("\x82\x6c\x82\x72 \x96\xbe\x92\xa9"));
}

TEST_F(ProfileFileTest, NewKeyGoesAtTheEndOfItsSectionAndNewSectionAtTheEnd) {
    Put("[A]\r\nx=1\r\n\r\n[B]\r\ny=2");
    platform::ProfileFile ini(path_.c_str());
    ASSERT_TRUE(ini.WriteString("A", "z", "3"));
    ASSERT_TRUE(ini.WriteString("B", "w", "4"));
    ASSERT_TRUE(ini.WriteString("C", "v", "5"));
    EXPECT_EQ(Bytes(), "[A]\r\nx=1\r\nz=3\r\n\r\n[B]\r\ny=2\r\nw=4\r\n[C]\r\nv=5\r\n");
    // The same values in one write, one of them twice, give the same bytes.
    Put("[A]\r\nx=1\r\n\r\n[B]\r\ny=2");
    ASSERT_TRUE(ini.WriteStrings({{"A", "z", "0"}, {"B", "w", "4"}, {"C", "v", "5"}, {"A", "z", "3"}}));
    EXPECT_EQ(Bytes(), "[A]\r\nx=1\r\nz=3\r\n\r\n[B]\r\ny=2\r\nw=4\r\n[C]\r\nv=5\r\n");
}

TEST_F(ProfileFileTest, FailedWriteLeavesNoFile) {
    platform::ProfileFile ini(dir_.File("missing/dir/X.INI").c_str());
    EXPECT_FALSE(ini.WriteString("A", "B", "C"));
}

// A damaged settings file of a gigabyte: look-ups read its first part once and find the
// values there (the child has 256 MB to spare), and it is never rewritten.
TEST_F(ProfileFileTest, AHugeFileIsReadOnceAsFarAsASettingsFileGoesAndNeverWritten) {
    const std::string head = "[Slots]\r\nFile1=a.sec\r\n";
    Put(head);
    std::filesystem::resize_file(path_, (std::uintmax_t{1} << 30) + head.size()); // a hole of zeros
    const std::string path = path_;
    const int result = testsupport::RunInChildWithMemoryLimit(256 << 20, [&path] {
        platform::ProfileFile ini(path.c_str());
        for (int i = 0; i < 200; ++i) {
            if (ini.GetString("Slots", "File1", "") != "a.sec" || ini.GetInt("Slots", "File2", 7) != 7) {
                return 10;
            }
        }
        return ini.WriteString("Slots", "File1", "b.sec") ? 11 : 0;
    });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(std::filesystem::file_size(path_), (std::uintmax_t{1} << 30) + head.size());
}

// A settings file that cannot be read as one is not skipped in silence: the user hears once,
// however many values the program reads and writes, that its settings are not kept.
TEST_F(ProfileFileTest, AFifoADirectoryASocketOrAHugeFileAtTheNameIsToldOnce) {
    const std::string fifo = dir_.File("FIFO.INI");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string directory = dir_.File("DIR.INI");
    std::filesystem::create_directory(directory);
    const std::string socketPath = dir_.File("SOCKET.INI");
    const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(socketPath.size(), sizeof address.sun_path);
    socketPath.copy(address.sun_path, socketPath.size());
    ASSERT_EQ(::bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    const std::string huge = dir_.File("HUGE.INI");
    testsupport::WriteBytes(huge, "[A]\r\nx=1\r\n");
    std::filesystem::resize_file(huge, platform::ProfileFile::kLargestFile + 1);

    for (const std::string& path : {fifo, directory, socketPath, huge}) {
        SCOPED_TRACE(path);
        platform::RecordingSink sink;
        platform::ProfileFile ini(path.c_str());
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(ini.GetInt("A", "y", 7), 7);
            EXPECT_FALSE(ini.WriteString("A", "y", "1"));
        }
        const std::vector<std::string> messages = sink.MessagesUtf8();
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages.front().rfind(path + "\n", 0), 0u) << messages.front();
        EXPECT_NE(messages.front().find(reinterpret_cast<const char*>(u8"設定は保存されません")),
                  std::string::npos);
    }
    ::close(listener);
    EXPECT_EQ(platform::ProfileFile(huge.c_str()).GetString("A", "x", ""), "1"); // the part read still counts
}

// A program that only reads its settings hears of the FIFO or directory at the name too, and
// why: reading alone tells it, once.
TEST_F(ProfileFileTest, AFifoOrADirectoryOnlyReadIsToldOnceThatItIsNoSettingsFile) {
    const std::string fifo = dir_.File("READ-FIFO.INI");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string directory = dir_.MakeDirectory("READ-DIR.INI");
    for (const std::string& path : {fifo, directory}) {
        SCOPED_TRACE(path);
        platform::RecordingSink sink;
        platform::ProfileFile ini(path.c_str());
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(ini.GetString("A", "x", "d"), "d");
            EXPECT_EQ(ini.GetInt("A", "y", 7), 7);
        }
        EXPECT_EQ(
            sink.MessagesUtf8(),
            std::vector<std::string>{
                path + platform::Utf8(u8"\n設定ﾌｧｲﾙではないため、読み込めません。設定は保存されません")});
    }
}

} // namespace
