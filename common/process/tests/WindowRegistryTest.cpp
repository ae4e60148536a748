#include "ChildProcessTest.h"
#include "common/process/ChildLauncher.h"
#include "common/process/WindowClassClient.h"
#include "common/process/WindowClassServer.h"
#include "common/process/WindowSocketDirectory.h"

#include <csignal>
#include <filesystem>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

using process::WindowAnswer;
using process_test::ChildProcessTest;
using process_test::WaitForFile;
using process_test::WaitUntilGone;

// A socket file nobody listens on, as a killed process leaves it.
void LeaveDeadSocket(const std::string& path) {
    int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    path.copy(address.sun_path, sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ::close(fd);
}

class OwnWindow : public process::WindowTextProvider {
public:
    bool BringToFront() override { return ++fronted > 0; }
    bool GetControlText(int controlId, CString& result) override {
        result = text;
        return controlId == 7;
    }
    bool SetControlText(int controlId, const CString& value) override {
        text = value;
        return controlId == 7;
    }
    int fronted = 0;
    CString text = "seven";
};

class WindowRegistryTest : public ChildProcessTest {
protected:
    // Starts a child that answers for the class; its id, or -1.
    pid_t StartServingChild(const char* className) {
        pid_t child =
            LaunchChildProgram(process_test::kChildProgram,
                               {"serve", className, ScratchArgument("ready"), ScratchArgument("front")});
        return WaitForFile(Scratch("ready")) == "1" ? child : -1;
    }
};

TEST_F(WindowRegistryTest, AnotherProcesssWindowIsFoundAskedAndBroughtToFront) {
    pid_t child = StartServingChild("VerrantSection");
    ASSERT_GT(child, 0);
    EXPECT_TRUE(process::FindWindowClass("VerrantSection"));
    EXPECT_FALSE(process::FindWindowClass("VerrantCalculation"));
    CString text;
    EXPECT_EQ(process::GetWindowClassText("VerrantSection", 1, text), WindowAnswer::Done);
    EXPECT_EQ(text, CString("child " + std::to_string(child)));
    EXPECT_EQ(process::GetWindowClassText("VerrantSection", 2, text), WindowAnswer::Refused);
    EXPECT_EQ(process::SetWindowClassText("VerrantCalculation", 1, "x"), WindowAnswer::NoWindow);
    EXPECT_EQ(process::BringWindowClassToFront("VerrantSection"), WindowAnswer::Done);
    EXPECT_EQ(WaitForFile(Scratch("front")), "front");
    ::kill(child, SIGKILL);
    ASSERT_TRUE(WaitUntilGone(child));
}

TEST_F(WindowRegistryTest, AKilledProcesssSocketIsFoundDeadRemovedAndReplaced) {
    pid_t child = StartServingChild("VerrantTableInput");
    ASSERT_GT(child, 0);
    std::string socket = process::WindowSocketPath("VerrantTableInput", child);
    ::kill(child, SIGKILL);
    ASSERT_TRUE(WaitUntilGone(child));
    ASSERT_TRUE(std::filesystem::exists(socket)) << "SIGKILL leaves the socket file";

    EXPECT_FALSE(process::FindWindowClass("VerrantTableInput"));
    EXPECT_FALSE(std::filesystem::exists(socket));

    std::filesystem::remove(Scratch("ready"));
    pid_t next = StartServingChild("VerrantTableInput");
    ASSERT_GT(next, 0);
    EXPECT_TRUE(process::FindWindowClass("VerrantTableInput"));
    ::kill(next, SIGKILL);
    ASSERT_TRUE(WaitUntilGone(next));
}

TEST_F(WindowRegistryTest, ADeadSocketUnderThisProcesssIdIsReplacedAtRegistration) {
    std::string path = process::WindowSocketPath("VerrantCalculation", ::getpid());
    LeaveDeadSocket(path);
    struct stat before {};
    ASSERT_EQ(::stat(path.c_str(), &before), 0);
    OwnWindow window;
    process::WindowClassServer server(window);
    ASSERT_TRUE(server.Register("VerrantCalculation"));
    struct stat after {};
    ASSERT_EQ(::stat(path.c_str(), &after), 0);
    EXPECT_NE(after.st_ino, before.st_ino);
    server.Unregister();
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(WindowRegistryTest, AClassOfThisVeryProcessIsAnsweredWithoutWaitingForItself) {
    OwnWindow window;
    process::WindowClassServer server(window);
    ASSERT_TRUE(server.Register("VerrantControl"));
    EXPECT_TRUE(process::FindWindowClass("VerrantControl"));
    EXPECT_EQ(process::SetWindowClassText("VerrantControl", 7, CString(u8"新しい 名前")), WindowAnswer::Done);
    CString text;
    EXPECT_EQ(process::GetWindowClassText("VerrantControl", 7, text), WindowAnswer::Done);
    EXPECT_EQ(text, CString(u8"新しい 名前"));
    EXPECT_EQ(process::BringWindowClassToFront("VerrantControl"), WindowAnswer::Done);
    EXPECT_EQ(window.fronted, 1);
    server.Unregister();
    EXPECT_FALSE(process::FindWindowClass("VerrantControl"));
}

} // namespace
