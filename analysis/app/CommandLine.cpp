#include "analysis/app/CommandLine.h"

#include <strings.h>

namespace torvan {

namespace {

const char kNewFileMark = '@';

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

bool HasAnalysisExtension(const CString& name) {
    const int dot = name.ReverseFind('.');
    const int slash = name.ReverseFind('/');
    return dot >= 0 && dot > slash && ::strcasecmp(name.Mid(dot).GetString(), ".slo") == 0;
}

CommandLineNames ParseCommandLine(const std::vector<CString>& args) {
    std::vector<CString> names;
    for (const CString& arg : args) {
        names.push_back(WithoutQuotes(arg));
    }
    CommandLineNames result;
    if (!names.empty() && !names.front().IsEmpty() && names.front()[0] == kNewFileMark) {
        result.create = true;
        CString rest = names.front().Mid(1);
        rest.TrimLeft();
        if (rest.IsEmpty()) {
            names.erase(names.begin());
        } else {
            names.front() = rest;
        }
    }
    if (!names.empty()) {
        result.first = names[0];
    }
    if (names.size() > 1) {
        result.section = names[1];
    }
    if (names.size() > 2) {
        result.measurement = names[2];
    }
    if (HasAnalysisExtension(result.first)) {
        result.analysis = result.first;
    }
    return result;
}

} // namespace torvan
