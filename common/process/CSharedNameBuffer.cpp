#include "common/process/CSharedNameBuffer.h"

#include "common/process/RuntimeDirectory.h"
#include "common/process/UniqueFd.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::size_t kTokenBytes = 16;
constexpr int kNameAttempts = 8;

// 128 random bits as hex; empty when the system gives no randomness.
std::string RandomToken() {
    unsigned char bytes[kTokenBytes];
    if (::getrandom(bytes, sizeof bytes, 0) != static_cast<ssize_t>(sizeof bytes)) {
        return {};
    }
    std::string token;
    char hex[3];
    for (unsigned char byte : bytes) {
        std::snprintf(hex, sizeof hex, "%02x", byte);
        token += hex;
    }
    return token;
}

std::string NamePrefix(const char* name) {
    return "/verrant-" + std::to_string(::getuid()) + "-" + process::SafeEntryName(name) + "-";
}

// A published name must be one of ours: our prefix and a token of hex digits only.
bool IsOwnSystemName(const std::string& systemName, const char* name) {
    const std::string prefix = NamePrefix(name);
    if (systemName.size() != prefix.size() + 2 * kTokenBytes ||
        systemName.compare(0, prefix.size(), prefix) != 0) {
        return false;
    }
    return systemName.find_first_not_of("0123456789abcdef", prefix.size()) == std::string::npos;
}

// Where the system keeps its shared-memory objects as files.
constexpr const char* kSharedMemoryDirectory = "/dev/shm";

struct flock WholeSegmentLock(short type) {
    struct flock lock {};
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    return lock;
}

// True when the segment's file holds the object the descriptor has open (it was not removed
// by another owner's clean-up between its creation and its lock).
bool StillNamed(int fd, const std::string& systemName) {
    struct stat opened {};
    struct stat named {};
    const std::string path = kSharedMemoryDirectory + systemName;
    return ::fstat(fd, &opened) == 0 && ::lstat(path.c_str(), &named) == 0 && opened.st_ino == named.st_ino &&
           opened.st_dev == named.st_dev;
}

// Removes the buffers of this name that no owner holds any more: an owner holds a lock on its
// segment for as long as it runs, so an unheld one was left by an owner that was killed, on
// any display, whether or not its published name is still found.
void RemoveAbandonedSegments(const char* name) {
    DIR* listing = ::opendir(kSharedMemoryDirectory);
    if (listing == nullptr) {
        return;
    }
    while (const dirent* entry = ::readdir(listing)) {
        const std::string systemName = std::string("/") + entry->d_name;
        if (!IsOwnSystemName(systemName, name)) {
            continue;
        }
        const std::string path = kSharedMemoryDirectory + systemName;
        process::UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK));
        struct stat info {};
        struct flock probe = WholeSegmentLock(F_WRLCK);
        if (fd.IsValid() && ::fstat(fd.Get(), &info) == 0 && S_ISREG(info.st_mode) &&
            info.st_uid == ::getuid() && ::fcntl(fd.Get(), F_OFD_GETLK, &probe) == 0 &&
            probe.l_type == F_UNLCK && StillNamed(fd.Get(), systemName)) {
            ::shm_unlink(systemName.c_str());
        }
    }
    ::closedir(listing);
}

// Writes the text to a fresh file beside the path and renames it into place, so that a
// reader sees the old name or the new one, never half of one.
bool PublishText(const std::string& path, const std::string& text) {
    std::string temporary = path + ".XXXXXX";
    process::UniqueFd fd(::mkostemp(temporary.data(), O_CLOEXEC));
    if (!fd.IsValid()) {
        return false;
    }
    const bool written = ::write(fd.Get(), text.data(), text.size()) == static_cast<ssize_t>(text.size());
    if (!written || ::rename(temporary.c_str(), path.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}

// The text of a published name: a small regular file of ours, never followed through a link.
std::string ReadPublishedText(const std::string& path) {
    process::UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK));
    struct stat info {};
    if (!fd.IsValid() || ::fstat(fd.Get(), &info) != 0 || !S_ISREG(info.st_mode) ||
        info.st_uid != ::getuid()) {
        return {};
    }
    char text[256];
    const ssize_t got = ::read(fd.Get(), text, sizeof text);
    return got > 0 ? std::string(text, static_cast<std::size_t>(got)) : std::string();
}

} // namespace

