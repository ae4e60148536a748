#include "platform/core/NumberFormat.h"

#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <vector>

namespace {

// The plain reading gives what the general one gives for the text up to its first NUL, or
// leaves the text to it: never another value, never a form the general one refuses.
TEST(NumberFormatTest, APlainRealReadsAsTheGeneralScanReadsIt) {
    using namespace std::string_literals;
    const std::vector<std::string> texts = {
        "0.000",   "500.069", "-12.5",    "  7",    "3.",
        "-.25",    ".5",      "1.5 rest", "1.5\r",  "2.5\0x"s,
        "\0 1.0"s, "1.5x",    "+1.5",     "1e3",    "-",
        ".",       "",        "  ",       "0x1p3",  "inf",
        "nan",     "12.5\t",  "00012.50", "-0.000", std::string(400, '9') + ".5"};
    for (const std::string& text : texts) {
        double plain = -1.0;
        double general = -1.0;
        const bool read = platform::ScanPlainDouble(text, plain);
        const bool scanned = platform::ScanDouble(text.c_str(), general);
        if (read) {
            EXPECT_TRUE(scanned) << '"' << text << '"';
            EXPECT_EQ(plain, general) << '"' << text << '"';
        }
    }
    double value = 0.0;
    EXPECT_TRUE(platform::ScanPlainDouble("500.069", value));
    EXPECT_EQ(value, 500.069);
    EXPECT_TRUE(platform::ScanPlainDouble(std::string_view("2.5\0x", 5), value));
    EXPECT_EQ(value, 2.5);
    EXPECT_FALSE(platform::ScanPlainDouble("1.5x", value));
}

} // namespace
