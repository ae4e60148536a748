#pragma once
// A binary item file read or written from start to end through a 64 KiB buffer, so that a
// figure file of a million items costs a few hundred system calls instead of millions; the
// 4-byte items, which make up nearly all of a figure file, go straight to and from the buffer.
// Only sequential use: no seeking. A writer calls FinishWriting before closing.

#include "common/records/BinaryFile.h"

#include <memory>

namespace zapho {

class BufferedBinaryFile : public CBinaryFile {
public:
    static constexpr std::size_t kBufferBytes = 64 * 1024;

    UINT Read(void* buffer, UINT count) override;
    void Write(const void* buffer, UINT count) override;
    int ReadInt(int& value) override;
    int ReadDWord(DWORD& value) override;
    int WriteInt(int value) override;
    int WriteDWord(DWORD value) override;
    // Writes what is still buffered; a failure beeps, shows the write message and throws on.
    void FinishWriting();

private:
    void FlushBuffer();
    // True when the next 4 bytes can be taken from the read buffer or put into the write buffer.
    bool CanTakeWord() const { return readEnd_ - readAt_ >= 4; }
    bool CanPutWord() const { return writeBuffer_ && kBufferBytes - writeEnd_ >= 4; }

    std::unique_ptr<char[]> writeBuffer_;
    std::size_t writeEnd_ = 0;
    std::unique_ptr<char[]> readBuffer_;
    std::size_t readAt_ = 0;
    std::size_t readEnd_ = 0;
};

} // namespace zapho
