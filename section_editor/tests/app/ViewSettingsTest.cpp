// The editing settings as the settings file keeps them between runs.

#include "section_editor/app/ViewSettings.h"

#include "testsupport/FileBytes.h"
#include "testsupport/Fixtures.h"

namespace merdok {
namespace {

class ViewSettingsTest : public testsupport::TempDirTest {};

TEST_F(ViewSettingsTest, EditingSettingsSurviveARunAsTheDialogTookThem) {
    const std::string path = Path("MERDOK.INI");
    testsupport::WriteBytes(path, "[System]\r\nCount Limit=0 6000 -5 20\r\nNew Point=0\r\nNew Line=0\r\n");
    ViewSettings settings;
    LoadViewSettings(CString(path), CString(), settings);
    EXPECT_EQ(std::vector<int>(settings.countLimit, settings.countLimit + 4),
              (std::vector<int>{5000, 6000, 1000, 20}));
    EXPECT_EQ(settings.newPoint, 0.01);
    EXPECT_EQ(settings.newLine, 0.0); // the dialog accepts an angle of 0, so the file keeps it

    settings.countLimit[0] = 3000;
    settings.countLimit[1] = 5000;
    settings.countLimit[3] = 10;
    SaveViewSettings(CString(path), settings);
    EXPECT_NE(testsupport::ReadBytes(path).find("Count Limit=3000 5000 1000 10"), std::string::npos);
}

} // namespace
} // namespace merdok
