#pragma once
// File of typed binary items, little-endian: short 2, int 4, long 4, double 8 bytes;
// a string is a 2-byte length word (0..128 on reading) followed by its bytes.
//
// A read that fails hands a marker value to the caller (see each operation) and
// throws the CFileException on without a message; a read past the end of the file
// throws with cause endOfFile. A write that fails beeps, shows its message and
// throws on. In short-int mode (old figure files) ReadInt reads 2 bytes.

#include "platform/core/CFile.h"
#include "platform/core/SafeFileWriter.h"

class CBinaryFile : public CFile {
    DECLARE_DYNAMIC(CBinaryFile)

public:
    static constexpr int kMaxStringLength = 128;

    CBinaryFile() = default;

    // 1 when open; on failure a beep, the open message with the cause and path, 0 (and the
    // cause in *error when given). Also when the file is opened through a CFile&.
    BOOL Open(const char* path, UINT openFlags, CFileException* error = nullptr) override;
    // Opens the writer's new file for writing, with the same failure message.
    int Open(platform::SafeFileWriter& writer, UINT openFlags);

    void SetShortIntMode(bool on) { shortIntMode_ = on; }
    bool IsShortIntMode() const { return shortIntMode_; }

    // buffer holds at least kMaxStringLength + 1 bytes.
    virtual int ReadString(char* buffer);
    // *text is a new buffer (delete[] by the caller), or null for an empty string.
    virtual int ReadString(char** text);
    virtual int ReadString(CString& text);
    virtual int ReadDouble(double& value); // unset double on failure
    virtual int ReadDWord(DWORD& value);   // 0xFFFFFFFF on failure
    virtual int ReadInt(int& value);       // unset int on failure
    virtual int ReadLong(LONG& value);     // 0x7FFFFFFF on failure
    virtual int ReadShort(short& value);   // 0x8000 on failure
    virtual int WriteString(const char* text);
    virtual int WriteString(const CString& text);
    virtual int WriteDouble(double value);
    virtual int WriteLong(LONG value);
    virtual int WriteInt(int value);
    virtual int WriteShort(short value);
    virtual int WriteDWord(DWORD value);

private:
    void ReadExactly(void* out, UINT count);
    WORD ReadLengthWord();
    void WriteItem(const void* bytes, UINT count, bool isString);

    bool shortIntMode_ = false;
    unsigned char transfer_[8] = {};
};

// Closes the file; a failing close beeps and shows "ﾌｧｲﾙを閉じる際にｴﾗｰが発生しました" and
// gives FALSE, else TRUE.
BOOL CloseFileWithMessage(CBinaryFile& file);
