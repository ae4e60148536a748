// The table editor's files: the measurement file read and written back byte for byte, the
// forms of its blocks, what the analysis program reads of a written file, bad files, the
// section model's measurement points and the command line.

#include "measurement_table/core/CMeasurementDocument.h"
#include "measurement_table/core/CommandLine.h"

#include "analysis/core/CBlockDoc.h"
#include "analysis/core/CDispData.h"
#include "platform/core/CException.h"
#include "platform/core/CodePage.h"
#include "platform/core/Unset.h"
#include "testsupport/ChildProcess.h"
#include "testsupport/DamagedTextFile.h"
#include "testsupport/FileBytes.h"
#include "testsupport/Fixtures.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;
using platform::IsUnsetDouble;
using platform::Utf8;
using quilmo::CDispData;
using quilmo::CMeasurementDocument;

const fs::path kSample = fs::path(VERRANT_SOURCE_DIR) / "data";

std::string Lines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += platform::Utf8ToCp932(line) + "\r\n";
    }
    return text;
}

std::string Title(const std::string& title = "t") {
    std::string line = "TITLE     " + title;
    return line + std::string(60 - line.size(), ' ') + "GOLMIR001";
}

class MeasurementFileTest : public testsupport::TempDirTest {
protected:
    bool Read(const std::vector<std::string>& lines) {
        testsupport::WriteBytes(Path("m.dis"), Lines(lines));
        return doc_.ReadDisFile(Path("m.dis").c_str());
    }
    CMeasurementDocument doc_;
};

TEST_F(MeasurementFileTest, SampleIsWrittenBackByteForByte) {
    ASSERT_TRUE(doc_.ReadDisFile((kSample / "sample.dis").c_str()));
    ASSERT_TRUE(doc_.WriteDisFile(Path("out.dis").c_str()));
    EXPECT_EQ(testsupport::ReadBytes(Path("out.dis")), testsupport::ReadBytes(kSample / "sample.dis"));
}

TEST_F(MeasurementFileTest, ThreeDimensionalFileKeepsItsColumnsAndTwoDimensionalBlocksAreConverted) {
    ASSERT_TRUE(
        Read({Title(), "ANGLE         30.000", "DATE", "2006,4,1,-1,-1", "2006,4", "DISP          1P1",
              "      1.00      2.00      3.00      4.00", "                              -5.00",
              "DISP          0P2", "      7.00      8.00", "END"}));
    ASSERT_EQ(doc_.Dimension(), 1);
    ASSERT_EQ(doc_.m_points.size(), 2U);
    const CDispData& p1 = *doc_.m_points[0];
    EXPECT_EQ(p1.Value(CDispData::kDx, 0), 3.0);
    EXPECT_EQ(p1.Value(CDispData::kDy, 0), 4.0);
    EXPECT_EQ(p1.Value(CDispData::kDs, 0), 1.0);
    EXPECT_EQ(p1.Value(CDispData::kDz, 0), 2.0);
    EXPECT_EQ(p1.Value(CDispData::kDy, 1), -5.0);
    // A two-dimensional block under an angle: ds and dz stay ds and dz.
    const CDispData& p2 = *doc_.m_points[1];
    EXPECT_EQ(p2.Flag(), 1);
    EXPECT_TRUE(IsUnsetDouble(p2.Value(CDispData::kDx, 0)));
    EXPECT_EQ(p2.Value(CDispData::kDs, 0), 7.0);
    EXPECT_EQ(p2.Value(CDispData::kDz, 0), 8.0);
    ASSERT_TRUE(doc_.WriteDisFile(Path("out.dis").c_str()));
    EXPECT_EQ(testsupport::ReadBytes(Path("out.dis")),
              Lines({Title(), "ANGLE         30.000", "DATE", "2006,4,1,-1,-1", "2006,4,-1,-1,-1",
                     "DISP          1P1", "      1.00      2.00      3.00      4.00",
                     "                                   -5.00", "DISP          1P2",
                     "      7.00      8.00                    ", "END"}));
}

TEST_F(MeasurementFileTest, TwoDimensionalFileDropsTheHorizontalComponentsOfAFourValueBlock) {
    ASSERT_TRUE(Read({Title(), "ANGLE", "DATE", "2006,4,1,0,0", "DISP          1P1",
                      "      1.00      2.00      3.00      4.00", "END"}));
    ASSERT_EQ(doc_.Dimension(), 0);
    EXPECT_EQ(doc_.m_points[0]->Flag(), 0);
    EXPECT_EQ(doc_.m_points[0]->Value(0, 0), 1.0);
    EXPECT_EQ(doc_.m_points[0]->Value(1, 0), 2.0);
}

