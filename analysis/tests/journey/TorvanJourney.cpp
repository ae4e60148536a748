// TORVAN as an engineer's day meets it, through its menus and dialogs: the sample opened through
// 開く and the file dialog, boundary points added with the mouse and by Tab, a measurement point
// moved in its table, each analysis
// method run (the polynomial one on a block line clicked in its table), the drawing run, a print
// to PDF (read back by pdfinfo), the DXF output (audited by ezdxf), Save As into a
// Japanese-named folder elsewhere, the document closed and opened again from the recent files
// with the same section, measurements and slip lines.
#include "FakeBaseMenu.h"

#include "analysis/app/CAnalysisMethodDlg.h"
#include "analysis/app/CBlockView.h"
#include "analysis/app/CDrawingRunDlg.h"
#include "analysis/app/CGridDlg1.h"
#include "analysis/app/CMainFrame.h"
#include "analysis/app/CTorvanApp.h"
#include "analysis/app/CTorvanDoc.h"

#include "analysis/core/CBlockDoc.h"
#include "analysis/core/CDispData.h"
#include "analysis/core/CNode.h"
#include "analysis/core/CVerrant.h"
#include "common/process/CNamedMutex.h"
#include "common/ui/dialogs/COutputFileDlg.h"
#include "common/ui/section/CCoordInputDlg.h"
#include "platform/core/CodePage.h"
#include "platform/core/MapEntries.h"
#include "platform/core/RecordingSink.h"
#include "platform/ui/DialogScript.h"
#include "testsupport/DxfAudit.h"
#include "testsupport/TempDir.h"
#include "testsupport/ui/Journey.h"
#include "testsupport/ui/ProgramRun.h"

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>

using section::PointKind;

