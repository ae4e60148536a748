#include "common/ui/section/SectionStyles.h"

#include "platform/core/CodePage.h"

#include <cstring>

namespace section {

LOGFONT DefaultNumberFont() {
    LOGFONT font{};
    font.lfWeight = 0;
    font.lfHeight = -12;
    font.lfCharSet = SHIFTJIS_CHARSET;
    CopyFaceName(CString(u8"ＭＳ 明朝"), font.lfFaceName);
    return font;
}

NumberStyle DefaultNumberStyle(const NumberDefault& chosen) {
    NumberStyle number;
    number.font = DefaultNumberFont();
    number.color = chosen.color;
    number.outline = 0;
    number.draw = chosen.draw;
    number.numberType = chosen.numberType;
    return number;
}

void CopyFaceName(const CString& name, char (&face)[32]) {
    const std::string& bytes = name.str();
    std::size_t end = 0;
    while (end < bytes.size()) {
        const std::size_t length = platform::Cp932CharLength(bytes, end);
        if (end + length > sizeof face - 1) {
            break;
        }
        end += length;
    }
    std::memset(face, 0, sizeof face);
    std::memcpy(face, bytes.data(), end);
}

} // namespace section
