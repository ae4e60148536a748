#pragma once
// Where the suite keeps what its running programs share with each other: lock files
// of the named mutexes and the sockets of the window-class registry.
//
// The directory is "verrant" inside the user's runtime directory ($XDG_RUNTIME_DIR, or
// /tmp/<uid> when that is not set), created with mode 0700. A directory that exists but
// is not the user's own, or is a symbolic link, is refused: another user must never be
// able to hold or answer for our names.

#include <string>

namespace process {

// UTF-8 path without a trailing slash; empty when no usable directory exists.
std::string SuiteRuntimeDirectory();

// Path of one entry in that directory; empty when there is no directory.
std::string SuiteRuntimePath(const std::string& entryName);

// The name made file-safe: '/' and control bytes become '_'; other bytes stay.
std::string SafeEntryName(const std::string& name);

} // namespace process
