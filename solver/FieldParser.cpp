#include "solver/FieldParser.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace kalipe {

namespace {

constexpr int kMaxIntegerDigits = 9;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The field without its leading and trailing blanks.
std::string_view Trim(std::string_view field) {
    const std::size_t first = field.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    const std::size_t last = field.find_last_not_of(' ');
    return field.substr(first, last - first + 1);
}

std::size_t SkipDigits(std::string_view text, std::size_t pos) {
    while (pos < text.size() && IsDigit(text[pos])) {
        ++pos;
    }
    return pos;
}

// True when the token follows the accepted real syntax exactly.
bool IsRealSyntax(std::string_view token) {
    std::size_t pos = 0;
    if (pos < token.size() && token[pos] == '-') {
        ++pos;
    }
    const std::size_t integerStart = pos;
    pos = SkipDigits(token, pos);
    const std::size_t integerDigits = pos - integerStart;
    if (integerDigits > kMaxIntegerDigits) {
        return false;
    }
    std::size_t fractionDigits = 0;
    if (pos < token.size() && token[pos] == '.') {
        const std::size_t fractionStart = ++pos;
        pos = SkipDigits(token, pos);
        fractionDigits = pos - fractionStart;
    }
    if (integerDigits + fractionDigits == 0) {
        return false;
    }
    if (pos < token.size() && token[pos] == 'E') {
        ++pos;
        if (pos < token.size() && (token[pos] == '+' || token[pos] == '-')) {
            ++pos;
        }
        const std::size_t exponentStart = pos;
        pos = SkipDigits(token, pos);
        if (pos == exponentStart) {
            return false;
        }
    }
    return pos == token.size();
}

} // namespace

bool IsBlank(std::string_view text) {
    return text.find_first_not_of(' ') == std::string_view::npos;
}

RealField ParseRealField(std::string_view field) {
    const std::string_view token = Trim(field);
    if (token.empty()) {
        return {};
    }
    if (!IsRealSyntax(token)) {
        return {FieldStatus::Bad, 0.0};
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), value);
    if (error != std::errc() || end != token.data() + token.size() || !std::isfinite(value)) {
        return {FieldStatus::Bad, 0.0};
    }
    return {FieldStatus::Value, value};
}

IntField ParseIntField(std::string_view field) {
    const std::string_view token = Trim(field);
    if (token.empty()) {
        return {};
    }
    const bool negative = token[0] == '-';
    const std::string_view digits = negative ? token.substr(1) : token;
    if (digits.empty() || SkipDigits(digits, 0) != digits.size()) {
        return {FieldStatus::Bad, 0};
    }
    int value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc() || end != digits.data() + digits.size()) {
        return {FieldStatus::Bad, 0};
    }
    if (negative && value == 0) {
        return {FieldStatus::Bad, 0};
    }
    return {FieldStatus::Value, negative ? -value : value};
}

} // namespace kalipe
