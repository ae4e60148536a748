#include "CStdioFile.h"

#include "platform/core/CodePage.h"
#include "platform/core/DiskNames.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <unistd.h>
#include <vector>

IMPLEMENT_DYNAMIC(CStdioFile, CFile)

namespace {

const char* StreamMode(UINT flags) {
    UINT access = flags & 3;
    if (flags & CFile::modeCreate) {
        if (flags & CFile::modeNoTruncate) {
            return access == CFile::modeRead ? "r" : "r+";
        }
        return access == CFile::modeReadWrite ? "w+" : "w";
    }
    return access == CFile::modeRead ? "r" : "r+";
}

} // namespace

CStdioFile::CStdioFile(const char* path, UINT openFlags) {
    CFileException error;
    if (!Open(path, openFlags, &error)) {
        throw error;
    }
}

CStdioFile::~CStdioFile() {
    if (m_pStream) {
        Abort();
    }
}

BOOL CStdioFile::Open(const char* path, UINT openFlags, CFileException* error) {
    SetFilePath(path);
    endedAtNonText_ = false;
    writeback_ = platform::WritebackStarter();
    text_ = !(openFlags & typeBinary);
    endAtNonText_ = text_ && !plainText_;
    const std::string mode = StreamMode(openFlags);
    // The descriptor is opened as fopen would open it for the stream's mode.
    int posix = mode == "r" ? O_RDONLY : (mode == "w" ? O_WRONLY : O_RDWR);
    if (mode[0] == 'w') {
        posix |= O_CREAT | O_TRUNC;
    } else if (openFlags & modeCreate) {
        posix |= O_CREAT; // modeCreate|modeNoTruncate: a missing file is made, an existing one kept
    }
    const int fd = platform::OpenRegularFile(path, posix);
    if (fd >= 0) {
        m_pStream = ::fdopen(fd, mode.c_str());
        if (!m_pStream) {
            const int osError = errno;
            ::close(fd);
            errno = osError;
        }
    }
    if (!m_pStream) {
        if (error) {
            *error = CFileException(CFileException::OsErrorToException(errno), errno, path);
        }
        return FALSE;
    }
    m_hFile = fileno(m_pStream);
    TakeBuffer();
    return TRUE;
}

BOOL CStdioFile::OpenDescriptor(int fd, const char* path, UINT openFlags, CFileException* error) {
    SetFilePath(path);
    endedAtNonText_ = false;
    writeback_ = platform::WritebackStarter();
    text_ = !(openFlags & typeBinary);
    endAtNonText_ = text_ && !plainText_;
    // The descriptor is never truncated here: "w" would mean nothing to fdopen anyway.
    m_pStream = ::fdopen(fd, (openFlags & 3) == modeRead ? "r" : ((openFlags & 3) == modeWrite ? "w" : "r+"));
    if (!m_pStream) {
        int osError = errno;
        ::close(fd);
        if (error) {
            *error = CFileException(CFileException::OsErrorToException(osError), osError, path);
        }
        return FALSE;
    }
    m_hFile = fd;
    TakeBuffer();
    return TRUE;
}

void CStdioFile::TakeBuffer() {
    if (!buffer_) {
        buffer_ = std::make_unique_for_overwrite<char[]>(kBufferSize);
    }
    // No I/O has happened on the stream yet, as setvbuf requires; should it fail, the stream
    // keeps the library's buffer.
    std::setvbuf(m_pStream, buffer_.get(), _IOFBF, kBufferSize);
}

void CStdioFile::Close() {
    if (!m_pStream) {
        return;
    }
    FILE* stream = m_pStream;
    m_pStream = nullptr;
    m_hFile = hFileNull;
    errno = 0;
    bool failed = std::ferror(stream) != 0;
    int savedErrno = errno;
    if (std::fclose(stream) != 0 || failed) {
        ThrowErrno(errno ? errno : (savedErrno ? savedErrno : EIO));
    }
}

void CStdioFile::Abort() {
    if (m_pStream) {
        std::fclose(m_pStream);
        m_pStream = nullptr;
        m_hFile = hFileNull;
    }
}

UINT CStdioFile::Read(void* buffer, UINT count) {
    std::size_t n = std::fread(buffer, 1, count, m_pStream);
    if (n < count && std::ferror(m_pStream)) {
        ThrowErrno(errno ? errno : EIO);
    }
    return static_cast<UINT>(n);
}

