#include "measurement_table/app/CEditTitle.h"

#include "measurement_table/app/CGridDlg1.h"
#include "platform/ui/QtText.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>

namespace quilmo {

CEditTitle::CEditTitle(int index, QWidget* parent) : QLineEdit(parent), index_(index) {
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) { KeepNameWidth(text); });
}

// A text the name field cannot hold is put back to the last one it could.
void CEditTitle::KeepNameWidth(const QString& text) {
    CString bytes;
    if (platform::FromQString(text, bytes) && bytes.GetLength() <= kMaxNameBytes) {
        accepted_ = text;
        return;
    }
    const QSignalBlocker quiet(this);
    const int cursor = cursorPosition() - static_cast<int>(text.size() - accepted_.size());
    setText(accepted_);
    setCursorPosition(std::max(0, cursor));
    MessageBeep(0);
}

// Ctrl+I and Ctrl+Y belong to the point here, not to the table's menu commands.
bool CEditTitle::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        if ((key->modifiers() & Qt::ControlModifier) &&
            (key->key() == Qt::Key_I || key->key() == Qt::Key_Y)) {
            event->accept();
            return true;
        }
    }
    return QLineEdit::event(event);
}

void CEditTitle::keyPressEvent(QKeyEvent* event) {
    if (dialog_ && (event->modifiers() & Qt::ControlModifier)) {
        if (event->key() == Qt::Key_I) {
            dialog_->DeletePoint(index_);
            return;
        }
        if (event->key() == Qt::Key_Y) {
            dialog_->InsertPoint(index_);
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void CEditTitle::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (highlighted_ && dialog_) {
        dialog_->HighlightPoint(index_, false);
    }
}

void CEditTitle::contextMenuEvent(QContextMenuEvent* event) {
    if (!dialog_) {
        return;
    }
    dialog_->HighlightPoint(index_, true);
    QMenu menu(this);
    QAction* remove = menu.addAction(platform::ToQString(u8"地点削除"));
    QAction* insert = menu.addAction(platform::ToQString(u8"地点挿入"));
    QAction* chosen = menu.exec(event->globalPos());
    dialog_->HighlightPoint(index_, false);
    if (chosen == remove) {
        dialog_->DeletePoint(index_);
    } else if (chosen == insert) {
        dialog_->InsertPoint(index_);
    }
}

} // namespace quilmo
