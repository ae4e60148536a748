#pragma once
// A binary item file read or written from start to end through a 64 KiB buffer, so that a
// figure file of a million items costs a few hundred system calls instead of millions.
// The 4-byte items, which make up nearly all of a figure file, go straight to and from the
// buffer in inline code: the class is final, so the items' serialisation, which takes it by
// its own type, reaches them without a virtual call a field. Only sequential use: no
// seeking. A writer calls FinishWriting before closing.

#include "common/records/CBinaryFile.h"
#include "platform/core/CPoint.h"

#include <concepts>
#include <cstring>
#include <memory>

namespace zapho {

class BufferedBinaryFile final : public CBinaryFile {
public:
    static constexpr std::size_t kBufferBytes = 64 * 1024;

    UINT Read(void* buffer, UINT count) override;
    void Write(const void* buffer, UINT count) override;

    int ReadInt(int& value) override {
        if (IsShortIntMode() || !CanTakeWord()) {
            return CBinaryFile::ReadInt(value);
        }
        TakeWord(&value);
        return 1;
    }
    int ReadDWord(DWORD& value) override {
        if (!CanTakeWord()) {
            return CBinaryFile::ReadDWord(value);
        }
        TakeWord(&value);
        return 1;
    }
    int WriteInt(int value) override {
        if (!CanPutWord()) {
            return CBinaryFile::WriteInt(value);
        }
        PutWord(&value);
        return 1;
    }
    int WriteDWord(DWORD value) override {
        if (!CanPutWord()) {
            return CBinaryFile::WriteDWord(value);
        }
        PutWord(&value);
        return 1;
    }

    // Several ints in a row, as ReadInt and WriteInt one by one take and give them, with
    // one check of the buffer for the lot: each check reads and writes the buffer position
    // back to memory, and a chain of them, one a field, was most of the processor time of
    // writing and reading a figure file. Each int goes straight to or from its place: ints
    // stored one by one and read back in a wider word (or the other way) stall the processor.
    template <std::same_as<int>... Ints> void ReadInts(Ints&... values) {
        constexpr std::size_t bytes = sizeof...(values) * 4;
        if (!IsShortIntMode() && readEnd_ - readAt_ >= bytes) {
            const char* at = readBuffer_.get() + readAt_;
            ((std::memcpy(&values, at, 4), at += 4), ...);
            readAt_ += bytes;
            return;
        }
        (ReadInt(values), ...);
    }
    template <std::same_as<int>... Ints> void WriteInts(Ints... values) {
        constexpr std::size_t bytes = sizeof...(values) * 4;
        if (kBufferBytes - writeEnd_ >= bytes && writeBuffer_) {
            char* at = writeBuffer_.get() + writeEnd_;
            ((std::memcpy(at, &values, 4), at += 4), ...);
            writeEnd_ += bytes;
            return;
        }
        (WriteInt(values), ...);
    }

    // A point as two ints, x then y.
    CPoint ReadPoint() {
        int x = 0;
        int y = 0;
        ReadInts(x, y);
        return {x, y};
    }
    void WritePoint(CPoint point) { WriteInts(point.x, point.y); }

    // Writes what is still buffered; a failure beeps, shows the write message and throws on.
    void FinishWriting();

private:
    void FlushBuffer();
    // True when the next 4 bytes can be taken from the read buffer or put into the write buffer.
    bool CanTakeWord() const { return readEnd_ - readAt_ >= 4; }
    bool CanPutWord() const { return kBufferBytes - writeEnd_ >= 4 && writeBuffer_; }
    void TakeWord(void* word) {
        std::memcpy(word, readBuffer_.get() + readAt_, 4);
        readAt_ += 4;
    }
    void PutWord(const void* word) {
        std::memcpy(writeBuffer_.get() + writeEnd_, word, 4);
        writeEnd_ += 4;
    }

    std::unique_ptr<char[]> writeBuffer_;
    std::size_t writeEnd_ = 0;
    std::unique_ptr<char[]> readBuffer_;
    std::size_t readAt_ = 0;
    std::size_t readEnd_ = 0;
};

} // namespace zapho
