#include "ChildProcessTest.h"

#include "platform/core/CodePage.h"
#include "testsupport/FileBytes.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <thread>
#include <unistd.h>

namespace process_test {

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kLimit = std::chrono::seconds(10);

} // namespace

void ChildProcessTest::SetUp() {
    ::setenv("XDG_RUNTIME_DIR", runtime_.c_str(), 1);
}

CString ChildProcessTest::ScratchArgument(const std::string& name) const {
    return CString(platform::Utf8ToCp932(Scratch(name)));
}

std::string WaitForFile(const std::string& path) {
    auto deadline = Clock::now() + kLimit;
    while (!std::filesystem::exists(path)) {
        if (Clock::now() > deadline) {
            return {};
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return testsupport::ReadBytes(path);
}

bool WaitUntilGone(pid_t pid) {
    auto deadline = Clock::now() + kLimit;
    while (::kill(pid, 0) == 0 || errno != ESRCH) {
        if (Clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

} // namespace process_test
