#include "platform/ui/CClientDC.h"

#include "platform/ui/CWnd.h"

#include <QWidget>

CClientDC::CClientDC(CWnd* wnd) : wnd_(wnd) {
    AttachImage(&wnd->Canvas());
}

CClientDC::~CClientDC() {
    Detach();
    if (QWidget* w = wnd_->GetCanvasWidget()) {
        w->update();
    }
}
