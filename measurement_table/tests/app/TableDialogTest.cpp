// The measurement table driven as a user drives it, offscreen: typed cells, paging over the
// point columns, point names, the (ds) columns, and the program's whole pass from the
// command line to the written file, with its refusals.

#include "measurement_table/app/CEditTitle.h"
#include "measurement_table/app/CGridDlg1.h"
#include "measurement_table/app/CInputMethodDlg.h"
#include "measurement_table/app/CQuilmoApp.h"

#include "platform/core/CodePage.h"
#include "platform/core/Unset.h"
#include "platform/ui/DialogScript.h"
#include "platform/ui/QtText.h"
#include "testsupport/FileBytes.h"
#include "testsupport/Fixtures.h"
#include "testsupport/ui/MenuOutline.h"
#include "testsupport/ui/TestApplication.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <QTest>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using platform::Utf8;
using quilmo::CDispData;
using quilmo::CGridDlg1;

std::string Cell(CGridDlg1& table, int row, int col) {
    return platform::ToQString(table.Grid().GetTextMatrix(row, col)).toStdString();
}

void Type(CGridDlg1& table, const char* text) {
    QTest::keyClicks(table.CellEdit(), text);
}

void Tab(CGridDlg1& table) {
    QTest::keyClick(table.CellEdit(), Qt::Key_Tab);
}

// A key the focused edit gets (the table's menu shortcuts are not asked here).
void CtrlKey(QWidget* edit, Qt::Key key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::ControlModifier);
    QApplication::sendEvent(edit, &press);
}

void Press(CDialog& dialog, int id) {
    if (auto* button = dynamic_cast<QAbstractButton*>(dialog.GetDlgItemWidget(id))) {
        button->click();
    }
}

class TableDialogTest : public testsupport::TempDirTest {
protected:
    TableDialogTest() { testsupport::TestApplication(); }

    void AddPoint(int flag, const char* name) {
        points_.push_back(std::make_unique<CDispData>(flag, CString(name), static_cast<int>(dates_.size())));
    }
    std::unique_ptr<CGridDlg1> Open(int kind, double angle = platform::kUnsetDouble) {
        auto table = std::make_unique<CGridDlg1>(nullptr, kind, points_, dates_);
        table->m_dAngle = angle;
        table->m_nRows = static_cast<int>(dates_.size());
        table->Create();
        table->Dialog()->activateWindow();
        QApplication::processEvents();
        return table;
    }
    std::string Name(CGridDlg1& table, int index) { return table.NameEdit(index)->text().toStdString(); }

    quilmo::PointList points_;
    quilmo::DateList dates_;
};

TEST_F(TableDialogTest, PagesOverThePointsAndCreatesANamedPointButNeverTakesAnUnnamedOne) {
    dates_ = {{2006, 4, 1, 10, 0}};
    for (const char* name : {"P1", "P2", "P3", "P4"}) {
        AddPoint(0, name);
    }
    points_[3]->SetValue(0, 0, 4.5);
    auto table = Open(CGridDlg1::kTwoDimensional);
    EXPECT_LT(table->Grid().GetColWidth(2), table->Grid().GetColWidth(1)); // month narrower than year
    EXPECT_EQ(Name(*table, 2), "P3");
    Press(*table, IDC_GRID_BUTTON2);
    EXPECT_EQ(table->FirstShownPoint(), 3);
    EXPECT_EQ(Name(*table, 0), "P4");
    EXPECT_EQ(Name(*table, 1), "");
    EXPECT_EQ(Cell(*table, 1, 6), "4.5");
    // Values under the empty second name: refused, the page stays.
    table->ClickCellForTest(1, 8);
    Type(*table, "7");
    Press(*table, IDC_GRID_BUTTON2);
    EXPECT_EQ(sink_.LastMessageUtf8(), Utf8(u8"地点名が未定義です"));
    EXPECT_EQ(table->FirstShownPoint(), 3);
    // Deleting a point stops there too, and the typed value stays.
    CtrlKey(table->NameEdit(0), Qt::Key_I);
    EXPECT_EQ(points_.size(), 4U);
    EXPECT_EQ(Cell(*table, 1, 8), "7.0");
    // A name makes it a point.
    table->NameEdit(1)->setText("P5");
    Press(*table, IDC_GRID_BUTTON2);
    ASSERT_EQ(points_.size(), 5U);
    EXPECT_EQ(points_[4]->Value(0, 0), 7.0);
    EXPECT_EQ(table->FirstShownPoint(), 6);
    EXPECT_FALSE(table->GetDlgItemWidget(IDC_GRID_BUTTON2)->isEnabled());
    Press(*table, IDC_GRID_BUTTON1);
    EXPECT_EQ(table->FirstShownPoint(), 3);
    sink_.Clear();
    // Ctrl+I in a name edit deletes its point, Ctrl+Y inserts one before it.
    CtrlKey(table->NameEdit(0), Qt::Key_I);
    EXPECT_EQ(points_.size(), 4U) << sink_.LastMessageUtf8();
    EXPECT_EQ(Name(*table, 0), "P5");
    CtrlKey(table->NameEdit(0), Qt::Key_Y);
    EXPECT_EQ(points_.size(), 5U);
    EXPECT_EQ(Name(*table, 1), "P5");
    // The empty point before a point with values goes again without a name.
    CtrlKey(table->NameEdit(0), Qt::Key_I);
    EXPECT_EQ(points_.size(), 4U);
    EXPECT_EQ(Name(*table, 0), "P5");
    CtrlKey(table->NameEdit(0), Qt::Key_Y);
    // A name takes at most 15 bytes of the file's code page.
    table->NameEdit(0)->setText(QString::fromUtf8(reinterpret_cast<const char*>(u8"計測点ＡＢＣＤ1")));
    table->NameEdit(0)->setText(QString::fromUtf8(reinterpret_cast<const char*>(u8"計測点ＡＢＣＤＥ")));
    EXPECT_EQ(Name(*table, 0), Utf8(u8"計測点ＡＢＣＤ1"));
}

