#pragma once
// An off-screen drawing surface for one painting pass: a memory device context with the
// view's bitmap selected into it. The view draws on it, copies the bitmap to the window in
// one transfer (BitBlt) and lets it go; going puts the previously selected bitmap back, so
// the view's bitmap is free for the next pass.

#include "platform/core/CObject.h"
#include "platform/ui/CDC.h"

class CBitmap;

class CMemDC : public CObject {
    DECLARE_DYNAMIC(CMemDC)
public:
    // referenceDC may be null (a context compatible with the screen).
    CMemDC(CDC* referenceDC, CBitmap* bitmap);
    ~CMemDC() override;
    CMemDC(const CMemDC&) = delete;
    CMemDC& operator=(const CMemDC&) = delete;

    CDC* GetDC() { return &m_dc; }
    CDC* operator->() { return &m_dc; }
    operator CDC*() { return &m_dc; }

private:
    CDC m_dc;
    CBitmap* m_pOldBitmap = nullptr;
};
