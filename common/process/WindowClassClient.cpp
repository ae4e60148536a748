#include "common/process/WindowClassClient.h"

#include "common/process/UniqueFd.h"
#include "common/process/WindowClassServer.h"
#include "common/process/WindowProtocol.h"
#include "common/process/WindowSocketDirectory.h"

#include <unistd.h>

namespace process {

namespace {

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
        SocketProbe connection = ProbeWindowSocket(entry, fd);
        if (connection == SocketProbe::Connected) {
            answer = Exchange(fd.Get(), request, reply);
            if (answer != WindowAnswer::Unreachable) {
                return answer;
            }
        } else if (connection != SocketProbe::Dead) {
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
        SocketProbe connection = entry.pid == ::getpid() ? SocketProbe::Failed : ProbeWindowSocket(entry, fd);
        if (connection == SocketProbe::Connected) {
            WriteAll(fd.Get(), EncodeRequest(request), 0); // lets the server finish at once
            return true;
        }
        if (connection == SocketProbe::Busy) {
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
