#pragma once
// The viewer's six settings, read once at start and written once at exit through the
// profile functions of the application (the settings file beside the program).

#include "platform/core/CString.h"
#include "platform/ui/GdiTypes.h"

class CWinApp;

namespace zapho {

struct ViewerSettings {
    LOGFONT plotFont;  // default plot font of new views
    CString titleFile; // the string list file
    int automatic = 1; // register input strings automatically
    int maxCount = 30; // most strings kept in the string list file
    int monochromePrint = 1;
    int reverseAnglePrint = 0;

    static constexpr int kDefaultMaxCount = 30;

    // The default plot font: "ＭＳ ゴシック", height -12, Shift-JIS.
    static LOGFONT DefaultPlotFont();
    void Load(CWinApp& app, const CString& programDirectory);
    void Save(CWinApp& app) const;
};

} // namespace zapho
