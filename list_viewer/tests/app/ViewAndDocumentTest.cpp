// Documents, views and frames: templates by extension, the view's type, width, caption and
// paging texts, and what the first page shows.
#include "AppFixture.h"

#include "list_viewer/app/CChildFrame.h"
#include "list_viewer/app/CListLogView.h"
#include "list_viewer/app/OpenFilePrompt.h"
#include "list_viewer/app/WenuxIds.h"

#include "platform/ui/CFileDialog.h"
#include "platform/ui/DialogScript.h"

#include "platform/ui/QtText.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>

namespace wenux::test {
namespace {

using platform::Utf8;

// Rows of the canvas (y) that hold dark pixels between x0 and x1.
int InkedRows(const QImage& image, int x0, int x1, int y0, int y1) {
    int rows = 0;
    for (int y = y0; y < std::min(y1, image.height()); ++y) {
        for (int x = x0; x < std::min(x1, image.width()); ++x) {
            if (qGray(image.pixel(x, y)) < 100) {
                ++rows;
                break;
            }
        }
    }
    return rows;
}

using ViewAndDocument = AppTest;

TEST_F(ViewAndDocument, RunLogOpensInALogViewWithItsTypeWidthCaptionAndTexts) {
    Start();
    const CString path = lists_.Write("run.log", JapaneseLog(300));
    CMainListView* view = Open(path);
    ASSERT_NE(view, nullptr);
    EXPECT_NE(dynamic_cast<CListLogView*>(view), nullptr);
    EXPECT_EQ(view->DocumentType(), kCalculationLog);
    EXPECT_EQ(view->LineWidth(), 82);
    EXPECT_EQ(view->Index().LineCount(), 300);
    ASSERT_EQ(view->Index().PageCount(), 3);
    EXPECT_EQ(view->Index().Page(1).firstLine, 113);

    auto* child = dynamic_cast<CChildFrame*>(view->GetParentFrame());
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(child->Caption(), CString(u8"計算実行ﾛｸﾞ -") + CString(lists_.Path().string() + "/run.log"));

    CMainFrame* frame = Frame();
    EXPECT_EQ(platform::FromQStringLossy(frame->TypeBox()->text()), CString(u8"計算実行ﾛｸﾞ"));
    EXPECT_EQ(platform::FromQStringLossy(frame->PageBarText()->text()),
              CString(u8" ﾍﾟｰｼﾞ 1(3)  ﾌｧｲﾙ ") + CString(path.Left(78 - 19)));
    EXPECT_EQ(frame->StatusBar().GetPaneText(1), CString("PAGE=     1"));
    EXPECT_EQ(frame->StatusBar().GetPaneText(2), CString("LINE=     1"));
    // The open list brings the menus of a log.
    EXPECT_NE(frame->ShownMenu(), &frame->NoDocumentMenu());
    QAction* jump = frame->ShownMenu()->FindAction(ID_JUMP_PAGE);
    ASSERT_NE(jump, nullptr);
    EXPECT_EQ(platform::FromQStringLossy(jump->statusTip()), CString(u8"指定した頁を表示"));
    EXPECT_EQ(platform::FromQStringLossy(frame->ShownMenu()->FindAction(ID_SEARCH_AGAIN)->text()),
              CString(u8"次行より再検索(&C)\tf･3"));
}

TEST_F(ViewAndDocument, TemplatesFollowTheExtensionInAnyCaseElseTheResultList) {
    Start();
    CMainListView* list = Open(lists_.Write("res.lst", JapaneseLog(10)));
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(dynamic_cast<CListLogView*>(list), nullptr);
    EXPECT_EQ(list->DocumentType(), kResultList);
    EXPECT_EQ(list->LineWidth(), 110);

    CMainListView* drawing = Open(lists_.Write("PLOT.LOP", JapaneseLog(10)));
    ASSERT_NE(drawing, nullptr);
    EXPECT_EQ(drawing->DocumentType(), kDrawingLog);
    EXPECT_EQ(drawing->LineWidth(), 102);

    CMainListView* other = Open(lists_.Write("notes.txt", JapaneseLog(10)));
    ASSERT_NE(other, nullptr);
    EXPECT_EQ(dynamic_cast<CListLogView*>(other), nullptr);
    EXPECT_EQ(other->DocumentType(), kResultList);

    CMainListView* errors = Open(CString("\"") + lists_.Write("edit.loe", JapaneseLog(10)) + "\"");
    ASSERT_NE(errors, nullptr);
    EXPECT_EQ(errors->DocumentType(), kEditErrorLog);
}

TEST_F(ViewAndDocument, CommandLineOpensTheQuotedRunLog) {
    const CString path = lists_.Write("run.log", JapaneseLog(5));
    Start({CString("\"") + path + "\""});
    CMainListView* view = ActiveView();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->ListPath(), path);
    EXPECT_TRUE(app_->State().startedWithFile);
    EXPECT_EQ(app_->State().commandLineType, kCalculationLog);
}

TEST_F(ViewAndDocument, FirstPageShowsItsRowsInTheDisplayFontWithAPageMark) {
    Start();
    CMainListView* view = Open(lists_.Write("run.log", JapaneseLog(300)));
    ASSERT_NE(view, nullptr);
    const QImage& canvas = Paint(view);
    const int rowsVisible = canvas.height() / view->TextHeight();
    ASSERT_GT(rowsVisible, 3);
    // Each visible row holds text in its first cells ("00001 計測点 ...").
    for (int row = 0; row < rowsVisible - 1; ++row) {
        EXPECT_GT(InkedRows(canvas, 2, 2 + 20 * view->TextWidth(), row * view->TextHeight(),
                            (row + 1) * view->TextHeight()),
                  0)
            << "row " << row;
    }
    // "P.1" after the row's end on the first row.
    const int markX = 2 + view->LineWidth() * view->TextWidth() + 1;
    EXPECT_GT(InkedRows(canvas, markX, markX + 4 * view->TextWidth(), 0, view->TextHeight()), 0);
    EXPECT_EQ(
        InkedRows(canvas, markX, markX + 4 * view->TextWidth(), view->TextHeight(), 2 * view->TextHeight()),
        0);
}

TEST_F(ViewAndDocument, ClosingTheLastListBringsBackTheMenuWithoutDocument) {
    Start();
    ASSERT_NE(Open(lists_.Write("run.log", JapaneseLog(5))), nullptr);
    Frame()->RouteCommand(ID_FILE_CLOSE);
    ProcessEvents();
    ProcessEvents();
    EXPECT_EQ(Frame()->ShownMenu(), &Frame()->NoDocumentMenu());
    EXPECT_EQ(platform::FromQStringLossy(Frame()->TypeBox()->text()), CString(u8"ﾌｧｲﾙを開いて下さい"));
    EXPECT_EQ(WorkFileCount(), 0);
}

// Each list opens at (25, 25) unless another one already lies there: a new list never hides
// the previous one exactly.
TEST_F(ViewAndDocument, ASecondListOpensBesideTheFirstNotOverIt) {
    Start();
    CMainListView* first = Open(lists_.Write("first.log", JapaneseLog(5)));
    CMainListView* second = Open(lists_.Write("second.log", JapaneseLog(5)));
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    const QPoint firstAt = first->GetParentFrame()->GetWidget()->pos();
    EXPECT_EQ(firstAt, QPoint(25, 25));
    EXPECT_NE(second->GetParentFrame()->GetWidget()->pos(), firstAt);
}

} // namespace
} // namespace wenux::test

