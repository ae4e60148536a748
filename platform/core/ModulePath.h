#pragma once
// Where the running program lies, for data beside the executable and the first settings.

#include "platform/core/CString.h"

namespace platform {

// Full path of the executable (CP932 bytes), from /proc/self/exe; empty when unreadable.
CString ModuleFileName();
// Directory of the executable without a trailing '/'.
CString ModuleDirectory();

// A program's directory as the paths of its files begin with it: with a trailing '/' (an
// empty one stays empty).
CString WithTrailingSlash(const CString& directory);
// The program's settings file <name>.INI in the user's settings folder (SettingsFolder.h),
// seeded on first use from the file of that name in the program's directory. An empty
// directory becomes the executable's own and the name then its file name; a name still empty
// becomes fallbackName. What was chosen is stored back.
CString ProgramProfilePath(CString& directory, CString& name, const CString& fallbackName);

} // namespace platform
