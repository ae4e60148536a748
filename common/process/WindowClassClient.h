#pragma once
// The asking side of the window-class registry: finds the windows that other programs
// of the suite registered under a class name (WindowClassServer.h) and sends them one
// request each. Texts are CP932 bytes and travel whole, whatever their length up to
// kMaxWindowText.
//
// Sockets whose process has died are recognised (nobody listens) and removed on the way.
// A class registered by this very process is answered directly, without a socket.

#include "platform/core/CString.h"

namespace process {

enum class WindowAnswer {
    Done,        // the window answered and did what was asked
    Refused,     // the window answered but has no such control (or could not come forward)
    NoWindow,    // no window of the class exists
    Unreachable, // a window exists but did not answer in time
};

// How long one request waits for the window's answer.
inline constexpr int kWindowRequestTimeoutMs = 3000;

// "exists": true when a window of the class is registered and answering.
bool FindWindowClass(const char* className);
WindowAnswer BringWindowClassToFront(const char* className);
WindowAnswer GetWindowClassText(const char* className, int controlId, CString& text);
WindowAnswer SetWindowClassText(const char* className, int controlId, const CString& text);

} // namespace process
