// The analysis view's drawing tools on the sample, driven by synthetic mouse sequences: the
// model gets the points and lines drawn, a click near a drawn point takes that point, and a
// selection click picks the boundary point under it.

#include "TorvanViewProgram.h"

#include "analysis/app/CBlockView.h"
#include "analysis/app/CTorvanDoc.h"
#include "analysis/app/TorvanIds.h"

#include "analysis/core/CLine.h"
#include "analysis/core/CNode.h"
#include "common/ui/section/CCoordInputDlg.h"
#include "platform/core/MapEntries.h"
#include "platform/ui/CCmdUI.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/CFrameWnd.h"
#include "platform/ui/DialogScript.h"
#include "platform/ui/QtText.h"
#include "testsupport/Fixtures.h"

#include <QApplication>
#include <QLineEdit>
#include <QWidget>
#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using section::PointKind;

namespace torvan {
namespace {

constexpr UINT kAllTargetsButton = 150; // "全指定" of the selection-target dialog

class DrawingToolsTest : public TorvanWindowTest<testsupport::RecordingSinkTest> {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(ProgramViewTest::SetUp());
        // The model read alone: no command line of an earlier test asks which reference file.
        ASSERT_EQ(Model().OnOpenDocument(VERRANT_SOURCE_DIR "/data/sample.slo"), 1);
        InitialUpdate();
    }
    const CNode* FirstGroundPoint() {
        for (auto [key, point] : platform::MapEntries<const CNode>(Model().GroundPoints())) {
            return point;
        }
        return nullptr;
    }
};

TEST_F(DrawingToolsTest, ALineFromADrawnPointAddsOnlyItsOtherEnd) {
    const CNode* first = FirstGroundPoint();
    ASSERT_NE(first, nullptr);
    const int points = Model().GroundPoints().GetCount();
    const int lines = Model().GroundLines().GetCount();
    Command(ID_DRAW_SURFACE_LINE);
    // A pixel beside the drawn point still takes it.
    const double pixel = 1.0 / view_->Plane().ScaleX();
    Click(first->x + pixel, first->y);
    Click(first->x + 3.0, first->y + 40.0);
    EXPECT_EQ(Model().GroundPoints().GetCount(), points + 1);
    EXPECT_EQ(Model().GroundLines().GetCount(), lines + 1);
    EXPECT_TRUE(Model().IsModified());
    EXPECT_EQ(view_->ActiveFigure(), nullptr);
}

// The horizontal and vertical line tools keep their rule from the first click on: the second
// end lies level with (or plumb above) the first, wherever the second click is. Only the
// chosen one of the three line tools is checked.
TEST_F(DrawingToolsTest, TheHorizontalAndVerticalLineToolsDrawAlongTheirRule) {
    const CNode* first = FirstGroundPoint();
    ASSERT_NE(first, nullptr);
    const double x = first->x + 3.0;
    const double y = first->y + 40.0;
    const struct {
        UINT command;
        bool level;
    } tools[] = {{ID_DRAW_HORIZONTAL_LINE, true}, {ID_DRAW_VERTICAL_LINE, false}};
    for (const auto& tool : tools) {
        SCOPED_TRACE(tool.command);
        std::vector<WORD> before;
        for (auto [key, point] : platform::MapEntries<const CNode>(Model().GroundPoints())) {
            before.push_back(key);
        }
        Command(tool.command);
        for (UINT line : {ID_DRAW_SURFACE_LINE, ID_DRAW_HORIZONTAL_LINE, ID_DRAW_VERTICAL_LINE}) {
            CCmdUI ui(line);
            ASSERT_TRUE(view_->OnCmdMsg(line, CN_UPDATE_COMMAND_UI, &ui));
            EXPECT_EQ(ui.m_nCheck, line == tool.command ? 1 : 0) << "the check mark of " << line;
        }
        const double offset = tool.level ? 0.0 : 10.0;
        Click(x + offset, y);
        Click(x + offset + 6.0, y + 5.0);
        std::vector<const CNode*> added;
        for (auto [key, point] : platform::MapEntries<const CNode>(Model().GroundPoints())) {
            if (std::find(before.begin(), before.end(), key) == before.end()) {
                added.push_back(point);
            }
        }
        ASSERT_EQ(added.size(), 2u) << sink_.LastMessageUtf8();
        if (tool.level) {
            EXPECT_EQ(added[0]->y, added[1]->y);
            EXPECT_NE(added[0]->x, added[1]->x);
        } else {
            EXPECT_EQ(added[0]->x, added[1]->x);
            EXPECT_NE(added[0]->y, added[1]->y);
        }
    }
}

TEST_F(DrawingToolsTest, ABoundaryPointToolMakesAPointOfItsKindThatASelectionClickPicks) {
    const int bounds = Model().BoundaryPoints().GetCount();
    const CNode* first = FirstGroundPoint();
    ASSERT_NE(first, nullptr);
    Command(ID_DRAW_INNER_BOUND_POINT);
    const double x = first->x + 5.0;
    const double y = first->y - 20.0;
    // The new point's dialog, taken as it comes.
    platform::DialogScript::Queue([](CDialog& dialog) { dialog.OnOK(); });
    Click(x, y);
    ASSERT_EQ(Model().BoundaryPoints().GetCount(), bounds + 1) << sink_.LastMessageUtf8();
    EXPECT_TRUE(Model().IsModified());
    const CNode* made = nullptr;
    for (auto [key, point] : platform::MapEntries<const CNode>(Model().BoundaryPoints())) {
        if (std::abs(point->x - x) < 0.5 && std::abs(point->y - y) < 0.5) {
            made = point;
        }
    }
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->kind, PointKind::kInnerBoundary);
    EXPECT_EQ(made->state, CNode::kNormal); // drawn as a point of the model
    view_->Invalidate();
    Command(ID_EDIT_SELECT);
    Click(x, y);
    ASSERT_EQ(view_->Selection().GetCount(), 1);
    EXPECT_EQ(view_->Selection().GetHead(), made);
    EXPECT_EQ(made->state, CNode::kSelected);
}

