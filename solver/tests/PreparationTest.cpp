// The first pass's values and the preparation of the model, on inputs held in memory.

#include "SolverTestSupport.h"

#include "solver/AnalysisPreparation.h"
#include "solver/InputChecker.h"
#include "solver/InputDataReader.h"
#include "solver/InputRecords.h"
#include "solver/RunLog.h"
#include "solver/WorkAreaBudget.h"

#include <gtest/gtest.h>

namespace kalipe {
namespace {

constexpr double kPi = 3.141592653589793;

const char* const kInput = "NODE     1    20.000     5.000\r\n"
                           "         2    10.000     8.000\r\n"
                           "         3     0.000    10.000\r\n"
                           "POINT    1    12.000     7.600    1.0000\r\n"
                           "         2     6.000     8.800    1.0000\r\n"
                           "RIGHT          2.000     9.600    1.0000    90.000\r\n"
                           "LEFT          18.000     5.600    0.5000\r\n"
                           "DISP     1    0.0000    0.0000\r\n"
                           "              0.1000   -0.0200\r\n"
                           "         2    0.0000    0.0000\r\n"
                           "              0.1000   -0.0400\r\n"
                           "COEF           0.000    10.000    25.000\r\n"
                           "END\r\n";

class PreparationTest : public test::ScratchDirTest {
protected:
    // Runs the first pass, the second pass and the preparation; false when one of them refused.
    bool Prepare(const std::string& text) {
        InputRecords records;
        records.Parse(text);
        RunLog log;
        EXPECT_TRUE(log.Open(Path("prepare.log").string()));
        InputData data;
        return InputChecker().Check(records, log, summary_) &&
               InputDataReader().Read(records, summary_, log, data) &&
               AnalysisPreparation().Prepare(summary_, data, log, model_);
    }
    InputSummary summary_;
    PreparedModel model_;
};

TEST_F(PreparationTest, RightToLeftGroundAndSwappedBoundaryPoints) {
    ASSERT_TRUE(Prepare(kInput));
    // Walked left to right, with the extensions 1000 beyond the ends at the ends' elevations.
    const std::vector<std::pair<double, double>> expected = {
        {-1000, 10}, {0, 10}, {10, 8}, {20, 5}, {1020, 5}};
    ASSERT_EQ(model_.ground.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_DOUBLE_EQ(model_.ground[i].x, expected[i].first) << i;
        EXPECT_DOUBLE_EQ(model_.ground[i].y, expected[i].second) << i;
    }
    // The point given as RIGHT lies left of the one given as LEFT: they change places whole.
    EXPECT_DOUBLE_EQ(model_.left.x, 2.0);
    EXPECT_EQ(model_.left.state, BoundaryPoint::WithInclination);
    EXPECT_DOUBLE_EQ(model_.left.angle, 89.99 * kPi / 180.0);
    EXPECT_DOUBLE_EQ(model_.right.x, 18.0);
    EXPECT_DOUBLE_EQ(model_.right.weight, 0.5);
    // Points sorted by x, positions made absolute.
    ASSERT_EQ(model_.points.size(), 2u);
    EXPECT_DOUBLE_EQ(model_.points[0].x, 6.0);
    EXPECT_DOUBLE_EQ(model_.points[0].positions[1].x, 6.1);
    EXPECT_DOUBLE_EQ(model_.points[0].positions[1].y, 8.76);
    // A unit weight of zero is accepted and turns the safety factor off.
    EXPECT_FALSE(model_.soil.computeSafetyFactor);
}

TEST_F(PreparationTest, IdentifiersAlignedDifferentlyAreDifferentPoints) {
    std::string input = kInput;
    input.replace(input.find("         2     6.000"), 20, "     2         6.000");
    ASSERT_TRUE(Prepare(input)) << input;
    ASSERT_EQ(model_.points.size(), 1u); // "2    " has no series; "    2" has no point
    EXPECT_DOUBLE_EQ(model_.points[0].x, 12.0);
}

TEST(WorkAreaBudget, FullAreaFitsAndOneWordMoreDoesNot) {
    WorkAreaBudget budget;
    budget.AddIntegers(99999);
    EXPECT_EQ(budget.Words(), 100000);
    EXPECT_TRUE(budget.Fits());
    budget.AddIntegers(0);
    EXPECT_FALSE(budget.Fits());
}

class ShortageReportTest : public test::ScratchDirTest {};

TEST_F(ShortageReportTest, WordsRightAlignedInSevenColumns) {
    {
        RunLog log;
        ASSERT_TRUE(log.Open(Path("short.log").string()));
        WorkAreaBudget::ReportShortage(log, 100001);
    }
    EXPECT_EQ(test::CrLfLines(test::ReadBytes(Path("short.log"))),
              (std::vector<std::string>{
                  " *", " " + test::Sjis(u8"***** ﾃﾞｰﾀｴﾘｱが不足しました. 必要語数=") + " 100001 *****",
                  " " + test::Sjis(u8"***** ﾃﾞｰﾀｴﾘｱを拡大してください *****")}));
}

} // namespace
} // namespace kalipe
