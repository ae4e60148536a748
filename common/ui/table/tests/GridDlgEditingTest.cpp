// The table dialog driven by keys and the mouse: typing, refused keystrokes, rows that grow
// and shrink, the checks of OK and the question of Cancel.

#include "TestTable.h"
#include "testsupport/ui/TestApplication.h"

#include "platform/core/RecordingSink.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMouseEvent>
#include <gtest/gtest.h>

namespace {

using platform::Utf8;

QString Q(const char8_t* text) {
    return QString::fromUtf8(reinterpret_cast<const char*>(text));
}

TEST(GridDlgEditingTest, KeyboardFillsRowsAndMovesLikeTheKeysSay) {
    testsupport::TestApplication();
    platform::RecordingSink sink;
    TestTable table;
    table.Open();
    EXPECT_EQ(table.m_nCurRow, 1);
    EXPECT_EQ(table.m_nCurCol, 1);
    table.Type("12");
    table.Key(Qt::Key_Tab);
    table.Type("3.5");
    table.Key(Qt::Key_Tab);
    table.Type("1.5e3");
    table.Key(Qt::Key_Tab);
    table.Type(Q(u8"地点A"));
    table.Key(Qt::Key_Return); // past the last column: first column of the next row
    EXPECT_EQ(table.m_nCurRow, 2);
    EXPECT_EQ(table.m_nCurCol, 1);
    table.Type("7");
    table.Key(Qt::Key_Right, Qt::ShiftModifier);
    table.Type("-2");
    table.Key(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(table.m_nCurCol, 1);
    table.Key(Qt::Key_Up);
    EXPECT_EQ(table.m_nCurRow, 1);
    EXPECT_EQ(table.EditText(), "12");
    EXPECT_EQ(table.RowsAsText(), (std::vector<std::string>{Utf8(u8"12|3.50|1.500E+03|地点A"), "7|-2.00||"}));
    EXPECT_EQ(table.CellUtf8(2, 0), "2");
    EXPECT_EQ(sink.MessageCount(), 0);
    EXPECT_TRUE(table.m_bChanged);
}

TEST(GridDlgEditingTest, EveryCharacterIsCheckedAndARefusedOneIsTakenBack) {
    testsupport::TestApplication();
    platform::RecordingSink sink;
    TestTable table;
    table.Open();
    table.Type("12");
    table.Key(Qt::Key_Home);
    table.Key(Qt::Key_Right);
    table.Type("-"); // in the middle: "1-2"
    EXPECT_EQ(sink.LastMessageUtf8(), Utf8(u8"文字入力エラーです"));
    EXPECT_EQ(table.EditText(), "12");
    table.Key(Qt::Key_End);
    table.Type(".");
    EXPECT_EQ(sink.LastMessageUtf8(), Utf8(u8"小数点は入力できません"));
    EXPECT_EQ(table.EditText(), "12");
    table.Key(Qt::Key_Tab);
    table.Type("123456.");
    EXPECT_EQ(sink.LastMessageUtf8(), Utf8(u8"桁数オーバーです"));
    EXPECT_EQ(table.EditText(), "123456");
    table.Key(Qt::Key_Tab);
    table.Key(Qt::Key_Tab);
    table.Type(Q(u8"地点ＡＢＣ")); // 10 bytes into an 8-byte column: the last character is refused whole
    EXPECT_EQ(table.EditText(), Q(u8"地点ＡＢ"));
    EXPECT_EQ(table.RowsAsText(), (std::vector<std::string>{Utf8(u8"12|123456.00||地点ＡＢ")}));
    EXPECT_GE(sink.BeepCount(), 4);
}

TEST(GridDlgEditingTest, TypingBelowTheDataAddsRowsAndClearingTheLastRowRemovesEmptyOnes) {
    testsupport::TestApplication();
    platform::RecordingSink sink;
    TestTable table;
    table.AddRow("1", "1", "1", u8"a");
    table.AddRow("2", "2", "2", u8"b");
    table.Open();
    table.ClickCell(5, 1);
    EXPECT_EQ(table.m_nCurRow, 5);
    table.Type("9");
    EXPECT_EQ(table.m_nRows, 5);
    EXPECT_EQ(table.RowsAsText()[2], "|||");
    EXPECT_EQ(table.RowsAsText()[4], "9|||");
    table.Key(Qt::Key_Backspace);
    EXPECT_EQ(table.m_nRows, 2);
    EXPECT_EQ(sink.MessageCount(), 0);
}

TEST(GridDlgEditingTest, RowLimitRefusesTypingPastIt) {
    testsupport::TestApplication();
    platform::RecordingSink sink;
    TestTable table(2);
    table.AddRow("1", "1", "1", u8"a");
    table.AddRow("2", "2", "2", u8"b");
    table.Open();
    table.ClickCell(3, 2);
    table.Type("5");
    EXPECT_EQ(sink.LastMessageUtf8(), Utf8(u8"データ制限(2)を越えたため、入力できません"));
    EXPECT_EQ(table.m_nRows, 2);
    EXPECT_EQ(table.EditText(), "");
}

TEST(GridDlgEditingTest, ATableWithoutALimitTakesNoRows) {
    testsupport::TestApplication();
    platform::RecordingSink sink;
    TestTable table(0);
    table.Open();
    EXPECT_EQ(table.Grid().GetRows(), 1 + 8);
    table.Type("1");
    EXPECT_EQ(sink.LastMessageUtf8(), Utf8(u8"データ制限(0)を越えたため、入力できません"));
    EXPECT_EQ(table.m_nRows, 0);
}

TEST(GridDlgEditingTest, OkChecksEveryCellAndShowsTheFailingOne) {
    testsupport::TestApplication();
    platform::RecordingSink sink;
    TestTable table;
    table.AddRow("1", "1", "1", u8"a");
    table.AddRow("0", "2", "2", u8"b");
    table.AddRow("3", "3", "2e-6", u8"c");
    table.Open();
    table.OnOK();
    EXPECT_TRUE(table.IsOpen());
    EXPECT_EQ(sink.LastMessageUtf8(), Utf8(u8"1～9999 範囲を入力してください"));
    EXPECT_EQ(table.m_nCurRow, 2);
    EXPECT_EQ(table.m_nCurCol, 1);
    table.Type("5");
    table.OnOK();
    EXPECT_EQ(sink.LastMessageUtf8(), Utf8(u8"1.000000e-05～1.000000e+05 範囲を入力してください"));
    EXPECT_EQ(table.m_nCurRow, 3);
    EXPECT_EQ(table.m_nCurCol, 3);
    table.Type("2e-5");
    int asked = 0;
    table.m_notifyMessage = 0x400 + 101;
    table.m_notifyOwner = [&asked](UINT message, int kind, CGridDlg*) {
        ++asked;
        EXPECT_EQ(message, 0x400u + 101);
        EXPECT_EQ(kind, TestTable::kKind);
        return asked > 1 ? 1L : 0L; // the owner refuses once
    };
    table.OnOK();
    EXPECT_TRUE(table.IsOpen());
    table.OnOK();
    EXPECT_FALSE(table.IsOpen());
    EXPECT_EQ(table.Dialog()->result(), IDOK);
    EXPECT_EQ(table.RowsAsText()[1], "5|2.00|2.000E+00|b");
    EXPECT_EQ(table.RowsAsText()[2], "3|3.00|2.000E-05|c");
}

TEST(GridDlgEditingTest, CancelAsksOnlyWhenChanged) {
    testsupport::TestApplication();
    platform::RecordingSink sink;
    {
        TestTable table;
        table.Open();
        table.OnCancel();
        EXPECT_FALSE(table.IsOpen());
        EXPECT_EQ(table.Dialog()->result(), IDCANCEL);
    }
    TestTable table;
    table.Open();
    table.Type("4");
    QString question;
    AnswerNextDialog([&question](QWidget* dialog) {
        question = dialog->findChild<QLabel*>("923")->text();
        PressButton(dialog, IDCANCEL); // "戻る"
    });
    table.OnCancel();
    EXPECT_EQ(question, Q(u8"変更されていますが、キャンセルしますか？"));
    EXPECT_TRUE(table.IsOpen());
    AnswerNextDialog([](QWidget* dialog) { PressButton(dialog, IDOK); });
    table.OnCancel();
    EXPECT_FALSE(table.IsOpen());
    EXPECT_EQ(table.Dialog()->result(), IDCANCEL);
}

// A keyboard alone finishes a table: Ctrl+Tab, or Tab past the end of the empty row below
// the data, leaves the grid for the buttons (Tab keeps moving between cells), Esc puts the cell
// back and a second Esc closes the table, and a click on the cell being edited lets typing
// replace its value.
TEST(GridDlgEditingTest, AKeyboardFinishesTheTableAndAClickOnTheEditedCellReplacesItsValue) {
    testsupport::TestApplication();
    platform::RecordingSink sink;
    TestTable table;
    table.AddRow("2", "1.50", "", u8"a");
    table.Open();
    table.Type("7");
    table.Key(Qt::Key_Escape);
    EXPECT_EQ(table.EditText(), "2");
    EXPECT_EQ(table.RowsAsText(), (std::vector<std::string>{"2|1.50||a"}));
    EXPECT_TRUE(table.IsOpen());

    QMouseEvent press(QEvent::MouseButtonPress, QPointF(4, 4), QPointF(4, 4), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(4, 4), QPointF(4, 4), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(table.CellEdit(), &press);
    QApplication::sendEvent(table.CellEdit(), &release);
    table.Type("5");
    EXPECT_EQ(table.EditText(), "5");

    table.Key(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(table.Dialog()->focusWidget(), table.Dialog()->findChild<QWidget*>(QString::number(IDOK)));
    EXPECT_EQ(table.RowsAsText(), (std::vector<std::string>{"5|1.50||a"}));

    // Tab through the empty row below the data reaches the buttons as well; Shift+Tab before
    // the first cell goes back out.
    QWidget* const ok = table.Dialog()->findChild<QWidget*>(QString::number(IDOK));
    table.GoTo(2, 1);
    for (int col = 1; col <= 4; ++col) {
        table.Key(Qt::Key_Tab);
    }
    EXPECT_EQ(table.Dialog()->focusWidget(), ok);
    EXPECT_EQ(table.RowsAsText(), (std::vector<std::string>{"5|1.50||a"}));
    table.GoTo(1, 1);
    table.Key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_NE(table.Dialog()->focusWidget(), table.CellEdit());

    table.Type("7");
    table.Key(Qt::Key_Escape);
    EXPECT_EQ(table.RowsAsText(), (std::vector<std::string>{"5|1.50||a"}));
    // Nothing left to put back: the table closes as Cancel does.
    AnswerNextDialog([](QWidget* dialog) { PressButton(dialog, IDOK); });
    table.Key(Qt::Key_Escape);
    EXPECT_FALSE(table.IsOpen());
    EXPECT_EQ(table.Dialog()->result(), IDCANCEL);
}

} // namespace
