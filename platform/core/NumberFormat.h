#pragma once
// printf/scanf of numbers in the "C" locale, whatever the process locale is,
// so that fixed-column fields like "%10.3lf" are byte-exact.

#include <cstdarg>
#include <string>
#include <string_view>

namespace platform {

// vsnprintf into a string, in the "C" locale.
std::string FormatV(const char* format, va_list args);

// snprintf into a string, in the "C" locale.
std::string FormatC(const char* format, ...) __attribute__((format(printf, 1, 2)));

// sscanf(text, "%lf") in the "C" locale; false when nothing converts or what converts is
// not a finite number ("nan", "inf", an overflow).
bool ScanDouble(const char* text, double& value);
// ScanDouble of the text up to its first NUL, for the plain form that nearly every number
// has (blanks, an optional '-', digits with an optional decimal point, then the end or a
// blank), read where the text lies; false for any other form, which ScanDouble then reads.
bool ScanPlainDouble(std::string_view text, double& value);

// Reads up to count blank-separated reals as sscanf("%lf %lf ...") would, in the "C"
// locale; returns how many converted, stopping before a value that is not finite.
int ScanDoubles(const char* text, double* values, int count);

// sscanf(text, "%d") in the "C" locale; false when nothing converts.
bool ScanInt(const char* text, int& value);

} // namespace platform
