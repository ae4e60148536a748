#pragma once
// Line-oriented text file of the suite's record files. Every file error reaches the
// user once, as a Japanese message through the message sink; read and write errors
// are then thrown on as CFileException so that the caller can abandon the whole file
// without a second message.
//
// Lines are written with CR LF and read with CR LF or LF. A line longer than the
// caller's buffer is cut (never inside a double-byte character) and the rest of the
// line is skipped, so that a long line never turns into an extra record. A record file ends
// its reading at a line that holds a NUL or reaches CStdioFile::kLongestLine bytes (see
// CStdioFile::ReadAsPlainText, which readers of plain text ask for).

#include "platform/core/CStdioFile.h"
#include "platform/core/SafeFileWriter.h"

#include <string>

// Beeps and shows the open-failure message with the cause code and the path.
void ReportOpenError(const CFileException& error, const char* path);
// Commits a safe write; on failure a beep, the disk-full or write-error message and false
// (the old file is then as it was).
bool CommitWithMessage(platform::SafeFileWriter& writer);
// As CommitWithMessage, for a writer that keeps a backup: when the backup cannot be made,
// asks the question (Yes/No); Yes replaces the file without a backup, No keeps it as it was.
bool CommitWithBackupQuestion(platform::SafeFileWriter& writer, const char8_t* question);

class CTextFile : public CStdioFile {
    DECLARE_DYNAMIC(CTextFile)

public:
    CTextFile() = default;

    // 1 when open; on failure a beep, the open message with the cause and path, 0 (and the
    // cause in *error when given). Also when the file is opened through a CFile&.
    BOOL Open(const char* path, UINT openFlags, CFileException* error = nullptr) override;
    // Opens the writer's new file for writing, with the same failure message.
    int Open(platform::SafeFileWriter& writer, UINT openFlags);

    // One line of at most size - 1 bytes without its line end; 1 on success.
    // At the end of the file: the premature-end message and 0.
    int ReadLine(char* buffer, int size);
    // As ReadLine, quiet at the end of the file: status 0 read, 1 end of file, 2 read error.
    int ReadLineStatus(char* buffer, int size, int& status);
    // One whole line of any length (paths in records are never cut); 0 at the end, quietly.
    int ReadLine(CString& line);
    // One whole line of a record that must follow. At the end of the file: the premature-end
    // message, then a CFileException of cause endOfFile.
    CString ReadRequiredLine();
    // Appends the rest of the file's bytes, line ends and all, to bytes (for readers that
    // split a whole file at once); false, with no more than limit bytes appended, when the
    // file holds more (a reader's bound on what a file of its kind can be). A read error
    // shows its message and is thrown on.
    bool ReadRest(std::string& bytes, std::size_t limit = std::string::npos);

    // Writes the text and a line end. Returns 1.
    int WriteLine(const char* text);
    // Writes whole lines, each ended by LineEnd() already, in one write; a failure is shown
    // and thrown on as WriteLine's. Returns 1.
    int WriteLines(std::string_view lines);
    // Writes what is still buffered (failing: the write message, as WriteLine shows it) and
    // closes; on failure a beep and the message, and the error is thrown on.
    void Close() override;

    // For readers to whom a file's end is no fault (a list of pages, the first lines of a
    // file): when the last line read ended the reading (EndedAtNonTextLine), the file is
    // damaged there, not shorter: a beep, the read-error message, and a CFileException thrown
    // as a read error throws it. Nothing otherwise.
    void ThrowIfDamaged();

    int GetLineCount() const { return lineCount_; }
    // True when the last line read into a caller buffer held a NUL byte: the buffer then
    // shows the line only up to it, so a reader that must take every byte refuses the line.
    bool LastLineHeldNul() const { return lastLineHeldNul_; }
    // The bytes the last line put into a caller buffer (before its terminating NUL).
    std::size_t LastLineLength() const { return lastLineLength_; }

private:
    int ReadBoundedLine(char* buffer, int size);
    void ReportReadError(const CFileException& error, bool quietAtEnd);

    int lineCount_ = 0;
    bool lastLineHeldNul_ = false;
    std::size_t lastLineLength_ = 0;
    CString boundedLine_; // kept between lines, so that a line of a long file costs no allocation
};
