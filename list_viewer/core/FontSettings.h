#pragma once
// The viewer's display and print fonts as its settings file keeps them: sections
// "List Screen" and "List Printer", keys "Height", "Weight", "Italic",
// "PitchAndFamily" and "FaceName". A height of 0 means "no font stored": the font is
// then the fixed-pitch Japanese gothic face with every size left to the view.

#include "list_viewer/core/ProfileAccess.h"

#include "platform/core/CString.h"

#include <cstdint>

namespace wenux {

// The fields of a font description that the viewer keeps (the LOGFONT fields).
struct ListFont {
    static constexpr int kFaceNameSize = 32;

    int height = 0;
    int weight = 0;
    std::uint8_t italic = 0;
    std::uint8_t underline = 0;
    std::uint8_t charSet = 0;
    std::uint8_t pitchAndFamily = 0;
    char faceName[kFaceNameSize] = {};

    void SetFaceName(const CString& name); // at most 31 bytes, never half a character
};

inline constexpr std::uint8_t kShiftJisCharset = 128;
inline constexpr std::uint8_t kFixedPitch = 1;
inline constexpr const char* kScreenSection = "List Screen";
inline constexpr const char* kPrinterSection = "List Printer";

ListFont LoadListFont(ProfileAccess& profile, const char* section);
// Writes nothing when the height is 0; zero weight, italic and pitch are not written.
void SaveListFont(ProfileAccess& profile, const char* section, const ListFont& font);

} // namespace wenux
