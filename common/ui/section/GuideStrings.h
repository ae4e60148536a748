#pragma once
// The guide strings of a section program (its string table of ids 4000 to 4999, registered at
// start-up) and the setters a view uses: each stores the text in the process's guide texts
// (GuideTexts.h) and sends its show command to the main window. Any other id, or an id
// without a text, gives an empty text. The ids are named in GuideIds.h.

#include "platform/core/CString.h"

#include <map>
#include <span>

namespace section {

inline constexpr UINT kFirstGuideId = 4000;
inline constexpr UINT kLastGuideId = 4999;

// One text of a program's guide string table.
struct GuideString {
    UINT id;
    const char8_t* text;
};
// The texts both section programs show, once for both.
std::span<const GuideString> SharedGuideStrings();
// Registers the shared texts and the program's own (which both programs' ids leave out).
void RegisterProgramGuideStrings(std::span<const GuideString> own);

void RegisterGuideStrings(std::map<UINT, CString> strings);
// The text of an id cut to the guide text limit, or an empty text.
CString LoadGuideString(UINT id);

void SetGuidePrompt(UINT id);
void SetGuideTitle(UINT id);
void SetCursorPosition(double x, double y);

// Sends a command id along the main window's command route (a view's message to its frame).
void SendToMainFrame(UINT id);

} // namespace section
