#include "common/dxf/CDxfGroupReader.h"

#include "platform/core/CStdioFile.h"
#include "platform/core/NumberFormat.h"
#include "platform/core/Unset.h"

#include <cmath>
#include <cstring>
#include <string>

void CDxfGroupReader::ThrowEndOfFile() const {
    AfxThrowFileException(CFileException::endOfFile, -1, file_.GetFilePath());
}

namespace {

// The text up to its first NUL, as a C string of it reads.
std::string_view UpToNul(std::string_view text) {
    return text.substr(0, std::min(text.size(), text.find('\0')));
}

// Gives the scan the text as a terminated C string: values are short and copied onto the
// stack, a long one into a string.
template <typename Scan> bool ScanTerminated(std::string_view text, Scan scan) {
    char small[64];
    if (text.size() < sizeof small) {
        std::memcpy(small, text.data(), text.size());
        small[text.size()] = '\0';
        return scan(small);
    }
    const std::string copy(text);
    return scan(copy.c_str());
}

// A code line is almost always blanks and up to three digits; those are read here, and
// anything else goes to the general "%d" scan, which gives the same value for these.
bool ScanPlainCode(std::string_view line, int& code) {
    const char* text = line.data();
    const char* const end = text + line.size();
    while (text < end && *text == ' ') {
        ++text;
    }
    int value = 0;
    int digits = 0;
    for (; text < end && *text >= '0' && *text <= '9' && digits < 9; ++text, ++digits) {
        value = value * 10 + (*text - '0');
    }
    while (text < end && (*text == ' ' || *text == '\r')) {
        ++text;
    }
    if (digits == 0 || text != end) {
        return false;
    }
    code = value;
    return true;
}

} // namespace

int CDxfGroupReader::CodeOf(std::string_view line) {
    int code = platform::kUnsetInt;
    // A plain code holds no NUL, so the line is cut at one only when it is not plain.
    if (ScanPlainCode(line, code)) {
        return code;
    }
    line = UpToNul(line);
    if (!ScanPlainCode(line, code) &&
        !ScanTerminated(line, [&code](const char* text) { return platform::ScanInt(text, code); })) {
        code = platform::kUnsetInt;
    }
    return code;
}

void CDxfGroupReader::SkipToNextEntity() {
    if (pushedBack_ && code == 0) {
        return;
    }
    pushedBack_ = false;
    for (;;) {
        ReadCode();
        if (code == 0) {
            value_ = ReadLineOrThrow();
            pushedBack_ = true;
            return;
        }
        if (!file_.SkipString() || file_.EndedAtNonTextLine()) {
            AfxThrowFileException(CFileException::endOfFile, -1, file_.GetFilePath());
        }
    }
}

bool CDxfGroupReader::ValueStartsWith(const char* keyword) const {
    return value_.substr(0, std::strlen(keyword)) == keyword;
}

bool CDxfGroupReader::ValueAsReal(double& result) const {
    double number = 0.0;
    if (!(platform::ScanPlainDouble(value_, number) ||
          ScanTerminated(value_,
                         [&number](const char* text) { return platform::ScanDouble(text, number); })) ||
        !std::isfinite(number)) {
        return false;
    }
    result = number;
    return true;
}

bool CDxfGroupReader::ValueAsInt(int& result) const {
    return ScanTerminated(value_, [&result](const char* text) { return platform::ScanInt(text, result); });
}
