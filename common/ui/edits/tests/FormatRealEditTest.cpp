#include "EditTestDialog.h"

#include "platform/core/RecordingSink.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

using platform::Utf8;

constexpr int kFormatReal = EditTestDialog::kFormatRealId;

class FormatRealEditTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dialog.Open());
        dialog.TabInto(kFormatReal);
    }

    void Type(const char* keys) { QTest::keyClicks(dialog.Field(kFormatReal), keys); }
    void Leave() { dialog.TabInto(EditTestDialog::kPlainId); }

    platform::RecordingSink sink;
    EditTestDialog dialog;
};

TEST_F(FormatRealEditTest, ExponentMarkAndItsSignAreTypedOnlyWhereTheyBelong) {
    Type("E");
    EXPECT_EQ(dialog.Text(kFormatReal), "") << "no exponent mark in an empty field";
    Type("1.5-E-3-");
    EXPECT_EQ(dialog.Text(kFormatReal), "1.5E-3");
    Leave();
    EXPECT_EQ(dialog.Text(kFormatReal), "    0.0015");
    EXPECT_EQ(dialog.formatReal.ExponentShown(), 0);
    EXPECT_FALSE(dialog.formatReal.GetModify());
    EXPECT_EQ(sink.MessageCount(), 0);
}

TEST_F(FormatRealEditTest, LeavingFormatsForTheFieldWidthAndRejectsMalformedTexts) {
    Type("123456789012");
    Leave();
    EXPECT_EQ(dialog.Text(kFormatReal), "1.2346E+11");
    EXPECT_EQ(dialog.formatReal.ExponentShown(), 1);
    double value = 0.0;
    EXPECT_TRUE(dialog.formatReal.CheckValue(value));
    EXPECT_EQ(value, 1.2346e11);

    dialog.TabInto(kFormatReal);
    Type("1.2.3");
    Leave();
    EXPECT_EQ(sink.MessagesUtf8(), std::vector<std::string>{Utf8(u8"数値変換ｴﾗｰ(編集時)")});
    EXPECT_EQ(sink.BeepCount(), 1);
    EXPECT_EQ(dialog.Text(kFormatReal), "1.2.3");
    sink.Clear();
    EXPECT_FALSE(dialog.formatReal.CheckValue(value));
    EXPECT_EQ(sink.MessagesUtf8(), std::vector<std::string>{Utf8(u8"文字入力ｴﾗｰ(編集時)")});
}

TEST_F(FormatRealEditTest, AnExponentValueIsOfferedInFixedNotationForEditing) {
    CString text;
    dialog.formatReal.FormatValue(text, 123456789012.0);
    ASSERT_EQ(dialog.formatReal.ExponentShown(), 1);
    dialog.formatReal.SetWindowText("123456789012.5000");
    Leave();
    EXPECT_EQ(dialog.Text(kFormatReal), "1.2346E+11") << "an exponent value is formatted again on leaving";
    dialog.formatReal.SetWindowText("0.25000");
    dialog.TabInto(kFormatReal);
    EXPECT_EQ(dialog.Text(kFormatReal), "0.25");
    EXPECT_EQ(dialog.Field(kFormatReal)->selectedText().toStdString(), "0.25");
}

TEST_F(FormatRealEditTest, TabbingToCancelWithABadTextShowsNothing) {
    Type("1E");
    dialog.TabInto(IDCANCEL);
    EXPECT_EQ(sink.MessageCount(), 0);
    EXPECT_EQ(sink.BeepCount(), 0);
    EXPECT_EQ(dialog.Text(kFormatReal), "1E");
}

} // namespace