namespace torvan {
namespace {

namespace fs = std::filesystem;
using testsupport::ChooseMenu;
using testsupport::PressOk;

// The analysis command's method dialog answered with a method (and the weighted average).
platform::DialogScript::Answer MethodAnswer(int method) {
    return [method](CDialog& dialog) {
        dialog.CheckDlgButton(CAnalysisMethodDlg::kMethodFirst + method, 1);
        dialog.RouteCommand(CAnalysisMethodDlg::kMethodFirst + method);
        if (method != CBlockDoc::kPolynomial) {
            dialog.CheckDlgButton(CAnalysisMethodDlg::kOptionWeighted, 1);
        }
        PressOk(dialog);
    };
}

int InnerBoundaryPoints(const CBlockDoc& model) {
    int count = 0;
    for (auto [key, point] : platform::MapEntries<const CNode>(model.BoundaryPoints())) {
        count += point->kind == PointKind::kInnerBoundary && point->inUse ? 1 : 0;
    }
    return count;
}

TEST(Journey, TorvanOpensAnalysesDrawsPrintsExportsSavesElsewhereAndReopens) {
    testsupport::RequireTool("pdfinfo", "poppler-utils");
    if (!testsupport::EzdxfAvailable()) {
        std::printf(
            "failed: ezdxf is missing (Debian package python3-ezdxf; scripts/install-deps.sh installs it)\n");
        std::exit(1);
    }
    testsupport::TempDir runtime;
    ::setenv("XDG_RUNTIME_DIR", runtime.Path().c_str(), 1);
    testsupport::TempDir program;
    ::setenv("XDG_CONFIG_HOME", program.Path().c_str(), 1);
    testsupport::TempDir work;
    testsupport::TempDir exports;
    for (const char* name : {"sample.sec", "sample.dis", "sample.slo"}) {
        fs::copy_file(fs::path(VERRANT_SOURCE_DIR) / "data" / name, work.Path() / name);
    }
    const fs::path elsewhere = exports.Path() / fs::path(u8"解析結果") / fs::path(u8"斜面 A");
    fs::create_directories(elsewhere);
    const std::string saved = (elsewhere / "sample.slo").string();

    process_test::FakeBaseMenu baseMenu;
    ASSERT_TRUE(baseMenu.Start());
    CNamedMutex baseMenuMutex;
    ASSERT_EQ(baseMenuMutex.Create("Verrant BASNEV 01"), CNamedMutex::CreateResult::Created);
    platform::RecordingSink sink;
    CTorvanApp app;
    app.SetProgramDirectory(CString(platform::Utf8ToCp932(program.Slash()).c_str()), "torvan");
    testsupport::ProgramRun run(app);
    ASSERT_TRUE(run.Start());
    auto& frame = dynamic_cast<CMainFrame&>(*run.MainFrame());

    ASSERT_TRUE(ChooseMenu(frame, {u8"ﾌｧｲﾙ", u8"開く..."},
                           testsupport::FileDialogAnswer((work.Path() / "sample.slo").string())));
    CBlockView* view = frame.ActiveBlockView();
    ASSERT_NE(view, nullptr) << sink.LastMessageUtf8();
    CBlockDoc& model = view->GetDocument()->Model();
    ASSERT_EQ(model.GroundPoints().GetCount(), 45);

    // An inner boundary point clicked below the ground, another typed by Tab; each takes its
    // point dialog as offered.
    ASSERT_TRUE(ChooseMenu(frame, {u8"描画", u8"地中境界点"}));
    platform::DialogScript::Queue(PressOk);
    testsupport::ClickModelPoint(*view, 80.0, 50.0);
    EXPECT_EQ(InnerBoundaryPoints(model), 1) << sink.LastMessageUtf8();
    platform::DialogScript::Queue([](CDialog& dialog) {
        dialog.SetDlgItemText(CCoordInputDlg::kX, "100");
        dialog.SetDlgItemText(CCoordInputDlg::kY, "45");
        PressOk(dialog);
    });
    platform::DialogScript::Queue(PressOk);
    QTest::keyClick(view->GetCanvasWidget(), Qt::Key_Tab);
    QApplication::processEvents();
    EXPECT_GE(model.BoundaryPoints().GetCount(), 3) << sink.LastMessageUtf8();

    // Measurement point 3 typed elsewhere in its table and confirmed by a click: its
    // displacement record goes with it, so that the runs below analyse it where it now is.
    ASSERT_TRUE(ChooseMenu(frame, {u8"編集", u8"計測点座標入力..."}, [](CDialog& dialog) {
        auto& points = dynamic_cast<CGridDlg&>(dialog);
        points.RowAt(3)->RealCell(0) = 61.5;
        points.RowAt(3)->RealCell(1) = 75.5;
        PressOk(points);
    }));
    testsupport::ClickModelPoint(*view, 80.0, 50.0);
    CObject* site = nullptr;
    CObject* record = nullptr;
    ASSERT_TRUE(model.MeasurementPoints().Lookup(2, site) && model.Displacements().Lookup(2, record));
    EXPECT_DOUBLE_EQ(static_cast<CNode*>(site)->x, 61.5) << sink.LastMessageUtf8();
    const std::vector<DPoint> vector = static_cast<CDispData*>(record)->VectorPolyline(0, 1.0);
    ASSERT_FALSE(vector.empty());
    EXPECT_EQ(vector.front(), (DPoint{61.5, 75.5}));

    // The polynomial method on block lines clicked while its table is open (one between each
    // pair of measured blocks), then the two polygon methods.
    ASSERT_TRUE(ChooseMenu(frame, {u8"ﾌｧｲﾙ", u8"解析実行..."}, MethodAnswer(CBlockDoc::kPolynomial)));
    CGridDlg1* table = view->BlockLineTable();
    ASSERT_NE(table, nullptr) << sink.LastMessageUtf8();
    for (double x : {66.0, 90.0, 114.0}) {
        testsupport::ClickModelPoint(*view, x, 40.0);
    }
    EXPECT_EQ(model.BlockLineMap().size(), 3u) << sink.LastMessageUtf8();
    sink.QueueAnswer(IDYES);
    PressOk(*table);
    testsupport::Settle();
    ASSERT_EQ(model.SlipLines().GetCount(), 1) << sink.LastMessageUtf8();
    EXPECT_EQ(static_cast<const CVerrant*>(model.SlipLines().GetTail())->method, CBlockDoc::kPolynomial);
    for (int method : {CBlockDoc::kParallel, CBlockDoc::kRotation}) {
        const int before = model.SlipLines().GetCount();
        ASSERT_TRUE(ChooseMenu(frame, {u8"ﾌｧｲﾙ", u8"解析実行..."}, MethodAnswer(method)));
        EXPECT_EQ(model.SlipLines().GetCount(), before + 1) << sink.LastMessageUtf8();
    }
    const int slipLines = model.SlipLines().GetCount();

    // The drawing run writes the plot files beside the analysis file (the viewer is not beside
    // the test: the launcher says so).
    ASSERT_TRUE(ChooseMenu(frame, {u8"ﾌｧｲﾙ", u8"作図実行..."},
                           [](CDialog& dialog) { dialog.RouteCommand(CDrawingRunDlg::kRunButton); }));
    EXPECT_TRUE(fs::exists(work.Path() / "sample.p00")) << sink.LastMessageUtf8();
    EXPECT_TRUE(fs::exists(work.Path() / "sample.p01"));

    // No printer: the page goes to a PDF beside the analysis file.
    sink.QueueAnswer(IDYES);
    ASSERT_TRUE(ChooseMenu(frame, {u8"ﾌｧｲﾙ", u8"印刷..."}));
    const fs::path pdf = work.Path() / "sample.slo.pdf";
    ASSERT_TRUE(fs::exists(pdf)) << sink.LastMessageUtf8();
    EXPECT_EQ(testsupport::PdfPageCount(pdf.string()), 1);

    const std::string dxf = (exports.Path() / "section.dxf").string();
    ASSERT_TRUE(ChooseMenu(frame, {u8"ﾌｧｲﾙ", u8"DXFﾌｧｲﾙ出力..."}, [&dxf](CDialog& dialog) {
        dialog.SetDlgItemText(COutputFileDlg::kPathEdit, CString(platform::Utf8ToCp932(dxf).c_str()));
        PressOk(dialog);
    }));
    ASSERT_TRUE(fs::exists(dxf)) << sink.LastMessageUtf8();
    EXPECT_EQ(testsupport::EzdxfAuditProblems(exports.Path().string()), "");

    ASSERT_TRUE(ChooseMenu(frame, {u8"ﾌｧｲﾙ", u8"名前を付けて保存..."}, testsupport::FileDialogAnswer(saved)));
    ASSERT_TRUE(fs::exists(fs::u8path(saved))) << sink.LastMessageUtf8();
    const int groundPoints = model.GroundPoints().GetCount();
    const int sites = model.MeasurementPoints().GetCount();
    const int records = model.Displacements().GetCount();
    const int bounds = model.BoundaryPoints().GetCount();
    ASSERT_TRUE(ChooseMenu(frame, {u8"ﾌｧｲﾙ", u8"閉じる"}));
    testsupport::Settle();
    EXPECT_EQ(frame.ActiveBlockView(), nullptr);

    const std::string recent = "1 " + saved;
    ASSERT_TRUE(ChooseMenu(frame, {platform::Utf8(u8"ﾌｧｲﾙ").c_str(), recent.c_str()}));
    CBlockView* again = frame.ActiveBlockView();
    ASSERT_NE(again, nullptr) << sink.LastMessageUtf8();
    const CBlockDoc& reopened = again->GetDocument()->Model();
    EXPECT_EQ(reopened.GroundPoints().GetCount(), groundPoints);
    EXPECT_EQ(reopened.MeasurementPoints().GetCount(), sites);
    EXPECT_EQ(reopened.Displacements().GetCount(), records);
    EXPECT_EQ(reopened.BoundaryPoints().GetCount(), bounds);
    EXPECT_EQ(reopened.SlipLines().GetCount(), slipLines);
    EXPECT_FALSE(reopened.IsModified());
    EXPECT_TRUE(run.Quit());
}

} // namespace
} // namespace torvan
