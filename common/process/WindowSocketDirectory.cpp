#include "common/process/WindowSocketDirectory.h"

#include "common/process/RuntimeDirectory.h"

#include <algorithm>
#include <charconv>
#include <dirent.h>
#include <sys/un.h>

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

} // namespace process
