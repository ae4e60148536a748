#pragma once
// Draws on a window's canvas at any time (rubber bands, immediate feedback); what it draws
// is shown when the DC goes.

#include "platform/ui/CDC.h"

class CWnd;

class CClientDC : public CDC {
public:
    explicit CClientDC(CWnd* wnd);
    ~CClientDC() override;

private:
    CWnd* wnd_;
};
