#pragma once
// A pen: style (PS_...), width in logical units (0 = one device pixel) and colour.

#include "platform/ui/CGdiObject.h"
#include "platform/ui/GdiTypes.h"

class CPen : public CGdiObject {
    DECLARE_DYNAMIC(CPen)
public:
    CPen() = default;
    CPen(int style, int width, COLORREF color) { CreatePen(style, width, color); }

    BOOL CreatePen(int style, int width, COLORREF color);

    int m_nStyle = PS_SOLID;
    int m_nWidth = 0;
    COLORREF m_color = RGB(0, 0, 0);
};
