#include "common/process/ChildLauncher.h"

#include "platform/core/CodePage.h"
#include "platform/core/DiskNames.h"
#include "platform/core/MessageSink.h"
#include "platform/core/ModulePath.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace {

// Waits for this one child only: waitpid(-1) or a SIGCHLD handler would take the exit
// status of children that other parts of the process (QProcess) wait for.
void ReapWhenItEnds(pid_t child) {
    std::thread([child] {
        while (::waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
        }
    }).detach();
}

// Spawn settings that keep the parent's signal state and descriptors out of the child.
class SpawnSettings {
public:
    SpawnSettings() {
        ::posix_spawnattr_init(&attributes_);
        ::posix_spawn_file_actions_init(&actions_);
        sigset_t all;
        sigfillset(&all);
        sigdelset(&all, SIGKILL);
        sigdelset(&all, SIGSTOP);
        sigset_t none;
        sigemptyset(&none);
        ::posix_spawnattr_setsigdefault(&attributes_, &all);
        ::posix_spawnattr_setsigmask(&attributes_, &none);
        ::posix_spawnattr_setflags(&attributes_, POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);
        // Descriptors opened without close-on-exec by any library must not reach the child.
        ::posix_spawn_file_actions_addclosefrom_np(&actions_, STDERR_FILENO + 1);
    }
    ~SpawnSettings() {
        ::posix_spawn_file_actions_destroy(&actions_);
        ::posix_spawnattr_destroy(&attributes_);
    }
    SpawnSettings(const SpawnSettings&) = delete;
    SpawnSettings& operator=(const SpawnSettings&) = delete;

    const posix_spawnattr_t* Attributes() const { return &attributes_; }
    const posix_spawn_file_actions_t* Actions() const { return &actions_; }

private:
    posix_spawnattr_t attributes_;
    posix_spawn_file_actions_t actions_;
};

void ShowSpawnError(int error) {
    std::string text = std::strerror(error);
    platform::CurrentMessageSink().ShowMessage(CString(platform::Utf8ToCp932(text)), CString("Error"),
                                               MB_OK | MB_ICONINFORMATION);
}

} // namespace

pid_t LaunchChildProgram(const CString& programFileName, const std::vector<CString>& arguments) {
    CString programPath = platform::ModuleDirectory() + "/" + programFileName;
    std::string path = platform::DiskName(programPath.str());
    if (::access(path.c_str(), F_OK) != 0) {
        CString message;
        message.Format(u8"%s\n実行ﾌｧｲﾙが見つかりません !!", programPath.GetString());
        AfxMessageBox(message);
        return -1;
    }
    std::vector<std::string> elements{path};
    for (const CString& argument : arguments) {
        elements.push_back(platform::DiskName(argument.str()));
    }
    std::vector<char*> argv;
    for (std::string& element : elements) {
        argv.push_back(element.data());
    }
    argv.push_back(nullptr);

    SpawnSettings settings;
    pid_t child = -1;
    int error =
        ::posix_spawn(&child, path.c_str(), settings.Actions(), settings.Attributes(), argv.data(), environ);
    if (error != 0) {
        ShowSpawnError(error);
        return -1;
    }
    ReapWhenItEnds(child);
    return child;
}
