#pragma once
// The section model editor's command line as the base menu passes it: a section model file
// to open, "@" and the path of a file to create, or a switch for no document.

#include "platform/core/CString.h"

#include <vector>

namespace merdok {

struct StartRequest {
    enum Kind { kNoDocument, kOpen, kCreate };
    Kind kind = kNoDocument;
    CString path;
};

// Arguments after the program name. "-e"/"-E" (with anything after) or exactly "/e" or "/E"
// ask for no document; a path that only starts with "/e" is opened. With "@" (an argument of
// its own or glued to the name) the name must end its last component in ".sec"
// (any letter case; the text after ".sec" is dropped), else no document is made. Double
// quotes around the text are removed.
StartRequest ParseCommandLine(const std::vector<CString>& args);

// The text from the first '.' of the last path component begins with ".sec" (any case);
// the name cut just after it.
bool CutAtSectionExtension(const CString& name, CString& cut);

} // namespace merdok
