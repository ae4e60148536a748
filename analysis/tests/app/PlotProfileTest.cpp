// The drawing run without a window reads the sheet from the settings file as the analysis
// view takes it from the same file, for the defaults and for every key changed.

#include "analysis/core/PlotProfile.h"
#include "analysis/app/ViewSettings.h"

#include "platform/core/Unset.h"
#include "testsupport/TempDir.h"

#include <gtest/gtest.h>

namespace torvan {
namespace {

bool SameReal(double a, double b) {
    return (platform::IsUnsetDouble(a) && platform::IsUnsetDouble(b)) || a == b;
}

void ExpectSameSheet(const SheetParameters& a, const SheetParameters& b) {
    EXPECT_EQ(a.m_nPaper, b.m_nPaper);
    EXPECT_EQ(a.m_strTitle1, b.m_strTitle1);
    EXPECT_EQ(a.m_strTitle2, b.m_strTitle2);
    EXPECT_EQ(a.m_nCenterX, b.m_nCenterX);
    EXPECT_EQ(a.m_nCenterY, b.m_nCenterY);
    EXPECT_EQ(a.m_nDrawAxes, b.m_nDrawAxes);
    const double reals[][2] = {
        {a.m_dModelScale, b.m_dModelScale},       {a.m_dDispScale, b.m_dDispScale},
        {a.m_dModelPosX, b.m_dModelPosX},         {a.m_dModelPosY, b.m_dModelPosY},
        {a.m_dAxisDistance1, b.m_dAxisDistance1}, {a.m_dAxisDistance2, b.m_dAxisDistance2},
        {a.m_dLegendPosX, b.m_dLegendPosX},       {a.m_dLegendPosY, b.m_dLegendPosY}};
    for (const auto& pair : reals) {
        EXPECT_TRUE(SameReal(pair[0], pair[1])) << pair[0] << " " << pair[1];
    }
}

void ExpectSameStyle(const PlotStyle& a, const PlotStyle& b) {
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(a.lines[i].draw, b.lines[i].draw) << "line " << i;
        EXPECT_EQ(a.lines[i].width, b.lines[i].width) << "line " << i;
        EXPECT_EQ(a.lines[i].color, b.lines[i].color) << "line " << i;
    }
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(a.points[i].draw, b.points[i].draw) << "point " << i;
        EXPECT_EQ(a.points[i].color, b.points[i].color) << "point " << i;
        EXPECT_EQ(a.points[i].size, b.points[i].size) << "point " << i;
        EXPECT_EQ(a.numberDraw[i], b.numberDraw[i]) << "number " << i;
    }
    EXPECT_EQ(a.vectorMode, b.vectorMode);
}

TEST(PlotProfileTest, TheBatchReadsTheSheetAsTheViewTakesIt) {
    const std::string changed =
        "[Number Node Point]\r\nDrawFlag=1\r\n[Number Verrant]\r\nDrawFlag=0\r\n"
        "[Section Line]\r\nColor=0,0,255\r\nWidth=3\r\n[New Verrant]\r\nDrawFlag=0\r\n"
        "[Disp Vector]\r\nColor=300,1,2\r\nLineType=2\r\n"
        "[Point Node]\r\nWidth=7\r\n[Point SurfBoundR]\r\nColor=1,2\r\nDrawFlag=0\r\n"
        "[Plot Parameter]\r\nPaperSize=3\r\nTitle1=T1\r\nAxisFlag=0\r\nCenterX=0\r\n"
        "ModelScale=   500.000\r\nModelPos=    10.000          \r\nScalePos=  abc         25.500\r\n";
    for (const std::string& contents : {std::string(), changed}) {
        testsupport::TempDir dir("torvan-plot-profile");
        const CString path(contents.empty() ? dir.File("missing.INI") : dir.Write("torvan.INI", contents));
        ViewSettings settings;
        LoadViewSettings(path, "/opt/verrant/bin/", settings);
        SheetParameters sheet;
        PlotStyle style;
        ReadPlotProfile(path, sheet, style);
        SCOPED_TRACE(contents.empty() ? "no file" : "changed keys");
        ExpectSameSheet(sheet, ToSheetParameters(settings.plot));
        ExpectSameStyle(style, ToPlotStyle(settings.display));
    }
}

TEST(PlotProfileTest, EachPositionPairKeepsItsOrder) {
    testsupport::TempDir dir("torvan-plot-pairs");
    const CString path(dir.Write("torvan.INI",
                                 "[Plot Parameter]\r\nModelPos=    11.000    12.000\r\n"
                                 "AxisPos=    21.000    22.000\r\nScalePos=    31.000    32.000\r\n"));
    SheetParameters sheet;
    PlotStyle style;
    ReadPlotProfile(path, sheet, style);
    const double pairs[][3] = {{sheet.m_dModelPosX, sheet.m_dModelPosY, 11.0},
                               {sheet.m_dAxisDistance1, sheet.m_dAxisDistance2, 21.0},
                               {sheet.m_dLegendPosX, sheet.m_dLegendPosY, 31.0}};
    for (const auto& pair : pairs) {
        EXPECT_EQ(pair[0], pair[2]);
        EXPECT_EQ(pair[1], pair[2] + 1.0);
    }
}

} // namespace
} // namespace torvan
