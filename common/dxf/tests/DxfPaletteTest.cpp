#include "DxfTestFiles.h"

#include "common/dxf/CDxfColorPalette.h"
#include "platform/core/RecordingSink.h"

#include <gtest/gtest.h>

using dxftest::OutputPath;
using dxftest::WriteBytes;

namespace {

class DxfDefaultPalette : public ::testing::Test {
protected:
    void SetUp() override { palette.BuildDefaultPalette(4.0); }
    int Nearest(COLORREF color) const { return palette.NearestPaletteIndex(&color); }
    CDxfColorPalette palette;
};

TEST_F(DxfDefaultPalette, BuildsHuesShadesAndGreys) {
    EXPECT_EQ(palette.GetEntry(10), RGB(255, 0, 0));
    EXPECT_EQ(palette.GetEntry(11), RGB(255, 127, 127));
    EXPECT_EQ(palette.GetEntry(12), RGB(191, 0, 0));
    EXPECT_EQ(palette.GetEntry(18), RGB(0, 0, 0));
    EXPECT_EQ(palette.GetEntry(50), RGB(255, 255, 0));
    EXPECT_EQ(palette.GetEntry(250), RGB(255, 255, 255));
    EXPECT_EQ(palette.GetEntry(253), RGB(102, 102, 102));
    EXPECT_EQ(palette.GetEntry(255), RGB(0, 0, 0));
}

TEST_F(DxfDefaultPalette, NearestColourBySquaredDistanceLowerNumberOnTies) {
    EXPECT_EQ(Nearest(RGB(255, 255, 255)), 250);
    EXPECT_EQ(Nearest(RGB(0, 0, 0)), 18); // the darkest red shade is black and comes before grey 255
    EXPECT_EQ(Nearest(RGB(128, 128, 128)), 252);
    EXPECT_EQ(Nearest(RGB(255, 0, 0)), 10);
}

TEST(DxfColorPalette, HueChannelRamps) {
    const int expected[7][4] = {{255, 255, 255, 255}, {255, 191, 127, 63},  {0, 0, 0, 0}, {0, 0, 0, 0},
                                {0, 64, 128, 192},    {255, 255, 255, 255}, {0, 0, 0, 0}};
    for (int sextant = 0; sextant < 7; ++sextant) {
        for (int step = 0; step < 4; ++step) {
            EXPECT_EQ(CDxfColorPalette::HueChannel(sextant, step), expected[sextant][step])
                << "sextant " << sextant << " step " << step;
        }
    }
}

class DxfPaletteFile : public ::testing::Test {
protected:
    int Load(const std::string& text) {
        std::string path = OutputPath("color.pal");
        WriteBytes(path, text);
        return palette.LoadColorPaletteFrom(path.c_str());
    }
    platform::RecordingSink sink;
    CDxfColorPalette palette;
};

TEST_F(DxfPaletteFile, ReadsEntriesByColumnsAndKeepsTheDefaultForOthers) {
    ASSERT_EQ(Load("COLOR 10 red  = 1, 2, 3\r\n"
                   "COLOR001 one=9,8,7\n"
                   "COLOR256 =1,1,1\n"
                   "COLOR000 =1,1,1\n"
                   "COLOR 10 again=4,5,6\n"),
              1);
    EXPECT_EQ(sink.MessageCount(), 0);
    EXPECT_EQ(palette.GetEntry(10), RGB(4, 5, 6)); // a later line overrides
    EXPECT_EQ(palette.GetEntry(1), RGB(9, 8, 7));
    EXPECT_EQ(palette.GetEntry(20), RGB(255, 64, 0)); // not listed: the built-in colour
    COLORREF near = RGB(9, 8, 7);
    EXPECT_NE(palette.NearestPaletteIndex(&near), 1); // entries 1..9 are never returned
}

TEST_F(DxfPaletteFile, ExactTieKeepsTheLowerNumber) {
    ASSERT_EQ(Load("COLOR 11 =100,100,100\nCOLOR 12 =102,102,102\n"), 1);
    COLORREF between = RGB(101, 101, 101); // also 3 from grey 253 (102)
    EXPECT_EQ(palette.NearestPaletteIndex(&between), 11);
}

// A line holding a NUL is damage, however good its text before the NUL.
TEST_F(DxfPaletteFile, MalformedLineGivesTheMessageAndZero) {
    using namespace std::string_literals;
    for (const std::string& bad : {"COLOR 12 no equals sign\n"s, "COLOR 12 =1,2\n"s, "COLOR 12 =1,2,300\n"s,
                                   "COLOR 12 =a,b,c\n"s, "COLOR 12 =-1,0,0\n"s, "COLOR 12 =1,2,3\0\n"s}) {
        sink.Clear();
        EXPECT_EQ(Load(bad), 0) << bad;
        EXPECT_EQ(sink.LastMessageUtf8(),
                  platform::Utf8(u8"ｶﾗｰﾊﾟﾚｯﾄﾌｧｲﾙ(color.pal)読み込みｴﾗｰのため、ﾃﾞﾌｫﾙﾄが設定されます"))
            << bad;
    }
}

TEST_F(DxfPaletteFile, MissingFileIsQuiet) {
    EXPECT_EQ(palette.LoadColorPaletteFrom(OutputPath("no-such-color.pal").c_str()), 0);
    EXPECT_EQ(sink.Events().size(), 0U);
}

TEST_F(DxfPaletteFile, ProgramPaletteWithoutAFileBesideTheProgram) {
    EXPECT_EQ(palette.LoadColorPalette(), 0);
    EXPECT_EQ(sink.Events().size(), 0U);
}

} // namespace
