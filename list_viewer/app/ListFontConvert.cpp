#include "list_viewer/app/ListFontConvert.h"

#include <cstring>

namespace wenux {

LOGFONT ToLogFont(const ListFont& font) {
    LOGFONT logFont;
    logFont.lfHeight = font.height;
    logFont.lfWeight = font.weight;
    logFont.lfItalic = font.italic;
    logFont.lfUnderline = font.underline;
    logFont.lfCharSet = font.charSet;
    logFont.lfPitchAndFamily = font.pitchAndFamily;
    static_assert(sizeof logFont.lfFaceName == sizeof font.faceName);
    std::memcpy(logFont.lfFaceName, font.faceName, sizeof logFont.lfFaceName);
    return logFont;
}

ListFont FromLogFont(const LOGFONT& logFont) {
    ListFont font;
    font.height = static_cast<int>(logFont.lfHeight);
    font.weight = static_cast<int>(logFont.lfWeight);
    font.italic = logFont.lfItalic;
    font.underline = logFont.lfUnderline;
    font.charSet = logFont.lfCharSet;
    font.pitchAndFamily = logFont.lfPitchAndFamily;
    std::memcpy(font.faceName, logFont.lfFaceName, sizeof font.faceName);
    font.faceName[ListFont::kFaceNameSize - 1] = '\0';
    return font;
}

} // namespace wenux
