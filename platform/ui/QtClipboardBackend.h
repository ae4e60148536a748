#pragma once
// The desktop clipboard for the suite's private formats: each format travels under the MIME
// type "application/x-verrant-<format name>", so another process of the suite on the same
// desktop reads what this one wrote. Between Empty and the next Empty every format set is
// kept together, as the desktop clipboard holds several formats of one owner.

#include "platform/core/Clipboard.h"

#include <map>
#include <string>

class QString;

namespace platform {

class QtClipboardBackend : public ClipboardBackend {
public:
    bool Open() override;
    void Close() override;
    void Empty() override;
    std::optional<std::string> GetData(const std::string& formatName) override;
    void SetData(const std::string& formatName, const std::string& bytes) override;

    static QString MimeType(const std::string& formatName);

private:
    bool open_ = false;
    std::map<std::string, std::string> owned_;
};

// Installs the desktop clipboard for the process once (a QApplication must exist); a backend
// installed before by someone else stays.
void InstallQtClipboard();

} // namespace platform
