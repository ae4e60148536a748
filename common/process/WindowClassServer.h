#pragma once
// The serving side of the window-class registry: while a program's window of a class
// exists, its process listens on that class's socket and answers the requests of
// WindowProtocol.h from the window's WindowTextProvider.
//
// The server runs on the window's own thread: the event loop watches Fd() for reading
// (a QSocketNotifier, or poll) and calls ServeOnce(0) when it is ready, so that controls
// are only ever changed on their own thread. A stuck peer is given up after a short
// time instead of stalling the window.
//
// The socket is bound under a temporary name, listening, and only then renamed into
// place, so a client never finds a registered name without a listener behind it. A
// socket left by a killed process is found dead and removed by clients and by the next
// registration of its class, and replaced when a new process happens to get its id.

#include "common/process/UniqueFd.h"
#include "common/process/WindowProtocol.h"
#include "common/process/WindowTextProvider.h"

#include <string>
#include <sys/types.h>

namespace process {

class WindowClassServer {
public:
    explicit WindowClassServer(WindowTextProvider& provider) : provider_(provider) {}
    ~WindowClassServer();
    WindowClassServer(const WindowClassServer&) = delete;
    WindowClassServer& operator=(const WindowClassServer&) = delete;

    // Starts answering for the class (one class per server); false when no socket could
    // be made. A server that already answers for a class gives that up first.
    bool Register(const char* className);
    void Unregister();

    // The listening descriptor for the event loop; -1 when not registered.
    int Fd() const { return listener_.Get(); }
    // Waits up to timeoutMs (0: not at all) for one request, answers it; true when one was served.
    bool ServeOnce(int timeoutMs = 0);

    // Answers a request from this process's own registered servers without a socket (a
    // window asking about a class of its own process would otherwise wait for itself);
    // false when this process has no server of that class.
    static bool AnswerLocally(const std::string& className, const WindowRequest& request, WindowReply& reply);

private:
    WindowReply Answer(const WindowRequest& request);
    void Serve(int connection);

    WindowTextProvider& provider_;
    UniqueFd listener_;
    std::string className_;
    std::string path_;
    ino_t inode_ = 0; // of the socket file bound here, to remove only our own
};

} // namespace process
