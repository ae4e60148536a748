#pragma once
// A message sink for programs without a window: every message box text goes to standard
// output as one UTF-8 line (a line break inside a text becomes the two characters \n),
// and every question is answered with Yes (OK where there is no Yes).

#include "platform/core/MessageSink.h"

#include <cstdio>
#include <string>

namespace platform {

class StdoutMessageSink : public platform::MessageSink {
public:
    explicit StdoutMessageSink(std::FILE* out = stdout) : out_(out) {}

    int ShowMessage(const CString& text, const CString& caption, UINT type) override;
    void Beep(UINT) override {}

    // The line a text is written as, without its line end.
    static std::string LineOf(const CString& text);

private:
    std::FILE* out_;
};

} // namespace platform
