// The set buttons of the base menu's form: the name test before the chooser, the chooser's
// answer in the slot, and the offer to take over the input files an analysis file names.

#include "BaseMenuFixture.h"

#include "common/process/CNamedMutex.h"
#include "platform/core/CodePage.h"

#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <csignal>
#include <filesystem>

namespace basnev_test {
namespace {

using platform::Utf8;

enum SetButtonId { kSectionSetButton = 119, kMeasurementSetButton = 120, kAnalysisSetButton = 121 };

struct ChooserCall {
    int kind;
    std::string name;
    std::string directory;
};

class BaseMenuSetButtonTest : public BaseMenuTest {
protected:
    // Opens the form with a chooser that records its call and answers with `answer`
    // (empty: cancel).
    void OpenWithChooser(const std::string& answer) {
        OpenBaseMenu();
        Form()->SetChooser([this, answer](int kind, CString& name, CString& directory) {
            calls_.push_back(
                {kind, platform::Cp932ToUtf8(name.str()), platform::Cp932ToUtf8(directory.str())});
            if (answer.empty()) {
                return false;
            }
            name = CString(platform::Utf8ToCp932(answer));
            return true;
        });
    }
    // An analysis file whose input file lines name section and measurement.
    void WriteAnalysisFile(const std::string& name, const std::string& section,
                           const std::string& measurement) {
        data_.Write(name, platform::Utf8ToCp932("TITLE     slope\r\nSEFIL     " + section + "\r\nDSFIL     " +
                                                measurement + "\r\nNODES     0\r\n"));
    }
    std::string Question(const std::string& section, const std::string& measurement) const {
        return Utf8(u8"解析ﾌｧｲﾙで使用しているﾌｧｲﾙは以下の通りです。\n\n  断面ﾌｧｲﾙ ") + section +
               Utf8(u8"\n  計測ﾌｧｲﾙ ") + measurement + Utf8(u8"\n\n 基本ﾒﾆｭｰの参照ﾌｧｲﾙ名を置き換えますか？");
    }

