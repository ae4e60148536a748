#pragma once
// The message sink of a running program: real QMessageBox dialogs and the system beep.

#include "platform/core/MessageSink.h"

namespace platform {

class QtMessageSink : public MessageSink {
public:
    int ShowMessage(const CString& text, const CString& caption, UINT type) override;
    void Beep(UINT type) override;
};

} // namespace platform
