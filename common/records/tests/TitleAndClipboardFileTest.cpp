#include "FailingAllocation.h"
#include "testsupport/FileBytes.h"
#include "testsupport/Fixtures.h"

#include "common/records/CClipboardFile.h"
#include "common/records/CTitleFile.h"
#include "platform/core/CException.h"
#include "platform/core/Clipboard.h"

using platform::Utf8;

namespace {

struct FakeCombo {
    std::vector<std::string> items;
    int selection = 0;
    int AddString(const char* text) {
        items.emplace_back(text);
        return static_cast<int>(items.size()) - 1;
    }
    int SetCurSel(int index) { return selection = index; }
};

} // namespace

class TitleFileTest : public testsupport::TempDirTest {};

TEST_F(TitleFileTest, MissingFileLeavesTheListEmptyAfterTheOpenMessage) {
    CTitleFile titles(Path("title.idx").c_str());
    EXPECT_EQ(titles.ReadTitles(), 0);
    EXPECT_EQ(sink_.MessageCount(), 1);
    FakeCombo combo;
    titles.FillComboBox(&combo);
    EXPECT_TRUE(combo.items.empty());
    EXPECT_EQ(combo.selection, 0);
}

// Memory running out anywhere inside the reading (each allocation in turn fails once) gives
// the memory message, never a crash; an allocation outside the reader's guard throws on.
TEST_F(TitleFileTest, RunningOutOfMemoryWhileReadingGivesTheMemoryMessage) {
    testsupport::WriteBytes(Path("title.idx"), "first\r\nsecond\r\nthird\r\n");
    const std::string memoryError = Utf8(u8"メモリ・エラー!!!\n直ちに本プログラムを終了させて下さい。");
    int memoryMessages = 0;
    for (int count = 1; count < 100; ++count) {
        CTitleFile titles(Path("title.idx").c_str());
        sink_.Clear();
        int result = -1;
        try {
            recordstest::FailAllocationAfter(count);
            result = titles.ReadTitles();
        } catch (const std::bad_alloc&) {
        }
        recordstest::StopFailingAllocations();
        if (sink_.MessageCount() > 0 && sink_.LastMessageUtf8().starts_with(Utf8(u8"メモリ"))) {
            EXPECT_EQ(sink_.LastMessageUtf8(), memoryError) << count;
            EXPECT_EQ(result, 0) << count;
            ++memoryMessages;
        }
    }
    EXPECT_GT(memoryMessages, 0);
}

TEST_F(TitleFileTest, NewestFirstDuplicatesStayAndTheLimitKeepsTheNewest) {
    CTitleFile titles(Path("title.idx").c_str());
    for (int i = 1; i <= 25; ++i) {
        titles.AddTitle(CString(std::to_string(i)));
    }
    titles.AddTitle("23"); // already third: nothing moves
    titles.AddTitle("");
    EXPECT_EQ(titles.GetTitles()[2], "23");
    EXPECT_EQ(titles.GetTitles().size(), 25u);
    titles.WriteTitles(20);
    CTitleFile back(Path("title.idx").c_str());
    EXPECT_EQ(back.ReadTitles(), 1);
    ASSERT_EQ(back.GetTitles().size(), 20u);
    EXPECT_EQ(back.GetTitles().front(), "25");
    EXPECT_EQ(back.GetTitles().back(), "6");
    FakeCombo combo;
    back.FillComboBox(&combo);
    EXPECT_EQ(combo.items.front(), "25");
    EXPECT_EQ(combo.selection, -1);
}

TEST_F(TitleFileTest, LongTitlesAreCutNotSplitIntoExtraTitles) {
    CTitleFile titles(Path("title.idx").c_str());
    titles.AddTitle(CString(std::string(90, 'y')));
    titles.AddTitle(CString(std::string(82, 'x')));
    titles.WriteTitles(10);
    CTitleFile back(Path("title.idx").c_str());
    back.ReadTitles();
    ASSERT_EQ(back.GetTitles().size(), 2u);
    EXPECT_EQ(back.GetTitles()[0].GetLength(), 82);
    EXPECT_EQ(back.GetTitles()[1].GetLength(), 82);
}

