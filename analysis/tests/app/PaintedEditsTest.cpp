// What the user draws or changes is what the window paints: lines drawn with the mouse and the
// pieces of the lines they split, point changes waiting for the confirming click with their
// numbers, block lines under edit by their numbers, and the slip-line tree after the reference
// files are read again or the display colours change.

#include "TorvanViewProgram.h"

#include "analysis/app/CBlockView.h"
#include "analysis/app/CTitleRefDlg.h"
#include "analysis/app/CTorvanDoc.h"
#include "analysis/app/SlipLineTreeDlg.h"
#include "analysis/app/TorvanIds.h"

#include "analysis/core/AnalysisRun.h"
#include "analysis/core/CLine.h"
#include "analysis/core/CNode.h"
#include "common/ui/section/CNumberPropDlg.h"
#include "platform/core/MapEntries.h"
#include "platform/ui/CClientDC.h"
#include "platform/ui/CDC.h"
#include "platform/ui/DialogScript.h"

#include <QApplication>
#include <QBuffer>
#include <QSvgGenerator>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <gtest/gtest.h>

namespace torvan {
namespace {

class PaintedEditsTest : public TorvanWindowTest<testsupport::RecordingSinkTest> {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(ProgramViewTest::SetUp());
        ASSERT_TRUE(TorvanViewProgram::OpenSampleCopy(*document_, dir_)) << sink_.LastMessageUtf8();
        InitialUpdate();
    }
    // Whether the colour lies within a pixel of a model point (a thin line's pixels round).
    bool Near(double x, double y, COLORREF colour) {
        const CPoint p = view_->WorldToLogical(x, y);
        CClientDC dc(view_);
        view_->OnPrepareDC(&dc);
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                if (dc.GetPixel(p.x + dx, p.y + dy) == colour) {
                    return true;
                }
            }
        }
        return false;
    }
    // Whether a pixel of the colour lies in the box of device pixels right of and above a point.
    bool ColourUpRightOf(double x, double y, COLORREF colour, int width, int height) {
        const CPoint p = view_->WorldToLogical(x, y);
        CClientDC dc(view_);
        view_->OnPrepareDC(&dc);
        for (int dy = 0; dy < height; ++dy) {
            for (int dx = 1; dx < width; ++dx) {
                if (dc.GetPixel(p.x + dx, p.y - dy) == colour) {
                    return true;
                }
            }
        }
        return false;
    }
    CNode* GroundPoint(int number) {
        CObject* object = nullptr;
        return Model().GroundPoints().Lookup(static_cast<WORD>(number - 1), object)
                   ? static_cast<CNode*>(object)
                   : nullptr;
    }
    // The view drawn as SVG, for the texts it writes.
    std::string DrawnSvg() {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(QSize(1200, 800));
        {
            CDC dc;
            EXPECT_TRUE(dc.AttachDevice(&svg, false));
            view_->OnPrepareDC(&dc);
            view_->OnDraw(&dc);
            dc.Detach();
        }
        return buffer.data().toStdString();
    }
    // Slip line 1 of the parallel method, listed in the tree.
    SlipLineTreeDlg* TreeWithASlipLine() {
        AnalysisRun(Model(), nullptr).RunPolygonMethod(0, 1);
        SlipLineTreeDlg* tree = view_->TreeDialog();
        EXPECT_NE(tree, nullptr);
        EXPECT_EQ(Model().SlipLines().GetCount(), 1);
        tree->FillTree();
        EXPECT_EQ(tree->ItemBranch(10), 1);
        return tree;
    }

    testsupport::TempDir dir_{"painted edits"};
};

