#pragma once
// Buffered file over a C stream. In text mode (the default) lines are written with
// CR LF ends and read with CR LF or LF ends; the caller sees '\n' either way.

#include "platform/core/CFile.h"

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string_view>

class CStdioFile : public CFile {
    DECLARE_DYNAMIC(CStdioFile)

public:
    CStdioFile() = default;
    CStdioFile(const char* path, UINT openFlags);
    ~CStdioFile() override;

    BOOL Open(const char* path, UINT openFlags, CFileException* error = nullptr) override;
    BOOL OpenDescriptor(int fd, const char* path, UINT openFlags, CFileException* error = nullptr) override;
    void Close() override;
    void Abort() override;
    UINT Read(void* buffer, UINT count) override;
    void Write(const void* buffer, UINT count) override;
    std::int64_t Seek(std::int64_t offset, UINT from) override;
    std::int64_t GetPosition() const override;
    std::int64_t GetLength() const override;
    void Flush() override;
    bool IsOpen() const override { return m_pStream != nullptr; }

    // Reads up to maxChars - 1 characters of one line, keeping its '\n' when it fits, as the
    // C library's fgets does: plain text, without the rule of record files below (no reader
    // of records reads through it). Returns null at the end of the file when nothing was read.
    virtual char* ReadString(char* buffer, UINT maxChars);
    // Reads one line without its line end; FALSE at the end of the file. A line longer
    // than kLongestLine bytes (no record of the suite comes near it; paths included) is
    // cut there, never inside a double-byte character, and the rest of it is passed over
    // unread, so that a damaged file never has a whole gigabyte held as one line.
    virtual BOOL ReadString(CString& line);
    static constexpr std::size_t kLongestLine = 64 * 1024;
    // A text file of the suite holds records: a line that holds a NUL byte, or reaches
    // kLongestLine bytes, is the last line read (cut as ReadString cuts it) and the file then
    // reads as ended, its rest never read (a stream without positions, such as a pipe, cannot
    // be put at its end: there the next line follows). A sparse or binary file of gigabytes
    // behind whole lines thus costs a block, not a read through, and the reader meets what it
    // meets at a file's end. Every open in text mode sets this rule; a binary stream reads on.
    // For readers of plain text (lists, logs, the title list), from now on and for every later
    // open of this object: such a line is read as any other (a long one cut, its rest passed
    // over) and the lines after it follow.
    void ReadAsPlainText() {
        plainText_ = true;
        endAtNonText_ = false;
    }
    // True once such a line has ended the reading.
    bool EndedAtNonTextLine() const { return endedAtNonText_; }
    // Reads one line as ReadString reads it, seen where it lies: in the stream's buffer when
    // it ends there (no copy), else in a string of the file's own. The view holds until the
    // next read of the file.
    BOOL ReadStringView(std::string_view& line) {
#ifdef __GLIBC__
        // Here, not behind a call: a drawing of a million lines reads one at a time.
        const char* buffered = m_pStream->_IO_read_ptr;
        const std::size_t room = static_cast<std::size_t>(m_pStream->_IO_read_end - buffered);
        if (const void* lineEnd =
                room > 0 ? std::memchr(buffered, '\n', std::min(room, kLongestLine)) : nullptr) {
            const auto taken = static_cast<std::size_t>(static_cast<const char*>(lineEnd) - buffered);
            if (!EndsReadingAt(buffered, taken)) {
                line = std::string_view(buffered,
                                        taken - (text_ && taken > 0 && buffered[taken - 1] == '\r' ? 1 : 0));
                m_pStream->_IO_read_ptr += taken + 1;
                return TRUE;
            }
        }
#endif
        return ReadSpilledStringView(line);
    }
    // Passes one line without keeping a byte of it; FALSE at the end of the file, as
    // ReadString. Errors are thrown as ReadString throws them.
    BOOL SkipString();
    virtual void WriteString(const char* text);
    // Writes the text and a line end as WriteString(text) and WriteString("\n") write them:
    // a line of a record file in one write to the stream rather than two or three.
    void WriteStringAndLineEnd(const char* text);
    // The line end that WriteString writes for a "\n": CR LF in a text file.
    std::string_view LineEnd() const {
        return text_ ? std::string_view("\r\n") : std::string_view("\n");
    }

    FILE* m_pStream = nullptr;

private:
    int NextChar();
    // ReadStringView of a line that does not end in the stream's buffer.
    BOOL ReadSpilledStringView(std::string_view& line);
    void SkipRestOfLine();
    // After a line that ends the reading of a record file: the file reads as ended.
    void EndReadingAfterLine(bool restOfLineUnread);
    // True when the bytes hold a NUL and the file ends its reading at one.
    bool EndsReadingAt(const char* bytes, std::size_t count) const {
        return endAtNonText_ && std::memchr(bytes, '\0', count) != nullptr;
    }
    // Gives the new stream a buffer of kBufferSize bytes.
    void TakeBuffer();
    // The C library's own buffer is a disk block of 4 KB: a drawing or model of megabytes
    // would cost a system call per block each way.
    static constexpr std::size_t kBufferSize = 64 * 1024;
    std::unique_ptr<char[]> buffer_; // the stream's buffer, kept until the stream is closed
    CString spilledLine_;            // ReadStringView's line that crossed the buffer's end
    bool text_ = true;
    bool plainText_ = false;    // ReadAsPlainText: no open sets the rule of records
    bool endAtNonText_ = false; // the rule of records holds for this stream
    bool endedAtNonText_ = false;
};
