#pragma once
// The short decimal that nearly every coordinate of a drawing is ("500.069", "-12.5"): read
// here exactly, as the general reading rounds it, at a fraction of its cost per value.

#include <string_view>

namespace platform {

// Reads text that is wholly an optional '-', digits and an optional point with digits, at
// most fifteen digits in all; false (value untouched) for any other text, which the caller
// then reads the general way.
bool ReadShortDecimal(std::string_view text, double& value);

} // namespace platform
