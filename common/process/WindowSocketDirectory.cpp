#include "common/process/WindowSocketDirectory.h"

#include "common/process/RuntimeDirectory.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <dirent.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace process {

namespace {

std::string Prefix(const std::string& className) {
    return "window-" + SafeEntryName(className) + "-";
}

constexpr const char* kSuffix = ".sock";

// The process id of an entry named prefix + digits + suffix; 0 for any other name.
pid_t EntryPid(const std::string& entry, const std::string& prefix) {
    std::string suffix = kSuffix;
    if (entry.size() <= prefix.size() + suffix.size() || entry.compare(0, prefix.size(), prefix) != 0 ||
        entry.compare(entry.size() - suffix.size(), suffix.size(), suffix) != 0) {
        return 0;
    }
    const char* first = entry.data() + prefix.size();
    const char* last = entry.data() + entry.size() - suffix.size();
    pid_t pid = 0;
    auto [end, error] = std::from_chars(first, last, pid);
    return (error == std::errc() && end == last && pid > 0) ? pid : 0;
}

} // namespace

std::string WindowSocketPath(const std::string& className, pid_t pid) {
    std::string dir = SuiteRuntimeDirectory();
    if (dir.empty()) {
        return {};
    }
    std::string path = dir + "/" + Prefix(className) + std::to_string(pid) + kSuffix;
    // Room is left for the temporary name the server binds first (".new" appended).
    return path.size() + 4 < sizeof(sockaddr_un{}.sun_path) ? path : std::string();
}

std::vector<WindowSocketEntry> ListWindowSockets(const std::string& className) {
    std::vector<WindowSocketEntry> entries;
    std::string dir = SuiteRuntimeDirectory();
    DIR* listing = dir.empty() ? nullptr : ::opendir(dir.c_str());
    if (listing == nullptr) {
        return entries;
    }
    std::string prefix = Prefix(className);
    while (const dirent* entry = ::readdir(listing)) {
        if (pid_t pid = EntryPid(entry->d_name, prefix); pid != 0) {
            entries.push_back({dir + "/" + entry->d_name, pid});
        }
    }
    ::closedir(listing);
    std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) { return a.pid < b.pid; });
    return entries;
}

SocketProbe ProbeWindowSocket(const WindowSocketEntry& entry, UniqueFd& fd) {
    struct stat before {};
    if (::lstat(entry.path.c_str(), &before) != 0 || !S_ISSOCK(before.st_mode)) {
        return SocketProbe::Failed;
    }
    fd.Reset(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (!fd.IsValid() || entry.path.size() >= sizeof address.sun_path) {
        return SocketProbe::Failed;
    }
    std::memcpy(address.sun_path, entry.path.c_str(), entry.path.size() + 1);
    if (::connect(fd.Get(), reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) {
        return SocketProbe::Connected;
    }
    if (errno == EAGAIN || errno == EINPROGRESS) {
        return SocketProbe::Busy;
    }
    if (errno != ECONNREFUSED) {
        return SocketProbe::Failed;
    }
    // Remove it only when it is still the file found dead, not a successor renamed in since.
    struct stat after {};
    if (::lstat(entry.path.c_str(), &after) == 0 && after.st_ino == before.st_ino) {
        ::unlink(entry.path.c_str());
    }
    return SocketProbe::Dead;
}

void RemoveDeadWindowSockets(const std::string& className) {
    for (const WindowSocketEntry& entry : ListWindowSockets(className)) {
        if (entry.pid != ::getpid()) {
            UniqueFd fd;
            ProbeWindowSocket(entry, fd);
        }
    }
}

} // namespace process
