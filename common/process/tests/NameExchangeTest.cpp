#include "ChildProcessTest.h"
#include "FakeBaseMenu.h"
#include "common/process/BaseMenuExchange.h"
#include "common/process/CNamedMutex.h"
#include "common/process/ChildLauncher.h"
#include "common/process/WindowSocketDirectory.h"
#include "platform/core/CodePage.h"
#include "platform/core/RecordingSink.h"

#include <climits>
#include <csignal>
#include <sstream>
#include <vector>

namespace {

using process::kAnalysisSlot;
using process::kMeasurementSlot;
using process::kSectionModelSlot;
using process_test::ChildProcessTest;
using process_test::FakeBaseMenu;

const std::string kReplacedMessage = platform::Utf8(u8"m 基本ﾒﾆｭｰの参照ﾌｧｲﾙ名を変更します");

std::string Utf8Of(const CString& text) {
    return platform::Cp932ToUtf8(text.str());
}

// A CP932 path of exactly `length` bytes with blanks and Japanese characters in it.
CString LongJapaneseName(std::size_t length) {
    std::string name = platform::Utf8ToCp932(u8"/データ/長い 名前 ");
    while (name.size() < length) {
        name += (name.size() + 2 <= length) ? platform::Utf8ToCp932(u8"斜") : std::string(" ");
    }
    return CString(name);
}

class NameExchangeTest : public ChildProcessTest {
protected:
    // Runs the child's exchange operations ("r:<id>", "w:<id>:<name>") and returns its report lines.
    std::vector<std::string> RunChild(const std::vector<std::string>& operations) {
        std::vector<CString> arguments{"exchange", ScratchArgument("report")};
        for (const std::string& op : operations) {
            arguments.push_back(CString(platform::Utf8ToCp932(op)));
        }
        pid_t child = LaunchChildProgram(process_test::kChildProgram, arguments);
        EXPECT_GT(child, 0);
        std::istringstream report(process_test::WaitForFile(Scratch("report")));
        std::vector<std::string> lines;
        for (std::string line; std::getline(report, line);) {
            lines.push_back(line);
        }
        EXPECT_TRUE(process_test::WaitUntilGone(child));
        return lines;
    }

    static std::string Write(int id, const CString& name) {
        return "w:" + std::to_string(id) + ":" + Utf8Of(name);
    }

    FakeBaseMenu baseMenu_;
};

TEST_F(NameExchangeTest, ChildReadsTheMeasurementSlotAndWritesTheOthers) {
    ASSERT_TRUE(baseMenu_.Start());
    baseMenu_.SetSlot(kMeasurementSlot, CString(u8"/データ/計測 1.dis"));
    baseMenu_.SetSlot(kSectionModelSlot, CString("/old/model.sec"));
    CString model(u8"/データ/断面 モデル.sec");
    CString analysis(u8"/データ/解析 (2).slo");

    auto lines = RunChild({"r:232", Write(kSectionModelSlot, model), Write(kAnalysisSlot, analysis)});

    std::vector<std::string> expected{platform::Utf8(u8"r 232 Unchanged /データ/計測 1.dis"),
                                      kReplacedMessage, "w 231 Replaced", kReplacedMessage, "w 233 Replaced"};
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(baseMenu_.Slot(kSectionModelSlot), model);
    EXPECT_EQ(baseMenu_.Slot(kAnalysisSlot), analysis);
    EXPECT_EQ(baseMenu_.Slot(kMeasurementSlot), CString(u8"/データ/計測 1.dis"));
    EXPECT_EQ(baseMenu_.Buffer().Read(), analysis) << "the buffer carries the last name that fits";
}

TEST_F(NameExchangeTest, NamesUpToThePathLimitTravelWholeLongerOnesAreRefused) {
    ASSERT_TRUE(baseMenu_.Start());
    CString longest = LongJapaneseName(PATH_MAX - 1);
    CString tooLong = LongJapaneseName(PATH_MAX);
    baseMenu_.SetSlot(kMeasurementSlot, longest);

    auto lines = RunChild({"r:232", Write(kAnalysisSlot, longest), Write(kSectionModelSlot, tooLong)});

    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], "r 232 Unchanged " + Utf8Of(longest));
    EXPECT_EQ(lines[2], "w 233 Replaced");
    EXPECT_EQ(lines[3], platform::Utf8(u8"m ﾌｧｲﾙ名が長すぎるため、基本ﾒﾆｭｰに渡せません"));
    EXPECT_EQ(lines[4], "w 231 Failed");
    EXPECT_EQ(baseMenu_.Slot(kAnalysisSlot), longest);
    EXPECT_EQ(baseMenu_.Slot(kSectionModelSlot), CString());
    EXPECT_EQ(baseMenu_.Buffer().Read(), CString()) << "a name too long for the buffer is never cut into it";
}

TEST_F(NameExchangeTest, OnlyADifferentNameIsWrittenAndCaseCounts) {
    ASSERT_TRUE(baseMenu_.Start());
    baseMenu_.SetSlot(kAnalysisSlot, CString("/data/Slope.slo"));

    auto lines = RunChild(
        {Write(kAnalysisSlot, CString("/data/Slope.slo")), Write(kAnalysisSlot, CString("/data/slope.slo"))});

    std::vector<std::string> expected{"w 233 Unchanged", kReplacedMessage, "w 233 Replaced"};
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(baseMenu_.Slot(kAnalysisSlot), CString("/data/slope.slo"));
}

TEST_F(NameExchangeTest, WithoutABaseMenuTheChildDoesNothingAndSaysNothing) {
    auto lines = RunChild({"r:232", Write(kAnalysisSlot, CString("/data/a.slo"))});
    std::vector<std::string> expected{"r 232 NotRunning ", "w 233 NotRunning"};
    EXPECT_EQ(lines, expected);
}

TEST_F(NameExchangeTest, AMissingBufferOrControlIsReportedAndNothingIsWritten) {
    ASSERT_TRUE(baseMenu_.Start(false));
    auto lines = RunChild({Write(kAnalysisSlot, CString("/data/a.slo")), "r:240"});
    std::vector<std::string> expected{platform::Utf8(u8"m 共有メモリがありません"), "w 233 Failed",
                                      platform::Utf8(u8"m 基本ﾒﾆｭｰのﾊﾝﾄﾞﾙ取得失敗3"), "r 240 Failed "};
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(baseMenu_.Slot(kAnalysisSlot), CString());
}

TEST_F(NameExchangeTest, AKilledBaseMenuLeavesNothingThatStopsTheNextOne) {
    pid_t killed = LaunchChildProgram(process_test::kChildProgram, {"basemenu", ScratchArgument("ready")});
    ASSERT_EQ(process_test::WaitForFile(Scratch("ready")), "1");
    ::kill(killed, SIGKILL);
    ASSERT_TRUE(process_test::WaitUntilGone(killed));

    CNamedMutex instance;
    EXPECT_EQ(instance.Create("Verrant BASNEV 01"), CNamedMutex::CreateResult::Created);
    ASSERT_TRUE(baseMenu_.Start());
    EXPECT_EQ(baseMenu_.Buffer().Read(), CString()) << "the killed one's buffer must not reach a child";
    baseMenu_.SetSlot(kMeasurementSlot, CString("/data/new.dis"));

    auto lines = RunChild({"r:232"});
    std::vector<std::string> expected{"r 232 Unchanged /data/new.dis"};
    EXPECT_EQ(lines, expected);
    EXPECT_TRUE(process::ListWindowSockets(process::kBaseMenuWindowClass).size() == 1u)
        << "the killed one's socket is found dead and removed";
}

} // namespace
