#include "control/core/ChildLaunch.h"

#include <gtest/gtest.h>
#include <set>
#include <string>

namespace basnev {
namespace {

// A file system that holds exactly the listed paths.
struct FakeFiles {
    std::set<std::string> present;
    FileExistsFunction Exists() const {
        return [this](const CString& path) { return present.count(std::string(path)) > 0; };
    }
};

std::vector<std::string> Strings(const LaunchRequest& request) {
    return {request.arguments.begin(), request.arguments.end()};
}

TEST(ChildLaunchTest, SlotPathKeepsTheTextAndAddsTheExtensionOnlyWhenMissing) {
    CString path;
    EXPECT_FALSE(GetEditPath("", ".sec", path));
    ASSERT_TRUE(GetEditPath("/d/site a/model", ".sec", path));
    EXPECT_STREQ(path, "/d/site a/model.sec");
    ASSERT_TRUE(GetEditPath("/d/x.v1/Model.SEC", ".sec", path));
    EXPECT_STREQ(path, "/d/x.v1/Model.SEC");
    // A dot in a directory name is no extension of the file.
    ASSERT_TRUE(GetEditPath("/d/x.v1/model", ".dis", path));
    EXPECT_STREQ(path, "/d/x.v1/model.dis");
}

TEST(ChildLaunchTest, SectionEditorGetsItsFileMarkedNewWhenMissing) {
    FakeFiles files;
    EXPECT_TRUE(SectionModelRequest({}, files.Exists()).arguments.empty());
    SlotTexts slots{"/d/a", "", ""};
    EXPECT_EQ(Strings(SectionModelRequest(slots, files.Exists())),
              (std::vector<std::string>{"@", "/d/a.sec"}));
    files.present.insert("/d/a.sec");
    const LaunchRequest request = SectionModelRequest(slots, files.Exists());
    EXPECT_EQ(request.programId, kSectionEditorProgram);
    EXPECT_EQ(Strings(request), (std::vector<std::string>{"/d/a.sec"}));
}

TEST(ChildLaunchTest, TableEditorNeedsAMeasurementNameAndAddsAnExistingSection) {
    FakeFiles files;
    EXPECT_EQ(std::string(MeasureInputRequest({}, files.Exists()).refusal),
              std::string(CString(u8"計測変位ﾃﾞｰﾀﾌｧｲﾙ名が未定義です")));
    SlotTexts slots{"", "/d/m", ""};
    EXPECT_EQ(Strings(MeasureInputRequest(slots, files.Exists())),
              (std::vector<std::string>{"@", "/d/m.dis"}));
    slots.section = "/d/s.sec";
    EXPECT_EQ(Strings(MeasureInputRequest(slots, files.Exists())),
              (std::vector<std::string>{"@", "/d/m.dis"}));
    files.present = {"/d/s.sec", "/d/m.dis"};
    EXPECT_EQ(Strings(MeasureInputRequest(slots, files.Exists())),
              (std::vector<std::string>{"/d/m.dis", "/d/s.sec"}));
}

TEST(ChildLaunchTest, AnalysisProgramChecksTheSlotsInOrder) {
    FakeFiles files;
    auto refusal = [&](const SlotTexts& slots) {
        return std::string(SlipAnalysisRequest(slots, files.Exists()).refusal);
    };
    EXPECT_EQ(refusal({"", "/d/m", "/d/r"}), std::string(CString(u8"断面ﾌｧｲﾙ名が未定義です")));
    EXPECT_EQ(refusal({"/d/s", "/d/m", "/d/r"}), std::string(CString(u8"断面ﾌｧｲﾙが見つかりません")));
    files.present.insert("/d/s.sec");
    EXPECT_EQ(refusal({"/d/s", "", "/d/r"}), std::string(CString(u8"計測変位ﾌｧｲﾙ名が未定義です")));
    EXPECT_EQ(refusal({"/d/s", "/d/m", "/d/r"}), std::string(CString(u8"計測変位ﾌｧｲﾙが見つかりません")));
    files.present.insert("/d/m.dis");
    EXPECT_EQ(refusal({"/d/s", "/d/m", ""}), std::string(CString(u8"解析ﾌｧｲﾙ名が未定義です")));
    // Only the analysis file may be new.
    const LaunchRequest request = SlipAnalysisRequest({"/d/s", "/d/m", "/d/r"}, files.Exists());
    EXPECT_TRUE(request.refusal.IsEmpty());
    EXPECT_EQ(Strings(request), (std::vector<std::string>{"@", "/d/r.slo", "/d/s.sec", "/d/m.dis"}));
}

TEST(ChildLaunchTest, LogViewerGetsTheAnalysisNameWithTheLogExtension) {
    EXPECT_TRUE(AnalysisLogRequest({}).arguments.empty());
    EXPECT_EQ(Strings(AnalysisLogRequest({"", "", "/d/run 1/slope.slo"})),
              (std::vector<std::string>{"/d/run 1/slope.log"}));
    EXPECT_EQ(Strings(AnalysisLogRequest({"", "", "/d/slope"})), (std::vector<std::string>{"/d/slope.log"}));
    EXPECT_TRUE(DrawingEditRequest().arguments.empty());
}

TEST(ChildLaunchTest, ProgramTableNamesEveryChild) {
    EXPECT_STREQ(ChildProgramFile(kPlanEditorProgram), "pendar");
    EXPECT_STREQ(ChildProgramFile(kSectionEditorProgram), "merdok");
    EXPECT_STREQ(ChildProgramFile(kTableEditorProgram), "quilmo");
    EXPECT_STREQ(ChildProgramFile(kAnalysisProgram), "torvan");
    EXPECT_STREQ(ChildProgramFile(kDrawingViewerProgram), "zapho");
    EXPECT_STREQ(ChildProgramFile(kListViewerProgram), "wenux");
    EXPECT_TRUE(ChildProgramFile(4300).IsEmpty());
}

} // namespace
} // namespace basnev
