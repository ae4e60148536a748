#include "common/process/RuntimeDirectory.h"

#include "platform/core/CodePage.h"
#include "platform/core/MessageSink.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace process {

namespace {

// Creates the directory when missing and checks that it is a real directory of ours, closed
// to others; the fault otherwise.
RuntimeDirectoryState EnsurePrivateDirectory(const std::string& path) {
    RuntimeDirectoryState state;
    state.refusedPath = path;
    if (::mkdir(path.c_str(), 0700) != 0 && errno != EEXIST) {
        state.fault = RuntimeDirectoryFault::CannotCreate;
        state.error = errno;
        return state;
    }
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) {
        state.fault = RuntimeDirectoryFault::CannotCreate;
        state.error = errno;
    } else if (S_ISLNK(info.st_mode)) {
        state.fault = RuntimeDirectoryFault::SymbolicLink;
    } else if (!S_ISDIR(info.st_mode)) {
        state.fault = RuntimeDirectoryFault::NotDirectory;
    } else if (info.st_uid != ::getuid()) {
        state.fault = RuntimeDirectoryFault::ForeignOwner;
    } else if ((info.st_mode & 077) != 0 && ::chmod(path.c_str(), 0700) != 0) {
        state.fault = RuntimeDirectoryFault::OpenToOthers;
    } else {
        state.directory = path;
        state.refusedPath.clear();
    }
    return state;
}

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

RuntimeDirectoryState UserRuntimeDirectory() {
    const char* xdg = std::getenv("XDG_RUNTIME_DIR");
    if (xdg != nullptr && xdg[0] == '/') {
        RuntimeDirectoryState state;
        state.directory = xdg;
        return state;
    }
    return EnsurePrivateDirectory("/tmp/" + std::to_string(::getuid()));
}

std::string FaultText(const RuntimeDirectoryState& state) {
    switch (state.fault) {
    case RuntimeDirectoryFault::None:
        break;
    case RuntimeDirectoryFault::CannotCreate:
        return platform::Utf8ToCp932(u8"作成できません: ") +
               platform::Utf8ToCp932(std::strerror(state.error));
    case RuntimeDirectoryFault::SymbolicLink:
        return platform::Utf8ToCp932(u8"ｼﾝﾎﾞﾘｯｸﾘﾝｸです");
    case RuntimeDirectoryFault::NotDirectory:
        return platform::Utf8ToCp932(u8"ﾃﾞｨﾚｸﾄﾘではありません");
    case RuntimeDirectoryFault::ForeignOwner:
        return platform::Utf8ToCp932(u8"他のﾕｰｻﾞｰのﾃﾞｨﾚｸﾄﾘです");
    case RuntimeDirectoryFault::OpenToOthers:
        return platform::Utf8ToCp932(u8"他のﾕｰｻﾞｰから閉じられません");
    }
    return {};
}

} // namespace

std::string DisplayEntryName() {
    const std::string platform = Environment("QT_QPA_PLATFORM");
    const std::string wayland = Environment("WAYLAND_DISPLAY");
    const std::string x11 = Environment("DISPLAY");
    if (!x11.empty() && (platform.starts_with("xcb") || wayland.empty())) {
        // "host:number.screen": the screens of one server are one desktop; "unix" is the local host.
        const std::size_t colon = x11.rfind(':');
        std::string host = colon == std::string::npos ? std::string() : x11.substr(0, colon);
        std::string number = colon == std::string::npos ? x11 : x11.substr(colon + 1);
        number = number.substr(0, number.find('.'));
        if (host == "unix") {
            host.clear();
        }
        return SafeEntryName("x11-" + host + ":" + number);
    }
    if (!wayland.empty()) {
        return SafeEntryName("wayland-" + wayland);
    }
    return "no-display";
}

RuntimeDirectoryState ResolveSuiteRuntimeDirectory() {
    RuntimeDirectoryState base = UserRuntimeDirectory();
    if (base.directory.empty()) {
        return base;
    }
    std::string dir = base.directory;
    while (dir.size() > 1 && dir.back() == '/') {
        dir.pop_back();
    }
    RuntimeDirectoryState suite = EnsurePrivateDirectory(dir + "/verrant");
    if (suite.directory.empty()) {
        return suite;
    }
    return EnsurePrivateDirectory(suite.directory + "/" + DisplayEntryName());
}

std::string SuiteRuntimeDirectory() {
    return ResolveSuiteRuntimeDirectory().directory;
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

bool ConfirmSuiteRuntimeDirectory() {
    const RuntimeDirectoryState state = ResolveSuiteRuntimeDirectory();
    if (!state.directory.empty()) {
        return true;
    }
    const std::string text = platform::Utf8ToCp932(state.refusedPath) + "\n" +
                             platform::Utf8ToCp932(u8"作業ﾃﾞｨﾚｸﾄﾘを使用できません (") + FaultText(state) +
                             ")";
    AfxMessageBox(CString(text.c_str()), MB_OK | MB_ICONSTOP);
    return false;
}

} // namespace process
