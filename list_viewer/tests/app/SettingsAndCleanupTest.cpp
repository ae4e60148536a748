// The fonts kept in the settings file, and the line-pointer work files: one per view,
// never with a name beside the lists.
#include "AppFixture.h"

#include "list_viewer/app/WenuxIds.h"

#include "platform/core/ProfileFile.h"
#include "platform/ui/DialogScript.h"

#include "common/ui/dialogs/CFontMyDialog.h"

#include <QWidget>
#include <filesystem>

namespace wenux::test {
namespace {

using SettingsAndCleanup = AppTest;

TEST_F(SettingsAndCleanup, ViewsKeepTheirWorkFilesWithoutAnyNameBesideTheLists) {
    Start();
    CMainListView* first = Open(lists_.Write("a.log", JapaneseLog(30)));
    CMainListView* second = Open(lists_.Write("b.log", JapaneseLog(30)));
    CMainListView* third = Open(lists_.Write("c.lst", JapaneseLog(30)));
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    ASSERT_NE(third, nullptr);
    EXPECT_GT(first->Index().LineCount(), 0);
    EXPECT_EQ(WorkFileCount(), 0);
    EXPECT_EQ(lists_.EntryCount(), 3);

    Frame()->GetWidget()->close();
    app_->ExitInstance();
    ProcessEvents();
    EXPECT_EQ(lists_.EntryCount(), 3);
}

TEST_F(SettingsAndCleanup, FontsOfTheLastClosedViewAreSavedAndReadBack) {
    Start();
    CMainListView* view = Open(lists_.Write("a.log", JapaneseLog(30)));
    ASSERT_NE(view, nullptr);
    // A fresh start: no font stored, the display height chosen by the view (10 points).
    EXPECT_LT(view->DisplayFont().height, 0);

    platform::DialogScript::Queue([](CDialog& dialog) {
        auto& font = dynamic_cast<CFontMyDialog&>(dialog);
        font.SelectSize(12);
        font.OnOK();
    });
    Frame()->RouteCommand(ID_FONT_DISPLAY);
    const int height = view->DisplayFont().height;
    EXPECT_EQ(height, -(12 * 96 + 36) / 72);
    const int textHeight = view->TextHeight();
    EXPECT_GT(textHeight, 12);
    Quit();

    const platform::ProfileFile profile(CString((program_.Path() / "verrant/wenux.INI").string()));
    EXPECT_EQ(profile.GetInt("List Screen", "Height", 0), height);
    EXPECT_FALSE(profile.GetString("List Screen", "FaceName", "").IsEmpty());
    // The print font was never printed with: nothing of it is written.
    EXPECT_EQ(profile.GetString("List Printer", "Height", "none"), CString("none"));

    app_ = std::make_unique<CWenuxApp>();
    app_->SetProgramDirectory(CString(program_.Path().string()), "wenux");
    Start();
    EXPECT_EQ(app_->State().displayFont.height, height);
    CMainListView* again = Open(lists_.Write("b.log", JapaneseLog(30)));
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->TextHeight(), textHeight);
}

TEST_F(SettingsAndCleanup, WithTwoViewsTheViewClosedLastDecidesTheSavedFont) {
    Start();
    CMainListView* first = Open(lists_.Write("a.log", JapaneseLog(30)));
    CMainListView* second = Open(lists_.Write("b.log", JapaneseLog(30)));
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    first->DisplayFont().height = -20;
    first->ApplyDisplayFont();
    const int secondHeight = second->DisplayFont().height;
    ASSERT_NE(secondHeight, -20);
    Quit(); // the documents close in the order they were opened
    const platform::ProfileFile profile(CString((program_.Path() / "verrant/wenux.INI").string()));
    EXPECT_EQ(profile.GetInt("List Screen", "Height", 0), secondHeight);
}

TEST_F(SettingsAndCleanup, RecentFilesAreKeptInTheSettingsFile) {
    Start();
    const CString path = lists_.Write("a.log", JapaneseLog(3));
    ASSERT_NE(Open(path), nullptr);
    Quit();
    const platform::ProfileFile profile(CString((program_.Path() / "verrant/wenux.INI").string()));
    EXPECT_EQ(profile.GetString("Recent File List", "File1", ""), path);
}

} // namespace
} // namespace wenux::test
