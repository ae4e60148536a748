// The point tables, the move and the slip-line tree of the analysis view on the sample data,
// typed into and clicked as a user would: pending changes reach the document only with the
// confirming click, and nothing deleted is ever left in the view's selection or the tree.

#include "TorvanViewProgram.h"

#include "analysis/app/CBlockView.h"
#include "analysis/app/CTorvanDoc.h"
#include "analysis/app/SlipLineTreeDlg.h"
#include "analysis/app/TorvanIds.h"

#include "analysis/app/CAnalysisCondDlg.h"

#include "analysis/core/AnalysisRun.h"
#include "analysis/core/CDispData.h"
#include "analysis/core/CLine.h"
#include "analysis/core/CNode.h"
#include "analysis/core/CVerrant.h"
#include "common/ui/section/CFigMovePoint.h"
#include "common/ui/section/CMoveDlg.h"
#include "common/ui/table/CGridDlg.h"
#include "platform/core/MapEntries.h"
#include "platform/core/RecordingSink.h"
#include "platform/ui/CFrameWnd.h"
#include "platform/ui/DialogScript.h"
#include "platform/ui/QtText.h"
#include "testsupport/Fixtures.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QTest>
#include <QWidget>
#include <filesystem>
#include <gtest/gtest.h>

using section::PointKind;

namespace torvan {
namespace {

class PointTableTest : public TorvanWindowTest<testsupport::TempDirTest> {
protected:
    PointTableTest() : ProgramViewTest(1000, 700) {}
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(ProgramViewTest::SetUp());
        ASSERT_TRUE(TorvanViewProgram::OpenSampleCopy(*document_, dir_));
        InitialUpdate();
    }
    static CNode* Point(CMapWordToOb& map, int number) {
        CObject* object = nullptr;
        return map.Lookup(static_cast<WORD>(number - 1), object) ? static_cast<CNode*>(object) : nullptr;
    }
    static void Type(CGridDlg& table, const char* text) {
        table.CellEdit()->selectAll();
        QTest::keyClicks(table.CellEdit(), QString::fromUtf8(text));
        QTest::keyClick(table.CellEdit(), Qt::Key_Return);
    }
    // The table's row taken out, as deleting it in the table does.
    static void RemoveRow(CGridDlg& table, int row) {
        CObject* removed = table.RowAt(row);
        table.m_rows.RemoveAt(table.m_rows.Find(removed));
        delete removed;
        --table.m_nRows;
    }
    static void PressOk(CDialog& dialog) {
        dialog.GetDlgItemWidget(IDOK)->setFocus();
        dialog.OnOK();
    }
    bool LineTouches(int key) {
        for (auto [lineKey, line] : platform::MapEntries<CLine>(Model().GroundLines())) {
            if (line->node1 == key || line->node2 == key) {
                return true;
            }
        }
        return false;
    }

