// The import settings file of the test-support programs is read as the suite reads its
// settings: a FIFO, a directory or a file far larger than any settings file is refused at
// once, never waited on, read for good or taken apart.

#include "DxfImportSettingsJson.h"

#include "testsupport/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

TEST(DxfImportSettingsJsonTest, ASettingsFileThatIsNoSettingsFileIsRefused) {
    testsupport::TempDir dir;
    const fs::path fifo = dir.Path() / "fifo.json";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const fs::path huge = dir.Path() / std::u8string(u8"大きい.json");
    std::ofstream(huge) << R"({"layer_lists": [["GL"], [], []], "x_factor": 1})";
    fs::resize_file(huge, 300u << 20); // one line of 300 MB, sparse
    for (const fs::path& path : {fifo, dir.Path(), huge}) {
        EXPECT_THROW(dxftest::ReadImportSettingsJson(path.string()), dxftest::SettingsError) << path;
    }
    const std::string small = dir.Write(u8"設定.json", R"({"x_factor": 2.5})");
    EXPECT_EQ(dxftest::ReadImportSettingsJson(small).settings.xFactor, 2.5);
}

} // namespace
