// The reference question of a new document without a section, and the standing answer that
// declines it in every other test of the program (they open empty views freely).

#include "AppFixture.h"

#include "analysis/app/CBlockView.h"
#include "analysis/app/CRefFileDlg.h"
#include "platform/core/CodePage.h"
#include "platform/ui/DialogScript.h"

#include <filesystem>

namespace torvan_test {
namespace {

namespace fs = std::filesystem;
using platform::DialogScript;
using torvan::CRefFileDlg;

void DeclineReferenceQuestion() {
    DialogScript::AnswerAlways(CRefFileDlg::kTemplateId, [](CDialog& dialog) { dialog.OnCancel(); });
}

class DeclinedReferenceQuestion : public ::testing::Environment {
public:
    void SetUp() override { DeclineReferenceQuestion(); }
};

[[maybe_unused]] const ::testing::Environment* const kDeclined =
    ::testing::AddGlobalTestEnvironment(new DeclinedReferenceQuestion);

class RefFileQuestionTest : public TorvanAppTest {
protected:
    void TearDown() override {
        TorvanAppTest::TearDown();
        DeclineReferenceQuestion();
    }
    // Answers every reference question with these names (empty: cancel), counting them.
    void AnswerQuestions(const std::string& section, const std::string& disp) {
        DialogScript::AnswerAlways(CRefFileDlg::kTemplateId, [this, section, disp](CDialog& dialog) {
            ++asked_;
            if (section.empty()) {
                dialog.OnCancel();
                return;
            }
            dialog.SetDlgItemText(CRefFileDlg::kSectionFile, CString(platform::Utf8ToCp932(section).c_str()));
            dialog.SetDlgItemText(CRefFileDlg::kDispFile, CString(platform::Utf8ToCp932(disp).c_str()));
            dialog.OnOK();
        });
    }
    int asked_ = 0;
};

TEST_F(RefFileQuestionTest, ANewEmptyDocumentReadsTheFilesNamedAtAnyLengthAndAnOpenedFileIsNotAsked) {
    // Names far beyond the fifty characters the edit boxes once kept.
    const fs::path deep = fs::u8path(DataFile(std::string(90, 'R')));
    fs::create_directories(deep);
    for (const char* name : {"sample.sec", "sample.dis"}) {
        fs::copy_file(fs::u8path(DataFile(name)), deep / name);
    }
    const std::string section = (deep / "sample.sec").string();
    const std::string disp = (deep / "sample.dis").string();
    ASSERT_GT(section.size(), 100U);
    AnswerQuestions(section, disp);
    ASSERT_TRUE(StartWithBaseMenu({}));
    Frame()->RouteCommand(ID_FILE_NEW);
    ASSERT_EQ(asked_, 1);
    ASSERT_EQ(Documents().size(), 1U);
    torvan::CBlockDoc& model = Documents()[0]->Model();
    EXPECT_TRUE(sink_->MessagesUtf8().empty()) << sink_->LastMessageUtf8();
    EXPECT_EQ(platform::Cp932ToUtf8(model.SectionFile().str()), section);
    EXPECT_EQ(platform::Cp932ToUtf8(model.DispFile().str()), disp);
    EXPECT_GT(model.GroundPoints().GetCount(), 0);
    EXPECT_GT(model.Displacements().GetCount(), 0);

    // Declined, the new document stays empty and nothing is read.
    AnswerQuestions("", "");
    Frame()->RouteCommand(ID_FILE_NEW);
    ASSERT_EQ(asked_, 2);
    ASSERT_EQ(Documents().size(), 2U);
    EXPECT_EQ(Documents()[1]->Model().GroundPoints().GetCount(), 0);
    EXPECT_TRUE(sink_->MessagesUtf8().empty()) << sink_->LastMessageUtf8();

    // A file with a name asks nothing.
    ASSERT_NE(TheApp().OpenDocumentFile(CString(platform::Utf8ToCp932(DataFile("sample.slo")).c_str())),
              nullptr);
    EXPECT_EQ(asked_, 2);
}

} // namespace
} // namespace torvan_test
