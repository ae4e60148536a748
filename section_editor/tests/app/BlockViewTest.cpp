// The section editor's view offscreen: the sample drawn (pixels at its marks), the tools
// driven by mouse sequences (the model gets the right points and lines), deletion, and the
// click that only activates the window.

#include "section_editor/app/CBlockView.h"
#include "section_editor/app/CMerdokDoc.h"
#include "section_editor/app/MerdokIds.h"

#include "platform/ui/CClientDC.h"
#include "platform/ui/CFrameWnd.h"
#include "section_editor/core/CBlockDoc.h"
#include "testsupport/Fixtures.h"
#include "testsupport/ui/TestApplication.h"

#include <QApplication>
#include <QWidget>
#include <cmath>
#include <gtest/gtest.h>

namespace merdok {
namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

class MerdokViewTest : public testsupport::RecordingSinkTest {
protected:
    void SetUp() override {
        testsupport::TestApplication();
        ProgramViewSettings() = DefaultViewSettings(CString());
        document_ = new CMerdokDoc;
        document_->m_bAutoDelete = FALSE;
        frame_ = new CFrameWnd;
        frame_->m_bAutoDelete = FALSE;
        ASSERT_TRUE(frame_->Create("MERDOK"));
        ASSERT_TRUE(frame_->LoadFrame(document_, RUNTIME_CLASS(CBlockView), nullptr));
        view_ = static_cast<CBlockView*>(frame_->GetActiveView());
        frame_->GetWidget()->resize(1200, 800);
        frame_->ShowWindow(SW_SHOW);
        QApplication::processEvents();
    }
    void TearDown() override {
        delete frame_->GetWidget();
        delete frame_;
        delete document_;
    }
    CBlockDoc& Model() { return document_->Model(); }
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
    void Click(double x, double y) { view_->OnLButtonUp(0, Device(x, y)); }
    void Command(UINT id) { view_->OnCmdMsg(id, CN_COMMAND, nullptr); }

    CMerdokDoc* document_ = nullptr;
    CFrameWnd* frame_ = nullptr;
    CBlockView* view_ = nullptr;
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
    EXPECT_EQ(Pixel(a.x, a.y + 0.2 * (view_->m_drawRange.ymax - view_->m_drawRange.ymin), 0, -40), kWhite);
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
    Command(ID_DRAW_GROUND_POINT);
    // The first window to get the focus takes its first click.
    view_->OnSetFocus(nullptr);
    Click(30.0, 50.0);
    EXPECT_EQ(Model().m_mapNode.GetCount(), 1);
    // Another document window had the focus: the click that brings this one forward is lost.
    {
        CBlockView other;
        other.OnSetFocus(nullptr);
    }
    CBlockView other;
    other.OnSetFocus(nullptr);
    view_->OnSetFocus(nullptr);
    Click(50.0, 50.0);
    EXPECT_EQ(Model().m_mapNode.GetCount(), 1);
    Click(50.0, 50.0);
    EXPECT_EQ(Model().m_mapNode.GetCount(), 2);
}

TEST_F(MerdokViewTest, DeletingTheSelectionMarksTheDocumentModified) {
    Show();
    Command(ID_DRAW_GROUND_LINE);
    Click(20.0, 50.0);
    Click(120.0, 40.0);
    Model().SetModifiedFlag(false);
    Command(ID_EDIT_SELECT);
    Click(120.0, 40.0);
    ASSERT_EQ(view_->m_listSelect.GetCount(), 1);
    sink_.QueueAnswer(IDYES);
    Command(ID_EDIT_DELETE);
    EXPECT_EQ(Model().m_mapNode.GetCount(), 1);
    // The line lost its end and goes with it.
    EXPECT_EQ(Model().m_LineList.GetCount(), 0);
    EXPECT_TRUE(Model().IsModified());
    EXPECT_TRUE(view_->m_listSelect.IsEmpty());
}

} // namespace
} // namespace merdok
