#pragma once
// Unbuffered binary file over a POSIX descriptor, in the framework's shape.
//
// Paths are CP932 strings and are converted to UTF-8 at the system call.
// Errors of an open file throw CFileException; Open reports through its optional
// exception object and returns FALSE instead. The sharing flags are accepted and
// have no effect (Linux has no mandatory sharing modes).

#include "platform/core/CFileException.h"
#include "platform/core/CObject.h"
#include "platform/core/CString.h"
#include "platform/core/WritebackStarter.h"

#include <cstdint>

class CFile : public CObject {
    DECLARE_DYNAMIC(CFile)

public:
    enum OpenFlags : UINT {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareCompat = 0x0000,
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        modeNoInherit = 0x0080,
        modeCreate = 0x1000,
        modeNoTruncate = 0x2000,
        typeText = 0x4000,
        typeBinary = 0x8000,
    };
    enum SeekPosition { begin = 0, current = 1, end = 2 };

    CFile() = default;
    // Opens or throws CFileException.
    CFile(const char* path, UINT openFlags);
    ~CFile() override;
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    virtual BOOL Open(const char* path, UINT openFlags, CFileException* error = nullptr);
    // Takes an open descriptor (owned from then on, also on failure) as if opened under
    // the path with these flags; the path names the file in errors.
    virtual BOOL OpenDescriptor(int fd, const char* path, UINT openFlags, CFileException* error = nullptr);
    virtual void Close();
    // Closes without reporting errors.
    virtual void Abort();
    virtual UINT Read(void* buffer, UINT count);
    virtual void Write(const void* buffer, UINT count);
    virtual std::int64_t Seek(std::int64_t offset, UINT from);
    void SeekToBegin() { Seek(0, begin); }
    virtual std::int64_t GetPosition() const;
    virtual std::int64_t GetLength() const;
    virtual void Flush();
    // For a file that a sync will follow: its data's writeback starts as it is written
    // (WritebackStarter), until the file is opened again.
    void StartWritebackAsWritten() { writeback_.Enable(); }
    virtual bool IsOpen() const { return m_hFile >= 0; }

    CString GetFilePath() const { return m_strFileName; }
    // The file name part of the path.
    virtual void SetFilePath(const char* path) { m_strFileName = path; }

    static void Remove(const char* path);
    // The UTF-8 form of a CP932 path, as the system calls want it.
    static std::string OsPath(const char* path);
    // True when the path, as the system spells it, fits the system's path limit
    // (PATH_MAX - 1 bytes).
    static bool FitsPathLimit(const char* path);

    static const int hFileNull = -1;
    int m_hFile = hFileNull;

protected:
    [[noreturn]] void ThrowErrno(int osError) const;
    CString m_strFileName;
    platform::WritebackStarter writeback_;
};
