#pragma once
// Japanese Windows face names (ＭＳ ゴシック, ＭＳ 明朝, MS UI Gothic ...) mapped to installed
// Noto CJK families. Fixed-pitch Gothic faces map to the monospaced Noto family so that
// column layouts of lists keep their widths. Other names pass through unchanged.

#include "platform/core/CString.h"

#include <QString>

namespace platform {

QString SubstituteFontFamily(const CString& faceNameCp932);

// True when the face is one of the Japanese Windows faces (or the unnamed/system face) that
// SubstituteFontFamily maps to Noto CJK. Those faces have no internal leading, so their glyphs
// fill a cell height; the device context sizes their stand-ins to fill it as well.
bool IsSubstitutedWindowsFace(const CString& faceNameCp932);

} // namespace platform
