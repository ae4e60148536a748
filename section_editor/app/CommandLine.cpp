#include "section_editor/app/CommandLine.h"

#include "common/process/ChildCommandLine.h"

#include <strings.h>

namespace merdok {

namespace {

bool IsNoDocumentSwitch(const CString& text) {
    if (text.GetLength() >= 2 && text[0] == '-' && (text[1] == 'e' || text[1] == 'E')) {
        return true;
    }
    return text == "/e" || text == "/E";
}

} // namespace

bool CutAtSectionExtension(const CString& name, CString& cut) {
    const int slash = name.ReverseFind('/');
    const int dot = name.Find('.', slash + 1);
    if (dot < 0 || ::strncasecmp(name.Mid(dot).GetString(), ".sec", 4) != 0) {
        return false;
    }
    cut = name.Left(dot + 4);
    return true;
}

StartRequest ParseCommandLine(const std::vector<CString>& args) {
    StartRequest request;
    const process::ChildArguments read = process::ReadChildArguments(args);
    if (read.newFile) {
        // Each argument is one name: a blank inside a path belongs to it.
        if (!read.names.empty() && CutAtSectionExtension(read.names.front(), request.path)) {
            request.kind = StartRequest::kCreate;
        }
        return request;
    }
    if (read.names.empty()) {
        return request;
    }
    CString first = read.names.front();
    first.TrimLeft();
    if (IsNoDocumentSwitch(first)) {
        return request;
    }
    const CString whole = process::JoinedNames(read.names);
    if (!whole.IsEmpty()) {
        request.kind = StartRequest::kOpen;
        request.path = whole;
    }
    return request;
}

} // namespace merdok
