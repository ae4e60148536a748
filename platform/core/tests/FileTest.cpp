#include "platform/core/CStdioFile.h"
#include "platform/core/CodePage.h"

#include "testsupport/FileBytes.h"
#include "testsupport/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

class FileTest : public ::testing::Test {
protected:
    std::string Path(const std::string& name) const { return temp_.File(name); }
    testsupport::TempDir temp_{"core_file"};
    const fs::path dir_ = temp_.Path();
};

} // namespace

TEST_F(FileTest, TextModeWritesCrLfAndReadsEitherLineEnd) {
    CStdioFile out;
    ASSERT_TRUE(out.Open(Path("a.txt").c_str(), CFile::modeCreate | CFile::modeWrite));
    out.WriteString("one\ntwo\n");
    out.Close();
    EXPECT_EQ(testsupport::ReadBytes(Path("a.txt")), "one\r\ntwo\r\n");

    testsupport::WriteBytes(Path("b.txt"), "crlf\r\nlf\nlone\rcr\r\nlast");
    CStdioFile in(Path("b.txt").c_str(), CFile::modeRead);
    CString line;
    std::vector<std::string> lines;
    while (in.ReadString(line)) {
        lines.push_back(line.str());
    }
    EXPECT_EQ(lines, (std::vector<std::string>{"crlf", "lf", "lone\rcr", "last"}));
}

// A line and its end in one write give the bytes the two writes gave: CR LF in text mode also
// inside the text, LF alone in binary mode, a line of any length whole.
TEST_F(FileTest, ALineWithItsEndIsWrittenAsTheTwoWritesWroteIt) {
    const std::vector<std::string> lines = {"",
                                            "record",
                                            "in\nside",
                                            std::string(256, 'a'),
                                            std::string(257, 'b'),
                                            std::string(3000, 'c') + "\n"};
    for (const UINT mode : {CFile::typeText, CFile::typeBinary}) {
        CStdioFile single;
        CStdioFile twice;
        ASSERT_TRUE(single.Open(Path("single.txt").c_str(), CFile::modeCreate | CFile::modeWrite | mode));
        ASSERT_TRUE(twice.Open(Path("twice.txt").c_str(), CFile::modeCreate | CFile::modeWrite | mode));
        for (const std::string& line : lines) {
            single.WriteStringAndLineEnd(line.c_str());
            twice.WriteString(line.c_str());
            twice.WriteString("\n");
        }
        single.Close();
        twice.Close();
        EXPECT_EQ(testsupport::ReadBytes(Path("single.txt")), testsupport::ReadBytes(Path("twice.txt")));
    }
    EXPECT_EQ(testsupport::ReadBytes(Path("single.txt")).substr(0, 20), "\nrecord\nin\nside\naaaa");
}

// Every other line passed over: the lines read are those a reading of every line gives, also
// where a line runs across the end of the stream's buffer (64 KiB) or past the longest line kept.
TEST_F(FileTest, SkippedLinesPassWholeAcrossBufferEndsAndTheFileEnd) {
    std::string text;
    std::vector<std::string> kept;
    for (int i = 0; text.size() < 3 * 64 * 1024; ++i) {
        const std::string skipped(static_cast<std::size_t>(i * 37 % 5000), 'x');
        kept.push_back("line " + std::to_string(i));
        text += skipped + "\r\n" + kept.back() + "\r\n";
    }
    text += std::string(CStdioFile::kLongestLine + 10, 'y') + "\r\nafter the long line\r\nlast skipped";
    kept.push_back("after the long line");
    testsupport::WriteBytes(Path("skip.txt"), text);
    CStdioFile in(Path("skip.txt").c_str(), CFile::modeRead);
    std::vector<std::string> read;
    CString line;
    while (in.SkipString() && in.ReadString(line)) {
        read.push_back(line.str());
    }
    EXPECT_EQ(read, kept);
    EXPECT_FALSE(in.SkipString()) << "the file's end";
}

TEST_F(FileTest, BoundedReadStringKeepsNewlineWhenItFits) {
    testsupport::WriteBytes(Path("c.txt"), "abcdef\r\n");
    CStdioFile in(Path("c.txt").c_str(), CFile::modeRead);
    char buffer[5];
    ASSERT_NE(in.ReadString(buffer, sizeof buffer), nullptr);
    EXPECT_STREQ(buffer, "abcd");
    ASSERT_NE(in.ReadString(buffer, sizeof buffer), nullptr);
    EXPECT_STREQ(buffer, "ef\n");
    EXPECT_EQ(in.ReadString(buffer, sizeof buffer), nullptr);
}

TEST_F(FileTest, OpenFailureReportsCauseAndName) {
    CFile file;
    CFileException error;
    EXPECT_FALSE(file.Open(Path("missing/x").c_str(), CFile::modeRead, &error));
    EXPECT_EQ(error.m_cause, CFileException::fileNotFound);
    EXPECT_EQ(error.m_strFileName, Path("missing/x").c_str());
    EXPECT_THROW(CStdioFile(Path("nope").c_str(), CFile::modeRead), CFileException);
}

TEST_F(FileTest, JapaneseFileNamesAreConvertedAtTheSystemCall) {
    CString name = CString(Path("").c_str()) + CString(u8"断面.sec");
    CStdioFile out;
    ASSERT_TRUE(out.Open(name, CFile::modeCreate | CFile::modeWrite));
    out.WriteString("x\n");
    out.Close();
    EXPECT_TRUE(fs::exists(dir_ / fs::u8path(platform::Cp932ToUtf8(CString(u8"断面.sec").str()))));
}

TEST_F(FileTest, BinaryReadWriteSeekAndLength) {
    CFile file;
    ASSERT_TRUE(file.Open(Path("d.bin").c_str(), CFile::modeCreate | CFile::modeReadWrite));
    file.Write("\x01\x02\x03\x04", 4);
    EXPECT_EQ(file.GetLength(), 4);
    file.Seek(1, CFile::begin);
    char buffer[8] = {};
    EXPECT_EQ(file.Read(buffer, 8), 3u);
    EXPECT_EQ(buffer[0], '\x02');
    file.Close();
    CFile::Remove(Path("d.bin").c_str());
    EXPECT_THROW(CFile::Remove(Path("d.bin").c_str()), CFileException);
}

TEST(FileExceptionCauses, ErrnoMapsToFrameworkCauses) {
    EXPECT_EQ(CFileException::OsErrorToException(ENOENT), CFileException::fileNotFound);
    EXPECT_EQ(CFileException::OsErrorToException(ENOSPC), CFileException::diskFull);
    EXPECT_EQ(CFileException::OsErrorToException(EDQUOT), CFileException::diskFull);
    EXPECT_EQ(CFileException::OsErrorToException(EFBIG), CFileException::genericException);
    EXPECT_EQ(CFileException::OsErrorToException(EACCES), CFileException::accessDenied);
}
