// WENUX as a user meets it: the sample run log opened from the 開く dialog, paged forward and
// back, jumped through, searched to its last line, and printed (two pages) to a PDF file that
// a second reader then renders.
#include "list_viewer/app/CMainFrame.h"
#include "list_viewer/app/CMainListView.h"
#include "list_viewer/app/CWenuxApp.h"

#include "common/ui/dialogs/basnev/CFileMyDialog.h"
#include "platform/core/RecordingSink.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/DialogScript.h"
#include "testsupport/TempDir.h"
#include "testsupport/ui/Journey.h"
#include "testsupport/ui/ProgramRun.h"

#include "list_viewer/app/WenuxIds.h"

#include <QPrinterInfo>
#include <QWidget>
#include <filesystem>
#include <gtest/gtest.h>

namespace wenux {
namespace {

using testsupport::ChooseMenu;

// Types text into the dialog's one edit box and presses OK.
platform::DialogScript::Answer EditAnswer(const char8_t* text) {
    return [text](CDialog& dialog) {
        dialog.SetDlgItemText(IDC_DIALOG_EDIT, CString(text));
        dialog.OnOK();
    };
}

TEST(Journey, WenuxShowsPagesJumpsSearchesAndPrintsTheSampleLog) {
    testsupport::RequireTool("pdftoppm", "poppler-utils");
    if (!QPrinterInfo::availablePrinterNames().isEmpty()) {
        GTEST_SKIP() << "a printer is installed: the print dialog would not offer the PDF file";
    }
    testsupport::TempDir program;
    testsupport::TempDir lists;
    const std::filesystem::path log = lists.Path() / "sample.log";
    std::filesystem::copy_file(std::filesystem::path(VERRANT_SOURCE_DIR) / "data" / "sample.log", log);
    platform::RecordingSink sink;
    CWenuxApp app;
    app.SetProgramDirectory(CString(program.Path().string()), "wenux");
    testsupport::ProgramRun run(app);
    ASSERT_TRUE(run.Start());
    CFrameWnd& frame = *run.MainFrame();

    bool detailsButtonShown = true;
    const platform::DialogScript::Answer chooseLog = testsupport::FileDialogAnswer(log.string());
    ASSERT_TRUE(ChooseMenu(frame, {u8"ﾌｧｲﾙ", u8"開く..."}, [&](CDialog& dialog) {
        const QWidget* details = dialog.GetDlgItemWidget(basnev::CFileMyDialog::kDetailsButton);
        detailsButtonShown = details == nullptr || !details->isHidden();
        chooseLog(dialog);
    }));
    EXPECT_FALSE(detailsButtonShown) << "the base menu's details button shows in the viewer's open dialog";
    auto* view = dynamic_cast<CMainListView*>(frame.GetActiveFrame()->GetActiveView());
    ASSERT_NE(view, nullptr) << sink.LastMessageUtf8();
    EXPECT_EQ(view->ListPath(), CString(log.string()));
    const int pages = view->Pager().PageCount();
    ASSERT_GE(pages, 2);
    auto page = [view] { return view->Pager().CurrentPage(); };

    ASSERT_TRUE(ChooseMenu(frame, {u8"ｼﾞｬﾝﾌﾟ", u8"次頁へｼﾞｬﾝﾌﾟ"}));
    EXPECT_EQ(page(), 1);
    ASSERT_TRUE(ChooseMenu(frame, {u8"ｼﾞｬﾝﾌﾟ", u8"前頁へｼﾞｬﾝﾌﾟ"}));
    EXPECT_EQ(page(), 0);
    ASSERT_TRUE(ChooseMenu(frame, {u8"ｼﾞｬﾝﾌﾟ", u8"指定頁へｼﾞｬﾝﾌﾟ..."}, EditAnswer(u8"2")));
    EXPECT_EQ(page(), 1);
    ASSERT_TRUE(ChooseMenu(frame, {u8"ｼﾞｬﾝﾌﾟ", u8"最後へｼﾞｬﾝﾌﾟ"}));
    EXPECT_EQ(page(), pages - 1);
    ASSERT_TRUE(ChooseMenu(frame, {u8"ｼﾞｬﾝﾌﾟ", u8"先頭へｼﾞｬﾝﾌﾟ"}));
    EXPECT_EQ(page(), 0);
    EXPECT_EQ(view->Pager().TopLine(), 1);

    // The slip-surface file's name appears on the log's last line only.
    ASSERT_TRUE(ChooseMenu(frame, {u8"検索", u8"文字列の検索..."}, EditAnswer(u8"p.slf")));
    EXPECT_EQ(view->Pager().TopLine(), view->Index().LineCount());
    EXPECT_EQ(page(), pages - 1);

    // Printing without a printer: OK in the print dialog writes the PDF file beside the log.
    ASSERT_TRUE(ChooseMenu(frame, {u8"ﾌｧｲﾙ", u8"印刷..."}, testsupport::PressOk));
    const std::filesystem::path pdf = lists.Path() / "sample.log.pdf";
    ASSERT_TRUE(std::filesystem::exists(pdf)) << sink.LastMessageUtf8();
    EXPECT_EQ(sink.MessagesUtf8(),
              std::vector<std::string>{
                  platform::Utf8(u8"プリンタがないため、PDF ファイルに出力しました。\n") + pdf.string()});
    EXPECT_EQ(testsupport::PdfPageCount(pdf.string()), 2);
    EXPECT_TRUE(testsupport::PdfPagePrinted(pdf.string(), 2, 30)) << "page 2 prints blank";

    EXPECT_EQ(sink.Events().back().caption, CString("WENUX"));

    EXPECT_TRUE(run.Quit());
}

} // namespace
} // namespace wenux
