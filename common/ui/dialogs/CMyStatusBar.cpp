#include "common/ui/dialogs/CMyStatusBar.h"

#include <QPalette>

BOOL CMyStatusBar::Create(CFrameWnd* frame) {
    if (!CStatusBar::Create(frame)) {
        return FALSE;
    }
    QPalette palette = Bar()->palette();
    palette.setColor(QPalette::Window, Qt::white);
    Bar()->setPalette(palette);
    Bar()->setAutoFillBackground(true);
    return TRUE;
}
