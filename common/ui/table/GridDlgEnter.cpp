// Enter in a table whose owner takes it as "next field". The cell edit uses Enter itself;
// an Enter that the focused control leaves alone reaches the dialog, and is taken here.

#include "common/ui/table/GridDlg.h"

#include <QDialog>
#include <QEvent>
#include <QKeyEvent>

namespace {

class EnterHook : public QObject {
public:
    EnterHook(QObject* parent, std::function<void()> onEnter)
        : QObject(parent), onEnter_(std::move(onEnter)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
                (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
                onEnter_();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> onEnter_;
};

void FocusNextControl(QWidget* from) {
    for (QWidget* next = from->nextInFocusChain(); next != from; next = next->nextInFocusChain()) {
        if ((next->focusPolicy() & Qt::TabFocus) && next->isEnabled() && next->isVisibleTo(from->window())) {
            next->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

} // namespace

void CGridDlg::InstallEnterHook() {
    if (!m_pEnterHook) {
        m_pEnterHook = new EnterHook(GetWidget(), [this] { OnEnterKey(); });
        GetWidget()->installEventFilter(m_pEnterHook);
    }
}

void CGridDlg::OnEnterKey() {
    QWidget* ok = GetDlgItemWidget(IDOK);
    QWidget* focus = GetWidget()->focusWidget();
    if (!focus || focus == ok) {
        OnOK();
        return;
    }
    FocusNextControl(focus);
}
