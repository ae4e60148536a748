#pragma once
// The end of a session as the programs meet it. SIGTERM, SIGINT and SIGHUP end the program as
// its Exit does after "No" to every save question: the main window closes with every question
// answered No (nothing is shown), so documents are dropped, settings kept, and locks, work files,
// temporaries and the registry's sockets go as at a normal end. The signal handler only writes
// a byte to a pipe; the close runs in the event loop. A logout of the desktop (Qt's commit-data
// request) first asks to save each modified document, and Cancel keeps the session.

#include <QObject>

#include <memory>

class QSessionManager;
class QSocketNotifier;

namespace platform {

class MessageSink;

class TerminationWatch : public QObject {
public:
    // Once per process (AfxWinMain installs it), owned by the Qt application.
    static void Install();
    ~TerminationWatch() override;
    TerminationWatch(const TerminationWatch&) = delete;
    TerminationWatch& operator=(const TerminationWatch&) = delete;

    // The logout's question: every modified document is offered for saving; false when the
    // user cancelled (the session then stays).
    static bool SaveForSessionEnd();
    // True once a signal has begun ending the program: nobody is there to answer, so a dialog
    // that would ask before it closes (a changed table's Cancel) closes unasked.
    static bool Ending();

private:
    explicit TerminationWatch(QObject* parent);
    static void OnSignal(int signal);
    void CloseProgram();
    void CommitData(QSessionManager& manager);

    QSocketNotifier* notifier_ = nullptr;
    std::unique_ptr<MessageSink> declining_; // from the first signal on
};

} // namespace platform
