// Its own test program: the watch stays installed for the life of the process.
#include "list_viewer/app/TerminationWatch.h"

#include "testsupport/ui/TestApplication.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <csignal>
#include <gtest/gtest.h>

namespace {

TEST(TerminationWatchTest, ASignalDuringAModalDialogEndsTheDialogBeforeTheProgram) {
    testsupport::TestApplication();
    wenux::TerminationWatch::Install();
    QDialog dialog;
    QTimer::singleShot(0, [] { std::raise(SIGTERM); });
    constexpr int kLeftOpen = 42;
    QTimer::singleShot(3000, &dialog, [&dialog] { dialog.done(kLeftOpen); });
    // The dialog's loop ends with a refusal instead of the program closing underneath it.
    EXPECT_EQ(dialog.exec(), QDialog::Rejected);
    // The close itself follows in the outer loop, once the code that opened the dialog has returned.
    QCoreApplication::processEvents();
    EXPECT_FALSE(dialog.isVisible());
}

} // namespace