std::string CSharedNameBuffer::PublishedNamePath(const char* name) {
    const std::string path = process::SuiteRuntimePath(name);
    return path.empty() ? path : path + ".shm";
}

std::string CSharedNameBuffer::SystemName(const char* name) {
    const std::string path = PublishedNamePath(name);
    const std::string systemName = path.empty() ? path : ReadPublishedText(path);
    return IsOwnSystemName(systemName, name) ? systemName : std::string();
}

CSharedNameBuffer::~CSharedNameBuffer() {
    Close();
}

bool CSharedNameBuffer::Create(const char* name) {
    Close();
    const std::string published = PublishedNamePath(name);
    if (published.empty()) {
        return false;
    }
    if (const std::string stale = SystemName(name); !stale.empty()) {
        ::shm_unlink(stale.c_str()); // an owner killed earlier left its segment
    }
    RemoveAbandonedSegments(name);
    process::UniqueFd fd;
    std::string systemName;
    for (int attempt = 0; attempt < kNameAttempts && !fd.IsValid(); ++attempt) {
        const std::string token = RandomToken();
        if (token.empty()) {
            return false;
        }
        systemName = NamePrefix(name) + token;
        fd.Reset(::shm_open(systemName.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
        if (!fd.IsValid() && errno != EEXIST) {
            return false;
        }
        // Held from here on; another start may have taken it for abandoned before the lock.
        struct flock lock = WholeSegmentLock(F_WRLCK);
        if (fd.IsValid() && ::fcntl(fd.Get(), F_OFD_SETLK, &lock) != 0) {
            ::shm_unlink(systemName.c_str());
            fd.Reset(-1);
        } else if (fd.IsValid() && !StillNamed(fd.Get(), systemName)) {
            fd.Reset(-1);
        }
    }
    if (!fd.IsValid()) {
        return false;
    }
    if (::ftruncate(fd.Get(), static_cast<off_t>(kSize)) != 0 || !Map(fd.Get()) ||
        !PublishText(published, systemName)) {
        Close();
        ::shm_unlink(systemName.c_str());
        return false;
    }
    ownedName_ = systemName;
    publishedPath_ = published;
    ownerLock_ = std::move(fd);
    Zero();
    return true;
}

bool CSharedNameBuffer::Open(const char* name) {
    Close();
    const std::string systemName = SystemName(name);
    if (systemName.empty()) {
        failure_ = Failure::Missing;
        return false;
    }
    process::UniqueFd fd(::shm_open(systemName.c_str(), O_RDWR | O_CLOEXEC, 0));
    if (!fd.IsValid()) {
        failure_ = errno == ENOENT ? Failure::Missing : Failure::Unusable;
        return false;
    }
    struct stat info {};
    if (::fstat(fd.Get(), &info) != 0 || info.st_size != static_cast<off_t>(kSize) ||
        info.st_uid != ::getuid() || !Map(fd.Get())) {
        failure_ = Failure::Unusable;
        return false;
    }
    failure_ = Failure::None;
    return true;
}

bool CSharedNameBuffer::Map(int fd) {
    void* view = ::mmap(nullptr, kSize, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    if (view == MAP_FAILED) {
        return false;
    }
    view_ = static_cast<char*>(view);
    return true;
}

void CSharedNameBuffer::Close() {
    if (view_ != nullptr) {
        ::munmap(view_, kSize);
        view_ = nullptr;
    }
    if (!ownedName_.empty()) {
        // The published name goes only while it still names this owner's segment.
        if (ReadPublishedText(publishedPath_) == ownedName_) {
            ::unlink(publishedPath_.c_str());
        }
        ::shm_unlink(ownedName_.c_str());
        ownerLock_.Reset(-1);
        ownedName_.clear();
        publishedPath_.clear();
    }
}

void CSharedNameBuffer::Zero() {
    if (view_ != nullptr) {
        std::memset(view_, 0, kSize);
    }
}

CString CSharedNameBuffer::Read() const {
    if (view_ == nullptr) {
        return CString();
    }
    return CString(view_, static_cast<int>(::strnlen(view_, kSize - 1)));
}

bool CSharedNameBuffer::Write(const CString& text) {
    if (view_ == nullptr || static_cast<std::size_t>(text.GetLength()) > kSize - 1) {
        return false;
    }
    std::memset(view_, 0, kSize);
    std::memcpy(view_, text.GetString(), static_cast<std::size_t>(text.GetLength()));
    return true;
}
