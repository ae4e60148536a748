// The real message boxes (centred on their owner, the icon of their kind, the program's name
// as title), the toolkit's Japanese texts and the suite's own icon and version.
#include "TitleBarNeeds.h"
#include "testsupport/ui/TestApplication.h"

#include "platform/core/MessageSink.h"
#include "platform/ui/CFrameWnd.h"
#include "platform/ui/CWinApp.h"
#include "platform/ui/QtMessageSink.h"
#include "platform/ui/SuiteIdentity.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

struct Shown {
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QPoint centre;
    QStringList buttons;
    bool onTop = false;
    int width = 0;
};

// Shows one box through the real sink and closes it with its first button.
Shown ShowThroughSink(const CString& text, UINT type) {
    Shown shown;
    QTimer::singleShot(0, [&shown] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        shown.title = box->windowTitle();
        shown.icon = box->icon();
        shown.centre = box->geometry().center();
        shown.onTop = box->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
        shown.width = box->width();
        for (QAbstractButton* button : box->buttons()) {
            shown.buttons << button->text();
        }
        box->buttons().first()->click();
    });
    platform::QtMessageSink sink;
    platform::MessageSink* previous = platform::SetMessageSink(&sink);
    AfxMessageBox(text, type);
    platform::SetMessageSink(previous);
    return shown;
}

TEST(MessageBoxTest, CentredOnTheMainWindowWithTheIconOfItsKindAndTheProgramsName) {
    testsupport::TestApplication();
    ASSERT_TRUE(platform::InstallToolkitJapanese());
    CWinApp app("KALKO");
    platform::SetMessageCaption(app.m_strAppName);
    CFrameWnd frame;
    frame.m_bAutoDelete = FALSE;
    ASSERT_TRUE(frame.Create("KALKO"));
    app.m_pMainWnd = &frame;
    frame.GetWidget()->setGeometry(400, 300, 600, 400);
    frame.ShowWindow(SW_SHOW);
    const QPoint ownerCentre = frame.GetWidget()->frameGeometry().center();

    struct Case {
        UINT type;
        QMessageBox::Icon icon;
    };
    const Case cases[] = {
        {MB_OK, QMessageBox::Warning},
        {MB_YESNO, QMessageBox::Question},
        {MB_OK | MB_ICONSTOP, QMessageBox::Critical},
        {MB_OK | MB_ICONINFORMATION, QMessageBox::Information},
        {MB_YESNOCANCEL | MB_ICONEXCLAMATION, QMessageBox::Warning},
    };
    for (const Case& c : cases) {
        const Shown shown = ShowThroughSink(CString(u8"ﾌｧｲﾙがありません"), c.type);
        EXPECT_EQ(shown.icon, c.icon) << c.type;
        EXPECT_EQ(shown.title, "KALKO");
        EXPECT_LE((shown.centre - ownerCentre).manhattanLength(), 40)
            << shown.centre.x() << "," << shown.centre.y();
    }
    // Qt's own button texts read Japanese.
    const Shown question = ShowThroughSink("?", MB_YESNOCANCEL);
    EXPECT_TRUE(question.buttons.contains(QString::fromUtf8(reinterpret_cast<const char*>(u8"キャンセル"))))
        << question.buttons.join(',').toStdString();
    platform::SetMessageCaption("");
    delete frame.GetWidget();
}

// A box shown when the program has no window left (at exit) stays in front of other programs'
// windows; one over a window of the program is just in front of that window.
TEST(MessageBoxTest, ABoxWithoutAWindowOfItsProgramStaysInFront) {
    testsupport::TestApplication();
    CWinApp app("KALKO");
    EXPECT_TRUE(ShowThroughSink(CString(u8"基本ﾒﾆｭｰの参照ﾌｧｲﾙ名を変更します"), MB_OK).onTop);
    CFrameWnd frame;
    frame.m_bAutoDelete = FALSE;
    ASSERT_TRUE(frame.Create("KALKO"));
    app.m_pMainWnd = &frame;
    frame.ShowWindow(SW_SHOW);
    EXPECT_FALSE(ShowThroughSink(CString("?"), MB_OK).onTop);
    app.m_pMainWnd = nullptr;
    delete frame.GetWidget();
}

// The window manager draws the title beside the window's icon and its own buttons: a box as
// narrow as a short notice cut the program's name to "QU... O".
TEST(MessageBoxTest, AShortNoticeIsWideEnoughForItsTitle) {
    testsupport::TestApplication();
    CWinApp app("QUILMO");
    platform::SetMessageCaption(app.m_strAppName);
    for (const char8_t* text : {u8"?", u8"ﾃﾞｰﾀがありません"}) {
        const Shown shown = ShowThroughSink(CString(text), MB_OK);
        EXPECT_GE(shown.width, TitleBarNeeds("QUILMO")) << shown.width;
    }
    platform::SetMessageCaption("");
}

TEST(SuiteIdentityTest, OwnIconAndOneVersion) {
    testsupport::TestApplication();
    EXPECT_STREQ(platform::SuiteVersion(), "1.0.0");
    const QIcon icon = platform::SuiteIcon();
    ASSERT_FALSE(icon.isNull());
    const QImage image = icon.pixmap(32, 32).toImage();
    EXPECT_EQ(image.size(), QSize(32, 32));
    EXPECT_NE(image.pixelColor(16, 16), image.pixelColor(2, 30)); // drawn, not blank
    platform::ApplySuiteIdentity();
    EXPECT_EQ(QApplication::applicationVersion(), "1.0.0");
    EXPECT_FALSE(QApplication::windowIcon().isNull());
}

} // namespace
