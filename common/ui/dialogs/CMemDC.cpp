#include "common/ui/dialogs/CMemDC.h"

IMPLEMENT_DYNAMIC(CMemDC, CObject)

CMemDC::CMemDC(CDC* referenceDC, CBitmap* bitmap) {
    m_dc.CreateCompatibleDC(referenceDC);
    m_dc.SetMapMode(MM_TEXT);
    m_pOldBitmap = m_dc.SelectObject(bitmap);
}

CMemDC::~CMemDC() {
    m_dc.SelectObject(m_pOldBitmap);
    m_dc.Detach();
}
