#include "platform/ui/CWinApp.h"

#include "platform/core/CFile.h"
#include "platform/core/CodePage.h"
#include "platform/core/DiskNames.h"
#include "platform/core/FileSizeSignal.h"
#include "platform/core/MessageSink.h"
#include "platform/core/ModulePath.h"
#include "platform/core/ProfileFile.h"
#include "platform/core/SettingsFolder.h"
#include "platform/ui/CDocTemplate.h"
#include "platform/ui/CDocument.h"
#include "platform/ui/CFrameWnd.h"
#include "platform/ui/CMDIChildWnd.h"
#include "platform/ui/CView.h"
#include "platform/ui/QtClipboardBackend.h"
#include "platform/ui/QtMessageSink.h"
#include "platform/ui/SuiteIdentity.h"
#include "platform/ui/TerminationWatch.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QCursor>
#include <QWidget>
#include <clocale>
#include <filesystem>
#include <optional>
#include <string>

IMPLEMENT_DYNAMIC(CWinApp, CCmdTarget)

namespace {
// The program's one application object (the behaviour needs a global: AfxGetApp).
CWinApp* theApplication = nullptr;
} // namespace

CWinApp::CWinApp(const char* appName)
    : m_strAppName(appName ? appName : ""), recentFiles_(std::make_unique<CRecentFileList>(4)) {
    theApplication = this;
    MapCommand(ID_APP_EXIT, [this] { OnAppExit(); });
    MapCommandRange(ID_FILE_MRU_FILE1, ID_FILE_MRU_FILE4, [this](UINT id) { OnOpenRecentFile(id); });
}

CWinApp::~CWinApp() {
    if (theApplication == this) {
        theApplication = nullptr;
    }
}

BOOL CWinApp::InitInstance() {
    return TRUE;
}

int CWinApp::ExitInstance() {
    return 0;
}

BOOL CWinApp::OnIdle(LONG count) {
    if (count == 0) {
        if (auto* frame = dynamic_cast<CFrameWnd*>(m_pMainWnd)) {
            frame->UpdateCommandUI();
            if (CFrameWnd* active = frame->GetActiveFrame(); active != frame) {
                active->UpdateCommandUI();
            }
        }
    }
    return FALSE;
}

void CWinApp::RunIdle() {
    if (inIdle_) {
        return;
    }
    inIdle_ = true;
    for (LONG count = 0; OnIdle(count) && count < 1000; ++count) {
    }
    inIdle_ = false;
}

int CWinApp::Run() {
    if (auto* dispatcher = QAbstractEventDispatcher::instance()) {
        QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, dispatcher,
                         [this] { RunIdle(); });
    }
    QApplication::exec();
    return ExitInstance();
}

void CWinApp::AddDocTemplate(CDocTemplate* docTemplate) {
    templates_.emplace_back(docTemplate);
}

CDocTemplate* CWinApp::TemplateForPath(const CString& path) const {
    for (const auto& docTemplate : templates_) {
        if (docTemplate->MatchDocType(path)) {
            return docTemplate.get();
        }
    }
    return templates_.empty() ? nullptr : templates_.front().get();
}

CDocument* CWinApp::FindOpenDocument(const CString& path) const {
    const std::string wanted = CFile::OsPath(path);
    for (const auto& docTemplate : templates_) {
        for (CDocument* document : docTemplate->Documents()) {
            const CString& open = document->GetPathName();
            if (open.IsEmpty()) {
                continue;
            }
            const std::string openPath = CFile::OsPath(open);
            std::error_code error;
            if (openPath == wanted || std::filesystem::equivalent(openPath, wanted, error)) {
                return document;
            }
        }
    }
    return nullptr;
}

CDocument* CWinApp::OpenDocumentFile(LPCTSTR path) {
    if (path && *path) {
        if (CDocument* open = FindOpenDocument(CString(platform::FullPathName(path)))) {
            POSITION position = open->GetFirstViewPosition();
            if (CView* view = open->GetNextView(position)) {
                if (auto* child = dynamic_cast<CMDIChildWnd*>(view->GetParentFrame())) {
                    child->MDIActivate();
                }
            }
            return open;
        }
    }
    CDocTemplate* docTemplate = TemplateForPath(path ? CString(path) : CString());
    return docTemplate ? docTemplate->OpenDocumentFile(path) : nullptr;
}

