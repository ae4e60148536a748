#pragma once
// Names of the line-pointer work files that views keep beside their lists.

#include "platform/core/CString.h"

namespace wenux {

// Creates an empty, new file named "lp" and six unique characters in the directory of
// listPath (owner-only access, never an existing file or link) and returns its path.
// When no such file can be made the path is "list_pt.wrk" in the current directory.
CString MakePointerFilePath(const char* listPath);

} // namespace wenux
