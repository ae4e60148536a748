#include "SafeFileWriter.h"

#include "platform/core/DiskNames.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <sys/file.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace platform {

namespace {

SafeFileWriter::StepHook g_stepHook = nullptr; // tests only

const char kTemporaryTail[] = ".XXXXXX.tmp";
const std::size_t kTemporaryTailSize = sizeof kTemporaryTail - 1;

// The hook's injected errno for the step, 0 to go on.
int Injected(SafeWriteStep step) {
    return g_stepHook ? g_stepHook(step) : 0;
}

// 0 when the call succeeded, else its errno (or the one the hook injected).
template <class Call> int RunStep(SafeWriteStep step, Call call) {
    if (int injected = Injected(step)) {
        return injected;
    }
    return call() == 0 ? 0 : errno;
}

void SplitOsPath(const std::string& path, std::string& directory, std::string& name) {
    std::size_t slash = path.rfind('/');
    directory = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    name = slash == std::string::npos ? path : path.substr(slash + 1);
}

// ".<name>" cut (at a UTF-8 character start) so that the temporary name fits NAME_MAX.
std::string TemporaryPrefix(const std::string& name) {
    std::string prefix = "." + name;
    std::size_t limit = NAME_MAX - kTemporaryTailSize;
    if (prefix.size() > limit) {
        std::size_t cut = limit;
        while (cut > 1 && (static_cast<unsigned char>(prefix[cut]) & 0xC0) == 0x80) {
            --cut;
        }
        prefix.resize(cut);
    }
    return prefix;
}

std::string TemporaryTemplate(const std::string& osTarget) {
    std::string directory, name;
    SplitOsPath(osTarget, directory, name);
    return directory + TemporaryPrefix(name) + kTemporaryTail;
}

bool IsLeftoverName(const char* entry, const std::string& prefix) {
    std::size_t length = std::strlen(entry);
    return length == prefix.size() + kTemporaryTailSize &&
           std::strncmp(entry, prefix.c_str(), prefix.size()) == 0 && entry[prefix.size()] == '.' &&
           std::strcmp(entry + length - 4, ".tmp") == 0;
}

mode_t ProcessUmask() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("Umask:", 0) == 0) {
            return static_cast<mode_t>(std::strtoul(line.c_str() + 6, nullptr, 8));
        }
    }
    return 022;
}