void CStdioFile::Write(const void* buffer, UINT count) {
    errno = 0;
#ifdef __GLIBC__
    // A file object is used by one thread at a time: no lock per write.
    const std::size_t written = fwrite_unlocked(buffer, 1, count, m_pStream);
#else
    const std::size_t written = std::fwrite(buffer, 1, count, m_pStream);
#endif
    if (written != count) {
        ThrowErrno(errno ? errno : EIO);
    }
    if (writeback_.Wrote(count)) {
        // What the stream holds goes to the system first; a failure here is the one the
        // stream's next write of its buffer would meet.
        if (std::fflush(m_pStream) != 0) {
            ThrowErrno(errno ? errno : EIO);
        }
        writeback_.Start(m_hFile);
    }
}

std::int64_t CStdioFile::Seek(std::int64_t offset, UINT from) {
    int whence = from == current ? SEEK_CUR : (from == end ? SEEK_END : SEEK_SET);
    if (fseeko(m_pStream, offset, whence) != 0) {
        ThrowErrno(errno);
    }
    return ftello(m_pStream);
}

std::int64_t CStdioFile::GetPosition() const {
    off_t pos = ftello(m_pStream);
    if (pos < 0) {
        ThrowErrno(errno);
    }
    return pos;
}

std::int64_t CStdioFile::GetLength() const {
    const_cast<CStdioFile*>(this)->Flush();
    return CFile::GetLength();
}

void CStdioFile::Flush() {
    if (m_pStream && std::fflush(m_pStream) != 0) {
        ThrowErrno(errno ? errno : EIO);
    }
}

// One character with CR LF folded into '\n' in text mode; EOF at the end.
int CStdioFile::NextChar() {
    int ch = getc_unlocked(m_pStream);
    if (ch == '\r' && text_) {
        int next = getc_unlocked(m_pStream);
        if (next == '\n') {
            return '\n';
        }
        if (next != EOF) {
            ungetc(next, m_pStream);
        }
    }
    if (ch == EOF && std::ferror(m_pStream)) {
        ThrowErrno(errno ? errno : EIO);
    }
    return ch;
}

char* CStdioFile::ReadString(char* buffer, UINT maxChars) {
    if (maxChars == 0) {
        return nullptr;
    }
    UINT count = 0;
    while (count + 1 < maxChars) {
        int ch = NextChar();
        if (ch == EOF) {
            break;
        }
        buffer[count++] = static_cast<char>(ch);
        if (ch == '\n') {
            break;
        }
    }
    buffer[count] = '\0';
    return count == 0 ? nullptr : buffer;
}

// The line's bytes straight from the stream's buffer (getc_unlocked is no call), up to the
// longest line kept; a CR directly before the LF goes with the line end in text mode.
BOOL CStdioFile::ReadString(CString& line) {
    std::string text;
    bool ended = false;
    bool nonText = false; // a NUL met where the file ends its reading at one
    int ch = 0;
    while (text.size() < kLongestLine && !nonText) {
#ifdef __GLIBC__
        // What the buffer holds up to the line end is taken at once, as getc_unlocked would
        // take it byte by byte: a drawing of a million lines is read in a moment.
        const char* buffered = m_pStream->_IO_read_ptr;
        if (buffered < m_pStream->_IO_read_end) {
            const std::size_t room = std::min(static_cast<std::size_t>(m_pStream->_IO_read_end - buffered),
                                              kLongestLine - text.size());
            const char* lineEnd = static_cast<const char*>(std::memchr(buffered, '\n', room));
            const std::size_t taken = lineEnd ? static_cast<std::size_t>(lineEnd - buffered) : room;
            nonText = EndsReadingAt(buffered, taken);
            if (lineEnd && text.empty()) { // the whole line in the buffer: straight into the string
                const std::size_t length =
                    taken - (text_ && taken > 0 && buffered[taken - 1] == '\r' ? 1 : 0);
                std::memcpy(line.GetBuffer(static_cast<int>(length)), buffered, length);
                line.ReleaseBuffer(static_cast<int>(length));
                m_pStream->_IO_read_ptr += taken + 1;
                if (nonText) {
                    EndReadingAfterLine(false);
                }
                return TRUE;
            }
            text.append(buffered, taken);
            m_pStream->_IO_read_ptr += taken + (lineEnd ? 1 : 0);
            if (lineEnd) {
                ch = '\n';
                ended = true;
                break;
            }
            continue;
        }
#endif
        ch = getc_unlocked(m_pStream);
        if (ch == EOF || ch == '\n') {
            ended = ch == '\n';
            break;
        }
        text.push_back(static_cast<char>(ch));
        nonText = ch == '\0' && endAtNonText_;
    }
    if (ch == EOF && std::ferror(m_pStream)) {
        line.Empty();
        ThrowErrno(errno ? errno : EIO);
    }
    if (ch == EOF && text.empty()) {
        line.Empty();
        return FALSE;
    }
    const bool cut = text.size() >= kLongestLine;
    if (cut) {
        text.resize(platform::Cp932SafeCut(text, kLongestLine));
    } else if (ended && text_ && !text.empty() && text.back() == '\r') {
        text.pop_back();
    }
    if (nonText || (cut && endAtNonText_)) {
        EndReadingAfterLine(!ended);
    } else if (cut) {
        SkipRestOfLine();
    }
    line = CString(std::move(text));
    return TRUE;
}

