#include "CBinaryFile.h"

#include "common/records/CTextFile.h"
#include "platform/core/MessageSink.h"
#include "platform/core/Unset.h"

#include <bit>
#include <cstring>
#include <memory>

static_assert(std::endian::native == std::endian::little, "binary items are stored little-endian");

IMPLEMENT_DYNAMIC(CBinaryFile, CFile)

namespace {

const char8_t kDiskFullItem[] = u8"ﾃﾞｨｽｸが一杯のため、ﾌｧｲﾙ書き込みできません";
const char8_t kDiskFullString[] = u8"ﾃﾞｨｽｸが一杯のため、ﾌｧｲﾙ書き込みができません";
const char8_t kWriteError[] = u8"ﾌｧｲﾙ書き込みｴﾗｰです";

// Runs a fixed-size read; on a file error stores the marker and throws on.
template <typename T, typename Read> int ReadOrMark(T& value, T marker, Read read) {
    try {
        value = read();
    } catch (const CFileException&) {
        value = marker;
        throw;
    }
    return 1;
}

} // namespace

BOOL CBinaryFile::Open(const char* path, UINT openFlags, CFileException* error) {
    CFileException cause;
    if (CFile::Open(path, openFlags | typeBinary, &cause)) {
        return 1;
    }
    ReportOpenError(cause, path);
    if (error) {
        *error = cause;
    }
    return 0;
}

int CBinaryFile::Open(platform::SafeFileWriter& writer, UINT openFlags) {
    CFileException error;
    if (writer.Open(*this, openFlags | typeBinary, &error)) {
        return 1;
    }
    ReportOpenError(error, writer.TargetPath());
    return 0;
}

void CBinaryFile::ReadExactly(void* out, UINT count) {
    if (Read(out, count) != count) {
        AfxThrowFileException(CFileException::endOfFile, -1, m_strFileName);
    }
}

WORD CBinaryFile::ReadLengthWord() {
    ReadExactly(transfer_, 2);
    WORD length;
    std::memcpy(&length, transfer_, 2);
    if (length > kMaxStringLength) {
        AfxThrowFileException(CFileException::genericException, -1, m_strFileName);
    }
    return length;
}

int CBinaryFile::ReadString(char* buffer) {
    WORD length = ReadLengthWord();
    if (length > 0) {
        ReadExactly(buffer, length);
    }
    buffer[length] = '\0';
    return 1;
}

int CBinaryFile::ReadString(char** text) {
    *text = nullptr;
    WORD length = ReadLengthWord();
    if (length == 0) {
        return 1;
    }
    std::unique_ptr<char[]> buffer(new char[length + 2]);
    ReadExactly(buffer.get(), length);
    buffer[length] = '\0';
    *text = buffer.release();
    return 1;
}

int CBinaryFile::ReadString(CString& text) {
    char buffer[kMaxStringLength + 1];
    ReadString(buffer);
    text = buffer;
    return 1;
}

int CBinaryFile::ReadDouble(double& value) {
    return ReadOrMark(value, platform::kUnsetDouble, [this] {
        ReadExactly(transfer_, 8);
        return std::bit_cast<double>(transfer_);
    });
}

int CBinaryFile::ReadDWord(DWORD& value) {
    return ReadOrMark(value, DWORD{0xFFFFFFFF}, [this] {
        ReadExactly(transfer_, 4);
        DWORD word;
        std::memcpy(&word, transfer_, 4);
        return word;
    });
}

int CBinaryFile::ReadInt(int& value) {
    return ReadOrMark(value, platform::kUnsetInt, [this] {
        if (!shortIntMode_) {
            ReadExactly(transfer_, 4);
            int word;
            std::memcpy(&word, transfer_, 4);
            return word;
        }
        ReadExactly(transfer_, 2);
        short half;
        std::memcpy(&half, transfer_, 2);
        // Old files stored the unset markers in 16 bits.
        if (half == -32767) {
            return platform::kUnsetInt;
        }
        if (half == 32767) {
            return 0x7FFFFFFF;
        }
        return static_cast<int>(half);
    });
}

int CBinaryFile::ReadLong(LONG& value) {
    return ReadOrMark(value, LONG{0x7FFFFFFF}, [this] {
        ReadExactly(transfer_, 4);
        LONG word;
        std::memcpy(&word, transfer_, 4);
        return word;
    });
}

int CBinaryFile::ReadShort(short& value) {
    return ReadOrMark(value, static_cast<short>(0x8000), [this] {
        ReadExactly(transfer_, 2);
        short half;
        std::memcpy(&half, transfer_, 2);
        return half;
    });
}

void CBinaryFile::WriteItem(const void* bytes, UINT count, bool isString) {
    try {
        Write(bytes, count);
    } catch (const CFileException& error) {
        MessageBeep(0);
        if (error.m_cause == CFileException::diskFull) {
            AfxMessageBox(isString ? kDiskFullString : kDiskFullItem);
        } else {
            AfxMessageBox(kWriteError);
        }
        throw;
    }
}

int CBinaryFile::WriteString(const char* text) {
    std::size_t length = std::strlen(text);
    WORD word = static_cast<WORD>(length);
    std::memcpy(transfer_, &word, 2);
    WriteItem(transfer_, 2, true);
    if (word > 0) {
        WriteItem(text, word, true);
    }
    return 1;
}

int CBinaryFile::WriteString(const CString& text) {
    return WriteString(text.GetString());
}

int CBinaryFile::WriteDouble(double value) {
    std::memcpy(transfer_, &value, 8);
    WriteItem(transfer_, 8, false);
    return 1;
}

int CBinaryFile::WriteLong(LONG value) {
    std::memcpy(transfer_, &value, 4);
    WriteItem(transfer_, 4, false);
    return 1;
}

int CBinaryFile::WriteInt(int value) {
    std::memcpy(transfer_, &value, 4);
    WriteItem(transfer_, 4, false);
    return 1;
}

int CBinaryFile::WriteShort(short value) {
    std::memcpy(transfer_, &value, 2);
    WriteItem(transfer_, 2, false);
    return 1;
}

int CBinaryFile::WriteDWord(DWORD value) {
    std::memcpy(transfer_, &value, 4);
    WriteItem(transfer_, 4, false);
    return 1;
}

BOOL CloseFileWithMessage(CBinaryFile& file) {
    try {
        file.Close();
    } catch (const CFileException&) {
        MessageBeep(0);
        AfxMessageBox(u8"ﾌｧｲﾙを閉じる際にｴﾗｰが発生しました");
        return FALSE;
    }
    return TRUE;
}
