#include "platform/ui/CDocTemplate.h"

#include "platform/core/DiskNames.h"
#include "platform/ui/CDocument.h"
#include "platform/ui/CFrameWnd.h"
#include "platform/ui/CView.h"
#include "platform/ui/CWinApp.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CDocTemplate, CCmdTarget)

CDocTemplate::CDocTemplate(UINT resourceId, const CRuntimeClass* documentClass,
                           const CRuntimeClass* frameClass, const CRuntimeClass* viewClass,
                           const CString& extension)
    : resourceId_(resourceId), documentClass_(documentClass), frameClass_(frameClass), viewClass_(viewClass),
      extension_(extension) {}

CDocTemplate::~CDocTemplate() {
    for (CDocument* document : documents_) {
        document->m_pDocTemplate = nullptr;
    }
}

BOOL CDocTemplate::MatchDocType(const CString& path) const {
    if (extension_.IsEmpty()) {
        return FALSE;
    }
    int slash = path.ReverseFind('/');
    int dot = path.ReverseFind('.');
    return dot > slash && path.Mid(dot) == extension_;
}

CDocument* CDocTemplate::CreateNewDocument() {
    auto* document = documentClass_ ? dynamic_cast<CDocument*>(documentClass_->CreateObject()) : nullptr;
    if (document) {
        document->m_pDocTemplate = this;
        documents_.push_back(document);
    }
    return document;
}

CFrameWnd* CDocTemplate::CreateNewFrame(CDocument* document) {
    auto* frame = frameClass_ ? dynamic_cast<CFrameWnd*>(frameClass_->CreateObject()) : nullptr;
    if (!frame) {
        return nullptr;
    }
    CWnd* mainWnd = AfxGetApp() ? AfxGetApp()->m_pMainWnd : nullptr;
    if (!frame->LoadFrame(document, viewClass_, mainWnd)) {
        delete frame;
        return nullptr;
    }
    return frame;
}

CDocument* CDocTemplate::OpenDocumentFile(LPCTSTR path, BOOL makeVisible) {
    CDocument* document = CreateNewDocument();
    if (!document) {
        return nullptr;
    }
    // The document learns its folder from the name it opens: a relative one would leave it
    // without one, and name another file once the working directory is another.
    const CString fullPath = path ? CString(platform::FullPathName(path)) : CString();
    BOOL opened = path ? document->OnOpenDocument(fullPath) : document->OnNewDocument();
    if (!opened) {
        document->m_bAutoDelete = FALSE;
        delete document;
        return nullptr;
    }
    if (path) {
        document->SetPathName(fullPath);
    }
    CFrameWnd* frame = CreateNewFrame(document);
    if (!frame) {
        document->m_bAutoDelete = FALSE;
        delete document;
        return nullptr;
    }
    if (CView* view = frame->GetActiveView()) {
        view->OnInitialUpdate();
    }
    frame->OnUpdateFrameTitle(TRUE);
    if (makeVisible) {
        frame->ShowWindow(SW_SHOW);
    }
    return document;
}

void CDocTemplate::RemoveDocument(CDocument* document) {
    documents_.erase(std::remove(documents_.begin(), documents_.end(), document), documents_.end());
}

void CDocTemplate::CloseAllDocuments(BOOL) {
    std::vector<CDocument*> documents = documents_;
    for (CDocument* document : documents) {
        document->OnCloseDocument();
    }
}

BOOL CDocTemplate::SaveAllModified() {
    for (CDocument* document : documents_) {
        if (!document->SaveModified()) {
            return FALSE;
        }
    }
    return TRUE;
}
