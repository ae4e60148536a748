#pragma once
// The process-wide texts a section view shows in its main frame: the guide prompt (status
// pane 0), the guide title of the current drawing tool (the bottom bar), the name of the
// chosen analysis method and the cursor position in metres. Views write them and then tell
// the main frame by a notification command; the main frame only reads them.
// Each text holds at most kGuideTextBytes bytes, cut on a character boundary.

#include "platform/core/CString.h"

namespace section {

inline constexpr int kGuideTextBytes = 100;

struct GuideTexts {
    CString prompt;
    CString title;
    CString methodName;
    double cursorX = 0.0;
    double cursorY = 0.0;
};

// The one set of this process.
inline GuideTexts& ProcessGuideTexts() {
    static GuideTexts texts;
    return texts;
}

} // namespace section
