// Whole runs on small hand-built inputs: the run log and the result file byte for byte, the
// files a run removes, and line ends and short lines in the input.
//
// The model: flat ground at 10 m from x = 0 to 20, surface boundary points at x = 2 and 18 on
// the ground, one measurement point at x = 10 moving 1 m right and 0.05 m up. Four equations
// for A, B, C and the point's offset fix the slip surface exactly: through (2, 10) and
// (18, 10) with P(11) - P(10) = 0.05, that is Z = 0.05 S^2 - S + 11.8 (P(10) = 6.8, P(11) = 6.85).

#include "SolverTestSupport.h"

#include <gtest/gtest.h>

#include <climits>
#include <sys/resource.h>

namespace fs = std::filesystem;

namespace kalipe {
using namespace std::string_literals;

namespace {

using test::Sjis;

const std::string kFlatCase = "TITLE     TEST CASE 1\r\n"
                              "NODE     1     0.000    10.000\r\n"
                              "         2    20.000    10.000\r\n"
                              "POINT    1    10.000    10.000    1.0000\r\n"
                              "LEFT           2.000    10.000    1.0000          \r\n"
                              "RIGHT         18.000    10.000    1.0000          \r\n"
                              "DISP     1    0.0000    0.0000\r\n"
                              "              1.0000    0.0500\r\n"
                              "END \r\n";

std::string Padded(std::string text, std::size_t width) {
    text.resize(std::max(text.size(), width), ' ');
    return text;
}

std::string TitleLogLine(const std::string& title) {
    return " " + Sjis(u8"***** 計算ﾀｲﾄﾙ : ") + Padded(title, 50) + " *****";
}

std::string NotExecuted() {
    return " " + Sjis(u8"***** 計算は実行されませんでした *****");
}

std::string Replace(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) {
        text.replace(at, from.size(), to);
    }
    return text;
}

std::string WithoutCarriageReturns(std::string text) {
    std::erase(text, '\r');
    return text;
}

class RunFilesTest : public test::ScratchDirTest {};

TEST_F(RunFilesTest, FlatCaseLogAndResultByteForByte) {
    const std::vector<std::string> log = Solve("flat.qel", kFlatCase);
    const std::vector<std::string> expectedLog = {
        " *",
        TitleLogLine("TEST CASE 1"),
        " *",
        " * Z=A*S**2+B*S+C *   1 " + Sjis(u8"ﾌﾞﾛｯｸ"),
        " *",
        " * A=  0.5000E-01 B= -0.1000E+01 C=  0.1180E+02 X=  0.2000E+01 X=  0.1800E+02 *",
        "  XS=     2.000  X1=    10.000  XN=    11.000  XE=    18.000 *",
        "  YS=    10.000  Y1=     6.800  YN=     6.850  YE=    10.000 *",
        " " + Sjis(u8"***** 出力ﾌｧｲﾙ : ") + Padded(Path("flat.slf").string(), 50) + " *****",
    };
    EXPECT_EQ(log, expectedLog);

    const std::string expectedResult =
        " " + Sjis(u8"***** 計算ﾀｲﾄﾙ : ") + Padded("TEST CASE 1", 50) + "       *****\r\n" + " " +
        Sjis(u8"*****  ﾌﾞﾛｯｸ数 :") + "  1" + std::string(55, ' ') + "*****\r\n" +
        "     **** A ****     **** B ****     **** C ****     ** X TOP **     ** X END **\r\n"
        "   0.5000000E-01  -0.1000000E+01   0.1180000E+02   0.2000000E+01   0.1800000E+02\r\n";
    const std::string result = test::ReadBytes(Path("flat.slf"));
    EXPECT_EQ(result, expectedResult);
    for (const std::string& line : test::CrLfLines(result)) {
        EXPECT_EQ(line.size(), 80u) << line;
    }
}

// Two blocks joined smoothly at x = 20: Z = 0.02 S^2 - 0.6 S + 16 left of the line and
// Z = 0.05 S^2 - 1.8 S + 28 right of it (both 12 with slope 0.2 at the line). The ground runs
// through the boundary points (4, 13.92) and (36, 28); each point moves along its block's curve.
const std::string kTwoBlockCase = "TITLE     TWO BLOCKS\r\n"
                                  "NODE     1     0.000    30.000\r\n"
                                  "         2     4.000    13.920\r\n"
                                  "         3    36.000    28.000\r\n"
                                  "         4    40.000    30.000\r\n"
                                  "POINT    1    10.000    16.560    1.0000\r\n"
                                  "         2    16.000    19.200    1.0000\r\n"
                                  "         3    24.000    22.720    1.0000\r\n"
                                  "         4    30.000    25.360    1.0000\r\n"
                                  "LEFT           4.000    13.920    1.0000\r\n"
                                  "RIGHT         36.000    28.000    1.0000\r\n"
                                  "BLOCK    1    20.000    0.5000\r\n"
                                  "DISP     1    0.0000    0.0000\r\n"
                                  "              0.5000   -0.0950\r\n"
                                  "              1.0000   -0.1800\r\n"
                                  "         2    0.0000    0.0000\r\n"
                                  "              0.5000    0.0250\r\n"
                                  "              1.0000    0.0600\r\n"
                                  "         3    0.0000    0.0000\r\n"
                                  "              0.5000    0.3125\r\n"
                                  "              1.0000    0.6500\r\n"
                                  "         4    0.0000    0.0000\r\n"
                                  "              0.5000    0.6125\r\n"
                                  "              1.0000    1.2500\r\n"
                                  "END \r\n";

TEST_F(RunFilesTest, TwoBlockCaseLogAndResultByteForByte) {
    const std::vector<std::string> log = Solve("two.qel", kTwoBlockCase);
    const std::vector<std::string> expectedLog = {
        " *",
        TitleLogLine("TWO BLOCKS"),
        " *",
        " * Z=A*S**2+B*S+C *   2 " + Sjis(u8"ﾌﾞﾛｯｸ"),
        " *",
        " * A=  0.2000E-01 B= -0.6000E+00 C=  0.1600E+02 X=  0.4000E+01 X=  0.2000E+02 *",
        "  XS=     4.000  X1=    10.000  XN=    16.000  XE=    20.000 *",
        "  YS=    13.920  Y1=    12.000  YN=    11.520  YE=    12.000 *",
        " * A=  0.5000E-01 B= -0.1800E+01 C=  0.2800E+02 X=  0.2000E+02 X=  0.3600E+02 *",
        "  XS=    20.000  X1=    24.000  XN=    30.000  XE=    36.000 *",
        "  YS=    12.000  Y1=    13.600  YN=    19.000  YE=    28.000 *",
        " " + Sjis(u8"***** 出力ﾌｧｲﾙ : ") + Padded(Path("two.slf").string(), 50) + " *****",
    };
    EXPECT_EQ(log, expectedLog);
    const std::vector<std::string> result = test::CrLfLines(test::ReadBytes(Path("two.slf")));
    ASSERT_EQ(result.size(), 5u);
    EXPECT_EQ(result[1], " " + Sjis(u8"*****  ﾌﾞﾛｯｸ数 :") + "  2" + std::string(55, ' ') + "*****");
    EXPECT_EQ(result[3], "   0.2000000E-01  -0.6000000E+00   0.1600000E+02   0.4000000E+01   0.2000000E+02");
    EXPECT_EQ(result[4], "   0.5000000E-01  -0.1800000E+01   0.2800000E+02   0.2000000E+02   0.3600000E+02");
}

TEST_F(RunFilesTest, InnerPointOnTheCurveIsReportedWithItsBlock) {
    const std::string input =
        Replace(kFlatCase, "DISP ", "INNER         10.000     6.800    1.0000\r\nDISP ");
    const std::vector<std::string> log = Solve("inner.qel", input);
    ASSERT_GE(log.size(), 3u);
    EXPECT_EQ(log[5], " * A=  0.5000E-01 B= -0.1000E+01 C=  0.1180E+02 X=  0.2000E+01 X=  0.1800E+02 *");
    EXPECT_EQ(log[log.size() - 3], " *");
    EXPECT_EQ(log[log.size() - 2], " * NBINN=  1   XBINN=    10.000   YBINN=     6.800 *");
}

TEST_F(RunFilesTest, CoefficientsGiveTheLongCountLineAndTheSliceReport) {
    const std::string input = Replace(kFlatCase, "END ", "COEF          18.000    10.000    25.000\r\nEND ");
    const std::vector<std::string> log = Solve("coef.qel", input);
    ASSERT_GT(log.size(), 8u);
    EXPECT_EQ(log[2], "");
    EXPECT_EQ(log[3], " " + Sjis(u8"***** すべり面安全率計算  γ=") + "  18.000  C=  10.000  " + Sjis(u8"φ=") +
                          "  25.000 *****");
    EXPECT_EQ(log[4], "  NO.     X.COD     Y.COD     DEPTH     WEIGH     WTANF     RESIS     DRIVE");
    // 16 m span: 20 slices of 0.8 m, all below the flat ground.
    EXPECT_EQ(log[5].substr(0, 25), "    1     2.400     9.696");
    EXPECT_EQ(log[24].substr(0, 5), "   20");
    const std::string& factorLine = log[27];
    const std::string label = " " + Sjis(u8"***** すべり面安全率 =");
    ASSERT_EQ(factorLine.substr(0, label.size()), label);
    const std::string factor = factorLine.substr(label.size() + 3, 7); // F10.4 in a 7-column field
    const std::vector<std::string> result = test::CrLfLines(test::ReadBytes(Path("coef.slf")));
    ASSERT_EQ(result.size(), 4u);
    EXPECT_EQ(result[1], " " + Sjis(u8"*****  ﾌﾞﾛｯｸ数 :") + "  1   " + Sjis(u8"安全率 FS=") + factor + " " +
                             Sjis(u8"γ=") + " 18.000  C= 10.000 " + Sjis(u8"φ=") + " 25.000  *****");
    EXPECT_EQ(result[1].size(), 80u);
}

TEST_F(RunFilesTest, LineFeedsAndShortLinesReadLikeTheFullForm) {
    Solve("full.qel", kFlatCase);
    std::string shortForm = WithoutCarriageReturns(kFlatCase);
    shortForm = Replace(shortForm, "    1.0000          \n", "\n"); // LEFT weight blank: 1.0
    shortForm = Replace(shortForm, "18.000    10.000    1.0000          \n", "18.000    10.000\n");
    shortForm = Replace(shortForm, "END \n", "END"); // no line end at all
    Solve("short.qel", shortForm);
    EXPECT_EQ(test::ReadBytes(Path("short.slf")), test::ReadBytes(Path("full.slf")));
}

TEST_F(RunFilesTest, UnknownSectionsBlankRecordsAndTextAfterEndChangeNothing) {
    Solve("plain.qel", kFlatCase);
    std::string noisy =
        Replace(kFlatCase, "POINT", "MEMO     7 anything at all\r\n          1.0 2.0\r\n\r\nPOINT");
    noisy =
        Replace(noisy, "         2    20.000", "\r\n                              \r\n         2    20.000");
    // A string literal: the NUL byte and what follows it are written too.
    noisy += "NODE     3    30.000   -99.000\r\nPOINT    x   garbage\r\n\x81\x40\xff\x00 binary\r\n"s;
    ASSERT_NE(noisy.find('\0'), std::string::npos);
    Solve("noisy.qel", noisy);
    EXPECT_EQ(test::ReadBytes(Path("noisy.slf")), test::ReadBytes(Path("plain.slf")));
}

TEST_F(RunFilesTest, OldResultIsDeletedWhenTheRunFails) {
    test::WriteBytes(Path("old.slf"), "an earlier result\r\n");
    test::WriteBytes(Path("old.lst"), "an earlier list\r\n");
    test::WriteBytes(Path("old.log"), std::string(5000, 'x'));
    const std::vector<std::string> log =
        Solve("old.qel", Replace(kFlatCase, "NODE     1     0.000", "NODE     1     0.0x0"));
    EXPECT_FALSE(fs::exists(Path("old.slf")));
    EXPECT_FALSE(fs::exists(Path("old.lst")));
    ASSERT_EQ(log.size(), 6u); // the old log was replaced, not appended to
    EXPECT_EQ(log.back(), NotExecuted());
}

TEST_F(RunFilesTest, OldResultIsDeletedEvenWhenNoLogCanBeWritten) {
    test::WriteBytes(Path("nolog.slf"), "an earlier result\r\n");
    fs::create_directories(Path("nolog.log") / "blocked");
    test::WriteBytes(Path("nolog.qel"), kFlatCase);
    test::RunSolverOn(Path("nolog.qel").string());
    EXPECT_FALSE(fs::exists(Path("nolog.slf")));
    EXPECT_FALSE(fs::exists(Path("nolog.lst")));
}

// A 96 MB input used to take 375 MB before its refusal: a file larger than the work area could
// ever use is refused from its size alone, with the area's shortage report.
TEST_F(RunFilesTest, AnInputLargerThanTheWorkAreaIsRefusedBeforeItIsRead) {
    constexpr std::uintmax_t kBytes = 96u << 20;
    test::WriteBytes(Path("huge.qel"), kFlatCase);
    fs::resize_file(Path("huge.qel"), kBytes); // sparse: costs the disk nothing
    struct rusage before {};
    ::getrusage(RUSAGE_SELF, &before);
    test::RunSolverOn(Path("huge.qel").string());
    struct rusage after {};
    ::getrusage(RUSAGE_SELF, &after);
    EXPECT_LT(after.ru_maxrss - before.ru_maxrss, 32 * 1024); // kilobytes: the file was never read
    EXPECT_EQ(test::CrLfLines(test::ReadBytes(Path("huge.log"))),
              (std::vector<std::string>{
                  " *", " " + Sjis(u8"***** ﾃﾞｰﾀｴﾘｱが不足しました. 必要語数=") + " 786432 *****",
                  " " + Sjis(u8"***** ﾃﾞｰﾀｴﾘｱを拡大してください *****"), " *", NotExecuted()}));
    EXPECT_FALSE(fs::exists(Path("huge.slf")));
}

// With no log to write into, the reason still reaches the user on standard error.
TEST_F(RunFilesTest, WhereNoLogCanBeMadeTheReasonGoesToStandardError) {
    fs::create_directories(Path("nolog.log") / "blocked");
    test::WriteBytes(Path("nolog.qel"), kFlatCase);
    const std::string tooLong = (dir_ / std::string(PATH_MAX, 'a')).string();
    const struct {
        std::string path;
        std::string expected;
    } cases[] = {
        {tooLong, test::Utf8(u8"***** ERROR : 入力ﾃﾞｰﾀﾌｧｲﾙ名から出力ﾌｧｲﾙ名を作れません *****\n") + tooLong},
        {Path("nolog.qel").string(),
         test::Utf8(u8"***** ERROR : ﾛｸﾞﾌｧｲﾙを作成できません *****\n") + Path("nolog.log").string()},
    };
    for (const auto& run : cases) {
        testing::internal::CaptureStderr();
        test::RunSolverOn(run.path);
        EXPECT_EQ(testing::internal::GetCapturedStderr(),
                  run.expected + test::Utf8(u8"\n***** 計算は実行されませんでした *****\n"));
    }
}

TEST_F(RunFilesTest, ResultThatCannotBeWrittenIsAFailedRun) {
    fs::create_directories(Path("blocked.slf") / "inside");
    const std::vector<std::string> log = Solve("blocked.qel", kFlatCase);
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.back(), NotExecuted());
}