    platform::RecordingSink sink_;
};

// Row 1's X typed anew, row 3 deleted: nothing changes until the click; then point 1 has
// moved and point 3 is gone with its lines. A duplicated number is refused.
TEST_F(PointTableTest, TypedGroundRowsReachTheModelOnTheConfirmingClick) {
    const double oldX = Point(Model().GroundPoints(), 1)->x;
    const int points = Model().GroundPoints().GetCount();
    ASSERT_TRUE(LineTouches(2));
    platform::DialogScript::Queue([this](CDialog& dialog) {
        auto& table = dynamic_cast<CGridDlg&>(dialog);
        Type(table, "1");
        Type(table, "-5.5");
        table.RowAt(2)->IntCell(0) = 1;
        PressOk(table);
        EXPECT_EQ(sink_.LastMessageUtf8(), platform::Utf8(u8"番号 1 が重複しています !!"));
        table.RowAt(2)->IntCell(0) = 2;
        RemoveRow(table, 3);
        PressOk(table);
    });
    ASSERT_TRUE(view_->RouteCommand(ID_INPUT_SURFACE_POINTS));
    EXPECT_EQ(platform::DialogScript::Pending(), 0);
    ASSERT_TRUE(view_->HasPendingPoints());
    EXPECT_DOUBLE_EQ(Point(Model().GroundPoints(), 1)->x, oldX);
    EXPECT_NE(Point(Model().GroundPoints(), 3), nullptr);

    view_->OnLButtonDown(0, CPoint(20, 20));
    EXPECT_FALSE(view_->HasPendingPoints());
    EXPECT_DOUBLE_EQ(Point(Model().GroundPoints(), 1)->x, -5.5);
    EXPECT_EQ(Point(Model().GroundPoints(), 3), nullptr);
    EXPECT_EQ(Model().GroundPoints().GetCount(), points - 1);
    EXPECT_FALSE(LineTouches(2));
    for (auto [key, point] : platform::MapEntries<CNode>(Model().GroundPoints())) {
        EXPECT_EQ(point->state, 0);
    }
}

// Selected ground point 3 and measurement point 3 moved by X only: the ground point moves
// horizontally, the measurement point of the same number stays; a right click asked "No"
// keeps the pending move.
TEST_F(PointTableTest, AMoveByXMovesOnlyTheSelectedGroundPoints) {
    CNode* ground = Point(Model().GroundPoints(), 3);
    CNode* site = Point(Model().MeasurementPoints(), 3);
    ASSERT_TRUE(ground && site);
    const double x = ground->x, y = ground->y, siteX = site->x;
    for (CNode* point : {ground, site}) {
        point->state = CNode::kSelected;
        view_->Selection().AddTail(point);
    }
    platform::DialogScript::Queue([](CDialog& dialog) {
        auto* edit = qobject_cast<QLineEdit*>(dialog.GetDlgItemWidget(CMoveDlg::kDx));
        edit->setText("2.5");
        PressOk(dialog);
    });
    ASSERT_TRUE(view_->RouteCommand(ID_EDIT_MOVE));
    EXPECT_TRUE(view_->Selection().IsEmpty());
    sink_.QueueAnswer(IDNO);
    view_->OnRButtonDown(0, CPoint(20, 20));
    ASSERT_TRUE(view_->HasPendingPoints());
    view_->OnLButtonDown(0, CPoint(20, 20));
    EXPECT_DOUBLE_EQ(ground->x, x + 2.5);
    EXPECT_DOUBLE_EQ(ground->y, y);
    EXPECT_DOUBLE_EQ(site->x, siteX);
}

// The table of selected points: rows typed 0.0004 m apart on both axes keep both points,
// rows 0.0003 m apart make one point of the two on the confirming click.
TEST_F(PointTableTest, SelectedPointsJoinOnlyWhenTypedCloserThanFourTenthsOfAMillimetre) {
    for (const double gap : {0.0004, 0.0003}) {
        CNode* first = Point(Model().GroundPoints(), 2);
        CNode* second = Point(Model().GroundPoints(), 3);
        ASSERT_TRUE(first && second) << gap;
        const double x = first->x;
        const double y = first->y;
        for (CNode* point : {first, second}) {
            point->state = CNode::kSelected;
            view_->Selection().AddTail(point);
        }
        platform::DialogScript::Queue([x, y, gap](CDialog& dialog) {
            auto& table = dynamic_cast<CGridDlg&>(dialog);
            table.RowAt(2)->RealCell(0) = x + gap;
            table.RowAt(2)->RealCell(1) = y + gap;
            PressOk(table);
        });
        ASSERT_TRUE(view_->RouteCommand(ID_CHANGE_POINT_COORDINATES)) << gap;
        ASSERT_TRUE(view_->HasPendingPoints()) << gap;
        view_->OnLButtonDown(0, CPoint(20, 20));
        EXPECT_EQ(Point(Model().GroundPoints(), 3) != nullptr, gap == 0.0004) << gap;
    }
}

// The measurement table cut down to point 1, then a new row: the new point comes in as
// number 2 with its name on the confirming click.
TEST_F(PointTableTest, ANewRowAfterTheTableWasCutToItsFirstPointIsAdded) {
    platform::DialogScript::Queue([](CDialog& dialog) {
        auto& table = dynamic_cast<CGridDlg&>(dialog);
        while (table.m_nRows > 1) {
            RemoveRow(table, table.m_nRows);
        }
        PressOk(table);
    });
    ASSERT_TRUE(view_->RouteCommand(ID_INPUT_MEASURE_POINTS));
    view_->OnLButtonDown(0, CPoint(20, 20));
    ASSERT_EQ(Model().MeasurementPoints().GetCount(), 1);
    ASSERT_NE(Point(Model().MeasurementPoints(), 1), nullptr);

    platform::DialogScript::Queue([](CDialog& dialog) {
        auto& table = dynamic_cast<CGridDlg&>(dialog);
        CGridData* row = table.Columns().NewRow();
        row->RealCell(0) = 60.0;
        row->RealCell(1) = 80.0;
        row->TextCell(0) = "K-NEW";
        table.m_rows.AddTail(row);
        ++table.m_nRows;
        PressOk(table);
    });
    ASSERT_TRUE(view_->RouteCommand(ID_INPUT_MEASURE_POINTS));
    ASSERT_TRUE(view_->HasPendingPoints());
    view_->OnLButtonDown(0, CPoint(20, 20));
    const CNode* added = Point(Model().MeasurementPoints(), 2);
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->name, CString("K-NEW"));
    EXPECT_DOUBLE_EQ(added->x, 60.0);
    EXPECT_EQ(Model().MeasurementPoints().GetCount(), 2);
}

