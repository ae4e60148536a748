// The base menu's file list chooser on the offscreen platform: rows of the kind with title
// and time, newest first; column clicks and their sort arrow; the name of a selected row;
// OK and double click; and the chooser run from a set button.

#include "BaseMenuFixture.h"

#include "control/app/CFileDetailDlg.h"
#include "platform/core/CodePage.h"

#include <QApplication>
#include <QDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <ctime>
#include <filesystem>
#include <sys/stat.h>
#include <utime.h>

namespace basnev_test {
namespace {

using platform::Utf8;

constexpr int kAnalysisKind = 3;
constexpr int kMeasurementSetButton = 120;

// A TITLE line in CP932 with the title from column 11 and the tag from column 61.
std::string TitleLine(const std::string& title, const std::string& tag) {
    std::string line = "TITLE     " + platform::Utf8ToCp932(title);
    line.resize(60, ' ');
    return line + tag + "\r\n";
}

std::time_t LocalTime(int year, int month, int day, int hour, int minute) {
    std::tm when{};
    when.tm_year = year - 1900;
    when.tm_mon = month - 1;
    when.tm_mday = day;
    when.tm_hour = hour;
    when.tm_min = minute;
    when.tm_isdst = -1;
    return std::mktime(&when);
}

class FileDetailDlgTest : public BaseMenuTest {
protected:
    void WriteDataFile(const std::string& name, const std::string& firstLine, std::time_t modified) {
        data_.Write(name, firstLine + "END\r\n");
        const utimbuf times{modified, modified};
        utime(DataFile(name).c_str(), &times);
    }
    // Three analysis files of the two accepted tags at known times, and files that do not belong.
    void WriteAnalysisDirectory() {
        WriteDataFile("b.slo", TitleLine(Utf8(u8"斜面 B"), "TORVAN002"), LocalTime(2020, 3, 4, 5, 6));
        WriteDataFile("a.slo", TitleLine("slope A", "torvan001"), LocalTime(2021, 11, 12, 13, 14));
        WriteDataFile("d.SLO", TitleLine("slope D", "TORVAN002"), LocalTime(2019, 1, 2, 3, 4));
        WriteDataFile("short.slo", "TITLE     no tag\r\n", LocalTime(2022, 1, 1, 0, 0));
        WriteDataFile("e.sec", TitleLine("section", "MERDOK001"), LocalTime(2022, 1, 1, 0, 0));
        WriteDataFile("f.slo", TitleLine("section", "MERDOK001"), LocalTime(2022, 1, 1, 0, 0));
        // Entries of the kind's name that are no files to read: none of them stops the list.
        std::filesystem::create_directory(DataFile("c0 directory.slo"));
        std::filesystem::create_symlink(DataFile("gone"), DataFile("c1 dangling.slo"));
        ASSERT_EQ(::mkfifo(DataFile("c2 pipe.slo").c_str(), 0600), 0);
    }
    // Runs the dialog modally; `inside` acts on it while it is shown, and it is cancelled
    // afterwards unless `inside` ended it.
    static int RunModal(basnev::CFileDetailDlg& dialog, const std::function<void()>& inside) {
        dialog.EnsureCreated();
        QTimer::singleShot(0, [&dialog, &inside] {
            inside();
            if (dialog.Dialog()->isVisible()) {
                dialog.Dialog()->reject();
            }
        });
        return dialog.DoModal();
    }
    static QTreeWidget* List(const CWnd& dialog) {
        return qobject_cast<QTreeWidget*>(dialog.GetDlgItemWidget(basnev::CFileDetailDlg::kListId));
    }
    static std::vector<std::string> Column(const CWnd& dialog, int column) {
        std::vector<std::string> texts;
        QTreeWidget* list = List(dialog);
        for (int row = 0; row < list->topLevelItemCount(); ++row) {
            texts.push_back(list->topLevelItem(row)->text(column).toStdString());
        }
        return texts;
    }
    static void ClickHeader(QTreeWidget* list, int column) {
        QHeaderView* header = list->header();
        const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                        header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
    }
    static QPoint RowCentre(QTreeWidget* list, int row) {
        return list->visualItemRect(list->topLevelItem(row)).center();
    }
    static std::string NameEditText(const CWnd& dialog) {
        return qobject_cast<QLineEdit*>(dialog.GetDlgItemWidget(basnev::CFileDetailDlg::kFileNameId))
            ->text()
            .toStdString();
    }

