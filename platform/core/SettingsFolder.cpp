#include "platform/core/SettingsFolder.h"

#include "platform/core/CodePage.h"
#include "platform/core/MessageSink.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <mutex>
#include <pwd.h>
#include <set>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace platform {

namespace {

// A seed larger than any settings file is not copied (it is no settings file).
constexpr off_t kLargestSeed = 4 * 1024 * 1024;

std::string HomeDirectory() {
    if (const char* home = std::getenv("HOME"); home != nullptr && home[0] == '/') {
        return home;
    }
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found != nullptr &&
        found->pw_dir != nullptr && found->pw_dir[0] == '/') {
        return found->pw_dir;
    }
    return {};
}

// The configuration home as the desktop's base-directory rules give it (UTF-8).
std::string ConfigHome() {
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config != nullptr && config[0] == '/') {
        return config;
    }
    const std::string home = HomeDirectory();
    return home.empty() ? home : home + "/.config";
}

// Makes the directory (and what is missing above it) private to the user.
void MakePrivateDirectory(const std::string& path) {
    if (::mkdir(path.c_str(), 0700) == 0 || errno != ENOENT) {
        return;
    }
    const std::size_t slash = path.rfind('/');
    if (slash != std::string::npos && slash > 0) {
        MakePrivateDirectory(path.substr(0, slash));
        ::mkdir(path.c_str(), 0700);
    }
}

// The whole bytes of a regular file; false for anything else (a FIFO never blocks the start).
bool ReadSeed(const std::string& path, std::string& bytes) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        return false;
    }
    struct stat info {};
    bool whole = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size <= kLargestSeed;
    char buffer[8192];
    while (whole) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got == 0) {
            break;
        }
        if (got < 0 || static_cast<off_t>(bytes.size()) + got > kLargestSeed) {
            whole = false;
            break;
        }
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(fd);
    return whole;
}

// Puts the bytes at the path unless a file is there already: written to a fresh temporary
// beside it and linked into place, so a copy made meanwhile by another program is kept.
void CreateExclusively(const std::string& path, const std::string& bytes) {
    std::string temporary = path + ".XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) {
        return;
    }
    const bool written =
        ::write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size()) && ::fsync(fd) == 0;
    ::close(fd);
    if (written) {
        ::link(temporary.c_str(), path.c_str());
    }
    ::unlink(temporary.c_str());
}

} // namespace

CString SettingsFolder() {
    const std::string config = ConfigHome();
    if (config.empty()) {
        return CString();
    }
    const std::string folder = config + "/verrant";
    MakePrivateDirectory(folder);
    return CString(Utf8ToCp932(folder + "/").c_str());
}

CString SettingsFile(const CString& name, const CString& seedDirectory) {
    const CString folder = SettingsFolder();
    if (folder.IsEmpty()) {
        return CString();
    }
    CString path = folder + name;
    const std::string osPath = Cp932ToUtf8(path.str());
    struct stat info {};
    if (!seedDirectory.IsEmpty() && ::lstat(osPath.c_str(), &info) != 0 && errno == ENOENT) {
        const CString seed =
            seedDirectory.Right(1) == "/" ? seedDirectory + name : seedDirectory + "/" + name;
        std::string bytes;
        if (ReadSeed(Cp932ToUtf8(seed.str()), bytes)) {
            CreateExclusively(osPath, bytes);
        }
    }
    return path;
}

CString SettingsFileFor(const CString& path, const CString& programDirectory) {
    if (programDirectory.IsEmpty()) {
        return path;
    }
    const CString directory = programDirectory.Right(1) == "/" ? programDirectory : programDirectory + "/";
    const int length = directory.GetLength();
    if (path.GetLength() <= length || path.Left(length) != directory || path.Find('/', length) >= 0) {
        return path;
    }
    const CString own = SettingsFile(path.Mid(length), directory);
    return own.IsEmpty() ? path : own;
}

namespace {

// Programs read and write their settings key by key: one faulty file is told about once.
void TellOncePerFile(const CString& path, const char8_t* text) {
    static std::mutex guard;
    static std::set<std::string> reported;
    {
        std::lock_guard<std::mutex> lock(guard);
        if (!reported.insert(path.str()).second) {
            return;
        }
    }
    AfxMessageBox(path + "\n" + CString(text), MB_OK | MB_ICONEXCLAMATION);
}

} // namespace

void ReportSettingsWriteFailure(const CString& path) {
    TellOncePerFile(path, u8"設定ﾌｧｲﾙに書き込めません。設定は保存されません");
}

void ReportUnreadableSettingsFile(const CString& path, bool tooLarge) {
    TellOncePerFile(path, tooLarge ? u8"設定ﾌｧｲﾙが大きすぎるため、設定は保存されません"
                                   : u8"設定ﾌｧｲﾙではないため、読み込めません。設定は保存されません");
}

} // namespace platform
