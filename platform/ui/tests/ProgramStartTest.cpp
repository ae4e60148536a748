// What every window program gets from AfxWinMain before its own start-up runs.
#include "platform/core/RecordingSink.h"
#include "platform/core/SafeFileWriter.h"
#include "testsupport/TempDir.h"
#include "testsupport/ui/TestApplication.h"

#include "platform/ui/CWinApp.h"
#include "platform/ui/FileDropOpening.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

#include <QCoreApplication>
#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Saves a file bigger than the process may write and ends with the outcome.
class OversizeWritingApp : public CWinApp {
public:
    explicit OversizeWritingApp(std::string path) : CWinApp("writer"), path_(std::move(path)) {}
    BOOL InitInstance() override {
        written_ = platform::WriteFileSafely(path_.c_str(), std::string(8192, 'x'));
        return FALSE;
    }
    int ExitInstance() override { return written_ ? 2 : 3; }

private:
    std::string path_;
    bool written_ = false;
};

} // namespace

// A write past the file-size limit fails and the program goes on, where the signal's
// default would end it mid-write.
TEST(ProgramStartTest, AWriteBeyondTheFileSizeLimitFailsInsteadOfEndingTheProgram) {
    if (QCoreApplication::instance()) {
        GTEST_SKIP() << "needs a process without an application object yet";
    }
    testsupport::TempDir dir("program start");
    const std::string path = dir.File("big.txt");
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_DFL);
        const rlimit limit{1024, 1024};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        OversizeWritingApp app(path);
        char name[] = "writer";
        char* argv[] = {name, nullptr};
        ::_exit(AfxWinMain(1, argv));
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << (WIFSIGNALED(status) ? WTERMSIG(status) : 0);
    EXPECT_EQ(WEXITSTATUS(status), 3);
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 0); // no temporary left
}

// A command-line name that CP932 cannot hold is never passed on as another name ("?.sec").
TEST(ProgramStartTest, ANameTheSuitesTextsCannotHoldIsLeftOutWithAMessage) {
    platform::RecordingSink sink;
    std::string program = "prog";
    std::string japanese = platform::Utf8(u8"断面.sec");
    std::string accented = platform::Utf8(u8"\u00e9t\u00e9.sec");
    std::string at = "@";
    char* argv[] = {program.data(), at.data(), accented.data(), japanese.data()};
    const std::vector<CString> arguments = CWinApp::SuiteArguments(4, argv);
    EXPECT_EQ(arguments, (std::vector<CString>{CString("@"), CString(u8"断面.sec")}));
    // The message shows what CP932 can of the name.
    EXPECT_EQ(sink.LastMessageUtf8(), platform::Utf8(u8"?t?.sec\nﾌｧｲﾙ名に使用できない文字が含まれています"));
}

// A dropped file whose name CP932 cannot hold is told about as the command line tells it.
TEST(ProgramStartTest, ADroppedNameTheSuitesTextsCannotHoldGivesTheSameMessage) {
    testsupport::TestApplication();
    platform::RecordingSink sink;
    QWidget window;
    platform::OpenDroppedFiles(&window);
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromUtf8(u8"/nowhere/\u00e9t\u00e9.sec"))});
    QDragEnterEvent enter(QPoint(1, 1), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QDropEvent drop(QPointF(1, 1), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &enter);
    QApplication::sendEvent(&window, &drop);
    EXPECT_EQ(sink.LastMessageUtf8(), platform::Utf8(u8"?t?.sec\nﾌｧｲﾙ名に使用できない文字が含まれています"));
}
