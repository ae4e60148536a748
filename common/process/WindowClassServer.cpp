#include "common/process/WindowClassServer.h"

#include "common/process/WindowSocketDirectory.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <mutex>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <vector>

namespace process {

namespace {

constexpr int kPeerTimeoutMs = 1000;

struct LocalServers {
    std::mutex lock;
    std::vector<WindowClassServer*> servers;
};

LocalServers& Local() {
    static LocalServers local;
    return local;
}

sockaddr_un SocketAddress(const std::string& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return address;
}

// A listening socket bound at path; invalid on failure.
UniqueFd Listen(const std::string& path) {
    UniqueFd fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    ::unlink(path.c_str());
    sockaddr_un address = SocketAddress(path);
    if (!fd.IsValid() || ::bind(fd.Get(), reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(fd.Get(), 16) != 0) {
        ::unlink(path.c_str());
        return UniqueFd();
    }
    return fd;
}

bool PeerIsThisUser(int connection) {
    ucred peer{};
    socklen_t size = sizeof peer;
    return ::getsockopt(connection, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && peer.uid == ::getuid();
}

} // namespace

WindowClassServer::~WindowClassServer() {
    Unregister();
}

bool WindowClassServer::Register(const char* className) {
    Unregister();
    std::string path = WindowSocketPath(className, ::getpid());
    if (path.empty()) {
        return false;
    }
    std::string fresh = path + ".new";
    UniqueFd listener = Listen(fresh);
    struct stat info {};
    if (!listener.IsValid() || ::lstat(fresh.c_str(), &info) != 0 ||
        ::rename(fresh.c_str(), path.c_str()) != 0) {
        ::unlink(fresh.c_str());
        return false;
    }
    RemoveDeadWindowSockets(className);
    listener_ = std::move(listener);
    className_ = className;
    path_ = path;
    inode_ = info.st_ino;
    std::lock_guard<std::mutex> guard(Local().lock);
    Local().servers.push_back(this);
    return true;
}

void WindowClassServer::Unregister() {
    if (!listener_.IsValid()) {
        return;
    }
    {
        std::lock_guard<std::mutex> guard(Local().lock);
        auto& servers = Local().servers;
        servers.erase(std::remove(servers.begin(), servers.end(), this), servers.end());
    }
    struct stat info {};
    if (::lstat(path_.c_str(), &info) == 0 && info.st_ino == inode_) {
        ::unlink(path_.c_str());
    }
    listener_.Reset();
    className_.clear();
    path_.clear();
}

bool WindowClassServer::ServeOnce(int timeoutMs) {
    if (!listener_.IsValid()) {
        return false;
    }
    pollfd entry{listener_.Get(), POLLIN, 0};
    if (timeoutMs != 0 && ::poll(&entry, 1, timeoutMs) <= 0) {
        return false;
    }
    UniqueFd connection(::accept4(listener_.Get(), nullptr, nullptr, SOCK_CLOEXEC));
    if (!connection.IsValid()) {
        return false;
    }
    if (PeerIsThisUser(connection.Get())) {
        Serve(connection.Get());
    }
    return true;
}

void WindowClassServer::Serve(int connection) {
    WindowRequest request;
    if (ReadRequest(connection, request, kPeerTimeoutMs)) {
        WriteAll(connection, EncodeReply(Answer(request)), kPeerTimeoutMs);
    }
}

WindowReply WindowClassServer::Answer(const WindowRequest& request) {
    WindowReply reply;
    CString text;
    switch (request.kind) {
    case WindowRequestKind::Exists:
        reply.accepted = true;
        break;
    case WindowRequestKind::BringToFront:
        reply.accepted = provider_.BringToFront();
        break;
    case WindowRequestKind::GetText:
        // A text the protocol cannot carry whole is refused rather than cut.
        reply.accepted = provider_.GetControlText(request.controlId, text) &&
                         static_cast<std::size_t>(text.GetLength()) <= kMaxWindowText;
        reply.text = reply.accepted ? text.str() : std::string();
        break;
    case WindowRequestKind::SetText:
        reply.accepted = provider_.SetControlText(request.controlId, CString(request.text));
        break;
    }
    return reply;
}

bool WindowClassServer::AnswerLocally(const std::string& className, const WindowRequest& request,
                                      WindowReply& reply) {
    WindowClassServer* server = nullptr;
    {
        std::lock_guard<std::mutex> guard(Local().lock);
        for (WindowClassServer* candidate : Local().servers) {
            if (candidate->className_ == className) {
                server = candidate;
                break;
            }
        }
    }
    if (server == nullptr) {
        return false;
    }
    reply = server->Answer(request);
    return true;
}

} // namespace process
