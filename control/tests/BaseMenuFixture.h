#pragma once
// Fixture of the base menu's window tests: the real application object, frame and form on
// the offscreen platform, a private runtime directory per test (so registry sockets, locks
// and the shared name buffer never meet a user's session or another test), a data
// directory, the settings file, and a recording message sink.

#include "testsupport/TempDir.h"
#include "testsupport/ui/SpinUntil.h"

#include "control/app/CBasnevApp.h"
#include "control/app/CMainFrame.h"
#include "control/app/CMainView1.h"
#include "platform/core/RecordingSink.h"

#include <QProcessEnvironment>
#include <QStringList>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>

class QLineEdit;
class QPushButton;

namespace basnev_test {

enum SlotId { kSectionSlot = 231, kMeasurementSlot = 232, kAnalysisSlot = 233 };

// The one application object of the test process (AfxGetApp needs it).
basnev::CBasnevApp& TheApp();

// Runs the Qt event loop until done() holds or timeoutMs passed; returns done().
inline bool SpinUntil(const std::function<bool()>& done, int timeoutMs = 10000) {
    return testsupport::SpinUntil(done, timeoutMs);
}

// A child process run while the event loop keeps serving the base menu's window.
struct ChildResult {
    bool finished = false;
    int exitCode = -1;
};
ChildResult
RunWhileServing(const QString& program, const QStringList& arguments, int timeoutMs = 15000,
                const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());

// The test child of the process services and the base menu program.
QString ProcessTestChild();
QString BaseMenuProgram();

class BaseMenuTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes FileName1..4 of section "Input File" (UTF-8 texts, stored as CP932).
    void WriteSettings(const std::string& plan, const std::string& section, const std::string& measurement,
                       const std::string& analysis) const;
    // Reads one key of the settings file back, in UTF-8.
    std::string SettingUtf8(const char* key) const;

    // Opens the base menu's window on the settings file as the program does after its checks.
    void OpenBaseMenu();
    // Closes what is still open and lets Qt delete it.
    void CloseBaseMenu();
    bool IsBaseMenuOpen() const;

    basnev::CMainFrame* Frame() const;
    basnev::CMainView1* Form() const;
    QLineEdit* Slot(int id) const;
    QPushButton* Button(int id) const;
    std::string SlotUtf8(int id) const;
    void SetSlotUtf8(int id, const std::string& text) const;
    void SetSlotUtf8(int id, const char8_t* text) const {
        SetSlotUtf8(id, std::string(platform::Utf8(text)));
    }

    // A path in the data directory, UTF-8 and CP932.
    std::string DataFile(const std::string& name) const { return data_.File(name); }
    std::string DataFile(const char8_t* name) const { return data_.File(name); }
    CString DataPath(const std::string& name) const;

    testsupport::TempDir runtime_;
    testsupport::TempDir data_;
    std::unique_ptr<platform::RecordingSink> sink_;
};

} // namespace basnev_test
