#include "DocumentTestSupport.h"

#include "common/records/TextFile.h"

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string Slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream out;
    out << in.rdbuf();
    return out.str();
}

// A writer of n lines of text, standing in for the analysis file writer.
torvan::CBlockDoc::AnalysisWriter LinesWriter(const std::string& text, int count) {
    return [text, count](torvan::CBlockDoc&, const char* path) {
        CTextFile file;
        if (!file.Open(path, CFile::modeCreate | CFile::modeWrite)) {
            return 0;
        }
        try {
            for (int i = 0; i < count; ++i) {
                file.WriteLine(text.c_str());
            }
            file.Close();
        } catch (const CFileException&) {
            return 0;
        }
        return 1;
    };
}

} // namespace

class DocumentSaveTest : public DocumentTest {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("doc_save_" + std::to_string(::getpid()) + "_" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir_);
        path_ = (dir_ / "a.slo").string();
    }
    void TearDown() override { fs::remove_all(dir_); }
    void Save(const std::string& text, int count = 1, int expected = 1) {
        doc_.SetAnalysisWriter(LinesWriter(text, count));
        EXPECT_EQ(doc_.SaveWithBackup(path_.c_str()), expected);
    }
    fs::path dir_;
    std::string path_;
};

TEST_F(DocumentSaveTest, EachSaveKeepsThePreviousVersionAsBak) {
    doc_.SetModifiedFlag();
    Save("one");
    EXPECT_FALSE(doc_.IsModified());
    EXPECT_FALSE(fs::exists(dir_ / "a.BAK"));
    Save("two");
    Save("three");
    EXPECT_EQ(Slurp(dir_ / "a.slo"), "three\r\n");
    EXPECT_EQ(Slurp(dir_ / "a.BAK"), "two\r\n");
    EXPECT_FALSE(fs::exists(dir_ / "a.slo.tmp"));
    EXPECT_EQ(doc_.m_strTitle, "a");
}

TEST_F(DocumentSaveTest, AFailedWriteLeavesTheFileAndItsBakAsTheyWere) {
    Save("one");
    Save("two");
    fs::create_directory(dir_ / "a.slo.tmp"); // the new version cannot be written
    doc_.SetModifiedFlag();
    Save("three", 1, 0);
    EXPECT_TRUE(doc_.IsModified());
    EXPECT_EQ(Slurp(dir_ / "a.slo"), "two\r\n");
    EXPECT_EQ(Slurp(dir_ / "a.BAK"), "one\r\n");
}

TEST_F(DocumentSaveTest, ADiskFullDuringTheWriteLosesNothing) {
    Save("one");
    Save("two");
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{512, 512};
        setrlimit(RLIMIT_FSIZE, &limit);
        platform::RecordingSink sink;
        torvan::CBlockDoc doc;
        doc.SetAnalysisWriter(LinesWriter(std::string(60, 'x'), 1000));
        _exit(doc.SaveWithBackup(path_.c_str()) == 0 && sink.MessageCount() == 1 ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(Slurp(dir_ / "a.slo"), "two\r\n");
    EXPECT_EQ(Slurp(dir_ / "a.BAK"), "one\r\n");
    EXPECT_FALSE(fs::exists(dir_ / "a.slo.tmp"));
}

TEST_F(DocumentSaveTest, ABackupThatCannotBeMadeAsksWhetherToGoOn) {
    Save("one");
    fs::create_directory(dir_ / "a.BAK");
    fs::create_directory(dir_ / "a.BAK" / "keep"); // a non-empty directory: the rename fails
    sink_.QueueAnswer(IDNO);
    Save("two", 1, 0);
    EXPECT_EQ(Slurp(dir_ / "a.slo"), "one\r\n");
    EXPECT_EQ(sink_.LastMessageUtf8(),
              platform::Utf8(u8"すべり線解析ﾌｧｲﾙ(.slo)のﾊﾞｯｸｱｯﾌﾟを作成できません。\n保存処理を続けますか？"));
    sink_.QueueAnswer(IDYES);
    Save("two");
    EXPECT_EQ(Slurp(dir_ / "a.slo"), "two\r\n");
}
