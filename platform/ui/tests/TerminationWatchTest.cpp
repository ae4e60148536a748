// Its own test program: the watch stays installed for the life of the process.
#include "platform/ui/TerminationWatch.h"

#include "TestViews.h"
#include "platform/core/RecordingSink.h"
#include "platform/ui/CMDIChildWnd.h"
#include "platform/ui/CMDIFrameWnd.h"
#include "platform/ui/CMultiDocTemplate.h"
#include "platform/ui/CWinApp.h"
#include "testsupport/TempDir.h"
#include "testsupport/ui/SpinUntil.h"
#include "testsupport/ui/TestApplication.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <csignal>
#include <gtest/gtest.h>

namespace {

// A document that asks before it closes modified, as the programs' documents do.
class AskingDocument : public TestDocument {
    DECLARE_DYNCREATE(AskingDocument)
public:
    BOOL SaveModified() override {
        if (!IsModified()) {
            return TRUE;
        }
        const int answer = AfxMessageBox(u8"変更されています。保存しますか？", MB_YESNOCANCEL);
        if (answer == IDYES) {
            ++saves;
            SetModifiedFlag(FALSE);
        }
        return answer != IDCANCEL;
    }
    static inline int saves = 0;
};
IMPLEMENT_DYNCREATE(AskingDocument, TestDocument)

class TerminationWatchTest : public ::testing::Test {
protected:
    void SetUp() override {
        testsupport::TestApplication();
        platform::TerminationWatch::Install();
        AskingDocument::saves = 0;
    }
    // A main window holding one modified document.
    QPointer<QWidget> OpenModifiedDocument() {
        main_ = new CMDIFrameWnd;
        EXPECT_TRUE(main_->Create("END"));
        app_.m_pMainWnd = main_;
        if (app_.Templates().empty()) {
            app_.AddDocTemplate(new CMultiDocTemplate(1, RUNTIME_CLASS(AskingDocument),
                                                      RUNTIME_CLASS(CMDIChildWnd), RUNTIME_CLASS(TestView),
                                                      ".log"));
        }
        CDocument* document = app_.OpenDocumentFile(dir_.Write("a.log", "a").c_str());
        EXPECT_NE(document, nullptr);
        document->SetModifiedFlag(TRUE);
        return QPointer<QWidget>(main_->GetWidget());
    }

    testsupport::TempDir dir_{"verrant-end"};
    CWinApp app_{"END"};
    CMDIFrameWnd* main_ = nullptr;
};

TEST_F(TerminationWatchTest, ASignalDuringAModalDialogEndsTheDialogBeforeTheProgram) {
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

// A signal used to kill the program on the spot (the section programs, the analysis program,
// the base menu): now it ends as Exit does with No to every save question, nothing shown.
TEST_F(TerminationWatchTest, TermAndHangUpEndTheProgramAsExitWithNoToEverySaveQuestion) {
    for (int signal : {SIGTERM, SIGHUP}) {
        SCOPED_TRACE(signal);
        platform::RecordingSink sink;
        sink.QueueAnswer(IDYES); // what a user would have said: never asked
        QPointer<QWidget> window = OpenModifiedDocument();
        std::raise(signal);
        EXPECT_TRUE(testsupport::SpinUntil([&window] { return window.isNull(); }, 5000));
        EXPECT_EQ(AskingDocument::saves, 0);
        EXPECT_EQ(sink.MessageCount(), 0);
        EXPECT_TRUE(app_.Templates().front()->Documents().empty());
    }
}

TEST_F(TerminationWatchTest, ALogoutAsksToSaveModifiedDocumentsAndCancelKeepsTheSession) {
    platform::RecordingSink sink;
    QPointer<QWidget> window = OpenModifiedDocument();
    sink.QueueAnswer(IDCANCEL);
    EXPECT_FALSE(platform::TerminationWatch::SaveForSessionEnd());
    EXPECT_EQ(AskingDocument::saves, 0);
    sink.QueueAnswer(IDYES);
    EXPECT_TRUE(platform::TerminationWatch::SaveForSessionEnd());
    EXPECT_EQ(AskingDocument::saves, 1);
    EXPECT_EQ(sink.MessageCount(), 2);
    EXPECT_FALSE(window.isNull()); // the session manager ends the program, not the question
    delete window.data();
}

} // namespace
