#pragma once
// Reading the text of a numeric edit. The whole text must be the number: "12abc" or "1.2.3" are
// refused rather than read as their leading number.

#include "platform/core/CString.h"

#include <string>

namespace edits {

// A real in the "C" locale: blanks around an optional sign, digits with at most one point (at
// least one digit) and an optional exponent ("E-05"). False for any other text, for "nan" and
// "inf", and for a value beyond the range of a double.
bool ReadRealText(const CString& text, double& value);

enum class IntText { Valid, Malformed, OutOfRange };
// An int: blanks around an optional sign and decimal digits. OutOfRange for a number that is no
// int or is the unset int itself (it would read back as a blank field).
IntText ReadIntText(const CString& text, int& value);

// Drops trailing zeros after the decimal point, keeping one digit after it ("12.50" -> "12.5",
// "3.000" -> "3.0"); a text without a point is left as it is.
void TrimFractionZeros(std::string& text);

} // namespace edits
