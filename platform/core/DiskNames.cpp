#include "platform/core/DiskNames.h"

#include "platform/core/CodePage.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

// The working directory as the suite names it; nothing when it is gone or CP932 cannot hold it.
std::optional<std::string> WorkingDirectory() {
    const std::unique_ptr<char, decltype(&std::free)> working(::getcwd(nullptr, 0), &std::free);
    if (!working || working.get()[0] != '/') {
        return std::nullopt;
    }
    return SuiteName(working.get());
}

// Appends one step of a relative name to a full directory name. The working directory is
// the system's own answer, free of links, so a ".." right after it climbs it as the system
// would; after a step of the name itself, which may be a link, the ".." is kept.
void AppendStep(std::string& full, std::string_view step, bool& climbing) {
    if (step.empty() || step == ".") {
        return;
    }
    if (step == ".." && climbing) {
        const std::size_t slash = full.find_last_of('/');
        full.erase(slash == 0 ? 1 : slash);
        return;
    }
    climbing = false;
    if (full.back() != '/') {
        full += '/';
    }
    full += step;
}

} // namespace

std::string DiskName(std::string_view cp932Path) {
    return Cp932ToUtf8(cp932Path);
}

std::optional<std::string> SuiteName(std::string_view diskName) {
    return Utf8ToCp932Strict(diskName);
}

std::string FullPathName(std::string_view cp932Path) {
    if (cp932Path.empty() || cp932Path.front() == '/') {
        return std::string(cp932Path);
    }
    std::optional<std::string> full = WorkingDirectory();
    if (!full) {
        return std::string(cp932Path);
    }
    // '/' and '.' never occur inside a CP932 double-byte character.
    bool climbing = true;
    for (std::size_t start = 0; start <= cp932Path.size();) {
        const std::size_t slash = std::min(cp932Path.find('/', start), cp932Path.size());
        AppendStep(*full, cp932Path.substr(start, slash - start), climbing);
        start = slash + 1;
    }
    return *full;
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
