#pragma once
// Where the suite keeps what its running programs share with each other: lock files
// of the named mutexes, the sockets of the window-class registry and the published name
// of the shared name buffer.
//
// The directory is one per display inside "verrant" in the user's runtime directory
// ($XDG_RUNTIME_DIR, or /tmp/<uid> when that is not set), "verrant/x11-:0" for instance:
// the programs on one desktop find each other, and those the same user runs on another
// display (a remote or second session) neither stop nor answer them. Both levels are
// created with mode 0700. A directory that exists but is not the user's own, or is a
// symbolic link, is refused: another user must never be able to hold or answer for our
// names. Programs confirm the directory at start-up and end with a message naming the
// refused path, rather than run on without their names.

#include <string>

namespace process {

// Why no usable directory exists.
enum class RuntimeDirectoryFault {
    None,
    CannotCreate, // missing and cannot be made (the system's reason is in `error`)
    SymbolicLink, // a symbolic link stands at the path
    NotDirectory, // something other than a directory stands at the path
    ForeignOwner, // another user's directory
    OpenToOthers, // ours, but others have access and it cannot be closed
};

struct RuntimeDirectoryState {
    std::string directory; // the usable directory (UTF-8, no trailing slash); empty when refused
    std::string refusedPath;
    RuntimeDirectoryFault fault = RuntimeDirectoryFault::None;
    int error = 0; // errno of a failed creation
};

// The display's entry in "verrant": "x11-<host>:<number>" from DISPLAY (the screen number
// dropped), "wayland-<name>" from WAYLAND_DISPLAY, "no-display" without either. When both are
// set, the one the window layer uses (QT_QPA_PLATFORM "xcb..." names X11) wins, Wayland first.
std::string DisplayEntryName();

// Finds, creates when missing and checks the directory.
RuntimeDirectoryState ResolveSuiteRuntimeDirectory();

// UTF-8 path without a trailing slash; empty when no usable directory exists.
std::string SuiteRuntimeDirectory();

// Path of one entry in that directory; empty when there is no directory.
std::string SuiteRuntimePath(const std::string& entryName);

// The name made file-safe: '/' and control bytes become '_'; other bytes stay.
std::string SafeEntryName(const std::string& name);

// Start-up check of the programs: true when the directory is usable; otherwise shows a
// message naming the refused path and why, and returns false (the program then ends with
// kRuntimeDirectoryExitCode).
bool ConfirmSuiteRuntimeDirectory();

inline constexpr int kRuntimeDirectoryExitCode = 1;

} // namespace process