// Measurement point 3 typed elsewhere in its table: on the confirming click its displacement
// vector starts at the point's new place.
TEST_F(PointTableTest, AMeasurementPointMovedInItsTableTakesItsVectorAlong) {
    platform::DialogScript::Queue([](CDialog& dialog) {
        auto& table = dynamic_cast<CGridDlg&>(dialog);
        table.RowAt(3)->RealCell(0) = 61.5;
        table.RowAt(3)->RealCell(1) = 70.25;
        PressOk(table);
    });
    ASSERT_TRUE(view_->RouteCommand(ID_INPUT_MEASURE_POINTS));
    view_->OnLButtonDown(0, CPoint(20, 20));
    ASSERT_DOUBLE_EQ(Point(Model().MeasurementPoints(), 3)->x, 61.5);
    CObject* object = nullptr;
    ASSERT_TRUE(Model().Displacements().Lookup(2, object));
    const std::vector<DPoint> vector = static_cast<const CDispData*>(object)->VectorPolyline(0, 1.0);
    ASSERT_FALSE(vector.empty());
    EXPECT_EQ(vector.front(), (DPoint{61.5, 70.25}));
}

// The tree after a slip line was made: renaming, hiding, deleting the slip line and a boundary
// point, and "delete all", each with the objects in the view's selection first.
TEST_F(PointTableTest, TheTreeNeverLeavesTheViewHoldingWhatItDeleted) {
    AnalysisRun(Model(), nullptr).RunPolygonMethod(0, 1);
    ASSERT_EQ(Model().SlipLines().GetCount(), 1);
    SlipLineTreeDlg* tree = view_->TreeDialog();
    ASSERT_NE(tree, nullptr);
    auto* line = static_cast<CVerrant*>(Model().SlipLines().GetHead());
    const int key = line->number * 10;
    tree->RenameSlipLine(key, CString("(1) abc   "));
    EXPECT_STREQ(line->name.GetString(), "abc");
    EXPECT_EQ(platform::ToQString(tree->ItemText(key)), QString("(1) abc"));
    EXPECT_EQ(platform::ToQString(tree->ItemText(11)), platform::ToQString(u8"左地表境界点 (左地表端) *"));

    ASSERT_TRUE(tree->SelectItem(key));
    tree->OnHide();
    EXPECT_EQ(line->visible1, 0);
    EXPECT_EQ(tree->ItemBranch(key), 0);

    line->state = 2;
    view_->Selection().AddTail(line);
    ASSERT_TRUE(tree->SelectItem(key));
    tree->OnDelete();
    EXPECT_TRUE(view_->Selection().IsEmpty());
    EXPECT_EQ(Model().SlipLines().GetCount(), 0);
    EXPECT_EQ(tree->ItemBranch(key), -1);

    // A boundary point no slip line holds any more goes, also out of the selection.
    CNode* left = Point(Model().BoundaryPoints(), 1);
    left->slipMark = CNode::kSlipFree;
    left->state = CNode::kSelected;
    view_->Selection().AddTail(left);
    ASSERT_TRUE(tree->SelectItem(11));
    tree->OnDelete();
    EXPECT_TRUE(view_->Selection().IsEmpty());
    EXPECT_EQ(Point(Model().BoundaryPoints(), 1), nullptr);
    EXPECT_EQ(tree->ItemBranch(11), -1);

    CNode* right = Point(Model().BoundaryPoints(), 2);
    right->slipMark = CNode::kSlipFree;
    view_->Selection().AddTail(right);
    sink_.QueueAnswer(IDYES);
    tree->OnDeleteAllBoundaryPoints();
    EXPECT_TRUE(view_->Selection().IsEmpty());
    EXPECT_EQ(Model().BoundaryPoints().GetCount(), 0);
    EXPECT_TRUE(document_->Model().IsModified());
}

