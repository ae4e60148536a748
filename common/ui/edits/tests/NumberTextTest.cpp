#include "common/ui/edits/NumberText.h"

#include "platform/core/Unset.h"

#include <gtest/gtest.h>

namespace {

TEST(NumberTextTest, RealsAreReadOnlyWhenTheWholeTextIsANumber) {
    struct Case {
        const char* text;
        double value;
    };
    for (Case c :
         {Case{"12.5", 12.5}, Case{"  -3e5 ", -3e5}, Case{".5", 0.5}, Case{"5.", 5.0}, Case{"+1", 1.0},
          Case{"1.2346E+011", 1.2346e11}, Case{"      12.5", 12.5}, Case{"-0.0015", -0.0015}}) {
        double value = 0.0;
        EXPECT_TRUE(edits::ReadRealText(c.text, value)) << c.text;
        EXPECT_DOUBLE_EQ(value, c.value) << c.text;
    }
    for (const char* text : {"12abc", "1.2.3", "-", ".", "-.", "e5", "1e", "1e-", "--1", "1-", "nan", "inf",
                             "1e999", " ", "1 2", "１２"}) {
        double value = 7.0;
        EXPECT_FALSE(edits::ReadRealText(text, value)) << text;
        EXPECT_EQ(value, 7.0) << text;
    }
}

TEST(NumberTextTest, IntsAreReadWholeAndTheUnsetIntIsOutOfRange) {
    int value = 0;
    EXPECT_EQ(edits::ReadIntText(" -12 ", value), edits::IntText::Valid);
    EXPECT_EQ(value, -12);
    EXPECT_EQ(edits::ReadIntText("2147483647", value), edits::IntText::Valid);
    EXPECT_EQ(value, 2147483647);
    EXPECT_EQ(edits::ReadIntText("-2147483647", value), edits::IntText::Valid);
    EXPECT_EQ(value, -2147483647);
    for (const char* text : {"12.5", "12abc", "-", "", "1e3", "- 1"}) {
        EXPECT_EQ(edits::ReadIntText(text, value), edits::IntText::Malformed) << text;
    }
    for (const char* text : {"-2147483648", "2147483648", "99999999999999999999999"}) {
        EXPECT_EQ(edits::ReadIntText(text, value), edits::IntText::OutOfRange) << text;
    }
}

TEST(NumberTextTest, TrailingZerosOfTheFractionGoButOneDigitStays) {
    struct Case {
        std::string text;
        const char* trimmed;
    };
    for (Case c : {Case{"12.50000", "12.5"}, Case{"3.000", "3.0"}, Case{"7.", "7.0"}, Case{"100", "100"},
                   Case{"0.000100", "0.0001"}}) {
        edits::TrimFractionZeros(c.text);
        EXPECT_EQ(c.text, c.trimmed);
    }
}

} // namespace
