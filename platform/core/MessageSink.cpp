#include "MessageSink.h"

#include "platform/core/CodePage.h"

#include <cstdio>

namespace platform {
namespace {

class StderrSink : public MessageSink {
public:
    int ShowMessage(const CString& text, const CString& caption, UINT type) override {
        std::fprintf(stderr, "[%s] %s\n", Cp932ToUtf8(caption.str()).c_str(),
                     Cp932ToUtf8(text.str()).c_str());
        return DefaultButton(type);
    }
    void Beep(UINT) override {}
};

StderrSink& DefaultSink() {
    static StderrSink sink;
    return sink;
}

// The process-wide sink and caption: message boxes are process-wide by nature.
MessageSink* g_sink = nullptr;

CString& Caption() {
    static CString caption;
    return caption;
}

} // namespace

MessageSink* SetMessageSink(MessageSink* sink) {
    MessageSink* previous = g_sink;
    g_sink = sink;
    return previous;
}

MessageSink& CurrentMessageSink() {
    return g_sink ? *g_sink : DefaultSink();
}

int DefaultButton(UINT type) {
    int second = (type & MB_DEFBUTTON2) != 0;
    int third = (type & MB_DEFBUTTON3) != 0;
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL:
        return second ? IDCANCEL : IDOK;
    case MB_ABORTRETRYIGNORE:
        return third ? IDIGNORE : (second ? IDRETRY : IDABORT);
    case MB_YESNOCANCEL:
        return third ? IDCANCEL : (second ? IDNO : IDYES);
    case MB_YESNO:
        return second ? IDNO : IDYES;
    case MB_RETRYCANCEL:
        return second ? IDCANCEL : IDRETRY;
    default:
        return IDOK;
    }
}

void SetMessageCaption(const CString& caption) {
    Caption() = caption;
}
const CString& MessageCaption() {
    return Caption();
}

} // namespace platform

int AfxMessageBox(const CString& text, UINT type, UINT) {
    return platform::CurrentMessageSink().ShowMessage(text, platform::MessageCaption(), type);
}

int AfxMessageBox(const char8_t* text, UINT type, UINT helpId) {
    return AfxMessageBox(CString(text), type, helpId);
}

BOOL MessageBeep(UINT type) {
    platform::CurrentMessageSink().Beep(type);
    return TRUE;
}
