// QUILMO as a user meets it, started by the base menu's measurement button: a new file over
// the bundled section model's measurement points, entered as two dated readings in the
// two-dimensional table (the earlier one in a row inserted through the table's menu) and in
// the three-dimensional one (with its direction angle), each saved with OK; the files read back
// by a second reader as CP932 text; the two-dimensional file opened again with its readings and
// saved over itself; and a copy cut short refused without the table opening or being written.
#include "measurement_table/app/CEditTitle.h"
#include "measurement_table/app/CGridDlg1.h"
#include "measurement_table/app/CInputMethodDlg.h"
#include "measurement_table/app/CQuilmoApp.h"

#include "platform/core/CodePage.h"
#include "platform/core/MessageSink.h"
#include "platform/core/RecordingSink.h"
#include "platform/ui/DialogScript.h"
#include "platform/ui/QtText.h"
#include "testsupport/FileBytes.h"
#include "testsupport/TempDir.h"
#include "testsupport/ui/Journey.h"
#include "testsupport/ui/TestApplication.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QTest>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

namespace quilmo {
namespace {

namespace fs = std::filesystem;

void Press(CDialog& dialog, int id) {
    auto* button = dynamic_cast<QAbstractButton*>(dialog.GetDlgItemWidget(id));
    ASSERT_NE(button, nullptr) << id;
    ASSERT_TRUE(button->isEnabled()) << id;
    button->click();
}

// Types the texts into the table from its current cell on, Tab after each.
void TypeCells(CGridDlg1& table, std::initializer_list<const char*> texts) {
    for (const char* text : texts) {
        QTest::keyClicks(table.CellEdit(), text);
        QTest::keyClick(table.CellEdit(), Qt::Key_Tab);
    }
}

std::string Cell(CGridDlg1& table, int row, int col) {
    return platform::ToQString(table.Grid().GetTextMatrix(row, col)).toStdString();
}

void ChooseMethod(int id) {
    platform::DialogScript::Queue([id](CDialog& dialog) {
        Press(dialog, id);
        Press(dialog, IDOK);
    });
}

class QuilmoJourney {
public:
    QuilmoJourney() {
        testsupport::TestApplication();
        ::setenv("XDG_RUNTIME_DIR", runtime_.Path().c_str(), 1);
        fs::copy_file(fs::path(VERRANT_SOURCE_DIR) / "data/sample.sec", Model());
    }
    std::string File(const char* name) const { return (files_.Path() / name).string(); }
    std::string Model() const { return File("sample.sec"); }

    // The base menu's measurement button: "@" before a file to be made, then the section model.
    void Start(const std::string& file, bool create) {
        std::vector<CString> args;
        if (create) {
            args.emplace_back("@");
        }
        args.emplace_back(file.c_str());
        args.emplace_back(Model().c_str());
        CQuilmoApp app;
        app.m_args = args;
        platform::SetMessageCaption(app.ProgramName());
        EXPECT_FALSE(app.InitInstance()); // the pass runs inside the start-up
        app.ExitInstance();
        platform::SetMessageCaption("");
        platform::DialogScript::Clear();
        testsupport::Settle();
    }

