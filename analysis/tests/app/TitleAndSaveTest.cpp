// Window titles, the save and save-as commands through the window layer, the recent files
// and the question to save.

#include "AppFixture.h"

#include "analysis/app/CBlockView.h"
#include "analysis/app/TorvanIds.h"
#include "analysis/app/ViewSettings.h"
#include "common/process/BaseMenuExchange.h"
#include "common/ui/dialogs/CFileMyDialog.h"
#include "common/ui/dialogs/COutputFileDlg.h"
#include "common/ui/section/CNumberPropDlg.h"
#include "common/ui/section/CTitleSettingDlg.h"
#include "platform/core/CodePage.h"
#include "platform/ui/DialogScript.h"
#include "platform/ui/QtText.h"
#include "testsupport/FileBytes.h"

#include <QLineEdit>
#include <algorithm>
#include <cctype>
#include <filesystem>

namespace torvan_test {
namespace {

namespace fs = std::filesystem;
using platform::DialogScript;
using platform::Utf8;

class TitleAndSaveTest : public TorvanAppTest {
protected:
    // Copies the sample's three files into a directory of the data directory.
    std::string CopySample(const std::string& directory, const std::string& analysisName) {
        const fs::path target = fs::u8path(DataFile(directory));
        fs::create_directories(target);
        for (const char* name : {"sample.sec", "sample.dis"}) {
            fs::copy_file(fs::u8path(DataFile(name)), target / name);
        }
        fs::copy_file(fs::u8path(DataFile("sample.slo")), target / fs::u8path(analysisName));
        return (target / fs::u8path(analysisName)).string();
    }

