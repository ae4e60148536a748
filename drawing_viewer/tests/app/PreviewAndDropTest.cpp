// The print preview's own bar (one page at a time, Print hands over to the print command)
// and a file dropped on the main window opening as a document.

#include "drawing_viewer/tests/app/ViewerFixture.h"

#include "drawing_viewer/app/CPlotPreviewView.h"

#include "platform/ui/CFileDialog.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <filesystem>
#include <string>
#include <vector>

namespace zapho {
namespace {

using PreviewAndDropTest = ViewerFixture;

QWidget* OpenPreview() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == CPlotPreviewView::kObjectName && widget->isVisible()) {
            return widget;
        }
    }
    return nullptr;
}

// The preview's page widget once it has laid out its pages.
QPrintPreviewWidget* LaidOutPages(QWidget* preview) {
    auto* pages = preview->findChild<QPrintPreviewWidget*>();
    pages->updatePreview();
    QApplication::processEvents();
    return pages;
}

QPushButton* Button(QWidget* preview, int id) {
    return preview->findChild<QPushButton*>(QString::number(id));
}

TEST_F(PreviewAndDropTest, ThePreviewShowsOnePageAtATimeAndItsPrintButtonPrints) {
    view_->RouteCommand(32968); // the second page is shown
    int pageCount = 0, firstShown = 0, afterNext = 0;
    bool single = false;
    QTimer::singleShot(0, [&] {
        QWidget* preview = OpenPreview();
        ASSERT_NE(preview, nullptr);
        QPrintPreviewWidget* pages = LaidOutPages(preview);
        pageCount = pages->pageCount();
        firstShown = pages->currentPage();
        single = pages->viewMode() == QPrintPreviewWidget::SinglePageView;
        Button(preview, CPlotPreviewView::kNext)->click();
        afterNext = pages->currentPage();
        Button(preview, CPlotPreviewView::kPrint)->click();
    });
    bool printAsked = false;
    platform::DialogScript::Queue([&](CDialog& dialog) {
        printAsked = true; // the print command's dialog
        dialog.OnCancel();
    });
    view_->RouteCommand(ID_FILE_PRINT_PREVIEW);
    EXPECT_EQ(pageCount, 3);
    EXPECT_TRUE(single);
    EXPECT_EQ(firstShown, 2) << "opens on the page shown";
    EXPECT_EQ(afterNext, 3);
    EXPECT_TRUE(printAsked);
    EXPECT_EQ(OpenPreview(), nullptr);
}

// Each button answers Alt and the letter its label shows in parentheses.
TEST_F(PreviewAndDropTest, ThePreviewsButtonsAnswerTheirAltLetters) {
    int afterNext = 0, afterPrevious = 0;
    double shown = 0.0, zoomedIn = 0.0, zoomedOut = 0.0;
    bool closedByAlt = false;
    QTimer::singleShot(0, [&] {
        QWidget* preview = OpenPreview();
        ASSERT_NE(preview, nullptr);
        QPrintPreviewWidget* pages = LaidOutPages(preview);
        // A mnemonic clicks its button as a short animation: the click lands after it.
        auto press = [](Qt::Key key) {
            QWidget* focus = QApplication::focusWidget();
            ASSERT_NE(focus, nullptr);
            QTest::keyClick(focus, key, Qt::AltModifier);
            QTest::qWait(250);
        };
        press(Qt::Key_N);
        afterNext = pages->currentPage();
        press(Qt::Key_V);
        afterPrevious = pages->currentPage();
        shown = pages->zoomFactor();
        press(Qt::Key_I);
        zoomedIn = pages->zoomFactor();
        press(Qt::Key_O);
        press(Qt::Key_O);
        zoomedOut = pages->zoomFactor();
        press(Qt::Key_C);
        closedByAlt = OpenPreview() == nullptr;
        if (!closedByAlt) {
            Button(preview, CPlotPreviewView::kClose)->click();
        }
    });
    view_->RouteCommand(ID_FILE_PRINT_PREVIEW);
    EXPECT_EQ(afterNext, 2) << "Alt+N: the next page";
    EXPECT_EQ(afterPrevious, 1) << "Alt+V: the previous page";
    EXPECT_GT(zoomedIn, shown) << "Alt+I: zoomed in";
    EXPECT_LT(zoomedOut, shown) << "Alt+O: zoomed out";
    EXPECT_TRUE(closedByAlt) << "Alt+C: closed";
}

// The open dialog starts in the folder of the drawing shown, and with none open in the folder
// last opened from.
TEST_F(PreviewAndDropTest, TheOpenDialogStartsInTheDrawingsFolderElseTheLastUsed) {
    const std::string other = plots_.File("other");
    std::filesystem::create_directory(other);
    for (const char* name : {"one.p01", "two.p01", "three.p01", "plot.p00"}) {
        std::filesystem::copy_file(plots_.File(name), other + "/" + name);
    }
    std::vector<std::string> started;
    auto open = [&](const std::string& path) {
        platform::DialogScript::Queue([&started, path](CDialog& dialog) {
            auto& file = dynamic_cast<CFileDialog&>(dialog);
            started.push_back(file.GetFolderPath().str());
            if (path.empty()) {
                dialog.OnCancel();
                return;
            }
            file.SetFileNameText(CString(path));
            file.OnOK();
        });
        app_->m_pMainWnd->RouteCommand(ID_FILE_OPEN);
        Events();
    };
    open(other + "/plot.p00");
    app_->CloseAllDocuments(FALSE);
    Events();
    open("");
    ASSERT_EQ(started.size(), 2u);
    EXPECT_EQ(started[0], plots_.Path().string()) << "the folder of the drawing shown";
    EXPECT_EQ(started[1], other) << "with no drawing open, the folder last opened from";
}

TEST_F(PreviewAndDropTest, AFileDroppedOnTheMainWindowOpens) {
    const std::string figure = plots_.File("dropped.pfg");
    ASSERT_TRUE(view_->Data().WriteFigureFile(figure.c_str()));
    auto* mime = new QMimeData;
    mime->setUrls({QUrl::fromLocalFile(QString::fromStdString(figure))});
    QWidget* window = app_->m_pMainWnd->GetWidget();
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
    // A drop comes after the drag entered the window, as a desktop delivers them.
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &enter);
    QApplication::sendEvent(window, &drop);
    Events();
    int documents = 0;
    for (const auto& docTemplate : app_->Templates()) {
        documents += static_cast<int>(docTemplate->Documents().size());
    }
    EXPECT_EQ(documents, 2) << sink_->LastMessageUtf8();
    delete mime;
}

} // namespace
} // namespace zapho
