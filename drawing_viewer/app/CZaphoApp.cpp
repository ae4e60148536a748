#include "drawing_viewer/app/CZaphoApp.h"

#include "drawing_viewer/app/CChildFrame.h"
#include "drawing_viewer/app/CInputFileDialog.h"
#include "drawing_viewer/app/CMainFrame.h"
#include "drawing_viewer/app/CMainView.h"
#include "drawing_viewer/app/CViewerDoc.h"
#include "drawing_viewer/app/ZaphoIds.h"

#include "common/process/ChildLauncher.h"
#include "platform/core/ModulePath.h"
#include "platform/core/SettingsFolder.h"
#include "platform/ui/CDocTemplate.h"
#include "platform/ui/CMultiDocTemplate.h"
#include "platform/ui/SuiteIdentity.h"

#include <QPageSetupDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QWidget>
#include <strings.h>

namespace zapho {

namespace {

CString StripQuotes(CString path) {
    path.Trim();
    if (path.GetLength() >= 2 && path[0] == '"' && path[path.GetLength() - 1] == '"') {
        path = path.Mid(1, path.GetLength() - 2);
    }
    return path;
}

bool IsPlotIndexPath(const CString& path) {
    const int dot = path.ReverseFind('.');
    return dot >= 0 && strcasecmp(path.Mid(dot).GetString(), CMainDoc::kPlotExtension) == 0;
}

} // namespace

CZaphoApp::CZaphoApp() : CWinApp("zapho") {
    MapCommand(ID_FILE_OPEN, [this] { OnFileOpen(); });
    MapCommand(ID_FILE_PRINT_SETUP, [this] { OnFilePrintSetup(); });
    MapCommand(ID_APP_ABOUT, [this] { OnAppAbout(); });
    MapCommand(ID_FILE_NEW, [] {});
}

CZaphoApp::~CZaphoApp() = default;

CZaphoApp& ZaphoApp() {
    return *dynamic_cast<CZaphoApp*>(AfxGetApp());
}

void CZaphoApp::SetProgramDirectory(const CString& directory, const CString& programName) {
    state_.programDirectory = platform::WithTrailingSlash(directory);
    programName_ = programName;
}

BOOL CZaphoApp::InitInstance() {
    // A request to serve embedded objects: there is no document server here.
    for (const CString& arg : m_args) {
        if (arg.CompareNoCase("/Embedding") == 0 || arg.CompareNoCase("-Embedding") == 0) {
            return FALSE;
        }
    }
    m_pszProfileName = platform::ProgramProfilePath(state_.programDirectory, programName_, m_strAppName);
    LoadStdProfileSettings(4);
    AddTemplates();

    auto* frame = new CMainFrame;
    if (!frame->Create(CString("ZAPHO"))) {
        return FALSE;
    }
    m_pMainWnd = frame;
    frame->ShowWindow(SW_SHOWMAXIMIZED);
    // Without a window manager a maximised window keeps its size: it takes the screen itself.
    if (QWidget* window = frame->GetWidget();
        window && window->screen() && window->width() < window->screen()->availableGeometry().width()) {
        window->setGeometry(window->screen()->availableGeometry());
    }
    state_.promptText.Empty();
    state_.messageText.Empty();
    state_.cursorX = state_.cursorY = 0.0;
    state_.firstPlacement = 1;
    state_.drawingRunIndex.Empty();
    state_.settings.Load(*this, state_.programDirectory);
    // The string list is the user's to write: never the one beside the program.
    state_.settings.titleFile = platform::SettingsFileFor(state_.settings.titleFile, state_.programDirectory);
    return OpenCommandLineFile();
}

// The analysis program's drawing run says so before the plot index it hands over; any
// other file on the command line ("open with", the base menu) is only shown.
BOOL CZaphoApp::OpenCommandLineFile() {
    auto file = m_args.begin();
    const bool drawingRun = file != m_args.end() && *file == kDrawingRunArgument;
    if (drawingRun) {
        ++file;
    }
    if (file == m_args.end()) {
        return TRUE;
    }
    if (drawingRun) {
        state_.drawingRunIndex = StripQuotes(*file);
    }
    const bool opened = OpenDocumentFile(*file) != nullptr;
    state_.drawingRunIndex.Empty();
    return opened;
}

void CZaphoApp::AddTemplates() {
    AddDocTemplate(new CMultiDocTemplate(IDR_FIGURE, RUNTIME_CLASS(CViewerDoc), RUNTIME_CLASS(CChildFrame),
                                         RUNTIME_CLASS(CMainView), CString(CMainDoc::kFigureExtension)));
    AddDocTemplate(new CMultiDocTemplate(IDR_PLOT_OUTPUT, RUNTIME_CLASS(CViewerDoc),
                                         RUNTIME_CLASS(CChildFrame), RUNTIME_CLASS(CMainView),
                                         CString(CMainDoc::kPlotExtension)));
}

int CZaphoApp::ExitInstance() {
    CloseAllDocuments(TRUE);
    state_.settings.Save(*this);
    return CWinApp::ExitInstance();
}

BOOL CZaphoApp::OnIdle(LONG count) {
    const BOOL more = CWinApp::OnIdle(count);
    if (count == 0 && m_pMainWnd) {
        m_pMainWnd->RouteCommand(ID_NOTIFY_MESSAGE);
    }
    return more;
}

CDocument* CZaphoApp::OpenDocumentFile(LPCTSTR path) {
    if (!path) {
        return nullptr;
    }
    const CString file = StripQuotes(CString(path));
    if (FindOpenDocument(file)) {
        return CWinApp::OpenDocumentFile(file); // one window per file: it comes forward
    }
    const UINT templateId = IsPlotIndexPath(file) ? IDR_PLOT_OUTPUT : IDR_FIGURE;
    for (const auto& docTemplate : Templates()) {
        if (docTemplate->GetResourceId() == templateId) {
            return docTemplate->OpenDocumentFile(file);
        }
    }
    return nullptr;
}

namespace {

// The folder part of a path; empty for a bare name.
CString FolderOf(const CString& path) {
    const std::string& text = path.str();
    const std::size_t slash = text.find_last_of('/');
    return slash == std::string::npos ? CString() : CString(text.substr(0, slash == 0 ? 1 : slash));
}

} // namespace

CString CZaphoApp::OpenDialogFolder() const {
    const auto* frame = dynamic_cast<const CFrameWnd*>(m_pMainWnd);
    const CDocument* active = frame ? frame->GetActiveDocument() : nullptr;
    const CString folder = active ? FolderOf(active->GetPathName()) : CString();
    return folder.IsEmpty() ? lastOpenFolder_ : folder;
}

void CZaphoApp::OnFileOpen() {
    CInputFileDialog dialog(TRUE, "pfg", nullptr, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST,
                            "\x90\x7d\x96\xca\xcc\xa7\xb2\xd9(*.pfg)|*.pfg||", m_pMainWnd);
    const CString folder = OpenDialogFolder();
    dialog.m_ofn.lpstrInitialDir = folder.IsEmpty() ? nullptr : folder.GetString();
    if (dialog.DoModal() == IDOK) {
        lastOpenFolder_ = FolderOf(dialog.GetPathName());
        OpenDocumentFile(dialog.GetPathName());
    }
}

QPrinter& CZaphoApp::PrintSetup() {
    if (!printSetup_) {
        printSetup_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        if (QPrinterInfo::availablePrinterNames().isEmpty()) {
            printSetup_->setOutputFormat(QPrinter::PdfFormat);
        }
        printSetup_->setPageMargins(QMarginsF(), QPageLayout::Millimeter);
    }
    return *printSetup_;
}

void CZaphoApp::ApplyPrintSetup(QPrinter& printer) {
    const QPrinter& setup = PrintSetup();
    if (setup.outputFormat() == QPrinter::NativeFormat && !setup.printerName().isEmpty()) {
        printer.setPrinterName(setup.printerName());
    }
    printer.setColorMode(setup.colorMode());
    printer.setDuplex(setup.duplex());
    printer.setPageMargins(PrintMargins(), QPageLayout::Millimeter);
}

void CZaphoApp::KeepPrintSetup(const QPrinter& printer) {
    QPrinter& setup = PrintSetup();
    if (printer.outputFormat() == QPrinter::NativeFormat && !printer.printerName().isEmpty()) {
        setup.setPrinterName(printer.printerName());
    }
    setup.setColorMode(printer.colorMode());
    setup.setDuplex(printer.duplex());
}

QMarginsF CZaphoApp::PrintMargins() const {
    return printSetup_ ? printSetup_->pageLayout().margins(QPageLayout::Millimeter) : QMarginsF();
}

void CZaphoApp::OnFilePrintSetup() {
    QWidget* owner = m_pMainWnd ? m_pMainWnd->GetWidget() : nullptr;
    QPageSetupDialog dialog(&PrintSetup(), owner);
    dialog.exec();
}

void CZaphoApp::OnAppAbout() {
    platform::ShowAboutBox(m_pMainWnd, "ZAPHO");
}

} // namespace zapho
