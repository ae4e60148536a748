// The base menu's form: slots from the settings file, the launch buttons' programs and
// arguments, their refusals and the dropping of repeated clicks.

#include "BaseMenuFixture.h"

#include "platform/core/CodePage.h"
#include "platform/core/ModulePath.h"

#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <vector>

namespace basnev_test {
namespace {

using platform::Utf8;

enum ButtonId {
    kSectionModelButton = 104,
    kMeasureInputButton = 105,
    kSlipAnalysisButton = 106,
    kDrawingEditButton = 108,
    kAnalysisLogButton = 109,
};

struct Launch {
    std::string program;
    std::vector<std::string> arguments;
};

class BaseMenuFormTest : public BaseMenuTest {
protected:
    // A fresh form (its click throttle starts anew) whose launches are recorded.
    void OpenRecordingForm() {
        CloseBaseMenu();
        OpenBaseMenu();
        launches_.clear();
        Form()->SetStarter([this](const CString& file, const std::vector<CString>& arguments) {
            Launch launch{file.str(), {}};
            for (const CString& argument : arguments) {
                launch.arguments.push_back(platform::Cp932ToUtf8(argument.str()));
            }
            launches_.push_back(launch);
        });
    }
    // Clicks one launch button on a fresh form with the three slots set.
    Launch LaunchWith(int button, const std::string& section, const std::string& measurement,
                      const std::string& analysis) {
        OpenRecordingForm();
        SetSlotUtf8(kSectionSlot, section);
        SetSlotUtf8(kMeasurementSlot, measurement);
        SetSlotUtf8(kAnalysisSlot, analysis);
        Button(button)->click();
        return launches_.size() == 1 ? launches_.front()
                                     : Launch{"<" + std::to_string(launches_.size()) + ">", {}};
    }

