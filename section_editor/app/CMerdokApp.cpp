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
#include "common/records/DataFileSyntax.h"
#include "common/ui/table/CGridLineSettings.h"
#include "platform/core/DiskNames.h"
#include "platform/core/SettingsFolder.h"
#include "platform/ui/CMultiDocTemplate.h"

namespace merdok {

namespace {

const shell::SectionAppTraits kTraits{"MERDOK",
                                      u8"断面ﾓﾃﾞﾙﾌｧｲﾙ (*.sec) |*.sec| すべてのﾌｧｲﾙ (*.*) |*.*||",
                                      "sec",
                                      u8"MERDOK 断面ﾓﾃﾞﾙ編集プログラム",
                                      process::kSectionModelSlot,
                                      kSectionModelTag,
                                      u8"断面ﾃﾞｰﾀﾌｧｲﾙではありません"};

} // namespace

CMerdokApp::CMerdokApp() : CSectionApp(kTraits) {}

BOOL CMerdokApp::InitInstance() {
    BeginStart();
    LocateProfile();
    LoadGridDialogSettings();
    LoadViewSettings(m_pszProfileName, ModuleDirectory(), ProgramViewSettings());
    // The title list is the user's to write: never the one beside the program.
    ProgramViewSettings().titleFile =
        platform::SettingsFileFor(ProgramViewSettings().titleFile, ModuleDirectory());
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
    if (!CreateMainFrame(new CMainFrame)) {
        return FALSE;
    }
    FinishStart();
    RunCommandLine();
    return TRUE;
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
                merdokDoc->TakeNewFilePath(CString(platform::FullPathName(request_.path.str())));
            }
        }
        return;
    }
    case StartRequest::kNoDocument:
        return;
    }
}

CString CMerdokApp::OpenDialogFolder() const {
    auto* frame = dynamic_cast<CMainFrame*>(m_pMainWnd);
    const CDocument* document = frame ? frame->GetActiveDocument() : nullptr;
    const CString path = document ? document->GetPathName() : CString();
    const int slash = path.ReverseFind('/');
    if (slash < 0) {
        return CString();
    }
    const CString folder = path.Left(slash + 1);
    return platform::EntryAt(folder) == platform::DiskEntry::Directory ? folder : CString();
}

int CMerdokApp::ExitInstance() {
    if (Started()) {
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

} // namespace merdok
