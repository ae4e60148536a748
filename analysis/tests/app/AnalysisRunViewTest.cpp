// The analysis command of the view on the sample data, answered through the method dialog as a
// user would: the polygon methods add a slip line and redraw; the polynomial method without a
// ground-surface boundary point stops with its message and stores nothing.

#include "TorvanViewProgram.h"

#include "analysis/app/CAnalysisMethodDlg.h"
#include "analysis/app/CBlockView.h"
#include "analysis/app/CDrawingRunDlg.h"
#include "analysis/app/CGridDlg1.h"
#include "analysis/app/CTorvanDoc.h"
#include "analysis/app/TorvanIds.h"
#include "analysis/app/ViewSettings.h"

#include "analysis/core/CNode.h"
#include "analysis/core/CVerrant.h"
#include "common/ui/section/CTitleSettingDlg.h"
#include "platform/core/MapEntries.h"
#include "platform/ui/CFrameWnd.h"
#include "platform/ui/DialogScript.h"
#include "testsupport/Fixtures.h"

#include <QApplication>
#include <QComboBox>
#include <QWidget>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace torvan {
namespace {

class AnalysisRunViewTest : public TorvanWindowTest<testsupport::TempDirTest> {
protected:
    AnalysisRunViewTest() : ProgramViewTest(1000, 700) {}
    void ResetSettings() override {
        ProgramViewSettings() =
            DefaultViewSettings(CString(dir_.Slash())); // the title file in the test's directory
    }
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(ProgramViewTest::SetUp());
        // The solver's files are written beside the analysis file: a copy of the sample.
        ASSERT_TRUE(TorvanViewProgram::OpenSampleCopy(*document_, dir_));
        InitialUpdate();
    }
    // Runs the analysis command, choosing the method (and option) in the dialog.
    void RunChoosing(int method, int option) {
        platform::DialogScript::Queue([method, option](CDialog& dialog) {
            dialog.CheckDlgButton(CAnalysisMethodDlg::kMethodFirst + method, 1);
            dialog.RouteCommand(CAnalysisMethodDlg::kMethodFirst + method);
            if (option >= 0) {
                dialog.CheckDlgButton(
                    option == 0 ? CAnalysisMethodDlg::kOptionWeighted : CAnalysisMethodDlg::kOptionSimple, 1);
            }
            dialog.GetDlgItemWidget(IDOK)->setFocus();
            dialog.OnOK();
        });
        ASSERT_TRUE(view_->RouteCommand(ID_ANALYSIS_RUN));
        EXPECT_EQ(platform::DialogScript::Pending(), 0);
    }
};

TEST_F(AnalysisRunViewTest, EachPolygonMethodAddsASlipLineAndStoresTheChoice) {
    for (int method : {0, 1}) {
        const int before = static_cast<int>(Model().SlipLines().GetCount());
        RunChoosing(method, 1);
        EXPECT_EQ(Model().SlipLines().GetCount(), before + 1) << sink_.LastMessageUtf8();
        EXPECT_EQ(Model().Settings().m_nMethod, method);
        EXPECT_EQ(Model().Settings().m_nMethodOption, 1);
    }
}

TEST_F(AnalysisRunViewTest, CancelChangesNothing) {
    const int before = static_cast<int>(Model().SlipLines().GetCount());
    const int method = Model().Settings().m_nMethod;
    platform::DialogScript::Queue([](CDialog& dialog) { dialog.OnCancel(); });
    view_->RouteCommand(ID_ANALYSIS_RUN);
    EXPECT_EQ(Model().SlipLines().GetCount(), before);
    EXPECT_EQ(Model().Settings().m_nMethod, method);
}

// The polygon method's block lines go to the real solver; its result becomes a slip line of
// the polynomial method and no solver input is left.
TEST_F(AnalysisRunViewTest, ThePolynomialMethodRunsTheSolverOnTheBlockLines) {
    RunChoosing(0, 0);
    const int before = static_cast<int>(Model().SlipLines().GetCount());
    sink_.QueueAnswer(IDYES);
    RunChoosing(2, -1);
    // The block-line table opens over the block lines; its OK runs the solver.
    ASSERT_NE(view_->BlockLineTable(), nullptr);
    view_->BlockLineTable()->OnOK();
    EXPECT_EQ(sink_.LastMessageUtf8(), "このまま解析を続行しますか？");
    ASSERT_EQ(Model().SlipLines().GetCount(), before + 1);
    EXPECT_EQ(static_cast<const CVerrant*>(Model().SlipLines().GetTail())->method, CBlockDoc::kPolynomial);
    EXPECT_EQ(Model().Settings().m_nMethod, CBlockDoc::kPolynomial);
    for (const auto& entry : std::filesystem::directory_iterator(dir_.Path())) {
        EXPECT_NE(entry.path().extension(), ".qel") << entry.path();
    }
}

