#include "CClipboardFile.h"

#include "platform/core/CException.h"
#include "platform/core/Clipboard.h"

#include <cstring>
#include <memory>

IMPLEMENT_DYNAMIC(CClipboardFile, CBinaryFile)

CClipboardFile::CClipboardFile(const void* /*ownerWindow*/)
    : clipboardOpen_(platform::CurrentClipboard().Open() ? 1 : 0) {}

CClipboardFile::~CClipboardFile() {
    if (clipboardOpen_) {
        platform::CurrentClipboard().Close();
    }
}

int CClipboardFile::Open(UINT format, UINT mode, UINT size) {
    if (!clipboardOpen_) {
        return 0;
    }
    format_ = format;
    mode_ = mode;
    position_ = 0;
    if (mode & CFile::modeWrite) {
        if (!emptied_) {
            platform::CurrentClipboard().Empty();
            emptied_ = 1;
        }
        block_.assign(size, '\0');
        holdsBlock_ = true;
        return 1;
    }
    auto data = platform::CurrentClipboard().GetData(ClipboardFormatName(format));
    if (!data) {
        return 0;
    }
    block_ = std::move(*data);
    holdsBlock_ = true;
    return 1;
}

int CClipboardFile::IsFormatAvailable(UINT format, int marker) {
    auto data = platform::CurrentClipboard().GetData(ClipboardFormatName(format));
    if (!data || data->size() < sizeof(int)) {
        return 0;
    }
    block_ = std::move(*data);
    holdsBlock_ = true;
    position_ = 0;
    int found = 0;
    Read(&found, sizeof found);
    return found == marker ? 1 : 0;
}

UINT CClipboardFile::Read(void* buffer, UINT count) {
    if (!holdsBlock_ || position_ + count > block_.size()) {
        AfxThrowUserException();
    }
    std::memcpy(buffer, block_.data() + position_, count);
    position_ += count;
    return count;
}

void CClipboardFile::Write(const void* buffer, UINT count) {
    if (!holdsBlock_) {
        AfxThrowUserException();
    }
    if (position_ + count > block_.size()) {
        std::size_t capacity = block_.size();
        while (capacity < position_ + count) {
            capacity += kGrowStep;
        }
        block_.resize(capacity, '\0');
    }
    std::memcpy(block_.data() + position_, buffer, count);
    position_ += count;
}

void CClipboardFile::Flush() {
    if (holdsBlock_ && (mode_ & CFile::modeWrite)) {
        platform::CurrentClipboard().SetData(ClipboardFormatName(format_), block_);
        holdsBlock_ = false;
    }
}

void CClipboardFile::Close() {
    if (holdsBlock_) {
        Flush();
    }
    holdsBlock_ = false;
}

std::int64_t CClipboardFile::Seek(std::int64_t, UINT) {
    return 0;
}

long CClipboardFile::ReadLength() {
    std::uint32_t length = 0;
    Read(&length, sizeof length);
    return length > static_cast<std::uint32_t>(kMaxStringLength) ? -1 : static_cast<long>(length);
}

int CClipboardFile::ReadString(char* buffer) {
    long length = ReadLength();
    if (length < 0) {
        return 0;
    }
    Read(buffer, static_cast<UINT>(length));
    buffer[length] = '\0';
    return 1;
}

int CClipboardFile::ReadString(char** text) {
    long length = ReadLength();
    if (length < 0) {
        return 0;
    }
    *text = nullptr;
    if (length == 0) {
        return 1;
    }
    std::unique_ptr<char[]> buffer(new char[static_cast<std::size_t>(length) + 2]);
    Read(buffer.get(), static_cast<UINT>(length));
    buffer[static_cast<std::size_t>(length)] = '\0';
    *text = buffer.release();
    return 1;
}

int CClipboardFile::ReadString(CString& text) {
    char buffer[kMaxStringLength + 1];
    if (!ReadString(buffer)) {
        return 0;
    }
    text = buffer;
    return 1;
}

int CClipboardFile::WriteString(const char* text) {
    std::uint32_t length = static_cast<std::uint32_t>(std::strlen(text));
    Write(&length, sizeof length);
    if (length > 0) {
        Write(text, length);
    }
    return 1;
}

int CClipboardFile::WriteString(const CString& text) {
    return WriteString(text.GetString());
}
