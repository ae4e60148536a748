#include "platform/ui/DialogScript.h"

#include "platform/ui/CDialog.h"

#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <deque>

namespace platform {
namespace {

std::deque<DialogScript::Answer>& Answers() {
    static std::deque<DialogScript::Answer> answers;
    return answers;
}

} // namespace

void DialogScript::Queue(Answer answer) {
    Answers().push_back(std::move(answer));
}

int DialogScript::Pending() {
    return static_cast<int>(Answers().size());
}

void DialogScript::Clear() {
    Answers().clear();
}

int DialogScript::Exec(CDialog& dialog) {
    QDialog* widget = dialog.Dialog();
    if (!widget) {
        return -1;
    }
    if (!Answers().empty()) {
        Answer answer = std::move(Answers().front());
        Answers().pop_front();
        QPointer<QDialog> guard(widget);
        QTimer::singleShot(0, widget, [&dialog, guard, answer] {
            answer(dialog);
            if (guard && guard->isVisible()) {
                dialog.EndDialog(IDCANCEL);
            }
        });
    }
    return widget->exec();
}

} // namespace platform
