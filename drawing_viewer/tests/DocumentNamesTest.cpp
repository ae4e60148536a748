// The drawing viewer's documents under Japanese names, read-only, and with something that is
// no file at their names.

#include "drawing_viewer/core/CMainDoc.h"
#include "platform/core/CodePage.h"
#include "testsupport/ChildProcess.h"
#include "testsupport/Fixtures.h"
#include "testsupport/NonRegularFile.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace zapho {
namespace {

namespace fs = std::filesystem;
using platform::Utf8;

constexpr char kIndex[] = "page.p01 2970 2100 0.1 8\n";
constexpr char kPage[] = "V0\nL100,100,200,200\n";

class DocumentNamesTest : public testsupport::TempDirTest {
protected:
    void SetUp() override { fs::permissions(dir_.Path(), fs::perms::all); }
    static CString Name(const std::string& utf8) { return CString(platform::Utf8ToCp932(utf8)); }
};

TEST_F(DocumentNamesTest, FiguresAndPlotsUnderJapaneseNamesOpenSaveAndOpenAgain) {
    const std::string folder = dir_.MakeDirectory(Utf8(u8"日本語フォルダ")) + "/";
    const CString figure = Name(folder + Utf8(u8"図面.pfg"));
    CMainDoc doc;
    doc.m_drawing.AddPage();
    ASSERT_TRUE(doc.SaveFigureFile(figure));
    CMainDoc again;
    ASSERT_TRUE(again.OnOpenDocument(figure, CMainDoc::kFigureExtension)) << sink_.LastMessageUtf8();
    EXPECT_TRUE(again.SaveFigureFile(figure));

    const std::string index = folder + Utf8(u8"作図.p00");
    dir_.Write(Utf8(u8"日本語フォルダ/作図.p00"), kIndex);
    dir_.Write(Utf8(u8"日本語フォルダ/page.p01"), kPage);
    CMainDoc plot;
    ASSERT_TRUE(plot.OnOpenDocument(Name(index), CMainDoc::kPlotExtension)) << sink_.LastMessageUtf8();
    EXPECT_EQ(plot.m_drawing.PageCount(), 1);
    EXPECT_EQ(sink_.MessageCount(), 0);
}

TEST_F(DocumentNamesTest, AReadOnlyFigureOpensAndSavingOverItIsRefused) {
    const CString figure = Name(dir_.File("ro.pfg"));
    CMainDoc doc;
    doc.m_drawing.AddPage();
    ASSERT_TRUE(doc.SaveFigureFile(figure));
    const std::string before = dir_.Read("ro.pfg");
    ::chmod(figure, 0444);
    EXPECT_EQ(testsupport::RunInChildAsUser([&] {
                  CMainDoc readOnly;
                  if (!readOnly.OnOpenDocument(figure, CMainDoc::kFigureExtension)) {
                      return 1;
                  }
                  if (readOnly.SaveFigureFile(figure)) {
                      return 2;
                  }
                  return sink_.LastMessageUtf8() ==
                                 Utf8(u8"ﾌｧｲﾙを開く際にｴﾗｰが発生しました(ｴﾗｰ番号5)\n ") + dir_.File("ro.pfg")
                             ? 0
                             : 3;
              }),
              0);
    EXPECT_FALSE(doc.SaveFigureFile(figure)) << "not even for the superuser";
    EXPECT_EQ(dir_.Read("ro.pfg"), before);
}

TEST_F(DocumentNamesTest, NoFileAtAFiguresOrAnIndexsNameHoldsTheViewerUp) {
    for (const std::string& kind : testsupport::NonRegularFileKinds()) {
        for (const char* extension : {CMainDoc::kFigureExtension, CMainDoc::kPlotExtension}) {
            const std::string path = dir_.File(kind + extension);
            ASSERT_TRUE(testsupport::MakeNonRegularFile(kind, path));
            EXPECT_EQ(testsupport::RunInChildAsUser([&] {
                          CMainDoc doc;
                          return doc.OnOpenDocument(path.c_str(), extension) || sink_.MessageCount() != 1 ||
                                 !testsupport::IsOpenErrorMessage(sink_.LastMessageUtf8(), path);
                      }),
                      0)
                << kind << extension;
        }
    }
}

} // namespace
} // namespace zapho