// Gives the temporary the old file's permission bits and group; a new file 0666 less
// the umask. A group the user may not set is never given the old group's rights.
int SetPermissions(int fd, const std::string& osTarget) {
    struct stat old {};
    mode_t mode = 0666 & ~ProcessUmask();
    if (::stat(osTarget.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
        mode = old.st_mode & 0777;
        struct stat fresh {};
        if (::fstat(fd, &fresh) == 0 && fresh.st_gid != old.st_gid &&
            ::fchown(fd, static_cast<uid_t>(-1), old.st_gid) != 0) {
            mode &= ~static_cast<mode_t>(070);
        }
    }
    return ::fchmod(fd, mode);
}

// A fresh temporary name beside the target for link() to make: never a file made first and
// removed again, since another save's clean-up that had taken that file would then remove
// the name after the link had given it to the old contents. link() follows no symbolic link
// planted at the name (it fails EEXIST, and the caller draws again).
std::string FreshName(const std::string& osTarget) {
    static constexpr char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::string name = TemporaryTemplate(osTarget);
    unsigned char drawn[6] = {};
    if (::getrandom(drawn, sizeof drawn, GRND_NONBLOCK) != static_cast<ssize_t>(sizeof drawn)) {
        struct timespec now {};
        ::clock_gettime(CLOCK_MONOTONIC, &now);
        unsigned long mixed =
            static_cast<unsigned long>(now.tv_nsec) ^ (static_cast<unsigned long>(::getpid()) << 20);
        for (unsigned char& byte : drawn) {
            byte = static_cast<unsigned char>(mixed);
            mixed = mixed * 6364136223846793005UL + 1442695040888963407UL;
        }
    }
    char* letters = name.data() + name.size() - kTemporaryTailSize + 1;
    for (std::size_t i = 0; i < sizeof drawn; ++i) {
        letters[i] = kLetters[drawn[i] % (sizeof kLetters - 1)];
    }
    return name;
}

void CloseIfSet(int& fd) {
    if (fd >= 0) {
        ::close(fd);
        fd = -1;
    }
}

int CopyInto(const std::string& from, int toFd) {
    int in = ::open(from.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0) {
        return errno;
    }
    char buffer[65536];
    int result = 0;
    for (;;) {
        ssize_t n = ::read(in, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            result = n < 0 ? errno : 0;
            break;
        }
        for (ssize_t done = 0; done < n;) {
            ssize_t w = ::write(toFd, buffer + done, static_cast<std::size_t>(n - done));
            if (w < 0 && errno != EINTR) {
                ::close(in);
                return errno;
            }
            done += w > 0 ? w : 0;
        }
    }
    ::close(in);
    return result;
}

// True when the two names or descriptors looked at give one file.
bool SameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Locks a temporary this save made (shared: a lock another save's clean-up, which locks a
// leftover exclusively before removing it, cannot take); false when that clean-up took it
// first (it holds the lock, or has removed the name already): the caller makes another.
bool LockedAndStillNamed(int fd) {
    struct stat info {};
    return ::flock(fd, LOCK_SH | LOCK_NB) == 0 && ::fstat(fd, &info) == 0 && info.st_nlink > 0;
}

// The descriptor, locked as above, of the regular file a name beside the target now gives;
// -1 when another save's clean-up took it first. A symbolic link there (an older backup
// that is one) is no clean-up's to remove: *unheldLink says so.
int HoldNamed(const std::string& name, bool* unheldLink) {
    *unheldLink = false;
    int fd = ::open(name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        *unheldLink = errno == ELOOP;
        return -1;
    }
    struct stat held {};
    struct stat named {};
    if (!LockedAndStillNamed(fd) || ::fstat(fd, &held) != 0 || !S_ISREG(held.st_mode) ||
        ::lstat(name.c_str(), &named) != 0 || !SameFile(named, held)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// Where the file system has no hard links: a synced copy of the old contents, held as the
// linked ones are.
int CopyAside(const std::string& osTarget, const SafeFileWriter::SyncCall& sync, std::string& aside,
              int* hold) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        aside = TemporaryTemplate(osTarget);
        int fd = ::mkostemps(aside.data(), 4, O_CLOEXEC);
        if (fd < 0) {
            aside.clear();
            return errno;
        }
        if (!LockedAndStillNamed(fd)) {
            ::close(fd);
            continue;
        }
        int result = SetPermissions(fd, osTarget) == 0 ? CopyInto(osTarget, fd) : errno;
        if (result == 0 && sync(fd) != 0) {
            result = errno;
        }
        if (result != 0) {
            ::close(fd);
            ::unlink(aside.c_str());
            aside.clear();
            return result;
        }
        *hold = fd;
        return 0;
    }
    aside.clear();
    return EEXIST;
}

bool NoHardLinks(int osError) {
    return osError == EPERM || osError == EOPNOTSUPP || osError == EMLINK || osError == ENOSYS;
}

bool StillNamed(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0;
}

// A shared lock, waited for a while: a clean-up holds its exclusive one only while it removes
// a name, but a busy machine may put it aside meanwhile. False after about a second.
bool LockSharedWithin(int fd) {
    constexpr int kTries = 1000;
    for (int tries = 0; tries < kTries; ++tries) {
        if (::flock(fd, LOCK_SH | LOCK_NB) == 0) {
            return true;
        }
        if (errno != EWOULDBLOCK && errno != EINTR) {
            return false;
        }
        struct timespec pause {};
        pause.tv_nsec = 1000000;
        ::nanosleep(&pause, nullptr);
    }
    return false;
}

// The file a name gives, opened and share-locked before any link of it is made, so that no
// other save's clean-up can take the link between its making and its lock: a save that locked
// its link only after making it lost each new one to a clean-up that a busy machine had put
// aside holding the file. -1 where the file cannot be held so (a symbolic link, a file the
// user may not read, a lock not had in time): the caller links the name as before. A lock not
// had in time clears *mayWait, so that the save's further attempts do not wait again.
int HoldBeforeLinking(const std::string& from, bool* mayWait) {
    if (!*mayWait) {
        return -1;
    }
    int fd = ::open(from.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd >= 0 && !LockSharedWithin(fd)) {
        ::close(fd);
        fd = -1;
        *mayWait = false;
    }
    return fd;
}

// Links the held file under the name through its descriptor (linkat of an unnamed descriptor
// itself needs a privilege; its /proc name does not). Where /proc is not to be had, the held
// file is let go and the name `from` is linked as it stands.
int LinkHeldOrNamed(int& held, const std::string& from, const std::string& name) {
    if (held >= 0) {
        const std::string self = "/proc/self/fd/" + std::to_string(held);
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            return 0;
        }
        const int linkError = errno;
        struct stat info {};
        if (linkError != ENOENT || ::fstat(held, &info) != 0 || info.st_nlink == 0) {
            errno = linkError; // ENOENT with no link left: the file lost its last name meanwhile
            return -1;
        }
        CloseIfSet(held);
    }
    return ::link(from.c_str(), name.c_str());
}

// True when the name still gives the file held: the link made of the held file is then the
// file the name gave at the link, as a link by name would have made it.
bool NamesHeldFile(const std::string& name, int held) {
    struct stat named {};
    struct stat info {};
    return ::lstat(name.c_str(), &named) == 0 && ::fstat(held, &info) == 0 && SameFile(named, info);
}

// A hard link of `from` under a fresh temporary name beside the target, held (*hold) until
// the caller closes it. The file is locked before it gets the name where it can be; else the
// lock is taken through the new name, after the link, and a link that another save's clean-up
// took first is made again.
int LinkAside(const std::string& from, const std::string& osTarget, SafeWriteStep step, std::string& aside,
              int* hold) {
    constexpr int kAttempts = 100;
    bool mayWait = true;
    for (int attempt = 1; attempt <= kAttempts; ++attempt) {
        aside = FreshName(osTarget);
        int held = HoldBeforeLinking(from, &mayWait);
        int error = RunStep(step, [&] { return LinkHeldOrNamed(held, from, aside); });
        if (error == EEXIST || (error == ENOENT && StillNamed(from))) {
            CloseIfSet(held);
            continue; // ENOENT: the file the name gave lost its last name to another save's rename
        }
        if (error != 0) {
            CloseIfSet(held);
            aside.clear();
            return error;
        }
        if (held >= 0 && !NamesHeldFile(from, held)) {
            ::unlink(aside.c_str()); // another save replaced `from` meanwhile: its file is the one to keep
            CloseIfSet(held);
            continue;
        }
        if (held >= 0) {
            *hold = held;
            return 0;
        }
        bool unheldLink = false;
        *hold = HoldNamed(aside, &unheldLink);
        if (*hold >= 0 || unheldLink || attempt == kAttempts) {
            return 0; // at the last attempt someone has kept the file locked throughout: unguarded
        }
        ::unlink(aside.c_str()); // a clean-up holding it would remove the name too
    }
    aside.clear();
    return EEXIST;
}

// Keeps the old contents under a temporary name: a hard link, else a copy.
int KeepAside(const std::string& osTarget, const SafeFileWriter::SyncCall& sync, std::string& aside,
              int* hold) {
    int error = LinkAside(osTarget, osTarget, SafeWriteStep::LinkBackup, aside, hold);
    return NoHardLinks(error) ? CopyAside(osTarget, sync, aside, hold) : error;
}

// Keeps an existing backup under a temporary name until the target is replaced, so that
// a failed replacement can put it back. Only a file or a link is a backup to replace.
int KeepOlderBackup(const std::string& osBackup, const std::string& osTarget, std::string& older, int* hold) {
    struct stat info {};
    if (::lstat(osBackup.c_str(), &info) != 0) {
        return errno == ENOENT ? 0 : errno;
    }
    if (!S_ISREG(info.st_mode) && !S_ISLNK(info.st_mode)) {
        return EISDIR;
    }
    int error = LinkAside(osBackup, osTarget, SafeWriteStep::KeepOlderBackup, older, hold);
    if (error == ENOENT) {
        return 0; // a failed save has just taken back the backup it made: none to keep
    }
    if (NoHardLinks(error)) {
        older = FreshName(osTarget);
        error = ::rename(osBackup.c_str(), older.c_str()) == 0 ? 0 : errno;
        bool unheldLink = false;
        *hold = error == 0 ? HoldNamed(older, &unheldLink) : -1;
    }
    return error;
}

void SyncDirectoryOf(const std::string& osTarget, const SafeFileWriter::SyncCall& sync) {
    std::string directory, name;
    SplitOsPath(osTarget, directory, name);
    int fd = ::open(directory.empty() ? "." : directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        sync(fd); // the renames reach the disk; a file system that cannot sync a directory is no error
        ::close(fd);
    }
}

// After a save killed between the backup's rename and the target's, the document and its
// backup are one file (or one symbolic link) under two names, and the rename of the aside link
// over the backup does nothing (rename between two names of one file): the aside name, still
// this save's, goes here rather than being left to a clean-up that holds of the same file would
// stop, or that passes over links.
void DropAsideNamingBackup(const std::string& aside, const std::string& osBackup) {
    struct stat named {};
    struct stat backup {};
    if (::lstat(aside.c_str(), &named) == 0 && ::lstat(osBackup.c_str(), &backup) == 0 &&
        SameFile(named, backup)) {
        ::unlink(aside.c_str());
    }
}

void RemoveIfSet(std::string& path) {
    if (!path.empty()) {
        ::unlink(path.c_str());
        path.clear();
    }
}

[[noreturn]] void ThrowFor(int osError, const CString& path) {
    CFileException::ThrowOsError(osError, path);
}

// A save never replaces what the user may not write: a read-only file, or a directory, FIFO,
// socket or device that happens to carry the document's name.
int TargetRefusal(const char* targetPath) {
    switch (platform::EntryAt(targetPath)) {
    case platform::DiskEntry::Missing:
        return 0;
    case platform::DiskEntry::RegularFile:
        return platform::IsWritableFile(targetPath) ? 0 : EACCES;
    case platform::DiskEntry::Directory:
        return EISDIR;
    case platform::DiskEntry::Special:
        break;
    }
    return ENXIO;
}

} // namespace

