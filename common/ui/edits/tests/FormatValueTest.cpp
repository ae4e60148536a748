#include "common/ui/edits/CFormatRealEdit.h"

#include "platform/core/NumberFormat.h"
#include "platform/core/Unset.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

struct Shown {
    std::string text;
    int exponent;
};

Shown Format(double value, int width = 10) {
    CFormatRealEdit edit(width);
    CString text;
    edit.FormatValue(text, value);
    return {text.str(), edit.ExponentShown()};
}

TEST(FormatValueTest, ValuesThatFitAreRightAlignedWithTheirSignificantDecimals) {
    struct Case {
        double value;
        const char* text;
    };
    for (Case c : {Case{12.5, "      12.5"}, Case{12.0, "      12.0"}, Case{-0.5, "      -0.5"},
                   Case{-12.25, "    -12.25"}, Case{0.0015, "    0.0015"}, Case{12345678.0, "12345678.0"},
                   Case{12.999999999999998, "      13.0"}}) {
        Shown shown = Format(c.value);
        EXPECT_EQ(shown.text, c.text) << c.value;
        EXPECT_EQ(shown.exponent, 0) << c.value;
    }
}

TEST(FormatValueTest, TooLongValuesTakeTheCloserOfFixedAndExponentForms) {
    struct Case {
        double value;
        int width;
        const char* text;
        int exponent;
    };
    for (Case c : {Case{123456789012.0, 10, "1.2346E+11", 1}, Case{123456789012.0, 12, "1.234568E+11", 1},
                   Case{0.1234567890123, 10, "0.12345679", 0}, Case{1234567.123456789, 10, "1234567.12", 0},
                   Case{0.000012345, 10, "1.2345E-05", 1}, Case{123456789.0, 10, "1.2346E+08", 1},
                   Case{1e100, 10, "1.000E+100", 1}, Case{-123456789012.0, 10, "-1.235E+011", 1}}) {
        Shown shown = Format(c.value, c.width);
        EXPECT_EQ(shown.text, c.text) << c.value;
        EXPECT_EQ(shown.exponent, c.exponent) << c.value;
        double back = 0.0;
        ASSERT_TRUE(platform::ScanDouble(shown.text.c_str(), back));
        EXPECT_NEAR(back, c.value, std::fabs(c.value) * 1e-3) << c.value;
    }
}

TEST(FormatValueTest, UnsetValueGivesAnEmptyTextAndClearsTheExponentMark) {
    CFormatRealEdit edit(10);
    CString text;
    edit.FormatValue(text, 123456789012.0);
    ASSERT_EQ(edit.ExponentShown(), 1);
    edit.FormatValue(text, platform::kUnsetDouble);
    EXPECT_TRUE(text.IsEmpty());
    EXPECT_EQ(edit.ExponentShown(), 0);
}

} // namespace
