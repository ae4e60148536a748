#pragma once
// Sequential byte reader over the list file with its own read-ahead, so that rows
// read one byte at a time cost one system call per buffer, not per byte. The
// logical position is where the last byte taken ends; Seek moves it.

#include "platform/core/CFile.h"

#include <cstdint>
#include <vector>

namespace wenux {

class CListLineReader {
public:
    static constexpr int kRowBufferSize = 140; // bytes of a displayed row, with its end mark

    explicit CListLineReader(CFile& file) : file_(file), buffer_(8192) {}

    void Seek(std::int64_t offset);
    std::int64_t GetPosition() const { return position_; }
    // The next byte (0..255), or -1 at the end of the file. File errors are thrown on.
    int GetByte();

    // Reads one displayed row from the current position into text (at most max - 1 bytes,
    // NUL-terminated). 0 when a CR LF or CR FF ended it (text[max - 1] holds LF or FF);
    // -1 at the end of the file or when max - 1 bytes came without an end. A row cut at
    // the limit never ends in the first byte of a double-byte character: that byte is
    // left for the next read.
    int ReadListLine(char* text, int max);

private:
    void StepBack() { --position_; }

    CFile& file_;
    std::vector<unsigned char> buffer_;
    std::int64_t bufferStart_ = 0; // file offset of buffer_[0]
    int bufferLength_ = 0;
    std::int64_t position_ = 0;
};

// Cuts a row read by ReadListLine at its last CR, if it holds one.
void CutAtLastCarriageReturn(char* text);

// True when byte index `index` of text starts a double-byte CP932 character that the
// text cuts after its first byte (text scanned from its start).
bool EndsInLeadByte(const char* text, int length);

} // namespace wenux