void CWinApp::CloseAllDocuments(BOOL endSession) {
    for (const auto& docTemplate : templates_) {
        docTemplate->CloseAllDocuments(endSession);
    }
}

BOOL CWinApp::SaveAllModified() {
    for (const auto& docTemplate : templates_) {
        if (!docTemplate->SaveAllModified()) {
            return FALSE;
        }
    }
    return TRUE;
}

// One settings file object while the name stays, so that its look-ups share one reading.
const platform::ProfileFile& CWinApp::Profile() const {
    if (!profile_ || profile_->Path() != m_pszProfileName) {
        profile_ = std::make_unique<platform::ProfileFile>(m_pszProfileName);
    }
    return *profile_;
}

CString CWinApp::GetProfileString(const CString& section, const CString& entry,
                                  const CString& defaultValue) const {
    return Profile().GetString(section, entry, defaultValue);
}

UINT CWinApp::GetProfileInt(const CString& section, const CString& entry, int defaultValue) const {
    return static_cast<UINT>(Profile().GetInt(section, entry, defaultValue));
}

BOOL CWinApp::WriteProfileString(const CString& section, const CString& entry, const CString& value) {
    return Profile().WriteString(section, entry, value);
}

BOOL CWinApp::WriteProfileInt(const CString& section, const CString& entry, int value) {
    return Profile().WriteInt(section, entry, value);
}

void CWinApp::LoadStdProfileSettings(UINT maxMru) {
    recentFiles_ = std::make_unique<CRecentFileList>(static_cast<int>(maxMru));
    if (m_pszProfileName.IsEmpty()) {
        m_pszProfileName = platform::SettingsFile(m_strAppName + ".INI", platform::ModuleDirectory());
    }
    recentFiles_->ReadList(Profile());
}

void CWinApp::SaveStdProfileSettings() {
    if (!m_pszProfileName.IsEmpty()) {
        recentFiles_->WriteList(Profile());
    }
}

void CWinApp::AddToRecentFileList(LPCTSTR path) {
    recentFiles_->Add(path);
    SaveStdProfileSettings();
}

void CWinApp::OnAppExit() {
    if (m_pMainWnd && m_pMainWnd->GetWidget()) {
        m_pMainWnd->GetWidget()->close();
    }
}

void CWinApp::OnOpenRecentFile(UINT id) {
    int index = static_cast<int>(id - ID_FILE_MRU_FILE1);
    if (index >= recentFiles_->GetSize()) {
        return;
    }
    CString path = (*recentFiles_)[index];
    if (!OpenDocumentFile(path)) {
        recentFiles_->Remove(index);
        SaveStdProfileSettings();
    }
}

CWinApp* AfxGetApp() {
    return theApplication;
}

CString CWinApp::ProgramName() const {
    CString name = m_strAppName;
    name.MakeUpper();
    return name;
}

CWnd* AfxGetMainWnd() {
    return theApplication ? theApplication->m_pMainWnd : nullptr;
}

std::vector<CString> CWinApp::SuiteArguments(int argc, char** argv) {
    std::vector<CString> arguments;
    for (int i = 1; i < argc; ++i) {
        if (std::optional<std::string> name = platform::SuiteName(argv[i])) {
            arguments.emplace_back(*name);
            continue;
        }
        CString message;
        message.Format(u8"%s\nﾌｧｲﾙ名に使用できない文字が含まれています",
                       platform::Utf8ToCp932(argv[i]).c_str());
        AfxMessageBox(message);
    }
    return arguments;
}

int AfxWinMain(int argc, char** argv) {
    platform::IgnoreFileSizeSignal();
    QApplication qtApp(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    platform::TerminationWatch::Install();
    platform::InstallToolkitJapanese();
    platform::ApplySuiteIdentity();
    platform::QtMessageSink sink;
    platform::SetMessageSink(&sink);
    // Private clipboard formats reach other programs of the suite through the desktop clipboard.
    platform::InstallQtClipboard();
    CWinApp* app = AfxGetApp();
    int code = 1;
    if (app) {
        platform::SetMessageCaption(app->ProgramName());
        app->m_args = CWinApp::SuiteArguments(argc, argv);
        code = app->InitInstance() ? app->Run() : app->ExitInstance();
    }
    platform::SetMessageSink(nullptr);
    return code;
}
