#pragma once
// A running list viewer for the tests: the application object started offscreen on a
// program directory of its own (settings file, item list), lists in a temporary directory,
// and access to the views of the open documents.

#include "ListTestFiles.h"
#include "testsupport/TempDir.h"

#include "list_viewer/app/CMainFrame.h"
#include "list_viewer/app/CMainListView.h"
#include "list_viewer/app/CWenuxApp.h"

#include "platform/core/RecordingSink.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/CDocument.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace wenux::test {

class AppTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the application (after the program directory has been prepared).
    void Start(const std::vector<CString>& arguments = {});
    // Closes the main frame as the user would and ends the application.
    void Quit();
    // Opens a list; the view of the new document or null.
    CMainListView* Open(const CString& path);
    CMainListView* ActiveView() const;
    CMainFrame* Frame() const;
    // Lets queued events (deferred deletions, repaints) run.
    static void ProcessEvents();
    // Paints a view now and returns its canvas.
    static const QImage& Paint(CMainListView* view);
    // Named work files in the list directory (there should never be one).
    int WorkFileCount() const;

    testsupport::TempDir lists_;
    testsupport::TempDir program_;
    std::unique_ptr<platform::RecordingSink> sink_;
    std::unique_ptr<CWenuxApp> app_;
};

// A run log of `count` lines in CP932, each "%05d 計測点 ..." with CR LF.
std::string JapaneseLog(int count);
// Text as CP932 bytes.
std::string Cp932(const char8_t* text);

} // namespace wenux::test
