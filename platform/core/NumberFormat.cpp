#include "NumberFormat.h"

#include "platform/core/ShortDecimal.h"

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <locale.h>

namespace platform {
namespace {

locale_t CLocale() {
    static locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return locale;
}

// Switches the calling thread to the "C" locale for its lifetime.
class CLocaleScope {
public:
    CLocaleScope() : previous_(uselocale(CLocale())) {}
    ~CLocaleScope() { uselocale(previous_); }
    CLocaleScope(const CLocaleScope&) = delete;
    CLocaleScope& operator=(const CLocaleScope&) = delete;

private:
    locale_t previous_;
};

bool IsCSpace(char ch) {
    return ch == ' ' || (ch >= '\t' && ch <= '\r');
}

} // namespace

std::string FormatV(const char* format, va_list args) {
    CLocaleScope scope;
    va_list copy;
    va_copy(copy, args);
    char small[256];
    int needed = std::vsnprintf(small, sizeof small, format, copy);
    va_end(copy);
    if (needed < 0) {
        return std::string();
    }
    if (static_cast<std::size_t>(needed) < sizeof small) {
        return std::string(small, static_cast<std::size_t>(needed));
    }
    std::string out(static_cast<std::size_t>(needed) + 1, '\0');
    std::vsnprintf(out.data(), out.size(), format, args);
    out.resize(static_cast<std::size_t>(needed));
    return out;
}

std::string FormatC(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string out = FormatV(format, args);
    va_end(args);
    return out;
}

// The plain form that nearly every number of a drawing or record has: blanks, an optional
// '-', digits with an optional decimal point, then the end or a blank. A short one without
// blanks is read exactly by ReadShortDecimal, any other by std::from_chars: both round as
// strtod does, without the locale switch and scanf's parsing per number. Anything else
// (exponents, '+', "inf", hexadecimal, text straight after the digits) is scanned.
bool ScanPlainDouble(std::string_view text, double& value) {
    if (ReadShortDecimal(text, value)) { // the text is nothing but the short decimal
        return true;
    }
    const char* first = text.data();
    const char* const end = first + text.size();
    auto at = [end](const char* pos) { return pos < end ? *pos : '\0'; };
    while (IsCSpace(at(first))) {
        ++first;
    }
    const char* last = at(first) == '-' ? first + 1 : first;
    int digits = 0;
    for (; at(last) >= '0' && at(last) <= '9'; ++last) {
        ++digits;
    }
    if (at(last) == '.') {
        for (++last; at(last) >= '0' && at(last) <= '9'; ++last) {
            ++digits;
        }
    }
    if (digits == 0 || (at(last) != '\0' && !IsCSpace(at(last)))) {
        return false;
    }
    double number = 0.0;
    const std::from_chars_result result = std::from_chars(first, last, number, std::chars_format::fixed);
    if (result.ec != std::errc() || result.ptr != last) {
        return false;
    }
    value = number;
    return true;
}

bool ScanDouble(const char* text, double& value) {
    if (ScanPlainDouble(std::string_view(text), value)) {
        return true;
    }
    CLocaleScope scope;
    // "nan", "inf" and an overflow scan as numbers, yet no coordinate, size or setting of the
    // suite can hold them: they read as no number at all, as a blank field does.
    double scanned = 0.0;
    if (std::sscanf(text, "%lf", &scanned) != 1 || !std::isfinite(scanned)) {
        return false;
    }
    value = scanned;
    return true;
}

int ScanDoubles(const char* text, double* values, int count) {
    CLocaleScope scope;
    int converted = 0;
    int consumed = 0;
    const char* pos = text;
    while (converted < count && std::sscanf(pos, " %lf%n", &values[converted], &consumed) == 1 &&
           std::isfinite(values[converted])) {
        pos += consumed;
        ++converted;
    }
    return converted;
}

bool ScanInt(const char* text, int& value) {
    CLocaleScope scope;
    return std::sscanf(text, "%d", &value) == 1;
}

} // namespace platform
