#include "testsupport/FileBytes.h"
#include "testsupport/Fixtures.h"

#include "common/records/SectionModelFile.h"
#include "platform/core/Unset.h"

using platform::Utf8;

namespace {

std::string DataFile(const char* name) {
    return std::string(VERRANT_TEST_DATA_DIR) + "/" + name;
}

struct RecordingHandler : SectionModelHandler {
    void OnTitle(const CString& text) override { title = text; }
    void OnModelSize(const double values[4]) override { size.assign(values, values + 4); }
    bool OnPoint(SectionKeyword section, const char* line) override {
        points.emplace_back(static_cast<int>(section), std::string(line));
        return static_cast<int>(points.size()) <= pointLimit;
    }
    bool OnLineRun(const std::vector<int>& numbers) override {
        runs.push_back(numbers);
        return true;
    }
    CString title;
    std::vector<double> size;
    std::vector<std::pair<int, std::string>> points;
    std::vector<std::vector<int>> runs;
    int pointLimit = 1000;
};

} // namespace

class SectionModelFileTest : public testsupport::TempDirTest {};

TEST_F(SectionModelFileTest, SectionsInAnyOrderRunsOfTenAndSkippedLines) {
    RecordingHandler handler;
    ASSERT_EQ(ReadSectionModelFile(DataFile("sections_any_order.sec").c_str(), handler),
              SectionReadResult::Read);
    EXPECT_EQ(handler.title, CString(u8"断面"));
    ASSERT_EQ(handler.size.size(), 4u);
    EXPECT_EQ(handler.size[1], 100.0);
    EXPECT_TRUE(platform::IsUnsetDouble(handler.size[2]));
    // A run of exactly ten followed by a blank line ends after the ten; then two more runs.
    // "13 14 15" is a third run: the list after a short line starts anew.
    ASSERT_EQ(handler.runs.size(), 3u);
    EXPECT_EQ(handler.runs[0].size(), 10u);
    EXPECT_EQ(handler.runs[1], (std::vector<int>{11, 12}));
    EXPECT_EQ(handler.runs[2], (std::vector<int>{13, 14, 15}));
    ASSERT_EQ(handler.points.size(), 4u); // BSURF is not a section without the option
    EXPECT_EQ(handler.points[0].first, static_cast<int>(SectionKeyword::Site));
    EXPECT_EQ(handler.points[1].first, static_cast<int>(SectionKeyword::Node));
    EXPECT_EQ(handler.points[3].second, "    2    1    30.000    20.000     No.K2");
    EXPECT_EQ(sink_.MessageCount(), 0);
}

TEST_F(SectionModelFileTest, ExtraKeywordReadsAsAPointSection) {
    RecordingHandler handler;
    SectionReadOptions options;
    options.extraPointKeyword = "BSURF";
    ASSERT_EQ(ReadSectionModelFile(DataFile("sections_any_order.sec").c_str(), handler, options),
              SectionReadResult::Read);
    ASSERT_EQ(handler.points.size(), 5u);
    EXPECT_EQ(handler.points[3].first, static_cast<int>(SectionKeyword::Extra));
}

TEST_F(SectionModelFileTest, TheSampleDataSetReads) {
    RecordingHandler handler;
    std::string sample = std::string(VERRANT_SOURCE_DIR) + "/data/sample.sec";
    ASSERT_EQ(ReadSectionModelFile(sample.c_str(), handler), SectionReadResult::Read);
    EXPECT_EQ(handler.points.size(), 45u + 8u + 2u);
    ASSERT_EQ(handler.runs.size(), 1u);
    EXPECT_EQ(handler.runs[0].size(), 45u);
}

TEST_F(SectionModelFileTest, HandlerStopsAtItsLimit) {
    RecordingHandler handler;
    handler.pointLimit = 2;
    EXPECT_EQ(ReadSectionModelFile(DataFile("sections_any_order.sec").c_str(), handler),
              SectionReadResult::Stopped);
    EXPECT_EQ(handler.points.size(), 3u);
}

TEST_F(SectionModelFileTest, FormatFaults) {
    RecordingHandler handler;
    testsupport::WriteBytes(Path("tag.sec"),
                            "TITLE     x" + std::string(49, ' ') + "MERDOK002\r\nMSIZE\r\nEND\r\n");
    EXPECT_EQ(ReadSectionModelFile(Path("tag.sec").c_str(), handler), SectionReadResult::WrongTag);
    EXPECT_EQ(sink_.MessagesUtf8(),
              (std::vector<std::string>{Utf8(u8"断面ﾃﾞｰﾀﾌｧｲﾙの形式が変わりましたので新規作成して下さい"),
                                        Utf8(u8"断面ﾃﾞｰﾀﾌｧｲﾙの形式エラーのため、読み込みできません")}));
    testsupport::WriteBytes(Path("nosize.sec"), "any first line\r\nNODE\r\nEND\r\n");
    EXPECT_EQ(ReadSectionModelFile(Path("nosize.sec").c_str(), handler), SectionReadResult::NoModelSize);
    EXPECT_EQ(handler.title, "line"); // a first line that is not a TITLE line is the title line
    sink_.Clear();
    testsupport::WriteBytes(Path("short.sec"),
                            "TITLE     t\r\nMSIZE\r\nNODE\r\n    1    0     1.000     2.000\r\n");
    EXPECT_EQ(ReadSectionModelFile(Path("short.sec").c_str(), handler), SectionReadResult::EndedEarly);
    EXPECT_EQ(sink_.LastMessageUtf8(), Utf8(u8"ﾌｧｲﾙが途中で終了しているため、読み込みできません"));
    testsupport::WriteBytes(Path("damaged end.sec"),
                            "TITLE     t\r\nMSIZE\r\nEND" + std::string(3, '\0') + "\r\n");
    EXPECT_EQ(ReadSectionModelFile(Path("damaged end.sec").c_str(), handler), SectionReadResult::ReadError);
    EXPECT_EQ(sink_.LastMessageUtf8(), Utf8(u8"ﾌｧｲﾙ読み込みｴﾗｰです"));
    EXPECT_EQ(ReadSectionModelFile(Path("missing.sec").c_str(), handler), SectionReadResult::OpenFailed);
}
