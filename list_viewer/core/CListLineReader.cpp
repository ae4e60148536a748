#include "list_viewer/core/CListLineReader.h"

#include <cstring>

namespace wenux {

namespace {

constexpr char kCR = '\r';
constexpr char kLF = '\n';
constexpr char kFF = '\f';

bool IsLeadByte(unsigned char ch) {
    return (ch >= 0x81 && ch <= 0x9F) || (ch >= 0xE0 && ch <= 0xFC);
}

} // namespace

void CListLineReader::Seek(std::int64_t offset) {
    position_ = offset;
}

int CListLineReader::GetByte() {
    std::int64_t index = position_ - bufferStart_;
    if (index < 0 || index >= bufferLength_) {
        file_.Seek(position_, CFile::begin);
        bufferStart_ = position_;
        bufferLength_ = static_cast<int>(file_.Read(buffer_.data(), static_cast<UINT>(buffer_.size())));
        index = 0;
        if (bufferLength_ == 0) {
            return -1;
        }
    }
    ++position_;
    return buffer_[static_cast<std::size_t>(index)];
}

bool EndsInLeadByte(const char* text, int length) {
    int i = 0;
    while (i < length) {
        if (IsLeadByte(static_cast<unsigned char>(text[i]))) {
            if (i + 1 == length) {
                return true;
            }
            i += 2;
        } else {
            ++i;
        }
    }
    return false;
}

int CListLineReader::ReadListLine(char* text, int max) {
    int length = 0;
    text[0] = '\0';
    while (length < max - 1) {
        int ch = GetByte();
        if (ch < 0) {
            text[length] = '\0';
            return -1;
        }
        if (ch != kCR) {
            text[length++] = static_cast<char>(ch);
            continue;
        }
        int next = GetByte();
        if (next < 0) {
            text[length] = '\0';
            return -1;
        }
        if (next == kLF || next == kFF) {
            text[length] = '\0';
            text[max - 1] = static_cast<char>(next);
            return 0;
        }
        if (next == ' ') {
            // An overprinted line: the bytes that would cover the text so far are skipped.
            for (int skip = 0; skip < length; ++skip) {
                if (GetByte() < 0) {
                    text[length] = '\0';
                    return -1;
                }
            }
        }
    }
    if (EndsInLeadByte(text, length)) {
        --length;
        StepBack();
    }
    text[length] = '\0';
    return -1;
}

void CutAtLastCarriageReturn(char* text) {
    char* cr = std::strrchr(text, kCR);
    if (cr) {
        *cr = '\0';
    }
}

} // namespace wenux
