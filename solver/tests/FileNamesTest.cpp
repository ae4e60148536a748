// The names of the files a run leaves beside its input, and that they are the files it writes.

#include "SolverTestSupport.h"

#include "solver/SolverFileNames.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace kalipe {
namespace {

TEST(SolverFileNames, ExtensionInAnyCaseKeepsThePathAsGiven) {
    const auto names = SolverFileNames::FromPath("/Data Dir.v2/Sub.D/Slope A.QEL");
    ASSERT_TRUE(names);
    EXPECT_EQ(names->Input(), "/Data Dir.v2/Sub.D/Slope A.QEL");
    EXPECT_EQ(names->OsLog(), "/Data Dir.v2/Sub.D/Slope A.log");
    EXPECT_EQ(names->Result(), "/Data Dir.v2/Sub.D/Slope A.slf");
    EXPECT_EQ(names->OsList(), "/Data Dir.v2/Sub.D/Slope A.lst");
}

TEST(SolverFileNames, NoExtensionReadsTheQelFile) {
    const auto names = SolverFileNames::FromPath("work.d/MODEL");
    ASSERT_TRUE(names);
    EXPECT_EQ(names->Input(), "work.d/MODEL.qel");
    EXPECT_EQ(names->Result(), "work.d/MODEL.slf");
}

TEST(SolverFileNames, LongPathsAreNeitherCutNorRefused) {
    const std::string directory = "/" + std::string(120, 'd') + "/" + std::string(90, 'e');
    const auto names = SolverFileNames::FromPath(directory + "/case.qel");
    ASSERT_TRUE(names);
    EXPECT_EQ(names->Result(), directory + "/case.slf");
}

TEST(SolverFileNames, OtherExtensionsAndNamelessPathsMakeNoFiles) {
    for (const char* path : {"case.txt", "case.qe", "case.qell", "dir/.qel", "dir/", "", "a.qel/"}) {
        EXPECT_FALSE(SolverFileNames::FromPath(path)) << path;
    }
    // The NUL lies inside the given length and the name would be taken without it.
    constexpr std::string_view kEmbeddedNul("ca\0se.qel", 9);
    EXPECT_EQ(kEmbeddedNul.back(), 'l');
    EXPECT_FALSE(SolverFileNames::FromPath(kEmbeddedNul));
}

TEST(SolverFileNames, JapaneseNamesReachTheSystemInUtf8) {
    const auto names = SolverFileNames::FromPath(test::Sjis(u8"解析/斜面Ａ.qel"));
    ASSERT_TRUE(names);
    EXPECT_EQ(names->OsInput(), "解析/斜面Ａ.qel");
    EXPECT_EQ(names->OsLog(), "解析/斜面Ａ.log");
    EXPECT_EQ(names->Result(), test::Sjis(u8"解析/斜面Ａ.slf")); // the log reports it in CP932
}

class DerivedFilesTest : public test::ScratchDirTest {};

TEST_F(DerivedFilesTest, UpperCaseInputInALongDirectoryGivesFilesInTheSameCase) {
    const fs::path deep = dir_ / (std::string(60, 'x') + " with blanks.and dots") / "More.Dots.d";
    fs::create_directories(deep);
    test::WriteBytes(deep / "CASE.QEL", "");
    test::RunSolverOn((deep / "CASE.QEL").string());
    EXPECT_TRUE(fs::exists(deep / "CASE.log"));
    EXPECT_FALSE(fs::exists(deep / "case.log"));
    EXPECT_FALSE(fs::exists(deep / "CASE.lst"));
}

TEST_F(DerivedFilesTest, PathWithoutExtensionFindsTheQelFile) {
    test::WriteBytes(Path("Model.qel"), "");
    test::RunSolverOn(Path("Model").string());
    const std::vector<std::string> log = test::CrLfLines(test::ReadBytes(Path("Model.log")));
    ASSERT_EQ(log.size(), 4u);
    EXPECT_EQ(log[1], " " + test::Sjis(u8"***** ERROR : 入力ﾃﾞｰﾀﾌｧｲﾙが空でした *****")); // found, and empty
}

TEST_F(DerivedFilesTest, WrongExtensionLeavesNoFiles) {
    test::WriteBytes(Path("case.txt"), "");
    test::RunSolverOn(Path("case.txt").string());
    EXPECT_FALSE(fs::exists(Path("case.log")));
    EXPECT_FALSE(fs::exists(Path("case.slf")));
}

} // namespace
} // namespace kalipe
