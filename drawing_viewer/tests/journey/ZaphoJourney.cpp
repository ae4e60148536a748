// ZAPHO as a user meets it: the sample drawing opened from the open dialog, a Japanese text
// added and moved, the drawing saved as a figure file, a later change dropped at the close
// question, the figure file opened again, every page printed to a PDF file that a second
// reader renders, and the pages exported as DXF that ezdxf audits.
#include "drawing_viewer/app/CDxfOutputDlg.h"
#include "drawing_viewer/app/CMainView.h"
#include "drawing_viewer/app/CStringInputDlg.h"
#include "drawing_viewer/app/CZaphoApp.h"
#include "drawing_viewer/core/CMainDoc.h"

#include "platform/core/RecordingSink.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/CFrameWnd.h"
#include "platform/ui/DialogScript.h"
#include "platform/ui/QtText.h"
#include "testsupport/DxfAudit.h"
#include "testsupport/TempDir.h"
#include "testsupport/ui/Journey.h"
#include "testsupport/ui/ProgramRun.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QMouseEvent>
#include <QPrinterInfo>
#include <QWidget>
#include <filesystem>
#include <gtest/gtest.h>

namespace zapho {
namespace {

namespace fs = std::filesystem;
using testsupport::ChooseMenu;

// The mouse over the drawing: moved to a paper point, pressed, dragged and let go there.
void Mouse(CMainView& view, QEvent::Type type, double x, double y, Qt::MouseButtons held) {
    const CPoint at = view.PaperToClient(x, y);
    const QPointF local(at.x, at.y);
    // The drawing surface beside the view's scroll bars.
    auto* grid = qobject_cast<QGridLayout*>(view.GetWidget()->layout());
    ASSERT_NE(grid, nullptr);
    QWidget* widget = grid->itemAtPosition(0, 0)->widget();
    QMouseEvent event(type, local, widget->mapToGlobal(local),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

void Drag(CMainView& view, double x1, double y1, double x2, double y2) {
    Mouse(view, QEvent::MouseMove, x1, y1, Qt::NoButton);
    Mouse(view, QEvent::MouseButtonPress, x1, y1, Qt::LeftButton);
    Mouse(view, QEvent::MouseMove, (x1 + x2) / 2, (y1 + y2) / 2, Qt::LeftButton);
    Mouse(view, QEvent::MouseMove, x2, y2, Qt::LeftButton);
    Mouse(view, QEvent::MouseButtonRelease, x2, y2, Qt::NoButton);
    testsupport::Settle();
}

void Click(CMainView& view, double x, double y) {
    Drag(view, x, y, x, y);
}

CMainView* ShownView(CFrameWnd& frame) {
    CFrameWnd* child = frame.GetActiveFrame();
    return child ? dynamic_cast<CMainView*>(child->GetActiveView()) : nullptr;
}

// The text of the page shown that reads text (UTF-8), null when none does.
CPlotString* FindText(CMainView& view, const char8_t* text) {
    for (auto& item : view.PageTexts()) {
        if (item->m_text == CString(text)) {
            return item.get();
        }
    }
    return nullptr;
}

CPoint Middle(const CPlotString& text) {
    const CRect box = text.BoundingRect(text.m_x, text.m_y);
    return CPoint((box.left + box.right) / 2, (box.top + box.bottom) / 2);
}

std::string Messages(const platform::RecordingSink& sink) {
    std::string all;
    for (const std::string& message : sink.MessagesUtf8()) {
        all += message + "\n";
    }
    return all;
}

constexpr char8_t kText[] = u8"地すべり観測点";

TEST(Journey, ZaphoOpensEditsSavesReopensPrintsAndExportsTheSampleDrawing) {
    testsupport::RequireTool("pdftoppm", "poppler-utils");
    if (!QPrinterInfo::availablePrinterNames().isEmpty()) {
        GTEST_SKIP() << "a printer is installed: the print dialog would not offer the PDF file";
    }
    testsupport::TempDir program;
    testsupport::TempDir work;
    const fs::path samples = fs::path(VERRANT_SOURCE_DIR) / "drawing_viewer" / "tests" / "data";
    for (const char* name : {"sample.p00", "sample.p01"}) {
        fs::copy_file(samples / name, work.Path() / name);
    }
    const std::string index = (work.Path() / "sample.p00").string();
    const std::string figure = (work.Path() / "journey.pfg").string();
    platform::RecordingSink sink;
    CZaphoApp app;
    app.SetProgramDirectory(CString(program.Path().string()), "zapho");
    testsupport::ProgramRun run(app);
    ASSERT_TRUE(run.Start());
    CFrameWnd& frame = *run.MainFrame();

    ASSERT_TRUE(ChooseMenu(frame, {u8"ﾌｧｲﾙ", u8"図面ﾌｧｲﾙを開く..."}, testsupport::FileDialogAnswer(index)));
    CMainView* view = ShownView(frame);
    ASSERT_NE(view, nullptr) << Messages(sink);
    const int pages = view->Data().m_drawing.PageCount();

    // A text typed into the input dialog lands where the click was.
    ASSERT_TRUE(ChooseMenu(frame, {u8"文字", u8"入力"}));
    platform::DialogScript::Queue([](CDialog& dialog) {
        auto* combo = qobject_cast<QComboBox*>(dialog.GetDlgItemWidget(CStringInputDlg::kText));
        ASSERT_NE(combo, nullptr);
        combo->setEditText(platform::ToQString(kText));
        dialog.SetDlgItemText(CStringInputDlg::kSize, "5.0");
        testsupport::PressOk(dialog);
    });
    Click(*view, 1200, 1000);
    CPlotString* added = FindText(*view, kText);
    ASSERT_NE(added, nullptr) << Messages(sink);
    EXPECT_NEAR(added->m_x, 1200, 10);
    EXPECT_NEAR(added->m_y, 1000, 10);

    // Selected with a click and dragged 40 mm right and 30 mm down.
    ASSERT_TRUE(ChooseMenu(frame, {u8"文字", u8"選択"}));
    CPoint middle = Middle(*added);
    Click(*view, middle.x, middle.y);
    EXPECT_EQ(added->m_nSelect, 1);
    Drag(*view, middle.x, middle.y, middle.x + 400, middle.y - 300);
    const CPoint saved(added->m_x, added->m_y);
    EXPECT_NEAR(saved.x, 1600, 10);
    EXPECT_NEAR(saved.y, 700, 10);

    ASSERT_TRUE(
        ChooseMenu(frame, {u8"ﾌｧｲﾙ", u8"図面ﾌｧｲﾙとして保存..."}, testsupport::FileDialogAnswer(figure)));
    ASSERT_TRUE(fs::exists(figure)) << Messages(sink);

    // A change after the save: closing asks, and No drops it.
    middle = Middle(*added);
    Drag(*view, middle.x, middle.y, middle.x - 500, middle.y);
    sink.Clear();
    sink.QueueAnswer(IDNO);
    ASSERT_TRUE(ChooseMenu(frame, {u8"ﾌｧｲﾙ", u8"閉じる"}));
    testsupport::Settle();
    ASSERT_EQ(sink.MessageCount(), 1);
    EXPECT_NE(sink.LastMessageUtf8().find(platform::Utf8(u8"sample.p00 に行った変更を保存しますか?")),
              std::string::npos)
        << sink.LastMessageUtf8();
    EXPECT_EQ(ShownView(frame), nullptr) << "the drawing window closed";
    EXPECT_TRUE(fs::exists(index)) << "a drawing opened by the user keeps its plot files";

    // The figure file opened again holds the text where it was saved.
    ASSERT_TRUE(ChooseMenu(frame, {u8"ﾌｧｲﾙ", u8"図面ﾌｧｲﾙを開く..."}, testsupport::FileDialogAnswer(figure)));
    view = ShownView(frame);
    ASSERT_NE(view, nullptr) << Messages(sink);
    EXPECT_EQ(view->Data().m_drawing.PageCount(), pages);
    added = FindText(*view, kText);
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(CPoint(added->m_x, added->m_y), saved);

    // Every page printed into the PDF file beside the figure file.
    sink.Clear();
    ASSERT_TRUE(ChooseMenu(frame, {u8"ﾌｧｲﾙ", u8"印刷..."}, testsupport::PressOk));
    const fs::path pdf = work.Path() / "journey.pfg.pdf";
    ASSERT_TRUE(fs::exists(pdf)) << Messages(sink);
    EXPECT_EQ(testsupport::PdfPageCount(pdf.string()), pages);
    EXPECT_TRUE(testsupport::PdfPagePrinted(pdf.string(), 1, 30)) << "page 1 prints blank";

    // Every page exported as DXF, and the files audit clean.
    const std::string dxfDirectory = work.MakeDirectory("dxf");
    ASSERT_TRUE(ChooseMenu(frame, {u8"ﾌｧｲﾙ", u8"DXFﾌｧｲﾙ出力..."}, [&](CDialog& dialog) {
        dialog.SetDlgItemText(CDxfOutputDlg::kFile, CString(dxfDirectory + "/journey.dxf"));
        dialog.SetDlgItemText(CDxfOutputDlg::kFirstPage, "1");
        dialog.SetDlgItemText(CDxfOutputDlg::kLastPage, std::to_string(pages).c_str());
        testsupport::PressOk(dialog);
    }));
    int written = 0;
    for (const auto& entry : fs::directory_iterator(dxfDirectory)) {
        written += entry.path().extension() == ".dxf" ? 1 : 0;
    }
    EXPECT_EQ(written, pages) << Messages(sink);
    EXPECT_TRUE(testsupport::EzdxfAvailable()) << "ezdxf is not installed for /usr/bin/python3 (Debian "
                                                  "package python3-ezdxf; scripts/install-deps.sh)";
    EXPECT_EQ(testsupport::EzdxfAuditProblems(dxfDirectory), "");

    EXPECT_TRUE(run.Quit());
}

} // namespace
} // namespace zapho