namespace wenux::test {
namespace {

TEST_F(ViewAndDocument, OpenDialogOffersTheFourTypesFromTheRememberedDirectory) {
    const CString path = lists_.Write("plot.lop", JapaneseLog(5));
    Start();
    app_->State().initialDirectory = CString(lists_.Path().string()) + "/";
    app_->State().commandLineType = kDrawingLog;
    DWORD filterIndex = 0;
    CString startDirectory;
    platform::DialogScript::Queue([&](CDialog& dialog) {
        auto& file = dynamic_cast<CFileDialog&>(dialog);
        filterIndex = file.m_ofn.nFilterIndex;
        startDirectory = file.m_ofn.lpstrInitialDir ? file.m_ofn.lpstrInitialDir : "";
        file.SetFileNameText(path);
        file.OnOK();
    });
    Frame()->RouteCommand(ID_FILE_OPEN);
    ProcessEvents();
    EXPECT_EQ(filterIndex, 3U);
    EXPECT_EQ(startDirectory, CString(lists_.Path().string()));
    CMainListView* view = ActiveView();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->ListPath(), path);
    EXPECT_EQ(view->DocumentType(), kDrawingLog);
    EXPECT_EQ(OpenDialogFilter(),
              CString(u8"計算結果ﾘｽﾄ (*.lst)|*.lst|計算実行ﾛｸﾞ (*.log)|*.log|作図実行ﾛｸﾞ (*.lop)|*.lop|"
                      u8"編集ｴﾗｰﾛｸﾞ (*.loe)|*.loe||"));
}

} // namespace
} // namespace wenux::test

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

namespace wenux::test {
namespace {

TEST_F(ViewAndDocument, FilesDroppedOnTheMainWindowOpen) {
    Start();
    const CString path = lists_.Write("dropped.log", JapaneseLog(3));
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(path.str()))});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(Frame()->GetWidget(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(Frame()->GetWidget(), &drop);
    ProcessEvents();
    ASSERT_NE(ActiveView(), nullptr);
    EXPECT_EQ(ActiveView()->ListPath(), path);
}

} // namespace
} // namespace wenux::test
