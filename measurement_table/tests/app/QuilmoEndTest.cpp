// Its own test program: the termination watch stays installed for the life of the process.
// The table editor with an edited table ends on a signal as the other programs do: unasked,
// with the edits dropped and the file as it was. Each signal ends a fresh process of the
// test, as it ends the program's one run.

#include "measurement_table/app/CGridDlg1.h"
#include "measurement_table/app/CQuilmoApp.h"

#include "platform/ui/DialogScript.h"
#include "platform/ui/TerminationWatch.h"
#include "testsupport/FileBytes.h"
#include "testsupport/Fixtures.h"
#include "testsupport/ui/SpinUntil.h"
#include "testsupport/ui/TestApplication.h"

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace {

namespace fs = std::filesystem;
using quilmo::CGridDlg1;

class QuilmoEndTest : public testsupport::TempDirTest {
protected:
    void SetUp() override {
        GTEST_FLAG_SET(death_test_style, "threadsafe");
        testsupport::TestApplication();
        platform::TerminationWatch::Install();
        ::setenv("XDG_RUNTIME_DIR", dir_.Path().c_str(), 1);
    }

    // The editor started on a copy of the sample, its table edited, then the signal; the
    // process ends with 0 when the table ended within 5 s, unasked, and the file is as it was.
    [[noreturn]] void EditAndSignal(int signal) {
        const fs::path source(VERRANT_SOURCE_DIR);
        const std::string sample = testsupport::ReadBytes(source / "data/sample.dis");
        const std::string file = Path("m.dis");
        testsupport::WriteBytes(file, sample);
        bool ended = false;
        platform::DialogScript::Queue([&ended, signal](CDialog& dialog) {
            auto& table = dynamic_cast<CGridDlg1&>(dialog);
            QTest::keyClicks(table.CellEdit(), "7");
            QApplication::processEvents();
            std::raise(signal);
            ended = testsupport::SpinUntil([&table] { return !table.Dialog()->isVisible(); }, 5000);
        });
        // Were the question shown, it would take this answer and cancel the table.
        bool asked = false;
        platform::DialogScript::Queue([&asked](CDialog& confirm) {
            asked = true;
            confirm.OnOK();
        });
        quilmo::CQuilmoApp app;
        app.m_saveEnvironment.readBaseMenuName = [](CString&) { return false; };
        app.m_args = {CString(file.c_str()), CString((source / "data/sample.sec").c_str())};
        app.InitInstance();
        const bool kept = testsupport::ReadBytes(file) == sample;
        std::fprintf(stderr, "ended %d asked %d kept %d\n", ended, asked, kept);
        fs::remove_all(dir_.Path()); // exit skips the fixture's clean-up
        std::exit(ended && !asked && kept ? 0 : 1);
    }
};

// The table's Cancel used to ask "変更されていますが、キャンセルしますか？" in a dialog of its own,
// which no signal answered: the editor stayed running behind it.
TEST_F(QuilmoEndTest, TermAndHangUpEndAnEditedTableUnaskedAndWriteNothing) {
    EXPECT_EXIT(EditAndSignal(SIGTERM), ::testing::ExitedWithCode(0), "ended 1 asked 0 kept 1");
    EXPECT_EXIT(EditAndSignal(SIGHUP), ::testing::ExitedWithCode(0), "ended 1 asked 0 kept 1");
}

} // namespace
