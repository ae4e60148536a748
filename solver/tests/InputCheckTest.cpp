// Every check before the analysis: the run log says what was wrong in the words of the solver's
// messages, closes with the not-executed lines, and no result file is left.

#include "SolverTestSupport.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace fs = std::filesystem;

namespace kalipe {
namespace {

using test::Sjis;

const char* const kGood = "NODE     1     0.000    10.000\r\n"
                          "         2    20.000    10.000\r\n"
                          "POINT    1    10.000    10.000    1.0000\r\n"
                          "LEFT           2.000    10.000    1.0000\r\n"
                          "RIGHT         18.000    10.000    1.0000\r\n"
                          "DISP     1    0.0000    0.0000\r\n"
                          "              1.0000    0.0500\r\n"
                          "END \r\n";

struct CheckCase {
    const char* name;
    std::string input;
    std::vector<const char8_t*> messages; // after the line " *"
};

std::string Without(std::string text, const std::string& line) {
    const std::size_t at = text.find(line);
    if (at != std::string::npos) {
        text.erase(at, line.size());
    }
    return text;
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    if (at != std::string::npos) {
        text.replace(at, from.size(), to);
    }
    return text;
}

std::string Good() {
    return kGood;
}

std::vector<CheckCase> Cases() {
    return {
        {"EveryKeywordWithABadNumber",
         "NODE     1     0.0x0    10.000\r\n         2    20.000    10.000\r\n"
         "POINT         10.000    10.000    1.0000\r\n"
         "LEFT           2.000    10.000    1.0000    95.000\r\n"
         "RIGHT         18.000    +0.000    1.0000\r\n"
         "INNER         10.000    1..000\r\n"
         "BLOCK  1 2     5.000    0.5000\r\n"
         "DISP     1    0.0000    0.0000\r\n              1.0000    0.05 0\r\n"
         "COEF          18.000    -1.000    25.000\r\nEND\r\n",
         {u8"***** ERROR : 地表線座標の数値ﾃﾞｰﾀにｴﾗｰが発見されました *****",
          u8"***** ERROR : 計測点座標の数値ﾃﾞｰﾀにｴﾗｰが発見されました *****",
          u8"***** ERROR : 左地表境界点の数値ﾃﾞｰﾀにｴﾗｰが発見されました *****",
          u8"***** ERROR : 右地表境界点の数値ﾃﾞｰﾀにｴﾗｰが発見されました *****",
          u8"***** ERROR : 内部境界点の数値ﾃﾞｰﾀにｴﾗｰが発見されました *****",
          u8"***** ERROR : ﾌﾞﾛｯｸ境界線の数値ﾃﾞｰﾀにｴﾗｰが発見されました *****",
          u8"***** ERROR : 計測変位の数値ﾃﾞｰﾀにｴﾗｰが発見されました *****",
          u8"***** ERROR : 重み係数の数値ﾃﾞｰﾀにｴﾗｰが発見されました *****"}},
        {"FrictionAngleOfNinetyDegrees",
         Replaced(Good(), "END", "COEF          18.000    10.000    90.000\r\nEND"),
         {u8"***** ERROR : 重み係数の数値ﾃﾞｰﾀにｴﾗｰが発見されました *****"}},
        {"TenIntegerDigits",
         Replaced(Good(), "    20.000    10.000", "1234567890    10.000"),
         {u8"***** ERROR : 地表線座標の数値ﾃﾞｰﾀにｴﾗｰが発見されました *****"}},
        {"NothingButOneNode",
         "NODE     1     0.000    10.000\r\nEND\r\n",
         {u8"***** ERROR : 地表線座標の数値ﾃﾞｰﾀが不足でした *****",
          u8"***** ERROR : 計測点座標が定義されませんでした *****",
          u8"***** ERROR : 地表境界点座標が定義されませんでした *****",
          u8"***** ERROR : 計測点数を越えるﾌﾞﾛｯｸ境界線が定義されました *****",
          u8"***** ERROR : 計測変位ﾃﾞｰﾀ数を越えるﾌﾞﾛｯｸ境界線が定義されました *****"}},
        {"SeriesOfOneRecord",
         Without(Good(), "              1.0000    0.0500\r\n"),
         {u8"***** ERROR : 時刻歴数不足の計測変位ﾃﾞｰﾀが発見されました *****"}},
        {"AsManyBlockLinesAsPoints",
         Replaced(Good(), "DISP", "BLOCK    1    10.000    0.5000\r\nDISP"),
         {u8"***** ERROR : 計測点数を越えるﾌﾞﾛｯｸ境界線が定義されました *****",
          u8"***** ERROR : 計測変位ﾃﾞｰﾀ数を越えるﾌﾞﾛｯｸ境界線が定義されました *****"}},
        {"TwoPointsWithOneIdentifier",
         Replaced(Good(), "LEFT", "         1    12.000    10.000    1.0000\r\nLEFT"),
         {u8"***** ERROR : 重複した計測点番号が発見されました *****"}},
        {"NoSeriesForAnyPoint",
         Replaced(Good(), "DISP     1", "DISP     2"),
         {u8"***** ERROR : 計測点の有効な変位ﾃﾞｰﾀが定義されませんでした *****"}},
        {"IdentifiersDifferByAlignment",
         Replaced(Good(), "DISP     1", "DISP 1    "),
         {u8"***** ERROR : 計測点の有効な変位ﾃﾞｰﾀが定義されませんでした *****"}},
        {"BoundaryPointsWithoutWeight",
         Replaced(Replaced(Good(), "10.000    1.0000\r\nRIGHT", "10.000    0.0000\r\nRIGHT"),
                  "10.000    1.0000\r\nDISP", "10.000   -1.0000\r\nDISP"),
         {u8"***** ERROR : 境界条件数が不足しているため多項式法は適用不可 *****"}},
        {"BoundaryPointsAtOneAbscissa",
         Replaced(Good(), "RIGHT         18.000", "RIGHT          2.000"),
         {u8"***** ERROR : 左右地表境界点の水平座標が同一でした *****"}},
        {"BoundaryPointOnTheGroundLineEnd",
         Replaced(Good(), "RIGHT         18.000", "RIGHT         20.000"),
         {u8"***** ERROR : 地表境界点が地表線を越えて定義されました *****"}},
        {"InnerPointOutsideTheBoundaryPoints",
         Replaced(Good(), "DISP", "INNER         19.000     9.000\r\nDISP"),
         {u8"***** ERROR : 内部境界点座標が地表線を越えて定義されました *****"}},
        {"InnerPointLeftOfTheOnlyBoundaryPoint",
         Replaced(Without(Good(), "RIGHT         18.000    10.000    1.0000\r\n"), "DISP",
                  "INNER          1.000     9.000\r\nDISP"),
         {u8"***** ERROR : 内部境界点座標が地表境界点を越えて定義されました *****"}},
        {"OnlyPointHasNoWeight",
         Replaced(Good(), "10.000    10.000    1.0000", "10.000    10.000    0.0000"),
         {u8"***** ERROR : 有効な計測点又は計測変位ﾃﾞｰﾀが定義されませんでした *****"}},
        // Enough conditions by count, but a point moving straight down tells nothing of the shape.
        {"PointMovingOnlyVertically",
         Replaced(Good(), "1.0000    0.0500", "0.0000    0.0500"),
         {u8"***** ERROR : 係数行列が特異なため解が求まりませんでした *****"}},
        {"TooFewConditionsForOneBlock",
         Without(Good(), "RIGHT         18.000    10.000    1.0000\r\n"),
         {u8"***** ERROR : 境界条件数が不足しているため多項式法は適用不可 *****"}},
    };
}

class InputCheckTest : public test::ScratchDirTest, public ::testing::WithParamInterface<CheckCase> {};

TEST_P(InputCheckTest, ReportsInTheLogAndLeavesNoResult) {
    const CheckCase& check = GetParam();
    test::WriteBytes(Path("case.slf"), "stale");
    const std::vector<std::string> log = Solve("case.qel", check.input);
    std::vector<std::string> expected = {
        " *", " " + Sjis(u8"***** 計算ﾀｲﾄﾙ : ") + std::string(50, ' ') + " *****", " *"};
    for (const char8_t* message : check.messages) {
        expected.push_back(" " + Sjis(message));
    }
    expected.push_back(" *");
    expected.push_back(" " + Sjis(u8"***** 計算は実行されませんでした *****"));
    EXPECT_EQ(log, expected);
    EXPECT_FALSE(fs::exists(Path("case.slf")));
}

INSTANTIATE_TEST_SUITE_P(Checks, InputCheckTest, ::testing::ValuesIn(Cases()),
                         [](const ::testing::TestParamInfo<CheckCase>& info) {
                             return std::string(info.param.name);
                         });

class InputFileTest : public test::ScratchDirTest {};

TEST_F(InputFileTest, MissingAndEmptyInputsSayWhichInFourLines) {
    test::RunSolverOn(Path("missing.qel").string());
    EXPECT_EQ(
        test::CrLfLines(test::ReadBytes(Path("missing.log"))),
        (std::vector<std::string>{" *", " " + Sjis(u8"***** ERROR : 入力ﾃﾞｰﾀﾌｧｲﾙが存在しませんでした *****"),
                                  " *", " " + Sjis(u8"***** 計算は実行されませんでした *****")}));
    EXPECT_EQ(Solve("empty.qel", ""),
              (std::vector<std::string>{" *", " " + Sjis(u8"***** ERROR : 入力ﾃﾞｰﾀﾌｧｲﾙが空でした *****"),
                                        " *", " " + Sjis(u8"***** 計算は実行されませんでした *****")}));
}

TEST_F(InputFileTest, DirectoryInPlaceOfTheInputIsAMissingInput) {
    fs::create_directory(Path("dir.qel"));
    test::RunSolverOn(Path("dir.qel").string());
    const std::vector<std::string> log = test::CrLfLines(test::ReadBytes(Path("dir.log")));
    ASSERT_EQ(log.size(), 4u);
    EXPECT_EQ(log[1], " " + Sjis(u8"***** ERROR : 入力ﾃﾞｰﾀﾌｧｲﾙが存在しませんでした *****"));
}

TEST_F(InputFileTest, PipeInPlaceOfTheInputIsRefusedWithoutWaiting) {
    ASSERT_EQ(::mkfifo(Path("pipe.qel").c_str(), 0600), 0);
    test::RunSolverOn(Path("pipe.qel").string());
    const std::vector<std::string> log = test::CrLfLines(test::ReadBytes(Path("pipe.log")));
    ASSERT_EQ(log.size(), 4u);
    EXPECT_EQ(log[1], " " + Sjis(u8"***** ERROR : 入力ﾃﾞｰﾀﾌｧｲﾙが存在しませんでした *****"));
}

TEST_F(InputFileTest, DirectoryUnderTheResultNameIsKept) {
    fs::create_directory(Path("kept.slf"));
    Solve("kept.qel", kGood);
    EXPECT_TRUE(fs::is_directory(Path("kept.slf")));
}

TEST_F(InputFileTest, TooManyPointsForTheWorkAreaGiveTheWordsNeeded) {
    std::string input = kGood;
    std::string points;
    for (int i = 2; i <= 25001; ++i) {
        char record[64];
        std::snprintf(record, sizeof record, "     %5d    10.000    10.000    1.0000\r\n", i);
        points += record;
    }
    input.insert(input.find("LEFT"), points);
    const std::vector<std::string> log = Solve("big.qel", input);
    ASSERT_EQ(log.size(), 7u);
    EXPECT_EQ(log[3], " " + Sjis(u8"***** ﾃﾞｰﾀｴﾘｱが不足しました. 必要語数=") + " 100004 *****");
    EXPECT_EQ(log[4], " " + Sjis(u8"***** ﾃﾞｰﾀｴﾘｱを拡大してください *****"));
}

TEST_F(InputFileTest, TitleIsCutWholeAtADoubleByteCharacter) {
    const std::string title = std::string(49, 'T') + Sjis(u8"斜");
    const std::vector<std::string> log = Solve("title.qel", "TITLE     " + title + "\r\n");
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log[1], " " + Sjis(u8"***** 計算ﾀｲﾄﾙ : ") + std::string(49, 'T') + " " + " *****");
}

} // namespace
} // namespace kalipe
