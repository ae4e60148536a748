#pragma once
// Fixed-width number fields in the forms the run log and the result file use:
// integers (In), fixed point (Fw.d) and exponent form with a "0." mantissa (Ew.d).
// A value that does not fit its width, or that is not finite, fills the field with '*'.

#include <string>

namespace kalipe::fmt {

// n blanks.
std::string Blanks(int count);

// Integer right-aligned in `width` columns (In).
std::string Int(long long value, int width);

// Fixed point right-aligned in `width` columns with `decimals` decimals (Fw.d).
// The leading zero of a value below 1 is dropped only when the field is otherwise too narrow.
std::string Fixed(double value, int width, int decimals);

// Exponent form, e.g. 0.1234567E+01 for Exp(12.34567, 14, 7) (Ew.d); exponents of three
// digits drop the letter E (0.1234567+100).
std::string Exp(double value, int width, int decimals);

// Text left-aligned and blank-padded to at least `width` bytes (never cut).
std::string PadRight(std::string text, std::size_t width);

} // namespace kalipe::fmt
