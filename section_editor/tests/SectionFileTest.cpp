// The section model file: byte-exact round trips, refused files, the ground-line check
// and the save with its backup.

#include "section_editor/core/CBlockDoc.h"

#include "platform/core/CodePage.h"
#include "platform/core/RecordingSink.h"
#include "platform/core/Unset.h"
#include "testsupport/ChildProcess.h"
#include "testsupport/DamagedTextFile.h"
#include "testsupport/FileBytes.h"
#include "testsupport/Fixtures.h"
#include "testsupport/NonRegularFile.h"

#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

using section::PointKind;

using merdok::CBlockDoc;
using merdok::CLine;
using merdok::CNode;
using platform::Utf8;

namespace {

std::string DataFile(const std::string& name) {
    return std::string(VERRANT_TEST_DATA_DIR) + "/" + name;
}

std::string Point(int number, double x, double y) {
    char record[96];
    std::snprintf(record, sizeof record, "%5d%5d%10.3f%10.3f", number, 0, x, y);
    return record;
}

// A model of count ground points on one straight line, as the editor writes it.
std::string StraightModel(int count) {
    std::string text = "TITLE     " + std::string(50, ' ') + "MERDOK001\r\n";
    text += "MSIZE     " + std::string(40, ' ') + "\r\nNODE\r\n";
    for (int i = 1; i <= count; ++i) {
        text += Point(i, i * 0.5, 100.0 - i * 0.01) + "\r\n";
    }
    text += "LINE\r\n";
    for (int i = 1; i <= count; ++i) {
        char field[16];
        std::snprintf(field, sizeof field, "%5d", i);
        text += field;
        if (i % 10 == 0 || i == count) {
            text += "\r\n";
        }
    }
    return text + "SITE\r\nBOUND\r\nEND\r\n";
}

} // namespace

class SectionFileTest : public testsupport::TempDirTest {
protected:
    std::string Copy(const std::string& from, const std::string& name) {
        std::filesystem::copy_file(from, Path(name));
        return Path(name);
    }
    bool RunningAsRoot() const { return ::geteuid() == 0; }

    CBlockDoc doc_;
};

TEST_F(SectionFileTest, EveryModelSavesByteForByte) {
    const std::string files[] = {
        std::string(VERRANT_SOURCE_DIR) + "/data/sample.sec",
        std::string(VERRANT_SOURCE_DIR) + "/analysis/tests/data/small.sec",
        DataFile("basic.sec"),
        DataFile("run25.sec"),
        DataFile("run20.sec"),
        DataFile("no_lines.sec"),
    };
    for (const std::string& file : files) {
        SCOPED_TRACE(file);
        ASSERT_TRUE(doc_.OnOpenDocument(file.c_str()));
        ASSERT_TRUE(doc_.OnSaveDocument(Path("saved.sec").c_str()));
        EXPECT_EQ(testsupport::ReadBytes(Path("saved.sec")), testsupport::ReadBytes(file));
    }
    EXPECT_EQ(sink_.MessageCount(), 0);
}

TEST_F(SectionFileTest, LfOnlyFileReadsAndSavesWithCrLf) {
    ASSERT_TRUE(doc_.OnOpenDocument(DataFile("basic_lf.sec").c_str()));
    ASSERT_TRUE(doc_.OnSaveDocument(Path("saved.sec").c_str()));
    EXPECT_EQ(testsupport::ReadBytes(Path("saved.sec")), testsupport::ReadBytes(DataFile("basic.sec")));
}