TEST_F(TitleFileTest, EmptyAndForeignFilesReadWithoutHarm) {
    testsupport::WriteBytes(Path("empty.idx"), "");
    CTitleFile empty(Path("empty.idx").c_str());
    EXPECT_EQ(empty.ReadTitles(), 1);
    EXPECT_TRUE(empty.GetTitles().empty());
    EXPECT_EQ(sink_.MessageCount(), 0);
    // UTF-8 text, a stray lead byte at the end and LF-only lines: bytes are kept as they are and a
    // title never swallows the next line.
    testsupport::WriteBytes(Path("foreign.idx"),
                            "\xe5\x9c\xb0\xe3\x81\x99\xe3\x81\xb9\xe3\x82\x8a\nplain\n\x82");
    CTitleFile foreign(Path("foreign.idx").c_str());
    EXPECT_EQ(foreign.ReadTitles(), 1);
    ASSERT_EQ(foreign.GetTitles().size(), 3u);
    EXPECT_EQ(foreign.GetTitles()[0], CString("\xe5\x9c\xb0\xe3\x81\x99\xe3\x81\xb9\xe3\x82\x8a"));
    EXPECT_EQ(foreign.GetTitles()[1], CString("plain"));
    foreign.AddTitle("plain");
    EXPECT_EQ(foreign.GetTitles().size(), 3u);
}

TEST_F(TitleFileTest, UnwritableFileGivesItsMessageAndEmptyListTouchesNothing) {
    CTitleFile empty(Path("none.idx").c_str());
    empty.WriteTitles(10);
    EXPECT_FALSE(std::filesystem::exists(Path("none.idx")));
    CTitleFile titles(Path("no/such/dir/title.idx").c_str());
    titles.AddTitle("a");
    titles.WriteTitles(10);
    EXPECT_EQ(sink_.LastMessageUtf8(),
              Utf8(u8"ﾀｲﾄﾙ登録ﾌｧｲﾙに書き込みできません。\n正しいﾀｲﾄﾙ登録ﾌｧｲﾙ名を入力して下さい。"));
}

TEST(ClipboardFile, RowsTravelUnderAPrivateFormatWithTheirMarker) {
    UINT format = RegisterClipboardFormat("TableRowsTest");
    EXPECT_EQ(RegisterClipboardFormat("TableRowsTest"), format);
    {
        CClipboardFile writer;
        ASSERT_EQ(writer.Open(format, CFile::modeWrite, 512), 1);
        writer.WriteInt(800);
        writer.WriteDouble(1.5);
        writer.WriteString(CString(u8"計測点"));
        writer.WriteString("");
        writer.Close();
    }
    CClipboardFile reader;
    ASSERT_EQ(reader.Open(format, CFile::modeRead, 512), 1);
    EXPECT_EQ(reader.IsFormatAvailable(format, 801), 0);
    ASSERT_EQ(reader.IsFormatAvailable(format, 800), 1);
    double value = 0;
    CString text;
    char* empty = reinterpret_cast<char*>(1);
    reader.ReadDouble(value);
    reader.ReadString(text);
    reader.ReadString(&empty);
    EXPECT_EQ(value, 1.5);
    EXPECT_EQ(text, CString(u8"計測点"));
    EXPECT_EQ(empty, nullptr);
    char rest[600];
    EXPECT_THROW(reader.Read(rest, sizeof rest), CUserException); // past the block
}

TEST(ClipboardFile, GrowsInStepsOf512AndEmptiesOnlyOnce) {
    UINT format = RegisterClipboardFormat("GrowthTest");
    UINT other = RegisterClipboardFormat("OtherTest");
    {
        CClipboardFile writer;
        writer.Open(other, CFile::modeWrite, 512);
        writer.WriteInt(1);
        writer.Close();
    }
    CClipboardFile writer;
    ASSERT_EQ(writer.Open(format, CFile::modeWrite, 512), 1); // empties: "other" is gone
    std::string bytes(513, 'z');
    writer.Write(bytes.data(), 513);
    EXPECT_EQ(writer.GetCapacity(), 1024u);
    writer.Close();
    writer.Open(other, CFile::modeWrite, 512); // second open: no second emptying
    writer.WriteInt(2);
    writer.Close();
    EXPECT_TRUE(platform::CurrentClipboard().GetData("GrowthTest").has_value());
    EXPECT_TRUE(platform::CurrentClipboard().GetData("OtherTest").has_value());
}

TEST(ClipboardFile, OverlongStringReturnsZeroAndLeavesTheTarget) {
    UINT format = RegisterClipboardFormat("LongStringTest");
    {
        CClipboardFile writer;
        writer.Open(format, CFile::modeWrite, 512);
        writer.WriteString(std::string(129, 'a').c_str());
        writer.Close();
    }
    CClipboardFile reader;
    ASSERT_EQ(reader.Open(format, CFile::modeRead, 512), 1);
    CString text("kept");
    EXPECT_EQ(reader.ReadString(text), 0);
    EXPECT_EQ(text, "kept");
}

TEST(ClipboardFile, ABusyClipboardCannotBeOpened) {
    CClipboardFile holder;
    CClipboardFile second;
    EXPECT_EQ(second.Open(RegisterClipboardFormat("Busy"), CFile::modeWrite, 512), 0);
}
