#include "TestViews.h"
#include "testsupport/TempDir.h"
#include "testsupport/ui/TestApplication.h"

#include "platform/core/ProfileFile.h"
#include "platform/core/RecordingSink.h"
#include "platform/ui/CFrameWnd.h"
#include "platform/ui/CRecentFileList.h"
#include "platform/ui/PrintRunner.h"

#include <QFile>
#include <QFileInfo>
#include <QWidget>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>

namespace {

class TempDir : public ::testing::Test {
protected:
    testsupport::TempDir temp_{"uitest"};
    const std::string dir_ = temp_.Path().string();
};

using RecentFileListTest = TempDir;

TEST_F(RecentFileListTest, NewestFirstFourAtMostEachPathOnce) {
    CRecentFileList list(4);
    for (const char* path : {"/a", "/b", "/c", "/d", "/e", "/c"}) {
        list.Add(path);
    }
    ASSERT_EQ(list.GetSize(), 4);
    EXPECT_EQ(list[0], "/c");
    EXPECT_EQ(list[1], "/e");
    EXPECT_EQ(list[3], "/b");
    list.Add("/C"); // names keep their case and compare exactly
    EXPECT_EQ(list[0], "/C");
    EXPECT_EQ(list[1], "/c");
}

TEST_F(RecentFileListTest, SurvivesTheSettingsFile) {
    platform::ProfileFile ini((dir_ + "/APP.INI").c_str());
    CRecentFileList written(4);
    written.Add(CString(u8"/データ/結果.log"));
    written.Add("/home/x.lst");
    ASSERT_TRUE(written.WriteList(ini));
    CRecentFileList read(4);
    read.ReadList(ini);
    ASSERT_EQ(read.GetSize(), 2);
    EXPECT_EQ(read[0], "/home/x.lst");
    EXPECT_EQ(read[1], CString(u8"/データ/結果.log"));
}

class PrintTest : public TempDir {
protected:
    void SetUp() override {
        TempDir::SetUp();
        testsupport::TestApplication();
        frame_ = new CFrameWnd;
        frame_->m_bAutoDelete = FALSE;
        ASSERT_TRUE(frame_->Create("PRINT"));
        ASSERT_TRUE(frame_->LoadFrame(nullptr, RUNTIME_CLASS(TestView), nullptr));
        view_ = static_cast<TestView*>(frame_->GetActiveView());
    }
    void TearDown() override {
        delete frame_->GetWidget();
        delete frame_;
        TempDir::TearDown();
    }
    CFrameWnd* frame_ = nullptr;
    TestView* view_ = nullptr;
};

TEST_F(PrintTest, PrintToPdfRunsEveryPage) {
    std::string path = dir_ + "/out.pdf";
    ASSERT_TRUE(platform::PrintRunner::PrintToPdf(view_, path));
    EXPECT_EQ(view_->printedPages, (std::vector<UINT>{1, 2}));
    QFile pdf(QString::fromStdString(path));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5).startsWith("%PDF-"));
}

TEST_F(PrintTest, PdfNameNeverOverwritesAFile) {
    std::string document = dir_ + "/run.log";
    EXPECT_EQ(platform::PrintRunner::UnusedPdfPath(document), dir_ + "/run.log.pdf");
    std::ofstream(dir_ + "/run.log.pdf") << "keep";
    EXPECT_EQ(platform::PrintRunner::UnusedPdfPath(document), dir_ + "/run.log-2.pdf");
}

} // namespace
