#pragma once
// Colours between GDI's COLORREF and Qt.

#include "platform/core/Types.h"

#include <QColor>

namespace platform {

inline QColor ToQColor(COLORREF color) {
    return QColor(GetRValue(color), GetGValue(color), GetBValue(color));
}

} // namespace platform
