// Opening an analysis file, the save and save-as commands and the question to save.

#include "SampleFilesTest.h"
#include "testsupport/ChildProcess.h"
#include "testsupport/FileBytes.h"
#include "testsupport/NonRegularFile.h"

#include "analysis/core/AnalysisRun.h"
#include "platform/core/CodePage.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace fs = std::filesystem;
using platform::Utf8;
using torvan::CBlockDoc;

namespace {

// A path as the program's texts hold it (CP932).
std::string Cp932(const fs::path& path) {
    return platform::Utf8ToCp932(path.string());
}

// The first line of a file that starts with the keyword, without its line end.
std::string LineOf(const fs::path& file, const std::string& keyword) {
    std::istringstream text(testsupport::ReadBytes(file));
    for (std::string line; std::getline(text, line);) {
        if (line.rfind(keyword, 0) == 0) {
            return line.substr(0, line.find('\r'));
        }
    }
    return "";
}

} // namespace

class DocumentLifeCycleTest : public SampleFilesTest {
protected:
    DocumentLifeCycleTest() : SampleFilesTest("doc_life") {}
    void SetUp() override {
        SampleFilesTest::SetUp();
        path_ = (dir_ / "new.slo").string();
    }
    std::string path_;
};

// A FIFO, socket or directory at the document's name is there: its open says why it fails.
TEST_F(DocumentLifeCycleTest, ANonRegularFileAtTheNameGivesTheOpenMessageWithItsNumber) {
    std::filesystem::permissions(dir_, std::filesystem::perms::all);
    for (const std::string& kind : testsupport::NonRegularFileKinds()) {
        const std::string path = (dir_ / (kind + ".slo")).string();
        ASSERT_TRUE(testsupport::MakeNonRegularFile(kind, path));
        EXPECT_EQ(testsupport::RunInChildAsUser([&] {
                      return doc_.OnOpenDocument(path.c_str()) != 0 || sink_.MessageCount() != 1 ||
                             !testsupport::IsOpenErrorMessage(sink_.LastMessageUtf8(), path);
                  }),
                  0)
            << kind;
    }
}

TEST_F(DocumentLifeCycleTest, OpeningTakesThePathAndTheFilesItNames) {
    std::string sample = (dir_ / "sample.slo").string();
    ASSERT_EQ(doc_.OnOpenDocument(sample.c_str()), 1) << sink_.LastMessageUtf8();
    EXPECT_EQ(doc_.Path(), sample.c_str());
    EXPECT_EQ(doc_.Title(), "sample");
    EXPECT_FALSE(doc_.IsModified());
    EXPECT_EQ(doc_.GroundPoints().GetCount(), 45);
    // Opening a missing file empties the document and says so.
    std::string missing = (dir_ / "missing.slo").string();
    EXPECT_EQ(doc_.OnOpenDocument(missing.c_str()), 0);
    EXPECT_EQ(sink_.LastMessageUtf8(), missing + Utf8(u8"\nﾌｧｲﾙが見つかりません"));
    EXPECT_EQ(doc_.GroundPoints().GetCount(), 0);
}

