#include "TitleBarNeeds.h"
#include "testsupport/TempDir.h"
#include "testsupport/ui/TestApplication.h"

#include "platform/core/RecordingSink.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/CFileDialog.h"
#include "platform/ui/DialogScript.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateTime>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

constexpr int kNameEdit = 1001;
constexpr int kOption = 1002;
constexpr int kApply = 1003;

class NameDialog : public CDialog {
public:
    NameDialog() : CDialog(130) {
        MapCommand(kApply, [this] { ++applied; });
    }
    int applied = 0;

protected:
    void CreateControls() override {
        auto* layout = new QVBoxLayout(GetWidget());
        layout->addWidget(AddControl(kNameEdit, new QLineEdit));
        layout->addWidget(AddControl(kOption, new QCheckBox("option")));
        layout->addWidget(AddControl(kApply, new QPushButton("apply")));
        layout->addWidget(AddControl(IDOK, new QPushButton("OK")));
    }
};

TEST(DialogTest, ControlsAreFoundByIdAndTextsCrossInCp932) {
    testsupport::TestApplication();
    NameDialog dialog;
    dialog.EnsureCreated();
    EXPECT_EQ(dialog.GetWidget()->objectName(), "130");
    ASSERT_NE(dialog.GetDlgItemWidget(kNameEdit), nullptr);
    dialog.SetDlgItemText(kNameEdit, CString(u8"計算結果"));
    EXPECT_EQ(qobject_cast<QLineEdit*>(dialog.GetDlgItemWidget(kNameEdit))->text(),
              QString::fromUtf8(u8"計算結果"));
    CString text;
    dialog.GetDlgItemText(kNameEdit, text);
    EXPECT_EQ(text, CString(u8"計算結果"));
    dialog.SetDlgItemInt(kNameEdit, -42);
    BOOL ok = FALSE;
    EXPECT_EQ(dialog.GetDlgItemInt(kNameEdit, &ok), -42);
    EXPECT_TRUE(ok);
    dialog.SetDlgItemText(kNameEdit, "x1");
    dialog.GetDlgItemInt(kNameEdit, &ok);
    EXPECT_FALSE(ok);
    dialog.CheckDlgButton(kOption, 1);
    EXPECT_EQ(dialog.IsDlgButtonChecked(kOption), 1u);
    EXPECT_EQ(dialog.GetDlgItem(9999), nullptr);
}

