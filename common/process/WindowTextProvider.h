#pragma once
// What a program's window side answers when another program of the suite asks about one
// of its registered windows (WindowClassServer.h). The window layer implements it over
// its real windows; texts are CP932 bytes, control ids those of the window's form.

#include "platform/core/CString.h"

namespace process {

class WindowTextProvider {
public:
    virtual ~WindowTextProvider() = default;
    // Raises the window above the others and gives it the focus; false when it cannot.
    virtual bool BringToFront() = 0;
    // False when the window has no control of that id.
    virtual bool GetControlText(int controlId, CString& text) = 0;
    virtual bool SetControlText(int controlId, const CString& text) = 0;
};

} // namespace process
