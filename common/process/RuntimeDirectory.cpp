#include "common/process/RuntimeDirectory.h"

#include <cerrno>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace process {

namespace {

// Creates the directory when missing; true when it is a real directory of ours, closed to others.
bool EnsurePrivateDirectory(const std::string& path) {
    if (::mkdir(path.c_str(), 0700) != 0 && errno != EEXIST) {
        return false;
    }
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != ::getuid()) {
        return false;
    }
    return (info.st_mode & 077) == 0 || ::chmod(path.c_str(), 0700) == 0;
}

std::string UserRuntimeDirectory() {
    const char* xdg = std::getenv("XDG_RUNTIME_DIR");
    if (xdg != nullptr && xdg[0] == '/') {
        return xdg;
    }
    std::string fallback = "/tmp/" + std::to_string(::getuid());
    return EnsurePrivateDirectory(fallback) ? fallback : std::string();
}

} // namespace

std::string SuiteRuntimeDirectory() {
    std::string base = UserRuntimeDirectory();
    if (base.empty()) {
        return {};
    }
    while (base.size() > 1 && base.back() == '/') {
        base.pop_back();
    }
    std::string dir = base + "/verrant";
    return EnsurePrivateDirectory(dir) ? dir : std::string();
}

std::string SuiteRuntimePath(const std::string& entryName) {
    std::string dir = SuiteRuntimeDirectory();
    return dir.empty() ? std::string() : dir + "/" + SafeEntryName(entryName);
}

std::string SafeEntryName(const std::string& name) {
    std::string safe = name;
    for (char& ch : safe) {
        if (ch == '/' || static_cast<unsigned char>(ch) < 0x20) {
            ch = '_';
        }
    }
    return safe;
}

} // namespace process
