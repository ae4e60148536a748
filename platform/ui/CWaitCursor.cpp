#include "platform/ui/CWaitCursor.h"

#include <QApplication>
#include <QCursor>

CWaitCursor::CWaitCursor() {
    if (QApplication::instance()) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
}

CWaitCursor::~CWaitCursor() {
    if (QApplication::instance()) {
        QApplication::restoreOverrideCursor();
    }
}
