#include "EditTestDialog.h"

#include "platform/core/RecordingSink.h"
#include "platform/core/Unset.h"

#include <QTest>
#include <climits>
#include <gtest/gtest.h>

namespace {

using platform::Utf8;

constexpr int kInteger = EditTestDialog::kIntegerId;

class IntegerEditTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dialog.Open());
        dialog.TabInto(kInteger);
    }

    // Puts a text in the field as pasting would and checks it.
    BOOL Check(const char* text, int& value) {
        dialog.integer.SetWindowText(text);
        return dialog.integer.CheckValue(value);
    }

    platform::RecordingSink sink;
    EditTestDialog dialog;
};

TEST_F(IntegerEditTest, TypingKeepsASignedWholeNumber) {
    QTest::keyClicks(dialog.Field(kInteger), ".-1.2-3e");
    EXPECT_EQ(dialog.Text(kInteger), "-123");
    EXPECT_TRUE(dialog.integer.GetModify());
    QTest::keyClick(dialog.Field(kInteger), Qt::Key_Backspace);
    EXPECT_EQ(dialog.Text(kInteger), "");
}

TEST_F(IntegerEditTest, SetValueShowsTheUnsetIntAsAnEmptyField) {
    dialog.integer.SetValue(-15);
    EXPECT_EQ(dialog.Text(kInteger), "-15");
    EXPECT_FALSE(dialog.integer.GetModify());
    dialog.integer.SetValue(platform::kUnsetInt);
    EXPECT_EQ(dialog.Text(kInteger), "");
    int value = 0;
    EXPECT_TRUE(dialog.integer.CheckValue(value));
    EXPECT_TRUE(platform::IsUnsetInt(value));
}

TEST_F(IntegerEditTest, WithoutLimitsOnlyNumbersThatAreNoIntFail) {
    int value = 0;
    EXPECT_TRUE(Check("2147483647", value));
    EXPECT_EQ(value, INT_MAX);
    EXPECT_TRUE(Check("-2147483647", value));
    EXPECT_EQ(value, -2147483647);
    EXPECT_EQ(sink.MessageCount(), 0);
    for (const char* text : {"-2147483648", "99999999999"}) {
        sink.Clear();
        EXPECT_FALSE(Check(text, value)) << text;
        EXPECT_EQ(sink.MessagesUtf8(),
                  std::vector<std::string>{Utf8(u8"入力範囲は -2147483647～2147483646 です")});
    }
}

TEST_F(IntegerEditTest, RangeAndFormatFailuresShowTheirMessages) {
    struct Case {
        int minimum, maximum;
        const char* text;
        const char8_t* message;
    };
    for (Case c : {Case{INT_MIN, 10, "11", u8"入力範囲は -2147483647～10 です"},
                   Case{0, INT_MAX, "-1", u8"入力範囲は 0～2147483646 です"},
                   Case{1, 5, "6", u8"入力範囲は 1～5 です"}, Case{1, 5, "2.5", u8"文字入力ｴﾗｰ(編集時)"},
                   Case{1, 5, "3x", u8"文字入力ｴﾗｰ(編集時)"}}) {
        sink.Clear();
        dialog.integer.SetRange(c.minimum, c.maximum);
        int value = 99;
        EXPECT_FALSE(Check(c.text, value)) << c.text;
        EXPECT_EQ(value, 99);
        EXPECT_EQ(sink.MessagesUtf8(), std::vector<std::string>{Utf8(c.message)}) << c.text;
        EXPECT_EQ(sink.BeepCount(), 1);
    }
    int value = 0;
    dialog.integer.SetModify(TRUE);
    EXPECT_TRUE(Check("5", value));
    EXPECT_EQ(value, 5);
}

TEST_F(IntegerEditTest, LeavingForCancelAcceptsWithoutReading) {
    dialog.integer.SetRange(0, 10);
    QTest::keyClicks(dialog.Field(kInteger), "99");
    dialog.TabInto(IDCANCEL);
    int value = -5;
    EXPECT_TRUE(dialog.integer.CheckValue(value));
    EXPECT_EQ(value, -5);
    EXPECT_EQ(sink.MessageCount(), 0);
}

} // namespace
