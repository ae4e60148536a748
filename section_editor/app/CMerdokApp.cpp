#include "section_editor/app/CMerdokApp.h"

#include "section_editor/app/CBlockView.h"
#include "section_editor/app/CChildFrame.h"
#include "section_editor/app/CMainFrame.h"
#include "section_editor/app/CMerdokDoc.h"
#include "section_editor/app/MerdokIds.h"
#include "section_editor/app/MerdokMenu.h"
#include "section_editor/app/ViewSettings.h"

#include "common/process/BaseMenuExchange.h"
#include "common/process/WindowClassClient.h"
#include "common/ui/dialogs/CFileMyDialog.h"
#include "common/ui/table/GridLineSettings.h"
#include "platform/core/Clipboard.h"
#include "platform/core/ModulePath.h"
#include "platform/ui/CMultiDocTemplate.h"
#include "platform/ui/SuiteIdentity.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace merdok {

namespace {

const char kClipboardFormatName[] = "MERDOK";
const char8_t kSectionFilter[] = u8"断面ﾓﾃﾞﾙﾌｧｲﾙ (*.sec) |*.sec| すべてのﾌｧｲﾙ (*.*) |*.*||";
const char8_t kOpenTitle[] = u8"ファイルを開く";

CString DirectoryOf(const CString& path) {
    const int slash = path.ReverseFind('/');
    return slash >= 0 ? path.Left(slash + 1) : CString();
}

CString NameOf(const CString& path) {
    const int slash = path.ReverseFind('/');
    return slash >= 0 ? path.Mid(slash + 1) : path;
}

} // namespace

CMerdokApp::CMerdokApp() : CWinApp("MERDOK") {
    MapCommand(ID_APP_ABOUT, [this] { OnAppAbout(); });
    MapCommand(ID_FILE_NEW, [this] { OnFileNew(); });
    MapCommand(ID_FILE_OPEN, [this] { OnFileOpen(); });
}

CMerdokApp& MerdokApp() {
    return *dynamic_cast<CMerdokApp*>(AfxGetApp());
}

void CMerdokApp::SetProgramDirectory(const CString& directory, const CString& programName) {
    moduleDirectory_ = directory;
    if (!moduleDirectory_.IsEmpty() && moduleDirectory_.Right(1) != "/") {
        moduleDirectory_ += "/";
    }
    programName_ = programName;
}

BOOL CMerdokApp::InitInstance() {
    started_ = false;
    reportedFileName_.Empty();
    if (moduleDirectory_.IsEmpty()) {
        SetProgramDirectory(platform::ModuleDirectory(), NameOf(platform::ModuleFileName()));
    }
    m_pszProfileName = moduleDirectory_ + programName_ + ".INI";
    LoadGridDialogSettings();
    LoadViewSettings(m_pszProfileName, moduleDirectory_, ProgramViewSettings());
    RegisterMerdokGuideStrings();
    // A running copy comes forward instead of a second one.
    if (process::BringWindowClassToFront(CMainFrame::kWindowClass) != process::WindowAnswer::NoWindow) {
        return FALSE;
    }
    LoadStdProfileSettings(4);
    if (Templates().empty()) {
        AddDocTemplate(new CMultiDocTemplate(IDR_BLOCKTYPE, RUNTIME_CLASS(CMerdokDoc),
                                             RUNTIME_CLASS(CChildFrame), RUNTIME_CLASS(CBlockView), ".sec"));
    }
    if (!CreateMainFrame()) {
        return FALSE;
    }
    lastDirectory_.Empty();
    if (RecentFiles().GetSize() > 0 && !RecentFiles()[0].IsEmpty()) {
        lastDirectory_ = DirectoryOf(RecentFiles()[0]);
        CFileMyDialog::SetLastDirectory(lastDirectory_);
    }
    clipboardFormat_ = RegisterClipboardFormat(kClipboardFormatName);
    started_ = true;
    RunCommandLine();
    return TRUE;
}

bool CMerdokApp::CreateMainFrame() {
    auto* frame = new CMainFrame;
    if (!frame->Create(CString("MERDOK"))) {
        return false;
    }
    m_pMainWnd = frame;
    // Without a window manager nobody enlarges a maximised window: it takes the screen's
    // working area itself.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        frame->GetWidget()->setGeometry(screen->availableGeometry());
    }
    frame->ShowWindow(SW_SHOWMAXIMIZED);
    return true;
}

void CMerdokApp::RunCommandLine() {
    request_ = ParseCommandLine(m_args);
    switch (request_.kind) {
    case StartRequest::kOpen:
        OpenDocumentFile(request_.path);
        return;
    case StartRequest::kCreate: {
        OnFileNew();
        // The new document is saved under the command line's name (the file does not exist yet).
        auto* frame = dynamic_cast<CMainFrame*>(m_pMainWnd);
        if (CDocument* document = frame ? frame->GetActiveDocument() : nullptr) {
            if (auto* merdokDoc = dynamic_cast<CMerdokDoc*>(document)) {
                merdokDoc->TakeNewFilePath(request_.path);
            }
        }
        return;
    }
    case StartRequest::kNoDocument:
        return;
    }
}

int CMerdokApp::ExitInstance() {
    if (started_) {
        CloseAllDocuments(TRUE);
    }
    ReportFileToBaseMenu();
    if (ProgramViewSettings().titleMaxCount != 0) {
        SaveGridDialogSettings();
        SaveViewSettings(m_pszProfileName, ProgramViewSettings());
    }
    CWinApp::ExitInstance();
    return 0;
}

void CMerdokApp::ReportFileToBaseMenu() {
    if (reportedFileName_.IsEmpty()) {
        return;
    }
    process::ReportFileToBaseMenuSlot(process::kSectionModelSlot, reportedFileName_);
}

BOOL CMerdokApp::OnIdle(LONG count) {
    const BOOL more = CWinApp::OnIdle(count);
    if (count == 0) {
        if (auto* frame = dynamic_cast<CMainFrame*>(m_pMainWnd)) {
            frame->UpdateStatusText();
        }
    }
    return more;
}

void CMerdokApp::OnFileNew() {
    if (Templates().empty()) {
        AfxMessageBox(u8"ドキュメントを作成できません。");
        return;
    }
    Templates().front()->OpenDocumentFile(nullptr);
}

void CMerdokApp::OnFileOpen() {
    CString name;
    if (DoPromptFileName(name, CString(kOpenTitle), true)) {
        OpenDocumentFile(name);
    }
}

bool CMerdokApp::DoPromptFileName(CString& fileName, const CString& title, bool open) {
    CString initialDirectory;
    CString proposed;
    if (fileName.IsEmpty()) {
        initialDirectory = lastDirectory_;
    } else {
        initialDirectory = DirectoryOf(fileName);
        proposed = NameOf(fileName);
    }
    if (initialDirectory.GetLength() > 1 && initialDirectory.Right(1) == "/") {
        initialDirectory = initialDirectory.Left(initialDirectory.GetLength() - 1);
    }
    DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    if (open) {
        flags |= OFN_FILEMUSTEXIST;
    }
    const CString filter(kSectionFilter);
    CFileMyDialog dialog(open ? TRUE : FALSE, "sec", proposed.IsEmpty() ? nullptr : proposed.GetString(),
                         flags, filter.GetString(), m_pMainWnd);
    dialog.m_ofn.lpstrTitle = title.GetString();
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

void CMerdokApp::OnAppAbout() {
    platform::ShowAboutBox(m_pMainWnd, CString(u8"MERDOK 断面ﾓﾃﾞﾙ編集プログラム"));
}

} // namespace merdok