    platform::RecordingSink sink_;

private:
    testsupport::TempDir runtime_;
    testsupport::TempDir files_;
};

std::string Decoded(const std::string& path) {
    const testsupport::ToolRun text = testsupport::ReadCp932(path);
    EXPECT_EQ(text.exitCode, 0) << text.output;
    return text.output;
}

TEST(Journey, QuilmoEntersReadingsInBothFormsSavesReopensAndRefusesACutFile) {
    testsupport::RequireTool("iconv", "libc-bin");
    QuilmoJourney journey;
    const std::string plane = journey.File("plane.dis");
    const std::string space = journey.File("space.dis");

    // Two dimensions: the later reading first, then a row inserted above it for the earlier.
    ChooseMethod(IDC_METHOD_2D);
    bool named = false;
    platform::DialogScript::Queue([&](CDialog& dialog) {
        auto& table = dynamic_cast<CGridDlg1&>(dialog);
        named = table.NameEdit(0)->text() == platform::ToQString(u8"計測点1") &&
                table.NameEdit(2)->text() == platform::ToQString(u8"計測点3");
        TypeCells(table, {"2026", "6", "12", "14", "30", "8.5", "-2.5"});
        table.ClickCellForTest(1, 1);
        ASSERT_TRUE(
            testsupport::ChooseMenu(*table.Dialog(), {u8"行編集", u8"空白行の挿入"}, [](CDialog& count) {
                count.SetDlgItemText(921, "1");
                Press(count, IDOK);
            }));
        table.ClickCellForTest(1, 1);
        TypeCells(table, {"2026", "4", "10", "10", "0", "0", "0"});
        Press(table, IDOK);
    });
    journey.Start(plane, true);
    EXPECT_TRUE(named);
    ASSERT_TRUE(fs::exists(plane)) << journey.sink_.LastMessageUtf8();
    const std::string planeText = Decoded(plane);
    EXPECT_NE(planeText.find("GOLMIR001"), std::string::npos) << planeText;
    EXPECT_NE(planeText.find("DATE\r\n2026,4,10,10,0\r\n2026,6,12,14,30\r\n"), std::string::npos)
        << planeText;
    EXPECT_NE(planeText.find(platform::Utf8(u8"DISP          0計測点1\r\n      0.00      0.00\r\n"
                                            u8"      8.50     -2.50\r\n")),
              std::string::npos)
        << planeText;

    // Three dimensions: the direction angle, then dx, dy and dz; (ds) follows from them.
    ChooseMethod(IDC_METHOD_3D);
    platform::DialogScript::Queue([&](CDialog& dialog) {
        auto& table = dynamic_cast<CGridDlg1&>(dialog);
        QLineEdit* angle = table.AngleEdit();
        QApplication::setActiveWindow(table.Dialog()); // focus moves only in the active window
        angle->setFocus();
        QTest::keyClicks(angle, "30");
        table.CellEdit()->setFocus();
        table.ClickCellForTest(1, 1);
        TypeCells(table, {"2026", "4", "10", "10", "0", "0", "0"});
        table.ClickCellForTest(1, 9);
        TypeCells(table, {"0"});
        table.ClickCellForTest(2, 1);
        TypeCells(table, {"2026", "6", "12", "14", "30", "10", "0"});
        table.ClickCellForTest(2, 9);
        TypeCells(table, {"-1.5"});
        EXPECT_EQ(Cell(table, 2, 8), "8.7");
        Press(table, IDOK);
    });
    journey.Start(space, true);
    ASSERT_TRUE(fs::exists(space)) << journey.sink_.LastMessageUtf8();
    const std::string spaceText = Decoded(space);
    EXPECT_NE(spaceText.find("ANGLE         30.000\r\n"), std::string::npos) << spaceText;
    EXPECT_NE(spaceText.find(platform::Utf8(u8"DISP          1計測点1\r\n"
                                            u8"      0.00      0.00      0.00      0.00\r\n"
                                            u8"      8.66     -1.50     10.00      0.00\r\n")),
              std::string::npos)
        << spaceText;

    // Opened again: the readings are in the table, and OK saves them over the file after asking,
    // byte for byte as they were.
    const std::string planeBytes = testsupport::ReadBytes(plane);
    std::string shown;
    platform::DialogScript::Queue([&](CDialog& dialog) {
        auto& table = dynamic_cast<CGridDlg1&>(dialog);
        shown = Cell(table, 2, 1) + "/" + Cell(table, 2, 2) + "/" + Cell(table, 2, 3) + " " +
                Cell(table, 2, 6) + " " + Cell(table, 2, 7);
        journey.sink_.QueueAnswer(IDYES);
        Press(table, IDOK);
    });
    journey.sink_.Clear();
    journey.Start(plane, false);
    EXPECT_EQ(shown, "2026/6/12 8.5 -2.5");
    EXPECT_EQ(journey.sink_.LastMessageUtf8(), plane + platform::Utf8(u8"\n上書きしてもよろしいですか？"));
    EXPECT_EQ(testsupport::ReadBytes(plane), planeBytes);

    // Cut short: its message, no table, and the file stays as it is.
    const std::string cut = journey.File("cut.dis");
    testsupport::WriteBytes(cut, planeBytes.substr(0, planeBytes.size() * 2 / 3));
    const std::string cutBytes = testsupport::ReadBytes(cut);
    bool opened = false;
    platform::DialogScript::Queue([&](CDialog& dialog) {
        opened = true;
        journey.sink_.QueueAnswer(IDYES);
        dialog.OnOK();
    });
    journey.sink_.Clear();
    journey.Start(cut, false);
    EXPECT_FALSE(opened);
    EXPECT_EQ(journey.sink_.LastMessageUtf8(),
              platform::Utf8(u8"ﾌｧｲﾙが途中で終了しているため、読み込みできません"));
    EXPECT_EQ(testsupport::ReadBytes(cut), cutBytes);
}

} // namespace
} // namespace quilmo
