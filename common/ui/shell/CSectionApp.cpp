#include "common/ui/shell/CSectionApp.h"

#include "common/process/BaseMenuExchange.h"
#include "common/ui/dialogs/CFileMyDialog.h"
#include "common/ui/section/ScreenPrinting.h"
#include "common/ui/shell/CSectionMainFrame.h"
#include "platform/core/Clipboard.h"
#include "platform/core/ModulePath.h"
#include "platform/ui/AfxRes.h"
#include "platform/ui/CDocTemplate.h"
#include "platform/ui/SuiteIdentity.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace shell {

namespace {

const char8_t kOpenTitle[] = u8"ファイルを開く";

CString DirectoryOf(const CString& path) {
    const int slash = path.ReverseFind('/');
    return slash >= 0 ? path.Left(slash + 1) : CString();
}

CString NameOf(const CString& path) {
    const int slash = path.ReverseFind('/');
    return slash >= 0 ? path.Mid(slash + 1) : path;
}

const char8_t kUntitledWord[] = u8"新規";

} // namespace

CString CSectionApp::NextUntitledTitle() {
    CString title;
    title.Format("%s%d", CString(kUntitledWord).GetString(), ++untitledCount_);
    return title;
}

CSectionApp::CSectionApp(const SectionAppTraits& traits) : CWinApp(traits.programWord), traits_(traits) {
    MapCommand(ID_APP_ABOUT, [this] { OnAppAbout(); });
    MapCommand(ID_FILE_NEW, [this] { OnFileNew(); });
    MapCommand(ID_FILE_OPEN, [this] { OnFileOpen(); });
    MapCommand(ID_FILE_PRINT_SETUP, [this] {
        section::ScreenPrinting::PrintSetup(m_pMainWnd ? m_pMainWnd->GetWidget() : nullptr);
    });
}

void CSectionApp::SetProgramDirectory(const CString& directory, const CString& programName) {
    moduleDirectory_ = platform::WithTrailingSlash(directory);
    programName_ = programName;
}

void CSectionApp::BeginStart() {
    started_ = false;
    reportedFileName_.Empty();
}

void CSectionApp::LocateProfile() {
    m_pszProfileName = platform::ProgramProfilePath(moduleDirectory_, programName_, CString());
}

bool CSectionApp::CreateMainFrame(CSectionMainFrame* frame) {
    if (!frame->Create(CString(traits_.programWord))) {
        return false;
    }
    m_pMainWnd = frame;
    // Without a window manager nobody enlarges a maximised window: it gets the screen's
    // working area itself, which is what maximising gives under one.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        frame->GetWidget()->setGeometry(screen->availableGeometry());
    }
    frame->ShowWindow(SW_SHOWMAXIMIZED);
    return true;
}

void CSectionApp::FinishStart() {
    lastDirectory_.Empty();
    if (RecentFiles().GetSize() > 0 && !RecentFiles()[0].IsEmpty()) {
        lastDirectory_ = DirectoryOf(RecentFiles()[0]);
        CFileMyDialog::SetLastDirectory(lastDirectory_);
    }
    clipboardFormat_ = RegisterClipboardFormat(traits_.programWord);
    started_ = true;
}

void CSectionApp::ReportFileToBaseMenu() {
    if (reportedFileName_.IsEmpty()) {
        return;
    }
    process::ReportFileToBaseMenuSlot(traits_.baseMenuSlot, reportedFileName_);
}

BOOL CSectionApp::OnIdle(LONG count) {
    const BOOL more = CWinApp::OnIdle(count);
    if (count == 0) {
        if (auto* frame = dynamic_cast<CSectionMainFrame*>(m_pMainWnd)) {
            frame->UpdateStatusText();
        }
    }
    return more;
}

void CSectionApp::OnFileNew() {
    if (Templates().empty()) {
        AfxMessageBox(u8"ドキュメントを作成できません。");
        return;
    }
    Templates().front()->OpenDocumentFile(nullptr);
}

void CSectionApp::OnFileOpen() {
    CString name = OpenDialogFolder();
    if (DoPromptFileName(name, CString(kOpenTitle), true)) {
        OpenDocumentFile(name);
    }
}

bool CSectionApp::DoPromptFileName(CString& fileName, const CString& title, bool open) {
    CString initialDirectory;
    CString proposed;
    if (fileName.IsEmpty()) {
        initialDirectory = lastDirectory_;
    } else {
        // A proposed name without a folder (a new document's) starts where the last file was.
        initialDirectory = fileName.Find('/') >= 0 ? DirectoryOf(fileName) : lastDirectory_;
        proposed = NameOf(fileName);
    }
    if (initialDirectory.GetLength() > 1 && initialDirectory.Right(1) == "/") {
        initialDirectory = initialDirectory.Left(initialDirectory.GetLength() - 1);
    }
    DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    if (open) {
        flags |= OFN_FILEMUSTEXIST;
    }
    const CString filter(traits_.fileFilter);
    CFileMyDialog dialog(open ? TRUE : FALSE, traits_.defaultExtension,
                         proposed.IsEmpty() ? nullptr : proposed.GetString(), flags, filter.GetString(),
                         m_pMainWnd);
    dialog.m_ofn.lpstrTitle = title.GetString();
    if (traits_.formatTag) {
        dialog.SetFormatTags({traits_.formatTag}, CString(traits_.formatRefusal));
    }
    if (!initialDirectory.IsEmpty()) {
        dialog.m_ofn.lpstrInitialDir = initialDirectory.GetString();
    }
    const int answer = dialog.DoModal();
    if (!dialog.GetCurrentDirectoryText().IsEmpty()) {
        lastDirectory_ = dialog.GetCurrentDirectoryText();
    }
    if (answer != IDOK) {
        return false;
    }
    fileName = dialog.GetPathName();
    return true;
}

void CSectionApp::OnAppAbout() {
    platform::ShowAboutBox(m_pMainWnd, CString(traits_.aboutText));
}

} // namespace shell
