// The dxf-import-dump program: settings from JSON, the reader's work printed as JSON.

#include "DxfSampleDrawing.h"
#include "DxfTestFiles.h"

#include "platform/core/CodePage.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>

using dxftest::EntitiesDxf;
using dxftest::OutputPath;
using Json = nlohmann::ordered_json; // keeps the printed key order

namespace {

struct DumpRun {
    int status = -1;
    std::string output;
    Json json;
};

class DxfImportDump : public ::testing::Test {
protected:
    DumpRun Run(const std::string& dxfPath, const std::string& settings) {
        std::string settingsPath = OutputPath("dump-settings-" + std::to_string(++runNumber_) + ".json");
        dxftest::WriteBytes(settingsPath, settings);
        std::string command =
            std::string(DXF_IMPORT_DUMP) + " '" + dxfPath + "' '" + settingsPath + "' 2>/dev/null";
        DumpRun run;
        FILE* pipe = ::popen(command.c_str(), "r");
        if (!pipe) {
            ADD_FAILURE() << "cannot run " << command;
            return run;
        }
        char buffer[4096];
        std::size_t count;
        while ((count = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
            run.output.append(buffer, count);
        }
        int raw = ::pclose(pipe);
        run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        run.json = Json::parse(run.output, nullptr, false);
        return run;
    }
    std::string Dxf(const std::string& bytes) {
        std::string path = OutputPath("dump-" + std::to_string(++runNumber_) + ".dxf");
        dxftest::WriteBytes(path, bytes);
        return path;
    }

private:
    int runNumber_ = 0;
};

TEST_F(DxfImportDump, WrittenSectionComesOutAsNumberedPointsAndLinesInCreationOrder) {
    std::string path = OutputPath("dump-section.dxf");
    auto runs = dxftest::WriteSectionDrawing(path, 14);
    DumpRun run = Run(path, R"({"layer_lists": [["1"], ["0"], []], "same_point_distance": 0.001,
                                "region": null, "x_factor": 1.0, "y_factor": 1.0})");
    ASSERT_EQ(run.status, 0) << run.output;
    ASSERT_FALSE(run.json.is_discarded()) << run.output;
    EXPECT_EQ(run.json["result"], 1);
    EXPECT_EQ(run.json["messages"], Json::array());
    const Json& points = run.json["points"];
    ASSERT_EQ(points.size(), 10U); // 6 + 3 + 2 written, one shared
    EXPECT_EQ(points[0], (Json{{"number", 1}, {"x", 0.0}, {"y", 50.0}, {"kind", 1}}));
    EXPECT_EQ(points[3], (Json{{"number", 4}, {"x", 55.125}, {"y", 22.0}, {"kind", 1}}));
    EXPECT_EQ(points[9], (Json{{"number", 10}, {"x", 100.0}, {"y", 14.0}, {"kind", 2}}));
    const Json& lines = run.json["lines"];
    ASSERT_EQ(lines.size(), 8U);
    EXPECT_EQ(lines[0], (Json{{"number", 1}, {"p1", 1}, {"p2", 2}}));
    EXPECT_EQ(lines[5], (Json{{"number", 6}, {"p1", 3}, {"p2", 7}})); // the branch starts at the shared point
    EXPECT_EQ(lines[7], (Json{{"number", 8}, {"p1", 9}, {"p2", 10}}));
    std::string keys;
    for (const auto& item : run.json.items()) {
        keys += item.key() + " ";
    }
    EXPECT_EQ(keys, "result messages points lines ");
}

TEST_F(DxfImportDump, FactorsRegionWithAnOpenSideAndJapaneseLayerNames) {
    std::string layer = platform::Utf8ToCp932(u8"地層");
    std::string path =
        Dxf(EntitiesDxf({"0", "LINE", "8", layer,   "10", "-10", "20", "1", "11", "10", "21", "1",
                         "0", "LINE", "8", "OTHER", "10", "0",   "20", "0", "11", "5",  "21", "5"}));
    DumpRun run = Run(path, R"({"layer_lists": [[], [], ["地層"]], "x_factor": 2.0, "y_factor": 3.0,
                                "region": [0, null, null, null]})");
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_EQ(run.json["points"], (Json{{{"number", 1}, {"x", 0.0}, {"y", 3.0}, {"kind", 4}},
                                        {{"number", 2}, {"x", 20.0}, {"y", 3.0}, {"kind", 4}}}));
    EXPECT_EQ(run.json["lines"].size(), 1U);
}

TEST_F(DxfImportDump, LimitAndEndOfFileMessagesInTheOrderShown) {
    std::string lines = EntitiesDxf({"0", "LINE", "10", "0", "20", "0", "11", "1", "21", "0",
                                     "0", "LINE", "10", "0", "20", "5", "11", "1", "21", "5"});
    DumpRun limited = Run(Dxf(lines), R"({"line_limit": 2})");
    ASSERT_EQ(limited.status, 0);
    EXPECT_EQ(limited.json["result"], 1);
    EXPECT_EQ(limited.json["messages"], Json::array({"線ﾃﾞｰﾀ制限を越えたため読み込みを中止します"}));
    EXPECT_EQ(limited.json["lines"].size(), 1U);

    const std::string ending = "0\r\nENDSEC\r\n0\r\nEOF\r\n";
    DumpRun cut = Run(Dxf(lines.substr(0, lines.size() - ending.size())), "{}");
    ASSERT_EQ(cut.status, 0);
    EXPECT_EQ(cut.json["result"], 0);
    EXPECT_EQ(cut.json["messages"], Json::array({"ファイルが途中で終了しているため、読み込みできません"}));
    EXPECT_EQ(cut.json["points"].size(), 2U); // the last LINE never ended
}

TEST_F(DxfImportDump, BadSettingsOrArgumentsGiveStatusTwoAndNoOutput) {
    std::string path = Dxf(EntitiesDxf({}));
    for (const char* settings : {"not json", "[]", R"({"layer_lists": [["A"]]})", R"({"region": [0, 1]})",
                                 R"({"x_factor": "2"})", R"({"point_limit": 1.5})"}) {
        DumpRun run = Run(path, settings);
        EXPECT_EQ(run.status, 2) << settings;
        EXPECT_EQ(run.output, "") << settings;
    }
    DumpRun missing = Run(path, "{}");
    EXPECT_EQ(missing.status, 0);
    EXPECT_EQ(missing.json["result"], 1);
    EXPECT_EQ(
        std::system((std::string(DXF_IMPORT_DUMP) + " only-one-argument 2>/dev/null >/dev/null").c_str()) >>
            8,
        2);
}

} // namespace
