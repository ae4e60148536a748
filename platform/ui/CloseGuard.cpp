#include "platform/ui/CloseGuard.h"

#include "platform/ui/CWnd.h"

#include <QEvent>

CloseGuard::CloseGuard(CWnd* owner, QObject* watched) : QObject(watched), owner_(owner) {
    watched->installEventFilter(this);
}

bool CloseGuard::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::Close && !owner_->OnClose()) {
        event->ignore();
        return true;
    }
    return false;
}
