#include "CTextFile.h"

#include "platform/core/CodePage.h"
#include "platform/core/MessageSink.h"

#include <cstring>
#include <stdio_ext.h>

IMPLEMENT_DYNAMIC(CTextFile, CStdioFile)

namespace {

const char8_t kOpenError[] = u8"ﾌｧｲﾙを開く際にｴﾗｰが発生しました(ｴﾗｰ番号%d)\n %s";
const char8_t kPrematureEnd[] = u8"ﾌｧｲﾙが途中で終了しているため、読み込みできません";
const char8_t kReadError[] = u8"ﾌｧｲﾙ読み込みｴﾗｰです";
const char8_t kDiskFull[] = u8"ﾃﾞｨｽｸが一杯のため、ﾌｧｲﾙ書き込みできません";
const char8_t kWriteError[] = u8"ﾌｧｲﾙ書き込みｴﾗｰです";
const char8_t kCloseError[] = u8"ﾌｧｲﾙを閉じる際にｴﾗｰが発生しました";

void BeepAndShow(const char8_t* text) {
    MessageBeep(0);
    AfxMessageBox(text);
}

// The message of a failed write: a full disk has its own.
void ShowWriteError(const CFileException& error) {
    BeepAndShow(error.m_cause == CFileException::diskFull ? kDiskFull : kWriteError);
}

} // namespace

void ReportOpenError(const CFileException& error, const char* path) {
    MessageBeep(0);
    CString message;
    message.Format(kOpenError, error.m_cause, path);
    AfxMessageBox(message);
}

bool CommitWithMessage(platform::SafeFileWriter& writer) {
    try {
        writer.Commit();
    } catch (const CFileException& error) {
        ShowWriteError(error);
        return false;
    }
    return true;
}

bool CommitWithBackupQuestion(platform::SafeFileWriter& writer, const char8_t* question) {
    try {
        try {
            writer.Commit();
        } catch (const CFileException& error) {
            if (error.m_strFileName == writer.TargetPath()) {
                throw;
            }
            if (AfxMessageBox(question, MB_YESNO | MB_ICONQUESTION) != IDYES) {
                return false;
            }
            writer.KeepBackup("");
            writer.Commit();
        }
    } catch (const CFileException& error) {
        ShowWriteError(error);
        return false;
    }
    return true;
}

BOOL CTextFile::Open(const char* path, UINT openFlags, CFileException* error) {
    CFileException cause;
    if (CStdioFile::Open(path, openFlags, &cause)) {
        return 1;
    }
    ReportOpenError(cause, path);
    if (error) {
        *error = cause;
    }
    return 0;
}

int CTextFile::Open(platform::SafeFileWriter& writer, UINT openFlags) {
    CFileException error;
    if (writer.Open(*this, openFlags, &error)) {
        return 1;
    }
    ReportOpenError(error, writer.TargetPath());
    return 0;
}

// Reads one line into the buffer, cutting it to size - 1 bytes at a character
// boundary and skipping what does not fit. Returns 0 at the end of the file.
int CTextFile::ReadBoundedLine(char* buffer, int size) {
    CString& line = boundedLine_;
    if (!CStdioFile::ReadString(line)) {
        return 0;
    }
    // A line that fits is kept whole without walking its characters.
    const std::size_t limit = static_cast<std::size_t>(size > 0 ? size - 1 : 0);
    const std::size_t keep =
        line.str().size() <= limit ? line.str().size() : platform::Cp932SafeCut(line.str(), limit);
    std::memcpy(buffer, line.GetString(), keep);
    buffer[keep] = '\0';
    lastLineHeldNul_ = line.str().find('\0') != std::string::npos;
    lastLineLength_ = keep;
    ++lineCount_;
    return 1;
}

void CTextFile::ReportReadError(const CFileException& error, bool quietAtEnd) {
    MessageBeep(0);
    if (error.m_cause == CFileException::endOfFile) {
        if (!quietAtEnd) {
            AfxMessageBox(kPrematureEnd);
        }
    } else {
        AfxMessageBox(kReadError);
    }
}

int CTextFile::ReadLine(char* buffer, int size) {
    try {
        if (ReadBoundedLine(buffer, size)) {
            return 1;
        }
    } catch (const CFileException& error) {
        ReportReadError(error, false);
        throw;
    }
    AfxMessageBox(kPrematureEnd);
    return 0;
}

int CTextFile::ReadLineStatus(char* buffer, int size, int& status) {
    try {
        if (ReadBoundedLine(buffer, size)) {
            status = 0;
            return 1;
        }
        status = 1;
        return 0;
    } catch (const CFileException& error) {
        ReportReadError(error, true);
        status = error.m_cause == CFileException::endOfFile ? 1 : 2;
        throw;
    }
}

int CTextFile::ReadLine(CString& line) {
    try {
        if (!CStdioFile::ReadString(line)) {
            return 0;
        }
    } catch (const CFileException& error) {
        ReportReadError(error, true);
        throw;
    }
    ++lineCount_;
    return 1;
}

CString CTextFile::ReadRequiredLine() {
    CString line;
    if (!ReadLine(line)) {
        AfxMessageBox(kPrematureEnd);
        AfxThrowFileException(CFileException::endOfFile, -1, GetFilePath());
    }
    return line;
}

void CTextFile::ThrowIfDamaged() {
    if (!EndedAtNonTextLine()) {
        return;
    }
    const CFileException damaged(CFileException::genericException, -1, GetFilePath());
    ReportReadError(damaged, true);
    throw damaged;
}

bool CTextFile::ReadRest(std::string& bytes, std::size_t limit) {
    constexpr std::size_t kChunk = 256 * 1024;
    const std::size_t start = bytes.size();
    try {
        for (;;) {
            const std::size_t at = bytes.size();
            if (at - start > limit) {
                bytes.resize(start + limit);
                return false;
            }
            bytes.resize(at + kChunk);
            const UINT read = Read(bytes.data() + at, static_cast<UINT>(kChunk));
            bytes.resize(at + read);
            if (read < kChunk) {
                if (bytes.size() - start > limit) {
                    bytes.resize(start + limit);
                    return false;
                }
                return true; // a short read is the end: errors throw
            }
        }
    } catch (const CFileException& error) {
        ReportReadError(error, true);
        throw;
    }
}

int CTextFile::WriteLine(const char* text) {
    try {
        WriteStringAndLineEnd(text);
    } catch (const CFileException& error) {
        ShowWriteError(error);
        throw;
    }
    return 1;
}

int CTextFile::WriteLines(std::string_view lines) {
    try {
        Write(lines.data(), static_cast<UINT>(lines.size()));
    } catch (const CFileException& error) {
        ShowWriteError(error);
        throw;
    }
    return 1;
}

void CTextFile::Close() {
    // What the stream still buffers is written here: a full disk met now is a write error
    // like one met by WriteLine, not a failing close.
    if (m_pStream && __fwriting(m_pStream)) {
        try {
            Flush();
        } catch (const CFileException& error) {
            Abort();
            ShowWriteError(error);
            throw;
        }
    }
    try {
        CStdioFile::Close();
    } catch (const CFileException&) {
        BeepAndShow(kCloseError);
        throw;
    }
}
