#include "testsupport/FileBytes.h"
#include "testsupport/Fixtures.h"

#include "common/records/CBinaryFile.h"
#include "platform/core/Unset.h"

class BinaryFileTest : public testsupport::TempDirTest {
protected:
    // Opens a file holding exactly these bytes for reading.
    void OpenWith(CBinaryFile& file, const std::string& bytes) {
        testsupport::WriteBytes(Path("in.bin"), bytes);
        ASSERT_EQ(file.Open(Path("in.bin").c_str(), CFile::modeRead), 1);
    }
};

TEST_F(BinaryFileTest, ItemsRoundTripLittleEndian) {
    CBinaryFile out;
    ASSERT_EQ(out.Open(Path("a.bin").c_str(), CFile::modeCreate | CFile::modeWrite), 1);
    out.WriteShort(-2);
    out.WriteInt(0x01020304);
    out.WriteLong(-1);
    out.WriteDouble(2.5);
    out.WriteString("ab");
    out.WriteString(CString());
    out.Close();
    std::string bytes = testsupport::ReadBytes(Path("a.bin"));
    EXPECT_EQ(bytes.substr(0, 6), std::string("\xFE\xFF\x04\x03\x02\x01", 6));
    EXPECT_EQ(bytes.substr(18), std::string("\x02\x00"
                                            "ab"
                                            "\x00\x00",
                                            6));

    CBinaryFile in;
    ASSERT_EQ(in.Open(Path("a.bin").c_str(), CFile::modeRead), 1);
    short s;
    int i;
    LONG l;
    double d;
    CString text;
    char* empty = reinterpret_cast<char*>(1);
    in.ReadShort(s);
    in.ReadInt(i);
    in.ReadLong(l);
    in.ReadDouble(d);
    in.ReadString(text);
    in.ReadString(&empty);
    EXPECT_EQ(s, -2);
    EXPECT_EQ(i, 0x01020304);
    EXPECT_EQ(l, -1);
    EXPECT_EQ(d, 2.5);
    EXPECT_EQ(text, "ab");
    EXPECT_EQ(empty, nullptr);
}

TEST_F(BinaryFileTest, StringLongerThan128IsADamagedFileInEveryForm) {
    std::string bytes = std::string("\x81\x00", 2) + std::string(129, 'x');
    char buffer[CBinaryFile::kMaxStringLength + 1];
    char* pointer = nullptr;
    CString text;
    {
        CBinaryFile in;
        OpenWith(in, bytes);
        EXPECT_THROW(in.ReadString(buffer), CFileException);
    }
    {
        CBinaryFile in;
        OpenWith(in, bytes);
        EXPECT_THROW(in.ReadString(&pointer), CFileException);
    }
    {
        CBinaryFile in;
        OpenWith(in, bytes);
        try {
            in.ReadString(text);
            FAIL() << "no exception";
        } catch (const CFileException& error) {
            EXPECT_EQ(error.m_cause, CFileException::genericException);
        }
    }
    EXPECT_EQ(sink_.MessageCount(), 0); // reads fail without a message
}

TEST_F(BinaryFileTest, TruncatedReadsHandOutTheirMarkers) {
    CBinaryFile in;
    OpenWith(in, std::string("\x01", 1));
    double d = 0;
    int i = 0;
    LONG l = 0;
    DWORD w = 0;
    short s = 0;
    EXPECT_THROW(in.ReadDouble(d), CFileException);
    EXPECT_TRUE(platform::IsUnsetDouble(d));
    in.SeekToBegin();
    EXPECT_THROW(in.ReadInt(i), CFileException);
    EXPECT_EQ(i, platform::kUnsetInt);
    in.SeekToBegin();
    EXPECT_THROW(in.ReadLong(l), CFileException);
    EXPECT_EQ(l, 0x7FFFFFFF);
    in.SeekToBegin();
    EXPECT_THROW(in.ReadDWord(w), CFileException);
    EXPECT_EQ(w, 0xFFFFFFFFu);
    in.SeekToBegin();
    EXPECT_THROW(in.ReadShort(s), CFileException);
    EXPECT_EQ(static_cast<unsigned short>(s), 0x8000u);
}

TEST_F(BinaryFileTest, ShortIntModeMapsOldMarkers) {
    CBinaryFile in;
    OpenWith(in, std::string("\x01\x80\xFF\x7F\xFE\xFF", 6)); // -32767, 32767, -2
    in.SetShortIntMode(true);
    int a;
    int b;
    int c;
    in.ReadInt(a);
    in.ReadInt(b);
    in.ReadInt(c);
    EXPECT_EQ(a, platform::kUnsetInt);
    EXPECT_EQ(b, 0x7FFFFFFF);
    EXPECT_EQ(c, -2);
}

TEST_F(BinaryFileTest, EmptyStringIsTheLengthWordAlone) {
    CBinaryFile out;
    ASSERT_EQ(out.Open(Path("e.bin").c_str(), CFile::modeCreate | CFile::modeWrite), 1);
    out.WriteString("");
    out.Close();
    EXPECT_EQ(testsupport::ReadBytes(Path("e.bin")), std::string("\x00\x00", 2));
}

TEST_F(BinaryFileTest, CloseWithMessageReportsAFailingClose) {
    CBinaryFile file;
    OpenWith(file, "x");
    EXPECT_EQ(CloseFileWithMessage(file), TRUE);
    EXPECT_EQ(sink_.MessageCount(), 0);
    OpenWith(file, "x");
    // The descriptor goes away underneath the file, so that closing it fails.
    ::close(static_cast<int>(file.m_hFile));
    EXPECT_EQ(CloseFileWithMessage(file), FALSE);
    EXPECT_EQ(sink_.LastMessageUtf8(), platform::Utf8(u8"ﾌｧｲﾙを閉じる際にｴﾗｰが発生しました"));
    EXPECT_EQ(sink_.BeepCount(), 1);
}
