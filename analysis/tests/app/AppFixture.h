#pragma once
// Fixture of the analysis program's window tests: the real application object, frames and
// documents on the offscreen platform, a private runtime directory per test with a
// stand-in base menu (its window class served in this process, its mutex held), the
// program directory with the settings file, the sample data, and a recording sink.

#include "FakeBaseMenu.h"

#include "analysis/app/CChildFrame.h"
#include "analysis/app/CMainFrame.h"
#include "analysis/app/CTorvanApp.h"
#include "analysis/app/CTorvanDoc.h"
#include "common/process/CNamedMutex.h"
#include "platform/core/RecordingSink.h"
#include "testsupport/TempDir.h"
#include "testsupport/ui/SpinUntil.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace torvan_test {

// The one application object of the test process.
torvan::CTorvanApp& TheApp();

inline bool SpinUntil(const std::function<bool()>& done, int timeoutMs = 5000) {
    return testsupport::SpinUntil(done, timeoutMs);
}

class TorvanAppTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The base menu's window class and mutex, with the slots as given.
    void StartBaseMenu(const std::string& analysisSlot = "");
    // Runs the program's start-up with these arguments (UTF-8); the answer of InitInstance.
    bool Start(const std::vector<std::string>& args);
    // The base menu as StartBaseMenu starts it, then the start-up; false when either fails.
    bool StartWithBaseMenu(const std::vector<std::string>& args, const std::string& analysisSlot = "");
    // The sample's analysis file, section model and measurements, as the base menu passes them.
    std::vector<std::string> SampleArguments() const;
    // Closes the main window as the user would, then runs the shut-down; its exit status.
    int Close();

    torvan::CMainFrame* Frame() const;
    std::vector<torvan::CTorvanDoc*> Documents() const;
    torvan::CChildFrame* ChildOf(torvan::CTorvanDoc* document) const;
    // Window titles in UTF-8.
    std::string CaptionOf(torvan::CTorvanDoc* document) const;
    std::string MainTitle() const;
    std::string SlotUtf8(int id);

    // A file in the data directory (UTF-8 path).
    std::string DataFile(const std::string& name) const { return data_.File(name); }
    std::string DataFile(const char8_t* name) const { return data_.File(name); }
    std::string SettingsFile() const { return program_.File("verrant/torvan.INI"); }

    testsupport::TempDir runtime_{"torvan-runtime"};
    testsupport::TempDir program_{"torvan-program"};
    testsupport::TempDir data_{"torvan-data"};
    std::unique_ptr<platform::RecordingSink> sink_;
    std::unique_ptr<process_test::FakeBaseMenu> baseMenu_;
    CNamedMutex baseMenuMutex_;
    bool closed_ = true;
};

} // namespace torvan_test
