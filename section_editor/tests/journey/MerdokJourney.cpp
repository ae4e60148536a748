// MERDOK as a user meets it: a new section model drawn with the continuous-line tool (clicks
// and typed coordinates) and a measurement point, a ground-line value changed in its table with
// the keyboard alone and confirmed with a click, a drawing of a CAD package's data files added
// from the DXF dialog, the model saved through the save dialog, closed, and opened again
// through 開く; the file read back by a second reader as CP932 text.
#include "section_editor/app/CBlockView.h"
#include "section_editor/app/CDxfFileDlg.h"
#include "section_editor/app/CMainFrame.h"
#include "section_editor/app/CMerdokApp.h"
#include "section_editor/app/CMerdokDoc.h"

#include "common/ui/section/CCoordInputDlg.h"
#include "common/ui/table/CGridCellEdit.h"
#include "common/ui/table/CGridDlg.h"
#include "platform/core/RecordingSink.h"
#include "platform/ui/DialogScript.h"
#include "section_editor/core/CBlockDoc.h"
#include "testsupport/TempDir.h"
#include "testsupport/ui/Journey.h"
#include "testsupport/ui/ProgramRun.h"

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QWidget>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

namespace merdok {
namespace {

using testsupport::ChooseMenu;
using testsupport::ClickModelPoint;

// A drawing of a CAD package's data files: one open polyline ending at (30, 0).
const char kThirdPartyDrawing[] = "/usr/share/librecad/library/algoritm/alg32.dxf";

// Tab on the drawing opens the coordinate entry, answered with X and Y.
void TypePoint(CBlockView& view, const char* x, const char* y) {
    platform::DialogScript::Queue([x, y](CDialog& dialog) {
        dialog.SetDlgItemText(CCoordInputDlg::kX, x);
        dialog.SetDlgItemText(CCoordInputDlg::kY, y);
        testsupport::PressOk(dialog);
    });
    QTest::keyClick(view.GetCanvasWidget(), Qt::Key_Tab);
}

// The ground-line table: row 2's Y becomes y, then Ctrl+Tab to OK and Enter, keys only.
platform::DialogScript::Answer ChangeSecondRowY(const char* y, bool& changed) {
    return [y, &changed](CDialog& dialog) {
        auto& table = dynamic_cast<CGridDlg&>(dialog);
        QWidget* edit = table.CellEdit();
        QTest::keyClick(edit, Qt::Key_Down);
        QTest::keyClick(edit, Qt::Key_Tab);
        QTest::keyClick(edit, Qt::Key_Tab);
        QTest::keyClicks(edit, y);
        QTest::keyClick(edit, Qt::Key_Tab, Qt::ControlModifier);
        QWidget* ok = table.GetDlgItemWidget(IDOK);
        changed = table.Dialog()->focusWidget() == ok;
        QTest::keyClick(ok, Qt::Key_Return);
    };
}

// The DXF dialog: the drawing added to what is there (the clear box unticked), at scale 1.
platform::DialogScript::Answer AddDrawing(const std::string& path) {
    return [path](CDialog& dialog) {
        dialog.SetDlgItemText(CDxfFileDlg::kFileEdit, CString(path.c_str()));
        dialog.SetDlgItemText(CDxfFileDlg::kFactorXEdit, "1");
        dialog.SetDlgItemText(CDxfFileDlg::kFactorYEdit, "1");
        dialog.SetDlgItemText(CDxfFileDlg::kDistanceEdit, "0.01");
        dialog.CheckDlgButton(CDxfFileDlg::kClearCheck, 0);
        testsupport::PressOk(dialog);
    };
}

CMerdokDoc* ActiveDocument(CFrameWnd& frame) {
    CBlockView* view = dynamic_cast<CMainFrame&>(frame).ActiveBlockView();
    return view ? view->GetDocument() : nullptr;
}

// Clicked points lie within a pixel of where the click was meant.
bool HasPointAt(const RecordMap<CNode>& points, double x, double y) {
    for (const auto& [key, point] : points) {
        if (std::abs(point->GetX() - x) < 0.5 && std::abs(point->GetY() - y) < 1e-6) {
            return true;
        }
    }
    return false;
}

TEST(Journey, MerdokDrawsEditsImportsSavesAndOpensAModelAgain) {
    testsupport::RequireTool("iconv", "libc-bin");
    if (!std::filesystem::exists(kThirdPartyDrawing)) {
        std::printf(
            "failed: %s is missing (Debian package librecad-data; scripts/install-deps.sh installs it)\n",
            kThirdPartyDrawing);
        std::exit(1);
    }
    testsupport::TempDir runtime;
    ::setenv("XDG_RUNTIME_DIR", runtime.Path().c_str(), 1);
    testsupport::TempDir program;
    testsupport::TempDir models;
    const std::string saved = (models.Path() / "journey.sec").string();
    platform::RecordingSink sink;
    CMerdokApp app;
    app.SetProgramDirectory(CString(program.Path().string()), "MERDOK");
    testsupport::ProgramRun run(app);
    ASSERT_TRUE(run.Start());
    CFrameWnd& frame = *run.MainFrame();

    ASSERT_TRUE(ChooseMenu(frame, {u8"ﾌｧｲﾙ", u8"新規作成"}));
    CBlockView* view = dynamic_cast<CMainFrame&>(frame).ActiveBlockView();
    ASSERT_NE(view, nullptr);
    CBlockDoc& model = view->GetDocument()->Model();

    // The ground line: a typed first point where the drawing will end, a click, a typed last point.
    ASSERT_TRUE(ChooseMenu(frame, {u8"描画", u8"連続線"}));
    TypePoint(*view, "30", "0");
    ClickModelPoint(*view, 60.0, 10.0);
    TypePoint(*view, "100", "5");
    ClickModelPoint(*view, 100.0, 5.0, Qt::RightButton);
    ASSERT_EQ(model.m_mapNode.GetCount(), 3) << sink.LastMessageUtf8();
    ASSERT_EQ(model.m_LineList.GetCount(), 2);
    ASSERT_TRUE(ChooseMenu(frame, {u8"描画", u8"計測点"}));
    ClickModelPoint(*view, 50.0, 30.0);
    ASSERT_EQ(model.m_mapSite.GetCount(), 1);

    // The table's change waits for the confirming click.
    bool keyboardReachedOk = false;
    ASSERT_TRUE(
        ChooseMenu(frame, {u8"編集", u8"地表線座標入力..."}, ChangeSecondRowY("12", keyboardReachedOk)));
    EXPECT_TRUE(keyboardReachedOk);
    ASSERT_NE(view->ModalFigure(), nullptr);
    EXPECT_FALSE(HasPointAt(model.m_mapNode, 60.0, 12.0));
    ClickModelPoint(*view, 80.0, 50.0);
    EXPECT_EQ(view->ModalFigure(), nullptr);
    EXPECT_TRUE(HasPointAt(model.m_mapNode, 60.0, 12.0));

    sink.QueueAnswer(IDYES);
    ASSERT_TRUE(ChooseMenu(frame, {u8"ﾌｧｲﾙ", u8"DXFﾌｧｲﾙ読み込み..."}, AddDrawing(kThirdPartyDrawing)));
    EXPECT_TRUE(HasPointAt(model.m_mapNode, 17.5, -3.0));
    EXPECT_EQ(model.m_mapNode.GetCount(), 6) << "the drawing's end is the typed first point";
    const int groundPoints = model.m_mapNode.GetCount();
    const int lines = model.m_LineList.GetCount();

    ASSERT_TRUE(ChooseMenu(frame, {u8"ﾌｧｲﾙ", u8"名前を付けて保存..."}, testsupport::FileDialogAnswer(saved)));
    ASSERT_TRUE(std::filesystem::exists(saved)) << sink.LastMessageUtf8();
    EXPECT_FALSE(model.IsModified());
    ASSERT_TRUE(ChooseMenu(frame, {u8"ﾌｧｲﾙ", u8"閉じる"}));
    testsupport::Settle();
    EXPECT_EQ(ActiveDocument(frame), nullptr);

    const testsupport::ToolRun text = testsupport::ReadCp932(saved);
    EXPECT_EQ(text.exitCode, 0) << text.output;
    EXPECT_NE(text.output.find("MERDOK001"), std::string::npos) << text.output;
    EXPECT_NE(text.output.find("    17.500    -3.000"), std::string::npos) << text.output;

    ASSERT_TRUE(ChooseMenu(frame, {u8"ﾌｧｲﾙ", u8"開く..."}, testsupport::FileDialogAnswer(saved)));
    CMerdokDoc* reopened = ActiveDocument(frame);
    ASSERT_NE(reopened, nullptr) << sink.LastMessageUtf8();
    EXPECT_EQ(reopened->GetPathName(), CString(saved.c_str()));
    EXPECT_EQ(reopened->Model().m_mapNode.GetCount(), groundPoints);
    EXPECT_EQ(reopened->Model().m_LineList.GetCount(), lines);
    EXPECT_EQ(reopened->Model().m_mapSite.GetCount(), 1);
    EXPECT_TRUE(HasPointAt(reopened->Model().m_mapNode, 60.0, 12.0)) << text.output;

    EXPECT_EQ(sink.MessagesUtf8(),
              std::vector<std::string>{platform::Utf8(u8"編集ﾃﾞｰﾀはそのままで、DXFﾃﾞｰﾀを追加します。\n"
                                                      u8"開始してもよろしいですか？")});
    EXPECT_TRUE(run.Quit());
}

} // namespace
} // namespace merdok
