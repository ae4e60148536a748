#pragma once
// The viewer's display and print fonts as its settings file keeps them: sections
// "List Screen" and "List Printer", keys "Height", "Weight", "Italic",
// "PitchAndFamily" and "FaceName". A height of 0 means "no font stored": the font is
// then the fixed-pitch Japanese gothic face with every size left to the view.

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

// What the settings file offers; the program's settings file class implements it.
class ProfileAccess {
public:
    virtual ~ProfileAccess() = default;
    virtual int GetProfileInt(const char* section, const char* key, int defaultValue) = 0;
    virtual CString GetProfileString(const char* section, const char* key, const char* defaultValue) = 0;
    virtual void WriteProfileInt(const char* section, const char* key, int value) = 0;
    virtual void WriteProfileString(const char* section, const char* key, const char* value) = 0;
};

ListFont LoadListFont(ProfileAccess& profile, const char* section);
// Writes nothing when the height is 0; zero weight, italic and pitch are not written.
void SaveListFont(ProfileAccess& profile, const char* section, const ListFont& font);

} // namespace wenux