// A new boundary point whose dialog is cancelled leaves the document as it was: no point and
// no save question at close.
TEST_F(DrawingToolsTest, ACancelledNewBoundaryPointLeavesTheDocumentUnmodified) {
    const int bounds = Model().BoundaryPoints().GetCount();
    const CNode* first = FirstGroundPoint();
    ASSERT_NE(first, nullptr);
    ASSERT_FALSE(Model().IsModified());
    Command(ID_DRAW_INNER_BOUND_POINT);
    bool asked = false;
    platform::DialogScript::Queue([&asked](CDialog& dialog) {
        asked = true;
        dialog.OnCancel();
    });
    Click(first->x + 5.0, first->y - 20.0);
    EXPECT_TRUE(asked);
    EXPECT_EQ(Model().BoundaryPoints().GetCount(), bounds);
    EXPECT_FALSE(Model().IsModified());
}

// A rectangle dragged with the select tool selects, through the document, what the selection
// targets take: by default neither ground points nor lines; with every target the points inside
// it and the lines with both ends inside, which are then the view's selection.
TEST_F(DrawingToolsTest, ADraggedRectangleSelectsTheTargetsInsideIt) {
    std::vector<const CNode*> ground;
    for (auto [key, point] : platform::MapEntries<const CNode>(Model().GroundPoints())) {
        ground.push_back(point);
    }
    ASSERT_GE(ground.size(), 4U);
    std::sort(ground.begin(), ground.end(), [](const CNode* a, const CNode* b) { return a->x < b->x; });
    const double minX = ground[0]->x - 2.0;
    const double maxX = (ground[2]->x + ground[3]->x) / 2;
    const double maxY = std::max({ground[0]->y, ground[1]->y, ground[2]->y}) + 2.0;
    const double minY = std::min({ground[0]->y, ground[1]->y, ground[2]->y}) - 2.0;
    const auto inside = [&](double x, double y) { return x >= minX && x <= maxX && y >= minY && y <= maxY; };
    const auto drag = [&] {
        Command(ID_EDIT_SELECT);
        view_->UpdateWindow();
        const CPoint from = view_->WorldToLogical(minX, maxY);
        const CPoint to = view_->WorldToLogical(maxX, minY);
        view_->OnMouseMove(0, from);
        view_->OnLButtonDown(MK_LBUTTON, from);
        view_->OnMouseMove(MK_LBUTTON, CPoint((from.x + to.x) / 2, (from.y + to.y) / 2));
        view_->OnMouseMove(MK_LBUTTON, to);
        view_->OnLButtonUp(0, to);
    };
    drag();
    EXPECT_EQ(view_->Selection().GetCount(), 0);

    platform::DialogScript::Queue([](CDialog& dialog) { dialog.RouteCommand(kAllTargetsButton); });
    Command(ID_SELECT_TARGETS);
    for (auto [key, line] : platform::MapEntries<CLine>(Model().GroundLines())) {
        line->lineKey = -7; // the document's selection gives a line its key
    }
    drag();
    int points = 0;
    for (auto [key, point] : platform::MapEntries<const CNode>(Model().AllPoints())) {
        const bool in = inside(point->x, point->y);
        EXPECT_EQ(point->state == CNode::kSelected, in) << point->number;
        EXPECT_EQ(view_->Selection().Find(const_cast<CNode*>(point)) != nullptr, in) << point->number;
        points += in ? 1 : 0;
    }
    int lines = 0;
    for (auto [key, line] : platform::MapEntries<CLine>(Model().GroundLines())) {
        const DPoint a = Model().GetNodeXY(line->node1);
        const DPoint b = Model().GetNodeXY(line->node2);
        const bool whole = inside(a.x, a.y) && inside(b.x, b.y);
        EXPECT_EQ(line->status == CLine::kSelected, whole) << key;
        EXPECT_EQ(view_->Selection().Find(line) != nullptr, whole) << key;
        EXPECT_EQ(line->lineKey, whole ? key : -7) << key;
        lines += whole ? 1 : 0;
    }
    EXPECT_EQ(points, 3);
    EXPECT_EQ(lines, 2);
    EXPECT_EQ(view_->Selection().GetCount(), points + lines);
}

