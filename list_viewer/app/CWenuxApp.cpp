#include "list_viewer/app/CWenuxApp.h"

#include "list_viewer/app/CChildFrame.h"
#include "list_viewer/app/CListLogView.h"
#include "list_viewer/app/CMainDoc.h"
#include "list_viewer/app/CMainFrame.h"
#include "list_viewer/app/CMainListView.h"
#include "list_viewer/app/OpenFilePrompt.h"
#include "list_viewer/app/WenuxIds.h"
#include "list_viewer/core/DocumentTypes.h"
#include "list_viewer/core/SearchItemList.h"

#include "platform/core/ModulePath.h"
#include "platform/ui/CDocTemplate.h"
#include "platform/ui/CMultiDocTemplate.h"
#include "platform/ui/QtText.h"
#include "platform/ui/SuiteIdentity.h"

#include <QPageSetupDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

namespace wenux {

namespace {

// The settings file as the font settings read and write it.
class AppProfile : public ProfileAccess {
public:
    explicit AppProfile(CWinApp& app) : app_(app) {}
    int GetProfileInt(const char* section, const char* key, int defaultValue) override {
        return static_cast<int>(app_.GetProfileInt(section, key, defaultValue));
    }
    CString GetProfileString(const char* section, const char* key, const char* defaultValue) override {
        return app_.GetProfileString(section, key, defaultValue);
    }
    void WriteProfileInt(const char* section, const char* key, int value) override {
        app_.WriteProfileInt(section, key, value);
    }
    void WriteProfileString(const char* section, const char* key, const char* value) override {
        app_.WriteProfileString(section, key, value);
    }

private:
    CWinApp& app_;
};

CString DirectoryOf(const CString& path) {
    const int slash = path.ReverseFind('/');
    return slash >= 0 ? path.Left(slash + 1) : CString();
}

} // namespace

CWenuxApp::CWenuxApp() : CWinApp("wenux") {
    MapCommand(ID_FILE_OPEN, [this] { OnFileOpen(); });
    MapCommand(ID_FILE_PRINT_SETUP, [this] { OnFilePrintSetup(); });
    MapCommand(ID_APP_ABOUT, [this] { OnAppAbout(); });
    pageLayout_ = QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0));
}

CWenuxApp& WenuxApp() {
    return *dynamic_cast<CWenuxApp*>(AfxGetApp());
}

void CWenuxApp::SetProgramDirectory(const CString& directory, const CString& programName) {
    state_.programDirectory = platform::WithTrailingSlash(directory);
    programName_ = programName;
}

BOOL CWenuxApp::InitInstance() {
    m_pszProfileName = platform::ProgramProfilePath(state_.programDirectory, programName_, m_strAppName);
    LoadStdProfileSettings(4);
    AddTemplates();

    auto* frame = new CMainFrame;
    if (!frame->Create(CString(u8"ﾛｸﾞ表示"))) {
        return FALSE;
    }
    m_pMainWnd = frame;
    frame->ShowWindow(SW_SHOW);

    state_.typeText = CString(u8"ﾌｧｲﾙを開いて下さい");
    state_.pageText.Empty();
    state_.messageText.Empty();
    state_.initialDirectory.Empty();
    state_.searchString.Empty();
    state_.commandLineType = 0;
    state_.startedWithFile = false;

    LoadListSettings();
    if (RecentFiles().GetSize() > 0) {
        state_.initialDirectory = DirectoryOf(RecentFiles()[0]);
    }
    OpenFromCommandLine();
    return TRUE;
}

void CWenuxApp::AddTemplates() {
    for (const DocumentTypeInfo& type : DocumentTypes()) {
        const CRuntimeClass* view =
            type.type == 0 ? RUNTIME_CLASS(CMainListView) : RUNTIME_CLASS(CListLogView);
        AddDocTemplate(new CMultiDocTemplate(static_cast<UINT>(type.templateId), RUNTIME_CLASS(CMainDoc),
                                             RUNTIME_CLASS(CChildFrame), view, CString(type.extension)));
    }
}

void CWenuxApp::OpenFromCommandLine() {
    const CommandLineInfo info = ParseCommandLine(m_args);
    if (info.noDocument) {
        return;
    }
    state_.startedWithFile = true;
    state_.commandLineType = info.type;
    OpenDocumentFile(info.path);
}

int CWenuxApp::ExitInstance() {
    // Documents still open lose their views and work files now.
    CloseAllDocuments(TRUE);
    SaveListSettings();
    return CWinApp::ExitInstance();
}

CDocument* CWenuxApp::OpenDocumentFile(LPCTSTR path) {
    if (!path) {
        return nullptr;
    }
    const CString listPath = StripQuotes(CString(path));
    const int templateId = wenux::TemplateForPath(listPath).templateId;
    for (const auto& docTemplate : Templates()) {
        if (static_cast<int>(docTemplate->GetResourceId()) == templateId) {
            return ShownOrClosed(docTemplate->OpenDocumentFile(listPath), listPath);
        }
    }
    return nullptr;
}

// A list its view could not read leaves no empty window and no recent-file entry behind.
CDocument* CWenuxApp::ShownOrClosed(CDocument* document, const CString& listPath) {
    if (!document) {
        return nullptr;
    }
    for (CView* view : document->Views()) {
        if (auto* list = dynamic_cast<CMainListView*>(view); list && !list->ListShown()) {
            document->OnCloseDocument();
            return nullptr;
        }
    }
    AddToRecentFileList(listPath);
    return document;
}

void CWenuxApp::LoadListSettings() {
    AppProfile profile(*this);
    state_.displayFont = LoadListFont(profile, kScreenSection);
    state_.printFont = LoadListFont(profile, kPrinterSection);
    state_.searchItems.clear();
    LoadSearchItemList(state_.programDirectory, ChooseProductKey(state_.programDirectory, ProductMarkers()),
                       state_.searchItems);
}

void CWenuxApp::SaveListSettings() {
    AppProfile profile(*this);
    SaveListFont(profile, kScreenSection, state_.displayFont);
    SaveListFont(profile, kPrinterSection, state_.printFont);
    state_.searchItems.clear();
}

bool CWenuxApp::PromptFileName(CString& path) {
    return PromptOpenFileName(m_pMainWnd, state_, path);
}

void CWenuxApp::OnFileOpen() {
    CString path;
    if (PromptFileName(path)) {
        OpenDocumentFile(path);
    }
}

void CWenuxApp::OnFilePrintSetup() {
    QWidget* owner = m_pMainWnd ? m_pMainWnd->GetWidget() : nullptr;
    QPrinter printer(QPrinter::HighResolution);
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
    }
    printer.setPageLayout(pageLayout_);
    QPageSetupDialog dialog(&printer, owner);
    if (dialog.exec() == QDialog::Accepted) {
        QPageLayout chosen = printer.pageLayout();
        chosen.setMargins(QMarginsF(0, 0, 0, 0));
        pageLayout_ = chosen;
    }
}

void CWenuxApp::OnAppAbout() {
    platform::ShowAboutBox(m_pMainWnd, "WENUX");
}

} // namespace wenux