// A deleted row waits on the confirmation figure with its marks set; the right click answered
// Yes drops it: the model is as before, every mark reset, no pending copy, no figure.
TEST_F(PointTableTest, TheConfirmationFigureDropsAPendingRemovalWithEveryMark) {
    const int points = Model().GroundPoints().GetCount();
    const int lines = Model().GroundLines().GetCount();
    platform::DialogScript::Queue([](CDialog& dialog) {
        auto& table = dynamic_cast<CGridDlg&>(dialog);
        RemoveRow(table, 3);
        PressOk(table);
    });
    ASSERT_TRUE(view_->RouteCommand(ID_INPUT_SURFACE_POINTS));
    auto* figure = dynamic_cast<CFigMovePoint*>(view_->ModalFigure());
    ASSERT_NE(figure, nullptr);
    EXPECT_EQ(figure->Kind(), CFigMovePoint::kGroundPoints);
    EXPECT_EQ(Point(Model().GroundPoints(), 3)->state, -1);

    sink_.QueueAnswer(IDYES);
    view_->OnRButtonDown(0, CPoint(20, 20));
    view_->OnRButtonUp(0, CPoint(20, 20));
    EXPECT_EQ(sink_.LastMessageUtf8(), platform::Utf8(u8"点座標の変更が無効になりますが、よろしいですか？"));
    EXPECT_FALSE(view_->HasPendingPoints());
    EXPECT_EQ(view_->ModalFigure(), nullptr);
    EXPECT_EQ(view_->m_pendingEdit ? view_->m_pendingEdit->Copies().size() : 0U, 0U);
    EXPECT_EQ(Model().GroundPoints().GetCount(), points);
    EXPECT_EQ(Model().GroundLines().GetCount(), lines);
    for (auto [key, point] : platform::MapEntries<CNode>(Model().GroundPoints())) {
        EXPECT_EQ(point->state, 0);
    }
    for (auto [key, line] : platform::MapEntries<CLine>(Model().GroundLines())) {
        EXPECT_EQ(line->status, 0);
    }
}

// The conditions of a polygon slip line (no block lines) and of the same line as a polynomial
// one with two block lines and a boundary point fixed by the section model.
TEST_F(PointTableTest, TheConditionDialogShowsMethodBlockLinesAndBoundaryPoints) {
    AnalysisRun(Model(), nullptr).RunPolygonMethod(0, 1);
    ASSERT_EQ(Model().SlipLines().GetCount(), 1);
    auto* line = static_cast<CVerrant*>(Model().SlipLines().GetHead());
    SlipLineTreeDlg* tree = view_->TreeDialog();
    ASSERT_NE(tree, nullptr);
    struct Shown {
        QString method, left, right, inner;
        QStringList blocks;
        bool onScreen = false;
    } shown;
    auto look = [&shown](CDialog& dialog) {
        auto text = [&dialog](UINT id) {
            return qobject_cast<QLineEdit*>(dialog.GetDlgItemWidget(id))->text();
        };
        shown.method = text(CAnalysisCondDlg::kMethodName);
        shown.left = text(CAnalysisCondDlg::kLeftPoint);
        shown.right = text(CAnalysisCondDlg::kRightPoint);
        shown.inner = text(CAnalysisCondDlg::kInnerPoint);
        shown.blocks.clear();
        auto* list = qobject_cast<QListWidget*>(dialog.GetDlgItemWidget(CAnalysisCondDlg::kBlockLines));
        for (int i = 0; i < list->count(); ++i) {
            shown.blocks << list->item(i)->text();
        }
        // Placed so that its size fits the screen (the offscreen platform adds its frame later).
        const QWidget* widget = dialog.GetWidget();
        shown.onScreen = QGuiApplication::primaryScreen()->availableGeometry().contains(
            QRect(widget->frameGeometry().topLeft(), widget->size()));
        dialog.OnOK();
    };
    platform::DialogScript::Queue(look);
    ASSERT_TRUE(tree->SelectItem(line->number * 10));
    tree->OnConditions();
    CNode* left = nullptr;
    for (CNode* point : line->boundary) {
        left = point && point->kind == PointKind::kLeftBoundary ? point : left;
    }
    ASSERT_NE(left, nullptr);
    ASSERT_EQ(left->slipMark, CNode::kSlipFixedUsed);
    EXPECT_EQ(shown.method, platform::ToQString(u8"多角形平行法"));
    EXPECT_TRUE(shown.blocks.isEmpty());
    EXPECT_EQ(shown.left, platform::ToQString(left->name) + " *");

    line->method = CBlockDoc::kPolynomial;
    line->blockX = {12.5, -3.25};
    line->blockBeta = {0.5, 1.0};
    line->blockCount = 2;
    left->slipMark = CNode::kSlipUsed;
    platform::DialogScript::Queue(look);
    tree->OnConditions();
    EXPECT_EQ(platform::DialogScript::Pending(), 0);
    EXPECT_EQ(shown.method, platform::ToQString(u8"多項式法"));
    EXPECT_EQ(shown.blocks, (QStringList{"    12.500   0.5000", "    -3.250   1.0000"}));
    EXPECT_EQ(shown.left, platform::ToQString(left->name));

    // Asked for beside the screen's corner, the dialog moves only as far as it takes to fit.
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    CAnalysisCondDlg corner(view_);
    corner.m_pSlipLine = line;
    corner.m_nX = area.right() - 10;
    corner.m_nY = area.bottom() - 10;
    platform::DialogScript::Queue(look);
    corner.DoModal();
    EXPECT_TRUE(shown.onScreen);
}

} // namespace
} // namespace torvan
