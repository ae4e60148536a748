#include "RecordFields.h"

#include "common/records/CTextFile.h"
#include "platform/core/NumberFormat.h"
#include "platform/core/Unset.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <type_traits>

const char* const kRecordKeywords[kRecordKeywordCount] = {"TITLE", "NODE", "LINE", "SITE", "BOUND"};

namespace {

// Room for any double in fixed notation with a one-digit precision (309 digits and more).
constexpr std::size_t kFixedDigitsSize = 352;

// Copies up to width columns of the line (fewer when it ends first).
// Returns the number of columns present.
int TakeColumns(const char* pos, int width, char* out) {
    int n = 0;
    while (n < width && pos[n] != '\0') {
        out[n] = pos[n];
        ++n;
    }
    out[n] = '\0';
    return n;
}

bool IsAllBlank(const char* text) {
    for (; *text; ++text) {
        if (*text != ' ') {
            return false;
        }
    }
    return true;
}

// The plain forms that fields almost always hold: blanks, an optional '-', digits and
// (reals only) a decimal point with digits, then nothing but blanks. These are read with
// std::from_chars, which rounds exactly as strtod does and needs no locale; anything else
// (exponents, '+', trailing text, overflow) is left to the scanf reading.
template <typename T> bool ReadPlainNumber(const char* field, T& value) {
    const char* first = field;
    while (*first == ' ') {
        ++first;
    }
    const char* last = first;
    if (*last == '-') {
        ++last;
    }
    const char* digits = last;
    while (*last >= '0' && *last <= '9') {
        ++last;
    }
    if constexpr (std::is_floating_point_v<T>) {
        if (*last == '.') {
            ++last;
            while (*last >= '0' && *last <= '9') {
                ++last;
            }
        }
    }
    if (last == digits || !IsAllBlank(last)) {
        return false;
    }
    std::from_chars_result result;
    if constexpr (std::is_floating_point_v<T>) {
        result = std::from_chars(first, last, value, std::chars_format::fixed);
    } else {
        result = std::from_chars(first, last, value);
    }
    return result.ec == std::errc() && result.ptr == last;
}

char* PutField(char* pos, std::string_view text, int width) {
    if (static_cast<int>(text.size()) == width) {
        std::memcpy(pos, text.data(), text.size());
    } else if (static_cast<int>(text.size()) < width) { // a format narrower than its field
        std::memset(pos, ' ', static_cast<std::size_t>(width - static_cast<int>(text.size())));
        std::memcpy(pos + width - text.size(), text.data(), text.size());
    } else {
        std::memset(pos, '*', static_cast<std::size_t>(width));
    }
    pos[width] = '\0';
    return pos + width;
}

// The units of the last of the given places of a value whose scaled digits stay below 2^52,
// rounded as printf rounds: the general conversion costs several times more, and a save
// writes two such fields for each of a hundred thousand points. False beyond that range.
// printf rounds the exact binary value to the nearest unit, a tie to even: the rounded
// product value * 10^places lies on the same side of every half unit as the exact one (half
// units are representable there), so only a product rounded onto a half unit needs the
// product's rounding error, which fma gives exactly, to tell its side.
#if defined(__FAST_MATH__) || FLT_EVAL_METHOD != 0
#error "ScaledUnits rounds by adding 2^52, which takes double arithmetic as IEEE 754 defines it"
#endif
bool ScaledUnits(double value, int places, std::uint64_t& magnitude) {
    static constexpr double kScales[10] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};
    const double scaled = value * kScales[places];
    if (!(std::fabs(scaled) < 0x1p52)) {
        return false;
    }
    // Below 2^52, adding 2^52 leaves no fraction bits: the sum is rounded to the nearest whole
    // number, a tie to even, as nearbyint rounds, without its call into the maths library.
    double units = (std::fabs(scaled) + 0x1p52) - 0x1p52;
    if (std::fabs(scaled - std::trunc(scaled)) == 0.5) { // an exact difference, unlike floor's
        const double error = std::fma(value, kScales[places], -scaled);
        const double toward = std::fabs(error > 0.0 ? std::ceil(scaled) : std::floor(scaled));
        units = error != 0.0 ? toward : units;
    }
    magnitude = static_cast<std::uint64_t>(units);
    return true;
}

