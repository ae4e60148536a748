#include "testsupport/FileBytes.h"
#include "testsupport/Fixtures.h"

#include "common/records/MeasurementFile.h"
#include "common/records/RecordFields.h"

#include <bit>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

using platform::IsUnsetDouble;
using platform::kUnsetInt;
using platform::Utf8;

namespace {

std::string DataFile(const char* name) {
    return std::string(VERRANT_TEST_DATA_DIR) + "/" + name;
}

} // namespace

class MeasurementFileTest : public testsupport::TempDirTest {};

TEST_F(MeasurementFileTest, TwoDimensionalFileReadsAndWritesBackByteForByte) {
    MeasurementFileData data;
    ASSERT_EQ(ReadMeasurementFile(DataFile("two_dimensional.dis").c_str(), data),
              MeasurementReadResult::Read);
    EXPECT_EQ(data.title, CString(u8"計測変位 A-A'"));
    EXPECT_TRUE(data.hasAngleLine);
    EXPECT_TRUE(IsUnsetDouble(data.angle));
    ASSERT_EQ(data.dates.size(), 3u);
    EXPECT_EQ(data.dates[0], (ReadingDate{2006, 4, 1, kUnsetInt, kUnsetInt}));
    ASSERT_EQ(data.blocks.size(), 2u);
    const MeasurementBlock& first = data.blocks[0];
    EXPECT_EQ(first.columnFlag, 0);
    EXPECT_FALSE(first.HasFourValues());
    EXPECT_EQ(first.number, kUnsetInt);
    EXPECT_EQ(first.name, "No.K1");
    ASSERT_EQ(first.rows.size(), 3u);
    EXPECT_EQ(first.rows[1][0], 12.5);
    EXPECT_EQ(first.rows[1][1], -3.25);
    EXPECT_TRUE(IsUnsetDouble(first.rows[2][0])); // a line of blanks
    EXPECT_TRUE(IsUnsetDouble(first.rows[1][2]));
    EXPECT_EQ(data.blocks[1].name, CString(u8"計測点2"));
    EXPECT_EQ(sink_.MessageCount(), 0);

    ASSERT_TRUE(WriteMeasurementFile(Path("out.dis").c_str(), data));
    EXPECT_EQ(testsupport::ReadBytes(Path("out.dis")),
              testsupport::ReadBytes(DataFile("two_dimensional.dis")));
}

TEST_F(MeasurementFileTest, NoAngleLineShortTitleAndHeadersWithoutFlag) {
    MeasurementFileData data;
    ASSERT_EQ(ReadMeasurementFile(DataFile("three_dimensional_no_angle.dis").c_str(), data),
              MeasurementReadResult::Read);
    EXPECT_EQ(data.title, "three");
    EXPECT_FALSE(data.hasAngleLine);
    EXPECT_EQ(data.dates[0], (ReadingDate{2006, 4, kUnsetInt, kUnsetInt, kUnsetInt}));
    ASSERT_EQ(data.blocks.size(), 2u); // the comment line between dates and blocks is skipped
    EXPECT_EQ(data.blocks[0].number, 7);
    EXPECT_EQ(data.blocks[0].columnFlag, 1);
    EXPECT_EQ(data.blocks[0].rows[0][3], 4.0);
    EXPECT_EQ(data.blocks[1].columnFlag, kUnsetInt); // "DISP" alone: four values a line
    EXPECT_TRUE(data.blocks[1].HasFourValues());
    EXPECT_TRUE(data.blocks[1].name.IsEmpty());
}

TEST_F(MeasurementFileTest, WrongTagShowsBothMessagesAndTakesNothing) {
    MeasurementFileData data;
    EXPECT_EQ(ReadMeasurementFile(DataFile("wrong_tag.dis").c_str(), data), MeasurementReadResult::WrongTag);
    EXPECT_EQ(sink_.MessagesUtf8(),
              (std::vector<std::string>{Utf8(u8"計測変位ﾃﾞｰﾀﾌｧｲﾙの形式が変わりましたので新規作成して下さい"),
                                        Utf8(u8"計測変位ﾃﾞｰﾀﾌｧｲﾙの形式エラーのため、読み込みできません")}));
    EXPECT_TRUE(data.title.IsEmpty());
}

TEST_F(MeasurementFileTest, MissingDateLineIsLeftToTheCaller) {
    MeasurementFileData data;
    EXPECT_EQ(ReadMeasurementFile(DataFile("missing_date_line.dis").c_str(), data),
              MeasurementReadResult::NoDateLine);
    EXPECT_EQ(data.angle, 30.0);
    EXPECT_EQ(sink_.MessageCount(), 0);
}

