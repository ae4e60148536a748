#include "platform/core/ShortDecimal.h"

#include <cstdint>

namespace platform {

namespace {

// Fifteen digits stay below 2^53, so the digits as a whole number are an exact double; so are
// the powers of ten up to 10^22. One correctly rounded division of the two then gives the
// nearest double to the decimal, which is what the general reading gives.
constexpr int kMostDigits = 15;
constexpr double kPowersOfTen[kMostDigits + 1] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                  1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

} // namespace

bool ReadShortDecimal(std::string_view text, double& value) {
    const char* at = text.data();
    const char* const end = at + text.size();
    const bool negative = at < end && *at == '-';
    at += negative ? 1 : 0;
    std::uint64_t digits = 0;
    int count = 0;
    int places = -1; // digits after the point, -1 before it
    for (; at < end; ++at) {
        if (*at == '.' && places < 0) {
            places = 0;
            continue;
        }
        const auto digit = static_cast<unsigned>(*at - '0');
        if (digit > 9 || ++count > kMostDigits) {
            return false;
        }
        digits = digits * 10 + digit;
        places += places >= 0 ? 1 : 0;
    }
    if (count == 0) {
        return false;
    }
    const double magnitude = static_cast<double>(digits) / kPowersOfTen[places > 0 ? places : 0];
    value = negative ? -magnitude : magnitude;
    return true;
}

} // namespace platform
