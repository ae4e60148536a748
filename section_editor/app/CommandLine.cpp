#include "section_editor/app/CommandLine.h"

#include <strings.h>

namespace merdok {

namespace {

const char kNewFileMark = '@';

CString WithoutQuotes(CString text) {
    const int first = text.Find('"');
    if (first >= 0 && first < 3) {
        text = text.Left(first) + text.Mid(first + 1);
    }
    const int last = text.ReverseFind('"');
    if (last >= 0 && last >= text.GetLength() - 2) {
        text = text.Left(last) + text.Mid(last + 1);
    }
    return text;
}

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
    if (args.empty()) {
        return request;
    }
    std::vector<CString> words;
    for (const CString& arg : args) {
        words.push_back(WithoutQuotes(arg));
    }
    CString first = words.front();
    first.TrimLeft();
    const int mark = first.Find(kNewFileMark);
    if (mark >= 0 && mark < 3) {
        // Each argument is one name: a blank inside a path belongs to it.
        CString name = first.Mid(mark + 1);
        name.TrimLeft();
        if (name.IsEmpty() && words.size() > 1) {
            name = words[1];
        }
        if (CutAtSectionExtension(name, request.path)) {
            request.kind = StartRequest::kCreate;
        }
        return request;
    }
    if (IsNoDocumentSwitch(first)) {
        return request;
    }
    CString whole = words.front();
    for (std::size_t i = 1; i < words.size(); ++i) {
        whole += " " + words[i];
    }
    if (whole.IsEmpty()) {
        return request;
    }
    request.kind = StartRequest::kOpen;
    request.path = whole;
    return request;
}

} // namespace merdok
