// The flex grid control on its own: shape, texts, fixed header, current cell, selection,
// twips and the redraw switch.

#include "testsupport/ui/TestApplication.h"

#include "platform/ui/CMSHFlexGrid.h"
#include "platform/ui/FlexGridView.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

struct GridFixture {
    GridFixture() : widget((testsupport::TestApplication(), CMSHFlexGrid::CreateControl())) {
        widget->resize(400, 300);
        EXPECT_TRUE(grid.AttachControl(widget.get()));
        grid.SetCols(4);
        grid.SetRows(21);
        widget->show();
    }
    std::unique_ptr<QWidget> widget;
    CMSHFlexGrid grid;
};

TEST(FlexGridTest, CellsHeadersAndCurrentCellByIndex) {
    GridFixture f;
    FlexGridView* view = f.grid.View();
    EXPECT_EQ(f.grid.GetRows(), 21);
    EXPECT_EQ(view->model()->rowCount(), 20);
    EXPECT_EQ(view->model()->columnCount(), 3);
    f.grid.SetTextMatrix(0, 2, CString(u8"X座標"));
    f.grid.SetTextMatrix(5, 0, "5");
    f.grid.SetTextMatrix(5, 2, "1.25");
    EXPECT_EQ(f.grid.GetTextMatrix(5, 2), CString("1.25"));
    EXPECT_EQ(view->model()->headerData(1, Qt::Horizontal).toString(), QString::fromUtf8(u8"X座標"));
    EXPECT_EQ(view->model()->headerData(4, Qt::Vertical).toString(), "5");
    EXPECT_EQ(view->model()->index(4, 1).data().toString(), "1.25");
    EXPECT_EQ(f.grid.GetTextMatrix(99, 1), CString()); // outside: nothing, no fault
    f.grid.SetRow(7);
    f.grid.SetCol(3);
    EXPECT_EQ(f.grid.GetRow(), 7);
    EXPECT_EQ(f.grid.GetCol(), 3);
    f.grid.SetRowSel(9);
    f.grid.SetColSel(1);
    EXPECT_EQ(view->selectionModel()->selectedIndexes().size(), 9);
    f.grid.SetColSel(3);
    f.grid.SetRowSel(7);
    EXPECT_TRUE(view->selectionModel()->selectedIndexes().isEmpty());
}

TEST(FlexGridTest, HeightsAndWidthsInTwips) {
    GridFixture f;
    EXPECT_EQ(f.grid.GetRowHeight(3), f.grid.PixelsToTwipsY(f.grid.View()->verticalHeader()->sectionSize(2)));
    f.grid.SetColWidth(2, 1500);
    EXPECT_EQ(f.grid.View()->horizontalHeader()->sectionSize(1), f.grid.TwipsToPixelsX(1500));
}

TEST(FlexGridTest, RedrawOffDefersEveryChangeToOneUpdate) {
    GridFixture f;
    FlexGridView* view = f.grid.View();
    int resets = 0;
    QObject::connect(view->model(), &QAbstractItemModel::modelReset, [&resets] { ++resets; });
    f.grid.SetRedraw(FALSE);
    f.grid.SetRows(10001);
    for (int row = 1; row <= 10000; ++row) {
        f.grid.SetTextMatrix(row, 1, "x");
    }
    EXPECT_EQ(view->model()->rowCount(), 20); // the view still sees the old shape
    EXPECT_EQ(resets, 0);
    f.grid.SetRedraw(TRUE);
    EXPECT_EQ(resets, 1);
    EXPECT_EQ(view->model()->rowCount(), 10000);
    f.grid.SetTopRow(500);
    EXPECT_EQ(f.grid.GetTopRow(), 500);
    EXPECT_FALSE(f.grid.GetRowIsVisible(2));
    EXPECT_TRUE(f.grid.GetRowIsVisible(501)) << f.grid.View()->verticalHeader()->sectionViewportPosition(500)
                                             << " " << f.grid.View()->viewport()->height();
}

struct RecordingEvents : FlexGridEvents {
    void OnGridKeyDown(UINT keyCode, UINT shift) override { keys.push_back(keyCode | (shift << 16)); }
    void OnGridMouseDown(int button, UINT, CPoint) override { downs.push_back(button); }
    void OnGridMouseUp(int button, UINT, CPoint) override { ups.push_back(button); }
    void OnGridEnterCell() override { ++entered; }
    void OnGridScroll() override { ++scrolled; }
    std::vector<UINT> keys;
    std::vector<int> downs, ups;
    int entered = 0, scrolled = 0;
};

TEST(FlexGridTest, KeysAndMouseGoToTheOwnerWithTheCellUnderThePointer) {
    GridFixture f;
    RecordingEvents events;
    f.grid.SetEvents(&events);
    FlexGridView* view = f.grid.View();
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    ASSERT_FALSE(events.keys.empty());
    EXPECT_EQ(events.keys.back(), UINT('C') | (2U << 16));
    QHeaderView* rows = view->verticalHeader();
    QTest::mouseClick(rows->viewport(), Qt::LeftButton, {}, QPoint(4, rows->sectionViewportPosition(3) + 2));
    EXPECT_EQ(f.grid.GetMouseRow(), 4);
    EXPECT_EQ(f.grid.GetMouseCol(), 0);
    const QRect cell = view->visualRect(view->model()->index(5, 2));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(f.grid.GetMouseRow(), 6);
    EXPECT_EQ(f.grid.GetMouseCol(), 3);
    EXPECT_EQ(f.grid.GetRow(), 6);
    EXPECT_EQ(events.downs, (std::vector<int>{1, 1}));
    EXPECT_EQ(events.ups, (std::vector<int>{1, 1}));
    EXPECT_GE(events.entered, 1);
    f.grid.SetTopRow(5);
    EXPECT_GE(events.scrolled, 1);
}

} // namespace
