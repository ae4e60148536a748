#pragma once
// Where the running program lies, for settings files and data beside the executable.

#include "platform/core/CString.h"

namespace platform {

// Full path of the executable (CP932 bytes), from /proc/self/exe; empty when unreadable.
CString ModuleFileName();
// Directory of the executable without a trailing '/'.
CString ModuleDirectory();

} // namespace platform
