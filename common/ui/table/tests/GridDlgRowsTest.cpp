// Row commands of the table dialog through the keys of the grid and of the cell editor, and
// the clipboard rows they exchange.

#include "TestTable.h"
#include "testsupport/ui/MenuOutline.h"
#include "testsupport/ui/TestApplication.h"

#include "common/records/CClipboardFile.h"
#include "common/ui/table/GridMenus.h"
#include "platform/core/Clipboard.h"
#include "platform/core/RecordingSink.h"

#include "platform/ui/FlexGridView.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using platform::Utf8;
using Rows = std::vector<std::string>;

void FourRows(TestTable& table) {
    table.AddRow("1", "1.5", "1e3", u8"a");
    table.AddRow("2", "2.5", "2e3", u8"b");
    table.AddRow("3", "3.5", "", u8"地点c");
    table.AddRow("4", "4.5", "4e3", u8"d");
}

std::vector<std::string> Numbers(TestTable& table) {
    std::vector<std::string> numbers;
    for (const std::string& row : table.RowsAsText()) {
        numbers.push_back(row.substr(0, row.find('|')));
    }
    return numbers;
}

void ClearClipboard() {
    platform::ClipboardBackend& clipboard = platform::CurrentClipboard();
    clipboard.Open();
    clipboard.Empty();
    clipboard.Close();
}

TEST(GridDlgRowsTest, CopiedRowsInsertAndPasteInAnotherTableOfTheSameKind) {
    testsupport::TestApplication();
    platform::RecordingSink sink;
    ClearClipboard();
    TestTable source;
    FourRows(source);
    source.Open();
    source.SelectRows(2, 3);
    EXPECT_TRUE(source.m_bRowSelecting);
    EXPECT_EQ(source.m_nSelStart, 2);
    EXPECT_EQ(source.m_nSelEnd, 3);
    EXPECT_TRUE(source.CellEdit()->isHidden());
    source.GridKey(Qt::Key_C, Qt::ControlModifier);
    EXPECT_FALSE(source.m_bRowSelecting);
    EXPECT_FALSE(source.CellEdit()->isHidden());

    TestTable target;
    FourRows(target);
    target.Open();
    target.ClickCell(2, 2);
    target.Key(Qt::Key_V, Qt::ControlModifier); // insert before row 2
    EXPECT_EQ(Numbers(target), (Rows{"1", "2", "3", "2", "3", "4"}));
    EXPECT_EQ(target.RowsAsText()[2], Utf8(u8"3|3.50||地点c")); // unset cells come back unset
    target.ClickCell(6, 1);
    target.Key(Qt::Key_P, Qt::ControlModifier); // over rows 6 and 7, the last one new
    EXPECT_EQ(Numbers(target), (Rows{"1", "2", "3", "2", "3", "2", "3"}));
    EXPECT_EQ(target.m_nRows, 7);
    EXPECT_TRUE(target.m_bChanged);
    EXPECT_EQ(sink.MessageCount(), 0);
}

TEST(GridDlgRowsTest, DeleteCopiesTheRowsSoThatInsertBringsThemBack) {
    testsupport::TestApplication();
    platform::RecordingSink sink;
    TestTable table;
    FourRows(table);
    table.Open();
    table.SelectRows(1, 2);
    table.GridKey(Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(Numbers(table), (Rows{"3", "4"}));
    EXPECT_EQ(table.m_nCurRow, 1);
    table.Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Numbers(table), (Rows{"1", "2", "3", "4"}));
    table.SelectRows(4, 4);
    table.GridKey(Qt::Key_Delete); // Delete on a selection with the editor hidden
    EXPECT_EQ(Numbers(table), (Rows{"1", "2", "3"}));
    EXPECT_EQ(table.m_nCurRow, 3);
    EXPECT_EQ(sink.MessageCount(), 0);
}

TEST(GridDlgRowsTest, CutTakesTheCurrentRowAndTheOnlyRowLeavesAnEmptyTable) {
    testsupport::TestApplication();
    platform::RecordingSink sink;
    TestTable table;
    table.AddRow("7", "", "", u8"only");
    table.Open();
    table.Key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(table.m_nRows, 0);
    CClipboardFile file;
    ASSERT_EQ(file.IsFormatAvailable(TestTable::ClipboardFormat(), TestTable::kKind), 1);
    int count = 0;
    file.ReadInt(count);
    EXPECT_EQ(count, 1);
    file.Close();
    table.Key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(sink.LastMessageUtf8(), Utf8(u8"削除エラー!!!"));
    table.Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(table.RowsAsText(), (Rows{"7|||only"}));
}

