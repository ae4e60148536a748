#pragma once
// The table editor's command line as the base menu passes it: "@" (its own argument, or
// glued to the name) before a measurement file that does not exist yet, the measurement
// file, and the section model file when there is one. A name may stand in double quotes.

#include "platform/core/CString.h"

#include <vector>

namespace quilmo {

struct CommandLineNames {
    bool newFile = false;
    CString measurement; // empty when the first name is not a ".dis" file
    CString section;     // empty when the second name is not a ".sec" file
};

// Arguments after the program name (CP932). Extensions are those of the last path
// component, in any letter case; an empty argument is no name.
CommandLineNames ParseCommandLine(const std::vector<CString>& args);

} // namespace quilmo
