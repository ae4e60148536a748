// The drawing viewer as a user meets it, offscreen: a plot index opened from the command
// line, paging, printing to PDF, the clipboard copy, reopen, saving and the clean-up on close.

#include "ViewerProgramFixture.h"

#include "drawing_viewer/app/CChildFrame.h"
#include "drawing_viewer/app/CInputFileDialog.h"
#include "drawing_viewer/app/CMainView.h"
#include "drawing_viewer/app/CViewerDoc.h"
#include "drawing_viewer/app/CZaphoApp.h"

#include "common/process/ChildLauncher.h"
#include "drawing_viewer/app/ZaphoIds.h"
#include "drawing_viewer/core/CMainDoc.h"
#include "platform/core/CodePage.h"
#include "platform/core/RecordingSink.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/CDocTemplate.h"
#include "platform/ui/CFileDialog.h"
#include "platform/ui/CFrameWnd.h"
#include "platform/ui/CMenu.h"
#include "platform/ui/DialogScript.h"
#include "platform/ui/PrintRunner.h"
#include "testsupport/FileBytes.h"
#include "testsupport/TempDir.h"
#include "testsupport/ui/Journey.h"
#include "testsupport/ui/TestApplication.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScrollBar>
#include <QWidget>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <sstream>
#include <sys/stat.h>

