#include "EditTestDialog.h"

#include "platform/core/RecordingSink.h"
#include "platform/core/Unset.h"

#include <QClipboard>
#include <QDialog>
#include <QGuiApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using platform::Utf8;

constexpr int kReal = EditTestDialog::kRealId;

class RealEditTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dialog.Open());
        dialog.real.SetFormat("%.3lf");
        dialog.real.SetValue(7.0);
        dialog.TabInto(kReal);
    }

    void Type(const char* keys) { QTest::keyClicks(dialog.Field(kReal), keys); }

    platform::RecordingSink sink;
    EditTestDialog dialog;
};

TEST_F(RealEditTest, EnteringSelectsTheTextAndTypingKeepsOnlyANumber) {
    EXPECT_EQ(dialog.Text(kReal), "7.000");
    EXPECT_EQ(dialog.Field(kReal)->selectedText().toStdString(), "7.000");
    EXPECT_FALSE(dialog.real.GetModify());
    Type("a");
    EXPECT_EQ(dialog.Text(kReal), "7.000") << "a letter cannot start the number";
    Type("-12x.5-e");
    EXPECT_EQ(dialog.Text(kReal), "-12.5") << "letters and a second minus are swallowed";
    EXPECT_TRUE(dialog.real.GetModify());
    EXPECT_EQ(sink.MessageCount(), 0);
}

TEST_F(RealEditTest, BackspaceStartsTheFieldOverOnlyAfterTyping) {
    QTest::keyClick(dialog.Field(kReal), Qt::Key_Backspace);
    EXPECT_EQ(dialog.Text(kReal), "7.000") << "Backspace cannot be the first key";
    Type("123");
    QTest::keyClick(dialog.Field(kReal), Qt::Key_Backspace);
    EXPECT_EQ(dialog.Text(kReal), "");
    EXPECT_TRUE(dialog.real.GetModify());
    Type("-4");
    EXPECT_EQ(dialog.Text(kReal), "-4") << "after Backspace the field takes a first character again";
}

TEST_F(RealEditTest, ControlCharactersLikePasteAreSwallowedButEditingKeysWork) {
    QGuiApplication::clipboard()->setText("99");
    QTest::keyClick(dialog.Field(kReal), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(dialog.Text(kReal), "7.000");
    Type("12");
    QTest::keyClick(dialog.Field(kReal), Qt::Key_Left);
    QTest::keyClick(dialog.Field(kReal), Qt::Key_Delete);
    EXPECT_EQ(dialog.Text(kReal), "1");
}

TEST_F(RealEditTest, LeavingShowsAChangedValueInTheDisplayFormat) {
    Type("3.14159");
    dialog.TabInto(EditTestDialog::kPlainId);
    EXPECT_EQ(dialog.Text(kReal), "3.142");
    EXPECT_FALSE(dialog.real.GetModify());
    EXPECT_EQ(sink.MessageCount(), 0);
}

TEST_F(RealEditTest, LeavingWithAMalformedTextComplainsUnlessGoingToCancel) {
    Type("1.2.3");
    dialog.TabInto(EditTestDialog::kPlainId);
    ASSERT_EQ(sink.MessagesUtf8(), std::vector<std::string>{Utf8(u8"文字入力ｴﾗｰ(編集時)")});
    EXPECT_EQ(sink.BeepCount(), 1);
    EXPECT_EQ(dialog.Text(kReal), "1.2.3");

    sink.Clear();
    dialog.TabInto(kReal);
    Type("4.5.6");
    dialog.TabInto(IDCANCEL);
    EXPECT_EQ(sink.MessageCount(), 0);
    EXPECT_EQ(sink.BeepCount(), 0);
    double value = -1.0;
    EXPECT_TRUE(dialog.real.CheckValue(value)) << "leaving for Cancel accepts without reading";
    EXPECT_EQ(value, -1.0);
    EXPECT_EQ(sink.MessageCount(), 0);
}

TEST_F(RealEditTest, CheckValueMapsEmptyToUnsetAndEnforcesTheRangeWithItsMessages) {
    double value = 0.0;
    dialog.real.SetRange(0.0, 10.0);
    dialog.real.SetValue(platform::kUnsetDouble);
    EXPECT_EQ(dialog.Text(kReal), "");
    EXPECT_TRUE(dialog.real.CheckValue(value));
    EXPECT_TRUE(platform::IsUnsetDouble(value));

    struct Case {
        double minimum, maximum;
        const char* text;
        const char8_t* message;
    };
    const double none = platform::kExtentLimit;
    for (Case c : {Case{0.0, 10.0, "10.5", u8"入力範囲は 0.000000～10.000000 です"},
                   Case{0.0, none, "-1", u8"入力は 0.000000 以上です"},
                   Case{-none, 2.5, "3", u8"入力は 2.500000 以下です"},
                   Case{-none, none, "12abc", u8"文字入力ｴﾗｰ(編集時)"}}) {
        sink.Clear();
        dialog.real.SetRange(c.minimum, c.maximum);
        dialog.real.SetWindowText(c.text);
        value = 42.0;
        EXPECT_FALSE(dialog.real.CheckValue(value)) << c.text;
        EXPECT_EQ(value, 42.0);
        EXPECT_EQ(sink.MessagesUtf8(), std::vector<std::string>{Utf8(c.message)}) << c.text;
        EXPECT_EQ(sink.BeepCount(), 1);
    }

    sink.Clear();
    dialog.real.SetRange(0.0, 10.0);
    dialog.real.SetWindowText("10");
    dialog.real.SetModify(TRUE);
    EXPECT_TRUE(dialog.real.CheckValue(value));
    EXPECT_EQ(value, 10.0);
    EXPECT_FALSE(dialog.real.GetModify());
    EXPECT_EQ(sink.MessageCount(), 0);
}

TEST_F(RealEditTest, AClickIntoTheFieldSelectsItsTextOnceThenPlacesTheCursor) {
    dialog.TabInto(EditTestDialog::kPlainId);
    QLineEdit* field = dialog.Field(kReal);
    QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(5, field->height() / 2));
    EXPECT_TRUE(field->hasFocus());
    EXPECT_EQ(field->selectedText().toStdString(), "7.000");
    QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(5, field->height() / 2));
    EXPECT_FALSE(field->hasSelectedText());
}

TEST_F(RealEditTest, EnterReachesTheDialogWhichChecksBeforeClosing) {
    dialog.real.SetRange(0.0, 10.0);
    Type("11");
    QTest::keyClick(dialog.Field(kReal), Qt::Key_Return);
    EXPECT_EQ(sink.MessagesUtf8(), std::vector<std::string>{Utf8(u8"入力範囲は 0.000000～10.000000 です")});
    EXPECT_TRUE(dialog.Dialog()->isVisible());
    dialog.TabInto(EditTestDialog::kPlainId);
    dialog.TabInto(kReal);
    Type("9.5");
    QTest::keyClick(dialog.Field(kReal), Qt::Key_Return);
    EXPECT_FALSE(dialog.Dialog()->isVisible());
    EXPECT_EQ(dialog.Dialog()->result(), IDOK);
    EXPECT_EQ(dialog.realValue, 9.5);
    EXPECT_TRUE(platform::IsUnsetInt(dialog.integerValue));
    EXPECT_TRUE(platform::IsUnsetDouble(dialog.formatRealValue));
}

} // namespace
