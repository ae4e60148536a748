// The section editor's view offscreen: the sample drawn (pixels at its marks), the tools
// driven by mouse sequences (the model gets the right points and lines, the canvas keeps no
// band), the Shift rule, closing with Ctrl, the zoom window, deletion, the close question after
// a table edit or a point dialog, and the click that only activates the window.

#include "MerdokViewProgram.h"

#include "section_editor/app/CBlockView.h"
#include "section_editor/app/CMerdokDoc.h"
#include "section_editor/app/CPointEditDlg.h"
#include "section_editor/app/MerdokIds.h"
#include "section_editor/app/MerdokMenu.h"

#include "common/ui/section/CMoveDlg.h"
#include "common/ui/section/GuideTexts.h"
#include "common/ui/section/SectionCommands.h"
#include "common/ui/table/CGridDlg.h"
#include "platform/core/CodePage.h"
#include "platform/core/Unset.h"
#include "platform/ui/CClientDC.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/CFrameWnd.h"
#include "platform/ui/DialogScript.h"
#include "section_editor/core/CBlockDoc.h"
#include "testsupport/Fixtures.h"
#include "testsupport/TempDir.h"

#include <QApplication>
#include <QCursor>
#include <QTest>
#include <QWidget>
#include <cmath>
#include <gtest/gtest.h>

