#pragma once
// The child side of ChildLauncher: what a program started by the base menu (or by a test)
// reads from its arguments. The launcher passes one name per argument and "@" as an
// argument of its own before a file to be created; older one-text forms (the whole line in
// double quotes, "@" glued to the first name) are still read. Each program adds its own
// meaning of the names (how many, which extensions, switches) on top.

#include "platform/core/CString.h"

#include <optional>
#include <vector>

namespace process {

struct ChildArguments {
    bool newFile = false;       // "@" before the first name: that file is to be created
    std::vector<CString> names; // the names after the mark, quotes removed, empty ones kept
};

// Arguments after the program name (CP932). A double quote among the first three characters
// of an argument is removed, then the last one when it is among the last two. An "@" among
// the first three characters of the first argument, with only blanks before it, is the
// new-file mark; the text after it, blanks dropped, is the first name when there is any.
ChildArguments ReadChildArguments(const std::vector<CString>& args);

// The argument without the quotes a one-text command line put around it.
CString WithoutQuotes(const CString& argument);

// The names joined by single blanks, as a line split at its blanks is put together again.
CString JoinedNames(const std::vector<CString>& names);

// True when the last component of the name ends, from its last '.', in the extension in any
// letter case, with a name before it.
bool HasExtension(const CString& name, const char* extension);

// The suite's name (CP932) of a name on disk as a program's argument gives it (UTF-8);
// nothing when CP932 cannot hold it, as the window programs refuse such an argument.
std::optional<CString> SuiteArgument(const char* diskName);

} // namespace process
