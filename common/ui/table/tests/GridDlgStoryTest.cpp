// A whole session with the test table: filled by keyboard and by pasted spreadsheet cells,
// edited with every row command, checked, confirmed and read back; and how the dialog
// scrolls, grows with its window and places itself.

#include "TestTable.h"
#include "testsupport/ui/TestApplication.h"

#include "platform/core/RecordingSink.h"
#include "platform/core/Unset.h"
#include "platform/ui/FlexGridView.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDialog>
#include <QGuiApplication>
#include <QHeaderView>
#include <QScreen>
#include <gtest/gtest.h>

namespace {

using platform::Utf8;
using Rows = std::vector<std::string>;

QString Q(const char8_t* text) {
    return QString::fromUtf8(reinterpret_cast<const char*>(text));
}

TEST(GridDlgStoryTest, FilledEditedWithEveryRowCommandCheckedConfirmedAndReadBack) {
    testsupport::TestApplication();
    platform::RecordingSink sink;
    TestTable table;
    table.Open();
    // Keyboard: two rows.
    table.Type("1");
    table.Key(Qt::Key_Tab);
    table.Type("10.5");
    table.Key(Qt::Key_Tab);
    table.Type("1e2");
    table.Key(Qt::Key_Tab);
    table.Type(Q(u8"始点"));
    table.Key(Qt::Key_Return);
    table.Type("2");
    table.Key(Qt::Key_Down);
    // Paste: two rows from a spreadsheet, from row 3 on.
    QGuiApplication::clipboard()->setText(Q(u8"3\t30.25\t3e-2\t中点\n4\t-40\t4E+4\t終点\n"));
    table.Key(Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(table.RowsAsText(),
              (Rows{Utf8(u8"1|10.50|1.000E+02|始点"), "2|||", Utf8(u8"3|30.25|3.000E-02|中点"),
                    Utf8(u8"4|-40.00|4.000E+04|終点")}));
    // Copy rows 1..2 and insert them before row 4.
    table.SelectRows(1, 2);
    table.GridKey(Qt::Key_C, Qt::ControlModifier);
    table.ClickCell(4, 1);
    table.Key(Qt::Key_V, Qt::ControlModifier);
    // Paste them over row 7 (the last) and one row past the end.
    table.ClickCell(7, 1);
    table.Key(Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(table.m_nRows, 8);
    // Blank row before row 2, then cut it again.
    table.ClickCell(2, 1);
    AnswerNextDialog([](QWidget* dialog) { FillAndPress(dialog, 921, "1", IDOK); });
    table.Key(Qt::Key_I, Qt::ControlModifier);
    EXPECT_EQ(table.RowsAsText()[1], "|||");
    table.Key(Qt::Key_Y, Qt::ControlModifier);
    // Delete the copies: rows 4..5 with Ctrl+D, the last two with the Delete key.
    table.SelectRows(4, 5);
    table.GridKey(Qt::Key_D, Qt::ControlModifier);
    table.SelectRows(5, 6);
    table.GridKey(Qt::Key_Delete);
    EXPECT_EQ(table.m_nRows, 4);
    // Jump to the last row, find "中" backward, find again from there.
    AnswerNextDialog([](QWidget* dialog) { FillAndPress(dialog, 922, "99", IDOK); });
    table.Key(Qt::Key_J, Qt::ControlModifier);
    EXPECT_EQ(table.m_nCurRow, 4);
    AnswerNextDialog([](QWidget* dialog) {
        dialog->findChild<QCheckBox*>("925")->setChecked(false);
        FillAndPress(dialog, 924, Q(u8"中"), IDOK);
    });
    table.Key(Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(table.m_nCurRow, 3);
    EXPECT_EQ(table.m_nCurCol, 4);
    table.Key(Qt::Key_F3);
    EXPECT_EQ(sink.LastMessageUtf8(), Utf8(u8"指定文字列が見つかりません"));
    // Row 2 lacks its values: give it a number out of range, see OK refuse it, mend it.
    table.ClickCell(2, 1);
    table.Key(Qt::Key_Backspace);
    table.Type("0");
    table.OnOK();
    EXPECT_EQ(sink.LastMessageUtf8(), Utf8(u8"1～9999 範囲を入力してください"));
    EXPECT_TRUE(table.IsOpen());
    table.Key(Qt::Key_Backspace);
    table.Type("22");
    table.OnOK();
    EXPECT_FALSE(table.IsOpen());
    EXPECT_EQ(table.Dialog()->result(), IDOK);
    EXPECT_EQ(table.RowsAsText(),
              (Rows{Utf8(u8"1|10.50|1.000E+02|始点"), "22|||", Utf8(u8"3|30.25|3.000E-02|中点"),
                    Utf8(u8"4|-40.00|4.000E+04|終点")}));
    CGridData* row = table.RowAt(2);
    EXPECT_TRUE(platform::IsUnsetDouble(row->RealCell(0)));
    EXPECT_TRUE(platform::IsUnsetDouble(row->ExponentCell(0)));
    EXPECT_EQ(table.RowAt(4)->ExponentCell(0), 40000.0);
}

TEST(GridDlgStoryTest, MovingPastTheVisibleRowsScrollsOneRowAtATime) {
    testsupport::TestApplication();
    platform::RecordingSink sink;
    TestTable table;
    for (int i = 1; i <= 40; ++i) {
        table.AddRow(std::to_string(i).c_str(), "", "", u8"");
    }
    table.Open();
    EXPECT_EQ(table.TopRow(), 1);
    for (int i = 0; i < 10; ++i) {
        table.Key(Qt::Key_Down);
    }
    EXPECT_EQ(table.m_nCurRow, 11);
    EXPECT_EQ(table.TopRow(), 4); // 8 rows shown: rows 4..11
    EXPECT_EQ(table.EditText(), "11");
    for (int i = 0; i < 5; ++i) {
        table.Key(Qt::Key_Up);
    }
    EXPECT_EQ(table.m_nCurRow, 6);
    EXPECT_EQ(table.TopRow(), 4);
    table.Grid().SetTopRow(20); // the scroll bar: the current row follows into view
    EXPECT_EQ(table.m_nCurRow, 20);
    EXPECT_EQ(table.EditText(), "20");
    table.Key(Qt::Key_Tab, Qt::ShiftModifier); // before the first column: last column of row 19
    EXPECT_EQ(table.m_nCurRow, 19);
    EXPECT_EQ(table.m_nCurCol, 4);
}

TEST(GridDlgStoryTest, ATallerWindowShowsMoreRowsWithinFiveToThirty) {
    testsupport::TestApplication();
    platform::RecordingSink sink;
    TestTable table;
    table.Open();
    QDialog* dialog = table.Dialog();
    const int rowHeight = table.Grid().View()->verticalHeader()->defaultSectionSize();
    const int gridHeight = table.Grid().View()->height();
    dialog->resize(dialog->width(), dialog->height() + 3 * rowHeight);
    EXPECT_EQ(table.m_nVisibleRows, 11);
    EXPECT_EQ(table.Grid().View()->height(), gridHeight + 3 * rowHeight);
    dialog->resize(dialog->width(), dialog->height() - 20 * rowHeight);
    EXPECT_EQ(table.m_nVisibleRows, 5);
}

TEST(GridDlgStoryTest, CentredOnItsOwnerAndKeptOnTheScreen) {
    testsupport::TestApplication();
    platform::RecordingSink sink;
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QWidget ownerWidget;
    ownerWidget.setGeometry(screen.left() + 40, screen.top() + 40, 600, 500);
    ownerWidget.show();
    CWnd owner;
    owner.Attach(&ownerWidget);
    {
        TestTable table(100, true, &owner);
        table.SetPosition(-1, -1);
        table.Open();
        const QPoint centre = table.Dialog()->geometry().center();
        EXPECT_NEAR(centre.x(), ownerWidget.frameGeometry().center().x(), 2);
        EXPECT_NEAR(centre.y(), ownerWidget.frameGeometry().center().y(), 2);
    }
    ownerWidget.move(screen.right() - 100, screen.bottom() - 100);
    TestTable table(100, true, &owner);
    table.SetPosition(-1, -1);
    table.Open();
    const QRect placed = table.Dialog()->geometry();
    EXPECT_TRUE(screen.contains(placed))
        << placed.x() << "," << placed.y() << " " << placed.width() << "x" << placed.height() << " in "
        << screen.width() << "x" << screen.height();
}

} // namespace
