#include "platform/core/RecordingSink.h"

#include <gtest/gtest.h>

using platform::RecordingSink;
using platform::Utf8;

TEST(MessageSink, RecordingSinkRecordsTextsAndBeepsAndAnswersByScript) {
    RecordingSink sink;
    MessageBeep(0);
    EXPECT_EQ(AfxMessageBox(u8"ﾌｧｲﾙ読み込みｴﾗｰです"), IDOK);
    sink.QueueAnswer(IDNO);
    EXPECT_EQ(AfxMessageBox(u8"よろしいですか？", MB_YESNO), IDNO);
    EXPECT_EQ(AfxMessageBox(u8"again", MB_YESNO | MB_DEFBUTTON2), IDNO); // default button
    EXPECT_EQ(sink.BeepCount(), 1);
    ASSERT_EQ(sink.MessageCount(), 3);
    EXPECT_EQ(sink.MessagesUtf8()[0], Utf8(u8"ﾌｧｲﾙ読み込みｴﾗｰです"));
    EXPECT_EQ(sink.Events()[2].type & MB_TYPEMASK, static_cast<UINT>(MB_YESNO));
}

TEST(MessageSink, SinksNestAndRestore) {
    RecordingSink outer;
    {
        RecordingSink inner;
        AfxMessageBox(u8"inner");
        EXPECT_EQ(inner.MessageCount(), 1);
    }
    AfxMessageBox(u8"outer");
    EXPECT_EQ(outer.MessageCount(), 1);
    EXPECT_EQ(outer.LastMessageUtf8(), "outer");
}
