#include "SampleFilesTest.h"
#include "testsupport/DamagedTextFile.h"
#include "testsupport/FileBytes.h"

#include "analysis/core/AnalysisFileReader.h"
#include "analysis/core/BlockDivision.h"
#include "analysis/core/CDispData.h"
#include "analysis/core/CVerrant.h"
#include "platform/core/CFile.h"
#include "platform/core/Unset.h"

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

using section::PointKind;

namespace fs = std::filesystem;
using platform::Utf8;
using torvan::CDispData;
using torvan::CNode;
using torvan::CVerrant;

namespace {

// The first count lines of a text file, each with its line end.
std::string FirstLines(const std::string& text, int count) {
    std::size_t end = 0;
    for (int n = 0; n < count; ++n) {
        end = text.find('\n', end) + 1;
    }
    return text.substr(0, end);
}

} // namespace

class AnalysisFileTest : public SampleFilesTest {
protected:
    AnalysisFileTest() : SampleFilesTest("analysis") {}
    int Open(const std::string& name) { return ReadAnalysisFile(doc_, name); }
};

TEST_F(AnalysisFileTest, TheSampleLoadsAndIsWrittenBackByteForByte) {
    ASSERT_EQ(Open("sample.slo"), 1);
    EXPECT_EQ(sink_.MessageCount(), 0) << sink_.LastMessageUtf8();
    EXPECT_EQ(doc_.GroundPoints().GetCount(), 45);
    EXPECT_EQ(doc_.GroundLines().GetCount(), 44);
    EXPECT_EQ(doc_.GroundOrder().GetCount(), 45);
    EXPECT_EQ(doc_.MeasurementPoints().GetCount(), 8);
    EXPECT_EQ(doc_.Displacements().GetCount(), 8);
    EXPECT_EQ(doc_.ReadingDates().size(), 4u);
    EXPECT_EQ(doc_.BoundaryPoints().GetCount(), 2);
    EXPECT_EQ(doc_.Settings().m_nMethod, 0);
    EXPECT_EQ(doc_.Settings().m_dPhi, 25.0);
    EXPECT_EQ(doc_.Settings().m_dVectorScale, 0.02);
    auto* disp = static_cast<CDispData*>(doc_.Displacements()[0]);
    EXPECT_EQ(disp->name, CString(u8"計測点1"));
    EXPECT_FALSE(disp->IsUsable(0)); // the zero reference reading has no values
    EXPECT_DOUBLE_EQ(disp->col1[3], 0.02499);
    ASSERT_EQ(doc_.WriteSloFile((dir_ / "out.slo").c_str()), 1);
    EXPECT_EQ(testsupport::ReadBytes(dir_ / "out.slo"), testsupport::ReadBytes(dir_ / "sample.slo"));
}

TEST_F(AnalysisFileTest, SlipLinesWeightsAndExclusionsSurviveASaveAndReopen) {
    ASSERT_EQ(Open("sample.slo"), 1);
    auto* disp = static_cast<CDispData*>(doc_.Displacements()[2]);
    disp->readingUsed[2] = 0;
    disp->beta = 0.75;
    doc_.BlockLines().push_back({60.0, 90.0, 60.0, 40.0, 0.2});
    auto* slip = new CVerrant(1);
    slip->name = CString(u8"すべり線");
    slip->method = 0;
    slip->methodOption = 0;
    slip->boundary[0] = doc_.FindBoundaryPoint(PointKind::kLeftBoundary);
    slip->pointCount = 2;
    slip->x = {27.0, 134.0};
    slip->y = {80.0, 55.0};
    doc_.SlipLines().AddTail(slip);
    ASSERT_EQ(doc_.WriteSloFile((dir_ / "sample.slo").c_str()), 1);
    std::string first = testsupport::ReadBytes(dir_ / "sample.slo");

    torvan::CBlockDoc again;
    ASSERT_EQ(ReadAnalysisFile(again, "sample.slo"), 1);
    EXPECT_EQ(static_cast<CDispData*>(again.Displacements()[2])->readingUsed, (std::vector<int>{1, 1, 0, 1}));
    EXPECT_EQ(static_cast<CDispData*>(again.Displacements()[2])->beta, 0.75);
    ASSERT_EQ(again.SlipLines().GetCount(), 1);
    EXPECT_EQ(static_cast<CVerrant*>(again.SlipLines().GetHead())->boundary[0],
              again.FindBoundaryPoint(PointKind::kLeftBoundary));
    ASSERT_EQ(again.WriteSloFile((dir_ / "again.slo").c_str()), 1);
    EXPECT_EQ(testsupport::ReadBytes(dir_ / "again.slo"), first);
}

