#include "platform/ui/TerminationWatch.h"

#include "platform/core/CodePage.h"
#include "platform/core/MessageSink.h"

#include "platform/ui/CWinApp.h"
#include "platform/ui/CWnd.h"

#include <QApplication>
#include <QDialog>
#include <QSessionManager>
#include <QSocketNotifier>
#include <QTimer>
#include <QWidget>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace platform {

namespace {

// Written by the signal handler, read by the event loop (the handler may touch nothing else).
int signalPipe[2] = {-1, -1};

constexpr int kWatchedSignals[] = {SIGTERM, SIGINT, SIGHUP};

// Answers every question of the closing program No (Cancel where a box has no No) and shows
// nothing: nobody is there to answer. The texts still reach the error output.
class DecliningSink : public MessageSink {
public:
    int ShowMessage(const CString& text, const CString& caption, UINT type) override {
        std::fprintf(stderr, "%s: %s\n", Cp932ToUtf8(caption.str()).c_str(), Cp932ToUtf8(text.str()).c_str());
        switch (type & MB_TYPEMASK) {
        case MB_YESNO:
        case MB_YESNOCANCEL:
            return IDNO;
        case MB_OKCANCEL:
        case MB_RETRYCANCEL:
            return IDCANCEL;
        case MB_ABORTRETRYIGNORE:
            return IDABORT;
        default:
            return IDOK;
        }
    }
    void Beep(UINT) override {}
};

} // namespace

void TerminationWatch::Install() {
    static bool installed = false;
    if (installed || !QApplication::instance()) {
        return;
    }
    installed = true;
    new TerminationWatch(QApplication::instance());
}

TerminationWatch::TerminationWatch(QObject* parent) : QObject(parent) {
    if (signalPipe[0] < 0 && ::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        return;
    }
    notifier_ = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
    QObject::connect(notifier_, &QSocketNotifier::activated, this, [this] { CloseProgram(); });
    struct sigaction action {};
    action.sa_handler = &TerminationWatch::OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : kWatchedSignals) {
        ::sigaction(signal, &action, nullptr);
    }
    if (auto* application = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        QObject::connect(application, &QGuiApplication::commitDataRequest, this,
                         [this](QSessionManager& manager) { CommitData(manager); });
    }
}

TerminationWatch::~TerminationWatch() {
    for (int signal : kWatchedSignals) {
        ::signal(signal, SIG_DFL);
    }
    if (declining_ && &CurrentMessageSink() == declining_.get()) {
        SetMessageSink(nullptr);
    }
}

void TerminationWatch::OnSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
}

void TerminationWatch::CloseProgram() {
    char bytes[16];
    while (::read(signalPipe[0], bytes, sizeof bytes) > 0) {
    }
    if (!declining_) {
        declining_ = std::make_unique<DecliningSink>();
    }
    SetMessageSink(declining_.get());
    // A modal dialog or message box runs a loop with the code that opened it still on the stack:
    // end it first and close the program once that code has returned, never underneath it.
    if (QWidget* modal = QApplication::activeModalWidget()) {
        if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            dialog->reject();
        } else {
            modal->close();
        }
        QTimer::singleShot(0, this, [this] { CloseProgram(); });
        return;
    }
    CWinApp* app = AfxGetApp();
    QWidget* window = app && app->m_pMainWnd ? app->m_pMainWnd->GetWidget() : nullptr;
    // A close the program refuses (a base menu with children open) still ends the run: exit(),
    // unlike quit(), does not ask the windows again.
    if (!window || !window->close()) {
        QCoreApplication::exit(0);
    }
}

bool TerminationWatch::Ending() {
    const QObject* application = QCoreApplication::instance();
    if (!application) {
        return false;
    }
    for (const QObject* child : application->children()) {
        if (const auto* watch = dynamic_cast<const TerminationWatch*>(child)) {
            return watch->declining_ != nullptr; // made when a signal begins the end
        }
    }
    return false;
}

bool TerminationWatch::SaveForSessionEnd() {
    CWinApp* app = AfxGetApp();
    return app == nullptr || app->SaveAllModified();
}

void TerminationWatch::CommitData(QSessionManager& manager) {
    if (!manager.allowsInteraction()) {
        return;
    }
    const bool ending = SaveForSessionEnd();
    manager.release();
    if (!ending) {
        manager.cancel();
    }
}

} // namespace platform
