#pragma once
// The analysis program's command line as the base menu passes it: the analysis file, the
// section model file and the measurement file, one argument each, with "@" as an argument
// of its own before an analysis file that is to be created.

#include "platform/core/CString.h"

#include <vector>

namespace torvan {

struct CommandLineNames {
    bool create = false; // the new-file form ("@" first)
    CString first;       // the first name as given, whatever its extension
    CString analysis;    // the first name when it ends in ".slo"
    CString section;
    CString measurement;
};

// Arguments after the program name (CP932). A name enclosed in double quotes loses them;
// "@" glued to the first name (the launcher's older one-text form) counts as the mark.
CommandLineNames ParseCommandLine(const std::vector<CString>& args);

} // namespace torvan
