#include "testsupport/ChildProcess.h"

#include <csignal>
#include <fstream>
#include <grp.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace testsupport {

namespace {

// Runs body in a forked child after prepare; the child's exit status, or -1.
int RunInChild(const std::function<bool()>& prepare, const std::function<int()>& body) {
    const pid_t child = ::fork();
    if (child < 0) {
        return -1;
    }
    if (child == 0) {
        if (!prepare()) {
            ::_exit(127);
        }
        int result = 126;
        try {
            result = body();
        } catch (...) {
            result = 125;
        }
        ::_exit(result);
    }
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFEXITED(status)) {
        return -1;
    }
    return WEXITSTATUS(status);
}

// The process's address space in bytes (VmSize), 0 when unknown.
std::size_t AddressSpaceBytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmSize:", 0) == 0) {
            return std::stoull(line.substr(7)) * 1024;
        }
    }
    return 0;
}

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kAddressSanitizer = true;
#else
constexpr bool kAddressSanitizer = false;
#endif
#else
constexpr bool kAddressSanitizer = false;
#endif

} // namespace

int RunInChildWithMemoryLimit(std::size_t headroomBytes, const std::function<int()>& body) {
    return RunInChild(
        [headroomBytes] {
            if (kAddressSanitizer) {
                return true; // its own mappings fail under an address-space limit
            }
            const std::size_t used = AddressSpaceBytes();
            const rlimit limit{used + headroomBytes, used + headroomBytes};
            return used > 0 && ::setrlimit(RLIMIT_AS, &limit) == 0;
        },
        body);
}

int RunInChildWithFileSizeLimit(std::size_t maxFileBytes, const std::function<int()>& body) {
    return RunInChild(
        [maxFileBytes] {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{maxFileBytes, maxFileBytes};
            return ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
        },
        body);
}

int RunInChildAsUser(const std::function<int()>& body) {
    return RunInChild(
        [] {
            constexpr uid_t kNobody = 65534;
            if (::geteuid() == 0 &&
                (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) {
                return false;
            }
            ::alarm(5);
            return true;
        },
        body);
}

} // namespace testsupport
