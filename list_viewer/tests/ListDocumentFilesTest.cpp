#include "ListTestFiles.h"
#include "testsupport/ChildProcess.h"
#include "testsupport/Fixtures.h"
#include "testsupport/NonRegularFile.h"
#include "testsupport/TempDir.h"

#include "list_viewer/core/CLineIndex.h"
#include "list_viewer/core/CListDocumentFiles.h"

#include "platform/core/CodePage.h"
#include "platform/core/RecordingSink.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace wenux {
namespace {

using platform::Utf8;

class ListDocumentFilesTest : public testsupport::TempDirTest {
protected:
};

TEST_F(ListDocumentFilesTest,
       AMissingListIsNotFoundASpecialOneCannotBeOpenedAndReadOnlyAndJapaneseNamedListsOpen) {
    CListDocumentFiles files;
    const CString missing = dir_.File("none.log");
    EXPECT_FALSE(files.Open(missing));
    EXPECT_EQ(sink_.LastMessageUtf8(), missing.str() + Utf8(u8"\nﾌｧｲﾙが見つかりません"));
    std::filesystem::permissions(dir_.Path(), std::filesystem::perms::all);
    for (const std::string& kind : testsupport::NonRegularFileKinds()) {
        const std::string path = dir_.File(kind + ".log");
        ASSERT_TRUE(testsupport::MakeNonRegularFile(kind, path));
        EXPECT_EQ(testsupport::RunInChildAsUser([&] {
                      return files.Open(CString(path)) ||
                             !testsupport::IsOpenErrorMessage(sink_.LastMessageUtf8(), path);
                  }),
                  0)
            << kind;
    }
    const std::string readOnly = dir_.Write("ro.log", "A\r\n");
    std::filesystem::permissions(readOnly,
                                 std::filesystem::perms::owner_read | std::filesystem::perms::others_read);
    EXPECT_EQ(testsupport::RunInChildAsUser([&] { return files.Open(CString(readOnly)) ? 0 : 1; }), 0);
    dir_.MakeDirectory(Utf8(u8"日本語フォルダ"));
    const std::string japanese = dir_.Write(Utf8(u8"日本語フォルダ/計算結果.log"), "A\r\n");
    ASSERT_TRUE(files.Open(CString(platform::Utf8ToCp932(japanese)))) << sink_.LastMessageUtf8();
    CLineIndex index;
    ASSERT_TRUE(index.OpenListFile(files.ListPath(), 112));
    EXPECT_EQ(index.LineCount(), 1);
}

TEST_F(ListDocumentFilesTest, TwoViewsOfOneListKeepTheirWorkFilesWithoutNames) {
    const CString list = dir_.Write("a.log", "A\r\nB\r\n");
    CListDocumentFiles first;
    CListDocumentFiles second;
    ASSERT_TRUE(first.Open(list));
    ASSERT_TRUE(second.Open(list));
    CLineIndex one;
    CLineIndex two;
    ASSERT_TRUE(one.OpenListFile(first.ListPath(), 112));
    ASSERT_TRUE(two.OpenListFile(second.ListPath(), 112));
    EXPECT_EQ(one.LineCount(), 2);
    EXPECT_EQ(two.LineCount(), 2);
    EXPECT_EQ(dir_.EntryCount(), 1);
    EXPECT_EQ(sink_.MessageCount(), 0);
}

} // namespace
} // namespace wenux
