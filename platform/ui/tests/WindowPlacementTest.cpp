// Where dialogs open and how they are framed: over the window they belong to, without
// minimise and maximise buttons.
#include "testsupport/ui/TestApplication.h"

#include "platform/ui/CDialog.h"
#include "platform/ui/CFrameWnd.h"
#include "platform/ui/CPrintDialog.h"
#include "platform/ui/CWinApp.h"
#include "platform/ui/DialogScript.h"
#include "platform/ui/PrintProgressWindow.h"

#include <QApplication>
#include <QDialog>
#include <gtest/gtest.h>

namespace {

class WindowPlacementTest : public ::testing::Test {
protected:
    void SetUp() override {
        testsupport::TestApplication();
        frame_.m_bAutoDelete = FALSE;
        ASSERT_TRUE(frame_.Create("KALKO"));
        app_.m_pMainWnd = &frame_;
        frame_.GetWidget()->setGeometry(60, 50, 440,
                                        320); // on the 800 x 600 offscreen screen, off its centre
        frame_.ShowWindow(SW_SHOW);
        QApplication::processEvents();
    }
    void TearDown() override {
        app_.m_pMainWnd = nullptr;
        delete frame_.GetWidget();
    }
    QPoint OwnerCentre() const { return frame_.GetWidget()->frameGeometry().center(); }

    CWinApp app_{"KALKO"};
    CFrameWnd frame_;
};

TEST_F(WindowPlacementTest, ADialogMadeWithoutParentBelongsToTheMainWindowAndIsFramedAsADialog) {
    CDialog dialog(4711);
    dialog.EnsureCreated();
    QDialog* widget = dialog.Dialog();
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->parentWidget(), frame_.GetWidget());
    const Qt::WindowFlags flags = widget->windowFlags();
    EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Dialog);
    EXPECT_TRUE(flags & Qt::CustomizeWindowHint);
    EXPECT_TRUE(flags & Qt::WindowTitleHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    widget->resize(200, 100);
    widget->show();
    QApplication::processEvents();
    EXPECT_LE((widget->frameGeometry().center() - OwnerCentre()).manhattanLength(), 40)
        << widget->x() << "," << widget->y();
    widget->hide();
}

// A progress window opens explicitly placed over its owner (a place the window manager keeps;
// left to automatic placement it may open at the screen's top-left corner).
TEST_F(WindowPlacementTest, PrintProgressOpensPlacedOverItsOwner) {
    platform::PrintProgressWindow progress(frame_.GetWidget(), CString("run.log"));
    QWidget* window = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->objectName() == QString::fromLatin1(platform::PrintProgressWindow::kObjectName) &&
            top->isVisible()) {
            window = top;
        }
    }
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->testAttribute(Qt::WA_Moved));
    EXPECT_LE((window->frameGeometry().center() - OwnerCentre()).manhattanLength(), 40)
        << window->x() << "," << window->y();
}

TEST_F(WindowPlacementTest, APrintDialogMadeWithoutParentBelongsToTheMainWindow) {
    CPrintDialog dialog(FALSE);
    QWidget* parent = nullptr;
    platform::DialogScript::Queue([&parent](CDialog& open) {
        parent = open.GetWidget()->parentWidget();
        open.OnCancel();
    });
    dialog.DoModal();
    EXPECT_EQ(parent, frame_.GetWidget());
}

} // namespace
