#include "ListTestFiles.h"
#include "testsupport/Fixtures.h"
#include "testsupport/TempDir.h"

#include "list_viewer/core/LineIndex.h"
#include "list_viewer/core/ListDocumentFiles.h"

#include "platform/core/RecordingSink.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace wenux {
namespace {

using platform::Utf8;

class ListDocumentFilesTest : public testsupport::TempDirTest {
protected:
};

TEST_F(ListDocumentFilesTest, MissingReadOnlyAndDirectoryAreNotFound) {
    CListDocumentFiles files;
    const CString missing = dir_.File("none.log");
    EXPECT_FALSE(files.Open(missing));
    EXPECT_EQ(sink_.LastMessageUtf8(), missing.str() + Utf8(u8"\nﾌｧｲﾙが見つかりません"));
    std::filesystem::create_directory(dir_.Path() / "d.log");
    EXPECT_FALSE(files.Open(dir_.File("d.log")));
    if (::geteuid() != 0) { // root may write anything
        const CString readOnly = dir_.Write("ro.log", "A\r\n");
        std::filesystem::permissions(readOnly.GetString(), std::filesystem::perms::owner_read);
        EXPECT_FALSE(files.Open(readOnly));
    }
    EXPECT_EQ(dir_.EntryCount(), ::geteuid() != 0 ? 2 : 1);
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
