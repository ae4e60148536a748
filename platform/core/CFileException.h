#pragma once
// A file error with the framework's cause codes, the operating-system error and the file name.

#include "platform/core/CException.h"
#include "platform/core/CString.h"

class CFileException : public CException {
    DECLARE_DYNAMIC(CFileException)

public:
    enum {
        none = 0,
        genericException = 1,
        fileNotFound = 2,
        badPath = 3,
        tooManyOpenFiles = 4,
        accessDenied = 5,
        invalidFile = 6,
        removeCurrentDir = 7,
        directoryFull = 8,
        badSeek = 9,
        hardIO = 10,
        sharingViolation = 11,
        lockViolation = 12,
        diskFull = 13,
        endOfFile = 14,
    };

    explicit CFileException(int cause = none, long osError = -1, const CString& fileName = CString())
        : m_cause(cause), m_lOsError(osError), m_strFileName(fileName) {}

    // The cause code for an errno value.
    static int OsErrorToException(int osError);
    [[noreturn]] static void ThrowOsError(int osError, const CString& fileName = CString());

    int m_cause;
    long m_lOsError;
    CString m_strFileName;
};

[[noreturn]] void AfxThrowFileException(int cause, long osError = -1, const CString& fileName = CString());
