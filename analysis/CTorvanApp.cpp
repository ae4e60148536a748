#include "analysis/CTorvanApp.h"

#include "analysis/CBlockView.h"
#include "analysis/CChildFrame.h"
#include "analysis/CMainFrame.h"
#include "analysis/CTorvanDoc.h"
#include "analysis/TorvanGuideStrings.h"
#include "analysis/TorvanIds.h"
#include "analysis/ViewSettings.h"

#include "common/process/BaseMenuExchange.h"
#include "common/process/CNamedMutex.h"
#include "common/process/InstanceControl.h"
#include "common/process/RuntimeDirectory.h"
#include "common/process/WindowClassClient.h"
#include "common/ui/dialogs/CFileMyDialog.h"
#include "common/ui/table/GridLineSettings.h"
#include "platform/core/Clipboard.h"
#include "platform/core/MessageSink.h"
#include "platform/core/ModulePath.h"
#include "platform/ui/CMultiDocTemplate.h"
#include "platform/ui/QtText.h"
#include "platform/ui/SuiteIdentity.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace torvan {

namespace {

const char kFamilyWord[] = "Verrant";
const char kProgramWord[] = "TORVAN";
const char kBaseMenuWord[] = "BASNEV";
const char kMainWindowClass[] = "VerrantCalculation";
const char kClipboardFormatName[] = "TORVAN";
const char8_t kAnalysisFilter[] = u8"すべり線解析ﾌｧｲﾙ (*.slo) |*.slo| すべてのﾌｧｲﾙ (*.*) |*.*||";
const char8_t kOpenTitle[] = u8"ファイルを開く";
const char8_t kUntitledWord[] = u8"新規";

CString DirectoryOf(const CString& path) {
    const int slash = path.ReverseFind('/');
    return slash >= 0 ? path.Left(slash + 1) : CString();
}

CString NameOf(const CString& path) {
    const int slash = path.ReverseFind('/');
    return slash >= 0 ? path.Mid(slash + 1) : path;
}

} // namespace

CTorvanApp::CTorvanApp() : CWinApp("TORVAN") {
    MapCommand(ID_APP_ABOUT, [this] { OnAppAbout(); });
    MapCommand(ID_FILE_NEW, [this] { OnFileNew(); });
    MapCommand(ID_FILE_OPEN, [this] { OnFileOpen(); });
}

CTorvanApp& TorvanApp() {
    return *dynamic_cast<CTorvanApp*>(AfxGetApp());
}

void CTorvanApp::SetProgramDirectory(const CString& directory, const CString& programName) {
    moduleDirectory_ = directory;
    if (!moduleDirectory_.IsEmpty() && moduleDirectory_.Right(1) != "/") {
        moduleDirectory_ += "/";
    }
    programName_ = programName;
}

BOOL CTorvanApp::InitInstance() {
    settingsLoaded_ = false;
    holdsInstance_ = false;
    started_ = false;
    exitCode_ = kRefusedExitCode;
    reportedFileName_.Empty();
    // Without the suite's runtime directory neither the base menu nor this program's own
    // names can be found: the message names the refused path.
    if (!process::ConfirmSuiteRuntimeDirectory()) {
        return FALSE;
    }
    if (moduleDirectory_.IsEmpty()) {
        SetProgramDirectory(platform::ModuleDirectory(), NameOf(platform::ModuleFileName()));
    }
    m_pszProfileName = moduleDirectory_ + programName_ + ".INI";
    LoadSettings();
    if (!MayStart()) {
        return FALSE;
    }
    LoadStdProfileSettings(4);
    if (Templates().empty()) {
        AddDocTemplate(new CMultiDocTemplate(IDR_BLOCKTYPE, RUNTIME_CLASS(CTorvanDoc),
                                             RUNTIME_CLASS(CChildFrame), RUNTIME_CLASS(CBlockView), ".slo"));
    }
    if (!CreateMainFrame()) {
        return FALSE;
    }
    commandLine_ = CommandLineNames();
    commandLineAnalysis_.Empty();
    if (RecentFiles().GetSize() > 0 && !RecentFiles()[0].IsEmpty()) {
        lastDirectory_ = DirectoryOf(RecentFiles()[0]);
        CFileMyDialog::SetLastDirectory(lastDirectory_);
    }
    clipboardFormat_ = RegisterClipboardFormat(kClipboardFormatName);
    started_ = true;
    exitCode_ = 0;
    RunCommandLine();
    return TRUE;
}

