#include "platform/core/CException.h"
#include "platform/core/CFileException.h"

#include <cerrno>

IMPLEMENT_DYNAMIC(CException, CObject)
IMPLEMENT_DYNAMIC(CMemoryException, CException)
IMPLEMENT_DYNAMIC(CUserException, CException)
IMPLEMENT_DYNAMIC(CFileException, CException)

void AfxThrowMemoryException() {
    throw CMemoryException();
}
void AfxThrowUserException() {
    throw CUserException();
}

void AfxThrowFileException(int cause, long osError, const CString& fileName) {
    throw CFileException(cause, osError, fileName);
}

int CFileException::OsErrorToException(int osError) {
    switch (osError) {
    case 0:
        return none;
    case ENOENT:
        return fileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
        return badPath;
    case EMFILE:
    case ENFILE:
        return tooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case EEXIST:
        return accessDenied;
    case EBADF:
        return invalidFile;
    case ESPIPE:
    case EINVAL:
        return badSeek;
    case EIO:
        return hardIO;
    case EBUSY:
    case ETXTBSY:
        return sharingViolation;
    case EDEADLK:
    case ENOLCK:
        return lockViolation;
    case ENOSPC:
    case EDQUOT: // the user's share of the disk is full
        return diskFull;
    // EFBIG (a file past the file-size limit or the file system's largest file) is no full
    // disk: room to free elsewhere would not help, so it is a write error like any other.
    default:
        return genericException;
    }
}

void CFileException::ThrowOsError(int osError, const CString& fileName) {
    throw CFileException(OsErrorToException(osError), osError, fileName);
}
