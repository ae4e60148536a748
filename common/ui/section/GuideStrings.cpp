#include "common/ui/section/GuideStrings.h"

#include "common/ui/section/GuideTexts.h"
#include "common/ui/section/SectionCommands.h"
#include "platform/core/CodePage.h"
#include "platform/ui/CWinApp.h"
#include "platform/ui/CWnd.h"

namespace section {

namespace {

std::map<UINT, CString>& Strings() {
    static std::map<UINT, CString> strings;
    return strings;
}

// At most the guide text's bytes, never half a double-byte character.
CString Limited(const CString& text) {
    const std::string& bytes = text.str();
    std::size_t end = 0;
    while (end < bytes.size()) {
        const std::size_t length = platform::Cp932CharLength(bytes, end);
        if (end + length > static_cast<std::size_t>(kGuideTextBytes)) {
            break;
        }
        end += length;
    }
    return CString(bytes.substr(0, end));
}

} // namespace

void RegisterGuideStrings(std::map<UINT, CString> strings) {
    Strings() = std::move(strings);
}

CString LoadGuideString(UINT id) {
    if (id < kFirstGuideId || id > kLastGuideId) {
        return CString();
    }
    auto found = Strings().find(id);
    return found == Strings().end() ? CString() : Limited(found->second);
}

void SendToMainFrame(UINT id) {
    if (CWnd* main = AfxGetMainWnd()) {
        main->RouteCommand(id);
    }
}

void SetGuidePrompt(UINT id) {
    ProcessGuideTexts().prompt = LoadGuideString(id);
    SendToMainFrame(ID_SHOW_GUIDE_PROMPT);
}

void SetGuideTitle(UINT id) {
    ProcessGuideTexts().title = LoadGuideString(id);
    SendToMainFrame(ID_SHOW_GUIDE_TITLE);
}

void SetCursorPosition(double x, double y) {
    ProcessGuideTexts().cursorX = x;
    ProcessGuideTexts().cursorY = y;
    SendToMainFrame(ID_SHOW_CURSOR_POS);
}

} // namespace section
