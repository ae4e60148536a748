#include "solver/SolverFileNames.h"

#include "platform/core/CodePage.h"
#include "platform/core/DiskNames.h"

#include <climits>

namespace kalipe {

namespace {

constexpr std::string_view kInputExtension = ".qel";

bool EqualsIgnoringCase(std::string_view text, std::string_view lowerCase) {
    if (text.size() != lowerCase.size()) {
        return false;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const char lowered = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        if (lowered != lowerCase[i]) {
            return false;
        }
    }
    return true;
}

// True when the path converts to the system's encoding and back unchanged.
bool ConvertsCleanly(std::string_view cp932) {
    const std::optional<std::string> back = platform::SuiteName(platform::DiskName(cp932));
    return back && *back == cp932;
}

} // namespace

std::string SolverFileNames::ToOs(const std::string& cp932) {
    return platform::DiskName(cp932);
}

std::optional<SolverFileNames> SolverFileNames::FromPath(std::string_view path) {
    if (path.empty() || path.size() + kInputExtension.size() >= PATH_MAX) {
        return std::nullopt;
    }
    if (path.find('\0') != std::string_view::npos || !ConvertsCleanly(path)) {
        return std::nullopt;
    }
    // Neither '/' nor '.' can be the second byte of a double-byte character.
    const std::size_t slash = path.rfind('/');
    const std::size_t nameStart = slash == std::string_view::npos ? 0 : slash + 1;
    const std::string_view name = path.substr(nameStart);
    const std::size_t dot = name.rfind('.');

    SolverFileNames names;
    if (dot == std::string_view::npos) {
        if (name.empty()) {
            return std::nullopt;
        }
        names.base_ = std::string(path);
        names.input_ = names.base_ + std::string(kInputExtension);
    } else {
        if (dot == 0 || !EqualsIgnoringCase(name.substr(dot), kInputExtension)) {
            return std::nullopt;
        }
        names.base_ = std::string(path.substr(0, nameStart + dot));
        names.input_ = std::string(path);
    }
    names.result_ = names.base_ + ".slf";
    return names;
}

} // namespace kalipe
