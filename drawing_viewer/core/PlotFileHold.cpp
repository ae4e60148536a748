#include "PlotFileHold.h"
#include "platform/core/DiskNames.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace zapho {

namespace {

bool IsPlainName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos;
}

void SplitIndexPath(const std::string& path, std::string& directory, std::string& name) {
    const std::size_t slash = path.rfind('/');
    directory = slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
    name = slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

PlotFileHold::~PlotFileHold() {
    Release(false);
}

PlotFileHold::PlotFileHold(PlotFileHold&& other) noexcept
    : directoryFd_(std::exchange(other.directoryFd_, -1)), indexFd_(std::exchange(other.indexFd_, -1)),
      index_(std::move(other.index_)), read_(std::move(other.read_)) {}

PlotFileHold& PlotFileHold::operator=(PlotFileHold&& other) noexcept {
    if (this != &other) {
        Release(false);
        directoryFd_ = std::exchange(other.directoryFd_, -1);
        indexFd_ = std::exchange(other.indexFd_, -1);
        index_ = std::move(other.index_);
        read_ = std::move(other.read_);
    }
    return *this;
}

bool PlotFileHold::Hold(const char* indexPath) {
    Release(false);
    std::string directory;
    std::string name;
    SplitIndexPath(platform::DiskName(indexPath), directory, name);
    directoryFd_ = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (directoryFd_ >= 0 && IsPlainName(name)) {
        indexFd_ = ::openat(directoryFd_, name.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    }
    if (indexFd_ < 0 || ::flock(indexFd_, LOCK_SH | LOCK_NB) != 0) {
        Release(false);
        return false;
    }
    if (!Identify(name, index_)) {
        index_ = Identity(); // not a regular file of the directory: never removed
    }
    return true;
}

bool PlotFileHold::Identify(const std::string& name, Identity& identity) const {
    struct stat info {};
    if (directoryFd_ < 0 || !IsPlainName(name) ||
        ::fstatat(directoryFd_, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(info.st_mode)) {
        return false;
    }
    identity.name = name;
    identity.device = info.st_dev;
    identity.inode = info.st_ino;
    identity.size = info.st_size;
    identity.modified = info.st_mtim;
    return true;
}

void PlotFileHold::NoteRead(const CString& name) {
    Identity identity;
    if (IsHeld() && Identify(platform::DiskName(name.str()), identity)) {
        read_.push_back(identity);
    }
}

void PlotFileHold::RemoveIfUnchanged(const Identity& identity) const {
    Identity now;
    if (identity.name.empty() || !Identify(identity.name, now)) {
        return;
    }
    if (now.device == identity.device && now.inode == identity.inode && now.size == identity.size &&
        now.modified.tv_sec == identity.modified.tv_sec &&
        now.modified.tv_nsec == identity.modified.tv_nsec) {
        ::unlinkat(directoryFd_, identity.name.c_str(), 0);
    }
}

void PlotFileHold::Release(bool remove) {
    if (remove && IsHeld()) {
        for (const Identity& identity : read_) {
            RemoveIfUnchanged(identity);
        }
        RemoveIfUnchanged(index_);
    }
    if (indexFd_ >= 0) {
        ::close(indexFd_); // closing the last descriptor drops the lock
    }
    if (directoryFd_ >= 0) {
        ::close(directoryFd_);
    }
    indexFd_ = directoryFd_ = -1;
    index_ = Identity();
    read_.clear();
}

} // namespace zapho
