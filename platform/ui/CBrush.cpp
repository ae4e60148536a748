#include "platform/ui/CBrush.h"

IMPLEMENT_DYNAMIC(CBrush, CGdiObject)

BOOL CBrush::CreateSolidBrush(COLORREF color) {
    m_color = color;
    m_bHollow = false;
    MarkCreated();
    return TRUE;
}

BOOL CBrush::CreateHollowBrush() {
    m_bHollow = true;
    MarkCreated();
    return TRUE;
}