bool CTorvanApp::MayStart() {
    // The base menu is looked for without taking its name, so that nothing of it is ever
    // held by this program, not even for a moment.
    if (!process::FindWindowClass(process::kBaseMenuWindowClass) ||
        !CNamedMutex::Exists(InstanceMutexName(kFamilyWord, kBaseMenuWord, 1))) {
        AfxMessageBox(u8"基本ﾒﾆｭｰｳｨﾝﾄﾞｳが見つかりません。");
        return false;
    }
    if (!CheckDoubleStart(kFamilyWord, kProgramWord, TRUE)) {
        // Declining a second copy is no failure; a name that could not be made is.
        exitCode_ = LastInstanceCheckFailed() ? kRefusedExitCode : 0;
        return false;
    }
    holdsInstance_ = true;
    // A running copy's window comes forward instead of a second window.
    if (process::BringWindowClassToFront(kMainWindowClass) != process::WindowAnswer::NoWindow) {
        exitCode_ = 0;
        return false;
    }
    return true;
}

bool CTorvanApp::CreateMainFrame() {
    auto* frame = new CMainFrame;
    if (!frame->Create(CString(kProgramWord))) {
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

void CTorvanApp::LoadSettings() {
    LoadGridDialogSettings();
    LoadViewSettings(m_pszProfileName, moduleDirectory_, ProgramViewSettings());
    RegisterTorvanGuideStrings();
    settingsLoaded_ = true;
}

void CTorvanApp::SaveSettings() {
    SaveGridDialogSettings();
    SaveViewSettings(m_pszProfileName, ProgramViewSettings());
}

void CTorvanApp::RunCommandLine() {
    if (m_args.empty()) {
        return;
    }
    commandLine_ = ParseCommandLine(m_args);
    if (commandLine_.create) {
        if (commandLine_.analysis.IsEmpty()) {
            return;
        }
        commandLineAnalysis_ = commandLine_.analysis;
        OnFileNew();
        return;
    }
    if (!commandLine_.first.IsEmpty()) {
        OpenDocumentFile(commandLine_.first);
    }
}

CString CTorvanApp::TakeCommandLineAnalysisFile() {
    CString name = commandLineAnalysis_;
    commandLineAnalysis_.Empty();
    return name;
}

CString CTorvanApp::NextUntitledTitle() {
    CString title;
    title.Format("%s%d", CString(kUntitledWord).GetString(), ++untitledCount_);
    return title;
}

int CTorvanApp::ExitInstance() {
    if (started_) {
        CloseAllDocuments(TRUE);
    }
    if (settingsLoaded_) {
        SaveSettings();
    }
    if (holdsInstance_) {
        ReleaseInstanceMutex();
    }
    holdsInstance_ = false;
    ReportFileToBaseMenu();
    CWinApp::ExitInstance();
    return exitCode_;
}

void CTorvanApp::ReportFileToBaseMenu() {
    if (reportedFileName_.IsEmpty()) {
        return;
    }
    process::ReportFileToBaseMenuSlot(process::kAnalysisSlot, reportedFileName_);
}

BOOL CTorvanApp::OnIdle(LONG count) {
    const BOOL more = CWinApp::OnIdle(count);
    if (count == 0) {
        if (auto* frame = dynamic_cast<CMainFrame*>(m_pMainWnd)) {
            frame->UpdateStatusText();
        }
    }
    return more;
}

void CTorvanApp::OnFileNew() {
    if (Templates().empty()) {
        AfxMessageBox(u8"ドキュメントを作成できません。");
        return;
    }
    Templates().front()->OpenDocumentFile(nullptr);
}

void CTorvanApp::OnFileOpen() {
    CString name;
    if (DoPromptFileName(name, CString(kOpenTitle), true)) {
        OpenDocumentFile(name);
    }
}

bool CTorvanApp::DoPromptFileName(CString& fileName, const CString& title, bool open) {
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
    const CString filter(kAnalysisFilter);
    CFileMyDialog dialog(open ? TRUE : FALSE, "slo", proposed.IsEmpty() ? nullptr : proposed.GetString(),
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

void CTorvanApp::OnAppAbout() {
    platform::ShowAboutBox(m_pMainWnd, CString(u8"TORVAN すべり線解析プログラム"));
}

} // namespace torvan
