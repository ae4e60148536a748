// Runtime names that another user took first: the start-up check names the path and the
// program ends with a non-zero status, in a child process as a program would. Tests cannot
// make files of another user, so the squats are the other shapes a taken name has: a
// symbolic link, a file, a lock file that is not ours to open.

#include "common/process/RuntimeDirectory.h"
#include "common/process/InstanceControl.h"
#include "platform/core/RecordingSink.h"
#include "testsupport/TempDir.h"

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

struct StartResult {
    int exitCode = -1;
    std::string message; // UTF-8, the last message shown
};

// Runs the programs' start-up checks in a child and collects its message and status.
StartResult RunStartUpInChild() {
    int pipeEnds[2];
    EXPECT_EQ(::pipe(pipeEnds), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeEnds[0]);
        platform::RecordingSink sink;
        int code = 0;
        if (!process::ConfirmSuiteRuntimeDirectory() || !CheckDoubleStart("Verrant", "SQUAT", FALSE)) {
            code = process::kRuntimeDirectoryExitCode;
        }
        const std::string text = sink.LastMessageUtf8();
        (void)!::write(pipeEnds[1], text.data(), text.size());
        ::_exit(code);
    }
    ::close(pipeEnds[1]);
    StartResult result;
    char buffer[1024];
    for (ssize_t got; (got = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0;) {
        result.message.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(pipeEnds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

class RuntimeDirectoryTest : public ::testing::Test {
protected:
    void SetUp() override { ::setenv("XDG_RUNTIME_DIR", dir_.c_str(), 1); }
    std::string Suite() const { return dir_ + "/verrant"; }
    testsupport::TempDir temp_{"vrun"};
    const std::string dir_ = temp_.Path().string();
};

TEST_F(RuntimeDirectoryTest, ATakenDirectoryIsNamedAndTheProgramEndsWithAFailure) {
    struct Squat {
        const char* what;
        std::function<void(const std::string& suite, const std::string& other)> plant;
        std::string reason;
    };
    const Squat squats[] = {
        {"symbolic link",
         [](const std::string& suite, const std::string& other) {
             fs::create_directory_symlink(other, suite);
         },
         platform::Utf8(u8"ｼﾝﾎﾞﾘｯｸﾘﾝｸです")},
        {"dangling link",
         [](const std::string& suite, const std::string& other) {
             fs::create_symlink(other + "/none", suite);
         },
         platform::Utf8(u8"ｼﾝﾎﾞﾘｯｸﾘﾝｸです")},
        {"file", [](const std::string& suite, const std::string&) { fclose(fopen(suite.c_str(), "w")); },
         platform::Utf8(u8"ﾃﾞｨﾚｸﾄﾘではありません")},
    };
    for (const Squat& squat : squats) {
        SCOPED_TRACE(squat.what);
        const std::string other = dir_ + "/other";
        fs::create_directory(other);
        squat.plant(Suite(), other);
        const StartResult result = RunStartUpInChild();
        EXPECT_EQ(result.exitCode, process::kRuntimeDirectoryExitCode);
        EXPECT_EQ(result.message,
                  Suite() + "\n" + platform::Utf8(u8"作業ﾃﾞｨﾚｸﾄﾘを使用できません (") + squat.reason + ")");
        EXPECT_TRUE(fs::is_empty(other)); // nothing was made through the link
        fs::remove_all(Suite());
        fs::remove_all(other);
    }
}

TEST_F(RuntimeDirectoryTest, ADirectoryOfOursOpenToOthersIsClosedAndUsed) {
    fs::create_directory(Suite());
    fs::permissions(Suite(), fs::perms::all);
    const StartResult result = RunStartUpInChild();
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.message, "");
    EXPECT_EQ(fs::status(Suite()).permissions(), fs::perms::owner_all);
}

TEST_F(RuntimeDirectoryTest, ALockFileThatCannotBeOpenedIsNamed) {
    const std::string lock = process::SuiteRuntimeDirectory() + "/Verrant SQUAT 01.lock";
    fs::create_symlink(dir_ + "/elsewhere", lock);
    const StartResult result = RunStartUpInChild();
    EXPECT_EQ(result.exitCode, process::kRuntimeDirectoryExitCode);
    EXPECT_EQ(result.message, lock + "\n" + platform::Utf8(u8"排他制御ﾌｧｲﾙを作成できません"));
    EXPECT_FALSE(fs::exists(dir_ + "/elsewhere"));
}

} // namespace