SafeFileWriter::SafeFileWriter(const char* targetPath)
    : targetPath_(targetPath), osTarget_(CFile::OsPath(targetPath)), sync_(&::fsync) {}

SafeFileWriter::~SafeFileWriter() {
    Abandon();
}

void SafeFileWriter::SetStepHookForTesting(StepHook hook) {
    g_stepHook = hook;
}

void SafeFileWriter::SetSyncCallForTesting(SyncCall sync) {
    sync_ = sync ? std::move(sync) : SyncCall(&::fsync);
}

int SafeFileWriter::Create(CFileException* error) {
    if (fd_ >= 0) {
        return fd_;
    }
    if (int refusal = TargetRefusal(targetPath_)) {
        if (error) {
            *error = CFileException(CFileException::OsErrorToException(refusal), refusal, targetPath_);
        }
        return -1;
    }
    int osError = EEXIST;
    for (int attempt = 0; attempt < 100 && osError == EEXIST; ++attempt) {
        std::string name = TemporaryTemplate(osTarget_);
        osError = RunStep(SafeWriteStep::CreateTemporary, [&] {
            fd_ = ::mkostemps(name.data(), 4, O_CLOEXEC);
            return fd_ < 0 ? -1 : 0;
        });
        if (osError != 0) {
            break;
        }
        // Held until the save ends, so that a concurrent save never takes it for a leftover.
        Injected(SafeWriteStep::LockTemporary);
        if (!LockedAndStillNamed(fd_)) {
            CloseIfSet(fd_); // another save's clean-up removes the name
            osError = EEXIST;
            continue;
        }
        osTemporary_ = name;
        osError = RunStep(SafeWriteStep::SetPermissions, [&] { return SetPermissions(fd_, osTarget_); });
    }
    if (osError != 0) {
        Abandon();
        if (error) {
            *error = CFileException(CFileException::OsErrorToException(osError), osError, targetPath_);
        }
        return -1;
    }
    return fd_;
}

