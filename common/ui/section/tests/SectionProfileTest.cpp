// Display settings in a settings file: a round trip keeps every value and every other byte,
// missing and garbage values keep the preset, and a face name is cut on a character boundary.

#include "common/ui/section/SectionProfile.h"

#include "testsupport/TempDir.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

using section::NumberStyle;
using section::PointStyle;
using section::SectionProfile;

class SectionProfileTest : public ::testing::Test {
protected:
    void Write(const std::string& bytes) { dir_.Write("VIEW.INI", bytes); }
    std::string Read() const { return dir_.Read("VIEW.INI"); }
    testsupport::TempDir dir_{"section-profile"};
    const std::string path_ = dir_.File("VIEW.INI");
};

TEST_F(SectionProfileTest, StylesComeBackAsWrittenAndOtherBytesStay) {
    Write("; kept\r\n[Other]\r\nKey=value\r\n");
    NumberStyle number;
    number.font = section::DefaultNumberFont();
    number.font.lfHeight = -16;
    number.font.lfWeight = 700;
    number.color = RGB(1, 2, 3);
    number.outline = 1;
    number.draw = 0;
    number.numberType = 1;
    PointStyle point{0, RGB(255, 0, 255), 7};
    const SectionProfile profile{CString(path_)};
    profile.WriteNumberStyle("Number Site Point", number);
    profile.WritePointStyle("Point Site", point);

    NumberStyle readNumber;
    PointStyle readPoint;
    profile.ReadNumberStyle("Number Site Point", readNumber);
    profile.ReadPointStyle("Point Site", readPoint);
    EXPECT_EQ(readNumber.font.lfHeight, -16);
    EXPECT_EQ(readNumber.font.lfWeight, 700);
    EXPECT_STREQ(readNumber.font.lfFaceName, CString(u8"ＭＳ 明朝").GetString());
    EXPECT_EQ(readNumber.color, RGB(1, 2, 3));
    EXPECT_EQ(readNumber.numberType, 1);
    EXPECT_EQ(readNumber.outline, 1);
    EXPECT_EQ(readNumber.draw, 0);
    EXPECT_EQ(readPoint.size, 7);
    EXPECT_EQ(readPoint.color, RGB(255, 0, 255));
    EXPECT_EQ(readPoint.draw, 0);
    const std::string bytes = Read();
    EXPECT_EQ(bytes.rfind("; kept\r\n[Other]\r\nKey=value\r\n", 0), 0u);
    EXPECT_NE(bytes.find("Color=1,2,3\r\n"), std::string::npos);
    EXPECT_EQ(bytes.find("Italic"), std::string::npos); // zero values of a font are not written
}

TEST_F(SectionProfileTest, GarbageAndMissingValuesKeepThePreset) {
    Write("[Point Node]\r\nColor=300,0,0\r\nWidth=abc\r\n"
          "[Point Site]\r\nColor=12,34\r\nDrawFlag=\r\nWidth=9\r\n"
          "[Number Line]\r\nHeight=0\r\nFaceName=Arial\r\n"
          "[Long]\r\nColor=" +
          std::string(5000, '7') + "\r\n");
    const SectionProfile profile{CString(path_)};
    PointStyle node{1, RGB(0, 0, 0), 3};
    profile.ReadPointStyle("Point Node", node);
    EXPECT_EQ(node.color, RGB(44, 0, 0)); // each number cut to its low 8 bits
    EXPECT_EQ(node.size, 3);
    PointStyle site{1, RGB(255, 0, 255), 5};
    profile.ReadPointStyle("Point Site", site);
    EXPECT_EQ(site.color, RGB(255, 0, 255)); // two numbers are not a colour
    EXPECT_EQ(site.draw, 1);
    EXPECT_EQ(site.size, 9);
    PointStyle missing{1, RGB(1, 1, 1), 4};
    profile.ReadPointStyle("No Such Section", missing);
    profile.ReadPointStyle("Long", missing);
    EXPECT_EQ(missing.color, RGB(1, 1, 1));
    EXPECT_EQ(missing.size, 4);
    LOGFONT font = section::DefaultNumberFont();
    EXPECT_FALSE(profile.GetProfileFont("Number Line", font));
    EXPECT_STREQ(font.lfFaceName, CString(u8"ＭＳ 明朝").GetString());
    EXPECT_EQ(font.lfHeight, -12);
}

TEST_F(SectionProfileTest, FaceNamesAreCutOnACharacterBoundaryAndZeroHeightWritesNothing) {
    // 15 double-byte characters and one single byte fill 31 bytes; the next one must go whole.
    const CString face(u8"ａａａａａａａａａａａａａａａXあ");
    Write("[Number Node Point]\r\nHeight=-14\r\nFaceName=" + face.str() + "\r\n");
    const SectionProfile profile{CString(path_)};
    LOGFONT font = section::DefaultNumberFont();
    ASSERT_TRUE(profile.GetProfileFont("Number Node Point", font));
    EXPECT_EQ(std::strlen(font.lfFaceName), 31u);
    EXPECT_EQ(std::string(font.lfFaceName), face.str().substr(0, 31));
    EXPECT_EQ(font.lfCharSet, SHIFTJIS_CHARSET);

    LOGFONT unset = section::DefaultNumberFont();
    unset.lfHeight = 0;
    const std::string before = Read();
    profile.WriteProfileFont("Number Bound Point", unset);
    EXPECT_EQ(Read(), before);
}

} // namespace
