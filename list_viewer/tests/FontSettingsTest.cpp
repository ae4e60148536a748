#include "list_viewer/core/FontSettings.h"

#include "platform/core/CodePage.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace wenux {
namespace {

// A settings file in memory: "section/key" -> text.
class MemoryProfile : public ProfileAccess {
public:
    int GetProfileInt(const char* section, const char* key, int defaultValue) override {
        auto it = values.find(Key(section, key));
        return it == values.end() ? defaultValue : std::stoi(it->second);
    }
    CString GetProfileString(const char* section, const char* key, const char* defaultValue) override {
        auto it = values.find(Key(section, key));
        return CString(it == values.end() ? std::string(defaultValue) : it->second);
    }
    void WriteProfileInt(const char* section, const char* key, int value) override {
        values[Key(section, key)] = std::to_string(value);
    }
    void WriteProfileString(const char* section, const char* key, const char* value) override {
        values[Key(section, key)] = value;
    }
    static std::string Key(const char* section, const char* key) { return std::string(section) + "/" + key; }
    std::map<std::string, std::string> values;
};

TEST(FontSettings, NoHeightGivesTheFixedGothicFaceWhateverTheFaceKeySays) {
    MemoryProfile profile;
    profile.values["List Screen/Height"] = "0";
    profile.values["List Screen/FaceName"] = "Courier";
    const ListFont font = LoadListFont(profile, kScreenSection);
    EXPECT_EQ(platform::Cp932ToUtf8(font.faceName), "ＭＳ ゴシック");
    EXPECT_EQ(font.charSet, kShiftJisCharset);
    EXPECT_EQ(font.pitchAndFamily, kFixedPitch);
    EXPECT_EQ(font.weight, 0);
}

TEST(FontSettings, SavedFontReadsBackAndZeroFieldsAreNotWritten) {
    MemoryProfile profile;
    ListFont font;
    font.height = -13;
    font.pitchAndFamily = 49;
    font.underline = 1;
    font.SetFaceName("Noto Sans Mono CJK JP");
    SaveListFont(profile, kPrinterSection, font);
    EXPECT_EQ(profile.values.count("List Printer/Weight"), 0u);
    EXPECT_EQ(profile.values.count("List Printer/Italic"), 0u);
    const ListFont back = LoadListFont(profile, kPrinterSection);
    EXPECT_EQ(back.height, -13);
    EXPECT_EQ(back.weight, 0);
    EXPECT_EQ(back.pitchAndFamily, 49);
    EXPECT_EQ(back.underline, 0);
    EXPECT_STREQ(back.faceName, "Noto Sans Mono CJK JP");
}

TEST(FontSettings, NoHeightWritesNothing) {
    MemoryProfile profile;
    SaveListFont(profile, kScreenSection, ListFont{});
    EXPECT_TRUE(profile.values.empty());
}

TEST(FontSettings, FaceNameKeepsThirtyOneBytesWithoutHalvingACharacter) {
    ListFont font;
    font.SetFaceName(std::string(30, 'a') + platform::Utf8ToCp932(u8"漢"));
    EXPECT_EQ(std::string(font.faceName), std::string(30, 'a'));
    font.SetFaceName(std::string(40, 'b'));
    EXPECT_EQ(std::string(font.faceName).size(), 31u);
}

} // namespace
} // namespace wenux
