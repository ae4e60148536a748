#include "common/process/WindowClassClient.h"

#include "common/process/UniqueFd.h"
#include "common/process/WindowClassServer.h"
#include "common/process/WindowProtocol.h"
#include "common/process/WindowSocketDirectory.h"

#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace process {

namespace {

enum class Connection { Connected, Busy, Dead, Failed };

// Connects to one registered socket without blocking; a socket nobody listens on is
// removed as stale. Busy: a listener exists but its queue is full.
Connection Connect(const WindowSocketEntry& entry, UniqueFd& fd) {
    struct stat before {};
    if (::lstat(entry.path.c_str(), &before) != 0 || !S_ISSOCK(before.st_mode)) {
        return Connection::Failed;
    }
    fd.Reset(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (!fd.IsValid() || entry.path.size() >= sizeof address.sun_path) {
        return Connection::Failed;
    }
    std::memcpy(address.sun_path, entry.path.c_str(), entry.path.size() + 1);
    if (::connect(fd.Get(), reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) {
        return Connection::Connected;
    }
    if (errno == EAGAIN || errno == EINPROGRESS) {
        return Connection::Busy;
    }
    if (errno != ECONNREFUSED) {
        return Connection::Failed;
    }
    // Remove it only when it is still the file found dead, not a successor renamed in since.
    struct stat after {};
    if (::lstat(entry.path.c_str(), &after) == 0 && after.st_ino == before.st_ino) {
        ::unlink(entry.path.c_str());
    }
    return Connection::Dead;
}

WindowAnswer Exchange(int fd, const WindowRequest& request, WindowReply& reply) {
    if (!WriteAll(fd, EncodeRequest(request), kWindowRequestTimeoutMs) ||
        !ReadReply(fd, reply, kWindowRequestTimeoutMs)) {
        return WindowAnswer::Unreachable;
    }
    return reply.accepted ? WindowAnswer::Done : WindowAnswer::Refused;
}

// Sends the request to the first live window of the class.
WindowAnswer Send(const char* className, const WindowRequest& request, WindowReply& reply) {
    if (WindowClassServer::AnswerLocally(className, request, reply)) {
        return reply.accepted ? WindowAnswer::Done : WindowAnswer::Refused;
    }
    WindowAnswer answer = WindowAnswer::NoWindow;
    for (const WindowSocketEntry& entry : ListWindowSockets(className)) {
        if (entry.pid == ::getpid()) {
            continue; // this process's own sockets are answered locally or are gone
        }
        UniqueFd fd;
        Connection connection = Connect(entry, fd);
        if (connection == Connection::Connected) {
            answer = Exchange(fd.Get(), request, reply);
            if (answer != WindowAnswer::Unreachable) {
                return answer;
            }
        } else if (connection != Connection::Dead) {
            answer = WindowAnswer::Unreachable;
        }
    }
    return answer;
}

} // namespace

bool FindWindowClass(const char* className) {
    WindowRequest request{WindowRequestKind::Exists, 0, {}};
    WindowReply reply;
    if (WindowClassServer::AnswerLocally(className, request, reply)) {
        return true;
    }
    // A listener behind the name is the window: its answer is not awaited, so a window
    // busy with a long computation still counts as existing.
    for (const WindowSocketEntry& entry : ListWindowSockets(className)) {
        UniqueFd fd;
        Connection connection = entry.pid == ::getpid() ? Connection::Failed : Connect(entry, fd);
        if (connection == Connection::Connected) {
            WriteAll(fd.Get(), EncodeRequest(request), 0); // lets the server finish at once
            return true;
        }
        if (connection == Connection::Busy) {
            return true;
        }
    }
    return false;
}

WindowAnswer BringWindowClassToFront(const char* className) {
    WindowReply reply;
    return Send(className, {WindowRequestKind::BringToFront, 0, {}}, reply);
}

WindowAnswer GetWindowClassText(const char* className, int controlId, CString& text) {
    WindowReply reply;
    WindowAnswer answer = Send(className, {WindowRequestKind::GetText, controlId, {}}, reply);
    if (answer == WindowAnswer::Done) {
        text = CString(reply.text);
    }
    return answer;
}

WindowAnswer SetWindowClassText(const char* className, int controlId, const CString& text) {
    if (static_cast<std::size_t>(text.GetLength()) > kMaxWindowText) {
        return WindowAnswer::Refused;
    }
    WindowReply reply;
    return Send(className, {WindowRequestKind::SetText, controlId, text.str()}, reply);
}

} // namespace process
