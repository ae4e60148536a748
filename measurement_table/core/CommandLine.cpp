#include "measurement_table/core/CommandLine.h"

#include <strings.h>

namespace quilmo {

namespace {

CString WithoutQuotes(CString name) {
    if (name.GetLength() >= 1 && name[0] == '"') {
        name = name.Mid(1);
    }
    if (name.GetLength() >= 1 && name[name.GetLength() - 1] == '"') {
        name = name.Left(name.GetLength() - 1);
    }
    return name;
}

} // namespace

bool HasExtension(const CString& name, const char* extension) {
    const int slash = name.ReverseFind('/');
    const int dot = name.ReverseFind('.');
    return dot > slash + 1 && ::strcasecmp(name.Mid(dot).GetString(), extension) == 0;
}

CommandLineNames ParseCommandLine(const std::vector<CString>& args) {
    std::vector<CString> names;
    CommandLineNames result;
    for (const CString& arg : args) {
        CString name = WithoutQuotes(arg);
        if (names.empty() && !result.newFile && name.GetLength() >= 1 && name[0] == '@') {
            result.newFile = true;
            name = name.Mid(1);
            name.TrimLeft();
        }
        if (!name.IsEmpty()) {
            names.push_back(name);
        }
    }
    if (!names.empty() && HasExtension(names[0], ".dis")) {
        result.measurement = names[0];
    }
    if (names.size() > 1 && HasExtension(names[1], ".sec")) {
        result.section = names[1];
    }
    return result;
}

} // namespace quilmo