TEST_F(AnalysisFileTest, WrongTagAndMissingReferencesFailWithTheirMessages) {
    std::string text = testsupport::ReadBytes(dir_ / "sample.slo");
    std::string wrong = text;
    wrong.replace(wrong.find("TORVAN002"), 9, "TORVAN003");
    testsupport::WriteBytes(dir_ / "wrong.slo", wrong);
    EXPECT_EQ(Open("wrong.slo"), 0);
    EXPECT_EQ(sink_.LastMessageUtf8(), Utf8(u8"解析ﾌｧｲﾙの形式エラーのため、読み込みできません"));
    fs::remove(dir_ / "sample.sec");
    EXPECT_EQ(Open("sample.slo"), 0);
    EXPECT_EQ(sink_.MessageCount(), 2); // the open message of the missing section model
}

TEST_F(AnalysisFileTest, AKeywordOutOfOrderIsAReadError) {
    std::string text = testsupport::ReadBytes(dir_ / "sample.slo");
    text.replace(text.find("BLINE"), 5, "BLINX");
    testsupport::WriteBytes(dir_ / "bad.slo", text);
    EXPECT_EQ(Open("bad.slo"), 0);
    EXPECT_EQ(sink_.LastMessageUtf8(),
              Utf8(u8"ファイル読み込みエラーです。\n") + (dir_ / "bad.slo").string());
}

// A broken file stops at the line that broke it, and the reader says which and why.
TEST_F(AnalysisFileTest, TheReaderNamesTheLineItStoppedAt) {
    using torvan::AnalysisReadError;
    const std::string sample = testsupport::ReadBytes(dir_ / "sample.slo");
    struct Case {
        const char* what;
        std::string text;
        AnalysisReadError error;
        int line;
        const char* lineText;
    };
    auto replaced = [&](const char* from, const std::string& to) {
        std::string text = sample;
        text.replace(text.find(from), std::strlen(from), to);
        return text;
    };
    const Case cases[] = {
        {"tag", replaced("TORVAN002", "TORVAN003"), AnalysisReadError::kFormatTag, 1, "TITLE"},
        {"no SEFIL", replaced("SEFIL", "SEFIX"), AnalysisReadError::kMissingSection, 2,
         "SEFIX     sample.sec"},
        {"no BLINE", replaced("BLINE", "BLINX"), AnalysisReadError::kMissingSection, 6, "BLINX    0"},
        {"no QOBRE", replaced("QOBRE", "QOBRX"), AnalysisReadError::kMissingSection, 19, "QOBRX    0"},
        {"missing measurements", replaced("sample.dis", "absent.dis"), AnalysisReadError::kReferenceFile, 3,
         "DSFIL     absent.dis"},
        {"cut before EXCPT", sample.substr(0, sample.find("EXCPT")), AnalysisReadError::kEarlyEnd, 10, ""},
        {"empty", "", AnalysisReadError::kEarlyEnd, 1, ""},
        // The last line read holds a whole record, then the NUL that ends the reading.
        {"damaged QOBRE", replaced("QOBRE    0\r\n", std::string("QOBRE    0\0\r\n", 13)),
         AnalysisReadError::kReadFailure, 19, "QOBRE    0"},
    };
    for (const Case& c : cases) {
        testsupport::WriteBytes(dir_ / "broken.slo", c.text);
        torvan::CBlockDoc doc;
        const torvan::AnalysisReadResult result =
            torvan::AnalysisFileReader(doc).Read((dir_ / "broken.slo").c_str());
        EXPECT_EQ(result.error, c.error) << c.what;
        EXPECT_EQ(result.line, c.line) << c.what;
        EXPECT_EQ(std::string(result.text.Left(static_cast<int>(std::strlen(c.lineText)))), c.lineText)
            << c.what;
    }
}

