#include "analysis/app/CTorvanApp.h"

#include "analysis/app/CBlockView.h"
#include "analysis/app/CChildFrame.h"
#include "analysis/app/CMainFrame.h"
#include "analysis/app/CTorvanDoc.h"
#include "analysis/app/TorvanGuideStrings.h"
#include "analysis/app/TorvanIds.h"
#include "analysis/app/ViewSettings.h"

#include "common/process/BaseMenuExchange.h"
#include "common/process/CNamedMutex.h"
#include "common/process/InstanceControl.h"
#include "common/process/RuntimeDirectory.h"
#include "common/process/WindowClassClient.h"
#include "common/ui/table/CGridLineSettings.h"
#include "platform/core/DiskNames.h"
#include "platform/core/MessageSink.h"
#include "platform/core/SettingsFolder.h"
#include "platform/ui/CMultiDocTemplate.h"

namespace torvan {

namespace {

const char kFamilyWord[] = "Verrant";
const char kProgramWord[] = "TORVAN";
const char kBaseMenuWord[] = "BASNEV";
const char kMainWindowClass[] = "VerrantCalculation";

const shell::SectionAppTraits kTraits{kProgramWord,
                                      u8"すべり線解析ﾌｧｲﾙ (*.slo) |*.slo| すべてのﾌｧｲﾙ (*.*) |*.*||", "slo",
                                      u8"TORVAN すべり線解析プログラム", process::kAnalysisSlot};

} // namespace

CTorvanApp::CTorvanApp() : CSectionApp(kTraits) {}

BOOL CTorvanApp::InitInstance() {
    settingsLoaded_ = false;
    holdsInstance_ = false;
    BeginStart();
    exitCode_ = kRefusedExitCode;
    // Without the suite's runtime directory neither the base menu nor this program's own
    // names can be found: the message names the refused path.
    if (!process::ConfirmSuiteRuntimeDirectory()) {
        return FALSE;
    }
    LocateProfile();
    LoadSettings();
    if (!MayStart()) {
        return FALSE;
    }
    LoadStdProfileSettings(4);
    if (Templates().empty()) {
        AddDocTemplate(new CMultiDocTemplate(IDR_BLOCKTYPE, RUNTIME_CLASS(CTorvanDoc),
                                             RUNTIME_CLASS(CChildFrame), RUNTIME_CLASS(CBlockView), ".slo"));
    }
    if (!CreateMainFrame(new CMainFrame)) {
        return FALSE;
    }
    commandLine_ = CommandLineNames();
    commandLineAnalysis_.Empty();
    FinishStart();
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

void CTorvanApp::LoadSettings() {
    LoadGridDialogSettings();
    LoadViewSettings(m_pszProfileName, ModuleDirectory(), ProgramViewSettings());
    // The title list is the user's to write: never the one beside the program.
    ProgramViewSettings().titleFile =
        platform::SettingsFileFor(ProgramViewSettings().titleFile, ModuleDirectory());
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
        // The new document keeps the folder it is to be saved in, wherever the program runs then.
        commandLineAnalysis_ = platform::FullPathName(commandLine_.analysis.str());
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

int CTorvanApp::ExitInstance() {
    if (Started()) {
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

} // namespace torvan