TEST_F(MeasurementFileTest, TheAnalysisProgramReadsAWrittenFile) {
    doc_.m_dataTitle = CString(u8"計測 2026");
    doc_.m_dates = {{2026, 4, 10, 10, 0}, {2026, 6, 12, 14, 30}};
    auto point = std::make_unique<CDispData>(0, CString(u8"計測点1"), 2);
    point->SetValue(0, 1, 12.5);
    point->SetValue(1, 1, -3.25);
    doc_.m_points.push_back(std::move(point));
    ASSERT_TRUE(doc_.WriteDisFile(Path("new.dis").c_str()));

    torvan::CBlockDoc analysis;
    ASSERT_EQ(analysis.ReadSecFile((kSample / "sample.sec").c_str()), 1);
    ASSERT_EQ(analysis.ReadDisFile(Path("new.dis").c_str()), 1);
    ASSERT_EQ(analysis.ReadingDates().size(), 2U);
    CObject* object = nullptr;
    ASSERT_TRUE(analysis.Displacements().Lookup(0, object));
    auto* disp = static_cast<torvan::CDispData*>(object);
    EXPECT_DOUBLE_EQ(disp->col1[1], 0.0125);
    EXPECT_DOUBLE_EQ(disp->col2[1], -0.00325);
}

// A whole file followed by damage (a NUL byte, NULs to 2 GB, a line over 64 KiB) stops at
// it: both programs tell it as damaged, neither takes it as the shorter file before it; a
// value line the analysis reads on over does not hide the damage from it.
TEST_F(MeasurementFileTest, BothProgramsRefuseAFileThatStopsAtDamageAfterItsEnd) {
    const std::string sample = testsupport::ReadBytes(kSample / "sample.dis");
    std::string unreadValue = sample;
    unreadValue.replace(unreadValue.find("      8.74"), 10, "      8.7A");
    struct Case {
        testsupport::DamagedTextFile file;
        int unreadLine; // the first line the table editor names
    };
    std::vector<Case> cases;
    for (auto& damaged : testsupport::DamagedTextFiles(sample, "")) {
        cases.push_back({std::move(damaged), 49});
    }
    cases.push_back({{"one NUL byte after END", sample + '\0', 0}, 49});
    cases.push_back({{"a value not read whole, one NUL byte after END", unreadValue + '\0', 0}, 10});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file.name);
        testsupport::WriteDamagedTextFile(Path("m.dis"), c.file);
        sink_.Clear();
        EXPECT_FALSE(doc_.ReadDisFile(Path("m.dis").c_str()));
        EXPECT_EQ(sink_.LastMessageUtf8(), Utf8(u8"計測変位ﾃﾞｰﾀﾌｧｲﾙの") + std::to_string(c.unreadLine) +
                                               Utf8(u8"行目が読み込めないため、開けません\n") +
                                               Path("m.dis"));
        torvan::CBlockDoc analysis;
        ASSERT_EQ(analysis.ReadSecFile((kSample / "sample.sec").c_str()), 1);
        EXPECT_THROW(analysis.ReadDisFile(Path("m.dis").c_str()), CUserException);
        EXPECT_EQ(sink_.LastMessageUtf8(), Utf8(u8"ファイル読み込みエラーです。\n") + Path("m.dis"));
        EXPECT_TRUE(analysis.Displacements().IsEmpty());
    }
}

TEST_F(MeasurementFileTest, BadFilesAreRefusedWithTheirMessages) {
    struct Case {
        std::vector<std::string> lines;
        bool accepted;
        std::string lastMessage;
    };
    const std::string cut = Utf8(u8"ﾌｧｲﾙが途中で終了しているため、読み込みできません");
    const Case cases[] = {
        {{"TITLE     t" + std::string(50, ' ') + "GOLMIR002", "DATE", "END"},
         false,
         Utf8(u8"計測変位ﾃﾞｰﾀﾌｧｲﾙの形式エラーのため、読み込みできません")},
        {{Title(), "ANGLE", "2006,4,1,0,0", "END"}, false, Utf8(u8"ファイル読み込みエラーです。")},
        {{Title(), "DATE"}, false, cut},
        // Cut short after a date: the table would write the cut block back empty.
        {{Title(), "DATE", "2006,4,1,0,0", "DISP          0P1", "      1.00"}, false, cut},
    };
    for (const Case& c : cases) {
        sink_.Clear();
        EXPECT_EQ(Read(c.lines), c.accepted) << c.lines[1];
        EXPECT_EQ(sink_.LastMessageUtf8(), c.lastMessage) << c.lines[1];
    }
    EXPECT_TRUE(doc_.m_points.empty()); // a block cut short is not kept
}

