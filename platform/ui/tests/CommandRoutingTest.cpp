#include "TestViews.h"
#include "testsupport/TempDir.h"
#include "testsupport/ui/TestApplication.h"

#include "platform/core/CodePage.h"
#include "platform/ui/CMDIChildWnd.h"
#include "platform/ui/CMDIFrameWnd.h"
#include "platform/ui/CMultiDocTemplate.h"
#include "platform/ui/CWinApp.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

constexpr UINT kShared = 40001;   // handled everywhere: the view must win
constexpr UINT kDocFrame = 40002; // document and frame: the document must win
constexpr UINT kAppOnly = 40003;  // only the application
constexpr UINT kNobody = 40004;   // no handler: disabled
constexpr UINT kChecked = 40005;  // update handler in the document

std::vector<std::string> calls;

class RoutingView : public TestView {
    DECLARE_DYNCREATE(RoutingView)
public:
    RoutingView() {
        MapCommand(kShared, [] { calls.push_back("view"); });
    }
};
IMPLEMENT_DYNCREATE(RoutingView, TestView)

class RoutingDocument : public TestDocument {
    DECLARE_DYNCREATE(RoutingDocument)
public:
    RoutingDocument() {
        MapCommand(kShared, [] { calls.push_back("doc"); });
        MapCommand(kDocFrame, [] { calls.push_back("doc"); });
        MapUpdate(kChecked, [](CCmdUI* ui) {
            ui->SetCheck(1);
            ui->Enable(FALSE);
        });
    }
};
IMPLEMENT_DYNCREATE(RoutingDocument, TestDocument)

class RoutingChild : public CMDIChildWnd {
    DECLARE_DYNCREATE(RoutingChild)
public:
    RoutingChild() {
        MapCommand(kShared, [] { calls.push_back("child"); });
        MapCommand(kDocFrame, [] { calls.push_back("child"); });
    }
};
IMPLEMENT_DYNCREATE(RoutingChild, CMDIChildWnd)

class RoutingApp : public CWinApp {
public:
    RoutingApp() : CWinApp("ROUTE") {
        MapCommand(kAppOnly, [] { calls.push_back("app"); });
    }
};

class CommandRoutingTest : public ::testing::Test {
protected:
    void SetUp() override {
        testsupport::TestApplication();
        calls.clear();
        main_ = new CMDIFrameWnd;
        main_->m_bAutoDelete = FALSE;
        ASSERT_TRUE(main_->Create("ROUTE"));
        app_.m_pMainWnd = main_;
        app_.AddDocTemplate(new CMultiDocTemplate(1, RUNTIME_CLASS(RoutingDocument),
                                                  RUNTIME_CLASS(RoutingChild), RUNTIME_CLASS(RoutingView),
                                                  ".log"));
        app_.AddDocTemplate(new CMultiDocTemplate(2, RUNTIME_CLASS(TestDocument), RUNTIME_CLASS(CMDIChildWnd),
                                                  RUNTIME_CLASS(TestView), ".lst"));
        document_ = app_.OpenDocumentFile(dir_.File("run.log").c_str());
        ASSERT_NE(document_, nullptr);
    }
    void TearDown() override {
        app_.CloseAllDocuments(FALSE);
        delete main_->GetWidget();
        delete main_;
    }
    testsupport::TempDir dir_{"verrant-route"};
    RoutingApp app_;
    CMDIFrameWnd* main_ = nullptr;
    CDocument* document_ = nullptr;
};

TEST_F(CommandRoutingTest, ViewThenDocumentThenFrameThenApplication) {
    EXPECT_TRUE(main_->RouteCommand(kShared));
    EXPECT_TRUE(main_->RouteCommand(kDocFrame));
    EXPECT_TRUE(main_->RouteCommand(kAppOnly));
    EXPECT_FALSE(main_->RouteCommand(kNobody));
    EXPECT_EQ(calls, (std::vector<std::string>{"view", "doc", "app"}));
}

TEST_F(CommandRoutingTest, UpdateHandlersAndMissingHandlersGreyItems) {
    CCmdUI checked(kChecked), handled(kAppOnly), orphan(kNobody);
    main_->RouteUpdate(&checked);
    main_->RouteUpdate(&handled);
    main_->RouteUpdate(&orphan);
    EXPECT_EQ(checked.m_nCheck, 1);
    EXPECT_FALSE(checked.m_bEnabled);
    EXPECT_TRUE(handled.m_bEnabled);
    EXPECT_FALSE(orphan.m_bEnabled);
    EXPECT_TRUE(calls.empty()); // updating never runs a command
}

TEST_F(CommandRoutingTest, TemplateChosenByExtensionExactly) {
    EXPECT_TRUE(document_->IsKindOf(RUNTIME_CLASS(RoutingDocument)));
    EXPECT_EQ(app_.TemplateForPath("/a/b.lst")->GetResourceId(), 2u);
    EXPECT_EQ(app_.TemplateForPath("/a/b.log")->GetResourceId(), 1u);
    EXPECT_EQ(app_.TemplateForPath("/a.lst/b")->GetResourceId(), 1u); // no extension: the first template
    EXPECT_FALSE(app_.Templates()[0]->MatchDocType("/a/b.LOG"));
    EXPECT_EQ(document_->GetTitle(), "run.log");
}

TEST_F(CommandRoutingTest, RefusedDocumentOpensNoFrameAndStaysOutOfRecentList) {
    int before = app_.RecentFiles().GetSize();
    EXPECT_EQ(app_.OpenDocumentFile(dir_.File("refuse.log").c_str()), nullptr);
    EXPECT_EQ(app_.RecentFiles().GetSize(), before);
    EXPECT_EQ(app_.Templates()[0]->Documents().size(), 1u);
}

// Opened by a name relative to the working directory, a document and the recent files keep
// its full name, so that the entry still opens it once the program runs elsewhere; the title
// is the file's own name. A document named directly, as a save under another name names it,
// keeps the full name too.
TEST_F(CommandRoutingTest, ARelativeNameIsKeptByItsFullName) {
    const fs::path started = fs::current_path();
    fs::create_directories(dir_.Path() / fs::u8path(u8"作業/部"));
    fs::current_path(dir_.Path() / fs::u8path(u8"作業"));
    const std::string working = platform::Utf8ToCp932(fs::current_path().string());
    CDocument* relative = app_.OpenDocumentFile(platform::Utf8ToCp932(u8"./部/run.log").c_str());
    app_.AddToRecentFileList("other.lst");
    document_->SetPathName(platform::Utf8ToCp932(u8"部/saved.log").c_str(), FALSE);
    fs::current_path(started);
    EXPECT_EQ(document_->GetPathName(), working + platform::Utf8ToCp932(u8"/部/saved.log"));
    EXPECT_EQ(document_->GetTitle(), "saved.log");
    ASSERT_NE(relative, nullptr);
    const std::string full = working + platform::Utf8ToCp932(u8"/部/run.log");
    EXPECT_EQ(relative->GetPathName(), full);
    EXPECT_EQ(relative->GetTitle(), "run.log");
    ASSERT_EQ(app_.RecentFiles().GetSize(), 3);
    EXPECT_EQ(app_.RecentFiles()[0], working + "/other.lst");
    EXPECT_EQ(app_.RecentFiles()[1], full);
    EXPECT_EQ(app_.OpenDocumentFile(app_.RecentFiles()[1]), relative); // the same document, not a second one
}

} // namespace