// A file that ends early says so and opens nothing, wherever it ends.
TEST_F(AnalysisFileTest, AFileEndingEarlySaysSo) {
    const std::string text = testsupport::ReadBytes(dir_ / "sample.slo");
    struct Case {
        const char* endsBefore;
        int result;
    };
    for (const Case& c : {Case{"DSFIL", 0}, Case{"CALCF", 0}, Case{"EXCPT", 0}, Case{"QOBRE", 0}}) {
        testsupport::WriteBytes(dir_ / "short.slo", text.substr(0, text.find(c.endsBefore)));
        sink_.Clear();
        EXPECT_EQ(Open("short.slo"), c.result) << c.endsBefore;
        EXPECT_EQ(sink_.MessagesUtf8(),
                  std::vector<std::string>{Utf8(u8"ﾌｧｲﾙが途中で終了しているため、読み込みできません")})
            << c.endsBefore;
    }
}

// Even with its section model and measurements read, a cut file is not opened: saved again,
// it would lose its settings, boundary points and slip lines.
TEST_F(AnalysisFileTest, AFileEndingAfterItsReferencesOpensNothing) {
    std::string text = testsupport::ReadBytes(dir_ / "sample.slo");
    testsupport::WriteBytes(dir_ / "short.slo", text.substr(0, text.find("CALCF")));
    EXPECT_EQ(doc_.OnOpenDocument((dir_ / "short.slo").c_str()), 0);
    EXPECT_EQ(sink_.MessagesUtf8(),
              std::vector<std::string>{Utf8(u8"ﾌｧｲﾙが途中で終了しているため、読み込みできません")});
}

// The analysis file, its section model or its measurements with whole lines, then NUL bytes
// to 2 GB or a line over 64 KiB: each reader stops where the file turns, with the message it
// gives a file that ends there (the measurement reader stops quietly), and never reads the
// rest; the read error names the file that turned, and nothing opens.
TEST_F(AnalysisFileTest, AFileThatTurnsToNulsOrAnOverlongLineIsReadNoFurther) {
    const std::string premature = Utf8(u8"ﾌｧｲﾙが途中で終了しているため、読み込みできません");
    auto readError = [this](const char* file) {
        return Utf8(u8"ファイル読み込みエラーです。\n") + (dir_ / file).string();
    };
    struct Case {
        const char* file;
        const char* turnsAt; // the first line not whole
        std::vector<std::string> told;
    };
    const std::vector<Case> cases = {
        {"sample.slo", "BOUND", {readError("sample.slo")}},
        {"sample.sec", "SITE", {premature, readError("sample.sec")}},
        {"sample.dis", "DISP", {readError("sample.dis")}},
    };
    for (const Case& c : cases) {
        const std::string whole = testsupport::ReadBytes(dir_ / c.file);
        const std::size_t turn = whole.find(c.turnsAt);
        ASSERT_NE(turn, std::string::npos) << c.file;
        for (const auto& damaged : testsupport::DamagedTextFiles(whole.substr(0, turn), whole.substr(turn))) {
            SCOPED_TRACE(std::string(c.file) + ": " + damaged.name);
            testsupport::WriteDamagedTextFile(dir_ / c.file, damaged);
            sink_.Clear();
            torvan::CBlockDoc doc;
            const long long before = testsupport::BytesReadByProcess();
            EXPECT_EQ(ReadAnalysisFile(doc, "sample.slo"), 0);
            EXPECT_LT(testsupport::BytesReadByProcess() - before, 1LL << 20) << "bytes read";
            EXPECT_EQ(sink_.MessagesUtf8(), c.told);
        }
        testsupport::WriteBytes(dir_ / c.file, whole);
    }
}