// The places of "%<width>.<precision>lf" (or "...f") with a width up to the field's (the
// field's own padding then gives printf's); -1 for a format of another shape.
int FixedFormatPlaces(const char* format) {
    if (format[0] != '%') {
        return -1;
    }
    const char* pos = format + 1;
    int width = 0;
    while (*pos >= '0' && *pos <= '9' && width <= kDoubleFieldWidth) {
        width = width * 10 + (*pos++ - '0');
    }
    if (format[1] == '0' || width > kDoubleFieldWidth || *pos != '.' || pos[1] < '0' || pos[1] > '9') {
        return -1;
    }
    const int precision = pos[1] - '0';
    pos += 2;
    if (*pos == 'l') {
        ++pos;
    }
    return pos[0] == 'f' && pos[1] == '\0' ? precision : -1;
}

// The digits of a fixed format (FixedFormatPlaces) for a finite value beyond PutScaledField's
// range, through std::to_chars: the same digits and rounding as printf in the "C" locale without parsing
// the format and switching the locale per field, which a save of a hundred thousand points
// would otherwise spend most of its time on. Empty when the format has another shape or the
// value is not finite; the caller then formats as before.
std::string_view FixedDigits(const char* format, double value, char (&buffer)[kFixedDigitsSize]) {
    const int precision = FixedFormatPlaces(format);
    if (!std::isfinite(value) || precision < 0) {
        return {};
    }
    const std::to_chars_result result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, precision);
    if (result.ec != std::errc()) {
        return {};
    }
    return std::string_view(buffer, static_cast<std::size_t>(result.ptr - buffer));
}

// Powers of ten up to the widest field's digits.
constexpr std::uint64_t kPowersOfTen[kDoubleFieldWidth + 1] = {
    1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000, 1000000000, 10000000000};

// "00" to "99", for two digits a division.
constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// Puts the digits of units back from at, at least count of them (zeros leading); returns
// where the first is. Two digits a step, in 32 bits where the value allows: a field's digits
// then wait on half as many divisions, each of them shorter.
char* PutDigitsBackward(char* at, std::uint64_t units, int count) {
    for (; units > UINT32_MAX; --count) {
        *--at = static_cast<char>('0' + units % 10);
        units /= 10;
    }
    auto rest = static_cast<std::uint32_t>(units);
    for (; rest >= 100 || count > 2; count -= 2) {
        at -= 2;
        std::memcpy(at, kDigitPairs + 2 * (rest % 100), 2);
        rest /= 100;
    }
    if (rest >= 10 || count == 2) {
        at -= 2;
        std::memcpy(at, kDigitPairs + 2 * rest, 2);
    } else {
        *--at = static_cast<char>('0' + rest);
    }
    return at;
}

// The field of a value in a fixed format, its characters as printf gives them and padded
// as PutField pads them; false when the value is beyond ScaledUnits' range (nothing is
// written then). The field is blanked whole first, a store of fixed size, and the characters
// put from its end back.
bool PutScaledField(char* pos, double value, int places) {
    std::uint64_t units = 0;
    if (!ScaledUnits(value, places, units)) {
        return false;
    }
    const bool negative = std::signbit(value); // "-0.000" as printf writes it
    const int roomForDigits = kDoubleFieldWidth - (places > 0 ? 1 : 0) - (negative ? 1 : 0);
    pos[kDoubleFieldWidth] = '\0';
    if (places + 1 > roomForDigits || units >= kPowersOfTen[roomForDigits]) { // too wide for its field
        std::memset(pos, '*', static_cast<std::size_t>(kDoubleFieldWidth));
        return true;
    }
    std::memset(pos, ' ', static_cast<std::size_t>(kDoubleFieldWidth));
    char* at = pos + kDoubleFieldWidth;
    if (places > 0) {
        at = PutDigitsBackward(at, units % kPowersOfTen[places], places);
        *--at = '.';
    }
    at = PutDigitsBackward(at, units / kPowersOfTen[places], 1); // "0.001": a zero before the point
    if (negative) {
        *--at = '-';
    }
    return true;
}

std::string_view IntDigits(int value, char (&buffer)[kFixedDigitsSize]) {
    const std::to_chars_result result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string_view(buffer, static_cast<std::size_t>(result.ptr - buffer));
}

} // namespace