TEST_F(TableDialogTest, OkStandsLeftOfCancelAtTheTablesRightEdge) {
    for (int kind : {CGridDlg1::kTwoDimensional, CGridDlg1::kThreeDimensional}) {
        auto table = Open(kind);
        const QRect ok = table->GetDlgItemWidget(IDOK)->geometry();
        const QRect cancel = table->GetDlgItemWidget(IDCANCEL)->geometry();
        const QRect grid = table->GetDlgItemWidget(IDC_GRID)->geometry();
        EXPECT_EQ(ok.top(), cancel.top()) << kind;
        EXPECT_LT(ok.right(), cancel.left()) << kind;
        EXPECT_GE(cancel.right(), grid.right()) << kind;
        EXPECT_GT(ok.left(), table->GetDlgItemWidget(IDC_GRID_BUTTON2)->geometry().right()) << kind;
    }
}

// The table's own menu bar, the program's only menus: no menu repeats a mnemonic letter.
TEST_F(TableDialogTest, TheTablesMenuBarRepeatsNoMnemonicLetter) {
    for (int kind : {CGridDlg1::kTwoDimensional, CGridDlg1::kThreeDimensional}) {
        auto table = Open(kind);
        const auto* bar = table->Dialog()->findChild<QMenuBar*>();
        ASSERT_NE(bar, nullptr) << kind;
        const std::string outline = "[table]\n" + testsupport::MenuOutline(*bar);
        EXPECT_NE(outline.find(Utf8(u8"> 行編集(&E)")), std::string::npos) << outline;
        EXPECT_EQ(testsupport::MenuKeyClashes(outline), std::vector<std::string>()) << kind;
    }
}

TEST_F(TableDialogTest, DsFollowsDxDyAndTheAngle) {
    dates_ = {{2006, 4, 1, 10, 0}};
    AddPoint(1, "P1");
    auto table = Open(CGridDlg1::kThreeDimensional, 30.0);
    table->ClickCellForTest(1, 6);
    Type(*table, "10");
    Tab(*table);
    Type(*table, "0");
    Tab(*table);
    EXPECT_EQ(Cell(*table, 1, 8), "8.7");
    QLineEdit* angle = table->AngleEdit();
    angle->setFocus();
    angle->selectAll();
    QTest::keyClicks(angle, "90");
    table->CellEdit()->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(Cell(*table, 1, 8), "0.0");
    EXPECT_DOUBLE_EQ(table->m_dAngle, 90.0);
}

