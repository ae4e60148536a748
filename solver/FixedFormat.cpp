#include "solver/FixedFormat.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <iterator>
#include <system_error>

namespace kalipe::fmt {

namespace {

std::string Stars(int width) {
    return std::string(static_cast<std::size_t>(width), '*');
}

// Shortest-path conversions of <charconv>: they round exactly as printf does, never look at
// the locale, and cost a fraction of printf on the long slice tables.
std::string ToChars(double value, std::chars_format format, int precision) {
    char buffer[512];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, format, precision);
    return error == std::errc() ? std::string(buffer, end) : std::string(sizeof buffer, '*');
}

// Fixed-point text. When the scaled value lies clearly away from a rounding tie, rounding it
// as an integer gives the same digits as exact rounding of the binary value, much faster than
// the general conversion that the slice tables of long ground lines would otherwise wait on.
std::string FixedText(double value, int decimals) {
    static constexpr double kPowers[] = {1.0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6};
    static constexpr double kExactBelow = 1e12; // the scaling error stays under 1e-4 here
    static constexpr double kTieMargin = 1e-3;
    if (decimals >= 0 && decimals < static_cast<int>(std::size(kPowers))) {
        const double scaled = std::fabs(value) * kPowers[decimals];
        const double whole = std::floor(scaled);
        const double fraction = scaled - whole;
        if (scaled < kExactBelow && std::fabs(fraction - 0.5) > kTieMargin) {
            auto units = static_cast<unsigned long long>(whole) + (fraction > 0.5 ? 1u : 0u);
            char buffer[40];
            char* const end = buffer + sizeof buffer;
            char* first = end;
            for (int i = 0; i < decimals; ++i, units /= 10) {
                *--first = static_cast<char>('0' + units % 10);
            }
            if (decimals > 0) {
                *--first = '.';
            }
            do {
                *--first = static_cast<char>('0' + units % 10);
                units /= 10;
            } while (units != 0);
            if (std::signbit(value)) {
                *--first = '-';
            }
            return std::string(first, end);
        }
    }
    return ToChars(value, std::chars_format::fixed, decimals);
}

std::string AlignRight(const std::string& text, int width) {
    if (static_cast<int>(text.size()) > width) {
        return Stars(width);
    }
    return Blanks(width - static_cast<int>(text.size())) + text;
}

} // namespace

std::string Blanks(int count) {
    return std::string(static_cast<std::size_t>(count > 0 ? count : 0), ' ');
}

std::string Int(long long value, int width) {
    char buffer[24];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return error == std::errc() ? AlignRight(std::string(buffer, end), width) : Stars(width);
}

std::string Fixed(double value, int width, int decimals) {
    if (!std::isfinite(value)) {
        return Stars(width);
    }
    std::string text = FixedText(value, decimals);
    if (static_cast<int>(text.size()) == width + 1) {
        // As in fixed-form output, a leading zero gives way before the field overflows.
        if (text.rfind("0.", 0) == 0) {
            text.erase(0, 1);
        } else if (text.rfind("-0.", 0) == 0) {
            text.erase(1, 1);
        }
    }
    return AlignRight(text, width);
}

std::string Exp(double value, int width, int decimals) {
    if (!std::isfinite(value) || decimals < 1) {
        return Stars(width);
    }
    std::string digits(static_cast<std::size_t>(decimals), '0');
    int exponent = 0;
    if (value != 0.0) {
        // Rounded correctly to `decimals` significant digits: d.ddddde+XX.
        const std::string e = ToChars(std::fabs(value), std::chars_format::scientific, decimals - 1);
        const std::size_t ePos = e.find('e');
        if (ePos == std::string::npos) {
            return Stars(width);
        }
        digits = e.substr(0, ePos);
        digits.erase(std::remove(digits.begin(), digits.end(), '.'), digits.end());
        int written = 0;
        const char* first = e.data() + ePos + 1 + (e[ePos + 1] == '+' ? 1 : 0);
        std::from_chars(first, e.data() + e.size(), written);
        exponent = written + 1;
    }
    const char sign = exponent < 0 ? '-' : '+';
    const int magnitude = std::abs(exponent);
    if (magnitude > 999) {
        return Stars(width);
    }
    std::string exponentText = magnitude <= 99 ? std::string{'E', sign} : std::string{sign};
    if (magnitude > 99) {
        exponentText += static_cast<char>('0' + magnitude / 100);
    }
    exponentText += static_cast<char>('0' + magnitude / 10 % 10);
    exponentText += static_cast<char>('0' + magnitude % 10);
    const std::string text = (value < 0.0 ? "-0." : "0.") + digits + exponentText;
    return AlignRight(text, width);
}

std::string PadRight(std::string text, std::size_t width) {
    if (text.size() < width) {
        text.append(width - text.size(), ' ');
    }
    return text;
}

} // namespace kalipe::fmt
