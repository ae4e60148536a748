#include "BufferedBinaryFile.h"

#include "platform/core/MessageSink.h"

#include <algorithm>
#include <cstring>

namespace zapho {

UINT BufferedBinaryFile::Read(void* buffer, UINT count) {
    auto* out = static_cast<char*>(buffer);
    UINT done = 0;
    while (done < count) {
        if (readAt_ == readBuffer_.size()) {
            readBuffer_.resize(kBufferBytes);
            const UINT got = CFile::Read(readBuffer_.data(), static_cast<UINT>(kBufferBytes));
            readBuffer_.resize(got);
            readAt_ = 0;
            if (got == 0) {
                break;
            }
        }
        const std::size_t take = std::min<std::size_t>(count - done, readBuffer_.size() - readAt_);
        std::memcpy(out + done, readBuffer_.data() + readAt_, take);
        readAt_ += take;
        done += static_cast<UINT>(take);
    }
    return done;
}

void BufferedBinaryFile::Write(const void* buffer, UINT count) {
    pending_.append(static_cast<const char*>(buffer), count);
    if (pending_.size() >= kBufferBytes) {
        FlushBuffer();
    }
}

void BufferedBinaryFile::FlushBuffer() {
    std::string bytes;
    bytes.swap(pending_);
    if (!bytes.empty()) {
        CFile::Write(bytes.data(), static_cast<UINT>(bytes.size()));
    }
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
