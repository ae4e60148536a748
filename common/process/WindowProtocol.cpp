#include "common/process/WindowProtocol.h"

#include <cerrno>
#include <charconv>
#include <chrono>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

namespace process {

namespace {

constexpr std::size_t kMaxHeader = 64;

using Clock = std::chrono::steady_clock;

int RemainingMs(Clock::time_point deadline) {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}

bool WaitFor(int fd, short events, Clock::time_point deadline) {
    for (;;) {
        struct pollfd entry {
            fd, events, 0
        };
        int ready = ::poll(&entry, 1, RemainingMs(deadline));
        if (ready > 0) {
            return true;
        }
        if (ready == 0 || errno != EINTR) {
            return false;
        }
    }
}

bool ReadExactly(int fd, char* buffer, std::size_t count, Clock::time_point deadline) {
    std::size_t done = 0;
    while (done < count) {
        if (!WaitFor(fd, POLLIN, deadline)) {
            return false;
        }
        ssize_t got = ::recv(fd, buffer + done, count - done, 0);
        if (got == 0 || (got < 0 && errno != EINTR && errno != EAGAIN)) {
            return false;
        }
        done += got > 0 ? static_cast<std::size_t>(got) : 0;
    }
    return true;
}

// The header's words, read up to its line end.
bool ReadHeader(int fd, std::vector<std::string>& words, Clock::time_point deadline) {
    std::string header;
    char ch = 0;
    while (header.size() < kMaxHeader) {
        if (!ReadExactly(fd, &ch, 1, deadline)) {
            return false;
        }
        if (ch == '\n') {
            words.clear();
            std::size_t start = 0;
            while (start <= header.size()) {
                std::size_t blank = header.find(' ', start);
                if (blank == std::string::npos) {
                    blank = header.size();
                }
                words.push_back(header.substr(start, blank - start));
                start = blank + 1;
            }
            return true;
        }
        header += ch;
    }
    return false;
}

bool ParseNumber(const std::string& word, long long& value) {
    auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    return error == std::errc() && end == word.data() + word.size() && !word.empty();
}

bool ReadPayload(int fd, const std::string& countWord, std::string& text, Clock::time_point deadline) {
    long long count = 0;
    if (!ParseNumber(countWord, count) || count < 0 || static_cast<std::size_t>(count) > kMaxWindowText) {
        return false;
    }
    text.assign(static_cast<std::size_t>(count), '\0');
    return ReadExactly(fd, text.data(), text.size(), deadline);
}

} // namespace

std::string EncodeRequest(const WindowRequest& request) {
    std::string text = request.kind == WindowRequestKind::SetText ? request.text : std::string();
    return "VRW1 " + std::string(1, static_cast<char>(request.kind)) + " " +
           std::to_string(request.controlId) + " " + std::to_string(text.size()) + "\n" + text;
}

std::string EncodeReply(const WindowReply& reply) {
    if (!reply.accepted) {
        return "NO 0\n";
    }
    return "OK " + std::to_string(reply.text.size()) + "\n" + reply.text;
}

bool ReadRequest(int fd, WindowRequest& request, int timeoutMs) {
    auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    std::vector<std::string> words;
    long long id = 0;
    if (!ReadHeader(fd, words, deadline) || words.size() != 4 || words[0] != "VRW1" || words[1].size() != 1 ||
        !ParseNumber(words[2], id)) {
        return false;
    }
    char kind = words[1][0];
    if (kind != 'E' && kind != 'F' && kind != 'G' && kind != 'S') {
        return false;
    }
    request.kind = static_cast<WindowRequestKind>(kind);
    request.controlId = static_cast<int>(id);
    return ReadPayload(fd, words[3], request.text, deadline);
}

bool ReadReply(int fd, WindowReply& reply, int timeoutMs) {
    auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    std::vector<std::string> words;
    if (!ReadHeader(fd, words, deadline) || words.size() != 2 || (words[0] != "OK" && words[0] != "NO")) {
        return false;
    }
    reply.accepted = words[0] == "OK";
    return ReadPayload(fd, words[1], reply.text, deadline);
}

bool WriteAll(int fd, const std::string& bytes, int timeoutMs) {
    auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    std::size_t done = 0;
    while (done < bytes.size()) {
        if (!WaitFor(fd, POLLOUT, deadline)) {
            return false;
        }
        ssize_t sent = ::send(fd, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL);
        if (sent < 0 && errno != EINTR && errno != EAGAIN) {
            return false;
        }
        done += sent > 0 ? static_cast<std::size_t>(sent) : 0;
    }
    return true;
}

} // namespace process