// A section model or measurement file that ends before its end line or stops at damage (even
// after that line) opens no analysis: the user is told which file, and none of its records is
// kept, so that a run or a save never works on the part that was read.
TEST_F(AnalysisFileTest, AReferenceFileCutShortOrDamagedIsNamedAndOpensNothing) {
    const std::string dis = testsupport::ReadBytes(dir_ / "sample.dis");
    const std::string sec = testsupport::ReadBytes(dir_ / "sample.sec");
    const std::string secBeforeSite = sec.substr(0, sec.find("SITE"));
    constexpr std::uint64_t kTwoGigabytes = std::uint64_t{2} << 30;
    struct Case {
        const char* what;
        const char* file;
        testsupport::DamagedTextFile damaged;
    };
    const Case cases[] = {
        {"measurements: 26 of 48 lines", "sample.dis", {"", FirstLines(dis, 26), 0}},
        {"measurements: 26 lines, then NULs to 2 GB", "sample.dis", {"", FirstLines(dis, 26), kTwoGigabytes}},
        {"measurements: one NUL after END", "sample.dis", {"", dis + '\0', 0}},
        {"section model: cut before SITE", "sample.sec", {"", secBeforeSite, 0}},
        {"section model: cut before SITE, then NULs to 2 GB",
         "sample.sec",
         {"", secBeforeSite, kTwoGigabytes}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        testsupport::WriteDamagedTextFile(dir_ / c.file, c.damaged);
        sink_.Clear();
        torvan::CBlockDoc doc;
        EXPECT_EQ(doc.OnOpenDocument((dir_ / "sample.slo").c_str()), 0);
        EXPECT_EQ(sink_.LastMessageUtf8(),
                  Utf8(u8"ファイル読み込みエラーです。\n") + (dir_ / c.file).string());
        EXPECT_TRUE(doc.Displacements().IsEmpty());
        EXPECT_TRUE(doc.ReadingDates().empty());
        testsupport::WriteBytes(dir_ / c.file, std::string(c.file) == "sample.dis" ? dis : sec);
    }
}

// A reload that meets a damaged reference names it and takes nothing of it; no exception
// leaves it, since the window commands that reload catch none.
TEST_F(AnalysisFileTest, AReloadOfADamagedReferenceNamesItAndTakesNothingOfIt) {
    ASSERT_EQ(Open("sample.slo"), 1);
    const std::string dis = testsupport::ReadBytes(dir_ / "sample.dis");
    const std::string sec = testsupport::ReadBytes(dir_ / "sample.sec");
    std::string noModelSize = sec;
    noModelSize.replace(noModelSize.find("MSIZE"), 5, "MSIZX");
    struct Case {
        const char* what;
        const char* file;
        std::string bytes;
    };
    const Case cases[] = {
        {"measurements: 26 of 48 lines", "sample.dis", FirstLines(dis, 26)},
        {"section model: cut before SITE", "sample.sec", sec.substr(0, sec.find("SITE"))},
        {"section model: no model size", "sample.sec", noModelSize},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        testsupport::WriteBytes(dir_ / c.file, c.bytes);
        sink_.Clear();
        EXPECT_EQ(doc_.ReloadReferenceFiles(), 0);
        EXPECT_EQ(sink_.LastMessageUtf8(),
                  Utf8(u8"ファイル読み込みエラーです。\n") + (dir_ / c.file).string());
        EXPECT_EQ(doc_.MeasurementPoints().GetCount(), 8);
        EXPECT_EQ(doc_.Displacements().GetCount(), 8);
        EXPECT_EQ(doc_.ReadingDates().size(), 4u);
        testsupport::WriteBytes(dir_ / c.file, std::string(c.file) == "sample.dis" ? dis : sec);
    }
}

TEST_F(AnalysisFileTest, AMovedBoundaryPointOfTheSectionModelReplacesTheAnalysisFilesOne) {
    std::string text = testsupport::ReadBytes(dir_ / "sample.slo");
    std::size_t at = text.find("    1    3    27.000");
    text.replace(at, 20, "    1    3    26.000");
    testsupport::WriteBytes(dir_ / "moved.slo", text);
    ASSERT_EQ(Open("moved.slo"), 1);
    EXPECT_EQ(sink_.LastMessageUtf8(),
              Utf8(u8"断面ﾓﾃﾞﾙﾃﾞｰﾀに座標が異なる同名の境界点があったため置き換えました"));
    CNode* left = doc_.FindBoundaryPoint(PointKind::kLeftBoundary);
    ASSERT_NE(left, nullptr);
    EXPECT_EQ(left->x, 27.0);
    EXPECT_EQ(left->slipMark, 3);
}

TEST_F(AnalysisFileTest, UnknownMeasurementNamesGiveTheNoMatchMessage) {
    std::string dis = testsupport::ReadBytes(dir_ / "sample.dis");
    for (std::size_t at = dis.find("\x8C\x76"); at != std::string::npos; at = dis.find("\x8C\x76", at + 2)) {
        dis[at] = 'X'; // "計" -> "X" + trail byte: no name matches
    }
    testsupport::WriteBytes(dir_ / "sample.dis", dis);
    ASSERT_EQ(Open("sample.slo"), 1);
    EXPECT_EQ(doc_.Displacements().GetCount(), 0);
    EXPECT_TRUE(doc_.ReadingDates().empty());
    EXPECT_NE(std::find(sink_.MessagesUtf8().begin(), sink_.MessagesUtf8().end(),
                        Utf8(u8"計測変位ﾃﾞｰﾀﾌｧｲﾙには地点名が一致するﾃﾞｰﾀがありません")),
              sink_.MessagesUtf8().end());
}

TEST_F(AnalysisFileTest, SolverInputOfTheSample) {
    ASSERT_EQ(Open("sample.slo"), 1);
    doc_.BlockLines().push_back({60.0, 90.0, 60.0, 40.0, 0.1});
    CString input;
    CString result;
    ASSERT_EQ(doc_.WriteSolverInput(input, result), 1);
    EXPECT_EQ(std::string(input), (dir_ / "sample.qel").string());
    EXPECT_EQ(std::string(result), (dir_ / "sample.slf").string());
    std::string text = testsupport::ReadBytes(dir_ / "sample.qel");
    EXPECT_EQ(text.substr(0, 32), "NODE     1     0.000   100.000\r\n");
    EXPECT_NE(text.find("\r\n         2     3.409    98.977\r\n"), std::string::npos);
    EXPECT_NE(text.find("POINT    1    36.000    83.200    1.0000\r\n"), std::string::npos);
    EXPECT_NE(text.find("LEFT          27.000    88.900    1.0000          \r\n"
                        "RIGHT        134.000    55.239    1.0000          \r\n"
                        "BLOCK    1    60.000    0.1000\r\n"
                        "DISP     1    0.0000    0.0000\r\n"
                        "              0.0087   -0.0133\r\n"),
              std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 48), "COEF          18.000    10.000    25.000\r\nEND \r\n");
}

