// The quick reading of a short decimal gives the very double the general reading gives, or
// leaves the text to it.

#include "platform/core/ShortDecimal.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace {

// The general reading's value, as std::from_chars reads the fixed form.
double GeneralReading(const std::string& text) {
    double value = 0.0;
    const auto result =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    EXPECT_EQ(result.ec, std::errc()) << '"' << text << '"';
    EXPECT_EQ(result.ptr, text.data() + text.size()) << '"' << text << '"';
    return value;
}

void ExpectSameBits(const std::string& text) {
    double quick = 0.0;
    ASSERT_TRUE(platform::ReadShortDecimal(text, quick)) << '"' << text << '"';
    const double general = GeneralReading(text);
    EXPECT_EQ(std::bit_cast<std::uint64_t>(quick), std::bit_cast<std::uint64_t>(general))
        << '"' << text << '"';
}

TEST(ShortDecimalTest, ReadsAsTheGeneralReadingToTheLastBit) {
    for (const char* text : {"0.000", "-0.000", "500.069", "-12.5", "7", "3.", "0.1", "0.3",
                             "999999999999999", "900719925474.099", "0.00000000000001", "-99999.9995",
                             "00012.50", "123456.789012345", "0.30000000000000", "4.35", "1.005", "2.675"}) {
        ExpectSameBits(text);
    }
    std::mt19937_64 random(45);
    for (int i = 0; i < 200000; ++i) {
        const int digits = 1 + static_cast<int>(random() % 15);
        const int places = static_cast<int>(random() % (digits + 1));
        std::string text = random() % 2 ? "-" : "";
        for (int d = 0; d < digits; ++d) {
            if (d == digits - places && places > 0) {
                text += '.';
            }
            text += static_cast<char>('0' + random() % 10);
        }
        ExpectSameBits(text);
    }
}

TEST(ShortDecimalTest, LeavesEveryOtherFormToTheGeneralReading) {
    for (const std::string& text : std::vector<std::string>{
             "", "-", ".", "-.", " 1.5", "1.5 ", "+1.5", "1e3", "1.5\r", "1..5", "1.5.2", "--1", "inf", "nan",
             "0x1p3", "1234567890123456", "0.1234567890123456", std::string("2.5\0x", 5)}) {
        double value = -1.0;
        EXPECT_FALSE(platform::ReadShortDecimal(text, value)) << '"' << text << '"';
        EXPECT_EQ(value, -1.0);
    }
}

} // namespace