    // Answers the next file dialog with a name, as typing it and pressing OK would.
    static void AnswerFileDialog(const std::string& path) {
        DialogScript::Queue([path](CDialog& dialog) {
            auto& files = dynamic_cast<CFileMyDialog&>(dialog);
            files.SetFileNameText(CString(platform::Utf8ToCp932(path).c_str()));
            files.OnOK();
        });
    }
};

TEST_F(TitleAndSaveTest, CaptionsShowThePathAsItIsAtAnyLength) {
    ASSERT_TRUE(StartWithBaseMenu({}));
    // "ア" and "イ" end in the bytes of 'A' and 'C' in CP932: they must stay as they are.
    const std::string japanese = CopySample("DATA", Utf8(u8"アイ.SLO"));
    const std::string deep = CopySample(
        std::string(40, 'D') + "/" + std::string(120, 'E') + "/" + std::string(120, 'F'), "LONG.slo");
    ASSERT_GT(platform::Utf8ToCp932(deep).size(), 300u);
    for (const std::string& path : {japanese, deep}) {
        SCOPED_TRACE(path);
        CDocument* opened = TheApp().OpenDocumentFile(CString(platform::Utf8ToCp932(path).c_str()));
        auto* document = dynamic_cast<torvan::CTorvanDoc*>(opened);
        ASSERT_NE(document, nullptr) << sink_->LastMessageUtf8();
        EXPECT_EQ(CaptionOf(document), path); // "/d/A.SLO" lowered would name another file
        EXPECT_EQ(MainTitle(), "TORVAN - " + fs::u8path(path).filename().string());
    }
    EXPECT_EQ(CaptionOf(Documents()[0]), DataFile("") + Utf8(u8"DATA/アイ.SLO"));

    // A new document keeps its "新規" title whatever name is passed.
    Frame()->RouteCommand(ID_FILE_NEW);
    torvan::CTorvanDoc* fresh = Documents().back();
    ASSERT_EQ(platform::Cp932ToUtf8(fresh->GetTitle().Left(4).str()), Utf8(u8"新規"));
    ChildOf(fresh)->SetFrameTitle("/d/OTHER.SLO");
    EXPECT_EQ(CaptionOf(fresh), platform::Cp932ToUtf8(fresh->GetTitle().str()));
}

TEST_F(TitleAndSaveTest, SaveAsWritesTheNewFileRetitlesAndReachesRecentFilesAndTheBaseMenu) {
    ASSERT_TRUE(StartWithBaseMenu(SampleArguments(), DataFile("sample.slo")));
    const std::string copy = DataFile(u8"写し B.slo");
    AnswerFileDialog(copy);
    Frame()->RouteCommand(ID_FILE_SAVE_AS);
    ASSERT_TRUE(fs::exists(fs::u8path(copy))) << sink_->LastMessageUtf8();
    torvan::CTorvanDoc* document = Documents().at(0);
    EXPECT_EQ(platform::Cp932ToUtf8(document->GetPathName().str()), copy);
    EXPECT_EQ(CaptionOf(document), copy);
    EXPECT_EQ(platform::Cp932ToUtf8(TheApp().RecentFiles()[0].str()), copy);
    EXPECT_EQ(Close(), 0);
    EXPECT_EQ(SlotUtf8(process::kAnalysisSlot), copy);

    // The saved file opens again from the recent files, with everything it holds, and the
    // Open dialog starts in its directory.
    ASSERT_TRUE(Start({}));
    Frame()->RouteCommand(ID_FILE_MRU_FILE1);
    ASSERT_EQ(Documents().size(), 1u) << sink_->LastMessageUtf8();
    EXPECT_EQ(Documents()[0]->Model().GroundPoints().GetCount(), 45);
    std::string folder;
    DialogScript::Queue([&folder, this](CDialog& dialog) {
        auto& files = dynamic_cast<CFileMyDialog&>(dialog);
        folder = platform::Cp932ToUtf8(files.GetFolderPath().str());
        files.SetFileNameText(CString(platform::Utf8ToCp932(DataFile("sample.slo")).c_str()));
        files.OnOK();
    });
    Frame()->RouteCommand(ID_FILE_OPEN);
    EXPECT_EQ(folder + "/", DataFile(""));
    EXPECT_EQ(Documents().size(), 2u) << sink_->LastMessageUtf8();
}

// Started from a shell in the data folder with the bare name, a save into another folder
// names the references by their full paths, so that the saved file opens with them.
TEST_F(TitleAndSaveTest, SaveAsElsewhereOfARelativelyNamedFileStillReachesItsReferences) {
    fs::create_directory(fs::u8path(DataFile("elsewhere")));
    const fs::path started = fs::current_path();
    fs::current_path(fs::u8path(DataFile("")));
    const bool opened = StartWithBaseMenu({"sample.slo"}) && Documents().size() == 1;
    const std::string other = DataFile("elsewhere/other.slo");
    if (opened) {
        AnswerFileDialog(other);
        Frame()->RouteCommand(ID_FILE_SAVE_AS);
    }
    fs::current_path(started);
    ASSERT_TRUE(opened) << sink_->LastMessageUtf8();
    const std::string saved = testsupport::ReadBytes(fs::u8path(other));
    EXPECT_NE(saved.find("SEFIL     " + DataFile("sample.sec") + "\r\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("DSFIL     " + DataFile("sample.dis") + "\r\n"), std::string::npos) << saved;
}

// Started from a shell in the file's folder with the name in quotes, the document is known by
// its full name: its caption, the recent files (CP932 in the settings file) and the DXF
// output's proposal (the folder and title); the entry opens from another working directory.
TEST_F(TitleAndSaveTest, ARelativelyNamedFileIsKnownByItsFullName) {
    CopySample(Utf8(u8"作業"), Utf8(u8"大文字.SLO"));
    const fs::path started = fs::current_path();
    fs::current_path(fs::u8path(DataFile(u8"作業")));
    const std::string folder = fs::current_path().string() + "/";
    const bool opened = StartWithBaseMenu({"\"" + Utf8(u8"大文字.SLO") + "\""}) && Documents().size() == 1;
    fs::current_path(started);
    ASSERT_TRUE(opened) << sink_->LastMessageUtf8();
    const std::string full = folder + Utf8(u8"大文字.SLO");
    EXPECT_EQ(platform::Cp932ToUtf8(Documents()[0]->GetPathName().str()), full);
    EXPECT_EQ(CaptionOf(Documents()[0]), full);
    EXPECT_EQ(MainTitle(), "TORVAN - " + Utf8(u8"大文字.SLO"));
    std::string proposed;
    DialogScript::Queue([&proposed](CDialog& dialog) {
        proposed = platform::Cp932ToUtf8(dynamic_cast<COutputFileDlg&>(dialog).m_strPath.str());
    });
    Frame()->RouteCommand(torvan::ID_FILE_DXF_OUT);
    EXPECT_EQ(proposed, folder + Utf8(u8"大文字.dxf"));
    EXPECT_EQ(Close(), 0);
    EXPECT_NE(testsupport::ReadBytes(fs::u8path(SettingsFile())).find("File1=" + platform::Utf8ToCp932(full)),
              std::string::npos);

    ASSERT_TRUE(Start({}));
    Frame()->RouteCommand(ID_FILE_MRU_FILE1);
    ASSERT_EQ(Documents().size(), 1u) << sink_->LastMessageUtf8();
    EXPECT_EQ(Documents()[0]->Model().GroundPoints().GetCount(), 45);
}

TEST_F(TitleAndSaveTest, ClosingAChangedDocumentAsksAndCancelKeepsIt) {
    ASSERT_TRUE(StartWithBaseMenu({DataFile("sample.slo")}));
    torvan::CTorvanDoc* document = Documents().at(0);
    document->Model().SetModifiedFlag();
    sink_->QueueAnswer(IDCANCEL);
    Frame()->RouteCommand(ID_FILE_CLOSE);
    SpinUntil([] { return false; }, 50);
    ASSERT_EQ(Documents().size(), 1u);
    EXPECT_EQ(sink_->LastMessageUtf8(), DataFile("sample.slo") + Utf8(u8" に行った変更を保存しますか?"));
    sink_->QueueAnswer(IDNO);
    Frame()->RouteCommand(ID_FILE_CLOSE);
    EXPECT_TRUE(SpinUntil([this] { return Documents().empty(); }));
    EXPECT_EQ(Close(), 0);
    // Nothing was saved: the base menu's slot is left alone.
    EXPECT_EQ(SlotUtf8(process::kAnalysisSlot), "");
}

// A file that ends early opens no window: the message is the only answer.
TEST_F(TitleAndSaveTest, AFileThatEndsEarlyOpensNothing) {
    ASSERT_TRUE(StartWithBaseMenu({}));
    const std::string text = testsupport::ReadBytes(fs::u8path(DataFile("sample.slo")));
    const std::string cut = DataFile("cut.slo");
    testsupport::WriteBytes(fs::u8path(cut), text.substr(0, text.find("QOBRE")));
    sink_->Clear();
    EXPECT_EQ(TheApp().OpenDocumentFile(CString(platform::Utf8ToCp932(cut).c_str())), nullptr);
    EXPECT_TRUE(Documents().empty());
    EXPECT_EQ(sink_->MessagesUtf8(),
              std::vector<std::string>{Utf8(u8"ﾌｧｲﾙが途中で終了しているため、読み込みできません")});
}

// A display setting changed in one window stays when another window closes last; with the
// last document closed the main window shows no document's caption or method; an unsaved
// document is asked about by the name its caption shows.
TEST_F(TitleAndSaveTest, NothingStaleAfterTheWindowsClose) {
    ASSERT_TRUE(StartWithBaseMenu({DataFile("sample.slo")}));
    Frame()->RouteCommand(ID_FILE_NEW);
    ASSERT_EQ(Documents().size(), 2u);
    torvan::CTorvanDoc* sample = Documents()[0];
    torvan::CTorvanDoc* fresh = Documents()[1];
    const std::string freshTitle = platform::Cp932ToUtf8(fresh->GetTitle().str());
    ASSERT_EQ(freshTitle.rfind(Utf8(u8"新規"), 0), 0u);
    POSITION pos = sample->GetFirstViewPosition();
    auto* view = dynamic_cast<torvan::CBlockView*>(sample->GetNextView(pos));
    ASSERT_NE(view, nullptr);
    constexpr COLORREF kChosen = RGB(12, 34, 56);
    DialogScript::Queue([](CDialog& dialog) {
        auto& properties = dynamic_cast<CNumberPropDlg&>(dialog);
        properties.OnOK();
        properties.m_display.lines[torvan::kLineGround].color = kChosen;
    });
    view->OnViewProperties();

    sink_->Clear();
    sample->OnCloseDocument();
    fresh->Model().SetModifiedFlag();
    sink_->QueueAnswer(IDNO);
    Frame()->RouteCommand(ID_FILE_CLOSE);
    EXPECT_TRUE(SpinUntil([this] { return Documents().empty(); }));
    EXPECT_EQ(sink_->LastMessageUtf8(), freshTitle + Utf8(u8" に行った変更を保存しますか?"));
    EXPECT_EQ(torvan::ProgramViewSettings().display.lines[torvan::kLineGround].color, kChosen);
    EXPECT_EQ(MainTitle(), "TORVAN");
    EXPECT_EQ(Frame()->MethodBox()->text().toStdString(), Utf8(u8"解析法選択"));
    EXPECT_EQ(Close(), 0);
}

// The title registration takes a title file of the extension ".idx" and no other.
TEST(TitleFileTest, TheAnalysisProgramTakesTheIdxExtensionExactly) {
    const struct {
        const char* path;
        bool accepted;
    } cases[] = {{"/d/title.idx", true},
                 {"/d/title.id", false},
                 {"/d/title.idz", false},
                 {"/d/title.idxx", false},
                 {"/d/title.IDX", false}};
    for (const auto& item : cases) {
        EXPECT_EQ(CTitleSettingDlg::IsTitleFilePath(CString(item.path), ".idx"), item.accepted) << item.path;
    }
}

} // namespace
} // namespace torvan_test
