#include "ListTestFiles.h"
#include "testsupport/Fixtures.h"
#include "testsupport/TempDir.h"

#include "list_viewer/core/SearchItemList.h"

#include "platform/core/RecordingSink.h"

#include <gtest/gtest.h>

namespace wenux {
namespace {

const std::vector<ProductMarker> kMarkers = {{"a.ctl", "KEYA"}, {"b.ctl", "KEYB"}};

class SearchItemListTest : public testsupport::TempDirTest {
protected:
    CString Dir() const { return CString(dir_.Path().string() + "/"); }
    std::vector<std::string> Load(const std::string& index, const char* key) {
        dir_.Write("pomrex.idx", index);
        std::vector<CString> items;
        LoadSearchItemList(Dir(), CString(key), items);
        std::vector<std::string> texts;
        for (const CString& item : items) {
            texts.push_back(item.str());
        }
        return texts;
    }
};

TEST_F(SearchItemListTest, LastPresentMarkerChoosesTheKey) {
    EXPECT_EQ(ChooseProductKey(Dir(), kMarkers), CString());
    dir_.Write("b.ctl", "");
    EXPECT_EQ(ChooseProductKey(Dir(), kMarkers), CString("KEYB"));
    dir_.Write("a.ctl", "");
    EXPECT_EQ(ChooseProductKey(Dir(), kMarkers), CString("KEYB"));
}

TEST_F(SearchItemListTest, ReadsTheGroupAfterTheKeyLine) {
    EXPECT_EQ(Load("KEYA x\r\n1 SAFETY FACTOR\r\n2 BLOCK\r\n3\r\nKEYB\r\n1 OTHER\r\n", "KEYB"),
              (std::vector<std::string>{"OTHER"}));
    EXPECT_EQ(Load("KEYA x\r\n1 SAFETY FACTOR\r\n2 BLOCK\r\n3\r\nKEYB\r\n1 OTHER\r\n", "KEYA"),
              (std::vector<std::string>{"SAFETY FACTOR", "BLOCK"}));
}

TEST_F(SearchItemListTest, EmptyFirstGroupFallsToTheNextKeyLine) {
    EXPECT_EQ(Load("KEYA\r\nremark\r\nKEYA\r\n10 second\r\n", "KEYA"), (std::vector<std::string>{"second"}));
}

TEST_F(SearchItemListTest, TheLineEndingAGroupIsNotTakenAsAKey) {
    EXPECT_EQ(Load("KEYA\r\nKEYA\r\n1 never\r\n", "KEYA"), (std::vector<std::string>{}));
}

TEST_F(SearchItemListTest, NoKeyReadsNothingAndAMissingFileIsReported) {
    std::vector<CString> items;
    LoadSearchItemList(Dir(), CString(), items);
    EXPECT_EQ(sink_.MessageCount(), 0);
    LoadSearchItemList(Dir(), CString("KEYA"), items);
    EXPECT_TRUE(items.empty());
    EXPECT_EQ(sink_.MessageCount(), 1);
}

} // namespace
} // namespace wenux
