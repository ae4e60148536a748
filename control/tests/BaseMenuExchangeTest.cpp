// The base menu's slots as other programs see them: a child process reads and writes them
// through the window-class registry and the shared name buffer while the form serves on
// its event loop; names go through whole, up to the system's path limit.

#include "BaseMenuFixture.h"

#include "common/process/CSharedNameBuffer.h"
#include "common/process/WindowClassClient.h"
#include "platform/core/CodePage.h"

#include <QLineEdit>
#include <QMainWindow>
#include <QTest>
#include <climits>
#include <filesystem>

namespace basnev_test {
namespace {

using platform::Utf8;

class BaseMenuExchangeTest : public BaseMenuTest {
protected:
    // Runs the test child's name exchange with the open base menu; its report lines.
    std::string Exchange(const std::vector<std::string>& operations) {
        QStringList arguments = {"exchange", QString::fromStdString(data_.File("out"))};
        for (const std::string& operation : operations) {
            arguments << QString::fromStdString(operation);
        }
        std::filesystem::remove(data_.File("out"));
        const ChildResult child = RunWhileServing(ProcessTestChild(), arguments);
        EXPECT_TRUE(child.finished);
        EXPECT_EQ(child.exitCode, 0);
        return data_.Read("out");
    }
};

// A name of about `bytes` CP932 bytes with blanks and Japanese characters in every part.
std::string LongName(std::size_t bytes) {
    std::string name = Utf8(u8"/データ 置き場");
    while (platform::Utf8ToCp932(name).size() + 20 < bytes) {
        name += Utf8(u8"/斜面 観測 ");
        name += std::to_string(name.size());
    }
    return name + Utf8(u8"/解析 結果.slo");
}

const std::string kChanged = Utf8(u8"m 基本ﾒﾆｭｰの参照ﾌｧｲﾙ名を変更します\n");

TEST_F(BaseMenuExchangeTest, AChildReadsOneSlotAndWritesTheOthersWhileTheFormServes) {
    WriteSettings("", "", Utf8(u8"/d/計測 1.dis"), "");
    OpenBaseMenu();
    const std::string section = Utf8(u8"/d/断面 新.sec");
    const std::string analysis = LongName(600);
    const std::string report =
        Exchange({"r:232", "w:233:" + analysis, "w:231:" + section, "w:231:" + section});
    EXPECT_EQ(report, Utf8(u8"r 232 Unchanged /d/計測 1.dis\n") + kChanged + "w 233 Replaced\n" + kChanged +
                          "w 231 Replaced\nw 231 Unchanged\n");
    EXPECT_EQ(SlotUtf8(kSectionSlot), section);
    EXPECT_EQ(SlotUtf8(kAnalysisSlot), analysis);
    EXPECT_EQ(SlotUtf8(kMeasurementSlot), Utf8(u8"/d/計測 1.dis"));

    // The 200-byte buffer holds the last name that fits in it.
    CSharedNameBuffer buffer;
    ASSERT_TRUE(buffer.Open());
    EXPECT_EQ(platform::Cp932ToUtf8(buffer.Read().str()), section);
}

TEST_F(BaseMenuExchangeTest, ANameUpToThePathLimitGoesThroughWholeAndALongerOneIsRefused) {
    OpenBaseMenu();
    std::string longest = LongName(PATH_MAX - 40);
    longest += std::string(PATH_MAX - 1 - platform::Utf8ToCp932(longest).size(), 'x');
    ASSERT_EQ(platform::Utf8ToCp932(longest).size(), static_cast<std::size_t>(PATH_MAX - 1));
    const std::string tooLong = longest + "y";
    const std::string report = Exchange({"w:232:" + longest, "w:231:" + tooLong, "r:232"});
    EXPECT_EQ(report,
              kChanged + "w 232 Replaced\n" +
                  Utf8(u8"m ﾌｧｲﾙ名が長すぎるため、基本ﾒﾆｭｰに渡せません\nw 231 Failed\nr 232 Unchanged ") +
                  longest + "\n");
    EXPECT_EQ(SlotUtf8(kMeasurementSlot), longest);
    EXPECT_EQ(SlotUtf8(kSectionSlot), "");
}

// True when the edit, as painted, shows the end of its text.
bool ShowsItsEnd(QLineEdit* edit) {
    edit->grab(); // lays the text out as a paint would
    const QRect cursor = edit->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    return edit->cursorPosition() == edit->text().size() && edit->rect().contains(cursor.topLeft());
}

// An install in an ordinary home directory names its sample far past 50 characters: slots
// show such paths scrolled to their end, and typing takes any path the system can open.
TEST_F(BaseMenuExchangeTest, SlotsTakeAnyPathUpToTheSystemLimitAndShowItsEnd) {
    const std::string installed =
        "/home/engineer/projects/landslide-survey-2026/verrant/dist/data/sample.slo";
    WriteSettings("", "", "", installed);
    OpenBaseMenu();
    Frame()->MainWindow()->show();
    EXPECT_EQ(SlotUtf8(kAnalysisSlot), installed);
    EXPECT_TRUE(ShowsItsEnd(Slot(kAnalysisSlot)));

    QLineEdit* edit = Slot(kSectionSlot);
    QTest::keyClicks(edit, QString(60, 'a'));
    EXPECT_EQ(edit->text(), QString(60, 'a'));

    // "斜" is 2 bytes in CP932 and 3 as the system spells it: the system's count decides.
    const QString nearlyFull = "/" + QString(PATH_MAX - 4, 'p');
    edit->setText(nearlyFull);
    edit->insert(QString::fromUtf8(reinterpret_cast<const char*>(u8"斜")));
    EXPECT_EQ(edit->text(), nearlyFull);
    edit->insert("ab");
    EXPECT_EQ(edit->text(), nearlyFull + "ab");
    edit->insert("c");
    EXPECT_EQ(edit->text().size(), PATH_MAX - 1);

    const std::string name = "/d/" + std::string(113, 'n') + ".sec";
    ASSERT_EQ(process::SetWindowClassText("VerrantControl", kMeasurementSlot, CString(name)),
              process::WindowAnswer::Done);
    QLineEdit* measurement = Slot(kMeasurementSlot);
    EXPECT_EQ(measurement->text().toStdString(), name);
    EXPECT_TRUE(ShowsItsEnd(measurement));
}

TEST_F(BaseMenuExchangeTest, ASlotTakesNoCharacterTheSuitesFilesCannotName) {
    OpenBaseMenu();
    QLineEdit* edit = Slot(kSectionSlot);
    edit->insert(QString::fromUtf8(reinterpret_cast<const char*>(u8"/d/斜面①")));
    edit->insert(QString::fromUtf8(reinterpret_cast<const char*>(u8"café")));
    edit->insert(QString::fromUtf8(reinterpret_cast<const char*>(u8"Ａ.sec")));
    EXPECT_EQ(SlotUtf8(kSectionSlot), Utf8(u8"/d/斜面①Ａ.sec"));
    TheApp().SetFormNames("", "", "");
    Form()->TakeOverSlotTexts();
    EXPECT_EQ(platform::Cp932ToUtf8(TheApp().SlotNames().section.str()), Utf8(u8"/d/斜面①Ａ.sec"));
}

TEST_F(BaseMenuExchangeTest, ControlsOtherThanTheSlotsAreRefused) {
    OpenBaseMenu();
    CString text;
    EXPECT_EQ(process::GetWindowClassText("VerrantControl", 104, text), process::WindowAnswer::Refused);
    EXPECT_EQ(process::SetWindowClassText("VerrantControl", 999, "x"), process::WindowAnswer::Refused);
    const std::string report = Exchange({"r:104"});
    EXPECT_EQ(report, Utf8(u8"m 基本ﾒﾆｭｰのﾊﾝﾄﾞﾙ取得失敗3\nr 104 Failed \n"));
}

} // namespace
} // namespace basnev_test