TEST_F(SectionFileTest, RefusedFilesLoadNothing) {
    const std::string readError = Utf8(u8"ファイル読み込みエラーです。");
    struct Case {
        const char* file;
        std::vector<std::string> messages;
    };
    const Case cases[] = {
        {"wrong_tag.sec",
         {Utf8(u8"断面ﾃﾞｰﾀﾌｧｲﾙの形式が変わりましたので新規作成して下さい"),
          Utf8(u8"断面ﾃﾞｰﾀﾌｧｲﾙの形式エラーのため、読み込みできません")}},
        {"no_msize.sec", {readError}},
        {"no_end.sec", {Utf8(u8"ﾌｧｲﾙが途中で終了しているため、読み込みできません"), readError}},
        {"blank_number.sec", {readError}},
        {"zero_number.sec", {readError}},
        {"non_numeric.sec", {readError}},
        {"duplicate.sec", {readError}},
        {"line_without_point.sec", {readError}},
        {"non_finite.sec", {readError}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        sink_.Clear();
        std::string path = Copy(DataFile(std::string("invalid/") + c.file), c.file);
        EXPECT_FALSE(doc_.OnOpenDocument(path.c_str()));
        EXPECT_EQ(sink_.MessagesUtf8(), c.messages);
        EXPECT_EQ(doc_.m_mapNode.GetCount(), 0);
        EXPECT_EQ(doc_.m_LineList.GetCount(), 0);
        EXPECT_TRUE(doc_.m_mapAllPoints.empty());
    }
}

// A file cut short anywhere after its size record says that it ended early, also where the cut
// leaves half a point record, and loads nothing.
TEST_F(SectionFileTest, AFileCutShortAnywhereSaysItEndedEarly) {
    const std::string whole = StraightModel(12);
    const std::string premature = Utf8(u8"ﾌｧｲﾙが途中で終了しているため、読み込みできません");
    const std::size_t afterSize = whole.find("NODE");
    for (std::size_t cut = afterSize; cut < whole.rfind("END"); ++cut) {
        SCOPED_TRACE(cut);
        testsupport::WriteBytes(Path("cut.sec"), whole.substr(0, cut));
        sink_.Clear();
        EXPECT_FALSE(doc_.OnOpenDocument(Path("cut.sec").c_str()));
        const std::vector<std::string> messages = sink_.MessagesUtf8();
        ASSERT_FALSE(messages.empty());
        EXPECT_EQ(messages.front(), premature);
        EXPECT_EQ(doc_.m_mapNode.GetCount(), 0);
    }
}

// A sparse file of 2 GB is refused from its first block: the reader never reads it through.
TEST_F(SectionFileTest, AHugeSparseFileIsRefusedWithoutReadingItThrough) {
    const std::string path = Path("sparse.sec");
    { std::ofstream create(path); }
    ASSERT_EQ(::truncate(path.c_str(), std::int64_t{2} << 30), 0);
    const long long before = testsupport::BytesReadByProcess();
    EXPECT_FALSE(doc_.OnOpenDocument(path.c_str()));
    const long long read = testsupport::BytesReadByProcess() - before;
    EXPECT_LT(read, 1LL << 20) << "bytes read of a 2 GB file";
    EXPECT_EQ(sink_.MessagesUtf8(), std::vector<std::string>{Utf8(u8"ファイル読み込みエラーです。")});
    EXPECT_EQ(doc_.m_mapNode.GetCount(), 0);
}

// A FIFO, socket or directory at a model's name is there: its open says why it fails.
TEST_F(SectionFileTest, ANonRegularFileAtTheNameGivesTheOpenMessageWithItsNumber) {
    std::filesystem::permissions(dir_.Path(), std::filesystem::perms::all);
    for (const std::string& kind : testsupport::NonRegularFileKinds()) {
        const std::string path = Path(kind + ".sec");
        ASSERT_TRUE(testsupport::MakeNonRegularFile(kind, path));
        EXPECT_EQ(testsupport::RunInChildAsUser([&] {
                      return doc_.OnOpenDocument(path.c_str()) || sink_.MessageCount() != 1 ||
                             !testsupport::IsOpenErrorMessage(sink_.LastMessageUtf8(), path);
                  }),
                  0)
            << kind;
    }
}

// A model whose first lines are whole, then NUL bytes to 2 GB or a line over 64 KiB, is
// refused where it turns: as a file cut short (the NULs end it), or as a record that does
// not read; the rest is never read.
TEST_F(SectionFileTest, AModelThatTurnsToNulsOrAnOverlongLineIsRefusedWhereItDoes) {
    const std::string model = StraightModel(60);
    const std::size_t cut = model.find("\r\n", 1200) + 2;
    const std::string readError = Utf8(u8"ファイル読み込みエラーです。");
    const std::vector<std::vector<std::string>> told = {
        {Utf8(u8"ﾌｧｲﾙが途中で終了しているため、読み込みできません"), readError}, {readError}};
    const auto files = testsupport::DamagedTextFiles(model.substr(0, cut), model.substr(cut));
    for (std::size_t i = 0; i < files.size(); ++i) {
        SCOPED_TRACE(files[i].name);
        testsupport::WriteDamagedTextFile(Path("damaged.sec"), files[i]);
        sink_.Clear();
        const long long before = testsupport::BytesReadByProcess();
        EXPECT_FALSE(doc_.OnOpenDocument(Path("damaged.sec").c_str()));
        EXPECT_LT(testsupport::BytesReadByProcess() - before, 1LL << 20) << "bytes read";
        EXPECT_EQ(sink_.MessagesUtf8(), told[i]);
        EXPECT_EQ(doc_.m_mapNode.GetCount(), 0);
    }
}

TEST_F(SectionFileTest, BrokenGroundLinesAreNotSaved) {
    struct Case {
        const char* file;
        std::u8string message;
    };
    const Case cases[] = {
        {"fork.sec", u8"地表点番号 2 が不正です !!"},
        {"ring.sec", u8"地表線のｽﾀｰﾄ点が見つかりません"},
        {"two_pieces.sec", u8"地表線が不連続のため、保存できません"},
        // The walk from the start never reaches the ring: saving would have dropped it.
        {"ring_beside_line.sec", u8"地表線が不連続のため、保存できません"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        sink_.Clear();
        ASSERT_TRUE(doc_.OnOpenDocument(DataFile(c.file).c_str()));
        EXPECT_FALSE(doc_.OnSaveDocument(Path(c.file).c_str()));
        EXPECT_EQ(sink_.LastMessageUtf8(), Utf8(c.message.c_str()));
        EXPECT_FALSE(std::filesystem::exists(Path(c.file)));
    }
}

TEST_F(SectionFileTest, ALineToADeletedPointIsNotSaved) {
    ASSERT_TRUE(doc_.OnOpenDocument(DataFile("basic.sec").c_str()));
    doc_.m_mapNode.Lookup(2)->SetState(CNode::kSelected);
    doc_.DeletePointsInState(PointKind::kGround, CNode::kSelected);
    EXPECT_FALSE(doc_.OnSaveDocument(Path("saved.sec").c_str()));
    EXPECT_EQ(sink_.LastMessageUtf8(), Utf8(u8"地表線が不正のため、保存できません"));
}

TEST_F(SectionFileTest, SaveWithASelectionKeepsTheStates) {
    ASSERT_TRUE(doc_.OnOpenDocument(DataFile("basic.sec").c_str()));
    doc_.m_LineList.Lookup(0)->SetState(CLine::kSelected);
    doc_.m_mapNode.Lookup(1)->SetState(CNode::kSelected);
    ASSERT_TRUE(doc_.OnSaveDocument(Path("saved.sec").c_str()));
    EXPECT_EQ(testsupport::ReadBytes(Path("saved.sec")), testsupport::ReadBytes(DataFile("basic.sec")));
    EXPECT_EQ(doc_.m_LineList.Lookup(0)->GetState(), CLine::kSelected);
    EXPECT_EQ(doc_.m_mapNode.Lookup(1)->GetState(), CNode::kSelected);
    EXPECT_EQ(doc_.m_mapNode.Lookup(0)->GetState(), CNode::kNormal);
}

TEST_F(SectionFileTest, ValuesWiderThanTheirColumnsRefuseTheSave) {
    std::string path = Copy(DataFile("basic.sec"), "a.sec");
    const std::string before = testsupport::ReadBytes(path);
    struct Case {
        const char* what;
        std::function<void(CBlockDoc&)> widen;
        std::u8string message;
    };
    const Case cases[] = {
        {"ground x", [](CBlockDoc& d) { d.m_mapNode.Lookup(1)->SetXY(1000000.0, 6.0); },
         u8"節点番号 2 の座標値 が記録の桁数を越えているため、保存できません"},
        {"measurement y", [](CBlockDoc& d) { d.m_mapSite.Lookup(0)->SetXY(5.0, -100000.0); },
         u8"計測点番号 1 の座標値 が記録の桁数を越えているため、保存できません"},
        {"model size", [](CBlockDoc& d) { d.m_dModelSize[1] = 1e7; },
         u8"ﾓﾃﾞﾙｻｲｽﾞ が記録の桁数を越えているため、保存できません"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        sink_.Clear();
        ASSERT_TRUE(doc_.OnOpenDocument(path.c_str()));
        c.widen(doc_);
        EXPECT_FALSE(doc_.OnSaveDocument(path.c_str()));
        EXPECT_EQ(sink_.MessagesUtf8(), std::vector<std::string>{Utf8(c.message.c_str())});
        EXPECT_EQ(testsupport::ReadBytes(path), before);
    }
}

// A model at the largest limits, its records many buffers long: every record as the point
// itself formats it, in key order, named and unnamed mixed, and a value too wide anywhere
// in it refuses the save with the point it is in; so does a gap in its ground line.
TEST_F(SectionFileTest, ALargeModelIsWrittenRecordForRecordAndAWideValueOrAGapRefusesIt) {
    constexpr int kCount = 10000;
    for (int& limit : doc_.m_nLimit) {
        limit = kCount;
    }
    for (int i = 0; i < kCount; ++i) {
        doc_.MakePoint(PointKind::kGround, i * 0.5, 100.0 - i * 0.001);
        if (i > 0) {
            doc_.m_nLineCount = doc_.AddLine(i - 1, i, doc_.m_nLineCount);
        }
        CNode* site = doc_.MakePoint(PointKind::kMeasurement, i * 0.5, 90.0 + i % 7);
        if (i % 3 == 0) {
            site->SetName(CString(""));
        }
    }
    auto expected = [](const merdok::RecordMap<CNode>& map) {
        std::string text;
        for (const auto& [key, point] : map) {
            text += std::string(point->Format().GetString()) + "\r\n";
        }
        return text;
    };
    const std::string path = Path("large.sec");
    ASSERT_TRUE(doc_.OnSaveDocument(path.c_str())) << testing::PrintToString(sink_.MessagesUtf8());
    const std::string saved = testsupport::ReadBytes(path);
    auto between = [&saved](const std::string& from, const std::string& to) {
        const std::size_t start = saved.find(from) + from.size();
        return saved.substr(start, saved.find(to, start) - start);
    };
    EXPECT_EQ(between("NODE\r\n", "LINE\r\n"), expected(doc_.m_mapNode));
    EXPECT_EQ(between("SITE\r\n", "BOUND\r\n"), expected(doc_.m_mapSite));

    for (const int key : {0, kCount / 2, kCount - 1}) {
        SCOPED_TRACE(key);
        sink_.Clear();
        CNode* point = doc_.m_mapNode.Lookup(key);
        const double x = point->GetX();
        point->SetXY(1.0e6, point->GetY());
        EXPECT_FALSE(doc_.OnSaveDocument(path.c_str()));
        const std::string message =
            std::to_string(key + 1) + " の座標値 が記録の桁数を越えているため、保存できません";
        EXPECT_EQ(sink_.MessagesUtf8(), std::vector<std::string>{Utf8(u8"節点番号 ") + message});
        point->SetXY(x, point->GetY());
    }
    sink_.Clear();
    std::unique_ptr<CLine> gap = doc_.m_LineList.Remove(kCount / 2);
    EXPECT_FALSE(doc_.OnSaveDocument(path.c_str()));
    EXPECT_EQ(sink_.MessagesUtf8(), std::vector<std::string>{Utf8(u8"地表線が不連続のため、保存できません")});
    EXPECT_EQ(testsupport::ReadBytes(path), saved);
}

TEST_F(SectionFileTest, SavingKeepsThePreviousVersionAsBak) {
    std::string path = Copy(DataFile("basic.sec"), "a.sec");
    testsupport::WriteBytes(Path("a.sec.BAK"), "older backup");
    ASSERT_TRUE(doc_.OnOpenDocument(path.c_str()));
    doc_.m_strTitle = "second";
    ASSERT_TRUE(doc_.OnSaveDocument(path.c_str()));
    EXPECT_EQ(testsupport::ReadBytes(Path("a.sec.BAK")), testsupport::ReadBytes(DataFile("basic.sec")));
    EXPECT_NE(testsupport::ReadBytes(path).find("TITLE     second"), std::string::npos);
    EXPECT_FALSE(doc_.IsModified());
}

TEST_F(SectionFileTest, ABackupThatCannotBeMadeAsksFirst) {
    std::string path = Copy(DataFile("basic.sec"), "a.sec");
    std::filesystem::create_directories(Path("a.sec.BAK/in-the-way"));
    ASSERT_TRUE(doc_.OnOpenDocument(path.c_str()));
    doc_.m_strTitle = "second";
    sink_.QueueAnswer(IDNO);
    EXPECT_FALSE(doc_.OnSaveDocument(path.c_str()));
    EXPECT_EQ(sink_.LastMessageUtf8(),
              Utf8(u8"断面ﾌｧｲﾙ(.sec)のﾊﾞｯｸｱｯﾌﾟを作成できません。\n保存処理を続けますか？"));
    EXPECT_EQ(testsupport::ReadBytes(path), testsupport::ReadBytes(DataFile("basic.sec")));
    sink_.QueueAnswer(IDYES);
    EXPECT_TRUE(doc_.OnSaveDocument(path.c_str()));
    EXPECT_NE(testsupport::ReadBytes(path).find("TITLE     second"), std::string::npos);
}

TEST_F(SectionFileTest, NamesAreTakenAsGiven) {
    // An upper-case extension opens that file and saves to it.
    std::string path = Copy(DataFile("basic.sec"), "A.SEC");
    ASSERT_TRUE(doc_.OnOpenDocument(path.c_str()));
    EXPECT_EQ(doc_.m_strPath, CString(path.c_str()));
    EXPECT_EQ(doc_.m_strDocName, CString("A"));
    doc_.m_strTitle = "changed";
    ASSERT_TRUE(doc_.OnSaveDocument(path.c_str()));
    EXPECT_FALSE(std::filesystem::exists(Path("A.sec")));
    EXPECT_TRUE(std::filesystem::exists(Path("A.SEC.BAK")));
}

TEST_F(SectionFileTest, UnwritablePlacesFailWithAMessageAndLeaveNoFile) {
    ASSERT_TRUE(doc_.OnOpenDocument(DataFile("basic.sec").c_str()));
    testsupport::WriteBytes(Path("plain"), "a file, not a directory");
    EXPECT_FALSE(doc_.OnSaveDocument(Path("plain/a.sec").c_str()));
    EXPECT_EQ(sink_.MessageCount(), 1);
    if (RunningAsRoot()) {
        GTEST_SKIP() << "permissions do not bind the super-user";
    }
    std::filesystem::create_directory(Path("locked"));
    ::chmod(Path("locked").c_str(), 0555);
    EXPECT_FALSE(doc_.OnSaveDocument(Path("locked/a.sec").c_str()));
    EXPECT_EQ(sink_.MessageCount(), 2);
    EXPECT_TRUE(std::filesystem::is_empty(Path("locked")));
    ::chmod(Path("locked").c_str(), 0755);
}

TEST_F(SectionFileTest, JapaneseNamedAndReadOnlyModelsOpenAndAReadOnlyOneIsNeverReplaced) {
    std::filesystem::permissions(dir_.Path(), std::filesystem::perms::all);
    dir_.MakeDirectory(Utf8(u8"日本語フォルダ"));
    const std::string japanese = Copy(DataFile("basic.sec"), Utf8(u8"日本語フォルダ/断面.sec"));
    const CString name(platform::Utf8ToCp932(japanese));
    ASSERT_TRUE(doc_.OnOpenDocument(name)) << sink_.LastMessageUtf8();
    ASSERT_TRUE(doc_.OnSaveDocument(name)) << sink_.LastMessageUtf8();
    ASSERT_TRUE(CBlockDoc().OnOpenDocument(name));
    EXPECT_EQ(testsupport::ReadBytes(japanese), testsupport::ReadBytes(DataFile("basic.sec")));

    const std::string path = Copy(DataFile("basic.sec"), "a.sec");
    ::chmod(path.c_str(), 0444);
    const int messages = sink_.MessageCount();
    EXPECT_EQ(testsupport::RunInChildAsUser([&] {
                  CBlockDoc readOnly;
                  if (!readOnly.OnOpenDocument(path.c_str()) || readOnly.m_mapNode.GetCount() == 0) {
                      return 1;
                  }
                  return readOnly.OnSaveDocument(path.c_str()) || sink_.MessageCount() != messages + 1 ? 2
                                                                                                       : 0;
              }),
              0);
    EXPECT_FALSE(doc_.OnSaveDocument(path.c_str())) << "not even for the superuser";
    EXPECT_EQ(testsupport::ReadBytes(path), testsupport::ReadBytes(DataFile("basic.sec")));
}

TEST_F(SectionFileTest, TenThousandPointsWithinTheLargestLimitsAndOneMoreRefused) {
    for (int& limit : doc_.m_nLimit) {
        limit = 10000;
    }
    testsupport::WriteBytes(Path("big.sec"), StraightModel(10000));
    ASSERT_TRUE(doc_.OnOpenDocument(Path("big.sec").c_str()));
    EXPECT_EQ(doc_.m_LineList.GetCount(), 9999); // one run of 10,000 numbers
    ASSERT_TRUE(doc_.OnSaveDocument(Path("saved.sec").c_str()));
    EXPECT_EQ(testsupport::ReadBytes(Path("saved.sec")), testsupport::ReadBytes(Path("big.sec")));

    testsupport::WriteBytes(Path("over.sec"), StraightModel(10001));
    EXPECT_FALSE(doc_.OnOpenDocument(Path("over.sec").c_str()));
    EXPECT_EQ(sink_.MessagesUtf8(), (std::vector<std::string>{Utf8(u8"節点ﾃﾞｰﾀの個数が制限を越えています"),
                                                              Utf8(u8"ファイル読み込みエラーです。")}));
    EXPECT_EQ(doc_.m_mapNode.GetCount(), 0);
}

TEST_F(SectionFileTest, LinesUpToTheLineLimitAreReadAndOneMoreRefused) {
    testsupport::WriteBytes(Path("six.sec"), StraightModel(6)); // five lines
    doc_.m_nLimit[CBlockDoc::kLineLimit] = 5;
    ASSERT_TRUE(doc_.OnOpenDocument(Path("six.sec").c_str())) << sink_.LastMessageUtf8();
    EXPECT_EQ(doc_.m_LineList.GetCount(), 5);

    CBlockDoc other;
    other.m_nLimit[CBlockDoc::kLineLimit] = 4;
    EXPECT_FALSE(other.OnOpenDocument(Path("six.sec").c_str()));
    EXPECT_EQ(sink_.MessagesUtf8(), (std::vector<std::string>{Utf8(u8"地表線ﾃﾞｰﾀの個数が制限を越えています"),
                                                              Utf8(u8"ファイル読み込みエラーです。")}));
    EXPECT_EQ(other.m_mapNode.GetCount(), 0);
}

TEST_F(SectionFileTest, SaveCommandsAskFirstAndSaveAsTakesTheChosenName) {
    std::string path = Copy(DataFile("basic.sec"), "a.sec");
    ASSERT_TRUE(doc_.OnOpenDocument(path.c_str()));
    std::string chosen;
    doc_.m_promptSavePath = [&](CString& name) {
        name = chosen.c_str();
        return !chosen.empty();
    };
    doc_.m_strTitle = "changed";
    doc_.SetModifiedFlag();

    sink_.QueueAnswer(IDNO);
    EXPECT_FALSE(doc_.OnFileSave());
    EXPECT_EQ(sink_.LastMessageUtf8(), path + Utf8(u8"\n更新してもよろしいですか？"));
    EXPECT_EQ(testsupport::ReadBytes(path), testsupport::ReadBytes(DataFile("basic.sec")));

    EXPECT_FALSE(doc_.OnFileSaveAs()); // the name dialog was cancelled
    chosen = Path("b.sec");
    EXPECT_TRUE(doc_.OnFileSaveAs());
    EXPECT_EQ(doc_.m_strPath, CString(chosen.c_str()));
    EXPECT_EQ(doc_.m_strDocName, CString("b"));
    EXPECT_FALSE(doc_.IsModified());

    // Closing a changed document: Cancel keeps it, No closes without saving.
    doc_.SetModifiedFlag();
    sink_.QueueAnswer(IDCANCEL);
    EXPECT_FALSE(doc_.SaveModified());
    EXPECT_EQ(sink_.LastMessageUtf8(), chosen + Utf8(u8" に行った変更を保存しますか?"));
    sink_.QueueAnswer(IDNO);
    EXPECT_TRUE(doc_.SaveModified());
}
