// The analysis program's settings block in its settings file: the defaults of a fresh file,
// a round trip of changed values, and the values the readers refuse.

#include "analysis/app/ViewSettings.h"

#include "platform/core/Unset.h"
#include "testsupport/TempDir.h"

#include <gtest/gtest.h>

namespace torvan {
namespace {

class ViewSettingsTest : public ::testing::Test {
protected:
    ViewSettings Load() {
        ViewSettings settings;
        LoadViewSettings(CString(path_), "/opt/verrant/bin/", settings);
        return settings;
    }
    testsupport::TempDir dir_{"torvan-settings"};
    const std::string path_ = dir_.File("TORVAN.INI");
};

TEST_F(ViewSettingsTest, AFreshFileGivesTheDefaults) {
    const ViewSettings settings = Load();
    for (const section::NumberStyle& number : settings.display.numbers) {
        EXPECT_EQ(number.font.lfHeight, -12);
        EXPECT_EQ(number.font.lfCharSet, SHIFTJIS_CHARSET);
        EXPECT_STREQ(number.font.lfFaceName, CString(u8"ＭＳ 明朝").GetString());
    }
    EXPECT_EQ(settings.display.numbers[kNumberSite].color, RGB(128, 0, 0));
    EXPECT_EQ(settings.display.numbers[kNumberSite].numberType, 1);
    EXPECT_EQ(settings.display.numbers[kNumberNode].draw, 0);
    EXPECT_EQ(settings.display.lines[kLineNewSlip].width, 2);
    EXPECT_EQ(settings.display.lines[kLineVector].type, 0);
    EXPECT_EQ(settings.display.points[kPointInner].color, RGB(128, 0, 128));
    EXPECT_EQ(settings.display.points[kPointNode].size, 3);
    EXPECT_EQ(settings.titleFile, CString("/opt/verrant/bin/title.idx"));
    EXPECT_EQ(settings.countLimit[3], 100);
    EXPECT_DOUBLE_EQ(settings.newLine, 0.01);
    EXPECT_TRUE(platform::IsUnsetDouble(settings.plot.modelPos[1]));
}

TEST_F(ViewSettingsTest, ChangedSettingsComeBackAfterARestart) {
    ViewSettings settings = Load();
    settings.display.points[kPointLeft].color = RGB(10, 20, 30);
    settings.display.lines[kLineVector].type = 2;
    settings.display.numbers[kNumberSlip].font.lfHeight = -20;
    settings.countLimit[1] = 1234;
    settings.newLine = 0.0;
    settings.plot.title1 = CString(u8"断面 A-A'");
    settings.plot.modelScale = 500.0;
    settings.plot.modelPos[0] = 12.5;
    settings.plot.modelPos[1] = -3.25;
    settings.plot.scalePos[1] = 7.0;
    dir_.Write("TORVAN.INI", "[Grid Dialog Line]\r\nLine0=327680800\r\n");
    SaveViewSettings(CString(path_), settings);

    const ViewSettings read = Load();
    EXPECT_EQ(read.display.points[kPointLeft].color, RGB(10, 20, 30));
    EXPECT_EQ(read.display.lines[kLineVector].type, 2);
    EXPECT_EQ(read.display.numbers[kNumberSlip].font.lfHeight, -20);
    EXPECT_EQ(read.countLimit[1], 1234);
    EXPECT_DOUBLE_EQ(read.newLine, 0.0);
    EXPECT_EQ(read.plot.title1, settings.plot.title1);
    EXPECT_DOUBLE_EQ(read.plot.modelScale, 500.0);
    EXPECT_DOUBLE_EQ(read.plot.modelPos[0], 12.5);
    EXPECT_DOUBLE_EQ(read.plot.modelPos[1], -3.25);
    EXPECT_TRUE(platform::IsUnsetDouble(read.plot.scalePos[0]));
    EXPECT_DOUBLE_EQ(read.plot.scalePos[1], 7.0);
    const std::string bytes = dir_.Read("TORVAN.INI");
    EXPECT_EQ(bytes.rfind("[Grid Dialog Line]\r\nLine0=327680800\r\n", 0), 0u);
    EXPECT_NE(bytes.find("ModelPos=    12.500    -3.250\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("DispScale=          \r\n"), std::string::npos);
}

TEST_F(ViewSettingsTest, ValuesTheReadersRefuseKeepTheDefaults) {
    dir_.Write("TORVAN.INI",
               "[System]\r\nCount Limit=0 77 -1 88\r\nNew Point=-2\r\nNew Line=1.0\r\n"
               "[Title]\r\nFile=\r\n[Plot Parameter]\r\nModelPos=   abc\r\nAxisPos=     1.000\r\n");
    const ViewSettings settings = Load();
    EXPECT_EQ(settings.countLimit[0], 10000);
    EXPECT_EQ(settings.countLimit[1], 77);
    EXPECT_EQ(settings.countLimit[2], 10000);
    EXPECT_EQ(settings.countLimit[3], 88);
    EXPECT_DOUBLE_EQ(settings.newPoint, 0.01);
    EXPECT_DOUBLE_EQ(settings.newLine, 0.01);
    EXPECT_EQ(settings.titleFile, CString("/opt/verrant/bin/title.idx"));
    EXPECT_TRUE(platform::IsUnsetDouble(settings.plot.modelPos[0]));
    EXPECT_DOUBLE_EQ(settings.plot.axisPos[0], 1.0);
    EXPECT_TRUE(platform::IsUnsetDouble(settings.plot.axisPos[1])); // a short string: the second is unset
}

} // namespace
} // namespace torvan
