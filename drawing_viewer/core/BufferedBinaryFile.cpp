#include "BufferedBinaryFile.h"

#include "platform/core/MessageSink.h"

#include <algorithm>
#include <cstring>

namespace zapho {

UINT BufferedBinaryFile::Read(void* buffer, UINT count) {
    auto* out = static_cast<char*>(buffer);
    UINT done = 0;
    while (done < count) {
        if (readAt_ == readEnd_) {
            if (!readBuffer_) {
                readBuffer_ = std::make_unique_for_overwrite<char[]>(kBufferBytes);
            }
            readEnd_ = CFile::Read(readBuffer_.get(), static_cast<UINT>(kBufferBytes));
            readAt_ = 0;
            if (readEnd_ == 0) {
                break;
            }
        }
        const std::size_t take = std::min<std::size_t>(count - done, readEnd_ - readAt_);
        std::memcpy(out + done, readBuffer_.get() + readAt_, take);
        readAt_ += take;
        done += static_cast<UINT>(take);
    }
    return done;
}

void BufferedBinaryFile::Write(const void* buffer, UINT count) {
    if (!writeBuffer_) {
        writeBuffer_ = std::make_unique_for_overwrite<char[]>(kBufferBytes);
    }
    const auto* in = static_cast<const char*>(buffer);
    while (count > 0) {
        const std::size_t put = std::min<std::size_t>(count, kBufferBytes - writeEnd_);
        std::memcpy(writeBuffer_.get() + writeEnd_, in, put);
        writeEnd_ += put;
        in += put;
        count -= static_cast<UINT>(put);
        if (writeEnd_ == kBufferBytes) {
            FlushBuffer();
        }
    }
}

// What was buffered is gone afterwards, written or not (a failed write is not tried again).
void BufferedBinaryFile::FlushBuffer() {
    if (writeEnd_ == 0) {
        return;
    }
    const auto size = static_cast<UINT>(writeEnd_);
    writeEnd_ = 0;
    // A file opened on a SafeFileWriter hands what it wrote to the disk as it goes (CFile's
    // writeback): the disk takes longer over a big figure file than its making does.
    CFile::Write(writeBuffer_.get(), size);
}

void BufferedBinaryFile::FinishWriting() {
    try {
        FlushBuffer();
    } catch (const CFileException& error) {
        MessageBeep(0);
        AfxMessageBox(error.m_cause == CFileException::diskFull
                          ? u8"ﾃﾞｨｽｸが一杯のため、ﾌｧｲﾙ書き込みができません"
                          : u8"ﾌｧｲﾙ書き込みｴﾗｰです");
        throw;
    }
}

} // namespace zapho
