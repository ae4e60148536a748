#include "testsupport/ui/ProgramRun.h"

#include "platform/core/MessageSink.h"
#include "platform/ui/CFrameWnd.h"
#include "platform/ui/CWinApp.h"
#include "testsupport/ui/Journey.h"
#include "testsupport/ui/TestApplication.h"

#include <QPointer>
#include <QWidget>
#include <gtest/gtest.h>

namespace testsupport {

ProgramRun::ProgramRun(CWinApp& app) : app_(app) {
    TestApplication();
}

ProgramRun::~ProgramRun() {
    if (running_) {
        Quit();
    }
}

bool ProgramRun::Start(const std::vector<CString>& arguments) {
    app_.m_args = arguments;
    platform::SetMessageCaption(app_.ProgramName());
    if (!app_.InitInstance()) {
        ADD_FAILURE() << "the program did not start";
        return false;
    }
    running_ = true;
    Settle();
    return true;
}

int ProgramRun::RunToEnd(const std::vector<CString>& arguments) {
    app_.m_args = arguments;
    platform::SetMessageCaption(app_.ProgramName());
    if (app_.InitInstance()) {
        ADD_FAILURE() << "the program went on to its event loop: Start and Quit it";
        running_ = true;
        Quit();
        return -1;
    }
    const int code = app_.ExitInstance();
    platform::SetMessageCaption("");
    Settle();
    return code;
}

CFrameWnd* ProgramRun::MainFrame() const {
    return running_ ? dynamic_cast<CFrameWnd*>(app_.m_pMainWnd) : nullptr;
}

bool ProgramRun::Quit() {
    if (!running_) {
        return true;
    }
    QPointer<QWidget> window = app_.m_pMainWnd ? app_.m_pMainWnd->GetWidget() : nullptr;
    if (window) {
        window->close();
        Settle();
    }
    if (window && window->isVisible()) {
        return false; // the user chose to stay
    }
    running_ = false;
    app_.ExitInstance();
    platform::SetMessageCaption("");
    Settle();
    return true;
}

} // namespace testsupport
