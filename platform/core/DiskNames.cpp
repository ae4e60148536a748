#include "platform/core/DiskNames.h"

#include "platform/core/CodePage.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

std::string DiskName(std::string_view cp932Path) {
    return Cp932ToUtf8(cp932Path);
}

std::optional<std::string> SuiteName(std::string_view diskName) {
    return Utf8ToCp932Strict(diskName);
}

DiskEntry EntryAt(const char* cp932Path) {
    struct stat info {};
    if (::stat(DiskName(cp932Path).c_str(), &info) != 0) {
        return DiskEntry::Missing;
    }
    if (S_ISREG(info.st_mode)) {
        return DiskEntry::RegularFile;
    }
    return S_ISDIR(info.st_mode) ? DiskEntry::Directory : DiskEntry::Special;
}

bool PathExists(const char* cp932Path) {
    return EntryAt(cp932Path) != DiskEntry::Missing;
}

bool IsReadableFile(const char* cp932Path) {
    return EntryAt(cp932Path) == DiskEntry::RegularFile && ::access(DiskName(cp932Path).c_str(), R_OK) == 0;
}

bool IsMissingDocument(const char* cp932Path) {
    const DiskEntry entry = EntryAt(cp932Path);
    return entry == DiskEntry::Missing || (entry == DiskEntry::RegularFile && !IsReadableFile(cp932Path));
}

bool IsWritableFile(const char* cp932Path) {
    const std::string name = DiskName(cp932Path);
    struct stat info {};
    return ::stat(name.c_str(), &info) == 0 && S_ISREG(info.st_mode) && (info.st_mode & 0222) != 0 &&
           ::access(name.c_str(), W_OK) == 0;
}

bool IsWritableDirectory(const char* cp932Path) {
    return EntryAt(cp932Path) == DiskEntry::Directory &&
           ::access(DiskName(cp932Path).c_str(), W_OK | X_OK) == 0;
}

int OpenRegularFile(const char* cp932Path, int flags, mode_t mode) {
    const int fd = ::open(DiskName(cp932Path).c_str(), flags | O_NONBLOCK | O_CLOEXEC, mode);
    if (fd < 0) {
        return -1;
    }
    struct stat info {};
    int refusal = 0;
    if (::fstat(fd, &info) != 0) {
        refusal = errno;
    } else if (!S_ISREG(info.st_mode)) {
        refusal = S_ISDIR(info.st_mode) ? EISDIR : ENXIO;
    } else if (!(flags & O_NONBLOCK) && ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0) {
        refusal = errno;
    }
    if (refusal != 0) {
        ::close(fd);
        errno = refusal;
        return -1;
    }
    return fd;
}

std::optional<std::string> ReadRegularFile(const char* cp932Path) {
    const int fd = OpenRegularFile(cp932Path, O_RDONLY);
    if (fd < 0) {
        return std::nullopt;
    }
    std::string bytes;
    char chunk[65536];
    ssize_t got = 0;
    while ((got = ::read(fd, chunk, sizeof chunk)) != 0) {
        if (got > 0) {
            bytes.append(chunk, static_cast<std::size_t>(got));
        } else if (errno != EINTR) {
            break;
        }
    }
    ::close(fd);
    if (got < 0) {
        return std::nullopt;
    }
    return bytes;
}

} // namespace platform
