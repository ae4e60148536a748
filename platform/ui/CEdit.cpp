#include "platform/ui/CEdit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>

#include <algorithm>

IMPLEMENT_DYNAMIC(CEdit, CWnd)

namespace {

// Routes the events of the edit widget to its CEdit before the widget sees them.
class EditHook : public QObject {
public:
    explicit EditHook(CEdit* owner) : owner_(owner) {}
    bool eventFilter(QObject*, QEvent* event) override { return owner_->FilterEvent(event); }

private:
    CEdit* owner_;
};

// The character a key types as the programs know it, 0 for a key that types none.
UINT CharOfKey(const QKeyEvent* event) {
    Qt::KeyboardModifiers modifiers = event->modifiers();
    if (modifiers & (Qt::AltModifier | Qt::MetaModifier)) {
        return 0;
    }
    int key = event->key();
    if (modifiers & Qt::ControlModifier) {
        return key >= Qt::Key_A && key <= Qt::Key_Z ? static_cast<UINT>(key - Qt::Key_A + 1) : 0;
    }
    switch (key) {
    case Qt::Key_Backspace:
        return VK_BACK;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return VK_TAB;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return VK_RETURN;
    case Qt::Key_Escape:
        return VK_ESCAPE;
    default:
        break;
    }
    QString text = event->text();
    if (text.isEmpty()) {
        return 0;
    }
    char16_t ch = text.at(0).unicode();
    return ch < 0x20 || ch == 0x7F ? 0 : ch;
}

bool IsDialogKey(UINT ch) {
    return ch == VK_TAB || ch == VK_RETURN || ch == VK_ESCAPE;
}

// The control id a widget carries, -1 for a window or a widget without one.
int ControlIdOf(const QWidget* widget) {
    if (!widget || widget->isWindow()) {
        return -1;
    }
    bool ok = false;
    int id = widget->objectName().toInt(&ok);
    return ok ? id : -1;
}

// The CWnd made for exactly this widget (not one of its parent's), or null.
CWnd* OwnWnd(QWidget* widget) {
    CWnd* wnd = CWnd::FromWidget(widget);
    return wnd && (wnd->GetWidget() == widget || wnd->GetCanvasWidget() == widget) ? wnd : nullptr;
}

// Lets the widget handle an event the hook has taken (QObject::event is public, QWidget's is not).
void DeliverToWidget(QLineEdit* edit, QEvent* event) {
    static_cast<QObject*>(edit)->event(event);
}

} // namespace

CEdit::CEdit() = default;

CEdit::~CEdit() = default; // the hook dies with us; Qt drops a deleted event filter

BOOL CEdit::SubclassDlgItem(UINT id, CWnd* parent) {
    if (!parent || GetWidget()) {
        return FALSE;
    }
    auto* edit = qobject_cast<QLineEdit*>(parent->GetDlgItemWidget(static_cast<int>(id)));
    if (!edit || dynamic_cast<CEdit*>(OwnWnd(edit))) {
        return FALSE;
    }
    m_pParentWnd = parent;
    AttachEdit(edit);
    return TRUE;
}

void CEdit::AttachEdit(QLineEdit* edit) {
    Attach(edit);
    hook_ = std::make_unique<EditHook>(this);
    edit->installEventFilter(hook_.get());
}

QLineEdit* CEdit::LineEdit() const {
    return qobject_cast<QLineEdit*>(GetWidget());
}

BOOL CEdit::GetModify() const {
    QLineEdit* edit = LineEdit();
    return edit && edit->isModified();
}

void CEdit::SetModify(BOOL modified) {
    if (QLineEdit* edit = LineEdit()) {
        edit->setModified(modified != FALSE);
    }
}

void CEdit::SetSel(int start, int end, BOOL) {
    QLineEdit* edit = LineEdit();
    if (!edit) {
        return;
    }
    if (start < 0) {
        edit->deselect();
        return;
    }
    int length = static_cast<int>(edit->text().size());
    start = std::min(start, length);
    end = end < 0 ? length : std::clamp(end, start, length);
    edit->setSelection(start, end - start);
}

void CEdit::GetSel(int& start, int& end) const {
    QLineEdit* edit = LineEdit();
    if (!edit) {
        start = end = 0;
        return;
    }
    if (edit->hasSelectedText()) {
        start = edit->selectionStart();
        end = edit->selectionEnd();
    } else {
        start = end = edit->cursorPosition();
    }
}

void CEdit::OnChar(UINT, UINT, UINT) {
    QKeyEvent* key = pendingKey_;
    pendingKey_ = nullptr; // a character is typed once, however often the default is asked for
    if (key && LineEdit()) {
        DeliverToWidget(LineEdit(), key);
    }
}

bool CEdit::HandleKey(QKeyEvent* event) {
    UINT ch = CharOfKey(event);
    if (ch == 0 || IsDialogKey(ch)) {
        return false;
    }
    pendingKey_ = event;
    OnChar(ch, 1, 0);
    pendingKey_ = nullptr;
    return true;
}

bool CEdit::FilterEvent(QEvent* event) {
    QPointer<QLineEdit> edit = LineEdit();
    if (!edit) {
        return false;
    }
    switch (event->type()) {
    case QEvent::KeyPress:
        return HandleKey(static_cast<QKeyEvent*>(event));
    case QEvent::FocusIn:
        DeliverToWidget(edit, event);
        if (edit) {
            OnSetFocus(nullptr);
        }
        return true;
    case QEvent::FocusOut: {
        DeliverToWidget(edit, event);
        if (!edit) {
            return true;
        }
        QWidget* next = QApplication::focusWidget();
        focusTargetId_ = ControlIdOf(next);
        Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        focusLeftWindow_ = reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason || !next ||
                           next->window() != edit->window();
        OnKillFocus(next ? OwnWnd(next) : nullptr);
        return true;
    }
    case QEvent::MouseButtonRelease: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        DeliverToWidget(edit, event);
        if (edit && mouse->button() == Qt::LeftButton) {
            QPoint at = mouse->position().toPoint();
            OnLButtonUp(0, CPoint(at.x(), at.y()));
        }
        return true;
    }
    default:
        return false;
    }
}
