#include "common/ui/table/CGridLineSettings.h"
#include "testsupport/FileBytes.h"
#include "testsupport/TempDir.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <unistd.h>

namespace {

class GridLineSettingsTest : public ::testing::Test {
protected:
    std::string Read() const { return testsupport::ReadBytes(path_); }
    testsupport::TempDir dir_{"gridline"};
    const std::string path_ = dir_.File("GRID.INI");
};

TEST_F(GridLineSettingsTest, WithoutTheSectionEveryKindShowsFiveRowsAndNothingIsWritten) {
    CGridLineSettings settings;
    settings.Load(path_.c_str());
    EXPECT_EQ(settings.VisibleRows(800), CGridLineSettings::kDefaultRows);
    settings.Save(path_.c_str());
    EXPECT_FALSE(std::filesystem::exists(path_));
}

TEST_F(GridLineSettingsTest, KindsReadAreKeptAndChangedOnesWrittenBack) {
    std::ofstream(path_, std::ios::binary) << "[Grid Dialog Line]\r\n800=12\r\n802=30\r\n803=x\r\n";
    CGridLineSettings settings;
    settings.Load(path_.c_str());
    EXPECT_EQ(settings.VisibleRows(800), 12);
    EXPECT_EQ(settings.VisibleRows(801), CGridLineSettings::kDefaultRows);
    EXPECT_EQ(settings.VisibleRows(802), 30);
    EXPECT_EQ(settings.VisibleRows(803), CGridLineSettings::kDefaultRows);
    settings.SetVisibleRows(801, 7);
    settings.SetVisibleRows(800, 9);
    settings.Save(path_.c_str());
    EXPECT_EQ(Read(), "[Grid Dialog Line]\r\n800=9\r\n802=30\r\n803=x\r\n801=7\r\n");
    CGridLineSettings back;
    back.Load(path_.c_str());
    EXPECT_EQ(back.VisibleRows(801), 7);
}

} // namespace