TEST_F(DocumentLifeCycleTest, JapaneseNamedAndReadOnlyFilesOpenAndAReadOnlyOneIsNeverReplaced) {
    fs::permissions(dir_, fs::perms::all);
    const fs::path folder = dir_ / fs::u8path(Utf8(u8"日本語フォルダ"));
    fs::create_directory(folder);
    for (const char* name : {"sample.sec", "sample.dis"}) {
        fs::copy_file(dir_ / name, folder / name);
    }
    const fs::path japanese = folder / fs::u8path(Utf8(u8"解析.slo"));
    fs::copy_file(dir_ / "sample.slo", japanese);
    ASSERT_EQ(doc_.OnOpenDocument(Cp932(japanese).c_str()), 1) << sink_.LastMessageUtf8();
    EXPECT_EQ(doc_.SaveWithBackup(Cp932(japanese).c_str()), 1) << sink_.LastMessageUtf8();
    ASSERT_EQ(doc_.OnOpenDocument(Cp932(japanese).c_str()), 1) << sink_.LastMessageUtf8();
    EXPECT_EQ(doc_.GroundPoints().GetCount(), 45);

    const std::string sample = (dir_ / "sample.slo").string();
    const std::string before = testsupport::ReadBytes(sample);
    fs::permissions(sample, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_EQ(testsupport::RunInChildAsUser([&] {
                  CBlockDoc readOnly;
                  if (readOnly.OnOpenDocument(sample.c_str()) != 1 ||
                      readOnly.GroundPoints().GetCount() != 45) {
                      return 1;
                  }
                  return readOnly.SaveWithBackup(sample.c_str()) == 0 ? 0 : 2;
              }),
              0);
    EXPECT_EQ(doc_.SaveWithBackup(sample.c_str()), 0) << "not even for the superuser";
    EXPECT_EQ(testsupport::ReadBytes(sample), before);
}

TEST_F(DocumentLifeCycleTest, TheSaveCommandAsksOnlyForADocumentWithAPath) {
    side_.promptAnswer = path_;
    doc_.SetModifiedFlag();
    ASSERT_EQ(doc_.OnFileSave(), 1);
    EXPECT_EQ(sink_.MessageCount(), 0); // no path yet: no question, the prompt instead
    EXPECT_EQ(side_.prompts, 1);
    EXPECT_EQ(doc_.Path(), path_.c_str());
    EXPECT_EQ(side_.captions, std::vector<std::string>{path_});
    EXPECT_EQ(side_.reported, path_);
    EXPECT_FALSE(doc_.IsModified());
    std::string first = testsupport::ReadBytes(path_);

    doc_.Settings().m_dPhi = 30.0;
    sink_.QueueAnswer(IDNO);
    EXPECT_EQ(doc_.OnFileSave(), 0);
    EXPECT_EQ(sink_.LastMessageUtf8(), path_ + Utf8(u8"\n更新してもよろしいですか？"));
    EXPECT_EQ(testsupport::ReadBytes(path_), first);
    sink_.QueueAnswer(IDYES);
    ASSERT_EQ(doc_.OnFileSave(), 1);
    EXPECT_EQ(side_.prompts, 1); // the known path is used
    EXPECT_EQ(testsupport::ReadBytes(dir_ / "new.slo.BAK"), first);
    EXPECT_EQ(side_.captions.size(), 1u); // same path: captions unchanged
}

TEST_F(DocumentLifeCycleTest, SaveAsPromptsEveryTime) {
    EXPECT_EQ(doc_.OnFileSaveAs(), 0); // the prompt is cancelled
    EXPECT_FALSE(fs::exists(path_));
    EXPECT_TRUE(side_.reported.empty());
    side_.promptAnswer = path_;
    ASSERT_EQ(doc_.OnFileSaveAs(), 1);
    std::string other = (dir_ / "other.slo").string();
    side_.promptAnswer = other;
    ASSERT_EQ(doc_.OnFileSaveAs(), 1);
    EXPECT_EQ(side_.prompts, 3);
    EXPECT_EQ(doc_.Path(), other.c_str());
    EXPECT_EQ(doc_.Title(), "other");
    EXPECT_EQ(side_.captions, (std::vector<std::string>{path_, other}));
    EXPECT_EQ(side_.reported, other);
}

TEST_F(DocumentLifeCycleTest, TheQuestionToSave) {
    EXPECT_EQ(doc_.SaveModified(), 1); // unmodified: nothing asked
    EXPECT_EQ(sink_.MessageCount(), 0);
    doc_.SetModifiedFlag();
    sink_.QueueAnswer(IDCANCEL);
    EXPECT_EQ(doc_.SaveModified(), 0);
    EXPECT_EQ(sink_.LastMessageUtf8(), Utf8(u8"無題 に行った変更を保存しますか?"));
    sink_.QueueAnswer(IDNO);
    EXPECT_EQ(doc_.SaveModified(), 1);
    EXPECT_EQ(side_.prompts, 0);
    sink_.QueueAnswer(IDYES); // no path: the prompt is cancelled, the document stays open
    EXPECT_EQ(doc_.SaveModified(), 0);
    side_.promptAnswer = path_;
    sink_.QueueAnswer(IDYES);
    EXPECT_EQ(doc_.SaveModified(), 1);
    EXPECT_TRUE(fs::exists(path_));
    EXPECT_FALSE(doc_.IsModified());
    EXPECT_TRUE(side_.reported.empty()); // only the save commands report the file
    // With a path the question names it.
    doc_.SetPath(path_.c_str());
    doc_.SetModifiedFlag();
    sink_.QueueAnswer(IDNO);
    doc_.SaveModified();
    EXPECT_EQ(sink_.LastMessageUtf8(), path_ + Utf8(u8" に行った変更を保存しますか?"));
}

TEST_F(DocumentLifeCycleTest, TheBaseMenusFullPathOfTheNamedFileIsNoOtherFile) {
    // The sample names its reference files without a directory; the base menu passes full paths.
    doc_.SetCommandLineSection((dir_ / "sample.sec").c_str());
    doc_.SetCommandLineDisp((dir_ / "sample.dis").c_str());
    ASSERT_EQ(doc_.OnOpenDocument((dir_ / "sample.slo").c_str()), 1) << sink_.LastMessageUtf8();
    EXPECT_EQ(side_.referenceQuestions, 0);
    EXPECT_FALSE(doc_.IsModified());
    // Another file is still offered as the choice.
    fs::copy_file(dir_ / "sample.sec", dir_ / "other.sec");
    doc_.SetCommandLineSection((dir_ / "other.sec").c_str());
    ASSERT_EQ(doc_.OnOpenDocument((dir_ / "sample.slo").c_str()), 1) << sink_.LastMessageUtf8();
    EXPECT_EQ(side_.referenceQuestions, 1);
}

TEST_F(DocumentLifeCycleTest, SavingGoesBackToTheFileOpenedWhateverTheCaseOfItsExtension) {
    const fs::path upper = dir_ / "UPPER.SLO";
    fs::copy_file(dir_ / "sample.slo", upper);
    ASSERT_EQ(doc_.OnOpenDocument(upper.c_str()), 1) << sink_.LastMessageUtf8();
    EXPECT_EQ(doc_.Path(), upper.c_str());
    sink_.QueueAnswer(IDYES);
    ASSERT_EQ(doc_.OnFileSave(), 1) << sink_.LastMessageUtf8();
    EXPECT_FALSE(fs::exists(dir_ / "UPPER.slo"));
    EXPECT_TRUE(fs::exists(dir_ / "UPPER.SLO.BAK"));
}

// A file saved into another folder still reaches its section model and measurement files:
// by name where they lie beside it, else by a path that reaches them.
TEST_F(DocumentLifeCycleTest, SaveAsIntoAnotherFolderKeepsTheReferenceFiles) {
    const fs::path elsewhere = dir_ / fs::path(u8"別の場所") / fs::path(u8"解析 結果");
    fs::create_directories(elsewhere);
    ASSERT_EQ(doc_.OnOpenDocument((dir_ / "sample.slo").c_str()), 1) << sink_.LastMessageUtf8();
    ASSERT_EQ(torvan::AnalysisRun(doc_, nullptr).Run(CBlockDoc::kParallel, 0), 1) << sink_.LastMessageUtf8();
    const struct {
        fs::path folder;
        std::string section; // the SEFIL line as written
    } cases[] = {
        {elsewhere, "SEFIL     " + Cp932(dir_ / "sample.sec")},
        {dir_, "SEFIL     sample.sec"}, // back beside them
    };
    for (const auto& saved : cases) {
        const fs::path file = saved.folder / "sample.slo";
        side_.promptAnswer = Cp932(file);
        ASSERT_EQ(doc_.OnFileSaveAs(), 1) << sink_.LastMessageUtf8();
        EXPECT_EQ(LineOf(file, "SEFIL"), saved.section);
        CBlockDoc reopened;
        ASSERT_EQ(reopened.OnOpenDocument(Cp932(file).c_str()), 1) << sink_.LastMessageUtf8();
        EXPECT_EQ(reopened.GroundPoints().GetCount(), doc_.GroundPoints().GetCount());
        EXPECT_EQ(reopened.MeasurementPoints().GetCount(), 8);
        EXPECT_EQ(reopened.Displacements().GetCount(), 8);
        EXPECT_EQ(reopened.SlipLines().GetCount(), 1);
        EXPECT_EQ(reopened.DispTitle(), doc_.DispTitle());
    }
}
