#include "AppFixture.h"

#include "platform/core/CodePage.h"
#include "platform/ui/CMDIChildWnd.h"
#include "platform/ui/DialogScript.h"

#include "testsupport/ui/TestApplication.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace wenux::test {

std::string Cp932(const char8_t* text) {
    return platform::Utf8ToCp932(text);
}

std::string JapaneseLog(int count) {
    std::string text;
    char line[160];
    for (int i = 1; i <= count; ++i) {
        std::snprintf(line, sizeof line, "%05d ", i);
        text += line;
        text += Cp932(u8"計測点 ﾌﾞﾛｯｸ 安全率 FS=1.234 ｴﾗｰなし");
        text += "\r\n";
    }
    return text;
}

void AppTest::SetUp() {
    testsupport::TestApplication();
    // The program's settings folder lies in its directory: "<program>/verrant/wenux.INI".
    ::setenv("XDG_CONFIG_HOME", program_.Path().c_str(), 1);
    platform::DialogScript::Clear();
    sink_ = std::make_unique<platform::RecordingSink>();
    app_ = std::make_unique<CWenuxApp>();
    app_->SetProgramDirectory(CString(program_.Path().string()), "wenux");
}

void AppTest::Start(const std::vector<CString>& arguments) {
    app_->m_args = arguments;
    ASSERT_TRUE(app_->InitInstance());
    ProcessEvents();
}

void AppTest::Quit() {
    if (app_ && app_->m_pMainWnd) {
        if (QWidget* window = app_->m_pMainWnd->GetWidget()) {
            window->close();
        }
        app_->ExitInstance();
    }
    ProcessEvents();
}

void AppTest::TearDown() {
    Quit();
    app_.reset();
    ProcessEvents();
    platform::DialogScript::Clear();
    sink_.reset();
}

CMainListView* AppTest::Open(const CString& path) {
    CDocument* document = app_->OpenDocumentFile(path);
    ProcessEvents();
    if (!document || document->Views().empty()) {
        return nullptr;
    }
    return dynamic_cast<CMainListView*>(document->Views().front());
}

CMainFrame* AppTest::Frame() const {
    return dynamic_cast<CMainFrame*>(app_->m_pMainWnd);
}

CMainListView* AppTest::ActiveView() const {
    CMainFrame* frame = Frame();
    return frame ? dynamic_cast<CMainListView*>(frame->GetActiveView()) : nullptr;
}

void AppTest::ProcessEvents() {
    for (int i = 0; i < 3; ++i) {
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

const QImage& AppTest::Paint(CMainListView* view) {
    view->UpdateWindow();
    return view->Canvas();
}

int AppTest::WorkFileCount() const {
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(lists_.Path())) {
        const std::string name = entry.path().filename().string();
        if ((name.size() == 8 && name.rfind("lp", 0) == 0) || name.rfind(".verrant-work.", 0) == 0) {
            ++count;
        }
    }
    return count;
}

} // namespace wenux::test
