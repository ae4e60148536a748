#pragma once
// Turns SIGTERM, SIGINT and SIGHUP into a normal close of the main window, so that a viewer
// ended by its session or from a terminal still removes its work files and keeps its
// settings. The signal handler only writes a byte to a pipe; the close runs in the event loop.

#include <QObject>

class QSocketNotifier;

namespace wenux {

class TerminationWatch : public QObject {
public:
    // Once per process, owned by the Qt application.
    static void Install();
    ~TerminationWatch() override;
    TerminationWatch(const TerminationWatch&) = delete;
    TerminationWatch& operator=(const TerminationWatch&) = delete;

private:
    explicit TerminationWatch(QObject* parent);
    static void OnSignal(int signal);
    void CloseProgram();

    QSocketNotifier* notifier_ = nullptr;
};

} // namespace wenux
