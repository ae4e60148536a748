#include "control/app/CBasnevApp.h"

#include "common/process/RuntimeDirectory.h"
#include "common/process/WindowClassClient.h"
#include "control/app/CMainDoc.h"
#include "control/app/CMainFrame.h"
#include "control/app/CMainView1.h"
#include "platform/core/ModulePath.h"
#include "platform/ui/CSingleDocTemplate.h"

namespace basnev {

namespace {

constexpr UINT kDocumentResource = 2;
const char8_t kWindowTitle[] = u8"すべり線解析 Ver.2.1 (基本ﾒﾆｭｰ)";

} // namespace

CBasnevApp::CBasnevApp() : CWinApp("BASNEV") {}

bool CBasnevApp::ActivateRunningBaseMenu() {
    return process::BringWindowClassToFront("VerrantControl") == process::WindowAnswer::Done;
}

BOOL CBasnevApp::InitInstance() {
    exitCode_ = 0;
    // Without our own runtime directory no other program could find this one: say why and end.
    if (!process::ConfirmSuiteRuntimeDirectory()) {
        exitCode_ = process::kRuntimeDirectoryExitCode;
        return FALSE;
    }
    CString name;
    programDirectory_.Empty();
    SetProfilePath(platform::ProgramProfilePath(programDirectory_, name, m_strAppName));
    LoadInputFileNames();
    if (ActivateRunningBaseMenu()) {
        return FALSE;
    }
    if (!CheckDoubleStart("Verrant", "BASNEV", FALSE)) {
        exitCode_ = LastInstanceCheckFailed() ? process::kRuntimeDirectoryExitCode : 0;
        return FALSE;
    }
    return OpenMainWindow();
}

BOOL CBasnevApp::OpenMainWindow() {
    if (Templates().empty()) {
        AddDocTemplate(new CSingleDocTemplate(kDocumentResource, RUNTIME_CLASS(CMainDoc),
                                              RUNTIME_CLASS(CMainFrame), RUNTIME_CLASS(CMainView1),
                                              CString()));
    }
    CDocument* document = Templates().front()->OpenDocumentFile(nullptr, FALSE);
    if (!document || document->Views().empty()) {
        return FALSE;
    }
    CFrameWnd* frame = document->Views().front()->GetParentFrame();
    frame->m_strTitle = CString(kWindowTitle);
    frame->OnUpdateFrameTitle(FALSE);
    m_pMainWnd = frame;
    frame->ShowWindow(SW_SHOW);
    started_ = true;
    return TRUE;
}

int CBasnevApp::ExitInstance() {
    // An instance that gave way to a running base menu leaves the settings to that one.
    if (started_) {
        SaveInputFileNames();
    }
    const int code = CWinApp::ExitInstance();
    return exitCode_ != 0 ? exitCode_ : code;
}

void CBasnevApp::LoadInputFileNames() {
    names_ = basnev::LoadInputFileNames(GetProfilePath());
    namesAsRead_ = names_;
}

void CBasnevApp::SaveInputFileNames() {
    basnev::SaveInputFileNames(GetProfilePath(), namesAsRead_, names_);
}

void CBasnevApp::SetFormNames(const CString& section, const CString& measurement, const CString& analysis) {
    names_.section = section;
    names_.measurement = measurement;
    names_.analysis = analysis;
}

} // namespace basnev
