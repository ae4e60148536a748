#pragma once
// A binary item file read or written from start to end through a 64 KiB buffer, so that a
// figure file of a million items costs a few hundred system calls instead of millions.
// Only sequential use: no seeking. A writer calls FinishWriting before closing.

#include "common/records/BinaryFile.h"

#include <memory>
#include <string>

namespace zapho {

class BufferedBinaryFile : public CBinaryFile {
public:
    static constexpr std::size_t kBufferBytes = 64 * 1024;

    UINT Read(void* buffer, UINT count) override;
    void Write(const void* buffer, UINT count) override;
    // Writes what is still buffered; a failure beeps, shows the write message and throws on.
    void FinishWriting();

private:
    void FlushBuffer();

    std::string pending_;
    std::unique_ptr<char[]> readBuffer_;
    std::size_t readAt_ = 0;
    std::size_t readEnd_ = 0;
};

} // namespace zapho
