#include "TestTable.h"

#include "common/ui/table/GridMenus.h"
#include "platform/core/Clipboard.h"
#include "platform/core/Unset.h"
#include "platform/ui/FlexGridView.h"
#include "platform/ui/QtText.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

namespace {

std::vector<CString> Styles() {
    return {CString(u8"番号 5 5 0 1 9999"), CString(u8"X座標(m) 10 8 2 -99999 999999"),
            CString(u8"係数 10 10 -3 1.0e-5 1.0e+5"), CString(u8"名称 10 8 -99 8")};
}

} // namespace

TestTable::TestTable(int rowLimit, bool withMenu, CWnd* parent) : CGridDlg(parent, 1545, 0, kKind) {
    CreateDataArray(4, 8, ClipboardFormat());
    CreateGridStyle(Styles(), CString(u8"テスト表"), nullptr, platform::kUnsetInt, platform::kUnsetInt);
    m_nRowLimit = rowLimit;
    if (withMenu) {
        BuildGridTableMenu(menuBar_);
        SetMenuBar(&menuBar_);
        BuildGridRowPopup(popupMenu_, GridRowCommands::kDeleteAndInsertBlank);
        SetPopupMenu(&popupMenu_);
    }
}

void TestTable::SetPosition(int x, int y) {
    CreateGridStyle(Styles(), CString(u8"テスト表"), nullptr, x, y);
}

UINT TestTable::ClipboardFormat() {
    return RegisterClipboardFormat("VerrantTableTest");
}

void TestTable::AddRow(const char* number, const char* x, const char* coefficient, const char8_t* name) {
    CGridData* row = m_columns.NewRow();
    m_columns.StoreText(*row, 0, number);
    m_columns.StoreText(*row, 1, x);
    m_columns.StoreText(*row, 2, coefficient);
    m_columns.StoreText(*row, 3, CString(name));
    m_rows.AddTail(row);
    m_nRows = m_rows.GetCount();
}

void TestTable::Open() {
    Create();
    Dialog()->activateWindow();
    QApplication::processEvents();
}

bool TestTable::IsOpen() const {
    return Dialog() && Dialog()->isVisible();
}

// Non-ASCII characters arrive as key events that carry only their text, as from an input method.
void TestTable::Type(const QString& text) {
    for (QChar ch : text) {
        if (ch.unicode() < 0x80) {
            QTest::keyClick(CellEdit(), ch.toLatin1());
        } else {
            QTest::sendKeyEvent(QTest::Click, CellEdit(), Qt::Key_unknown, QString(ch), Qt::NoModifier);
        }
    }
}

void TestTable::Key(int qtKey, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(CellEdit(), static_cast<Qt::Key>(qtKey), modifiers);
}

void TestTable::GridKey(int qtKey, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(Grid().View(), static_cast<Qt::Key>(qtKey), modifiers);
}

void TestTable::SelectRows(int from, int to) {
    QWidget* header = Grid().View()->verticalHeader()->viewport();
    auto at = [this](int row) {
        const QHeaderView* rows = Grid().View()->verticalHeader();
        return QPoint(5, rows->sectionViewportPosition(row - 1) + rows->sectionSize(row - 1) / 2);
    };
    QTest::mousePress(header, Qt::LeftButton, {}, at(from));
    QTest::mouseRelease(header, Qt::LeftButton, {}, at(to));
}

void TestTable::ClickCell(int row, int col) {
    FlexGridView* view = Grid().View();
    const QRect cell = view->visualRect(view->model()->index(row - 1, col - 1));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
}

QString TestTable::EditText() const {
    return CellEdit()->text();
}

std::string TestTable::CellUtf8(int row, int col) {
    return platform::ToQString(Grid().GetTextMatrix(row, col)).toStdString();
}

std::vector<std::string> TestTable::RowsAsText() {
    std::vector<std::string> rows;
    POSITION pos = m_rows.GetHeadPosition();
    for (int i = 0; i < m_nRows && pos; ++i) {
        auto* row = static_cast<CGridData*>(m_rows.GetNext(pos));
        std::string line;
        for (int col = 0; col < m_columns.Count(); ++col) {
            if (col) {
                line += '|';
            }
            line += platform::ToQString(m_columns.FormatCell(*row, col)).toStdString();
        }
        rows.push_back(line);
    }
    return rows;
}

void AnswerNextDialog(const std::function<void(QWidget*)>& answer) {
    QTimer::singleShot(0, [answer] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog) {
            AnswerNextDialog(answer); // not open yet: look again on the next turn
            return;
        }
        answer(dialog);
    });
}

void FillAndPress(QWidget* dialog, int editId, const QString& text, int buttonId) {
    if (auto* edit = dialog->findChild<QLineEdit*>(QString::number(editId))) {
        edit->setText(text);
    }
    PressButton(dialog, buttonId);
}

void PressButton(QWidget* dialog, int buttonId) {
    if (auto* button = dialog->findChild<QAbstractButton*>(QString::number(buttonId))) {
        button->click();
    }
}