const char* ReadIntField(const char* pos, int& value) {
    char field[kIntFieldWidth + 1];
    int present = TakeColumns(pos, kIntFieldWidth, field);
    if (IsAllBlank(field) || !(ReadPlainNumber(field, value) || platform::ScanInt(field, value))) {
        value = platform::kUnsetInt;
    }
    return pos + present;
}

const char* ReadDoubleField(const char* pos, double& value) {
    char field[kDoubleFieldWidth + 1];
    int present = TakeColumns(pos, kDoubleFieldWidth, field);
    if (IsAllBlank(field) || !(ReadPlainNumber(field, value) || platform::ScanDouble(field, value))) {
        value = platform::kUnsetDouble;
    }
    return pos + present;
}

char* WriteIntField(char* pos, int value) {
    if (value == platform::kUnsetInt) {
        return PutField(pos, std::string_view("     "), kIntFieldWidth);
    }
    if (FitsIntField(value)) { // the digits from the field's end back, as to_chars gives them
        std::memset(pos, ' ', static_cast<std::size_t>(kIntFieldWidth));
        pos[kIntFieldWidth] = '\0';
        char* at =
            PutDigitsBackward(pos + kIntFieldWidth, static_cast<unsigned>(value < 0 ? -value : value), 1);
        if (value < 0) {
            *--at = '-';
        }
        return pos + kIntFieldWidth;
    }
    char buffer[kFixedDigitsSize];
    return PutField(pos, IntDigits(value, buffer), kIntFieldWidth);
}

char* WriteDoubleField(char* pos, double value, const char* format) {
    if (platform::IsUnsetDouble(value)) {
        return PutField(pos, std::string_view("          "), kDoubleFieldWidth);
    }
    if (const int places = FixedFormatPlaces(format); places >= 0 && PutScaledField(pos, value, places)) {
        return pos + kDoubleFieldWidth;
    }
    char buffer[kFixedDigitsSize];
    if (const std::string_view digits = FixedDigits(format, value, buffer); !digits.empty()) {
        return PutField(pos, digits, kDoubleFieldWidth);
    }
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
    return PutField(pos, platform::FormatC(format, value), kDoubleFieldWidth);
#pragma GCC diagnostic pop
}

bool FitsIntField(int value) {
    // The values of at most five characters, "-9999" to "99999", without writing them out.
    static_assert(kIntFieldWidth == 5);
    return value == platform::kUnsetInt || (value >= -9999 && value <= 99999);
}

bool FitsDoubleField(double value, const char* format) {
    if (platform::IsUnsetDouble(value)) {
        return true;
    }
    if (!std::isfinite(value)) {
        return false;
    }
    if (std::fabs(value) < 99999.0 && std::strcmp(format, "%10.3lf") == 0) {
        return true; // rounded to three places, at most "-99999.000"
    }
    if (const int places = FixedFormatPlaces(format); places >= 0) {
        char field[kDoubleFieldWidth + 1];
        if (PutScaledField(field, value, places)) {
            return field[0] != '*'; // a row of '*' for a value too wide
        }
    }
    char buffer[kFixedDigitsSize];
    if (const std::string_view digits = FixedDigits(format, value, buffer); !digits.empty()) {
        return static_cast<int>(digits.size()) <= kDoubleFieldWidth;
    }
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
    return static_cast<int>(platform::FormatC(format, value).size()) <= kDoubleFieldWidth;
#pragma GCC diagnostic pop
}

int FindKeyword(const char* line, const char* const* keywords, int count) {
    for (int i = 0; i < count; ++i) {
        const char* word = keywords[i];
        int n = 0;
        while (word[n] != '\0' && word[n] != ' ' && line[n] == word[n]) {
            ++n;
        }
        if (word[n] == '\0' || word[n] == ' ') {
            return i + 1;
        }
    }
    return 0;
}

int WriteRecordKeyword(CTextFile& file, char* buffer, int index) {
    std::strcpy(buffer, kRecordKeywords[index]);
    return file.WriteLine(buffer);
}

int WriteRecordKeyword(CTextFile& file, char* buffer, int index, const char* text) {
    CString line(kRecordKeywords[index]);
    line += text;
    (void)buffer;
    return file.WriteLine(line);
}
