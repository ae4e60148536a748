#include "platform/ui/CPen.h"

IMPLEMENT_DYNAMIC(CPen, CGdiObject)

BOOL CPen::CreatePen(int style, int width, COLORREF color) {
    m_nStyle = style;
    m_nWidth = width < 0 ? 0 : width;
    m_color = color;
    MarkCreated();
    return TRUE;
}