    std::vector<Launch> launches_;
};

using Arguments = std::vector<std::string>;

TEST_F(BaseMenuFormTest, SlotsShowTheNamesOfTheSettingsFileAndTheWindowItsTitle) {
    WriteSettings("/p/plan.hor", Utf8(u8"/d/断面 1.sec"), "/d/m.dis", "/e/a.slo");
    OpenBaseMenu();
    EXPECT_EQ(SlotUtf8(kSectionSlot), Utf8(u8"/d/断面 1.sec"));
    EXPECT_EQ(SlotUtf8(kMeasurementSlot), "/d/m.dis");
    EXPECT_EQ(SlotUtf8(kAnalysisSlot), "/e/a.slo");
    EXPECT_EQ(Frame()->MainWindow()->windowTitle().toStdString(), Utf8(u8"すべり線解析 Ver.2.1 (基本ﾒﾆｭｰ)"));
    EXPECT_TRUE(Frame()->MainWindow()->isVisible());
    // The analysis file's directory is where the choosers open.
    EXPECT_STREQ(TheApp().DefaultDirectory(), "/e/");
    EXPECT_EQ(sink_->MessageCount(), 0);
}

TEST_F(BaseMenuFormTest, NoSettingsFileGivesEmptySlots) {
    OpenBaseMenu();
    EXPECT_EQ(SlotUtf8(kSectionSlot), "");
    EXPECT_EQ(SlotUtf8(kMeasurementSlot), "");
    EXPECT_EQ(SlotUtf8(kAnalysisSlot), "");
    EXPECT_EQ(sink_->MessageCount(), 0);
}

TEST_F(BaseMenuFormTest, SectionModelEditorGetsItsNameWithTheNewFileMarkWhenMissing) {
    data_.Write(u8"断面 A.sec", "x");
    const std::string existing = DataFile(u8"断面 A.sec");
    Launch launch = LaunchWith(kSectionModelButton, DataFile(u8"断面 A"), "", "");
    EXPECT_EQ(launch.program, "merdok");
    EXPECT_EQ(launch.arguments, Arguments{existing});

    launch = LaunchWith(kSectionModelButton, DataFile("new"), "", "");
    EXPECT_EQ(launch.arguments, (Arguments{"@", DataFile("new.sec")}));

    launch = LaunchWith(kSectionModelButton, "", "", "");
    EXPECT_EQ(launch.program, "merdok");
    EXPECT_EQ(launch.arguments, Arguments{});
    EXPECT_EQ(sink_->MessageCount(), 0);
}

TEST_F(BaseMenuFormTest, TableEditorGetsTheMeasurementAndAnExistingSectionModel) {
    data_.Write("s.sec", "x");
    data_.Write("m.dis", "x");
    Launch launch = LaunchWith(kMeasureInputButton, DataFile("s"), DataFile("m"), "");
    EXPECT_EQ(launch.program, "quilmo");
    EXPECT_EQ(launch.arguments, (Arguments{DataFile("m.dis"), DataFile("s.sec")}));

    launch = LaunchWith(kMeasureInputButton, DataFile("gone.sec"), DataFile(u8"計測 2"), "");
    EXPECT_EQ(launch.arguments, (Arguments{"@", DataFile(u8"計測 2.dis")}));

    launch = LaunchWith(kMeasureInputButton, DataFile("s.sec"), "", "");
    EXPECT_EQ(launch.program, "<0>");
    EXPECT_EQ(sink_->MessagesUtf8(), std::vector<std::string>{Utf8(u8"計測変位ﾃﾞｰﾀﾌｧｲﾙ名が未定義です")});
}

TEST_F(BaseMenuFormTest, AnalysisIsRefusedStepByStepThenGetsThreeNames) {
    data_.Write("s.sec", "x");
    data_.Write("m.dis", "x");
    OpenRecordingForm();
    const std::vector<std::pair<std::vector<std::string>, std::string>> steps = {
        {{"", "", ""}, Utf8(u8"断面ﾌｧｲﾙ名が未定義です")},
        {{DataFile("none"), "", ""}, Utf8(u8"断面ﾌｧｲﾙが見つかりません")},
        {{DataFile("s"), "", ""}, Utf8(u8"計測変位ﾌｧｲﾙ名が未定義です")},
        {{DataFile("s"), DataFile("none"), ""}, Utf8(u8"計測変位ﾌｧｲﾙが見つかりません")},
        {{DataFile("s"), DataFile("m.dis"), ""}, Utf8(u8"解析ﾌｧｲﾙ名が未定義です")},
    };
    std::vector<std::string> expected;
    for (const auto& [texts, message] : steps) {
        SetSlotUtf8(kSectionSlot, texts[0]);
        SetSlotUtf8(kMeasurementSlot, texts[1]);
        SetSlotUtf8(kAnalysisSlot, texts[2]);
        Button(kSlipAnalysisButton)->click();
        expected.push_back(message);
    }
    EXPECT_EQ(sink_->MessagesUtf8(), expected);
    EXPECT_TRUE(launches_.empty());

    // Refusals are no launch requests: the next click still starts the program.
    SetSlotUtf8(kAnalysisSlot, DataFile(u8"解析 1"));
    Button(kSlipAnalysisButton)->click();
    ASSERT_EQ(launches_.size(), 1u);
    EXPECT_EQ(launches_[0].program, "torvan");
    EXPECT_EQ(launches_[0].arguments,
              (Arguments{"@", DataFile(u8"解析 1.slo"), DataFile("s.sec"), DataFile("m.dis")}));
}

TEST_F(BaseMenuFormTest, DrawingViewerGetsNothingAndLogViewerTheAnalysisLog) {
    Launch launch = LaunchWith(kDrawingEditButton, "a", "b", "c");
    EXPECT_EQ(launch.program, "zapho");
    EXPECT_EQ(launch.arguments, Arguments{});

    launch = LaunchWith(kAnalysisLogButton, "", "", Utf8(u8"/d/解析 1.slo"));
    EXPECT_EQ(launch.program, "wenux");
    EXPECT_EQ(launch.arguments, Arguments{Utf8(u8"/d/解析 1.log")});

    launch = LaunchWith(kAnalysisLogButton, "", "", "");
    EXPECT_EQ(launch.program, "wenux");
    EXPECT_EQ(launch.arguments, Arguments{});
}

TEST_F(BaseMenuFormTest, ASecondClickWithinASecondIsDroppedWhateverTheButton) {
    OpenRecordingForm();
    Button(kDrawingEditButton)->click();
    Button(kDrawingEditButton)->click();
    Button(kSectionModelButton)->click();
    Button(kAnalysisLogButton)->click();
    ASSERT_EQ(launches_.size(), 1u);
    EXPECT_EQ(launches_[0].program, "zapho");
    EXPECT_EQ(sink_->MessageCount(), 0);
}

TEST_F(BaseMenuFormTest, AMissingProgramFileIsNamedInTheMessage) {
    OpenBaseMenu();
    Button(kDrawingEditButton)->click();
    const std::string path = platform::Cp932ToUtf8(platform::ModuleDirectory().str()) + "/zapho";
    EXPECT_EQ(sink_->MessagesUtf8(),
              std::vector<std::string>{path + Utf8(u8"\n実行ﾌｧｲﾙが見つかりません !!")});
}

} // namespace
} // namespace basnev_test
