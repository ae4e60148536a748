#include "solver/FixedFormat.h"

#include "platform/core/NumberFormat.h"

#include <cmath>
#include <cstdlib>

namespace kalipe::fmt {

namespace {

std::string Stars(int width) { return std::string(static_cast<std::size_t>(width), '*'); }

std::string AlignRight(const std::string& text, int width) {
    if (static_cast<int>(text.size()) > width) return Stars(width);
    return Blanks(width - static_cast<int>(text.size())) + text;
}

} // namespace

std::string Blanks(int count) { return std::string(static_cast<std::size_t>(count > 0 ? count : 0), ' '); }

std::string Int(long long value, int width) { return AlignRight(platform::FormatC("%lld", value), width); }

std::string Fixed(double value, int width, int decimals) {
    if (!std::isfinite(value)) return Stars(width);
    std::string text = platform::FormatC("%.*f", decimals, value);
    if (static_cast<int>(text.size()) == width + 1) {
        // As in fixed-form output, a leading zero gives way before the field overflows.
        if (text.rfind("0.", 0) == 0) text.erase(0, 1);
        else if (text.rfind("-0.", 0) == 0) text.erase(1, 1);
    }
    return AlignRight(text, width);
}

std::string Exp(double value, int width, int decimals) {
    if (!std::isfinite(value) || decimals < 1) return Stars(width);
    std::string digits(static_cast<std::size_t>(decimals), '0');
    int exponent = 0;
    if (value != 0.0) {
        // "%.*e" rounds correctly to `decimals` significant digits: d.ddddde+XX.
        const std::string e = platform::FormatC("%.*e", decimals - 1, std::fabs(value));
        const std::size_t ePos = e.find('e');
        digits = e.substr(0, 1) + e.substr(2, ePos - 2);
        int written = 0;
        platform::ScanInt(e.c_str() + ePos + 1, written);
        exponent = written + 1;
    }
    const char sign = exponent < 0 ? '-' : '+';
    const int magnitude = std::abs(exponent);
    std::string exponentText;
    if (magnitude <= 99) exponentText = platform::FormatC("E%c%02d", sign, magnitude);
    else if (magnitude <= 999) exponentText = platform::FormatC("%c%03d", sign, magnitude);
    else return Stars(width);
    const std::string text = (value < 0.0 ? "-0." : "0.") + digits + exponentText;
    return AlignRight(text, width);
}

std::string PadRight(std::string text, std::size_t width) {
    if (text.size() < width) text.append(width - text.size(), ' ');
    return text;
}

} // namespace kalipe::fmt