    std::vector<ChooserCall> calls_;
};

TEST_F(BaseMenuSetButtonTest, ANameThatCannotBeCreatedStopsBeforeTheChooser) {
    OpenWithChooser(DataFile("x.sec"));
    SetSlotUtf8(kSectionSlot, "  " + DataFile("no such dir/s.sec") + " ");
    Button(kSectionSetButton)->click();
    EXPECT_TRUE(calls_.empty());
    EXPECT_EQ(sink_->MessagesUtf8(),
              std::vector<std::string>{Utf8(u8"指定ﾌｧｲﾙ名ｴﾗｰ !!! ｸﾘｱして再度設定ﾎﾞﾀﾝをｸﾘｯｸして下さい")});
    EXPECT_EQ(SlotUtf8(kSectionSlot), "  " + DataFile("no such dir/s.sec") + " ");
}

TEST_F(BaseMenuSetButtonTest, TheChosenNameGoesIntoTheSlotAndTheTrialFileIsGone) {
    OpenWithChooser(DataFile(u8"計測 新.dis"));
    SetSlotUtf8(kMeasurementSlot, DataFile("trial.dis"));
    Button(kMeasurementSetButton)->click();
    ASSERT_EQ(calls_.size(), 1u);
    EXPECT_EQ(calls_[0].kind, 2);
    EXPECT_EQ(calls_[0].name, DataFile("trial.dis"));
    EXPECT_EQ(calls_[0].directory, data_.Slash());
    EXPECT_FALSE(std::filesystem::exists(DataFile("trial.dis")));
    EXPECT_EQ(SlotUtf8(kMeasurementSlot), DataFile(u8"計測 新.dis"));
    EXPECT_EQ(sink_->MessageCount(), 0);
}

TEST_F(BaseMenuSetButtonTest, AnEmptySlotOpensTheChooserInTheDefaultDirectoryAndCancelKeepsTheSlot) {
    WriteSettings("", "", "", "/somewhere/a.slo");
    OpenWithChooser("");
    SetSlotUtf8(kSectionSlot, "");
    Button(kSectionSetButton)->click();
    ASSERT_EQ(calls_.size(), 1u);
    EXPECT_EQ(calls_[0].kind, 1);
    EXPECT_EQ(calls_[0].directory, "/somewhere/");
    EXPECT_EQ(SlotUtf8(kSectionSlot), "");
}

TEST_F(BaseMenuSetButtonTest, DifferentInputFilesOfAnAnalysisFileAreOfferedAndYesTakesThemOver) {
    data_.Write("s2.sec", "x");
    data_.Write(u8"計測 2.dis", "x");
    WriteAnalysisFile("a.slo", DataFile("s2.sec"), DataFile(u8"計測 2.dis"));
    OpenWithChooser(DataFile("a.slo"));
    SetSlotUtf8(kSectionSlot, DataFile("s1.sec"));
    SetSlotUtf8(kMeasurementSlot, DataFile("m1.dis"));
    sink_->QueueAnswer(IDYES);
    Button(kAnalysisSetButton)->click();
    ASSERT_EQ(sink_->MessageCount(), 1);
    EXPECT_EQ(sink_->LastMessageUtf8(), Question(DataFile("s2.sec"), DataFile(u8"計測 2.dis")));
    EXPECT_EQ(sink_->Events()[0].type & MB_TYPEMASK, static_cast<UINT>(MB_YESNO));
    EXPECT_EQ(SlotUtf8(kSectionSlot), DataFile("s2.sec"));
    EXPECT_EQ(SlotUtf8(kMeasurementSlot), DataFile(u8"計測 2.dis"));
    EXPECT_EQ(SlotUtf8(kAnalysisSlot), DataFile("a.slo"));
}

TEST_F(BaseMenuSetButtonTest, YesWithMissingInputFilesSaysSoForEachAndKeepsThoseSlots) {
    WriteAnalysisFile("a.slo", DataFile("gone.sec"), DataFile("gone.dis"));
    OpenWithChooser(DataFile("a.slo"));
    SetSlotUtf8(kSectionSlot, "s1.sec");
    SetSlotUtf8(kMeasurementSlot, "m1.dis");
    sink_->QueueAnswer(IDYES);
    Button(kAnalysisSetButton)->click();
    const std::vector<std::string> expected = {
        Question(DataFile("gone.sec"), DataFile("gone.dis")),
        Utf8(u8"ﾌｧｲﾙが見つからないため、置き換えできません\n\n  断面ﾌｧｲﾙ ") + DataFile("gone.sec"),
        Utf8(u8"ﾌｧｲﾙが見つからないため、置き換えできません\n\n  計測変位ﾌｧｲﾙ ") + DataFile("gone.dis"),
    };
    EXPECT_EQ(sink_->MessagesUtf8(), expected);
    EXPECT_EQ(SlotUtf8(kSectionSlot), "s1.sec");
    EXPECT_EQ(SlotUtf8(kMeasurementSlot), "m1.dis");
    EXPECT_EQ(SlotUtf8(kAnalysisSlot), DataFile("a.slo"));
}

TEST_F(BaseMenuSetButtonTest, NoLeavesTheInputSlotsAndStillSetsTheAnalysisSlot) {
    data_.Write("s2.sec", "x");
    data_.Write("m2.dis", "x");
    WriteAnalysisFile("a.slo", DataFile("s2.sec"), DataFile("m2.dis"));
    OpenWithChooser(DataFile("a.slo"));
    SetSlotUtf8(kSectionSlot, "s1.sec");
    SetSlotUtf8(kMeasurementSlot, "m1.dis");
    sink_->QueueAnswer(IDNO);
    Button(kAnalysisSetButton)->click();
    EXPECT_EQ(sink_->MessageCount(), 1);
    EXPECT_EQ(SlotUtf8(kSectionSlot), "s1.sec");
    EXPECT_EQ(SlotUtf8(kMeasurementSlot), "m1.dis");
    EXPECT_EQ(SlotUtf8(kAnalysisSlot), DataFile("a.slo"));
}

TEST_F(BaseMenuSetButtonTest, EqualInputFilesAskNothingButAreStillTestedForExistence) {
    data_.Write("s.sec", "x");
    WriteAnalysisFile("a.slo", DataFile("s.sec"), DataFile("gone.dis"));
    OpenWithChooser(DataFile("a.slo"));
    SetSlotUtf8(kSectionSlot, DataFile("s.sec"));
    SetSlotUtf8(kMeasurementSlot, DataFile("gone.dis"));
    Button(kAnalysisSetButton)->click();
    EXPECT_EQ(
        sink_->MessagesUtf8(),
        std::vector<std::string>{Utf8(u8"ﾌｧｲﾙが見つからないため、置き換えできません\n\n  計測変位ﾌｧｲﾙ ") +
                                 DataFile("gone.dis")});
    EXPECT_EQ(SlotUtf8(kAnalysisSlot), DataFile("a.slo"));
}

// The bundled sample names its input files without a directory: they lie beside it, wherever
// the sample is and whatever the working directory.
TEST_F(BaseMenuSetButtonTest, BareInputNamesOfTheBundledSampleLieBesideIt) {
    for (const char* name : {"sample.slo", "sample.sec", "sample.dis"}) {
        std::filesystem::copy_file(std::filesystem::path(BASNEV_SAMPLE_DIR) / name, DataFile(name));
    }
    OpenWithChooser(DataFile("sample.slo"));
    SetSlotUtf8(kSectionSlot, "");
    SetSlotUtf8(kMeasurementSlot, "");
    sink_->QueueAnswer(IDYES);
    Button(kAnalysisSetButton)->click();
    EXPECT_EQ(sink_->MessagesUtf8(),
              std::vector<std::string>{Question(DataFile("sample.sec"), DataFile("sample.dis"))});
    EXPECT_EQ(SlotUtf8(kSectionSlot), DataFile("sample.sec"));
    EXPECT_EQ(SlotUtf8(kMeasurementSlot), DataFile("sample.dis"));

    sink_->Clear();
    Button(kAnalysisSetButton)->click();
    EXPECT_EQ(sink_->MessageCount(), 0); // the slots now name the sample's own files
}

TEST_F(BaseMenuSetButtonTest, RunningChildrenRefuseTheirSlotsAndAnExistingAnalysisFile) {
    data_.Write("s.sec", "x");
    WriteAnalysisFile("a.slo", DataFile("s.sec"), DataFile("s.sec"));
    OpenWithChooser(DataFile("a.slo"));
    {
        CNamedMutex editor;
        ASSERT_EQ(editor.Create("Verrant MERDOK 02"), CNamedMutex::CreateResult::Created);
        Button(kSectionSetButton)->click();
        CNamedMutex analysis;
        ASSERT_EQ(analysis.Create("Verrant TORVAN 01"), CNamedMutex::CreateResult::Created);
        Button(kAnalysisSetButton)->click();
    }
    EXPECT_TRUE(calls_.empty());
    CNamedMutex tableEditor;
    ASSERT_EQ(tableEditor.Create("Verrant QUILMO 01"), CNamedMutex::CreateResult::Created);
    SetSlotUtf8(kAnalysisSlot, "old.slo");
    Button(kAnalysisSetButton)->click();
    EXPECT_EQ(calls_.size(), 1u);
    const std::vector<std::string> expected = {
        Utf8(u8"断面ﾓﾃﾞﾙ作成ﾌﾟﾛｸﾞﾗﾑが実行されているため、断面ﾌｧｲﾙ名の変更はできません"),
        Utf8(u8"すべり線推定解析ﾌﾟﾛｸﾞﾗﾑが実行されているため、解析ﾌｧｲﾙ名の変更はできません"),
        Utf8(u8"本ｼｽﾃﾑのﾌﾟﾛｸﾞﾗﾑが実行されているため、既存の解析ﾌｧｲﾙ名の指定はできません"),
    };
    EXPECT_EQ(sink_->MessagesUtf8(), expected);
    EXPECT_EQ(SlotUtf8(kAnalysisSlot), "old.slo");
}

TEST_F(BaseMenuSetButtonTest, AKilledAnalysisProgramNoLongerCountsAndLeavesNothingToReport) {
    OpenWithChooser(DataFile("new.slo"));
    QProcess child;
    child.start(ProcessTestChild(), {"hold", "Verrant TORVAN 01", QString::fromStdString(DataFile("ready"))});
    ASSERT_TRUE(SpinUntil([this] { return std::filesystem::exists(DataFile("ready")); }));
    ASSERT_EQ(data_.Read("ready"), "1");
    Button(kAnalysisSetButton)->click();
    EXPECT_TRUE(calls_.empty());

    ::kill(static_cast<pid_t>(child.processId()), SIGKILL);
    ASSERT_TRUE(child.waitForFinished(5000));
    Button(kAnalysisSetButton)->click();
    EXPECT_EQ(calls_.size(), 1u);
    EXPECT_EQ(SlotUtf8(kAnalysisSlot), DataFile("new.slo"));
    EXPECT_EQ(sink_->MessagesUtf8(),
              std::vector<std::string>{
                  Utf8(u8"すべり線推定解析ﾌﾟﾛｸﾞﾗﾑが実行されているため、解析ﾌｧｲﾙ名の変更はできません")});
}

} // namespace
} // namespace basnev_test
