#include "analysis/app/CommandLine.h"

#include "common/process/ChildCommandLine.h"

namespace torvan {

CommandLineNames ParseCommandLine(const std::vector<CString>& args) {
    const process::ChildArguments read = process::ReadChildArguments(args);
    const std::vector<CString>& names = read.names;
    CommandLineNames result;
    result.create = read.newFile;
    if (!names.empty()) {
        result.first = names[0];
    }
    if (names.size() > 1) {
        result.section = names[1];
    }
    if (names.size() > 2) {
        result.measurement = names[2];
    }
    if (process::HasExtension(result.first, ".slo")) {
        result.analysis = result.first;
    }
    return result;
}

} // namespace torvan