// A title, a point name or an angle typed and then cancelled is asked about, as a typed cell is.
TEST_F(TableDialogTest, CancelAsksAfterATypedTitleNameOrAngle) {
    dates_ = {{2006, 4, 1, 10, 0}};
    AddPoint(1, "P1");
    const struct {
        const char* field;
        int kind;
        QLineEdit* (*edit)(CGridDlg1&);
    } cases[] = {
        {"title", CGridDlg1::kTwoDimensional,
         [](CGridDlg1& t) { return dynamic_cast<QLineEdit*>(t.GetDlgItemWidget(quilmo::IDC_DATA_TITLE)); }},
        {"name", CGridDlg1::kTwoDimensional, [](CGridDlg1& t) -> QLineEdit* { return t.NameEdit(0); }},
        {"angle", CGridDlg1::kThreeDimensional, [](CGridDlg1& t) { return t.AngleEdit(); }},
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.field);
        auto table = Open(entry.kind, 15.0);
        QLineEdit* edit = entry.edit(*table);
        ASSERT_NE(edit, nullptr);
        edit->setFocus();
        QTest::keyClicks(edit, "7");
        bool asked = false;
        platform::DialogScript::Queue([&asked](CDialog& confirm) {
            asked = true;
            confirm.OnCancel();
        });
        table->OnCancel();
        platform::DialogScript::Clear();
        EXPECT_TRUE(asked);
        EXPECT_TRUE(table->Dialog()->isVisible());
    }
}