TEST(GridDlgRowsTest, BlankRowsGoBeforeTheCurrentRowWithinTheLimit) {
    testsupport::TestApplication();
    platform::RecordingSink sink;
    TestTable table(6);
    FourRows(table);
    table.Open();
    table.ClickCell(2, 1);
    AnswerNextDialog([](QWidget* dialog) { FillAndPress(dialog, 921, "2", IDOK); });
    table.Key(Qt::Key_I, Qt::ControlModifier);
    EXPECT_EQ(Numbers(table), (Rows{"1", "", "", "2", "3", "4"}));
    AnswerNextDialog([](QWidget* dialog) { FillAndPress(dialog, 921, "1", IDOK); });
    table.Key(Qt::Key_I, Qt::ControlModifier);
    EXPECT_EQ(sink.LastMessageUtf8(), Utf8(u8"データ制限(6)を越えるため、実行できません"));
    table.ClickCell(7, 1);
    AnswerNextDialog([](QWidget* dialog) { FillAndPress(dialog, 921, "1", IDOK); });
    table.Key(Qt::Key_I, Qt::ControlModifier);
    EXPECT_EQ(sink.LastMessageUtf8(), Utf8(u8"最終行以降に空白行は挿入できません"));
    // The count dialog keeps its own range and refuses what is not a number.
    std::string refused;
    AnswerNextDialog([&refused, &sink](QWidget* dialog) {
        FillAndPress(dialog, 921, "101", IDOK);
        refused = sink.LastMessageUtf8();
        FillAndPress(dialog, 921, "2x", IDOK);
        refused += "/" + sink.LastMessageUtf8();
        PressButton(dialog, IDCANCEL);
    });
    table.Key(Qt::Key_I, Qt::ControlModifier);
    EXPECT_EQ(refused, Utf8(u8"0～100 の範囲を入力してください/整数を入力してください。"));
    EXPECT_EQ(table.m_nRows, 6);
}

TEST(GridDlgRowsTest, ClipboardRowsNeverGrowTheTablePastItsLimit) {
    testsupport::TestApplication();
    platform::RecordingSink sink;
    TestTable source;
    FourRows(source);
    source.Open();
    source.SelectRows(1, 3);
    source.GridKey(Qt::Key_C, Qt::ControlModifier);

    TestTable table(5);
    FourRows(table);
    table.Open();
    table.ClickCell(1, 1);
    table.Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(sink.LastMessageUtf8(), Utf8(u8"データ制限(5)を越えるため、実行できません"));
    table.ClickCell(4, 1);
    table.Key(Qt::Key_P, Qt::ControlModifier); // rows 4..6 would pass the limit of 5
    EXPECT_EQ(sink.LastMessageUtf8(), Utf8(u8"データ制限(5)を越えるため、実行できません"));
    table.ClickCell(3, 1);
    table.Key(Qt::Key_P, Qt::ControlModifier); // rows 3..5 fit
    EXPECT_EQ(Numbers(table), (Rows{"1", "2", "1", "2", "3"}));
    EXPECT_EQ(table.m_nRows, 5);
}

