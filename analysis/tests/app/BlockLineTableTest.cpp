// The block-line table beside the analysis view, typed into as a user would, and the row
// checks of the coordinate tables.

#include "AppFixture.h"

#include "analysis/app/CBlockView.h"
#include "analysis/app/CGridDlg1.h"
#include "analysis/app/TorvanIds.h"
#include "analysis/core/AnalysisRun.h"
#include "analysis/core/CBlockDoc.h"
#include "platform/core/Unset.h"
#include "platform/ui/CMenu.h"
#include "platform/ui/QtText.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QTest>
#include <cstdio>
#include <tuple>

namespace torvan_test {
namespace {

using torvan::CBlockView;
using torvan::CGridDlg1;

class BlockLineTableTest : public TorvanAppTest {
protected:
    void SetUp() override {
        TorvanAppTest::SetUp();
        ASSERT_TRUE(StartWithBaseMenu(SampleArguments(), DataFile("sample.slo")));
        document_ = Documents().at(0);
        POSITION pos = document_->GetFirstViewPosition();
        view_ = dynamic_cast<CBlockView*>(document_->GetNextView(pos));
        ASSERT_NE(view_, nullptr);
        QApplication::processEvents();
        minX_ = view_->DrawRange().xmin;
        maxX_ = view_->DrawRange().xmax;
        ASSERT_LT(minX_, maxX_);
    }

    CGridDlg1& OpenTable() {
        view_->OpenBlockLineTable();
        CGridDlg1* table = view_->BlockLineTable();
        EXPECT_NE(table, nullptr);
        QApplication::processEvents();
        return *table;
    }
    // Types a cell and takes it with Enter, which moves to the next cell.
    static void Enter(CGridDlg1& table, const std::string& text) {
        table.CellEdit()->selectAll();
        QTest::keyClicks(table.CellEdit(), QString::fromStdString(text));
        QTest::keyClick(table.CellEdit(), Qt::Key_Return);
    }
    // Steps through the cells (Enter forwards, Shift+Tab back), typing nothing, up to the
    // cell wanted.
    static void MoveTo(CGridDlg1& table, int row, int col) {
        for (int i = 0; i < 100 && (table.m_nCurRow != row || table.m_nCurCol != col); ++i) {
            const bool past = table.m_nCurRow > row || (table.m_nCurRow == row && table.m_nCurCol > col);
            QTest::keyClick(table.CellEdit(), past ? Qt::Key_Backtab : Qt::Key_Return);
        }
        ASSERT_EQ(table.m_nCurRow, row);
        ASSERT_EQ(table.m_nCurCol, col);
    }
    // An x at a share of the model's width, as typed with three decimals.
    std::string X(double share) const { return Fixed(minX_ + share * (maxX_ - minX_)); }
    static std::string Fixed(double value) {
        char text[32];
        std::snprintf(text, sizeof text, "%.3f", value);
        return text;
    }
    bool MenuEnabled(int position) const {
        return Frame()->GetMenu()->Menu()->actions().at(position)->isEnabled();
    }