// A line drawn across the ground-surface line shows at once, and so do the two pieces of the
// line it crossed.
TEST_F(PaintedEditsTest, ALineDrawnWithTheMouseAndThePiecesItSplitArePainted) {
    const CNode* a = GroundPoint(3);
    const CNode* b = GroundPoint(4);
    ASSERT_TRUE(a && b);
    const double x = (a->x + b->x) / 2;
    const double y = (a->y + b->y) / 2;
    Command(ID_DRAW_SURFACE_LINE);
    Click(x, y + 12.0);
    Click(x, y - 12.0);
    ASSERT_EQ(view_->ActiveFigure(), nullptr);
    for (auto [key, line] : platform::MapEntries<const CLine>(Model().GroundLines())) {
        EXPECT_EQ(line->status, CLine::kNormal) << "line " << line->number;
    }
    for (auto& number : view_->m_display.numbers) {
        number.draw = 0; // the line numbers sit on the lines' middles
    }
    view_->m_display.lines[kLineVector].draw = 0;
    Redraw();
    const COLORREF ground = view_->m_display.lines[kLineGround].color;
    const struct {
        const char* what;
        double x;
        double y;
    } places[] = {{"the drawn line", x, y + 6.0},
                  {"the crossed line's first piece", a->x + (x - a->x) / 2, a->y + (y - a->y) / 2},
                  {"the crossed line's second piece", x + (b->x - x) / 2, y + (b->y - y) / 2}};
    for (const auto& place : places) {
        EXPECT_TRUE(Near(place.x, place.y, ground)) << place.what;
    }
}

// A point moved in its table shows where it goes, as a filled square with its number, until
// the click that decides.
TEST_F(PaintedEditsTest, APointChangeWaitingForItsClickShowsWhereItGoesWithItsNumber) {
    const CNode* point = GroundPoint(5);
    ASSERT_NE(point, nullptr);
    const double x = point->x + 3.0;
    const double y = point->y + 25.0;
    section::PointRecord copy;
    copy.number = point->number;
    copy.x = x;
    copy.y = y;
    view_->m_pendingEdit =
        std::make_unique<section::PendingPointEdit>(section::PendingPointEdit::kGroundPoints);
    view_->m_pendingEdit->Put(point->number - 1, section::PendingPointEdit::Change::kReplace, copy);
    view_->m_display.numbers[kNumberNode].draw = 1;
    Redraw();
    EXPECT_EQ(Pixel(x, y), view_->SelectColour());
    EXPECT_TRUE(ColourUpRightOf(x, y, view_->m_display.numbers[kNumberNode].color, 30, 20));
}

// While the block-line table is open, line 3 alone is labelled 3, as the table lists it.
TEST_F(PaintedEditsTest, BlockLinesUnderEditAreLabelledByTheirNumbers) {
    for (auto& number : view_->m_display.numbers) {
        number.draw = 0;
    }
    view_->m_display.numbers[kNumberBlock].draw = 1;
    Model().SetBlockLineRows({{3, 80.0, 0.5}});
    view_->m_bBlockTableOpen = true;
    const std::string svg = DrawnSvg();
    EXPECT_NE(svg.find(">3</text>"), std::string::npos);
    EXPECT_EQ(svg.find(">1</text>"), std::string::npos);
}

// "ﾌｧｲﾙ更新" reads the files afresh: the slip line leaves the tree.
TEST_F(PaintedEditsTest, TheTreeForgetsWhatReadingTheFilesAgainRemoved) {
    SlipLineTreeDlg* tree = TreeWithASlipLine();
    ASSERT_NE(tree, nullptr);
    platform::DialogScript::Queue([](CDialog& dialog) { dialog.EndDialog(CTitleRefDlg::kUpdateFiles); });
    view_->OnTitleAndRefFiles();
    EXPECT_EQ(Model().SlipLines().GetCount(), 0);
    EXPECT_EQ(tree->ItemBranch(10), -1);
}

// A boundary point colour changed in the display properties reaches the tree's icons.
TEST_F(PaintedEditsTest, TheTreesIconsTakeTheNewColours) {
    SlipLineTreeDlg* tree = TreeWithASlipLine();
    ASSERT_NE(tree, nullptr);
    constexpr COLORREF kNew = RGB(255, 0, 255);
    platform::DialogScript::Queue([](CDialog& dialog) {
        auto& properties = dynamic_cast<CNumberPropDlg&>(dialog);
        properties.OnOK();
        properties.m_display.points[kPointLeft].color = kNew;
    });
    view_->OnViewProperties();
    ASSERT_EQ(view_->m_display.points[kPointLeft].color, kNew);
    bool shown = false;
    for (QTreeWidgetItemIterator it(tree->Tree()); *it; ++it) {
        const QImage icon = (*it)->icon(0).pixmap(16, 16).toImage();
        for (int y = 0; y < icon.height() && !shown; ++y) {
            for (int x = 0; x < icon.width() && !shown; ++x) {
                shown = icon.pixelColor(x, y) == QColor(255, 0, 255);
            }
        }
    }
    EXPECT_TRUE(shown);
}

} // namespace
} // namespace torvan