TEST(GridDlgRowsTest, RowsOfAnotherKindOrFormatAreNeverRead) {
    testsupport::TestApplication();
    platform::RecordingSink sink;
    {
        CClipboardFile file;
        ASSERT_EQ(file.Open(TestTable::ClipboardFormat(), CFile::modeWrite, 512), 1);
        file.WriteInt(810); // a block-line table's rows
        file.WriteInt(1);
        file.WriteDouble(1.0);
        file.Close();
    }
    TestTable table;
    FourRows(table);
    table.Open();
    table.Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(sink.LastMessageUtf8(), Utf8(u8"挿入データがありません。選択して下さい。"));
    table.Key(Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(sink.LastMessageUtf8(), Utf8(u8"貼付データがありません。選択して下さい。"));
    for (int count : {-3, 0}) {
        CClipboardFile file; // the right kind with a count that holds no rows
        ASSERT_EQ(file.Open(TestTable::ClipboardFormat(), CFile::modeWrite, 512), 1);
        file.WriteInt(TestTable::kKind);
        file.WriteInt(count);
        file.Close();
        sink.Clear();
        table.Key(Qt::Key_P, Qt::ControlModifier);
        EXPECT_EQ(sink.LastMessageUtf8(), Utf8(u8"貼付データがありません。選択して下さい。"));
    }
    {
        CClipboardFile file; // a count far past the data and the limit
        ASSERT_EQ(file.Open(TestTable::ClipboardFormat(), CFile::modeWrite, 512), 1);
        file.WriteInt(TestTable::kKind);
        file.WriteInt(0x7FFFFFFF);
        file.Close();
    }
    table.Key(Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(sink.LastMessageUtf8(), Utf8(u8"データ制限(100)を越えるため、実行できません"));
    EXPECT_EQ(table.m_nRows, 4);
}

TEST(GridDlgRowsTest, CommandsNeedTheirMenuItems) {
    testsupport::TestApplication();
    platform::RecordingSink sink;
    ClearClipboard();
    TestTable table(100, false);
    FourRows(table);
    table.Open();
    table.SelectRows(1, 2);
    table.GridKey(Qt::Key_C, Qt::ControlModifier);
    table.GridKey(Qt::Key_D, Qt::ControlModifier);
    table.Key(Qt::Key_Y, Qt::ControlModifier);
    CClipboardFile file;
    EXPECT_EQ(file.IsFormatAvailable(TestTable::ClipboardFormat(), TestTable::kKind), 0);
    EXPECT_EQ(table.m_nRows, 4);
    EXPECT_EQ(sink.MessageCount(), 0);
}

// The tables' menus word for word: every table's bar and pop-up, and the short forms of the
// block-line table (no jump menu) and the measurement table (delete and blank rows only); the
// full bar, which the section programs' tables show, repeats no mnemonic letter in a menu.
TEST(GridDlgRowsTest, TheMenusOfEveryKindOfTable) {
    testsupport::TestApplication();
    auto item = [](UINT id, const char* text) { return "  " + std::to_string(id) + " " + text + "\n"; };
    const std::string twoRows =
        item(ID_GRID_DELETE, "削除(&Dｻ)\tCtrl+D") + item(ID_GRID_INSERT_BLANK, "空白行の挿入(&Iｽ)\tCtrl+I");
    const std::string rows = item(ID_GRID_COPY, "ｺﾋﾟｰ(&Cﾌ)\tCtrl+C") + twoRows +
                             item(ID_GRID_INSERT_SELECTED, "選択行の挿入(&Vｿ)\tCtrl+V") +
                             item(ID_GRID_PASTE, "選択行の貼付(&Pﾍ)\tCtrl+P");
    const std::string jump = "> ｼﾞｬﾝﾌﾟ(&Jｲ)\n" + item(ID_GRID_JUMP, "指定行ｼﾞｬﾝﾌﾟ(&Jｲ)\tCtrl+J") +
                             item(ID_GRID_FIND, "文字列の検索(&Fｹ)\tCtrl+F") +
                             item(ID_GRID_FIND_AGAIN, "検索ﾘﾋﾟｰﾄ\tF3");
    CMenu full;
    BuildGridTableMenu(full);
    EXPECT_EQ(testsupport::MenuOutline(full), "> 行編集(&E)\n" + rows + jump);
    EXPECT_EQ(testsupport::MenuKeyClashes("[table]\n" + testsupport::MenuOutline(full)),
              std::vector<std::string>());
    CMenu noJump;
    BuildGridTableMenu(noJump, GridRowCommands::kAll, false);
    EXPECT_EQ(testsupport::MenuOutline(noJump), "> 行編集(&E)\n" + rows);
    CMenu measurement;
    BuildGridTableMenu(measurement, GridRowCommands::kDeleteAndInsertBlank);
    EXPECT_EQ(testsupport::MenuOutline(measurement), "> 行編集(&E)\n" + twoRows + jump);
    CMenu popup;
    BuildGridRowPopup(popup);
    EXPECT_EQ(testsupport::MenuOutline(popup), "> rows\n" + rows);
}

TEST(GridDlgRowsTest, TheRightButtonOpensThePopupMenuWhoseItemsAreRowCommands) {
    testsupport::TestApplication();
    platform::RecordingSink sink;
    TestTable table;
    FourRows(table);
    table.Open();
    table.SelectRows(2, 3);
    QString chosen;
    QTimer::singleShot(0, [&chosen] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) {
            return;
        }
        for (QAction* action : menu->actions()) {
            if (CMenu::ActionId(action) == ID_GRID_DELETE) {
                chosen = action->text();
                menu->setActiveAction(action);
                QTest::keyClick(menu, Qt::Key_Return);
                return;
            }
        }
        menu->close();
    });
    FlexGridView* view = table.Grid().View();
    const QRect cell = view->visualRect(view->model()->index(1, 1));
    QTest::mouseClick(view->viewport(), Qt::RightButton, {}, cell.center());
    EXPECT_EQ(chosen, QString::fromUtf8(u8"削除(&Dｻ)\tCtrl+D"));
    EXPECT_EQ(Numbers(table), (Rows{"1", "4"}));
}

