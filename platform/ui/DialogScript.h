#pragma once
// Scripted answers for modal dialogs, the dialog counterpart of RecordingSink. A test
// queues an answer before the code under test opens a dialog; the dialog runs the oldest
// answer once its modal loop has started, acting on it as a user would (setting controls,
// calling OnOK or OnCancel). A dialog that is still open when its answer returns is
// cancelled, so a test never waits for a user. Without queued answers dialogs run normally.
// A standing answer serves every dialog of one template, ahead of the queue, for the
// dialogs a program opens on its own (at start, for a new document) in tests about other things.

#include "platform/core/Types.h"

#include <functional>

class CDialog;

namespace platform {

class DialogScript {
public:
    using Answer = std::function<void(CDialog&)>;

    static void Queue(Answer answer);
    static int Pending();
    static void Clear();
    // Answers every dialog of the template with answer (replacing an earlier one) for the rest of
    // the run.
    static void AnswerAlways(UINT templateId, Answer answer);

    // Runs the created dialog modally, answered by the oldest queued answer if there is one.
    static int Exec(CDialog& dialog);
};

} // namespace platform
