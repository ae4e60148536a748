#pragma once
// Every message box and beep of the suite goes through one sink. The window layer
// installs a sink that shows real message boxes; tests install a RecordingSink that
// records texts and answers questions by script. Without either, messages go to stderr
// and questions get their default (first) button.

#include "platform/core/CString.h"
#include "platform/core/Types.h"

enum : UINT {
    MB_OK = 0x0,
    MB_OKCANCEL = 0x1,
    MB_ABORTRETRYIGNORE = 0x2,
    MB_YESNOCANCEL = 0x3,
    MB_YESNO = 0x4,
    MB_RETRYCANCEL = 0x5,
    MB_TYPEMASK = 0xF,
    MB_ICONHAND = 0x10,
    MB_ICONSTOP = 0x10,
    MB_ICONERROR = 0x10,
    MB_ICONQUESTION = 0x20,
    MB_ICONEXCLAMATION = 0x30,
    MB_ICONWARNING = 0x30,
    MB_ICONINFORMATION = 0x40,
    MB_ICONASTERISK = 0x40,
    MB_ICONMASK = 0xF0,
    MB_DEFBUTTON1 = 0x000,
    MB_DEFBUTTON2 = 0x100,
    MB_DEFBUTTON3 = 0x200,
};

enum : int { IDOK = 1, IDCANCEL = 2, IDABORT = 3, IDRETRY = 4, IDIGNORE = 5, IDYES = 6, IDNO = 7 };

namespace platform {

class MessageSink {
public:
    virtual ~MessageSink() = default;
    // Shows a modal message box; returns the button id chosen.
    virtual int ShowMessage(const CString& text, const CString& caption, UINT type) = 0;
    virtual void Beep(UINT type) = 0;
};

// Installs a sink (null restores the default); returns the one it replaces.
MessageSink* SetMessageSink(MessageSink* sink);
MessageSink& CurrentMessageSink();

// The button a box of this type answers with when nobody is asked (its default button).
int DefaultButton(UINT type);

// Caption of message boxes without one of their own (the program name).
void SetMessageCaption(const CString& caption);
const CString& MessageCaption();

} // namespace platform

int AfxMessageBox(const CString& text, UINT type = MB_OK, UINT helpId = 0);
int AfxMessageBox(const char8_t* text, UINT type = MB_OK, UINT helpId = 0);
BOOL MessageBeep(UINT type);
