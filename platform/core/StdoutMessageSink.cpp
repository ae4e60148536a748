#include "platform/core/StdoutMessageSink.h"

#include "platform/core/CodePage.h"

namespace platform {

std::string StdoutMessageSink::LineOf(const CString& text) {
    std::string utf8 =
        platform::Cp932ToUtf8(std::string_view(text.GetString(), static_cast<std::size_t>(text.GetLength())));
    std::string line;
    for (char c : utf8) {
        if (c == '\n') {
            line += "\\n";
        } else {
            line += c;
        }
    }
    return line;
}

int StdoutMessageSink::ShowMessage(const CString& text, const CString&, UINT type) {
    std::string line = LineOf(text) + "\n";
    std::fwrite(line.data(), 1, line.size(), out_);
    std::fflush(out_);
    switch (type & MB_TYPEMASK) {
    case MB_YESNO:
    case MB_YESNOCANCEL:
        return IDYES;
    case MB_RETRYCANCEL:
        return IDRETRY;
    case MB_ABORTRETRYIGNORE:
        return IDRETRY;
    default:
        return IDOK;
    }
}

} // namespace platform