TEST_F(AnalysisFileTest, SolverResultsAreCheckedAndAnEmptyResultIsAFailure) {
    ASSERT_EQ(Open("sample.slo"), 1);
    std::vector<std::array<double, 3>> coefficients;
    std::vector<std::array<double, 2>> ranges;
    const std::string head = "title\r\nblocks            2  0.123\r\n   A   B   C   top   end\r\n";
    testsupport::WriteBytes(dir_ / "ok.slf",
                            head + " 0.01 -1.5 90.0 27.0 80.0\r\n 0.02 -2.0 100.0 80.0 134.0\r\n");
    EXPECT_EQ(doc_.ReadSolverResult((dir_ / "ok.slf").c_str(), coefficients, ranges), 2);
    EXPECT_EQ(coefficients[1][2], 100.0);
    EXPECT_EQ(ranges[1][1], 134.0);
    coefficients.clear();
    ranges.clear();
    // Accepted from half the model's width left of it to half its width right of it.
    double width, height;
    doc_.GetModelExtent(width, height);
    double low = doc_.Extents().m_dMinX - width / 2;
    double high = doc_.Extents().m_dMaxX + width / 2;
    CString edge;
    edge.Format(" 0 0 0 %.17g %.17g\r\n 0 0 0 0 1\r\n", low, high);
    testsupport::WriteBytes(dir_ / "edge.slf", head + edge.str());
    EXPECT_EQ(doc_.ReadSolverResult((dir_ / "edge.slf").c_str(), coefficients, ranges), 2);
    edge.Format(" 0 0 0 %.17g %.17g\r\n 0 0 0 0 1\r\n", low, high + 0.001);
    testsupport::WriteBytes(dir_ / "out.slf", head + edge.str());
    EXPECT_EQ(doc_.ReadSolverResult((dir_ / "out.slf").c_str(), coefficients, ranges), 0);
    EXPECT_EQ(sink_.LastMessageUtf8(), Utf8(u8"解析結果に不正な数値があるため、すべり線作成できません"));
    testsupport::WriteBytes(dir_ / "zero.slf", "title\r\nblocks            0\r\nhead\r\n");
    EXPECT_EQ(doc_.ReadSolverResult((dir_ / "zero.slf").c_str(), coefficients, ranges), 0);
    testsupport::WriteBytes(dir_ / "empty.slf", "");
    EXPECT_EQ(doc_.ReadSolverResult((dir_ / "empty.slf").c_str(), coefficients, ranges), 0);
    testsupport::WriteBytes(dir_ / "cut.slf", head + " 0.01 -1.5 90.0 27.0 80.0\r\n");
    EXPECT_EQ(doc_.ReadSolverResult((dir_ / "cut.slf").c_str(), coefficients, ranges), 0);
    EXPECT_EQ(
        torvan::CBlockDoc::CanOpenFile((dir_ / "new.log").c_str(), CFile::modeCreate | CFile::modeWrite), 1);
    EXPECT_EQ(
        torvan::CBlockDoc::CanOpenFile((dir_ / "no" / "x.log").c_str(), CFile::modeCreate | CFile::modeWrite),
        0);
}

