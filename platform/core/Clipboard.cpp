#include "Clipboard.h"

#include <map>
#include <vector>

namespace platform {
namespace {

class LocalClipboard : public ClipboardBackend {
public:
    bool Open() override {
        if (open_) {
            return false;
        }
        open_ = true;
        return true;
    }
    void Close() override { open_ = false; }
    void Empty() override { data_.clear(); }
    std::optional<std::string> GetData(const std::string& formatName) override {
        auto it = data_.find(formatName);
        if (it == data_.end()) {
            return std::nullopt;
        }
        return it->second;
    }
    void SetData(const std::string& formatName, const std::string& bytes) override {
        data_[formatName] = bytes;
    }

private:
    bool open_ = false;
    std::map<std::string, std::string> data_;
};

LocalClipboard& Local() {
    static LocalClipboard clipboard;
    return clipboard;
}

// The clipboard is one per desktop session; the process keeps one backend for it.
ClipboardBackend* g_backend = nullptr;

std::vector<std::string>& FormatNames() {
    static std::vector<std::string> names;
    return names;
}

constexpr UINT kFirstPrivateFormat = 0xC000;

} // namespace

ClipboardBackend* SetClipboardBackend(ClipboardBackend* backend) {
    ClipboardBackend* previous = g_backend;
    g_backend = backend;
    return previous;
}

ClipboardBackend& CurrentClipboard() {
    return g_backend ? *g_backend : Local();
}

} // namespace platform

UINT RegisterClipboardFormat(const char* name) {
    auto& names = platform::FormatNames();
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (names[i] == name) {
            return platform::kFirstPrivateFormat + static_cast<UINT>(i);
        }
    }
    names.push_back(name);
    return platform::kFirstPrivateFormat + static_cast<UINT>(names.size() - 1);
}

std::string ClipboardFormatName(UINT format) {
    const auto& names = platform::FormatNames();
    if (format < platform::kFirstPrivateFormat || format - platform::kFirstPrivateFormat >= names.size()) {
        return std::string();
    }
    return names[format - platform::kFirstPrivateFormat];
}
