#include "NumberFormat.h"

#include <clocale>
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

bool ScanDouble(const char* text, double& value) {
    CLocaleScope scope;
    return std::sscanf(text, "%lf", &value) == 1;
}

int ScanDoubles(const char* text, double* values, int count) {
    CLocaleScope scope;
    int converted = 0;
    int consumed = 0;
    const char* pos = text;
    while (converted < count && std::sscanf(pos, " %lf%n", &values[converted], &consumed) == 1) {
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
