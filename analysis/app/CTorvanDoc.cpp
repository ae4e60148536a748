#include "analysis/app/CTorvanDoc.h"

#include "analysis/app/CBlockView.h"
#include "analysis/app/CChildFrame.h"
#include "analysis/app/CMainFrame.h"
#include "analysis/app/CRefFileSelectDlg.h"
#include "analysis/app/CTorvanApp.h"
#include "analysis/app/SlipLineTreeDlg.h"

#include "platform/core/CFile.h"
#include "platform/core/MessageSink.h"
#include "platform/ui/CDocTemplate.h"
#include "platform/ui/CView.h"
#include "platform/ui/CWaitCursor.h"

#include <QTimer>
#include <algorithm>

namespace torvan {

IMPLEMENT_DYNCREATE(CTorvanDoc, CDocument)

namespace {

const char8_t kSaveAsTitle[] = u8"名前を付けて保存";

} // namespace

CTorvanDoc::CTorvanDoc() {
    model_.SetWindowSide(this);
    MapCommand(ID_FILE_SAVE, [this] { OnFileSave(); });
    MapCommand(ID_FILE_SAVE_AS, [this] { OnFileSaveAs(); });
    MapCommand(ID_FILE_CLOSE, [this] { OnFileClose(); });
}

CTorvanDoc::~CTorvanDoc() {
    model_.SetWindowSide(nullptr);
}

void CTorvanDoc::TakeCommandLineReferences() {
    if (auto* app = dynamic_cast<CTorvanApp*>(AfxGetApp())) {
        model_.SetCommandLineSection(app->CommandLine().section);
        model_.SetCommandLineDisp(app->CommandLine().measurement);
    }
}

BOOL CTorvanDoc::OnNewDocument() {
    if (!CDocument::OnNewDocument()) {
        return FALSE;
    }
    model_.DeleteContents();
    model_.SetModifiedFlag(false);
    auto* app = dynamic_cast<CTorvanApp*>(AfxGetApp());
    const CString commandLineFile = app ? app->TakeCommandLineAnalysisFile() : CString();
    if (commandLineFile.IsEmpty()) {
        SetTitle(app ? app->NextUntitledTitle() : CString());
        return TRUE;
    }
    // A file the base menu asked to create: the new document takes its name and the
    // reference files of the command line, so that it shows them and saves under that name.
    CString directory;
    CString path;
    model_.SplitPathName(commandLineFile, directory, path);
    model_.SetDirectory(directory);
    model_.SetPath(path);
    model_.SetSectionFile(app->CommandLine().section);
    model_.SetDispFile(app->CommandLine().measurement);
    if (!model_.SectionFile().IsEmpty() && !model_.DispFile().IsEmpty()) {
        model_.ReloadReferenceFiles();
    }
    SetPathName(model_.Path(), FALSE);
    return TRUE;
}

BOOL CTorvanDoc::OnOpenDocument(LPCTSTR path) {
    CWaitCursor wait;
    TakeCommandLineReferences();
    return model_.OnOpenDocument(path) ? TRUE : FALSE;
}

BOOL CTorvanDoc::OnSaveDocument(LPCTSTR path) {
    CWaitCursor wait;
    return model_.SaveWithBackup(path) ? TRUE : FALSE;
}

BOOL CTorvanDoc::SaveModified() {
    // The question names an unsaved document as its caption does ("新規1").
    const CString title = model_.Title();
    const bool untitled = model_.Path().IsEmpty() && title.IsEmpty();
    if (untitled) {
        model_.SetTitle(GetTitle());
    }
    const int answer = model_.SaveModified();
    if (untitled && model_.IsModified()) {
        model_.SetTitle(title); // not saved: the model keeps no name
    }
    return answer ? TRUE : FALSE;
}

void CTorvanDoc::OnCloseDocument() {
    CDocTemplate* docTemplate = m_pDocTemplate;
    CDocument::OnCloseDocument(); // this document is gone from here on
    if (docTemplate && docTemplate->Documents().empty()) {
        if (auto* frame = dynamic_cast<CMainFrame*>(AfxGetMainWnd())) {
            frame->OnLastDocumentClosed();
        }
    }
}

void CTorvanDoc::OnFileSave() {
    model_.OnFileSave();
}

void CTorvanDoc::OnFileSaveAs() {
    model_.OnFileSaveAs();
}

void CTorvanDoc::OnFileClose() {
    if (!SaveModified()) {
        return;
    }
    // Closing deletes this document; leave the command handler that runs first.
    QTimer::singleShot(0, [document = this, docTemplate = m_pDocTemplate] {
        if (docTemplate && std::find(docTemplate->Documents().begin(), docTemplate->Documents().end(),
                                     document) != docTemplate->Documents().end()) {
            document->OnCloseDocument();
        }
    });
}

void CTorvanDoc::UpdateAllViews() {
    CDocument::UpdateAllViews(nullptr);
}

bool CTorvanDoc::EditNewBoundaryPoint(CNode& point) {
    for (CView* view : Views()) {
        if (auto* blockView = dynamic_cast<CBlockView*>(view)) {
            return blockView->EnterPointByDialog(point) == 1;
        }
    }
    return false;
}

bool CTorvanDoc::IsTreeDialogOpen() const {
    for (CView* view : Views()) {
        if (auto* blockView = dynamic_cast<CBlockView*>(view); blockView && blockView->TreeDialog()) {
            return true;
        }
    }
    return false;
}

// The trees list keys, not objects: each change fills them again from the model.
void CTorvanDoc::RefillTrees() {
    for (CView* view : Views()) {
        if (auto* blockView = dynamic_cast<CBlockView*>(view); blockView && blockView->TreeDialog()) {
            blockView->TreeDialog()->FillTree();
        }
    }
}

void CTorvanDoc::DeleteTreeItem(int, int) {
    RefillTrees();
}

void CTorvanDoc::UpdateTreeItem(int, CNode*) {
    RefillTrees();
}

void CTorvanDoc::UpdateSlipLineItem(int, CVerrant*) {
    RefillTrees();
}

void CTorvanDoc::SetFrameCaptions(const CString& path) {
    // Saved under another name: the framework document, its title and the recent files
    // follow, then every window of the document shows the new name.
    SetPathName(path);
    for (CView* view : Views()) {
        if (auto* frame = dynamic_cast<CChildFrame*>(view->GetParentFrame())) {
            frame->SetFrameTitle(path);
        }
    }
}

bool CTorvanDoc::PromptSavePath(CString& path) {
    auto* app = dynamic_cast<CTorvanApp*>(AfxGetApp());
    path = model_.Path();
    return app && app->DoPromptFileName(path, CString(kSaveAsTitle), false);
}

void CTorvanDoc::ReportSavedFile(const CString& path) {
    if (auto* app = dynamic_cast<CTorvanApp*>(AfxGetApp())) {
        app->SetReportedFileName(path);
    }
}

int CTorvanDoc::ChooseReferenceFile(const CString& caption, const CString& commandLineName,
                                    const CString& fileName) {
    CRefFileSelectDlg dialog(AfxGetMainWnd());
    dialog.m_strCaption = caption;
    dialog.m_strFirstName = commandLineName;
    dialog.m_strSecondName = fileName;
    dialog.DoModal();
    return dialog.m_nChoice;
}

} // namespace torvan
