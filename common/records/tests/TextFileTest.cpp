#include "testsupport/ChildProcess.h"
#include "testsupport/FileBytes.h"
#include "testsupport/Fixtures.h"

#include "common/records/CBinaryFile.h"
#include "common/records/CTextFile.h"
#include "common/records/LineBatch.h"
#include "platform/core/RecordingSink.h"
#include "platform/core/SafeFileWriter.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

using platform::RecordingSink;
using platform::Utf8;
namespace fs = std::filesystem;

class TextFileTest : public testsupport::TempDirTest {};

TEST_F(TextFileTest, WritesCrLfLinesAndCountsReadLines) {
    CTextFile out;
    ASSERT_EQ(out.Open(Path("a.txt").c_str(), CFile::modeCreate | CFile::modeWrite), 1);
    EXPECT_EQ(out.WriteLine("abc"), 1);
    out.WriteLine(CString(u8"断面"));
    out.Close();
    EXPECT_EQ(testsupport::ReadBytes(Path("a.txt")), "abc\r\n\x92\x66\x96\xCA\r\n");

    CTextFile in;
    ASSERT_EQ(in.Open(Path("a.txt").c_str(), CFile::modeRead), 1);
    char buffer[82];
    EXPECT_EQ(in.ReadLine(buffer, sizeof buffer), 1);
    EXPECT_STREQ(buffer, "abc");
    EXPECT_EQ(in.ReadLine(buffer, sizeof buffer), 1);
    EXPECT_EQ(in.GetLineCount(), 2);
    EXPECT_EQ(sink_.MessageCount(), 0);
}

TEST_F(TextFileTest, OpenFailureShowsCauseAndPathOnce) {
    CTextFile in;
    EXPECT_EQ(in.Open(Path("missing.sec").c_str(), CFile::modeRead), 0);
    ASSERT_EQ(sink_.MessageCount(), 1);
    EXPECT_EQ(sink_.BeepCount(), 1);
    EXPECT_EQ(sink_.LastMessageUtf8(),
              Utf8(u8"ﾌｧｲﾙを開く際にｴﾗｰが発生しました(ｴﾗｰ番号2)\n ") + Path("missing.sec"));
}

// Opened through the framework's base class, the record files still report a failure.
TEST_F(TextFileTest, RecordFilesOpenedAsACFileStillShowTheOpenMessage) {
    CTextFile text;
    CBinaryFile binary;
    for (CFile* file : std::initializer_list<CFile*>{&text, &binary}) {
        sink_.Clear();
        CFileException cause;
        EXPECT_FALSE(file->Open(Path("missing.dat").c_str(), CFile::modeRead, &cause));
        EXPECT_EQ(cause.m_cause, CFileException::fileNotFound);
        EXPECT_EQ(sink_.MessageCount(), 1);
        EXPECT_NE(sink_.LastMessageUtf8().find(Path("missing.dat")), std::string::npos);
    }
}

TEST_F(TextFileTest, EndOfFileIsAMessageForReadLineAndQuietForReadLineStatus) {
    testsupport::WriteBytes(Path("b.txt"), "last line without end");
    CTextFile in;
    ASSERT_EQ(in.Open(Path("b.txt").c_str(), CFile::modeRead), 1);
    char buffer[82];
    EXPECT_EQ(in.ReadLine(buffer, sizeof buffer), 1);
    EXPECT_STREQ(buffer, "last line without end");
    int status = -1;
    EXPECT_EQ(in.ReadLineStatus(buffer, sizeof buffer, status), 0);
    EXPECT_EQ(status, 1);
    EXPECT_EQ(sink_.MessageCount(), 0);
    EXPECT_EQ(in.ReadLine(buffer, sizeof buffer), 0);
    EXPECT_EQ(sink_.MessagesUtf8(),
              std::vector<std::string>{Utf8(u8"ﾌｧｲﾙが途中で終了しているため、読み込みできません")});
}

TEST_F(TextFileTest, AnOverlongLineIsCutAndNeverBecomesAnExtraRecord) {
    // 6 bytes + CR LF into a buffer of 6 (5 bytes): the rest of the line is skipped.
    testsupport::WriteBytes(Path("c.txt"),
                            "abcdef\r\nnext\r\n" + std::string("ab\x92\x66\x96\xCA", 6) + "\r\n");
    CTextFile in;
    ASSERT_EQ(in.Open(Path("c.txt").c_str(), CFile::modeRead), 1);
    char buffer[6];
    int status;
    ASSERT_EQ(in.ReadLineStatus(buffer, sizeof buffer, status), 1);
    EXPECT_STREQ(buffer, "abcde");
    ASSERT_EQ(in.ReadLineStatus(buffer, sizeof buffer, status), 1);
    EXPECT_STREQ(buffer, "next");
    // "ab" + two double-byte characters = 6 bytes; 5 fit, but the cut keeps whole characters.
    ASSERT_EQ(in.ReadLineStatus(buffer, sizeof buffer, status), 1);
    EXPECT_EQ(std::string(buffer), std::string("ab\x92\x66", 4));
    EXPECT_EQ(in.ReadLineStatus(buffer, sizeof buffer, status), 0);
    EXPECT_EQ(status, 1);
}