// What the table writes back is what it read: a file with anything the reader could not
// take would lose it, so it is refused with the line that did not read.
TEST_F(MeasurementFileTest, OnlyAFileReadWholeIsTaken) {
    const std::string sample = testsupport::ReadBytes(kSample / "sample.dis");
    auto replaced = [&sample](const std::string& from, const std::string& to) {
        std::string bytes = sample;
        bytes.replace(bytes.find(from), from.size(), to);
        return bytes;
    };
    struct Case {
        const char* what;
        std::string bytes;
        int badLine; // 0: accepted
    };
    const Case cases[] = {
        {"cut after 300 bytes", sample.substr(0, 300), -1},
        {"date in another form", replaced("2026,6,12,14,30", "2026/6/12 14:30"), 5},
        {"date part left empty", replaced("2026,6,12,14,30", "2026,,12,14,30"), 5},
        {"letter in a value", replaced("      8.74", "      8.7A"), 10},
        {"decimal comma", replaced("      8.74", "      8,74"), 10},
        {"third value on a two-value line", replaced("    -13.34", "    -13.34      1.00"), 10},
        {"line of another record between blocks",
         replaced("     39.64    -34.06\r\n", "     39.64    -34.06\r\nNOTE moved\r\n"), 18},
        {"text after END", sample + "DISP          0X\r\n      1.00      2.00\r\n", 49},
        {"zeroed block", replaced("     17.49    -26.68", std::string(20, '\0')), 11},
        {"binary bytes", replaced("     24.99    -38.11", "\x89PNG\x1a\xff\xfe\x01\x02"), 12},
        {"blank lines, signs, exponents, end-of-file mark",
         replaced("      8.74    -13.34", "     +8.74  -1.334e1") + "\r\n\x1a", 0},
    };
    for (const Case& c : cases) {
        sink_.Clear();
        testsupport::WriteBytes(Path("m.dis"), c.bytes);
        EXPECT_EQ(doc_.ReadDisFile(Path("m.dis").c_str()), c.badLine == 0) << c.what;
        if (c.badLine > 0) {
            EXPECT_EQ(sink_.LastMessageUtf8(), Utf8(u8"計測変位ﾃﾞｰﾀﾌｧｲﾙの") + std::to_string(c.badLine) +
                                                   Utf8(u8"行目が読み込めないため、開けません\n") +
                                                   Path("m.dis"))
                << c.what;
        } else if (c.badLine < 0) {
            EXPECT_EQ(sink_.LastMessageUtf8(), Utf8(u8"ﾌｧｲﾙが途中で終了しているため、読み込みできません"))
                << c.what;
        } else {
            EXPECT_EQ(sink_.MessageCount(), 0) << c.what;
            EXPECT_EQ(doc_.m_points[0]->Value(0, 1), 8.74);
        }
    }
}

// Whole lines, then NUL bytes to 2 GB or a line over 64 KiB: the file is refused with that
// line as the one that does not read, and nothing after it is read.
TEST_F(MeasurementFileTest, AFileThatTurnsToNulsOrAnOverlongLineIsRefusedAtThatLine) {
    const std::string sample = testsupport::ReadBytes(kSample / "sample.dis");
    const std::size_t turn = sample.find("DISP          0");
    const int turnLine = static_cast<int>(std::count(sample.begin(), sample.begin() + turn, '\n')) + 1;
    for (const auto& damaged : testsupport::DamagedTextFiles(sample.substr(0, turn), sample.substr(turn))) {
        SCOPED_TRACE(damaged.name);
        testsupport::WriteDamagedTextFile(Path("m.dis"), damaged);
        sink_.Clear();
        const long long before = testsupport::BytesReadByProcess();
        EXPECT_FALSE(doc_.ReadDisFile(Path("m.dis").c_str()));
        EXPECT_LT(testsupport::BytesReadByProcess() - before, 1LL << 20) << "bytes read";
        EXPECT_EQ(sink_.MessagesUtf8(),
                  std::vector<std::string>{Utf8(u8"計測変位ﾃﾞｰﾀﾌｧｲﾙの") + std::to_string(turnLine) +
                                           Utf8(u8"行目が読み込めないため、開けません\n") + Path("m.dis")});
        EXPECT_TRUE(doc_.m_points.empty());
    }
}