// Another user of a shared directory plants links at the names a run writes.
TEST_F(RunFilesTest, LinksPlantedAtTheLogAndResultNamesAreNeverFollowed) {
    test::WriteBytes(Path("victim"), "private");
    fs::create_symlink(Path("victim"), Path("planted.log"));
    fs::create_symlink(Path("victim"), Path("planted.slf"));
    const std::vector<std::string> log = Solve("planted.qel", kFlatCase);
    EXPECT_EQ(test::ReadBytes(Path("victim")), "private");
    ASSERT_EQ(log.size(), 9u);
    EXPECT_FALSE(fs::is_symlink(Path("planted.slf")));
    EXPECT_FALSE(test::ReadBytes(Path("planted.slf")).empty());
    for (const auto& entry : fs::directory_iterator(dir_)) {
        EXPECT_NE(entry.path().filename().string().back(), 'p') << entry.path(); // no ".tmp" left
    }
}

TEST_F(RunFilesTest, StateFromAnEarlierCallNeverReachesTheNextOne) {
    const std::string coef = Replace(kFlatCase, "END ", "COEF          18.000    10.000    25.000\r\nEND ");
    const std::string inner =
        Replace(kFlatCase, "DISP ", "INNER         10.000     6.800    1.0000\r\nDISP ");
    Solve("second.qel", kFlatCase);
    const std::string freshLog = test::ReadBytes(Path("second.log"));
    const std::string freshResult = test::ReadBytes(Path("second.slf"));
    for (const std::string& earlier :
         {coef, inner, std::string("NODE     1    x\r\n"),
          test::ReadBytes(fs::path(VERRANT_TEST_DATA_DIR) / "sample_two_lines.qel")}) {
        Solve("first.qel", earlier);
        Solve("second.qel", kFlatCase);
        EXPECT_EQ(test::ReadBytes(Path("second.log")), freshLog);
        EXPECT_EQ(test::ReadBytes(Path("second.slf")), freshResult);
    }
}

} // namespace
} // namespace kalipe