BOOL SafeFileWriter::Open(CFile& file, UINT openFlags, CFileException* error) {
    if (Create(error) < 0) {
        return FALSE;
    }
    int own = ::fcntl(fd_, F_DUPFD_CLOEXEC, 0);
    if (own < 0) {
        int osError = errno;
        Abandon();
        if (error) {
            *error = CFileException(CFileException::OsErrorToException(osError), osError, targetPath_);
        }
        return FALSE;
    }
    if (!file.OpenDescriptor(own, targetPath_, (openFlags & ~3u) | CFile::modeWrite, error)) {
        Abandon();
        return FALSE;
    }
    file.StartWritebackAsWritten(); // Commit syncs it
    return TRUE;
}

void SafeFileWriter::Commit() {
    if (fd_ < 0) {
        ThrowFor(EBADF, targetPath_);
    }
    if (int osError = RunStep(SafeWriteStep::SyncTemporary, [&] { return sync_(fd_); })) {
        Abandon();
        ThrowFor(osError, targetPath_);
    }
    ReplaceWithBackup();
    ::close(fd_);
    fd_ = -1;
    osTemporary_.clear();
    if (Injected(SafeWriteStep::SyncDirectory) == 0) {
        SyncDirectoryOf(osTarget_, sync_);
    }
    if (Injected(SafeWriteStep::RemoveLeftovers) == 0) {
        RemoveLeftovers();
    }
}

