#pragma once
// Markers for values that are not set. Files write them as blank fields.

#include <climits>
#include <cstdint>
#include <cstring>

namespace platform {

// An integer field that is blank or unreadable.
inline constexpr int kUnsetInt = INT_MIN; // 0x80000000

// A real field that is blank or unreadable: FLT_MIN widened to double,
// bit pattern 0x3810000000000000. Tested by bit pattern, never by tolerance.
inline constexpr double kUnsetDouble = 1.1754943508222875e-38;
inline constexpr std::uint64_t kUnsetDoubleBits = 0x3810000000000000ULL;

// A slot without an entry in a renumbering table.
inline constexpr unsigned kUnassignedSlot = 0x7FFFFFFFU;

// Start values of running extents (minimum starts at +max, maximum at -max).
inline constexpr double kExtentLimit = 3.4028234663852886e+38;

inline bool IsUnsetDouble(double value) {
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits == kUnsetDoubleBits;
}

inline bool IsUnsetInt(int value) {
    return value == kUnsetInt;
}

} // namespace platform