namespace zapho {
namespace {

namespace fs = std::filesystem;

// Page 1: A4 landscape with a red line at y = 1000 from x = 500 to 2500; page 2: A4 portrait.
constexpr char kIndex[] = "red.p01 2970 2100 0.1 8\nplain.p01 2100 2970 0.1 9\n";
constexpr char kRedPage[] = "V9\nL500,1000,2500,1000\n";
constexpr char kPlainPage[] = "V0\nL100,100,200,200\n";

class ViewerAppTest : public ViewerProgramFixture {
protected:
    void SetUp() override {
        ViewerProgramFixture::SetUp();
        plots_.Write("red.p01", kRedPage);
        plots_.Write("plain.p01", kPlainPage);
        index_ = plots_.Write("plot.p00", kIndex);
    }
    bool Start(std::vector<CString> arguments) {
        app_->m_args = std::move(arguments);
        const bool started = app_->InitInstance();
        Events();
        return started;
    }
    CMainView* View() const { return FindView(); }
};

TEST_F(ViewerAppTest, AnIndexFromTheCommandLineShowsItsRedLineAtItsPaperPlaceAndPages) {
    ASSERT_TRUE(Start({CString(index_)}));
    CMainView* view = View();
    ASSERT_NE(view, nullptr);
    view->UpdateWindow();
    const QImage& canvas = view->Canvas();
    const CPoint onLine = view->PaperToClient(1500, 1000);
    const CPoint beside = view->PaperToClient(1500, 1200);
    EXPECT_EQ(canvas.pixelColor(onLine.x, onLine.y), QColor(255, 0, 0));
    EXPECT_EQ(canvas.pixelColor(beside.x, beside.y), QColor(255, 255, 255)) << "white paper";
    EXPECT_NE(app_->State().promptText.Find(CString(u8"ﾍﾟｰｼﾞ 1(2)  A4横(297×210mm)")), -1);

    view->RouteCommand(32969); // previous on the first page
    EXPECT_EQ(view->Page(), 0);
    view->RouteCommand(32968);
    EXPECT_EQ(view->Page(), 1);
    EXPECT_NE(app_->State().promptText.Find(CString(u8"ﾍﾟｰｼﾞ 2(2)")), -1);
    view->RouteCommand(32968); // next on the last page
    EXPECT_EQ(view->Page(), 1);
}

TEST_F(ViewerAppTest, PrintingToPdfGivesOneSheetOfThePagesPaperPerPage) {
    ASSERT_TRUE(Start({CString(index_)}));
    const std::string pdf = plots_.File("out.pdf");
    ASSERT_TRUE(platform::PrintRunner::PrintToPdf(View(), pdf));
    const std::string bytes = testsupport::ReadBytes(pdf);
    std::smatch box;
    ASSERT_TRUE(std::regex_search(bytes, box, std::regex(R"(/MediaBox \[0 0 ([0-9.]+) ([0-9.]+)\])")));
    EXPECT_NEAR(std::stod(box[1]), 297 / 25.4 * 72, 1.0) << "A4 landscape, the page shown";
    EXPECT_NEAR(std::stod(box[2]), 210 / 25.4 * 72, 1.0);
    const std::regex page(R"(/Type /Page\b)");
    EXPECT_EQ(std::distance(std::sregex_iterator(bytes.begin(), bytes.end(), page), std::sregex_iterator()),
              2);
}

TEST_F(ViewerAppTest, TheWholePageGoesToTheClipboardAsSvgAndImage) {
    ASSERT_TRUE(Start({CString(index_)}));
    View()->RouteCommand(ID_EDIT_COPY);
    const QMimeData* data = QApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_TRUE(data->data("image/svg+xml").startsWith("<?xml"));
    const QImage image = qvariant_cast<QImage>(data->imageData());
    ASSERT_FALSE(image.isNull());
    EXPECT_NEAR(double(image.width()) / image.height(), 297.0 / 210.0, 0.01);
}

TEST_F(ViewerAppTest, AFailedReopenKeepsTheDrawingAndClosingRemovesOnlyTheFilesRead) {
    ASSERT_TRUE(Start({CString(kDrawingRunArgument), CString(index_)}));
    CMainView* view = View();
    view->RouteCommand(32968);
    fs::remove(plots_.File("red.p01"));
    fs::remove(plots_.File("plain.p01"));
    view->RouteCommand(32970);
    EXPECT_EQ(view->Data().m_drawing.PageCount(), 2) << "the shown drawing stays";
    EXPECT_EQ(view->Page(), 1);
    plots_.Write("red.p01", kRedPage);
    plots_.Write("plain.p01", kPlainPage);
    plots_.Write("other.p01", kPlainPage);
    view->RouteCommand(32970);
    EXPECT_EQ(view->Page(), 1);
    app_->CloseAllDocuments(FALSE);
    Events();
    EXPECT_FALSE(fs::exists(index_));
    EXPECT_FALSE(fs::exists(plots_.File("red.p01")));
    EXPECT_TRUE(fs::exists(plots_.File("other.p01"))) << "never named by the index";
}

// "Open with" and the base menu hand a file over as well: only the drawing run's own index,
// said so on the command line, has its plot files removed, and no other index of that run.
TEST_F(ViewerAppTest, OnlyTheIndexADrawingRunHandsOverHasItsFilesRemoved) {
    testsupport::TempDir archive;
    archive.Write("old.p01", kPlainPage);
    const std::string archived = archive.Write("old.p00", "old.p01 2100 2970 0.1 9\n");
    const struct {
        const char* what;
        std::vector<CString> arguments;
        bool runFilesRemoved;
    } cases[] = {
        {"opened with", {CString(index_)}, false},
        {"the drawing run", {CString(kDrawingRunArgument), CString(index_)}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        app_ = std::make_unique<CZaphoApp>();
        app_->SetProgramDirectory(CString(program_.Path().string()), "zapho");
        ASSERT_TRUE(Start(c.arguments));
        ASSERT_NE(app_->OpenDocumentFile(CString(archived)), nullptr);
        app_->m_pMainWnd->GetWidget()->close();
        app_->ExitInstance();
        Events();
        EXPECT_EQ(fs::exists(index_), !c.runFilesRemoved);
        EXPECT_EQ(fs::exists(plots_.File("red.p01")), !c.runFilesRemoved);
        EXPECT_TRUE(fs::exists(archived));
        EXPECT_TRUE(fs::exists(archive.File("old.p01")));
    }
    app_.reset();
}

TEST_F(ViewerAppTest, SavingADrawingOfPlotFilesWritesAFigureFileNeverTheIndex) {
    ASSERT_TRUE(Start({CString(index_)}));
    auto* doc = View()->GetDocument();
    EXPECT_FALSE(doc->OnSaveDocument(CString(index_)));
    EXPECT_EQ(testsupport::ReadBytes(index_), kIndex);
    const std::string figure = plots_.File("saved.pfg");
    ASSERT_TRUE(doc->OnSaveDocument(CString(figure)));
    app_->CloseAllDocuments(FALSE);
    Events();
    CDocument* reopened = app_->OpenDocumentFile(CString(figure));
    ASSERT_NE(reopened, nullptr);
    EXPECT_EQ(dynamic_cast<CViewerDoc*>(reopened)->Data().m_drawing.PageCount(), 2);
}

// A file the open dialog cannot read is named as such, not as a file of another kind.
TEST_F(ViewerAppTest, TheOpenDialogNamesAFileItCannotRead) {
    ASSERT_TRUE(Start({}));
    const std::string pipe = plots_.File("pipe.pfg");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    bool stayedOpen = false;
    platform::DialogScript::Queue([&](CDialog& dialog) {
        auto& file = dynamic_cast<CFileDialog&>(dialog);
        file.SetFileNameText(CString(pipe));
        file.OnOK();
        stayedOpen = dialog.Dialog() && dialog.Dialog()->isVisible();
        dialog.OnCancel();
    });
    app_->m_pMainWnd->RouteCommand(ID_FILE_OPEN);
    EXPECT_TRUE(stayedOpen);
    ASSERT_EQ(sink_->MessageCount(), 1);
    EXPECT_EQ(sink_->LastMessageUtf8().rfind(platform::Utf8(u8"ﾌｧｲﾙを開く際にｴﾗｰが発生しました"), 0), 0u)
        << sink_->LastMessageUtf8();
    EXPECT_NE(sink_->LastMessageUtf8().find(pipe), std::string::npos);
}

// The tool bar item shows whether the tool bar is shown.
TEST_F(ViewerAppTest, TheToolBarItemIsCheckedWhileTheBarShows) {
    ASSERT_TRUE(Start({}));
    QAction* item = nullptr;
    QMenu* menu = nullptr;
    auto* window = qobject_cast<QMainWindow*>(app_->m_pMainWnd->GetWidget());
    ASSERT_NE(window, nullptr);
    for (QAction* popup : window->menuBar()->actions()) {
        for (QAction* action : popup->menu() ? popup->menu()->actions() : QList<QAction*>()) {
            if (CMenu::ActionId(action) == ID_VIEW_TOOLBAR) {
                item = action;
                menu = popup->menu();
            }
        }
    }
    ASSERT_NE(item, nullptr);
    for (const bool shown : {true, false}) {
        emit menu->aboutToShow();
        EXPECT_EQ(item->isChecked(), shown);
        item->trigger();
        Events();
    }
}

// The plot font face of the settings is the face of the texts a drawing's reading makes.
TEST_F(ViewerAppTest, TheSettingsFontFaceIsTheFaceOfTheDrawingsTexts) {
    const std::string mincho = platform::Utf8(u8"ＭＳ 明朝");
    testsupport::WriteBytes(program_.File("zapho.INI"),
                            "[Plot Font]\r\nHeight=-12\r\nFaceName=" +
                                CString(reinterpret_cast<const char8_t*>(mincho.c_str())).str() + "\r\n");
    plots_.Write("red.p01", "S30\nM100,100\nPtext\n");
    ASSERT_TRUE(Start({CString(index_)}));
    PlotDrawing& drawing = View()->Data().m_drawing;
    ASSERT_EQ(drawing.m_fonts.size(), 1u);
    EXPECT_EQ(platform::Cp932ToUtf8(drawing.m_fonts[0]->m_faceName.str()), mincho);
    const int added = drawing.GetNewFontIndex(77, 0, 0, 0);
    EXPECT_EQ(platform::Cp932ToUtf8(drawing.m_fonts[static_cast<std::size_t>(added)]->m_faceName.str()),
              mincho)
        << "a new string's font";
}

// A file opened again (menu, drop, command line) brings its window forward; a second window
// would let the later save discard the other's edits.
TEST_F(ViewerAppTest, AFileThatIsOpenComesForwardInsteadOfASecondWindow) {
    ASSERT_TRUE(Start({CString(index_)}));
    const std::string figure = plots_.File("saved.pfg");
    ASSERT_TRUE(View()->GetDocument()->OnSaveDocument(CString(figure)));
    CDocument* first = app_->OpenDocumentFile(CString(figure));
    ASSERT_NE(first, nullptr);
    for (const std::string& path : {figure, "\"" + figure + "\"", index_}) {
        SCOPED_TRACE(path);
        const std::size_t documents =
            app_->Templates()[0]->Documents().size() + app_->Templates()[1]->Documents().size();
        CDocument* again = app_->OpenDocumentFile(CString(path));
        ASSERT_NE(again, nullptr);
        EXPECT_EQ(app_->Templates()[0]->Documents().size() + app_->Templates()[1]->Documents().size(),
                  documents);
        EXPECT_EQ(again->GetPathName(), CString(path == index_ ? index_ : figure));
        Events();
        EXPECT_EQ(dynamic_cast<CFrameWnd*>(app_->m_pMainWnd)->GetActiveDocument(), again) << "in front";
    }
}

// A page rendered by a second reader (pdftoppm, one pixel per millimetre, grey).
struct RenderedPage {
    int width = 0;
    int height = 0;
    std::string pixels;
    bool Ink(int x, int y, int reach = 2) const {
        for (int row = std::max(0, y - reach); row <= std::min(height - 1, y + reach); ++row) {
            for (int column = std::max(0, x - reach); column <= std::min(width - 1, x + reach); ++column) {
                if (static_cast<unsigned char>(
                        pixels[static_cast<std::size_t>(row) * static_cast<std::size_t>(width) +
                               static_cast<std::size_t>(column)]) < 128) {
                    return true;
                }
            }
        }
        return false;
    }
};

RenderedPage RenderPage(const std::string& pdf, int page, const testsupport::TempDir& dir) {
    const std::string stem = dir.File("page" + std::to_string(page));
    const auto run = testsupport::RunTool({"pdftoppm", "-f", std::to_string(page), "-l", std::to_string(page),
                                           "-r", "25.4", "-gray", "-singlefile", pdf, stem});
    EXPECT_EQ(run.exitCode, 0) << run.output;
    std::istringstream bytes(testsupport::ReadBytes(stem + ".pgm"));
    RenderedPage rendered;
    std::string magic;
    int maximum = 0;
    bytes >> magic >> rendered.width >> rendered.height >> maximum;
    bytes.get();
    rendered.pixels.assign(std::istreambuf_iterator<char>(bytes), {});
    EXPECT_EQ(rendered.pixels.size(), static_cast<std::size_t>(rendered.width * rendered.height));
    return rendered;
}

// Each page prints on the sheet of its paper code and orientation (B4 as JIS B4), centred on
// it within the margins of the printer set-up, in a job named after the drawing.
TEST_F(ViewerAppTest, EveryPagePrintsOnItsOwnPaperWithThePrinterSetUp) {
    testsupport::RequireTool("pdftoppm", "poppler-utils");
    if (!QPrinterInfo::availablePrinterNames().isEmpty()) {
        GTEST_SKIP() << "a printer is installed: the print dialog would not offer the PDF file";
    }
    plots_.Write("a3.p01", "L100,100,3800,100\nL3800,100,3800,2800\n");
    plots_.Write("b4.p01", "L0,0,10,10\n");
    plots_.Write("plot.p00", "red.p01 2970 2100 0.1 8\na3.p01 4200 2970 0.1 6\nb4.p01 2500 3540 0.1 1\n");
    ASSERT_TRUE(Start({CString(index_)}));
    app_->PrintSetup().setPageMargins(QMarginsF(40, 0, 0, 0), QPageLayout::Millimeter);
    platform::DialogScript::Queue([](CDialog& dialog) { dialog.OnOK(); });
    View()->RouteCommand(ID_FILE_PRINT);
    const std::string pdf = plots_.File("plot.p00.pdf");
    ASSERT_TRUE(fs::exists(pdf)) << sink_->LastMessageUtf8();

    const std::string bytes = testsupport::ReadBytes(pdf);
    const std::regex box(R"(/MediaBox \[0 0 ([0-9.]+) ([0-9.]+)\])");
    std::vector<std::pair<double, double>> boxes;
    for (auto it = std::sregex_iterator(bytes.begin(), bytes.end(), box); it != std::sregex_iterator();
         ++it) {
        boxes.emplace_back(std::stod((*it)[1]), std::stod((*it)[2]));
    }
    const double mm = 72 / 25.4;
    const std::pair<double, double> sheets[] = {
        {297 * mm, 210 * mm}, {420 * mm, 297 * mm}, {257 * mm, 364 * mm}};
    ASSERT_EQ(boxes.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_NEAR(boxes[i].first, sheets[i].first, 1.0) << "page " << i + 1;
        EXPECT_NEAR(boxes[i].second, sheets[i].second, 1.0) << "page " << i + 1;
    }
    const auto info = testsupport::RunTool({"pdfinfo", pdf});
    EXPECT_NE(info.output.find("Title:           " + View()->GetDocument()->GetTitle().str() + "\n"),
              std::string::npos)
        << info.output;

    // The set-up's 40 mm left margin moves the centre of the printable area 20 mm right.
    const RenderedPage first = RenderPage(pdf, 1, plots_);
    EXPECT_TRUE(first.Ink(70, 110));
    EXPECT_FALSE(first.Ink(52, 110, 1));
    const RenderedPage a3 = RenderPage(pdf, 2, plots_);
    EXPECT_TRUE(a3.Ink(30, 287));
    EXPECT_TRUE(a3.Ink(400, 287));
    EXPECT_TRUE(a3.Ink(400, 17)) << "the A3 page whole on its sheet";
}

// A figure under a Japanese folder is a figure file to the open dialog, opens from the command
// line, and its window shows the path with its letters as they are.
TEST_F(ViewerAppTest, AFigureUnderJapaneseNamesOpensAndItsCaptionKeepsThePath) {
    plots_.MakeDirectory(platform::Utf8(u8"日本語フォルダ"));
    const CString figure(
        platform::Utf8ToCp932(plots_.File(platform::Utf8(u8"日本語フォルダ/Mixed 図面.pfg"))));
    CMainDoc saved;
    saved.m_drawing.AddPage();
    ASSERT_TRUE(saved.SaveFigureFile(figure));
    EXPECT_TRUE(CInputFileDialog::IsFigureFile(figure));
    ASSERT_TRUE(Start({figure}));
    ASSERT_NE(View(), nullptr);
    auto* child = dynamic_cast<CChildFrame*>(View()->GetParentFrame());
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(child->Caption(), CString(u8"図面 - ") + figure);
    EXPECT_EQ(View()->GetDocument()->GetTitle(), CString(u8"Mixed 図面.pfg"));
}

// The bottom bars settle their heights after the first drawing window is placed: the window
// stays within the shrunken area (no scroll bars over its edges) until the user moves it.
TEST_F(ViewerAppTest, TheFirstDrawingWindowStaysWithinAShrinkingAreaUntilMoved) {
    ASSERT_TRUE(Start({CString(index_)}));
    CMainView* view = View();
    ASSERT_NE(view, nullptr);
    QWidget* up = view->GetParentFrame()->GetWidget();
    while (up && !qobject_cast<QMdiSubWindow*>(up)) {
        up = up->parentWidget();
    }
    auto* sub = qobject_cast<QMdiSubWindow*>(up);
    ASSERT_NE(sub, nullptr);
    QMdiArea* area = sub->mdiArea();
    QWidget* window = app_->m_pMainWnd->GetWidget();
    window->resize(window->width(), window->height() - 60);
    Events();
    EXPECT_TRUE(area->viewport()->rect().contains(sub->geometry())) << "within the area";
    EXPECT_FALSE(area->verticalScrollBar()->isVisible());
    EXPECT_EQ(sub->geometry().bottom(), area->viewport()->height() - 2);

    const QRect moved = sub->geometry().adjusted(20, 20, 0, 0);
    sub->setGeometry(moved);
    window->resize(window->width(), window->height() - 40);
    Events();
    EXPECT_EQ(sub->geometry(), moved) << "the user's placement is kept";
}

TEST_F(ViewerAppTest, AnEmbeddingRequestEndsAtOnceAndStoredCountsOutOfRangeFallBack) {
    EXPECT_FALSE(Start({CString("/Embedding")}));
    CZaphoApp& app = *app_;
    app.SetProfilePath(CString(program_.File("zapho.INI")));
    for (const int stored : {0, 101, -5}) {
        app.WriteProfileInt("Title", "MaxCount", stored);
        ViewerSettings settings;
        settings.Load(app, CString(program_.Path().string()) + "/");
        EXPECT_EQ(settings.maxCount, 30) << stored;
    }
    app.WriteProfileInt("Title", "MaxCount", 55);
    ViewerSettings settings;
    settings.Load(app, "");
    EXPECT_EQ(settings.maxCount, 55);
    EXPECT_STREQ(settings.plotFont.lfFaceName, CString(u8"ＭＳ ゴシック").GetString());
}

} // namespace
} // namespace zapho
