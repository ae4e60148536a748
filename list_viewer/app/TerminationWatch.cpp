#include "list_viewer/app/TerminationWatch.h"

#include "platform/ui/CWinApp.h"
#include "platform/ui/CWnd.h"

#include <QApplication>
#include <QDialog>
#include <QSocketNotifier>
#include <QTimer>
#include <QWidget>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace wenux {

namespace {

// Written by the signal handler, read by the event loop (the handler may touch nothing else).
int signalPipe[2] = {-1, -1};

constexpr int kWatchedSignals[] = {SIGTERM, SIGINT, SIGHUP};

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
}

TerminationWatch::~TerminationWatch() {
    for (int signal : kWatchedSignals) {
        ::signal(signal, SIG_DFL);
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
    if (!window || !window->close()) {
        QApplication::quit();
    }
}

} // namespace wenux