namespace merdok {
namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

class MerdokViewTest : public MerdokWindowTest<testsupport::RecordingSinkTest> {
protected:
    void Show() {
        view_->OnInitialUpdate();
        QApplication::processEvents();
        view_->Invalidate();
        view_->UpdateWindow();
    }
    CPoint Device(double x, double y) {
        CPoint p = view_->WorldToLogical(x, y);
        CClientDC dc(view_);
        view_->OnPrepareDC(&dc);
        dc.LPtoDP(&p);
        return p;
    }
    COLORREF Pixel(double x, double y, int dx = 0, int dy = 0) {
        const CPoint p = view_->WorldToLogical(x, y);
        CClientDC dc(view_);
        view_->OnPrepareDC(&dc);
        return dc.GetPixel(p.x + dx, p.y + dy);
    }
    // A click as the mouse makes it: the pointer arrives, the button goes down and up.
    void Click(double x, double y, UINT flags = 0) {
        view_->UpdateWindow();
        view_->OnMouseMove(flags, Device(x, y));
        view_->OnLButtonDown(flags, Device(x, y));
        view_->OnLButtonUp(flags, Device(x, y));
    }
};

TEST_F(MerdokViewTest, TheSampleIsDrawnAtItsPoints) {
    ASSERT_TRUE(document_->OnOpenDocument(VERRANT_SOURCE_DIR "/data/sample.sec"));
    Show();
    ASSERT_GT(Model().m_mapNode.GetCount(), 2);
    for (int key : {0, Model().m_mapNode.MaxKey()}) {
        const CNode* point = Model().m_mapNode.Lookup(key);
        EXPECT_EQ(Pixel(point->GetX(), point->GetY()), kBlack) << "ground point " << key + 1;
    }
    // Halfway along the first ground line, the line itself.
    const CLine* line = Model().m_LineList.Lookup(0);
    ASSERT_NE(line, nullptr);
    const DPoint a = Model().NodeXY(line->GetNode1());
    const DPoint b = Model().NodeXY(line->GetNode2());
    bool onLine = false;
    for (int d = -1; d <= 1; ++d) {
        onLine = onLine || Pixel((a.x + b.x) / 2, (a.y + b.y) / 2, 0, d) == kBlack;
    }
    EXPECT_TRUE(onLine);
    // Well above the ground: nothing.
    EXPECT_EQ(Pixel(a.x, a.y + 0.2 * (view_->DrawRange().ymax - view_->DrawRange().ymin), 0, -40), kWhite);
}

TEST_F(MerdokViewTest, ALineToolMakesTwoPointsAndTheirLine) {
    Show();
    Command(ID_DRAW_GROUND_LINE);
    Click(20.0, 50.0);
    Click(120.0, 40.0);
    ASSERT_EQ(Model().m_mapNode.GetCount(), 2);
    ASSERT_EQ(Model().m_LineList.GetCount(), 1);
    const CLine* line = Model().m_LineList.begin()->second.get();
    const DPoint first = Model().NodeXY(line->GetNode1());
    const DPoint second = Model().NodeXY(line->GetNode2());
    EXPECT_NEAR(first.x, 20.0, 0.5);
    EXPECT_NEAR(first.y, 50.0, 0.5);
    EXPECT_NEAR(second.x, 120.0, 0.5);
    EXPECT_NEAR(second.y, 40.0, 0.5);
    EXPECT_EQ(line->GetState(), CLine::kNormal);
    EXPECT_TRUE(Model().IsModified());
    // A continuous line from the second end on, closed by a right click, joins the first.
    Command(ID_DRAW_CONTINUOUS_LINE);
    Click(second.x, second.y);
    Click(160.0, 30.0);
    Click(190.0, 30.0);
    view_->OnRButtonUp(0, Device(190.0, 30.0));
    EXPECT_EQ(Model().m_mapNode.GetCount(), 4);
    EXPECT_EQ(Model().m_LineList.GetCount(), 3);
}

TEST_F(MerdokViewTest, PointToolsMakePointsOfTheirKind) {
    Show();
    const struct {
        UINT command;
        const RecordMap<CNode>* map;
    } tools[] = {{ID_DRAW_GROUND_POINT, &Model().m_mapNode},
                 {ID_DRAW_MEASURE_POINT, &Model().m_mapSite},
                 {ID_DRAW_UNDER_BOUND_POINT, &Model().m_mapBound}};
    double x = 30.0;
    for (const auto& tool : tools) {
        Command(tool.command);
        Click(x, 40.0);
        ASSERT_EQ(tool.map->GetCount(), 1) << tool.command;
        EXPECT_NEAR(tool.map->begin()->second->GetX(), x, 0.5);
        x += 40.0;
    }
}

TEST_F(MerdokViewTest, TheClickThatActivatesTheWindowDrawsNothing) {
    Show();
    // A new window's canvas has the focus, so that its first click is no activating one.
    EXPECT_EQ(QApplication::focusWidget(), view_->GetCanvasWidget());
    Command(ID_DRAW_GROUND_POINT);
    // The focus arrives with the press that brings the window forward: that click is lost.
    view_->OnSetFocus(nullptr);
    view_->OnLButtonDown(0, Device(30.0, 50.0));
    view_->OnLButtonUp(0, Device(30.0, 50.0));
    EXPECT_EQ(Model().m_mapNode.GetCount(), 0);
    EXPECT_EQ(view_->ActiveFigure(), nullptr);
    Click(30.0, 50.0);
    EXPECT_EQ(Model().m_mapNode.GetCount(), 1);
    // The pointer moved in after the focus came (a dialog closed): the click is the user's.
    view_->OnSetFocus(nullptr);
    Click(50.0, 50.0);
    EXPECT_EQ(Model().m_mapNode.GetCount(), 2);
}

TEST_F(MerdokViewTest, DeletingTheSelectionAsksFirstAndMarksTheDocumentModified) {
    Show();
    Command(ID_DRAW_GROUND_LINE);
    Click(20.0, 50.0);
    Click(120.0, 40.0);
    Model().SetModifiedFlag(false);
    Command(ID_EDIT_SELECT);
    Click(120.0, 40.0);
    // The point clicked, and with it its line.
    ASSERT_EQ(view_->Selection().GetCount(), 2);
    EXPECT_EQ(view_->m_nSelPoints, 1);
    sink_.Clear();
    sink_.QueueAnswer(IDNO);
    Command(ID_EDIT_DELETE);
    ASSERT_EQ(sink_.MessageCount(), 1);
    EXPECT_EQ(sink_.LastMessageUtf8(), platform::Utf8(u8"削除してもよろしいですか？"));
    // No keeps every point and line.
    EXPECT_EQ(Model().m_mapNode.GetCount(), 2);
    EXPECT_EQ(Model().m_LineList.GetCount(), 1);
    EXPECT_FALSE(Model().IsModified());
    sink_.QueueAnswer(IDYES);
    Command(ID_EDIT_DELETE);
    EXPECT_EQ(Model().m_mapNode.GetCount(), 1);
    // The line lost its end and goes with it.
    EXPECT_EQ(Model().m_LineList.GetCount(), 0);
    EXPECT_EQ(sink_.MessageCount(), 2);
    EXPECT_TRUE(Model().IsModified());
    EXPECT_TRUE(view_->Selection().IsEmpty());
}

// The tools on the view base's mouse layer: what mouse sequences leave in the model and on the
// canvas.
class MerdokMouseTest : public MerdokViewTest {
protected:
    void SetUp() override {
        MerdokViewTest::SetUp();
        Show();
    }
    void TearDown() override {
        platform::DialogScript::Clear();
        MerdokViewTest::TearDown();
    }
    void Move(double x, double y, UINT flags = 0) { view_->OnMouseMove(flags, Device(x, y)); }
    QImage Canvas() {
        view_->UpdateWindow();
        return view_->Canvas().copy();
    }
    void Repaint() {
        view_->Invalidate();
        view_->UpdateWindow();
    }
    // The ends of the line of the given key.
    std::pair<DPoint, DPoint> LineEnds(int key) {
        const CLine* line = Model().m_LineList.Lookup(key);
        EXPECT_NE(line, nullptr);
        return line ? std::pair{Model().NodeXY(line->GetNode1()), Model().NodeXY(line->GetNode2())}
                    : std::pair<DPoint, DPoint>{};
    }
};

TEST_F(MerdokMouseTest, ShiftRulesALineAndCtrlClosesAContinuousLine) {
    Command(ID_DRAW_GROUND_LINE);
    Click(20.0, 80.0);
    // A steep drag with Shift held becomes vertical: the end takes the start's x exactly.
    Move(25.0, 20.0, MK_SHIFT);
    Click(25.0, 20.0, MK_SHIFT);
    ASSERT_EQ(Model().m_LineList.GetCount(), 1);
    const auto [top, bottom] = LineEnds(Model().m_LineList.begin()->first);
    EXPECT_DOUBLE_EQ(bottom.x, top.x);
    EXPECT_NEAR(bottom.y, 20.0, 0.5);
    // Three vertices, then Ctrl: the line closes on its first vertex.
    Command(ID_DRAW_CONTINUOUS_LINE);
    Click(100.0, 20.0);
    Click(160.0, 20.0);
    Click(130.0, 70.0);
    Click(150.0, 90.0, MK_CONTROL);
    EXPECT_EQ(view_->ActiveFigure(), nullptr);
    EXPECT_EQ(Model().m_mapNode.GetCount(), 5);
    EXPECT_EQ(Model().m_LineList.GetCount(), 4);
    int endsAtFirst = 0;
    for (const auto& [key, line] : Model().m_LineList) {
        for (const DPoint& end : {Model().NodeXY(line->GetNode1()), Model().NodeXY(line->GetNode2())}) {
            endsAtFirst += std::abs(end.x - 100.0) < 0.5 && std::abs(end.y - 20.0) < 0.5 ? 1 : 0;
        }
    }
    EXPECT_EQ(endsAtFirst, 2);
}

TEST_F(MerdokMouseTest, TheRightButtonZoomsToItsWindowAndDrawsNothing) {
    const double scale = view_->Plane().ScaleX();
    Command(ID_DRAW_GROUND_POINT);
    view_->OnRButtonDown(0, Device(40.0, 60.0));
    Move(60.0, 40.0);
    // A release on the first corner leaves the window open.
    view_->OnRButtonUp(0, Device(40.0, 60.0));
    EXPECT_DOUBLE_EQ(view_->Plane().ScaleX(), scale);
    view_->OnRButtonUp(0, Device(60.0, 40.0));
    EXPECT_GT(view_->Plane().ScaleX(), 4 * scale);
    EXPECT_EQ(Model().m_mapNode.GetCount(), 0);
}

TEST_F(MerdokMouseTest, AToolEndedLeavesNoBandAndTheCursorShowsDrawnItems) {
    Command(ID_DRAW_GROUND_LINE);
    Click(20.0, 50.0);
    Click(120.0, 40.0);
    const QImage drawn = Canvas();
    // Over the drawn point the on-item cursor, beside it the cross.
    Move(120.0, 40.0);
    EXPECT_EQ(view_->GetCanvasWidget()->cursor().shape(), Qt::PointingHandCursor);
    Move(70.0, 80.0);
    EXPECT_EQ(view_->GetCanvasWidget()->cursor().shape(), Qt::CrossCursor);
    // A band across the line, the window repainted under it once, then the right button ends
    // the tool without a second point.
    Click(30.0, 80.0);
    Move(60.0, 30.0);
    Repaint();
    Move(90.0, 20.0);
    EXPECT_NE(Canvas(), drawn);
    view_->OnRButtonUp(0, Device(90.0, 20.0));
    EXPECT_EQ(view_->ActiveFigure(), nullptr);
    EXPECT_EQ(Model().m_LineList.GetCount(), 1);
    EXPECT_EQ(Canvas(), drawn);
    // A continuous line taken back vertex by vertex leaves the canvas as it was.
    Command(ID_DRAW_CONTINUOUS_LINE);
    Click(30.0, 80.0);
    Click(60.0, 90.0);
    Move(90.0, 70.0);
    view_->OnKeyDown(VK_BACK, 1, 0);
    view_->OnKeyDown(VK_BACK, 1, 0);
    EXPECT_EQ(view_->ActiveFigure(), nullptr);
    EXPECT_EQ(Canvas(), drawn);
}

TEST_F(MerdokMouseTest, APointToolOnADrawnPointOpensItsDialogAndKeepsTheSnapDistance) {
    Command(ID_DRAW_GROUND_POINT);
    Click(60.0, 50.0);
    ASSERT_EQ(Model().m_mapNode.GetCount(), 1);
    const double snap = Model().m_dSnap2;
    int dialogs = 0;
    platform::DialogScript::Queue([&dialogs](CDialog& dialog) {
        ++dialogs;
        dialog.OnCancel();
    });
    // A pixel beside the drawn point still takes it.
    const double pixel = 1.0 / view_->Plane().ScaleX();
    Click(60.0 + pixel, 50.0);
    EXPECT_EQ(dialogs, 1);
    EXPECT_EQ(Model().m_mapNode.GetCount(), 1);
    EXPECT_DOUBLE_EQ(Model().m_dSnap2, snap);
    EXPECT_EQ(view_->ActiveFigure(), nullptr);
}

TEST_F(MerdokMouseTest, AMoveWaitsForTheClickThatCommitsOrDropsIt) {
    Command(ID_DRAW_GROUND_POINT);
    Click(60.0, 50.0);
    ASSERT_EQ(Model().m_mapNode.GetCount(), 1);
    const double x = Model().m_mapNode.begin()->second->GetX();
    const auto moveAll = [this](const char* dx) {
        Command(ID_EDIT_SELECT_ALL);
        platform::DialogScript::Queue([dx](CDialog& dialog) {
            dialog.SetDlgItemText(CMoveDlg::kDx, dx);
            dialog.GetDlgItemWidget(IDOK)->setFocus();
            dialog.OnOK();
        });
        Command(ID_EDIT_MOVE);
    };
    const auto pointX = [this] { return Model().m_mapNode.begin()->second->GetX(); };
    moveAll("10");
    ASSERT_NE(view_->m_pendingEdit, nullptr);
    ASSERT_NE(view_->ModalFigure(), nullptr);
    EXPECT_DOUBLE_EQ(pointX(), x);
    Move(30.0, 30.0);
    EXPECT_EQ(view_->GetCanvasWidget()->cursor().shape(), Qt::SizeAllCursor);
    // The right button asks; No keeps the move waiting, and no zoom window starts.
    sink_.QueueAnswer(IDNO);
    view_->OnRButtonDown(0, Device(20.0, 20.0));
    view_->OnRButtonUp(0, Device(20.0, 20.0));
    EXPECT_NE(view_->ModalFigure(), nullptr);
    EXPECT_DOUBLE_EQ(pointX(), x);
    // The left click commits, and draws nothing of the select tool.
    Model().SetModifiedFlag(false);
    Click(20.0, 20.0);
    EXPECT_EQ(view_->m_pendingEdit, nullptr);
    EXPECT_EQ(view_->ModalFigure(), nullptr);
    EXPECT_DOUBLE_EQ(pointX(), x + 10.0);
    EXPECT_TRUE(Model().IsModified());
    EXPECT_EQ(view_->ActiveFigure(), nullptr);
    // Dropped with Yes, a second move leaves the point where it was.
    moveAll("5");
    sink_.QueueAnswer(IDYES);
    view_->OnRButtonDown(0, Device(20.0, 20.0));
    view_->OnRButtonUp(0, Device(20.0, 20.0));
    EXPECT_EQ(view_->m_pendingEdit, nullptr);
    EXPECT_EQ(view_->ModalFigure(), nullptr);
    EXPECT_DOUBLE_EQ(pointX(), x + 10.0);
}

// A change waiting for its confirming click says so, also after the window took the focus back
// from the dialog, and the pointer's coordinates go on following the mouse meanwhile.
TEST_F(MerdokMouseTest, AWaitingChangeSaysSoAndTheCoordinatesFollowThePointer) {
    RegisterMerdokGuideStrings();
    Command(ID_DRAW_GROUND_POINT);
    Click(60.0, 50.0);
    Command(ID_EDIT_SELECT_ALL);
    platform::DialogScript::Queue([](CDialog& dialog) {
        dialog.SetDlgItemText(CMoveDlg::kDx, "10");
        dialog.GetDlgItemWidget(IDOK)->setFocus();
        dialog.OnOK();
    });
    Command(ID_EDIT_MOVE);
    ASSERT_NE(view_->ModalFigure(), nullptr);
    view_->OnSetFocus(nullptr);
    EXPECT_EQ(platform::Cp932ToUtf8(section::ProcessGuideTexts().prompt.str()),
              platform::Utf8(u8">確認してｸﾘｯｸ   [左ｸﾘｯｸ]OK   [右ｸﾘｯｸ]ｷｬﾝｾﾙ"));
    Move(30.0, 40.0);
    EXPECT_NEAR(section::ProcessGuideTexts().cursorX, 30.0, 1.0);
    EXPECT_NEAR(section::ProcessGuideTexts().cursorY, 40.0, 1.0);
}

// What the close question reads is the model's flag: a ground-line table edit confirmed by
// its click and a point changed in its dialog each leave it set, so closing asks to save.
TEST_F(MerdokMouseTest, ATableEditAndAPointDialogChangeAreAskedAboutOnClosing) {
    Command(ID_DRAW_GROUND_LINE);
    Click(20.0, 50.0);
    Click(120.0, 40.0);
    ASSERT_EQ(Model().m_mapNode.GetCount(), 2);
    const auto askedOnClosing = [this] {
        sink_.Clear();
        sink_.QueueAnswer(IDNO);
        EXPECT_TRUE(document_->SaveModified());
        const bool asked = sink_.MessageCount() == 1 && sink_.LastMessageUtf8().ends_with(
                                                            platform::Utf8(u8" に行った変更を保存しますか?"));
        Model().SetModifiedFlag(false);
        return asked;
    };
    Model().SetModifiedFlag(false);
    platform::DialogScript::Queue([](CDialog& dialog) {
        QWidget* edit = dynamic_cast<CGridDlg&>(dialog).CellEdit();
        QTest::keyClick(edit, Qt::Key_Down); // the second point's Y
        QTest::keyClick(edit, Qt::Key_Tab);
        QTest::keyClick(edit, Qt::Key_Tab);
        QTest::keyClicks(edit, "45");
        dialog.GetDlgItemWidget(IDOK)->setFocus();
        dialog.OnOK();
    });
    Command(ID_INPUT_GROUND_LINE);
    ASSERT_NE(view_->ModalFigure(), nullptr);
    EXPECT_FALSE(askedOnClosing()) << "nothing changes before the confirming click";
    Click(70.0, 20.0);
    ASSERT_EQ(view_->ModalFigure(), nullptr);
    EXPECT_DOUBLE_EQ(Model().m_mapNode.Lookup(1)->GetY(), 45.0);
    EXPECT_TRUE(askedOnClosing()) << "table edit";

    Command(ID_DRAW_GROUND_POINT);
    platform::DialogScript::Queue([](CDialog& dialog) {
        dialog.SetDlgItemText(CPointEditDlg::kY, "55");
        dialog.GetDlgItemWidget(IDOK)->setFocus();
        dialog.OnOK();
    });
    const DPoint first = Model().NodeXY(0);
    Click(first.x, first.y);
    EXPECT_DOUBLE_EQ(Model().m_mapNode.Lookup(0)->GetY(), 55.0);
    EXPECT_TRUE(askedOnClosing()) << "point dialog";
}

// A second click within 2 pixels of the first is the first again; one 3 pixels away ends the line.
TEST_F(MerdokMouseTest, OnlyClicksWithinTwoPixelsOfThePreviousOneAreIgnored) {
    for (const auto& [offset, lines] : {std::pair{2, 0}, std::pair{3, 1}}) {
        Command(ID_DRAW_GROUND_LINE);
        const CPoint first = Device(20.0 + 40.0 * offset, 50.0);
        const CPoint second(first.x + offset, first.y);
        for (const CPoint& at : {first, second}) {
            view_->OnMouseMove(0, at);
            view_->OnLButtonDown(0, at);
            view_->OnLButtonUp(0, at);
        }
        EXPECT_EQ(Model().m_LineList.GetCount(), lines) << offset << " pixels";
        view_->DropDrawFigure();
    }
}

// Nothing drawn: the model-size dialog has no drawing area to offer.
TEST_F(MerdokViewTest, TheModelSizeDialogOffersTheDrawingAreaOnlyWhenSomethingIsDrawn) {
    Show();
    for (const bool drawn : {false, true}) {
        if (drawn) {
            Command(ID_DRAW_GROUND_POINT);
            Click(60.0, 50.0);
            ASSERT_EQ(Model().m_mapNode.GetCount(), 1);
        }
        bool offered = !drawn;
        platform::DialogScript::Queue([&offered](CDialog& dialog) {
            offered = dialog.GetDlgItemWidget(150)->isEnabled();
            dialog.OnCancel();
        });
        Command(section::ID_VIEW_MODEL_SIZE);
        EXPECT_EQ(offered, drawn);
    }
}

// A new model's first frame is not its size: "view all" takes in the points drawn outside it,
// and the file keeps no size of the frame (a model without one fits its points).
TEST_F(MerdokViewTest, ViewAllShowsPointsBeyondTheFirstFrameAndTheFileKeepsTheirSize) {
    Show();
    int key = -1;
    Model().AddNode(60.0, 50.0, key);
    Model().AddNode(500.0, 300.0, key);
    Model().m_nLineCount = Model().AddLine(0, 1, 0);
    Model().SetNodeStates(CNode::kNormal);
    Model().SetLineStates(CLine::kNormal);
    Command(section::ID_VIEW_ALL);
    EXPECT_GE(view_->DrawRange().xmax, 500.0);
    EXPECT_GE(view_->DrawRange().ymax, 300.0);
    testsupport::TempDir files("merdok-size");
    const std::string path = files.File("size.sec");
    ASSERT_TRUE(Model().OnSaveDocument(path.c_str())) << sink_.LastMessageUtf8();
    CBlockDoc reopened;
    ASSERT_TRUE(reopened.ReadSecFile(path.c_str()));
    for (double value : reopened.m_dModelSize) {
        EXPECT_TRUE(platform::IsUnsetDouble(value)) << value;
    }
}

} // namespace
} // namespace merdok