TEST_F(TextFileTest, WholeLinesOfAnyLengthForPathRecords) {
    std::string longPath = "SEFIL     /" + std::string(300, 'p') + "/slope.sec";
    testsupport::WriteBytes(Path("d.txt"), longPath + "\n");
    CTextFile in;
    ASSERT_EQ(in.Open(Path("d.txt").c_str(), CFile::modeRead), 1);
    CString line;
    EXPECT_EQ(in.ReadLine(line), 1);
    EXPECT_EQ(line.str(), longPath);
    EXPECT_EQ(in.ReadLine(line), 0);
}

TEST_F(TextFileTest, ReadErrorIsReportedAndThrownOn) {
    CTextFile in;
    ASSERT_EQ(in.Open("/proc/self/mem", CFile::modeRead), 1); // opens, but its first page is never mapped
    char buffer[82];
    int status = -1;
    EXPECT_THROW(in.ReadLineStatus(buffer, sizeof buffer, status), CFileException);
    EXPECT_EQ(status, 2);
    EXPECT_EQ(sink_.LastMessageUtf8(), Utf8(u8"ﾌｧｲﾙ読み込みｴﾗｰです"));
    EXPECT_EQ(sink_.BeepCount(), 1);
}

// Lines gathered in a batch are the bytes WriteLine gives them one by one, in a text and a
// binary file: across the batch's buffer, with a line end inside a line, longer than the
// buffer, empty.
TEST_F(TextFileTest, ABatchOfLinesWritesWhatWriteLineWrites) {
    std::vector<std::string> lines;
    for (int i = 0; i < 5000; ++i) {
        lines.push_back(std::string(static_cast<std::size_t>(i % 37), static_cast<char>('a' + i % 26)));
    }
    lines.insert(lines.begin() + 2000, "two\nparts");
    lines.insert(lines.begin() + 3000, std::string(70000, 'x'));
    for (UINT type : {0U, static_cast<UINT>(CFile::typeBinary)}) {
        CTextFile byLine;
        CTextFile byBatch;
        ASSERT_EQ(byLine.Open(Path("line.txt").c_str(), CFile::modeCreate | CFile::modeWrite | type), 1);
        ASSERT_EQ(byBatch.Open(Path("batch.txt").c_str(), CFile::modeCreate | CFile::modeWrite | type), 1);
        LineBatch batch(byBatch);
        for (const std::string& line : lines) {
            byLine.WriteLine(line.c_str());
            batch.Add(line);
        }
        batch.Flush();
        byLine.Close();
        byBatch.Close();
        EXPECT_EQ(testsupport::ReadBytes(Path("batch.txt")), testsupport::ReadBytes(Path("line.txt")))
            << type;
    }
}

namespace {

const char8_t kDiskFull[] = u8"ﾃﾞｨｽｸが一杯のため、ﾌｧｲﾙ書き込みできません";
const char8_t kWriteError[] = u8"ﾌｧｲﾙ書き込みｴﾗｰです";

// The child's answer on a write that failed past its file-size limit: 0 when the one
// message is the write error (the disk is not full) and the error number came with it.
int ToldAsWriteError(const RecordingSink& sink, const CFileException& error) {
    const bool told = sink.MessagesUtf8() == std::vector<std::string>{Utf8(kWriteError)};
    return told && error.m_cause == CFileException::genericException && error.m_lOsError == EFBIG ? 0 : 11;
}

} // namespace

// A child process with a 1 kB file-size limit writes past it: the write error comes, not the
// full disk's message, whether a line's write, a batch's or the close's flush meets the limit.
TEST_F(TextFileTest, AWriteBeyondTheFileSizeLimitIsAWriteErrorNotAFullDisk) {
    const std::string path = Path("full.txt");
    struct Run {
        int lines;
        bool batched;
    };
    for (const Run run : {Run{100000, false}, Run{40, false}, Run{100000, true}}) {
        const int result = testsupport::RunInChildWithFileSizeLimit(1024, [&path, run] {
            RecordingSink sink;
            CTextFile out;
            if (!out.Open(path.c_str(), CFile::modeCreate | CFile::modeWrite)) {
                return 10;
            }
            try {
                const char* const line = "0123456789012345678901234567890123456789";
                LineBatch batch(out);
                for (int i = 0; i < run.lines; ++i) {
                    if (run.batched) {
                        batch.Add(line);
                    } else {
                        out.WriteLine(line);
                    }
                }
                batch.Flush();
                out.Close();
            } catch (const CFileException& error) {
                return ToldAsWriteError(sink, error);
            }
            return 12;
        });
        EXPECT_EQ(result, 0) << run.lines << " lines, batched " << run.batched;
    }
}