TEST(GridDlgRowsTest, JumpFindAndFindAgain) {
    testsupport::TestApplication();
    platform::RecordingSink sink;
    TestTable table;
    FourRows(table);
    table.AddRow("5", "5.5", "", u8"地点c2");
    table.Open();
    AnswerNextDialog([](QWidget* dialog) { FillAndPress(dialog, 922, "32000", IDOK); });
    table.Key(Qt::Key_J, Qt::ControlModifier);
    EXPECT_EQ(table.m_nCurRow, 5);
    EXPECT_EQ(table.m_nCurCol, 1);
    AnswerNextDialog([](QWidget* dialog) { FillAndPress(dialog, 922, "0", IDOK); });
    table.Key(Qt::Key_J, Qt::ControlModifier);
    EXPECT_EQ(sink.LastMessageUtf8(), Utf8(u8"指定行のデータがありません"));

    table.ClickCell(1, 1);
    table.Key(Qt::Key_F3); // nothing searched yet: a beep only
    EXPECT_EQ(sink.MessageCount(), 1);
    AnswerNextDialog([](QWidget* dialog) {
        dialog->findChild<QCheckBox*>("925")->setChecked(true);
        FillAndPress(dialog, 924, QString::fromUtf8(u8"点c"), IDOK);
    });
    table.Key(Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(table.m_nCurRow, 3);
    EXPECT_EQ(table.m_nCurCol, 4);
    EXPECT_EQ(table.CellEdit()->selectedText(), QString::fromUtf8(u8"点c"));
    table.Key(Qt::Key_F3);
    EXPECT_EQ(table.m_nCurRow, 5);
    table.Key(Qt::Key_F3);
    EXPECT_EQ(sink.LastMessageUtf8(), Utf8(u8"指定文字列が見つかりません"));
    AnswerNextDialog([](QWidget* dialog) {
        dialog->findChild<QCheckBox*>("925")->setChecked(false);
        FillAndPress(dialog, 924, "2.50", IDOK);
    });
    table.Key(Qt::Key_F, Qt::ControlModifier); // backward from row 5
    EXPECT_EQ(table.m_nCurRow, 2);
    EXPECT_EQ(table.m_nCurCol, 2);
}

TEST(GridDlgRowsTest, SpreadsheetCellsPasteOverTheTable) {
    testsupport::TestApplication();
    platform::RecordingSink sink;
    TestTable table(3);
    table.Open();
    QGuiApplication::clipboard()->setText(QString::fromUtf8(u8"5\t1.25\t2e-3\tabc\r\n6\t-0.5\t\t地点\r\n"));
    table.Key(Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(table.RowsAsText(), (Rows{"5|1.25|2.000E-03|abc", Utf8(u8"6|-0.50||地点")}));
    EXPECT_EQ(sink.MessageCount(), 0);

    table.ClickCell(2, 1);
    QGuiApplication::clipboard()->setText("7\n8\n");
    table.Key(Qt::Key_Insert, Qt::ShiftModifier); // rows 2..3 fit the limit of 3
    EXPECT_EQ(table.m_nRows, 3);
    QGuiApplication::clipboard()->setText("1\n2\n3\n");
    table.Key(Qt::Key_Insert, Qt::ShiftModifier); // rows 2..4 do not
    EXPECT_EQ(sink.LastMessageUtf8(), Utf8(u8"データ制限(3)を越えたため、入力できません"));
    QGuiApplication::clipboard()->setText("9\t1x\n");
    table.Key(Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(sink.LastMessageUtf8(), Utf8(u8"文字入力エラーです"));
    EXPECT_EQ(Numbers(table), (Rows{"5", "7", "8"}));

    table.ClickCell(1, 4);
    QGuiApplication::clipboard()->setText(QString(5000, QChar('x')));
    table.Key(Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(sink.LastMessageUtf8(), Utf8(u8"桁数オーバーです"));
    QGuiApplication::clipboard()->setText(QString::fromUtf8(u8"地点ＡＢＣ"));
    table.CellEdit()->selectAll();
    table.Key(Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(sink.LastMessageUtf8(), Utf8(u8"桁数オーバーです"));
    EXPECT_EQ(table.RowsAsText()[0], "5|1.25|2.000E-03|abc");
    EXPECT_EQ(table.EditText(), "abc");
}

} // namespace
