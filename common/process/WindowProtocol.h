#pragma once
// The request protocol of the window-class registry, spoken over a local stream socket,
// one request and one reply per connection.
//
//   request: "VRW1 <kind> <control id> <byte count>\n" followed by that many bytes of text
//   reply:   "OK <byte count>\n" followed by the text, or "NO 0\n" when refused
//
// Kinds: 'E' exists, 'F' bring to front, 'G' get the text of a control id, 'S' set it.
// Texts are CP932 bytes of any value (blanks, line ends, NULs included) up to
// kMaxWindowText bytes; the counts make them travel whole.

#include <string>

namespace process {

inline constexpr std::size_t kMaxWindowText = 65536;

enum class WindowRequestKind : char { Exists = 'E', BringToFront = 'F', GetText = 'G', SetText = 'S' };

struct WindowRequest {
    WindowRequestKind kind = WindowRequestKind::Exists;
    int controlId = 0;
    std::string text; // SetText only
};

struct WindowReply {
    bool accepted = false;
    std::string text; // GetText only
};

std::string EncodeRequest(const WindowRequest& request);
std::string EncodeReply(const WindowReply& reply);

// Each waits at most timeoutMs in all; false on a timeout, a closed peer or a malformed message.
bool ReadRequest(int fd, WindowRequest& request, int timeoutMs);
bool ReadReply(int fd, WindowReply& reply, int timeoutMs);
bool WriteAll(int fd, const std::string& bytes, int timeoutMs);

} // namespace process
