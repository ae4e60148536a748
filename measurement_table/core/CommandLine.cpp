#include "measurement_table/core/CommandLine.h"

#include "common/process/ChildCommandLine.h"

namespace quilmo {

CommandLineNames ParseCommandLine(const std::vector<CString>& args) {
    const process::ChildArguments read = process::ReadChildArguments(args);
    CommandLineNames result;
    result.newFile = read.newFile;
    // An empty argument is no name: the section file is the next name given.
    std::vector<CString> names;
    for (const CString& name : read.names) {
        if (!name.IsEmpty()) {
            names.push_back(name);
        }
    }
    if (!names.empty() && process::HasExtension(names[0], ".dis")) {
        result.measurement = names[0];
    }
    if (names.size() > 1 && process::HasExtension(names[1], ".sec")) {
        result.section = names[1];
    }
    return result;
}

} // namespace quilmo