// A small model in the older analysis format; the solver input compared with a file
// laid out by hand from the input tables.
TEST_F(AnalysisFileTest, OldFormatFileAndItsSolverInput) {
    for (const char* name : {"small.sec", "small.dis", "small.slo", "small_expected.qel"}) {
        fs::copy_file(fs::path(VERRANT_TEST_DATA_DIR) / name, dir_ / name);
    }
    ASSERT_EQ(Open("small.slo"), 1);
    ASSERT_EQ(doc_.BlockLines().size(), 1u);
    EXPECT_EQ(doc_.BlockLines()[0].beta, 0.1); // the older format carries no weight
    EXPECT_EQ(doc_.Settings().m_nMethod, 2);
    EXPECT_TRUE(platform::IsUnsetDouble(doc_.Settings().m_dVectorScale)); // no DSCAL line
    EXPECT_EQ(doc_.FindBoundaryPoint(PointKind::kLeftBoundary)->slipMark, 3);
    CString input;
    CString result;
    ASSERT_EQ(doc_.WriteSolverInput(input, result), 1);
    EXPECT_EQ(testsupport::ReadBytes(dir_ / "small.qel"),
              testsupport::ReadBytes(dir_ / "small_expected.qel"));
    // Saved again, it is written in the current format.
    ASSERT_EQ(doc_.WriteSloFile((dir_ / "new.slo").c_str()), 1);
    EXPECT_NE(testsupport::ReadBytes(dir_ / "new.slo").find("TORVAN002"), std::string::npos);
    EXPECT_NE(testsupport::ReadBytes(dir_ / "new.slo")
                  .find("    10.000    12.000    10.000     0.000    0.1000\r\n"),
              std::string::npos);
}