void SafeFileWriter::ReplaceWithBackup() {
    std::string osBackup = CFile::OsPath(backupPath_);
    std::string aside;
    std::string older;
    int asideHold = -1;
    int olderHold = -1;
    struct stat old {};
    if (!backupPath_.IsEmpty() && ::lstat(osTarget_.c_str(), &old) == 0) {
        int osError = KeepAside(osTarget_, sync_, aside, &asideHold);
        if (osError == 0) {
            osError = KeepOlderBackup(osBackup, osTarget_, older, &olderHold);
        }
        if (osError == 0) {
            osError = RunStep(SafeWriteStep::ReplaceBackup,
                              [&] { return ::rename(aside.c_str(), osBackup.c_str()); });
        }
        if (osError == 0) {
            DropAsideNamingBackup(aside, osBackup);
        }
        CloseIfSet(asideHold);
        if (osError != 0) {
            // Nothing replaced; the temporary stays so that the caller may commit without a backup.
            RemoveIfSet(aside);
            RestoreBackup(older, false);
            CloseIfSet(olderHold);
            ThrowFor(osError, backupPath_);
        }
    }
    int osError = RunStep(SafeWriteStep::ReplaceTarget,
                          [&] { return ::rename(osTemporary_.c_str(), osTarget_.c_str()); });
    if (osError != 0) {
        if (!aside.empty()) {
            RestoreBackup(older, true);
        }
        CloseIfSet(olderHold);
        Abandon();
        ThrowFor(osError, targetPath_);
    }
    RemoveIfSet(older);
    CloseIfSet(olderHold);
}

// Puts the older backup back after a failed save, or removes the one this save made
// when there was none before.
void SafeFileWriter::RestoreBackup(std::string& older, bool backupReplaced) const {
    std::string osBackup = CFile::OsPath(backupPath_);
    if (!older.empty() && backupReplaced) {
        ::rename(older.c_str(), osBackup.c_str());
        older.clear();
    } else if (backupReplaced) {
        ::unlink(osBackup.c_str());
    }
    if (!older.empty()) {
        // Not replaced: a link aside is dropped, a backup moved aside goes back.
        struct stat info {};
        if (::lstat(osBackup.c_str(), &info) == 0) {
            ::unlink(older.c_str());
        } else {
            ::rename(older.c_str(), osBackup.c_str());
        }
        older.clear();
    }
}

void SafeFileWriter::Abandon() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!osTemporary_.empty()) {
        ::unlink(osTemporary_.c_str());
        osTemporary_.clear();
    }
}

// Removes the user's own temporaries of earlier saves of this target that nobody holds.
void SafeFileWriter::RemoveLeftovers() const {
    std::string directory, name;
    SplitOsPath(osTarget_, directory, name);
    std::string prefix = TemporaryPrefix(name);
    DIR* listing = ::opendir(directory.empty() ? "." : directory.c_str());
    if (!listing) {
        return;
    }
    int dirFd = ::dirfd(listing);
    while (const dirent* entry = ::readdir(listing)) {
        if (!IsLeftoverName(entry->d_name, prefix)) {
            continue;
        }
        int fd = ::openat(dirFd, entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        struct stat info {};
        if (fd < 0 || ::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_uid != ::geteuid() ||
            ::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            if (fd >= 0) {
                ::close(fd);
            }
            continue;
        }
        // Only the file locked: its name may have been taken over since it was opened.
        struct stat named {};
        if (::fstatat(dirFd, entry->d_name, &named, AT_SYMLINK_NOFOLLOW) == 0 && SameFile(named, info)) {
            ::unlinkat(dirFd, entry->d_name, 0);
        }
        ::close(fd);
    }
    ::closedir(listing);
}

bool WriteFileSafely(const char* path, std::string_view bytes) {
    SafeFileWriter writer(path);
    int fd = writer.Create();
    if (fd < 0) {
        return false;
    }
    for (std::size_t done = 0; done < bytes.size();) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno != EINTR) {
            return false;
        }
        done += n > 0 ? static_cast<std::size_t>(n) : 0;
    }
    try {
        writer.Commit();
    } catch (const CFileException&) {
        return false;
    }
    return true;
}

int CreateWorkFile(const char* directory) {
    std::string name = CFile::OsPath(directory);
    if (!name.empty() && name.back() != '/') {
        name += '/';
    }
    name += ".verrant-work.XXXXXX";
    int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd >= 0) {
        ::unlink(name.c_str());
    }
    return fd;
}

} // namespace platform