TEST_F(MeasurementFileTest, TruncatedBlockIsDroppedAfterThePrematureEndMessage) {
    MeasurementFileData data;
    EXPECT_EQ(ReadMeasurementFile(DataFile("truncated_in_block.dis").c_str(), data),
              MeasurementReadResult::EndedEarly);
    EXPECT_EQ(data.dates.size(), 3u);
    EXPECT_EQ(data.blocks.size(), 1u);
    EXPECT_EQ(sink_.LastMessageUtf8(), Utf8(u8"ﾌｧｲﾙが途中で終了しているため、読み込みできません"));
}

TEST_F(MeasurementFileTest, MissingAndEmptyFiles) {
    MeasurementFileData data;
    EXPECT_EQ(ReadMeasurementFile(Path("none.dis").c_str(), data), MeasurementReadResult::OpenFailed);
    testsupport::WriteBytes(Path("empty.dis"), "");
    EXPECT_EQ(ReadMeasurementFile(Path("empty.dis").c_str(), data), MeasurementReadResult::EndedEarly);
}

TEST_F(MeasurementFileTest, WriterCutsRowsToTheDatesAndWritesThreeDimensionalBlocks) {
    MeasurementFileData data;
    data.title = CString(u8"三次元");
    data.angle = -12.5;
    data.dates = {ReadingDate{2026, 1, 2, 3, 4}};
    MeasurementBlock block;
    block.columnFlag = 1;
    block.name = "P1";
    block.rows = {MeasurementRow{0.0, 1.0, 2.0, platform::kUnsetDouble}, MeasurementRow{9, 9, 9, 9}};
    data.blocks.push_back(block);
    ASSERT_TRUE(WriteMeasurementFile(Path("three.dis").c_str(), data));
    std::string expected = std::string("TITLE     ") + "\x8E\x4F\x8E\x9F\x8C\xB3" + std::string(44, ' ') +
                           "GOLMIR001\r\n"
                           "ANGLE        -12.500\r\n"
                           "DATE\r\n"
                           "2026,1,2,3,4\r\n"
                           "DISP          1P1\r\n"
                           "      0.00      1.00      2.00          \r\n"
                           "END\r\n";
    EXPECT_EQ(testsupport::ReadBytes(Path("three.dis")), expected);
}

// Value lines of the plain form the files are written in, a thousand of them with up to
// fifteen digits: each value is the one the general field reading gives, bit for bit (the
// sign of a negative zero too), and every line counts as taken whole; text after the fields
// still marks its line.
TEST_F(MeasurementFileTest, PlainValuesReadAsTheGeneralFieldReadingReadsThem) {
    std::vector<std::string> fields = {"     -0.00", "      0.00", "9999999.99", "-999999.99", "   0.12345",
                                       "         7", "        -7", "1234567890", "-0.0000001", "  12.5    "};
    std::uint64_t state = 12345;
    const auto next = [&state] {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        return state >> 33;
    };
    while (fields.size() < 1000) {
        const int places = static_cast<int>(next() % 8);
        const double value = (static_cast<double>(next() % 200000000) - 100000000.0) / 1000.0;
        char text[64];
        std::snprintf(text, sizeof text, "%10.*f", places, value);
        if (std::strlen(text) == 10) {
            fields.emplace_back(text);
        }
    }
    std::string file = "TITLE     T                                                 GOLMIR001\r\n"
                       "DATE\r\n2006,4,1,-1,-1\r\nDISP          0K1\r\n";
    for (std::size_t i = 0; i + 1 < fields.size(); i += 2) {
        file += fields[i] + fields[i + 1] + "\r\n";
    }
    file += "END\r\n";
    testsupport::WriteBytes(dir_.File("plain.dis"), file);
    MeasurementFileData data;
    ASSERT_EQ(ReadMeasurementFile(dir_.File("plain.dis").c_str(), data), MeasurementReadResult::Read);
    EXPECT_EQ(data.unreadLine, 0);
    ASSERT_EQ(data.blocks.size(), 1u);
    ASSERT_EQ(data.blocks[0].rows.size(), fields.size() / 2);
    for (std::size_t i = 0; i < fields.size(); ++i) {
        double expected = 0;
        ReadDoubleField(fields[i].c_str(), expected);
        const double read = data.blocks[0].rows[i / 2][i % 2];
        EXPECT_EQ(std::bit_cast<std::uint64_t>(read), std::bit_cast<std::uint64_t>(expected)) << fields[i];
    }

    testsupport::WriteBytes(dir_.File("trailing.dis"),
                            "TITLE     T                                                 GOLMIR001\r\n"
                            "DATE\r\n2006,4,1,-1,-1\r\nDISP          0K1\r\n"
                            "      1.00      2.00\r\n      1.00      2.00 x\r\nEND\r\n");
    ASSERT_EQ(ReadMeasurementFile(dir_.File("trailing.dis").c_str(), data), MeasurementReadResult::Read);
    EXPECT_EQ(data.unreadLine, 6);
}
