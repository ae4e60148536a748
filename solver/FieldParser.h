#pragma once
// Readers of the fixed-column numeric fields of the solver input.

#include <string_view>

namespace kalipe {

enum class FieldStatus { Blank, Value, Bad };

struct RealField {
    FieldStatus status = FieldStatus::Blank;
    double value = 0.0; // 0 unless status is Value
};

struct IntField {
    FieldStatus status = FieldStatus::Blank;
    int value = 0; // 0 unless status is Value
};

// A real in a field: leading blanks, an optional '-', at most 9 integer digits, an optional
// '.' with digits, an optional 'E' with an optional sign and digits, trailing blanks.
// A '+' before the mantissa, any other character, or a value out of the double range is Bad.
RealField ParseRealField(std::string_view field);

// An integer in a field: leading blanks, an optional '-', digits, trailing blanks.
// A blank between digits, any other character, or "-" with the value zero is Bad.
IntField ParseIntField(std::string_view field);

// True when every byte of the text is a blank.
bool IsBlank(std::string_view text);

} // namespace kalipe
