#pragma once
// Japanese Windows face names (ＭＳ ゴシック, ＭＳ 明朝, MS UI Gothic ...) mapped to installed
// Noto CJK families. Fixed-pitch Gothic faces map to the monospaced Noto family so that
// column layouts of lists keep their widths. Other names pass through unchanged.

#include "platform/core/CString.h"

#include <QString>

namespace platform {

QString SubstituteFontFamily(const CString& faceNameCp932);

} // namespace platform
