#pragma once
// A solid or hollow brush.

#include "platform/ui/CGdiObject.h"
#include "platform/ui/GdiTypes.h"

class CBrush : public CGdiObject {
    DECLARE_DYNAMIC(CBrush)
public:
    CBrush() = default;
    explicit CBrush(COLORREF color) { CreateSolidBrush(color); }

    BOOL CreateSolidBrush(COLORREF color);
    BOOL CreateHollowBrush();

    COLORREF m_color = RGB(255, 255, 255);
    bool m_bHollow = false;
};