// Tab in the continuous line: a ground-surface point's number starts the figure on that point;
// an unknown number is refused with its message and leaves the figure as it was.
TEST_F(DrawingToolsTest, TabEntryTakesAKnownPointNumberAndRefusesAnUnknownOne) {
    const CNode* first = FirstGroundPoint();
    ASSERT_NE(first, nullptr);
    Command(ID_DRAW_POLYLINE);
    auto typeNumber = [](const std::string& number) {
        platform::DialogScript::Queue([number](CDialog& dialog) {
            qobject_cast<QLineEdit*>(dialog.GetDlgItemWidget(CCoordInputDlg::kPointNumber))
                ->setText(QString::fromStdString(number));
            dialog.GetDlgItemWidget(IDOK)->setFocus();
            dialog.OnOK();
        });
    };
    typeNumber("9999");
    view_->OnKeyDown(VK_TAB, 1, 0);
    EXPECT_EQ(sink_.LastMessageUtf8(), platform::Utf8(u8"地表点番号 9999 が不正です !!"));
    EXPECT_EQ(view_->ActiveFigure(), nullptr);

    typeNumber(std::to_string(first->number));
    view_->OnKeyDown(VK_TAB, 1, 0);
    ASSERT_NE(view_->ActiveFigure(), nullptr);
    DPoint last;
    ASSERT_TRUE(view_->LastFigurePoint(last));
    EXPECT_EQ(last, (DPoint{first->x, first->y}));

    const int messages = sink_.MessageCount();
    typeNumber("9999");
    view_->OnKeyDown(VK_TAB, 1, 0);
    EXPECT_EQ(sink_.MessageCount(), messages + 1);
    ASSERT_TRUE(view_->LastFigurePoint(last));
    EXPECT_EQ(last, (DPoint{first->x, first->y}));
    EXPECT_EQ(platform::DialogScript::Pending(), 0);
}

// Tab entry offers what each boundary point tool takes: X and the point number always, Y
// where the point is not found on the ground line. Ground point 7 typed in the left boundary
// point tool places the point there.
TEST_F(DrawingToolsTest, TabEntryOfTheBoundaryPointToolsTakesAPointNumber) {
    const struct {
        UINT command;
        bool yTyped;
    } tools[] = {{ID_DRAW_INNER_BOUND_POINT, true},
                 {ID_DRAW_LEFT_BOUND_POINT, false},
                 {ID_DRAW_RIGHT_BOUND_POINT, false}};
    for (const auto& tool : tools) {
        Command(tool.command);
        bool numberShown = false;
        bool yEnabled = !tool.yTyped;
        platform::DialogScript::Queue([&](CDialog& dialog) {
            QWidget* number = dialog.GetDlgItemWidget(CCoordInputDlg::kPointNumber);
            numberShown = number->isVisibleTo(dialog.GetWidget());
            yEnabled = dialog.GetDlgItemWidget(CCoordInputDlg::kY)->isEnabled();
            dialog.OnCancel();
        });
        view_->OnKeyDown(VK_TAB, 1, 0);
        EXPECT_TRUE(numberShown) << tool.command;
        EXPECT_EQ(yEnabled, tool.yTyped) << tool.command;
    }

    CObject* object = nullptr;
    ASSERT_TRUE(Model().GroundPoints().Lookup(6, object));
    const auto* seventh = static_cast<const CNode*>(object);
    Command(ID_DRAW_LEFT_BOUND_POINT);
    platform::DialogScript::Queue([](CDialog& dialog) {
        qobject_cast<QLineEdit*>(dialog.GetDlgItemWidget(CCoordInputDlg::kPointNumber))->setText("7");
        dialog.GetDlgItemWidget(IDOK)->setFocus();
        dialog.OnOK();
    });
    platform::DialogScript::Queue([](CDialog& dialog) { dialog.OnOK(); }); // the new point's dialog
    view_->OnKeyDown(VK_TAB, 1, 0);
    bool placed = false;
    for (auto [key, point] : platform::MapEntries<const CNode>(Model().BoundaryPoints())) {
        placed = placed || (point->kind == PointKind::kLeftBoundary && point->inUse &&
                            point->x == seventh->x && point->y == seventh->y);
    }
    EXPECT_TRUE(placed) << sink_.LastMessageUtf8();
}

} // namespace
} // namespace torvan