    using Texts = std::vector<std::string>;
};

TEST_F(FileDetailDlgTest, ListsFilesOfTheKindWithTitleAndTimeNewestFirst) {
    WriteAnalysisDirectory();
    basnev::CFileDetailDlg dialog(kAnalysisKind, "", data_.Path().string(), nullptr);
    EXPECT_EQ(RunModal(dialog,
                       [&dialog] {
                           EXPECT_EQ(dialog.Dialog()->windowTitle().toStdString(), Utf8(u8"解析ﾌｧｲﾙ設定"));
                           EXPECT_EQ(Column(dialog, 0), (Texts{"a.slo", "b.slo", "d.SLO"}));
                           EXPECT_EQ(Column(dialog, 1), (Texts{"slope A", Utf8(u8"斜面 B"), "slope D"}));
                           EXPECT_EQ(Column(dialog, 2),
                                     (Texts{"2021/11/12 13:14", "2020/03/04 05:06", "2019/01/02 03:04"}));
                           EXPECT_EQ(List(dialog)->header()->sortIndicatorSection(), 2);
                           EXPECT_EQ(List(dialog)->header()->sortIndicatorOrder(), Qt::DescendingOrder);
                       }),
              IDCANCEL);
    EXPECT_EQ(sink_->MessageCount(), 0);
}

TEST_F(FileDetailDlgTest, ColumnClicksToggleTheOrderAndMoveTheArrow) {
    WriteAnalysisDirectory();
    basnev::CFileDetailDlg dialog(kAnalysisKind, "", data_.Path().string(), nullptr);
    RunModal(dialog, [&dialog] {
        QTreeWidget* list = List(dialog);
        ClickHeader(list, 0);
        EXPECT_EQ(Column(dialog, 0), (Texts{"d.SLO", "b.slo", "a.slo"}));
        EXPECT_EQ(list->header()->sortIndicatorSection(), 0);
        EXPECT_EQ(list->header()->sortIndicatorOrder(), Qt::DescendingOrder);
        ClickHeader(list, 0);
        EXPECT_EQ(Column(dialog, 0), (Texts{"a.slo", "b.slo", "d.SLO"}));
        EXPECT_EQ(list->header()->sortIndicatorOrder(), Qt::AscendingOrder);
        ClickHeader(list, 2);
        EXPECT_EQ(Column(dialog, 0), (Texts{"d.SLO", "b.slo", "a.slo"}));
        EXPECT_EQ(list->header()->sortIndicatorSection(), 2);
        EXPECT_EQ(list->header()->sortIndicatorOrder(), Qt::AscendingOrder);
        ClickHeader(list, 2);
        EXPECT_EQ(Column(dialog, 0), (Texts{"a.slo", "b.slo", "d.SLO"}));
        EXPECT_EQ(list->header()->sortIndicatorOrder(), Qt::DescendingOrder);
        ClickHeader(list, 1);
        EXPECT_EQ(Column(dialog, 1), (Texts{Utf8(u8"斜面 B"), "slope D", "slope A"}));
    });
}

TEST_F(FileDetailDlgTest, ASelectedRowNamesTheFileAndOkWithABareNameAddsTheExtension) {
    WriteAnalysisDirectory();
    basnev::CFileDetailDlg dialog(kAnalysisKind, DataFile("old.slo").c_str(), data_.Path().string(), nullptr);
    const int result = RunModal(dialog, [&dialog] {
        EXPECT_EQ(NameEditText(dialog), "old.slo");
        QTreeWidget* list = List(dialog);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, RowCentre(list, 2));
        EXPECT_EQ(NameEditText(dialog), "d.SLO");
        dialog.SetDlgItemText(basnev::CFileDetailDlg::kFileNameId, " b ");
        qobject_cast<QPushButton*>(dialog.GetDlgItemWidget(IDOK))->click();
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(std::string(dialog.GetChosenPath().str()), DataFile("b.slo"));
    EXPECT_EQ(std::string(dialog.GetCurrentDirectory().str()), data_.Slash());
    EXPECT_EQ(sink_->MessageCount(), 0);
}

// The three columns share the list's width 3:4:3 at any size of the dialog, so the time
// column is always in view; OK and Cancel are of one size.
TEST_F(FileDetailDlgTest, TheColumnsKeepTheirProportionsAndTheButtonsAreOfOneSize) {
    WriteAnalysisDirectory();
    basnev::CFileDetailDlg dialog(kAnalysisKind, "", data_.Path().string(), nullptr);
    const auto expectProportions = [&dialog](const char* when) {
        QTreeWidget* list = List(dialog);
        QHeaderView* header = list->header();
        const int width = list->viewport()->width();
        EXPECT_EQ(header->sectionSize(0), width * 3 / 10) << when;
        EXPECT_EQ(header->sectionSize(1), width * 4 / 10) << when;
        EXPECT_NEAR(header->sectionSize(2), width * 3 / 10.0, 1) << when;
        EXPECT_EQ(header->sectionViewportPosition(2) + header->sectionSize(2), width) << when;
    };
    RunModal(dialog, [&] {
        expectProportions("as opened");
        dialog.Dialog()->resize(520, 300);
        QApplication::processEvents();
        expectProportions("made smaller");
        dialog.Dialog()->resize(1100, 600);
        QApplication::processEvents();
        expectProportions("made larger");
        EXPECT_EQ(dialog.GetDlgItemWidget(IDOK)->size(), dialog.GetDlgItemWidget(IDCANCEL)->size());
    });
}

// A sample installed in an ordinary home directory lies far deeper than 50 characters.
TEST_F(FileDetailDlgTest, TheChosenFileOfADeepDirectoryIsTakenWhole) {
    const std::string deep =
        "home/engineer-with-a-long-name/projects/landslide-survey-2026/verrant/dist/data";
    std::filesystem::create_directories(DataFile(deep));
    WriteDataFile(deep + "/sample.slo", TitleLine("sample", "TORVAN002"), LocalTime(2021, 1, 1, 0, 0));
    basnev::CFileDetailDlg dialog(kAnalysisKind, DataFile(deep + "/sample.slo").c_str(), DataFile(deep),
                                  nullptr);
    const int result =
        RunModal(dialog, [&dialog] { qobject_cast<QPushButton*>(dialog.GetDlgItemWidget(IDOK))->click(); });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(std::string(dialog.GetChosenPath().str()), DataFile(deep + "/sample.slo"));
    EXPECT_EQ(sink_->MessageCount(), 0);
}

TEST_F(FileDetailDlgTest, ANewNameIsConfirmedOnlyByYes) {
    basnev::CFileDetailDlg dialog(kAnalysisKind, "", data_.Path().string(), nullptr);
    sink_->QueueAnswer(IDNO);
    sink_->QueueAnswer(IDYES);
    const int result = RunModal(dialog, [&dialog] {
        dialog.SetDlgItemText(basnev::CFileDetailDlg::kFileNameId, u8"新規 解析");
        auto* ok = qobject_cast<QPushButton*>(dialog.GetDlgItemWidget(IDOK));
        ok->click();
        EXPECT_TRUE(dialog.Dialog()->isVisible());
        ok->click();
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(std::string(dialog.GetChosenPath().str()), platform::Utf8ToCp932(DataFile(u8"新規 解析.slo")));
    const std::string question = Utf8(u8"指定ﾌｧｲﾙがありません。新規作成ﾌｧｲﾙ名として設定しますか？");
    EXPECT_EQ(sink_->MessagesUtf8(), (Texts{question, question}));
}

TEST_F(FileDetailDlgTest, TheDirectoryListGoesDownAndTheChosenFileComesFromThere) {
    WriteAnalysisDirectory();
    std::filesystem::create_directory(DataFile("sub"));
    WriteDataFile("sub/s.slo", TitleLine("below", "TORVAN002"), LocalTime(2021, 1, 1, 0, 0));
    basnev::CFileDetailDlg dialog(kAnalysisKind, "", data_.Path().string(), nullptr);
    const int result = RunModal(dialog, [&dialog] {
        auto* directories =
            qobject_cast<QListWidget*>(dialog.GetDlgItemWidget(basnev::CFileDetailDlg::kDirectoryListId));
        const QList<QListWidgetItem*> found = directories->findItems("sub", Qt::MatchEndsWith);
        ASSERT_EQ(found.size(), 1);
        directories->scrollToItem(found.front());
        const QPoint at = directories->visualItemRect(found.front()).center();
        QTest::mouseClick(directories->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(directories->viewport(), Qt::LeftButton, {}, at);
        EXPECT_EQ(Column(dialog, 0), Texts{"s.slo"});
        QTreeWidget* list = List(dialog);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, RowCentre(list, 0));
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, RowCentre(list, 0));
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(std::string(dialog.GetChosenPath().str()), DataFile("sub/s.slo"));
    EXPECT_EQ(std::string(dialog.GetCurrentDirectory().str()), DataFile("sub/"));
}

// A folder typed as the file name used to be offered as a new file; the chooser goes into it.
TEST_F(FileDetailDlgTest, AFolderTypedAsTheNameIsEnteredAndItsFilesListed) {
    std::filesystem::create_directory(DataFile(u8"現場"));
    WriteDataFile(Utf8(u8"現場/s.slo"), TitleLine("site", "TORVAN002"), LocalTime(2021, 1, 1, 0, 0));
    basnev::CFileDetailDlg dialog(kAnalysisKind, "", data_.Path().string(), nullptr);
    const int result = RunModal(dialog, [this, &dialog] {
        dialog.SetDlgItemText(basnev::CFileDetailDlg::kFileNameId,
                              CString(platform::Utf8ToCp932(DataFile(u8"現場") + "/").c_str()));
        auto* ok = qobject_cast<QPushButton*>(dialog.GetDlgItemWidget(IDOK));
        ok->click();
        ASSERT_TRUE(dialog.Dialog()->isVisible());
        EXPECT_EQ(sink_->MessageCount(), 0);
        EXPECT_EQ(platform::Cp932ToUtf8(dialog.GetCurrentDirectory().str()), DataFile(u8"現場") + "/");
        EXPECT_EQ(Column(dialog, 0), Texts{"s.slo"});
        EXPECT_EQ(NameEditText(dialog), "");
        dialog.SetDlgItemText(basnev::CFileDetailDlg::kFileNameId, "s");
        ok->click();
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(platform::Cp932ToUtf8(dialog.GetChosenPath().str()), DataFile(u8"現場/s.slo"));
}

// A folder whose name the suite's names cannot hold could never be entered nor named in a
// slot: it is left out of the list like such a file, so no entry does nothing when clicked.
TEST_F(FileDetailDlgTest, TheDirectoryListOffersOnlyFoldersItCanEnter) {
    for (const char* name : {"sub", "emoji \xF0\x9F\x98\x80", "bad \xFF byte"}) {
        std::filesystem::create_directory(DataFile(name));
    }
    basnev::CFileDetailDlg dialog(kAnalysisKind, "", data_.Path().string(), nullptr);
    RunModal(dialog, [&dialog] {
        auto* directories =
            qobject_cast<QListWidget*>(dialog.GetDlgItemWidget(basnev::CFileDetailDlg::kDirectoryListId));
        const int current = directories->currentRow();
        Texts below;
        for (int row = current + 1; row < directories->count(); ++row) {
            below.push_back(directories->item(row)->text().trimmed().toStdString());
        }
        EXPECT_EQ(below, Texts{"sub"});
    });
}

TEST_F(FileDetailDlgTest, ADoubleClickConfirmsTheRow) {
    WriteAnalysisDirectory();
    basnev::CFileDetailDlg dialog(kAnalysisKind, "", data_.Path().string(), nullptr);
    dialog.EnsureCreated();
    QTimer::singleShot(0, [&dialog] {
        QTreeWidget* list = List(dialog);
        const QPoint at = RowCentre(list, 1);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(std::string(dialog.GetChosenPath().str()), DataFile("b.slo"));
}

TEST_F(FileDetailDlgTest, TheSetButtonRunsTheChooserAndTakesItsFileWithItsExactName) {
    WriteDataFile(Utf8(u8"計測 Mixed.DIS"), TitleLine(Utf8(u8"計測"), "GOLMIR001"),
                  LocalTime(2021, 1, 1, 0, 0));
    WriteDataFile("m.dis", TitleLine("other", "GOLMIR001"), LocalTime(2020, 1, 1, 0, 0));
    OpenBaseMenu();
    SetSlotUtf8(kMeasurementSlot, DataFile("m.dis"));
    bool answered = false;
    std::vector<std::string> listed;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || answered) {
            return;
        }
        answered = true;
        auto* list = dialog->findChild<QTreeWidget*>();
        for (int row = 0; list && row < list->topLevelItemCount(); ++row) {
            listed.push_back(list->topLevelItem(row)->text(0).toStdString());
        }
        if (list) {
            const QPoint at = RowCentre(list, 0);
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        }
    });
    poll.start(10);
    Button(kMeasurementSetButton)->click();
    poll.stop();
    EXPECT_EQ(listed, (Texts{Utf8(u8"計測 Mixed.DIS"), "m.dis"}));
    EXPECT_EQ(SlotUtf8(kMeasurementSlot), DataFile(u8"計測 Mixed.DIS"));
    EXPECT_STREQ(TheApp().DefaultDirectory(), (data_.Slash()).c_str());
    EXPECT_EQ(sink_->MessageCount(), 0);
}

TEST_F(FileDetailDlgTest, CancelLeavesTheSlot) {
    OpenBaseMenu();
    SetSlotUtf8(kMeasurementSlot, DataFile("m.dis"));
    QTimer::singleShot(50, [] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            dialog->reject();
        }
    });
    Button(kMeasurementSetButton)->click();
    EXPECT_EQ(SlotUtf8(kMeasurementSlot), DataFile("m.dis"));
}

} // namespace
} // namespace basnev_test
