#pragma once
// The device context of OnPaint: draws on the window's canvas, which is then blitted.

#include "platform/ui/CClientDC.h"

class CPaintDC : public CClientDC {
public:
    explicit CPaintDC(CWnd* wnd) : CClientDC(wnd) {}
};
