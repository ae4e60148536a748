#include "common/ui/table/CGridCellEdit.h"

#include "common/ui/table/CGridDlg.h"
#include "platform/ui/FlexGridView.h"
#include "platform/ui/WndWidget.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

CGridCellEdit::CGridCellEdit(QWidget* parent) : QLineEdit(parent) {
    setFrame(false);
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (dialog_) {
            dialog_->OnChangeCellEdit();
        }
    });
}

// Tab and Backtab reach keyPressEvent instead of moving the focus to the next control.
bool CGridCellEdit::event(QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            keyPressEvent(key);
            return true;
        }
    }
    return QLineEdit::event(event);
}

void CGridCellEdit::keyPressEvent(QKeyEvent* event) {
    if (!dialog_) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (event->key() == Qt::Key_Insert && event->modifiers() == Qt::ShiftModifier) {
        PasteFromClipboard();
        event->accept();
        return;
    }
    const UINT shift = platform::GridShiftState(event->modifiers());
    const UINT key = event->key() == Qt::Key_Backtab ? VK_TAB : platform::VirtualKeyFromQt(event->key());
    if (key && dialog_->OnCellEditKey(key, event->key() == Qt::Key_Backtab ? (shift | 1U) : shift)) {
        event->accept();
        return;
    }
    // Other control keys (Ctrl+A, Ctrl+Z ...) must not change the text behind the checks.
    if ((event->modifiers() & Qt::ControlModifier) && event->key() != Qt::Key_Left &&
        event->key() != Qt::Key_Right && event->key() != Qt::Key_Home && event->key() != Qt::Key_End) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void CGridCellEdit::mouseReleaseEvent(QMouseEvent* event) {
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && !isReadOnly() && !hasSelectedText()) {
        selectAll();
    }
}

void CGridCellEdit::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    for (QAction* action : menu->actions()) {
        const QString name = action->objectName();
        if (name == QLatin1String("edit-paste")) {
            action->disconnect();
            connect(action, &QAction::triggered, this, [this] { PasteFromClipboard(); });
        } else if (name == QLatin1String("edit-cut") || name == QLatin1String("edit-undo") ||
                   name == QLatin1String("edit-redo") || name == QLatin1String("edit-delete")) {
            action->setVisible(false);
        }
    }
    menu->exec(event->globalPos());
    delete menu;
}

void CGridCellEdit::PasteFromClipboard() {
    if (!dialog_ || isReadOnly()) {
        return;
    }
    const QClipboard* clipboard = QGuiApplication::clipboard();
    dialog_->PasteText(clipboard ? clipboard->text() : QString());
}