TEST_F(MeasurementFileTest, FailedWriteLeavesTheOldFile) {
    ASSERT_TRUE(Read({Title("old"), "DATE", "END"}));
    const std::string before = testsupport::ReadBytes(Path("m.dis"));
    doc_.m_dates.assign(2000, {2006, 4, 1, 0, 0});
    const int status = testsupport::RunInChildWithFileSizeLimit(
        4096, [&] { return doc_.WriteDisFile(Path("m.dis").c_str()) ? 0 : 1; });
    EXPECT_EQ(status, 1);
    EXPECT_EQ(testsupport::ReadBytes(Path("m.dis")), before);
}

TEST_F(MeasurementFileTest, SectionModelPointsGiveTheColumnsAfterTheStoredSeries) {
    std::vector<std::string> lines = {"TITLE     s", "MSIZE          0.000   150.000    40.000   110.000",
                                      "NODE"};
    for (int n = 1; n <= 1200; ++n) {
        char line[40];
        std::snprintf(line, sizeof line, "%5d    0%10.3f%10.3f", n, n * 0.1, 100.0);
        lines.emplace_back(line);
    }
    lines.push_back("SITE");
    lines.push_back("    1    1    10.000   100.000     A");
    lines.push_back("    2    1    20.000   100.000     B");
    lines.push_back("    5    1    30.000   100.000     C");
    lines.push_back("LINE");
    // One ground-line run of 1200 numbers: ten a line, the last line shorter.
    for (int first = 1; first <= 1200; first += 10) {
        std::string line;
        for (int n = first; n < first + 10 && n <= 1200; ++n) {
            char field[8];
            std::snprintf(field, sizeof field, "%5d", n);
            line += field;
        }
        lines.push_back(line);
    }
    lines.emplace_back("    1"); // the last line was full: the run goes on back to point 1
    lines.emplace_back("END");
    testsupport::WriteBytes(Path("s.sec"), Lines(lines));
    ASSERT_TRUE(doc_.ReadSecFile(Path("s.sec").c_str()));
    EXPECT_EQ(doc_.m_lines.size(), 1200U);
    doc_.m_dates = {{2006, 4, 1, 0, 0}, {2006, 5, 1, 0, 0}};
    doc_.m_points.push_back(std::make_unique<CDispData>(0, CString("B"), 2));
    doc_.m_points.push_back(std::make_unique<CDispData>(0, CString("Z"), 2));
    doc_.MatchPoints(0);
    std::vector<std::string> names;
    for (const auto& point : doc_.m_points) {
        names.emplace_back(point->Name().GetString());
    }
    EXPECT_EQ(names, (std::vector<std::string>{"B", "Z", "A", "C"}));
    EXPECT_EQ(doc_.m_points[3]->Count(), 2);
}

TEST(DispDataTest, RowsAreDeletedAndInsertedInEveryArray) {
    CDispData point(1, CString("P"), 3);
    for (int row = 0; row < 3; ++row) {
        point.SetValue(CDispData::kDz, row, row + 1.0);
    }
    point.DeleteRows(3, 1);
    EXPECT_EQ(point.Count(), 3);
    point.InsertRows(0, 2);
    EXPECT_EQ(point.Count(), 5);
    EXPECT_TRUE(IsUnsetDouble(point.Value(CDispData::kDz, 1)));
    EXPECT_EQ(point.Value(CDispData::kDz, 2), 1.0);
    EXPECT_EQ(point.GetLastValueRow(), 5);
    point.DeleteRows(0, 5);
    EXPECT_EQ(point.Count(), 0);
    EXPECT_EQ(point.GetLastValueRow(), 0);
}

TEST(CommandLineTest, AMeasurementNameFirstAndASectionNameAfterIt) {
    struct Case {
        std::vector<CString> args;
        bool newFile;
        const char* measurement;
        const char* section;
    };
    // Quotes, the new-file mark and the extension rule are the child-side reader's; the
    // table editor takes a ".dis" name first and a ".sec" name after it, skipping empty ones.
    const Case cases[] = {
        {{"@", "data/new.dis"}, true, "data/new.dis", ""},
        {{"a.dis", "", "s.sec"}, false, "a.dis", "s.sec"},
        {{"a.sec", "b.dis"}, false, "", ""},
    };
    for (const Case& c : cases) {
        const quilmo::CommandLineNames names = quilmo::ParseCommandLine(c.args);
        const std::string context = c.args.empty() ? "(none)" : c.args[0].GetString();
        EXPECT_EQ(names.newFile, c.newFile) << context;
        EXPECT_STREQ(names.measurement.GetString(), c.measurement) << context;
        EXPECT_STREQ(names.section.GetString(), c.section) << context;
    }
}

} // namespace
