#pragma once

#include <optional>
#include <string>

namespace platform {

// One clipboard: the desktop's (window layer) or the process-local one.
class ClipboardBackend {
public:
    virtual ~ClipboardBackend() = default;
    // False when the clipboard cannot be had (another user holds it).
    virtual bool Open() = 0;
    virtual void Close() = 0;
    virtual void Empty() = 0;
    virtual std::optional<std::string> GetData(const std::string& formatName) = 0;
    virtual void SetData(const std::string& formatName, const std::string& bytes) = 0;
};

} // namespace platform
