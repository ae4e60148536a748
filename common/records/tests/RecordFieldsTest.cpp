#include "common/records/RecordFields.h"
#include "common/records/StandardColors.h"
#include "platform/core/NumberFormat.h"
#include "platform/core/Unset.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

using platform::IsUnsetDouble;
using platform::kUnsetDouble;
using platform::kUnsetInt;

struct IntFieldCase {
    const char* name;
    const char* columns;
    int expected;
};

class IntFieldRead : public ::testing::TestWithParam<IntFieldCase> {};

TEST_P(IntFieldRead, ReadsFiveColumns) {
    int value = 0;
    const char* end = ReadIntField(GetParam().columns, value);
    EXPECT_EQ(value, GetParam().expected);
    EXPECT_LE(end - GetParam().columns, 5);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IntFieldRead,
    ::testing::Values(IntFieldCase{"number", "   12", 12}, IntFieldCase{"blank", "     ", kUnsetInt},
                      IntFieldCase{"letters", "  abc", kUnsetInt}, IntFieldCase{"negative", "   -3", -3},
                      IntFieldCase{"shortLine", "  7", 7}, IntFieldCase{"empty", "", kUnsetInt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RecordFields, FieldsChainAlongALine) {
    const char* line = "    3    1    10.500   -20.250";
    int number;
    int kind;
    double x;
    double y;
    const char* pos = ReadIntField(line, number);
    pos = ReadIntField(pos, kind);
    pos = ReadDoubleField(pos, x);
    pos = ReadDoubleField(pos, y);
    EXPECT_EQ(number, 3);
    EXPECT_EQ(kind, 1);
    EXPECT_DOUBLE_EQ(x, 10.5);
    EXPECT_DOUBLE_EQ(y, -20.25);
    EXPECT_EQ(*pos, '\0');
}

TEST(RecordFields, ALineEndingInsideAFieldReadsTheRestAsBlankAndStopsAtTheEnd) {
    const char* line = "    3   ";
    int number;
    int kind;
    double x;
    const char* pos = ReadIntField(line, number);
    pos = ReadIntField(pos, kind);
    EXPECT_EQ(kind, kUnsetInt);
    EXPECT_EQ(*pos, '\0');
    pos = ReadDoubleField(pos, x); // never reads past the terminator
    EXPECT_TRUE(IsUnsetDouble(x));
    EXPECT_EQ(*pos, '\0');
}

// Fields are read without scanf where they hold plain numbers; the result must be the
// one scanf gives, bit for bit, for those and for every other form.
TEST(RecordFields, RealsReadAsScanfReadsThem) {
    std::vector<std::string> fields = {"    1e3   ", "   +2.500 ", "  12.5abc ", "       .5 ", "        5.",
                                       "    -0.000", "      -   ", "    0x10  ", "     1 2  ", "999999.999"};
    std::mt19937 random(7);
    std::uniform_real_distribution<double> value(-99999.999, 999999.999);
    for (int i = 0; i < 2000; ++i) {
        char text[32];
        std::snprintf(text, sizeof text, "%10.3lf", value(random));
        fields.emplace_back(text);
    }
    for (const std::string& field : fields) {
        double read = 0.0;
        double scanned = 0.0;
        ReadDoubleField(field.c_str(), read);
        if (!platform::ScanDouble(field.c_str(), scanned)) {
            scanned = kUnsetDouble;
        }
        EXPECT_EQ(std::bit_cast<std::uint64_t>(read), std::bit_cast<std::uint64_t>(scanned)) << field;
    }
    const char* const ints[] = {"   +7", "  12x", "-0000", " 1e2 ", "99999", "  - 1"};
    for (const char* field : ints) {
        int read = 0;
        int scanned = 0;
        ReadIntField(field, read);
        if (!platform::ScanInt(field, scanned)) {
            scanned = kUnsetInt;
        }
        EXPECT_EQ(read, scanned) << field;
    }
}

// What printf writes for the format, as the field holds it: a row of '*' when wider.
std::string PrintedField(const char* format, double value, int width) {
    char text[400];
    const int length = std::snprintf(text, sizeof text, format, value);
    return length > width ? std::string(static_cast<std::size_t>(width), '*')
                          : std::string(static_cast<std::size_t>(width - length), ' ') + text;
}

// The fields are written without printf; every byte must be the one printf gives, at the
// signs, ties, carries and widths where a hand-made conversion slips.
TEST(RecordFields, FieldsAreWrittenAsPrintfWritesThem) {
    std::vector<double> values = {
        0.0,          -0.0,        0.0004,    -0.0004,   0.0005,  -0.0005,    0.0015,     0.0025,
        1.0005,       2.5,         -2.5,      0.5,       1.5,     99999.9995, 999999.999, 999999.9995,
        -99999.999,   -99999.9995, -999999.0, 9999999.0, 1e9,     -1e9,       1e15,       4503599627370.5,
        4503599627.5, 1e300,       -1e300,    5e-324,    -5e-324, 0.1,        1.0 / 3.0,  123.4565,
        123.4575,     -123.4565,   0.125,     0.375};
    std::mt19937 random(11);
    std::uniform_real_distribution<double> wide(-2e6, 2e6);
    for (int i = 0; i < 5000; ++i) {
        const double value = wide(random);
        values.push_back(value);
        values.push_back(std::nearbyint(value * 1000.0) / 1000.0 + 0.0005); // near a tie
    }
    char field[32];
    for (const char* format : {"%10.3lf", "%10.4lf", "%10.0lf", "%10.1lf", "%8.2f", "%10.9lf"}) {
        for (double value : values) {
            char* end = WriteDoubleField(field, value, format);
            ASSERT_EQ(end, field + 10);
            EXPECT_EQ(std::string(field), PrintedField(format, value, 10)) << format << ' ' << value;
        }
    }
    for (int value : {0, 7, -1, -9999, -10000, 99999, 100000, 12345, -123, 2147483647, -2147483647}) {
        char text[32];
        std::snprintf(text, sizeof text, "%5d", value);
        WriteIntField(field, value);
        EXPECT_EQ(std::string(field), std::string(text).size() > 5 ? "*****" : text) << value;
    }
}

TEST(RecordFields, BlankRealIsUnsetAndUnsetWritesBlank) {
    double value = 0;
    ReadDoubleField("          ", value);
    EXPECT_TRUE(IsUnsetDouble(value));
    ReadDoubleField("     abcde", value);
    EXPECT_TRUE(IsUnsetDouble(value));
    // Forms that scan as numbers but place nothing read as no number.
    for (const char* field : {"       nan", "       inf", "      -inf", "  infinity", "     1e999"}) {
        ReadDoubleField(field, value);
        EXPECT_TRUE(IsUnsetDouble(value)) << field;
    }
    char buffer[32];
    char* end = WriteDoubleField(buffer, kUnsetDouble, "%10.3lf");
    EXPECT_STREQ(buffer, "          ");
    EXPECT_EQ(end, buffer + 10);
    WriteDoubleField(buffer, 0.0, "%10.3lf");
    EXPECT_STREQ(buffer, "     0.000");
    WriteDoubleField(buffer, 1.5, "%10.4lf");
    EXPECT_STREQ(buffer, "    1.5000");
}

TEST(RecordFields, UnsetDoubleIsRecognisedByBitPatternOnly) {
    EXPECT_TRUE(IsUnsetDouble(1.1754943508222875e-38));
    EXPECT_FALSE(IsUnsetDouble(1.1754943508222874e-38));
    EXPECT_FALSE(IsUnsetDouble(0.0));
}

TEST(RecordFields, WideValuesNeverShiftTheNextField) {
    char buffer[32];
    char* pos = WriteIntField(buffer, 123456);
    pos = WriteIntField(pos, 7);
    EXPECT_STREQ(buffer, "*****    7");
    pos = WriteDoubleField(buffer, 12345678.9, "%10.3lf");
    WriteIntField(pos, 1);
    EXPECT_STREQ(buffer, "**********    1");
    int back = 0;
    ReadIntField("*****", back);
    EXPECT_EQ(back, kUnsetInt);
    WriteIntField(buffer, kUnsetInt);
    EXPECT_STREQ(buffer, "     ");
    WriteIntField(buffer, -9999);
    EXPECT_STREQ(buffer, "-9999");
}

TEST(RecordFields, FindKeywordComparesUpToTheKeywordsEndOrBlank) {
    EXPECT_EQ(FindKeyword("NODE", kRecordKeywords, kRecordKeywordCount), 2);
    EXPECT_EQ(FindKeyword("TITLE     abc", kRecordKeywords, kRecordKeywordCount), 1);
    EXPECT_EQ(FindKeyword("BOUND", kRecordKeywords, kRecordKeywordCount), 5);
    EXPECT_EQ(FindKeyword("    1    2", kRecordKeywords, kRecordKeywordCount), 0);
    EXPECT_EQ(FindKeyword("NOD", kRecordKeywords, kRecordKeywordCount), 0);
    const char* padded[] = {"TITLE     "};
    EXPECT_EQ(FindKeyword("TITLE", padded, 1), 1);
    EXPECT_EQ(FindKeyword("", kRecordKeywords, kRecordKeywordCount), 0);
}

TEST(StandardColors, TableLookupBothWays) {
    CString name;
    EXPECT_EQ(GetStandardColor(9, &name), 0x0000FFu);
    EXPECT_EQ(name, CString(u8"赤"));
    CString untouched("keep");
    EXPECT_EQ(GetStandardColor(16, &untouched), 0u);
    EXPECT_EQ(untouched, "keep");
    EXPECT_EQ(GetStandardColor(-1), 0u);
    EXPECT_EQ(FindStandardColor(0xFFFFFF), 15);
    EXPECT_EQ(FindStandardColor(0x123456), -1);
    EXPECT_EQ(GetStandardColor(7, &name, StandardColorOrder::Plot), 0xC0C0C0u);
    EXPECT_EQ(name, CString(u8"銀"));
    EXPECT_EQ(FindStandardColor(0x808080, StandardColorOrder::Plot), 8);
}
