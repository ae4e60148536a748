// analysis-batch --plot with and without --settings, run as a separate process: the plot
// follows the analysis program's settings file, which is only read, and exactly the index
// and page files appear beside the analysis file.

#include "testsupport/FileBytes.h"
#include "testsupport/TempDir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <set>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

int RunBatch(const std::vector<std::string>& args) {
    std::string command = std::string("'") + ANALYSIS_BATCH_PATH + "'";
    for (const std::string& arg : args) {
        command += " '" + arg + "'";
    }
    command += " >/dev/null 2>&1";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// The page file's first colour command: the ground-surface line colour of the sheet.
std::string FirstColor(const fs::path& page) {
    const std::string text = "\n" + testsupport::ReadBytes(page);
    const std::size_t at = text.find("\nV");
    return at == std::string::npos ? std::string() : text.substr(at + 1, text.find('\r', at) - at - 1);
}

std::set<std::string> Names(const fs::path& directory) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(directory)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

class AnalysisBatchPlotTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"sample.sec", "sample.dis", "sample.slo"}) {
            fs::copy_file(fs::path(VERRANT_SOURCE_DIR) / "data" / name, data_.Path() / name);
        }
    }
    std::string Analysis() const { return data_.File("sample.slo"); }

    testsupport::TempDir data_;
    testsupport::TempDir settings_;
};

TEST_F(AnalysisBatchPlotTest, TheSettingsFileColoursThePlotAndIsOnlyRead) {
    const std::string settings =
        settings_.Write("torvan.INI", "[Section Line]\r\nColor=0,0,255\r\n"
                                      "[Plot Parameter]\r\nTitle1=SETTINGS TITLE\r\n");
    const std::string before = testsupport::ReadBytes(settings);

    ASSERT_EQ(RunBatch({Analysis(), "--no-run", "--plot"}), 0);
    EXPECT_EQ(FirstColor(data_.Path() / "sample.p01"), "V0"); // the program's default, black

    ASSERT_EQ(RunBatch({Analysis(), "--no-run", "--settings", settings, "--plot"}), 0);
    EXPECT_EQ(FirstColor(data_.Path() / "sample.p01"), "V12"); // blue
    EXPECT_NE(testsupport::ReadBytes(data_.Path() / "sample.p01").find("SETTINGS TITLE"), std::string::npos);

    EXPECT_EQ(testsupport::ReadBytes(settings), before);
    EXPECT_EQ(Names(settings_.Path()), std::set<std::string>{"torvan.INI"});
    EXPECT_EQ(Names(data_.Path()),
              (std::set<std::string>{"sample.sec", "sample.dis", "sample.slo", "sample.p00", "sample.p01"}));
}

} // namespace
