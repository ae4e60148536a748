#pragma once
// Where the window-class registry's sockets lie: one listening socket per registered
// window and process, "window-<class>-<pid>.sock" in the suite's runtime directory, so
// that two instances of one program (an allowed second start) are both found.

#include "common/process/UniqueFd.h"

#include <string>
#include <sys/types.h>
#include <vector>

namespace process {

struct WindowSocketEntry {
    std::string path;
    pid_t pid = 0;
};

// The socket path of a class in this process; empty when there is no runtime directory
// or the path does not fit in a socket address.
std::string WindowSocketPath(const std::string& className, pid_t pid);

// Every socket registered under the class, lowest process id first.
std::vector<WindowSocketEntry> ListWindowSockets(const std::string& className);

enum class SocketProbe {
    Connected, // fd is connected to the window's server
    Busy,      // a server listens but its queue is full
    Dead,      // nobody listens: the file was left by a killed process and is now removed
    Failed,    // not a socket, or it could not be reached
};

// Connects to one registered socket without blocking.
SocketProbe ProbeWindowSocket(const WindowSocketEntry& entry, UniqueFd& fd);

// Removes the sockets of the class that no process listens on any more.
void RemoveDeadWindowSockets(const std::string& className);

} // namespace process
