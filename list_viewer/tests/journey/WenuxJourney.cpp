// WENUX as a user meets it: the sample run log opened from the 開く dialog, paged forward and
// back, jumped through, searched to its last line, and printed (two pages) to a PDF file that
// a second reader then renders.
#include "list_viewer/app/CMainFrame.h"
#include "list_viewer/app/CMainListView.h"
#include "list_viewer/app/CWenuxApp.h"

#include "platform/core/RecordingSink.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/DialogScript.h"
#include "testsupport/FileBytes.h"
#include "testsupport/TempDir.h"
#include "testsupport/ui/Journey.h"
#include "testsupport/ui/ProgramRun.h"

#include "list_viewer/app/WenuxIds.h"

#include <QPrinterInfo>
#include <filesystem>
#include <gtest/gtest.h>

namespace wenux {
namespace {

using testsupport::ChooseMenu;

// Types text into the dialog's one edit box and presses OK.
void AnswerEdit(const char8_t* text) {
    platform::DialogScript::Queue([text](CDialog& dialog) {
        dialog.SetDlgItemText(IDC_DIALOG_EDIT, CString(text));
        dialog.OnOK();
    });
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

    testsupport::AnswerFileDialog(log.string());
    ASSERT_TRUE(ChooseMenu(frame, {u8"ﾌｧｲﾙ", u8"開く..."}));
    auto* view = dynamic_cast<CMainListView*>(frame.GetActiveFrame()->GetActiveView());
    ASSERT_NE(view, nullptr) << (sink.MessagesUtf8().empty() ? "" : sink.LastMessageUtf8());
    EXPECT_EQ(view->ListPath(), CString(log.string()));
    const int pages = view->Pager().PageCount();
    ASSERT_GE(pages, 2);
    auto page = [view] { return view->Pager().CurrentPage(); };

    ASSERT_TRUE(ChooseMenu(frame, {u8"ｼﾞｬﾝﾌﾟ", u8"次頁へｼﾞｬﾝﾌﾟ"}));
    EXPECT_EQ(page(), 1);
    ASSERT_TRUE(ChooseMenu(frame, {u8"ｼﾞｬﾝﾌﾟ", u8"前頁へｼﾞｬﾝﾌﾟ"}));
    EXPECT_EQ(page(), 0);
    AnswerEdit(u8"2");
    ASSERT_TRUE(ChooseMenu(frame, {u8"ｼﾞｬﾝﾌﾟ", u8"指定頁へｼﾞｬﾝﾌﾟ..."}));
    EXPECT_EQ(page(), 1);
    ASSERT_TRUE(ChooseMenu(frame, {u8"ｼﾞｬﾝﾌﾟ", u8"最後へｼﾞｬﾝﾌﾟ"}));
    EXPECT_EQ(page(), pages - 1);
    ASSERT_TRUE(ChooseMenu(frame, {u8"ｼﾞｬﾝﾌﾟ", u8"先頭へｼﾞｬﾝﾌﾟ"}));
    EXPECT_EQ(page(), 0);
    EXPECT_EQ(view->Pager().TopLine(), 1);

    // The slip-surface file's name appears on the log's last line only.
    AnswerEdit(u8"p.slf");
    ASSERT_TRUE(ChooseMenu(frame, {u8"検索", u8"文字列の検索..."}));
    EXPECT_EQ(view->Pager().TopLine(), view->Index().LineCount());
    EXPECT_EQ(page(), pages - 1);

    // Printing without a printer: OK in the print dialog writes the PDF file beside the log.
    platform::DialogScript::Queue([](CDialog& dialog) { dialog.OnOK(); });
    ASSERT_TRUE(ChooseMenu(frame, {u8"ﾌｧｲﾙ", u8"印刷..."}));
    const std::filesystem::path pdf = lists.Path() / "sample.log.pdf";
    ASSERT_TRUE(std::filesystem::exists(pdf)) << (sink.MessagesUtf8().empty() ? "" : sink.LastMessageUtf8());
    EXPECT_EQ(sink.MessagesUtf8(),
              std::vector<std::string>{
                  platform::Utf8(u8"プリンタがないため、PDF ファイルに出力しました。\n") + pdf.string()});
    const testsupport::ToolRun info = testsupport::RunTool({"pdfinfo", pdf.string()});
    EXPECT_NE(info.output.find("Pages:           2"), std::string::npos) << info.output;
    const std::filesystem::path image = lists.Path() / "page";
    const testsupport::ToolRun render = testsupport::RunTool(
        {"pdftoppm", "-f", "2", "-l", "2", "-r", "30", "-gray", "-singlefile", pdf.string(), image.string()});
    EXPECT_EQ(render.exitCode, 0) << render.output;
    const std::string pgm = testsupport::ReadBytes(lists.Path() / "page.pgm");
    EXPECT_NE(pgm.find_first_not_of('\xff', pgm.size() / 4), std::string::npos) << "page 2 prints blank";

    EXPECT_EQ(sink.Events().back().caption, CString("WENUX"));

    EXPECT_TRUE(run.Quit());
}

} // namespace
} // namespace wenux
