#include "common/dxf/CDxfGroupReader.h"

#include "platform/core/CStdioFile.h"
#include "platform/core/NumberFormat.h"
#include "platform/core/Unset.h"

#include <cmath>
#include <cstring>

void CDxfGroupReader::ReadLineOrThrow(CString& line) {
    if (!file_.ReadString(line)) {
        AfxThrowFileException(CFileException::endOfFile, -1, file_.GetFilePath());
    }
}

namespace {

// A code line is almost always blanks and up to three digits; those are read here, and
// anything else goes to the general "%d" scan, which gives the same value for these.
bool ScanPlainCode(const char* text, int& code) {
    while (*text == ' ') {
        ++text;
    }
    int value = 0;
    int digits = 0;
    for (; *text >= '0' && *text <= '9' && digits < 9; ++text, ++digits) {
        value = value * 10 + (*text - '0');
    }
    while (*text == ' ' || *text == '\r') {
        ++text;
    }
    if (digits == 0 || *text != '\0') {
        return false;
    }
    code = value;
    return true;
}

} // namespace

void CDxfGroupReader::Next() {
    if (pushedBack_) {
        pushedBack_ = false;
        return;
    }
    ReadCode();
    ReadLineOrThrow(value);
}

void CDxfGroupReader::ReadCode() {
    ReadLineOrThrow(codeLine_);
    if (!ScanPlainCode(codeLine_, code) && !platform::ScanInt(codeLine_, code)) {
        code = platform::kUnsetInt;
    }
}

void CDxfGroupReader::SkipToNextEntity() {
    if (pushedBack_ && code == 0) {
        return;
    }
    pushedBack_ = false;
    for (;;) {
        ReadCode();
        if (code == 0) {
            ReadLineOrThrow(value);
            pushedBack_ = true;
            return;
        }
        if (!file_.SkipString()) {
            AfxThrowFileException(CFileException::endOfFile, -1, file_.GetFilePath());
        }
    }
}

bool CDxfGroupReader::ValueStartsWith(const char* keyword) const {
    return std::strncmp(value.GetString(), keyword, std::strlen(keyword)) == 0;
}

bool CDxfGroupReader::ValueAsReal(double& result) const {
    double number;
    if (!platform::ScanDouble(value, number) || !std::isfinite(number)) {
        return false;
    }
    result = number;
    return true;
}

bool CDxfGroupReader::ValueAsInt(int& result) const {
    return platform::ScanInt(value, result);
}