TEST_F(AnalysisRunViewTest, ThePolynomialMethodNeedsAGroundSurfaceBoundaryPoint) {
    // Only inner boundary points remain.
    std::vector<WORD> groundSurface;
    for (auto [key, point] : platform::MapEntries<const CNode>(Model().BoundaryPoints())) {
        if (point->kind != section::PointKind::kInnerBoundary) {
            groundSurface.push_back(key);
        }
    }
    ASSERT_FALSE(groundSurface.empty());
    for (WORD key : groundSurface) {
        delete Model().BoundaryPoints()[key];
        Model().BoundaryPoints().RemoveKey(key);
    }
    Model().Settings().m_nMethod = 0;
    const int before = static_cast<int>(Model().SlipLines().GetCount());
    RunChoosing(2, -1);
    EXPECT_EQ(sink_.LastMessageUtf8(), "多項式法では地表点が必須です");
    EXPECT_EQ(Model().Settings().m_nMethod, 0);
    EXPECT_EQ(Model().SlipLines().GetCount(), before);
}

// The run button writes both plot files beside the analysis file and starts the drawing
// viewer, which is not beside the tests: the launcher's message names it.
TEST_F(AnalysisRunViewTest, TheDrawingRunWritesThePlotFilesAndStartsTheViewer) {
    platform::DialogScript::Queue([](CDialog& dialog) {
        dialog.SetDlgItemText(CDrawingRunDlg::kTitle1, CString("FIRST"));
        dialog.RouteCommand(CDrawingRunDlg::kRunButton);
    });
    ASSERT_TRUE(view_->RouteCommand(ID_DRAWING_RUN));
    EXPECT_TRUE(std::filesystem::exists(Path("sample.p00")));
    EXPECT_NE(dir_.Read("sample.p01").find("PFIRST"), std::string::npos);
    EXPECT_NE(sink_.LastMessageUtf8().find("zapho\n実行ﾌｧｲﾙが見つかりません !!"), std::string::npos)
        << sink_.LastMessageUtf8();
    EXPECT_EQ(std::string(ProgramViewSettings().plot.title1.GetString()), "FIRST");
}

// A4 at 1/500 puts the section partly off the sheet: No to the question goes back to the
// dialog with the values chosen, and another scale then draws.
TEST_F(AnalysisRunViewTest, NoToTheOffSheetQuestionReturnsToTheDrawingRunDialog) {
    platform::DialogScript::Queue([](CDialog& dialog) {
        qobject_cast<QComboBox*>(dialog.GetDlgItemWidget(CDrawingRunDlg::kPaper))->setCurrentIndex(6);
        dialog.SetDlgItemText(CDrawingRunDlg::kModelScale, CString("500"));
        dialog.RouteCommand(CDrawingRunDlg::kRunButton);
    });
    CString shownScale;
    platform::DialogScript::Queue([&shownScale](CDialog& dialog) {
        dialog.GetDlgItemText(CDrawingRunDlg::kModelScale, shownScale);
        dialog.SetDlgItemText(CDrawingRunDlg::kModelScale, CString("1000"));
        dialog.RouteCommand(CDrawingRunDlg::kRunButton);
    });
    sink_.QueueAnswer(IDNO);
    ASSERT_TRUE(view_->RouteCommand(ID_DRAWING_RUN));
    EXPECT_EQ(platform::DialogScript::Pending(), 0);
    EXPECT_EQ(std::stod(shownScale.GetString()), 500.0);
    EXPECT_TRUE(std::filesystem::exists(Path("sample.p00"))) << sink_.LastMessageUtf8();
}

// A title file named with another extension than ".idx" is refused with a message; the
// settings keep their file.
TEST_F(AnalysisRunViewTest, ATitleFileOfAnotherExtensionIsRefusedWithAMessage) {
    const CString before = ProgramViewSettings().titleFile;
    platform::DialogScript::Queue([this](CDialog& dialog) {
        dialog.SetDlgItemText(CTitleSettingDlg::kPath, Path("title.idxa").c_str());
        dialog.OnOK();
        dialog.OnCancel();
    });
    ASSERT_TRUE(view_->RouteCommand(ID_TITLE_REGISTER));
    EXPECT_EQ(sink_.LastMessageUtf8(), platform::Utf8(u8"ﾌｧｲﾙ拡張子が間違っています !!!"));
    EXPECT_EQ(ProgramViewSettings().titleFile, before);
}

TEST_F(AnalysisRunViewTest, TheDrawingRunRefusesAScaleThatIsNotPositive) {
    platform::DialogScript::Queue([](CDialog& dialog) {
        dialog.SetDlgItemText(CDrawingRunDlg::kModelScale, CString("0"));
        dialog.RouteCommand(CDrawingRunDlg::kRunButton);
        dialog.OnCancel();
    });
    view_->RouteCommand(ID_DRAWING_RUN);
    EXPECT_EQ(sink_.LastMessageUtf8(), "ﾓﾃﾞﾙ縮尺入力 ｴﾗｰ !!");
    EXPECT_FALSE(std::filesystem::exists(Path("sample.p00")));
}

} // namespace
} // namespace torvan