    torvan::CTorvanDoc* document_ = nullptr;
    CBlockView* view_ = nullptr;
    double minX_ = 0;
    double maxX_ = 0;
};

TEST_F(BlockLineTableTest, TypedRowsAreKeyedByNumberTheLaterWinsAndTheMenusComeBack) {
    torvan::CBlockDoc& model = document_->Model();
    model.BlockLines().clear();
    model.BlockLineMap().clear();
    CGridDlg1& table = OpenTable();
    EXPECT_FALSE(MenuEnabled(0));
    EXPECT_FALSE(MenuEnabled(1));
    EXPECT_FALSE(MenuEnabled(2));
    EXPECT_TRUE(MenuEnabled(3));
    for (const auto& [number, x, beta] :
         {std::tuple{"3", X(0.6), "0.3"}, std::tuple{"1", X(0.2), "0.2"}, std::tuple{"3", X(0.7), "0.4"}}) {
        Enter(table, number);
        Enter(table, x);
        Enter(table, beta);
    }
    EXPECT_EQ(sink_->MessageCount(), 0) << sink_->LastMessageUtf8();
    ASSERT_EQ(model.BlockLineMap().size(), 2u);
    EXPECT_EQ(model.BlockLineMap().begin()->first, 0);
    EXPECT_EQ(model.BlockLineMap().rbegin()->first, 2);
    EXPECT_NEAR(model.BlockLineMap().at(2).first, std::stod(X(0.7)), 1e-6);
    EXPECT_DOUBLE_EQ(model.BlockLineMap().at(2).second, 0.4);
    ASSERT_EQ(model.BlockLineTable().size(), 2u);
    EXPECT_LT(model.BlockLineTable()[0].first, model.BlockLineTable()[1].first);

    // Cancel asks before the typed rows are lost; the view leaves the table mode.
    sink_->QueueAnswer(IDYES);
    table.OnCancel();
    EXPECT_TRUE(SpinUntil([this] { return view_->BlockLineTable() == nullptr; }));
    EXPECT_FALSE(view_->m_bBlockTableOpen);
    EXPECT_TRUE(MenuEnabled(0) && MenuEnabled(1) && MenuEnabled(2));
}

TEST_F(BlockLineTableTest, AnXOnTheModelEdgeIsRefusedAndClicksAddNumberedLines) {
    document_->Model().BlockLines().clear();
    document_->Model().BlockLineMap().clear();
    CGridDlg1& table = OpenTable();
    const int rows = 0;
    Enter(table, "7");
    Enter(table, Fixed(maxX_ + 1.0));
    ASSERT_EQ(sink_->MessageCount(), 2);
    EXPECT_EQ(sink_->MessagesUtf8()[0], platform::Utf8(u8"指定ﾌﾞﾛｯｸ線がﾓﾃﾞﾙ外です"));
    EXPECT_EQ(sink_->MessagesUtf8()[1], platform::Utf8(u8"ﾌﾞﾛｯｸ線指定ｴﾗｰです"));
    EXPECT_TRUE(platform::IsUnsetDouble(table.RowAt(rows + 1)->RealCell(0)));

    sink_->Clear();
    EXPECT_EQ(view_->ChangeDialogViewClick(minX_, 0.0), 0);
    EXPECT_EQ(sink_->MessageCount(), 1);
    EXPECT_EQ(view_->ChangeDialogViewClick(std::stod(X(0.5)), 0.0), 1);
    EXPECT_EQ(view_->ChangeDialogViewClick(std::stod(X(0.5)), 0.0), 1);
    CGridData* last = table.RowAt(table.m_nRows);
    CGridData* before = table.RowAt(table.m_nRows - 1);
    EXPECT_EQ(last->IntCell(0), before->IntCell(0) + 1);
    EXPECT_DOUBLE_EQ(last->RealCell(1), 0.1);
    EXPECT_DOUBLE_EQ(before->RealCell(1), 0.1);
    sink_->QueueAnswer(IDYES);
    table.OnCancel();
    EXPECT_TRUE(SpinUntil([this] { return view_->BlockLineTable() == nullptr; }));
}

// The polygon method's lines in the table; line 3 moved past line 4 leaves a block without
// a measurement point. The check refuses the OK and the table stays open with the typed X,
// so the user can mend it; the mended rows are taken and the table closes.
TEST_F(BlockLineTableTest, ARefusedCheckKeepsTheTableOpenWithTheTypedRows) {
    torvan::CBlockDoc& model = document_->Model();
    ASSERT_EQ(torvan::AnalysisRun(model, nullptr).RunPolygonMethod(0, 1), 1);
    ASSERT_GE(model.BlockLines().size(), 4u);
    const double line3 = model.BlockLines()[2].x1;
    const double line4 = model.BlockLines()[3].x1;
    model.KeyBlockLinesFromList();
    CGridDlg1& table = OpenTable();
    const int rows = table.m_nRows;
    MoveTo(table, 3, 2);
    Enter(table, Fixed(line4 + 2.0));
    EXPECT_EQ(sink_->MessageCount(), 0) << sink_->LastMessageUtf8();

    table.OnOK();
    QApplication::processEvents();
    ASSERT_EQ(sink_->MessageCount(), 1);
    EXPECT_EQ(sink_->LastMessageUtf8(),
              platform::Utf8(u8"計測点ﾃﾞｰﾀがないﾌﾞﾛｯｸができるため、ﾌﾞﾛｯｸ線指定できません"));
    ASSERT_EQ(view_->BlockLineTable(), &table);
    EXPECT_FALSE(table.IsClosing());
    EXPECT_EQ(table.m_nRows, rows);
    EXPECT_NEAR(table.RowAt(3)->RealCell(0), line4 + 2.0, 1e-9);
    EXPECT_DOUBLE_EQ(model.BlockLines()[2].x1, line3);

    sink_->Clear();
    MoveTo(table, 3, 2);
    Enter(table, Fixed(line3 + 1.0));
    sink_->QueueAnswer(IDNO);
    table.OnOK();
    EXPECT_TRUE(SpinUntil([this] { return view_->BlockLineTable() == nullptr; }));
    EXPECT_EQ(sink_->LastMessageUtf8(), platform::Utf8(u8"このまま解析を続行しますか？"));
    ASSERT_EQ(model.BlockLines().size(), static_cast<std::size_t>(rows));
    EXPECT_NEAR(model.BlockLines()[2].x1, std::stod(Fixed(line3 + 1.0)), 1e-9);
}

// Coordinate rows: a missing coordinate refuses; many close pairs give one warning that
// names the first pair and the count; the inner boundary point's slope names alpha.
TEST_F(BlockLineTableTest, RowChecksWarnOnceForClosePairsAndNameAlphaAndTheModelRange) {
    CGridDlg1 points(view_, 919, 0, torvan::kTableGroundPoints, 5);
    points.CreateDataArray(3, 5, 0);
    points.CreateGridStyle({CString(u8"番号 5 5 0 1 10000"), CString(u8"X座標(m) 10 10 3 -99999 999999"),
                            CString(u8"Y座標(m) 10 10 3 -99999 999999")},
                           "t", nullptr, platform::kUnsetInt, platform::kUnsetInt);
    for (int i = 0; i < 10000; ++i) {
        CGridData* row = points.Columns().NewRow();
        row->IntCell(0) = i + 1;
        row->RealCell(0) = static_cast<double>(i - i % 2) * 0.5 + (i % 2) * 0.001;
        row->RealCell(1) = 5.0;
        points.m_rows.AddTail(row);
    }
    points.m_nRows = 10000;
    EXPECT_EQ(view_->OnGridCheckRows(torvan::kTableGroundPoints, &points), 1);
    ASSERT_EQ(sink_->MessageCount(), 1);
    EXPECT_EQ(sink_->LastMessageUtf8(),
              platform::Utf8(u8"指定点 1 と 2 の距離が近すぎます !!\n(近すぎる点の組: 5000 組)"));

    sink_->Clear();
    points.RowAt(3)->RealCell(1) = platform::kUnsetDouble;
    EXPECT_EQ(view_->OnGridCheckRows(torvan::kTableGroundPoints, &points), 0);
    EXPECT_EQ(sink_->LastMessageUtf8(), platform::Utf8(u8"番号 3 の座標が未入力です !!"));

    CGridDlg1 bounds(view_, 1547, 0, torvan::kTableBoundaryPoints, 5);
    bounds.CreateDataArray(8, 5, 0);
    bounds.CreateGridStyle({CString(u8"番号 5 5 0 1 10000"), CString(u8"X座標(m) 10 10 3 -99999 999999"),
                            CString(u8"Y座標(m) 10 10 3 -99999 999999"), CString(u8"地点名 15 15 -99 -2 -2"),
                            CString(u8"ﾌﾗｸﾞ 5 5 0 0 2"), CString(u8"種類 7 0 -99 -2 -2"),
                            CString(u8"重み係数β 10 10 4 0 1"), CString(u8"勾配α(度) 10 10 3 -90 90")},
                           "b", nullptr, platform::kUnsetInt, platform::kUnsetInt);
    CGridData* inner = bounds.Columns().NewRow();
    inner->IntCell(0) = 1;
    inner->IntCell(1) = 0;
    inner->RealCell(0) = std::stod(X(0.5));
    inner->RealCell(1) = 1.0;
    inner->RealCell(3) = 10.0;
    bounds.m_rows.AddTail(inner);
    bounds.m_nRows = 1;
    sink_->Clear();
    EXPECT_EQ(view_->OnGridCheckRows(torvan::kTableBoundaryPoints, &bounds), 0);
    EXPECT_EQ(sink_->LastMessageUtf8(),
              platform::Utf8(u8"番号 1 は地中境界点のため勾配αを指定できません !!"));

    // Inside the model's X range, its bounds included, the row is taken; beyond either end it
    // is refused.
    inner->RealCell(3) = platform::kUnsetDouble;
    for (const auto& [x, accepted] :
         {std::pair{std::stod(X(0.5)), 1L}, std::pair{minX_, 1L}, std::pair{maxX_, 1L},
          std::pair{std::stod(X(-0.1)), 0L}, std::pair{std::stod(X(1.1)), 0L}}) {
        sink_->Clear();
        inner->RealCell(0) = x;
        EXPECT_EQ(view_->OnGridCheckRows(torvan::kTableBoundaryPoints, &bounds), accepted) << x;
        EXPECT_EQ(sink_->LastMessageUtf8(),
                  accepted ? std::string() : platform::Utf8(u8"指定点 1 のX座標値がﾓﾃﾞﾙ範囲外です !!"))
            << x;
    }
}

// Enter outside the cells steps to the next control: only OK itself runs the solver.
TEST_F(BlockLineTableTest, EnterOutsideTheCellsStepsOnInsteadOfRunning) {
    CGridDlg1& table = OpenTable();
    QWidget* cancel = table.GetDlgItemWidget(IDCANCEL);
    cancel->setFocus();
    QTest::keyClick(table.GetWidget(), Qt::Key_Return);
    QApplication::processEvents();
    ASSERT_EQ(view_->BlockLineTable(), &table);
    EXPECT_NE(table.GetWidget()->focusWidget(), cancel);
    EXPECT_EQ(sink_->MessageCount(), 0) << sink_->LastMessageUtf8();
    sink_->QueueAnswer(IDYES);
    table.OnCancel();
}

} // namespace
} // namespace torvan_test