// A save that outgrows the file-size limit after a megabyte, where its file starts the
// writeback of what it wrote: the save fails with the write error and the old file stays.
TEST_F(TextFileTest, ASaveBeyondTheFileSizeLimitFailsWithTheWriteErrorAndKeepsTheOldFile) {
    const std::string path = Path("model.sec");
    ASSERT_TRUE(platform::WriteFileSafely(path.c_str(), "old\r\n"));
    const int result = testsupport::RunInChildWithFileSizeLimit((1 << 20) + 1000, [&path] {
        RecordingSink sink;
        platform::SafeFileWriter writer(path.c_str());
        CTextFile out;
        if (!out.Open(writer, CFile::modeCreate | CFile::modeWrite)) {
            return 10;
        }
        try {
            for (int i = 0; i < 60000; ++i) {
                out.WriteLine("0123456789012345678901234567890123456789");
            }
            out.Close();
        } catch (const CFileException& error) {
            return ToldAsWriteError(sink, error);
        }
        return CommitWithMessage(writer) ? 12 : 13;
    });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(testsupport::ReadBytes(path), "old\r\n");
}

// Only a full disk, the user's share of it included, is told as one: a save whose sync meets
// the file-size limit or a device error gets the write error.
TEST_F(TextFileTest, OnlyAFullDiskIsToldAsOne) {
    const std::string path = Path("model.sec");
    struct Case {
        int osError;
        const char8_t* message;
    };
    for (const Case& c : {Case{ENOSPC, kDiskFull}, Case{EDQUOT, kDiskFull}, Case{EFBIG, kWriteError},
                          Case{EIO, kWriteError}}) {
        const int osError = c.osError;
        SCOPED_TRACE(osError);
        sink_.Clear();
        platform::SafeFileWriter writer(path.c_str());
        writer.SetSyncCallForTesting([osError](int) {
            errno = osError;
            return -1;
        });
        CTextFile out;
        ASSERT_EQ(out.Open(writer, CFile::modeCreate | CFile::modeWrite), 1);
        out.WriteLine("END");
        out.Close();
        EXPECT_FALSE(CommitWithMessage(writer));
        EXPECT_EQ(sink_.MessagesUtf8(), std::vector<std::string>{Utf8(c.message)});
        EXPECT_FALSE(fs::exists(path));
    }
}

namespace {

// A file of half a gigabyte of zero bytes (a hole: it takes no disk space) and then one line.
std::string HalfAGigabyteOfZerosThen(const std::string& path, const std::string& tail) {
    const int fd = ::open(path.c_str(), O_CREAT | O_WRONLY | O_TRUNC, 0600);
    const bool written = fd >= 0 && ::pwrite(fd, tail.data(), tail.size(), off_t{1} << 29) ==
                                        static_cast<ssize_t>(tail.size());
    if (fd >= 0) {
        ::close(fd);
    }
    return written ? path : std::string();
}

} // namespace

// A plain text file of one line of half a gigabyte is cut as it is read: neither line form
// holds more than its bound (the child has 256 MB to spare), and the next line reads as written.
TEST_F(TextFileTest, AHugeLineIsCutAsItIsReadAndTheNextLineFollows) {
    const std::string path = HalfAGigabyteOfZerosThen(Path("huge.sec"), "\r\nnext\r\n");
    ASSERT_FALSE(path.empty());
    for (bool intoBuffer : {true, false}) {
        const int result = testsupport::RunInChildWithMemoryLimit(256 << 20, [&path, intoBuffer] {
            RecordingSink sink;
            CTextFile in;
            if (!in.Open(path.c_str(), CFile::modeRead)) {
                return 10;
            }
            in.ReadAsPlainText();
            char buffer[82];
            CString line;
            if (intoBuffer ? in.ReadLine(buffer, sizeof buffer) != 1 || buffer[0] != '\0'
                           : in.ReadLine(line) != 1 ||
                                 line.GetLength() != static_cast<int>(CStdioFile::kLongestLine)) {
                return 11;
            }
            if (in.ReadLine(line) != 1 || line.str() != "next") {
                return 12;
            }
            return in.ReadLine(line) == 0 && sink.MessageCount() == 0 ? 0 : 13;
        });
        EXPECT_EQ(result, 0) << (intoBuffer ? "into a buffer" : "as a whole line");
    }
}
