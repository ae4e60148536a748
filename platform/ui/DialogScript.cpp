#include "platform/ui/DialogScript.h"

#include "platform/ui/CDialog.h"

#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <deque>
#include <map>

namespace platform {
namespace {

std::deque<DialogScript::Answer>& Answers() {
    static std::deque<DialogScript::Answer> answers;
    return answers;
}

std::map<UINT, DialogScript::Answer>& StandingAnswers() {
    static std::map<UINT, DialogScript::Answer> answers;
    return answers;
}

// The answer for this dialog, taken from the queue unless its template has a standing one.
DialogScript::Answer NextAnswer(const CDialog& dialog) {
    const auto standing = StandingAnswers().find(dialog.GetTemplateId());
    if (standing != StandingAnswers().end()) {
        return standing->second;
    }
    if (Answers().empty()) {
        return nullptr;
    }
    DialogScript::Answer answer = std::move(Answers().front());
    Answers().pop_front();
    return answer;
}

} // namespace

void DialogScript::AnswerAlways(UINT templateId, Answer answer) {
    StandingAnswers()[templateId] = std::move(answer);
}

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
    if (Answer answer = NextAnswer(dialog)) {
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
