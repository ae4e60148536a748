#pragma once
// The four kinds of list the viewer shows, and how a path or a command line chooses one.

#include "platform/core/CString.h"

#include <vector>

namespace wenux {

struct DocumentTypeInfo {
    int type;                // 0, 2, 3 or 4
    int templateId;          // 240 to 243
    const char* extension;   // ".lst" ...
    const char8_t* prefix;   // frame title prefix
    int typeTextId;          // string id of the type text (4033 to 4036)
    const char8_t* typeText; // the type text
    int lineWidth;           // characters per row
    const char8_t* templateString;
};

// In template order: result list, calculation run log, drawing run log, edit error log.
const std::vector<DocumentTypeInfo>& DocumentTypes();
const DocumentTypeInfo& DocumentTypeOf(int type);

// The template that opens a path: the one whose extension ends the path (letter case
// ignored, as the file types are registered), else the first.
const DocumentTypeInfo& TemplateForPath(const CString& path);

// The type a log view takes from the last character of its list path:
// 'g'/'G' calculation run log, 'p'/'P' drawing run log, anything else edit error log.
int LogTypeFromPath(const CString& path);

struct CommandLineInfo {
    bool noDocument = true; // nothing to open
    CString path;           // the file to open
    int type = 0;           // initial filter of the Open dialog
};

// The program's arguments (without the program name). None, or a first argument of '-'
// or '/' followed by 'e' or 'E', starts without a document; otherwise the arguments,
// joined by blanks, are the path. The type comes from the four characters that begin
// at the path's first '.'.
CommandLineInfo ParseCommandLine(const std::vector<CString>& arguments);

// Removes one pair of surrounding double quotes, as the framework's open does.
CString StripQuotes(const CString& path);

} // namespace wenux
