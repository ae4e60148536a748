#include "CFile.h"

#include "platform/core/DiskNames.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

IMPLEMENT_DYNAMIC(CFile, CObject)

namespace {

int OpenFlagsToPosix(UINT flags) {
    int access = O_RDONLY;
    if ((flags & 3) == CFile::modeWrite) {
        access = O_WRONLY;
    } else if ((flags & 3) == CFile::modeReadWrite) {
        access = O_RDWR;
    }
    int posix = access | O_CLOEXEC;
    if (flags & CFile::modeCreate) {
        posix |= O_CREAT;
        if (!(flags & CFile::modeNoTruncate)) {
            posix |= O_TRUNC;
        }
    }
    return posix;
}

} // namespace

CFile::CFile(const char* path, UINT openFlags) {
    CFileException error;
    if (!Open(path, openFlags, &error)) {
        throw error;
    }
}

CFile::~CFile() {
    if (m_hFile != hFileNull) {
        Abort();
    }
}

std::string CFile::OsPath(const char* path) {
    return platform::DiskName(path);
}

bool CFile::FitsPathLimit(const char* path) {
    return OsPath(path).size() < PATH_MAX;
}

BOOL CFile::Open(const char* path, UINT openFlags, CFileException* error) {
    SetFilePath(path);
    writeback_ = platform::WritebackStarter();
    int fd = platform::OpenRegularFile(path, OpenFlagsToPosix(openFlags));
    if (fd < 0) {
        if (error) {
            *error = CFileException(CFileException::OsErrorToException(errno), errno, path);
        }
        return FALSE;
    }
    m_hFile = fd;
    return TRUE;
}

BOOL CFile::OpenDescriptor(int fd, const char* path, UINT, CFileException*) {
    SetFilePath(path);
    writeback_ = platform::WritebackStarter();
    m_hFile = fd;
    return TRUE;
}

void CFile::Close() {
    if (m_hFile == hFileNull) {
        return;
    }
    int fd = m_hFile;
    m_hFile = hFileNull;
    if (::close(fd) != 0) {
        ThrowErrno(errno);
    }
}

void CFile::Abort() {
    if (m_hFile != hFileNull) {
        ::close(m_hFile);
        m_hFile = hFileNull;
    }
}

UINT CFile::Read(void* buffer, UINT count) {
    char* out = static_cast<char*>(buffer);
    UINT done = 0;
    while (done < count) {
        ssize_t n = ::read(m_hFile, out + done, count - done);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            ThrowErrno(errno);
        }
        if (n == 0) {
            break;
        }
        done += static_cast<UINT>(n);
    }
    return done;
}

void CFile::Write(const void* buffer, UINT count) {
    const char* in = static_cast<const char*>(buffer);
    UINT done = 0;
    while (done < count) {
        ssize_t n = ::write(m_hFile, in + done, count - done);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            ThrowErrno(errno);
        }
        done += static_cast<UINT>(n);
    }
    if (writeback_.Wrote(count)) {
        writeback_.Start(m_hFile);
    }
}

std::int64_t CFile::Seek(std::int64_t offset, UINT from) {
    int whence = from == current ? SEEK_CUR : (from == end ? SEEK_END : SEEK_SET);
    off_t pos = ::lseek(m_hFile, offset, whence);
    if (pos < 0) {
        ThrowErrno(errno);
    }
    return pos;
}

std::int64_t CFile::GetPosition() const {
    off_t pos = ::lseek(m_hFile, 0, SEEK_CUR);
    if (pos < 0) {
        ThrowErrno(errno);
    }
    return pos;
}

std::int64_t CFile::GetLength() const {
    struct stat info {};
    if (::fstat(m_hFile, &info) != 0) {
        ThrowErrno(errno);
    }
    return info.st_size;
}

void CFile::Flush() {
    if (m_hFile != hFileNull && ::fsync(m_hFile) != 0 && errno != EINVAL) {
        ThrowErrno(errno);
    }
}

void CFile::Remove(const char* path) {
    if (::unlink(OsPath(path).c_str()) != 0) {
        CFileException::ThrowOsError(errno, path);
    }
}

void CFile::ThrowErrno(int osError) const {
    CFileException::ThrowOsError(osError, m_strFileName);
}