TEST_F(TableDialogTest, CurrentRowIsDeletedFromTheDatesAndEveryPoint) {
    dates_ = {{2006, 4, 1, 10, 0}, {2006, 4, 2, 10, 0}, {2006, 4, 3, 10, 0}};
    for (const char* name : {"P1", "P2", "P3", "P4"}) {
        AddPoint(0, name);
    }
    points_[3]->SetValue(1, 1, -2.0);
    auto table = Open(CGridDlg1::kTwoDimensional);
    table->ClickCellForTest(2, 1);
    QTest::keyClick(table->CellEdit(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(dates_.size(), 2U);
    EXPECT_EQ(dates_[1][2], 3);
    EXPECT_EQ(points_[3]->Count(), 2);
    EXPECT_TRUE(platform::IsUnsetDouble(points_[3]->Value(1, 1)));
}

// The program's pass, as the base menu starts it.
class QuilmoRunTest : public TableDialogTest {
protected:
    void SetUp() override {
        ::setenv("XDG_RUNTIME_DIR", dir_.Path().c_str(), 1);
        app_.m_saveEnvironment.readBaseMenuName = [](CString&) { return false; };
    }
    void TearDown() override { platform::DialogScript::Clear(); }
    void Start(std::vector<CString> args) {
        app_.m_args = std::move(args);
        EXPECT_FALSE(app_.InitInstance());
    }
    quilmo::CQuilmoApp app_;
};

TEST_F(QuilmoRunTest, RefusedCommandLinesOpenNoWindow) {
    int opened = 0;
    for (int i = 0; i < 3; ++i) {
        platform::DialogScript::Queue([&opened](CDialog& dialog) {
            ++opened;
            dialog.OnCancel();
        });
    }
    Start({});
    Start({"@"});
    Start({CString(Path("no.dir/name").c_str())});
    EXPECT_EQ(opened, 0);
    // "@" before a new file asks the input method; Cancel writes nothing.
    Start({"@", CString(Path("new.dis").c_str())});
    EXPECT_EQ(opened, 1);
    EXPECT_FALSE(fs::exists(Path("new.dis")));
}

TEST_F(QuilmoRunTest, NewFileIsTypedCheckedAndSavedAndAFailedWriteKeepsTheTable) {
    const std::string file = Path("new.dis");
    platform::DialogScript::Queue([](CDialog& dialog) {
        dialog.CheckDlgButton(quilmo::IDC_METHOD_2D, 1);
        dialog.OnOK();
    });
    bool stayedOpen = false;
    platform::DialogScript::Queue([&](CDialog& dialog) {
        auto& table = dynamic_cast<CGridDlg1&>(dialog);
        table.NameEdit(0)->setText("P1");
        Type(table, "2006");
        Tab(table);
        Type(table, "2");
        Tab(table);
        Type(table, "31");
        Tab(table);
        Tab(table);
        Tab(table);
        Type(table, "12.5");
        QApplication::processEvents();
        // 2006/2/31 is no date: the table stays whatever the answer.
        for (int i = 0; i < 3; ++i) {
            sink_.QueueAnswer(IDYES);
        }
        table.OnOK();
        ASSERT_FALSE(sink_.MessagesUtf8().empty());
        EXPECT_EQ(sink_.MessagesUtf8().front(), Utf8(u8"1行目 日付ｴﾗｰ"));
        EXPECT_TRUE(table.Dialog()->isVisible());
        table.ClickCellForTest(1, 3);
        Type(table, "28");
        // A directory in the file's place: the write fails, its message shows, the table stays.
        fs::create_directory(file);
        sink_.Clear();
        table.OnOK();
        fs::remove(file);
        stayedOpen = table.Dialog()->isVisible() && !sink_.Events().empty();
        table.OnOK();
    });
    Start({"@", CString(file.c_str())});
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(testsupport::ReadBytes(file),
              "TITLE                                                       GOLMIR001\r\nANGLE               "
              "\r\nDATE\r\n"
              "2006,2,28,-1,-1\r\nDISP          0P1\r\n     12.50          \r\nEND\r\n");
}

TEST_F(QuilmoRunTest, AFileNotReadWholeOpensNoTableAndStaysAsItWas) {
    const std::string sample = testsupport::ReadBytes(fs::path(VERRANT_SOURCE_DIR) / "data/sample.dis");
    std::string garbled = sample;
    garbled.replace(garbled.find("2026,6,12,14,30"), 15, "2026/6/12 14:30");
    std::string binary = sample;
    binary.replace(binary.find("      8.74    -13.34"), 20, std::string(20, '\0'));
    for (const std::string& bytes : {sample.substr(0, 300), garbled, binary}) {
        testsupport::WriteBytes(Path("m.dis"), bytes);
        bool opened = false;
        // Were the table to open, OK and Yes to every question would write it.
        platform::DialogScript::Queue([&](CDialog& dialog) {
            opened = true;
            for (int i = 0; i < 8; ++i) {
                sink_.QueueAnswer(IDYES);
            }
            dialog.OnOK();
        });
        Start({CString(Path("m.dis").c_str())});
        platform::DialogScript::Clear();
        EXPECT_FALSE(opened);
        EXPECT_EQ(testsupport::ReadBytes(Path("m.dis")), bytes);
    }
}

TEST_F(QuilmoRunTest, AFileWithAnAngleOpensTheThreeDimensionalTable) {
    testsupport::WriteBytes(Path("m.dis"),
                            "TITLE     t\r\nANGLE         15.000\r\nDATE\r\n2006,4,1,0,0\r\nEND\r\n");
    int kind = 0;
    platform::DialogScript::Queue([&kind](CDialog& dialog) {
        kind = dynamic_cast<CGridDlg1&>(dialog).m_nTableKind;
        dialog.OnCancel();
    });
    Start({CString(Path("m.dis").c_str()),
           CString((fs::path(VERRANT_SOURCE_DIR) / "data/sample.sec").c_str())});
    EXPECT_EQ(kind, CGridDlg1::kThreeDimensional);
}

// A file under Japanese names opens, asks before it is overwritten and is saved; a read-only
// one opens and is never replaced.
TEST_F(QuilmoRunTest, JapaneseNamedAndReadOnlyFilesOpenAndAreOverwrittenOnlyWhenAllowed) {
    dir_.MakeDirectory(Utf8(u8"日本語フォルダ"));
    const std::string sample = (fs::path(VERRANT_SOURCE_DIR) / "data/sample.dis").string();
    const std::string japanese = Path(Utf8(u8"日本語フォルダ/計測.dis"));
    const std::string readOnly = Path("ro.dis");
    fs::copy_file(sample, japanese);
    fs::copy_file(sample, readOnly);
    fs::permissions(readOnly, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    for (const std::string& path : {japanese, readOnly}) {
        SCOPED_TRACE(path);
        sink_.Clear();
        bool refusedAndStayed = false;
        platform::DialogScript::Queue([&](CDialog& dialog) {
            sink_.QueueAnswer(IDYES);
            dialog.OnOK();
            refusedAndStayed = dynamic_cast<CGridDlg1&>(dialog).Dialog()->isVisible();
            dialog.OnCancel();
        });
        Start({CString(platform::Utf8ToCp932(path)),
               CString((fs::path(VERRANT_SOURCE_DIR) / "data/sample.sec").c_str())});
        const std::vector<std::string> messages = sink_.MessagesUtf8();
        ASSERT_FALSE(messages.empty());
        EXPECT_EQ(messages.front(), path + Utf8(u8"\n上書きしてもよろしいですか？"));
        EXPECT_EQ(refusedAndStayed, path == readOnly) << messages.back();
        EXPECT_EQ(testsupport::ReadBytes(path), testsupport::ReadBytes(sample));
    }
}

} // namespace
