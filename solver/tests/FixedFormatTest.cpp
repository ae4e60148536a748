// The number fields of the log and the result file.

#include "solver/FixedFormat.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <random>

namespace kalipe {
namespace {

std::string Printf(double value, int decimals) {
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    return buffer;
}

TEST(FixedFormat, SameDigitsAsExactRounding) {
    std::mt19937_64 random(31);
    std::uniform_real_distribution<double> mantissa(-1.0, 1.0);
    std::uniform_int_distribution<int> magnitude(-8, 14);
    for (int i = 0; i < 200000; ++i) {
        const double value = mantissa(random) * std::pow(10.0, magnitude(random));
        const int decimals = i % 5;
        const std::string expected = Printf(value, decimals);
        ASSERT_EQ(fmt::Fixed(value, 40, decimals), std::string(40 - expected.size(), ' ') + expected)
            << value;
    }
    // Ties and near ties in binary: 0.125 is exact, 2.675 lies just below its tie.
    for (double value : {0.125, 0.375, -0.125, 2.675, 1.005, 1e-4, 5e-4, -5e-4, 0.5, 1.5, 2.5}) {
        for (int decimals = 0; decimals < 5; ++decimals) {
            const std::string expected = Printf(value, decimals);
            EXPECT_EQ(fmt::Fixed(value, 20, decimals), std::string(20 - expected.size(), ' ') + expected)
                << value;
        }
    }
}

TEST(FixedFormat, NarrowFieldsDropTheLeadingZeroThenOverflowToStars) {
    EXPECT_EQ(fmt::Fixed(0.5, 5, 4), ".5000");
    EXPECT_EQ(fmt::Fixed(-0.5, 6, 4), "-.5000");
    EXPECT_EQ(fmt::Fixed(12345.6, 7, 3), "*******");
    EXPECT_EQ(fmt::Fixed(std::nan(""), 7, 3), "*******");
    EXPECT_EQ(fmt::Fixed(-1e-5, 8, 3), "  -0.000");
    EXPECT_EQ(fmt::Int(12, 3), " 12");
    EXPECT_EQ(fmt::Int(1234, 3), "***");
}

TEST(FixedFormat, ExponentFormWithAZeroMantissa) {
    EXPECT_EQ(fmt::Exp(12.34567, 14, 7), " 0.1234567E+02");
    EXPECT_EQ(fmt::Exp(-12.34567, 14, 7), "-0.1234567E+02");
    EXPECT_EQ(fmt::Exp(0.0, 14, 7), " 0.0000000E+00");
    EXPECT_EQ(fmt::Exp(9.99999999, 14, 7), " 0.1000000E+02"); // rounding carries into the exponent
    EXPECT_EQ(fmt::Exp(0.00012346, 12, 4), "  0.1235E-03");
    EXPECT_EQ(fmt::Exp(1.5e-120, 14, 7), " 0.1500000-119");
    EXPECT_EQ(fmt::Exp(1e300, 12, 4), "  0.1000+301");
    EXPECT_EQ(fmt::Exp(std::numeric_limits<double>::infinity(), 12, 4), "************");
    EXPECT_EQ(fmt::Exp(3.0, 7, 1), "0.3E+01");
}

} // namespace
} // namespace kalipe
