#include "list_viewer/core/FontSettings.h"

#include <algorithm>
#include <cstring>

namespace wenux {

namespace {

bool IsLeadByte(unsigned char ch) {
    return (ch >= 0x81 && ch <= 0x9F) || (ch >= 0xE0 && ch <= 0xFC);
}

} // namespace

void ListFont::SetFaceName(const CString& name) {
    const int limit = kFaceNameSize - 1;
    int length = 0;
    while (length < name.GetLength()) {
        const int step = IsLeadByte(static_cast<unsigned char>(name[length])) ? 2 : 1;
        if (length + step > limit) {
            break;
        }
        length += step;
    }
    std::memset(faceName, 0, sizeof faceName);
    std::memcpy(faceName, name.GetString(), static_cast<std::size_t>(std::min(length, name.GetLength())));
}

ListFont LoadListFont(ProfileAccess& profile, const char* section) {
    ListFont font;
    font.height = profile.GetProfileInt(section, "Height", 0);
    font.charSet = kShiftJisCharset;
    if (font.height == 0) {
        font.SetFaceName(CString(u8"ＭＳ ゴシック"));
        font.pitchAndFamily = kFixedPitch;
        return font;
    }
    font.weight = profile.GetProfileInt(section, "Weight", 0);
    font.italic = static_cast<std::uint8_t>(profile.GetProfileInt(section, "Italic", 0));
    font.pitchAndFamily = static_cast<std::uint8_t>(profile.GetProfileInt(section, "PitchAndFamily", 0));
    font.SetFaceName(profile.GetProfileString(section, "FaceName", ""));
    return font;
}

void SaveListFont(ProfileAccess& profile, const char* section, const ListFont& font) {
    if (font.height == 0) {
        return;
    }
    profile.WriteProfileInt(section, "Height", font.height);
    if (font.weight != 0) {
        profile.WriteProfileInt(section, "Weight", font.weight);
    }
    if (font.italic != 0) {
        profile.WriteProfileInt(section, "Italic", font.italic);
    }
    if (font.pitchAndFamily != 0) {
        profile.WriteProfileInt(section, "PitchAndFamily", font.pitchAndFamily);
    }
    profile.WriteProfileString(section, "FaceName", font.faceName);
}

} // namespace wenux
