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
    if (pending_.capacity() < kBufferBytes) {
        pending_.reserve(kBufferBytes + 64);
    }
    pending_.append(static_cast<const char*>(buffer), count);
    if (pending_.size() >= kBufferBytes) {
        FlushBuffer();
    }
}

// What was buffered is gone afterwards, written or not (a failed write is not tried again).
void BufferedBinaryFile::FlushBuffer() {
    if (pending_.empty()) {
        return;
    }
    try {
        CFile::Write(pending_.data(), static_cast<UINT>(pending_.size()));
    } catch (const CFileException&) {
        pending_.clear();
        throw;
    }
    pending_.clear();
}

void BufferedBinaryFile::FinishWriting() {
    try {
        FlushBuffer();
    } catch (const CFileException& error) {
        MessageBeep(0);
        AfxMessageBox(error.m_cause == CFileException::diskFull
                          ? u8"ﾃﾞｨｽｸが一杯のため、ﾌｧｲﾙ書き込みできません"
                          : u8"ﾌｧｲﾙ書き込みｴﾗｰです");
        throw;
    }
}

} // namespace zapho
