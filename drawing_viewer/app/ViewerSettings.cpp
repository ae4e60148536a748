#include "drawing_viewer/app/ViewerSettings.h"

#include "platform/core/Unset.h"
#include "platform/ui/CWinApp.h"

#include <cstring>

namespace zapho {

namespace {

constexpr char kFontSection[] = "Plot Font";
constexpr char kTitleSection[] = "Title";
constexpr char kSystemSection[] = "System";
constexpr int kShiftJisCharset = 128;
constexpr int kLongestFace = 31;
constexpr int kFewestKept = 1;
constexpr int kMostKept = 100;

void CopyFace(LOGFONT& font, const CString& face) {
    std::memset(font.lfFaceName, 0, sizeof font.lfFaceName);
    std::strncpy(font.lfFaceName, face.GetString(), kLongestFace);
}

// A stored value replaces the setting unless it is absent (read as the unset int).
void ReadInt(CWinApp& app, const char* section, const char* key, int& setting) {
    const int value = static_cast<int>(app.GetProfileInt(section, key, platform::kUnsetInt));
    if (value != platform::kUnsetInt) {
        setting = value;
    }
}

} // namespace

LOGFONT ViewerSettings::DefaultPlotFont() {
    LOGFONT font;
    font.lfWeight = 0;
    font.lfHeight = -12;
    font.lfCharSet = kShiftJisCharset;
    font.lfPitchAndFamily = 1;
    CopyFace(font, CString(u8"ＭＳ ゴシック"));
    return font;
}

void ViewerSettings::Load(CWinApp& app, const CString& programDirectory) {
    titleFile.Empty();
    automatic = 1;
    maxCount = kDefaultMaxCount;
    plotFont = LOGFONT();
    plotFont.lfWeight = 0;
    const int height = static_cast<int>(app.GetProfileInt(kFontSection, "Height", 0));
    if (height != 0) {
        plotFont.lfHeight = height;
        plotFont.lfWeight = static_cast<LONG>(app.GetProfileInt(kFontSection, "Weight", 0));
        plotFont.lfItalic = static_cast<BYTE>(app.GetProfileInt(kFontSection, "Italic", 0));
        plotFont.lfUnderline = static_cast<BYTE>(app.GetProfileInt(kFontSection, "Underline", 0));
        plotFont.lfPitchAndFamily = static_cast<BYTE>(app.GetProfileInt(kFontSection, "PitchAndFamily", 0));
        CopyFace(plotFont, app.GetProfileString(kFontSection, "FaceName", "System"));
        plotFont.lfCharSet = kShiftJisCharset;
    } else {
        plotFont = DefaultPlotFont();
    }
    titleFile = app.GetProfileString(kTitleSection, "File", "");
    if (titleFile.IsEmpty()) {
        titleFile = programDirectory + "title.idx";
    }
    ReadInt(app, kTitleSection, "Automatic", automatic);
    ReadInt(app, kTitleSection, "MaxCount", maxCount);
    // The list dialog takes 1 to 100; any other stored count (0 would empty the list at
    // its next save) falls back to the default.
    if (maxCount < kFewestKept || maxCount > kMostKept) {
        maxCount = kDefaultMaxCount;
    }
    monochromePrint = 1;
    reverseAnglePrint = 0;
    ReadInt(app, kSystemSection, "Monochromatic Print", monochromePrint);
    ReadInt(app, kSystemSection, "Char-Angle Reverse Print", reverseAnglePrint);
}

void ViewerSettings::Save(CWinApp& app) const {
    if (plotFont.lfHeight != 0) {
        app.WriteProfileInt(kFontSection, "Height", plotFont.lfHeight);
        app.WriteProfileInt(kFontSection, "Weight", plotFont.lfWeight);
        app.WriteProfileInt(kFontSection, "Italic", plotFont.lfItalic);
        app.WriteProfileInt(kFontSection, "Underline", plotFont.lfUnderline);
        app.WriteProfileInt(kFontSection, "PitchAndFamily", plotFont.lfPitchAndFamily);
        app.WriteProfileString(kFontSection, "FaceName", plotFont.lfFaceName);
    }
    app.WriteProfileString(kTitleSection, "File", titleFile);
    app.WriteProfileInt(kTitleSection, "Automatic", automatic);
    app.WriteProfileInt(kTitleSection, "MaxCount", maxCount);
    app.WriteProfileInt(kSystemSection, "Monochromatic Print", monochromePrint);
    app.WriteProfileInt(kSystemSection, "Char-Angle Reverse Print", reverseAnglePrint);
}

} // namespace zapho