TEST(DialogTest, ButtonsRouteTheirIdsAndOkEndsTheModalLoop) {
    testsupport::TestApplication();
    NameDialog dialog;
    dialog.EnsureCreated();
    QTimer::singleShot(0, [&dialog] {
        qobject_cast<QPushButton*>(dialog.GetDlgItemWidget(kApply))->click();
        qobject_cast<QPushButton*>(dialog.GetDlgItemWidget(IDOK))->click();
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.applied, 1);
}

TEST(DialogTest, EscapeCancels) {
    testsupport::TestApplication();
    NameDialog dialog;
    dialog.EnsureCreated();
    QTimer::singleShot(0, [&dialog] { dialog.Dialog()->reject(); });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

// The window manager draws the title beside the window's icon and its buttons: a dialog laid out
// to two short fields showed "新規-地… 界点 (3)". Whatever its contents, the dialog leaves room
// for its title, also for one given while it is shown, and keeps a larger minimum of its own.
TEST(DialogTest, ADialogIsWideEnoughForItsTitle) {
    testsupport::TestApplication();
    const QString title = QString::fromUtf8(u8"参照-右地表境界点 (右地表端)");
    const QString longer = QString::fromUtf8(u8"参照-右地表境界点 (右地表端) すべり線で使用");
    NameDialog dialog;
    dialog.EnsureCreated();
    dialog.Dialog()->setWindowTitle(title);
    int shown = 0;
    int retitled = 0;
    QTimer::singleShot(0, [&] {
        shown = dialog.Dialog()->width();
        dialog.Dialog()->setWindowTitle(longer);
        QApplication::processEvents();
        retitled = dialog.Dialog()->width();
        dialog.Dialog()->reject();
    });
    dialog.DoModal();
    EXPECT_GE(shown, TitleBarNeeds(title));
    EXPECT_GE(retitled, TitleBarNeeds(longer));

    NameDialog wide;
    wide.EnsureCreated();
    wide.Dialog()->setWindowTitle(title);
    wide.Dialog()->setMinimumWidth(900);
    QTimer::singleShot(0, [&wide] { wide.Dialog()->reject(); });
    wide.DoModal();
    EXPECT_EQ(wide.Dialog()->minimumWidth(), 900);
}

} // namespace

namespace {

// The file dialog's detail view once the folder's listing, read in the background, arrived.
QTreeView* ListedDetails(CDialog& open) {
    auto* details = open.GetWidget()->findChild<QTreeView*>(QStringLiteral("treeView"));
    if (details) {
        QElapsedTimer waited;
        waited.start();
        while (details->model()->rowCount(details->rootIndex()) == 0 && waited.elapsed() < 5000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        }
        QCoreApplication::processEvents();
    }
    return details;
}

// Sizes, types and dates of the file dialog's detail view are readable in full, whatever
// widths the user's settings remember.
TEST(FileDialogColumnsTest, SizeTypeAndDateFitTheirTexts) {
    testsupport::TestApplication();
    const testsupport::TempDir files("file-dialog-columns");
    files.Write("sample.log", std::string(12500, 'x'));
    const std::string directory = files.Path().string();
    CFileDialog dialog(TRUE);
    dialog.m_ofn.lpstrInitialDir = directory.c_str();
    // Qt restores the columns of the user's last file dialog, however narrow.
    dialog.EnsureCreated();
    QHeaderView* header = dialog.FileDialog()->findChild<QTreeView*>(QStringLiteral("treeView"))->header();
    header->setSectionResizeMode(QHeaderView::Interactive);
    for (int column = 1; column < 4; ++column) {
        header->resizeSection(column, 20);
    }
    std::vector<int> overflow;
    platform::DialogScript::Queue([&overflow](CDialog& open) {
        QTreeView* details = ListedDetails(open);
        ASSERT_NE(details, nullptr);
        ASSERT_GT(details->model()->rowCount(details->rootIndex()), 0);
        const QModelIndex row = details->model()->index(0, 0, details->rootIndex());
        for (int column = 1; column < 4; ++column) {
            const QString text = row.siblingAtColumn(column).data().toString();
            if (details->fontMetrics().horizontalAdvance(text) > details->columnWidth(column)) {
                overflow.push_back(column);
            }
        }
        open.OnCancel();
    });
    dialog.DoModal();
    EXPECT_TRUE(overflow.empty()) << overflow.size();
}

// The detail view's dates read as Japanese dates, like the dialog's other texts.
TEST(FileDialogColumnsTest, DatesInJapaneseForm) {
    testsupport::TestApplication();
    const testsupport::TempDir files("file-dialog-dates");
    files.Write("sample.log", "x");
    QFile file(QString::fromStdString((files.Path() / "sample.log").string()));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(
        file.setFileTime(QDateTime(QDate(2026, 12, 9), QTime(10, 15)), QFileDevice::FileModificationTime));
    file.close();
    const std::string directory = files.Path().string();
    CFileDialog dialog(TRUE);
    dialog.m_ofn.lpstrInitialDir = directory.c_str();
    QString shown;
    platform::DialogScript::Queue([&shown](CDialog& open) {
        QTreeView* details = ListedDetails(open);
        ASSERT_NE(details, nullptr);
        ASSERT_GT(details->model()->rowCount(details->rootIndex()), 0);
        shown = details->model()->index(0, 3, details->rootIndex()).data().toString();
        open.OnCancel();
    });
    dialog.DoModal();
    EXPECT_EQ(shown.toStdString(), "2026/12/09 10:15");
}

// A typed name that CP932 cannot hold would save or open another file ("?.sec"): the
// dialog says so and stays open.
TEST(FileDialogNamesTest, ANameTheSuitesTextsCannotHoldIsRefused) {
    testsupport::TestApplication();
    platform::RecordingSink sink;
    const testsupport::TempDir files("file-dialog-names");
    const std::string directory = files.Path().string();
    CFileDialog dialog(FALSE, "sec");
    dialog.m_ofn.lpstrInitialDir = directory.c_str();
    bool stayed = false;
    platform::DialogScript::Queue([&](CDialog& save) {
        dialog.FileDialog()->selectFile(QString::fromUtf8(u8"\u00e9t\u00e9.sec"));
        save.OnOK();
        stayed = save.GetWidget()->isVisible();
        save.OnCancel();
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_TRUE(stayed);
    EXPECT_NE(sink.LastMessageUtf8().find(platform::Utf8(u8"ﾌｧｲﾙ名に使用できない文字")), std::string::npos)
        << sink.LastMessageUtf8();
}

// A chosen file in a folder whose name CP932 cannot hold: the message names that folder, whose
// name is the one at fault, not the file.
TEST(FileDialogNamesTest, AFolderTheSuitesTextsCannotHoldIsNamedAsTheFolder) {
    testsupport::TestApplication();
    platform::RecordingSink sink;
    const testsupport::TempDir files("file-dialog-folders");
    const std::filesystem::path folder = files.Path() / std::filesystem::u8path(u8"\u00e9t\u00e9");
    std::filesystem::create_directory(folder);
    const std::string chosen = (folder / "model.sec").string();
    CFileDialog dialog(FALSE, "sec");
    const std::string directory = files.Path().string();
    dialog.m_ofn.lpstrInitialDir = directory.c_str();
    platform::DialogScript::Queue([&](CDialog& save) {
        dialog.FileDialog()->selectFile(QString::fromStdString(chosen));
        save.OnOK();
        save.OnCancel();
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(sink.LastMessageUtf8(), platform::Utf8(u8"?t?\nﾌｫﾙﾀﾞ名に使用できない文字が含まれています"));
}

} // namespace
