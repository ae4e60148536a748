#include "platform/core/CStdioFile.h"
#include "platform/core/CodePage.h"

#include "testsupport/FileBytes.h"
#include "testsupport/TempDir.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <string_view>
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
    in.ReadAsPlainText();
    std::vector<std::string> read;
    CString line;
    while (in.SkipString() && in.ReadString(line)) {
        read.push_back(line.str());
    }
    EXPECT_EQ(read, kept);
    EXPECT_FALSE(in.SkipString()) << "the file's end";
}

// A text file ends its reading at a line that holds a NUL or reaches the longest line without
// being asked: the lines before read as written, that line is the last one, and what follows
// (whole lines, or 2 GB of a hole) is never read, whichever line read meets it.
TEST_F(FileTest, ATextFileEndsItsReadingAtANulOrAnOverlongLine) {
    using namespace std::string_literals;
    const std::string whole = "TITLE one\r\nNODE\r\n";
    struct Shape {
        const char* name;
        std::string bytes;
        std::uint64_t size; // zero bytes up to here, as a hole
    };
    const std::vector<Shape> shapes = {
        {"whole lines, then NULs to 2 GB", whole, std::uint64_t{2} << 30},
        {"a NUL inside a line", whole + "ab\0cd\r\nEND\r\n"s, 0},
        {"a line over 64 KiB", whole + std::string(CStdioFile::kLongestLine + 10, 'x') + "\r\nEND\r\n", 0},
    };
    enum class Form { kString, kView, kSkip };
    for (const Shape& shape : shapes) {
        for (const Form form : {Form::kString, Form::kView, Form::kSkip}) {
            SCOPED_TRACE(shape.name + std::string(" read by form ") + std::to_string(static_cast<int>(form)));
            testsupport::WriteSparseFile(Path("records.txt"), shape.bytes,
                                         std::max<std::uint64_t>(shape.size, shape.bytes.size()));
            const long long before = testsupport::BytesReadByProcess();
            CStdioFile in(Path("records.txt").c_str(), CFile::modeRead);
            std::vector<std::string> lines;
            CString line;
            std::string_view view;
            for (;;) {
                const BOOL read = form == Form::kString ? in.ReadString(line)
                                  : form == Form::kView ? in.ReadStringView(view)
                                                        : in.SkipString();
                if (!read) {
                    break;
                }
                lines.emplace_back(form == Form::kString ? line.str() : std::string(view));
            }
            ASSERT_EQ(lines.size(), 3u) << "the line that ends the file is the last one read";
            if (form != Form::kSkip) {
                EXPECT_EQ(lines[1], "NODE");
                EXPECT_LE(lines[2].size(), CStdioFile::kLongestLine);
            }
            EXPECT_LT(testsupport::BytesReadByProcess() - before, 1LL << 20) << "bytes read";
        }
    }
}

// A reader of plain text that asks for it, and a binary stream, read on past such a line: the
// lines after it follow, also when the object opens the file again.
TEST_F(FileTest, PlainTextAndBinaryReadingsGoOnPastANulOrAnOverlongLine) {
    using namespace std::string_literals;
    const std::string longLine(CStdioFile::kLongestLine + 10, 'x');
    testsupport::WriteBytes(Path("plain.txt"), "ab\0cd\n"s + longLine + "\nlast\n");
    const std::vector<std::string> expected = {"ab\0cd"s, longLine.substr(0, CStdioFile::kLongestLine),
                                               "last"};
    for (const UINT mode : {CFile::typeText, CFile::typeBinary}) {
        SCOPED_TRACE(mode == CFile::typeText ? "plain text" : "binary");
        CStdioFile in;
        if (mode == CFile::typeText) {
            in.ReadAsPlainText();
        }
        for (int open = 0; open < 2; ++open) {
            ASSERT_TRUE(in.Open(Path("plain.txt").c_str(), CFile::modeRead | mode));
            std::vector<std::string> lines;
            for (CString line; in.ReadString(line);) {
                lines.push_back(line.str());
            }
            EXPECT_EQ(lines, expected);
            EXPECT_FALSE(in.EndedAtNonTextLine());
            in.Close();
        }
    }
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
