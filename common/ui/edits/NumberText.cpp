#include "common/ui/edits/NumberText.h"

#include "platform/core/NumberFormat.h"
#include "platform/core/Unset.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace edits {
namespace {

bool IsDigit(char ch) {
    return ch >= '0' && ch <= '9';
}
bool IsBlank(char ch) {
    return ch == ' ' || ch == '\t';
}

std::size_t SkipBlanks(const std::string& text, std::size_t pos) {
    while (pos < text.size() && IsBlank(text[pos])) {
        ++pos;
    }
    return pos;
}

std::size_t SkipDigits(const std::string& text, std::size_t pos) {
    while (pos < text.size() && IsDigit(text[pos])) {
        ++pos;
    }
    return pos;
}

std::size_t SkipSign(const std::string& text, std::size_t pos) {
    return pos < text.size() && (text[pos] == '-' || text[pos] == '+') ? pos + 1 : pos;
}

// End of a decimal number starting at pos, or npos when there is none.
std::size_t RealNumberEnd(const std::string& text, std::size_t pos) {
    pos = SkipSign(text, pos);
    std::size_t digitsEnd = SkipDigits(text, pos);
    std::size_t digitCount = digitsEnd - pos;
    pos = digitsEnd;
    if (pos < text.size() && text[pos] == '.') {
        std::size_t fractionEnd = SkipDigits(text, pos + 1);
        digitCount += fractionEnd - pos - 1;
        pos = fractionEnd;
    }
    if (digitCount == 0) {
        return std::string::npos;
    }
    if (pos < text.size() && (text[pos] == 'E' || text[pos] == 'e')) {
        std::size_t exponentStart = SkipSign(text, pos + 1);
        std::size_t exponentEnd = SkipDigits(text, exponentStart);
        if (exponentEnd == exponentStart) {
            return std::string::npos;
        }
        pos = exponentEnd;
    }
    return pos;
}

} // namespace

bool ReadRealText(const CString& text, double& value) {
    const std::string& s = text.str();
    std::size_t end = RealNumberEnd(s, SkipBlanks(s, 0));
    if (end == std::string::npos || SkipBlanks(s, end) != s.size()) {
        return false;
    }
    double read = 0.0;
    if (!platform::ScanDouble(s.c_str(), read) || !std::isfinite(read)) {
        return false;
    }
    value = read;
    return true;
}

IntText ReadIntText(const CString& text, int& value) {
    const std::string& s = text.str();
    std::size_t pos = SkipBlanks(s, 0);
    bool negative = pos < s.size() && s[pos] == '-';
    pos = SkipSign(s, pos);
    std::size_t digitsEnd = SkipDigits(s, pos);
    if (digitsEnd == pos || SkipBlanks(s, digitsEnd) != s.size()) {
        return IntText::Malformed;
    }
    long long magnitude = 0;
    for (std::size_t i = pos; i < digitsEnd; ++i) {
        magnitude = magnitude * 10 + (s[i] - '0');
        if (magnitude > static_cast<long long>(INT_MAX) + 1) {
            return IntText::OutOfRange;
        }
    }
    long long signedValue = negative ? -magnitude : magnitude;
    if (signedValue > INT_MAX || signedValue <= platform::kUnsetInt) {
        return IntText::OutOfRange;
    }
    value = static_cast<int>(signedValue);
    return IntText::Valid;
}

void TrimFractionZeros(std::string& text) {
    std::size_t point = text.find('.');
    if (point == std::string::npos) {
        return;
    }
    if (point + 1 == text.size()) {
        text += '0';
    }
    std::size_t last = text.find_last_not_of('0');
    text.erase(std::max(last, point + 1) + 1);
}

} // namespace edits
