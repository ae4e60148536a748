#pragma once
// Fixture of the tests that start real child processes: a private runtime directory per
// test (children inherit it through the environment), a scratch directory for the
// children's report files, and waits with a time limit.

#include "platform/core/CString.h"
#include "testsupport/TempDir.h"

#include <gtest/gtest.h>
#include <string>
#include <sys/types.h>

namespace process_test {

inline constexpr const char* kChildProgram = "process_test_child";

class ChildProcessTest : public ::testing::Test {
protected:
    void SetUp() override;

    // A path in the scratch directory.
    std::string Scratch(const std::string& name) const { return scratch_ + "/" + name; }
    // A CP932 argument naming a scratch path.
    CString ScratchArgument(const std::string& name) const;

    testsupport::TempDir runtimeDir_{"vrun"};
    testsupport::TempDir scratchDir_{"vdata"};
    const std::string runtime_ = runtimeDir_.Path().string();
    const std::string scratch_ = scratchDir_.Path().string();
};

// Waits up to 10 s for the file to appear and returns its bytes; empty after the time limit.
std::string WaitForFile(const std::string& path);
// Waits up to 10 s until no process (zombie included) has the id; false after the time limit.
bool WaitUntilGone(pid_t pid);

} // namespace process_test
