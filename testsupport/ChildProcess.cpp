#include "testsupport/ChildProcess.h"

#include <csignal>
#include <grp.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace testsupport {

int RunInChildWithFileSizeLimit(std::size_t maxFileBytes, const std::function<int()>& body) {
    const pid_t child = ::fork();
    if (child < 0) {
        return -1;
    }
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{maxFileBytes, maxFileBytes};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) {
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

int RunInChildAsUser(const std::function<int()>& body) {
    const pid_t child = ::fork();
    if (child < 0) {
        return -1;
    }
    if (child == 0) {
        constexpr uid_t kNobody = 65534;
        if (::geteuid() == 0 &&
            (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) {
            ::_exit(127);
        }
        ::alarm(5);
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

} // namespace testsupport
