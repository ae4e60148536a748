#include "common/process/ChildCommandLine.h"

#include "platform/core/DiskNames.h"

#include <strings.h>

namespace process {

namespace {

const char kNewFileMark = '@';
// Quotes and the mark are looked for this near the start of an argument.
constexpr int kLeadingReach = 3;
// The closing quote is looked for this near the end.
constexpr int kTrailingReach = 2;

} // namespace

CString WithoutQuotes(const CString& argument) {
    CString text = argument;
    const int first = text.Find('"');
    if (first >= 0 && first < kLeadingReach) {
        text = text.Left(first) + text.Mid(first + 1);
    }
    const int last = text.ReverseFind('"');
    if (last >= 0 && last >= text.GetLength() - kTrailingReach) {
        text = text.Left(last) + text.Mid(last + 1);
    }
    return text;
}

ChildArguments ReadChildArguments(const std::vector<CString>& args) {
    ChildArguments result;
    for (const CString& arg : args) {
        result.names.push_back(WithoutQuotes(arg));
    }
    if (result.names.empty()) {
        return result;
    }
    CString& first = result.names.front();
    const int mark = first.Find(kNewFileMark);
    CString before = mark > 0 ? first.Left(mark) : CString();
    before.TrimLeft();
    // Only blanks may stand before the mark: "a@b.sec" is a name, not "b.sec" to create.
    if (mark >= 0 && mark < kLeadingReach && before.IsEmpty()) {
        result.newFile = true;
        CString rest = first.Mid(mark + 1);
        rest.TrimLeft();
        if (rest.IsEmpty()) {
            result.names.erase(result.names.begin());
        } else {
            first = rest;
        }
    }
    return result;
}

CString JoinedNames(const std::vector<CString>& names) {
    CString whole;
    for (std::size_t i = 0; i < names.size(); ++i) {
        whole += i == 0 ? names[i] : " " + names[i];
    }
    return whole;
}

bool HasExtension(const CString& name, const char* extension) {
    const int slash = name.ReverseFind('/');
    const int dot = name.ReverseFind('.');
    return dot > slash + 1 && ::strcasecmp(name.Mid(dot).GetString(), extension) == 0;
}

std::optional<CString> SuiteArgument(const char* diskName) {
    if (std::optional<std::string> name = platform::SuiteName(diskName)) {
        return CString(*name);
    }
    return std::nullopt;
}

} // namespace process