TEST_F(AnalysisFileTest, LimitsAndTruncationInTheReferencedFilesFailTheOpen) {
    doc_.Limits().m_nLimit[torvan::CBlockDoc::kSiteLimit] = 7;
    EXPECT_EQ(Open("sample.slo"), 0);
    ASSERT_FALSE(sink_.MessagesUtf8().empty());
    EXPECT_EQ(sink_.MessagesUtf8().front(), Utf8(u8"計測点ﾃﾞｰﾀの個数が制限を越えています"));
    doc_.Limits().m_nLimit[torvan::CBlockDoc::kSiteLimit] = 1000;
    std::string sec = testsupport::ReadBytes(dir_ / "sample.sec");
    testsupport::WriteBytes(dir_ / "sample.sec", sec.substr(0, sec.find("SITE")));
    sink_.Clear();
    EXPECT_EQ(Open("sample.slo"), 0);
    EXPECT_EQ(sink_.MessagesUtf8(),
              (std::vector<std::string>{Utf8(u8"ﾌｧｲﾙが途中で終了しているため、読み込みできません"),
                                        Utf8(u8"ファイル読み込みエラーです。\n") +
                                            (dir_ / "sample.sec").string()}));
}

// The main road without a window: the sample analysed by both polygon methods, the slip
// lines registered, saved and read back unchanged.
TEST_F(AnalysisFileTest, TheSampleIsAnalysedSavedAndReadBack) {
    ASSERT_EQ(Open("sample.slo"), 1);
    for (int method : {torvan::CBlockDoc::kParallel, torvan::CBlockDoc::kRotation}) {
        doc_.Settings().m_nMethod = method;
        ASSERT_EQ(doc_.MakeBlockLines(), torvan::BlockDivisionStatus::kDone) << sink_.LastMessageUtf8();
        EXPECT_EQ(doc_.Blocks().GetCount(), 8);
        doc_.MakeSlipLines(nullptr);
        ASSERT_EQ(doc_.SlipLines().GetCount(), method + 1) << sink_.LastMessageUtf8();
        auto* line = static_cast<CVerrant*>(doc_.SlipLines().GetTail());
        EXPECT_GE(line->pointCount, 3);
        // The slip line runs below the ground between the two boundary points.
        for (int i = 1; i + 1 < line->pointCount; ++i) {
            DPoint ground;
            ASSERT_EQ(doc_.FindNearestIntersection(line->x[i], line->y[i], ground), 1);
            EXPECT_LT(line->y[i], ground.y) << "point " << i << " of method " << method;
        }
    }
    ASSERT_EQ(doc_.WriteSloFile((dir_ / "analysed.slo").c_str()), 1);
    torvan::CBlockDoc again;
    ASSERT_EQ(ReadAnalysisFile(again, "analysed.slo"), 1);
    ASSERT_EQ(again.WriteSloFile((dir_ / "again.slo").c_str()), 1);
    EXPECT_EQ(testsupport::ReadBytes(dir_ / "again.slo"), testsupport::ReadBytes(dir_ / "analysed.slo"));
}

TEST_F(AnalysisFileTest, LargestDisplacementAndReloadingTheReferences) {
    ASSERT_EQ(Open("sample.slo"), 1);
    doc_.CalcMaxDisplacement();
    // The largest reading of the sample: point 4 or 5 at the last survey, about 62 mm.
    EXPECT_GT(doc_.Extents().m_dMaxDisp, 0.055);
    EXPECT_LT(doc_.Extents().m_dMaxDisp, 0.063);
    doc_.FindBoundaryPoint(PointKind::kLeftBoundary)->x = 5.0;
    ASSERT_EQ(doc_.ReloadReferenceFiles(), 1);
    EXPECT_EQ(doc_.FindBoundaryPoint(PointKind::kLeftBoundary)->x, 27.0);
    EXPECT_EQ(doc_.FindBoundaryPoint(PointKind::kLeftBoundary)->slipMark, 3);
    EXPECT_EQ(doc_.AllPoints().GetCount(), 45 + 8 + 2);
}