// The rest of the file is passed over as its end: the stream is put there, nothing read.
void CStdioFile::EndReadingAfterLine(bool restOfLineUnread) {
    endedAtNonText_ = true;
    if (fseeko(m_pStream, 0, SEEK_END) != 0 && restOfLineUnread) {
        SkipRestOfLine(); // a stream without positions: the next line follows as it would
    }
}

BOOL CStdioFile::ReadSpilledStringView(std::string_view& line) {
    const BOOL read = ReadString(spilledLine_);
    line = spilledLine_.str();
    return read;
}

// A line that ends inside the stream's buffer is passed by moving the buffer's read
// position; any other line is read as ReadString reads it.
BOOL CStdioFile::SkipString() {
#ifdef __GLIBC__
    const char* buffered = m_pStream->_IO_read_ptr;
    if (buffered < m_pStream->_IO_read_end) {
        const auto room = static_cast<std::size_t>(m_pStream->_IO_read_end - buffered);
        const void* lineEnd = std::memchr(buffered, '\n', room);
        if (lineEnd && !EndsReadingAt(buffered, static_cast<std::size_t>(static_cast<const char*>(lineEnd) -
                                                                         buffered))) {
            m_pStream->_IO_read_ptr = static_cast<char*>(const_cast<void*>(lineEnd)) + 1;
            return TRUE;
        }
    }
#endif
    CString ignored;
    return ReadString(ignored);
}

// Past the next line end without keeping a byte: read straight from the descriptor in large
// blocks where the file can be positioned (a long line of a gigabyte is passed in a moment),
// else by the character.
void CStdioFile::SkipRestOfLine() {
    const off_t start = ftello(m_pStream);
    if (start >= 0) {
        std::vector<char> block(256 * 1024);
        for (off_t at = start;;) {
            const ssize_t got = ::pread(fileno(m_pStream), block.data(), block.size(), at);
            if (got < 0 && errno == EINTR) {
                continue;
            }
            if (got < 0) {
                ThrowErrno(errno);
            }
            const void* end = std::memchr(block.data(), '\n', static_cast<std::size_t>(got));
            const off_t next = end ? at + (static_cast<const char*>(end) - block.data()) + 1 : at + got;
            if (end || got == 0) {
                if (fseeko(m_pStream, next, SEEK_SET) == 0) {
                    return;
                }
                break;
            }
            at = next;
        }
    }
    for (int ch = getc_unlocked(m_pStream); ch != EOF && ch != '\n'; ch = getc_unlocked(m_pStream)) {
    }
    if (std::ferror(m_pStream)) {
        ThrowErrno(errno ? errno : EIO);
    }
}

void CStdioFile::WriteString(const char* text) {
    const char* const end = text + std::strlen(text);
    if (!text_) {
        Write(text, static_cast<UINT>(end - text));
        return;
    }
    // Empty pieces are not written: a write of nothing changes nothing.
    const char* start = text;
    while (const char* lineEnd = static_cast<const char*>(std::memchr(start, '\n', end - start))) {
        if (lineEnd > start) {
            Write(start, static_cast<UINT>(lineEnd - start));
        }
        Write("\r\n", 2);
        start = lineEnd + 1;
    }
    if (end > start) {
        Write(start, static_cast<UINT>(end - start));
    }
}

void CStdioFile::WriteStringAndLineEnd(const char* text) {
    // Records are a few dozen bytes: a longer text, or one with line ends of its own, is
    // written as WriteString writes it.
    constexpr std::size_t kShortLine = 256;
    const std::string_view record(text);
    if (record.size() > kShortLine || record.find('\n') != std::string_view::npos) {
        WriteString(text);
        WriteString("\n");
        return;
    }
    char line[kShortLine + 2];
    std::size_t end = record.copy(line, record.size());
    if (text_) {
        line[end++] = '\r';
    }
    line[end++] = '\n';
    Write(line, static_cast<UINT>(end));
}
