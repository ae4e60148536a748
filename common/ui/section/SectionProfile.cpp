#include "common/ui/section/SectionProfile.h"

#include "platform/core/NumberFormat.h"

#include <cstdio>
#include <cstring>

namespace section {

namespace {

// The missing-key marker: no text a user writes reads as it.
const CString kMissing("\x01");

bool Present(const CString& text) {
    return text != kMissing;
}

} // namespace

void SectionProfile::ReadInt(const CString& section, const CString& key, int& value) const {
    const CString text = file_.GetString(section, key, kMissing);
    int read = 0;
    if (Present(text) && platform::ScanInt(text.GetString(), read)) {
        value = read;
    }
}

void SectionProfile::ReadColor(const CString& section, const CString& key, COLORREF& value) const {
    const CString text = file_.GetString(section, key, kMissing);
    int red = 0, green = 0, blue = 0;
    if (Present(text) && std::sscanf(text.GetString(), "%d,%d,%d", &red, &green, &blue) == 3) {
        value = RGB(red & 0xFF, green & 0xFF, blue & 0xFF);
    }
}

void SectionProfile::ReadString(const CString& section, const CString& key, CString& value) const {
    const CString text = file_.GetString(section, key, kMissing);
    if (Present(text)) {
        value = text;
    }
}

void SectionProfile::Put(const CString& section, const CString& key, const CString& value) const {
    if (defer_) {
        pending_.push_back({section, key, value});
    } else {
        file_.WriteString(section, key, value);
    }
}

bool SectionProfile::Flush() const {
    if (pending_.empty()) {
        return true;
    }
    const bool written = file_.WriteStrings(pending_);
    pending_.clear();
    return written;
}

void SectionProfile::WriteInt(const CString& section, const CString& key, int value) const {
    Put(section, key, CString(platform::FormatC("%d", value)));
}

void SectionProfile::WriteColor(const CString& section, const CString& key, COLORREF value) const {
    Put(section, key,
        CString(platform::FormatC("%d,%d,%d", GetRValue(value), GetGValue(value), GetBValue(value))));
}

void SectionProfile::WriteString(const CString& section, const CString& key, const CString& value) const {
    Put(section, key, value);
}

bool SectionProfile::GetProfileFont(const CString& section, LOGFONT& font) const {
    int height = 0;
    ReadInt(section, "Height", height);
    if (height == 0) {
        return false;
    }
    font.lfHeight = height;
    int weight = 0, italic = 0, pitch = 0;
    ReadInt(section, "Weight", weight);
    ReadInt(section, "Italic", italic);
    ReadInt(section, "PitchAndFamily", pitch);
    font.lfWeight = weight;
    font.lfItalic = static_cast<BYTE>(italic);
    font.lfPitchAndFamily = static_cast<BYTE>(pitch);
    font.lfUnderline = 0;
    CString face("System");
    ReadString(section, "FaceName", face);
    CopyFaceName(face, font.lfFaceName);
    font.lfCharSet = SHIFTJIS_CHARSET;
    return true;
}

void SectionProfile::WriteProfileFont(const CString& section, const LOGFONT& font) const {
    if (font.lfHeight == 0) {
        return;
    }
    WriteInt(section, "Height", font.lfHeight);
    if (font.lfWeight != 0) {
        WriteInt(section, "Weight", font.lfWeight);
    }
    if (font.lfItalic != 0) {
        WriteInt(section, "Italic", font.lfItalic);
    }
    if (font.lfPitchAndFamily != 0) {
        WriteInt(section, "PitchAndFamily", font.lfPitchAndFamily);
    }
    char face[sizeof font.lfFaceName + 1] = {};
    std::memcpy(face, font.lfFaceName, sizeof font.lfFaceName);
    WriteString(section, "FaceName", CString(face));
}

void SectionProfile::ReadNumberStyle(const CString& section, NumberStyle& style) const {
    GetProfileFont(section, style.font);
    ReadColor(section, "Color", style.color);
    ReadInt(section, "OutLine", style.outline);
    ReadInt(section, "DrawFlag", style.draw);
    ReadInt(section, "NumberType", style.numberType);
}

void SectionProfile::WriteNumberStyle(const CString& section, const NumberStyle& style) const {
    WriteProfileFont(section, style.font);
    WriteColor(section, "Color", style.color);
    WriteInt(section, "OutLine", style.outline);
    WriteInt(section, "DrawFlag", style.draw);
    WriteInt(section, "NumberType", style.numberType);
}

void SectionProfile::ReadLineStyle(const CString& section, LineStyle& style) const {
    ReadColor(section, "Color", style.color);
    ReadInt(section, "Width", style.width);
    ReadInt(section, "DrawFlag", style.draw);
    ReadInt(section, "LineType", style.type);
}

void SectionProfile::WriteLineStyle(const CString& section, const LineStyle& style) const {
    WriteColor(section, "Color", style.color);
    WriteInt(section, "Width", style.width);
    WriteInt(section, "DrawFlag", style.draw);
    WriteInt(section, "LineType", style.type);
}

void SectionProfile::ReadPointStyle(const CString& section, PointStyle& style) const {
    ReadColor(section, "Color", style.color);
    ReadInt(section, "Width", style.size);
    ReadInt(section, "DrawFlag", style.draw);
}

void SectionProfile::WritePointStyle(const CString& section, const PointStyle& style) const {
    WriteColor(section, "Color", style.color);
    WriteInt(section, "Width", style.size);
    WriteInt(section, "DrawFlag", style.draw);
}

} // namespace section
