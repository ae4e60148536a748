#include "platform/ui/CDocument.h"

#include "platform/core/DiskNames.h"
#include "platform/ui/CDocTemplate.h"
#include "platform/ui/CFrameWnd.h"
#include "platform/ui/CView.h"
#include "platform/ui/CWinApp.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CDocument, CCmdTarget)

CDocument::~CDocument() {
    for (CView* view : views_) {
        view->m_pDocument = nullptr;
    }
    if (m_pDocTemplate) {
        m_pDocTemplate->RemoveDocument(this);
    }
}

BOOL CDocument::OnNewDocument() {
    m_strPathName.Empty();
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::OnOpenDocument(LPCTSTR) {
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::OnSaveDocument(LPCTSTR) {
    SetModifiedFlag(FALSE);
    return TRUE;
}

void CDocument::OnCloseDocument() {
    BOOL autoDelete = m_bAutoDelete;
    m_bAutoDelete = FALSE; // closing the frames must not delete us twice
    std::vector<CView*> views = views_;
    for (CView* view : views) {
        if (CFrameWnd* frame = view->GetParentFrame()) {
            frame->DestroyFrame();
        }
    }
    for (CView* view : views) {
        view->m_pDocument = nullptr; // the frames delete their views later
    }
    views_.clear();
    if (autoDelete) {
        delete this;
    }
}

BOOL CDocument::SaveModified() {
    return TRUE;
}
BOOL CDocument::CanCloseFrame() {
    return SaveModified();
}

void CDocument::SetPathName(LPCTSTR path, BOOL addToMru) {
    m_strPathName = platform::FullPathName(path);
    int slash = m_strPathName.ReverseFind('/');
    SetTitle(slash >= 0 ? m_strPathName.Mid(slash + 1) : m_strPathName);
    if (addToMru && AfxGetApp()) {
        AfxGetApp()->AddToRecentFileList(m_strPathName);
    }
}

void CDocument::SetTitle(LPCTSTR title) {
    m_strTitle = title;
    for (CView* view : views_) {
        if (CFrameWnd* frame = view->GetParentFrame()) {
            frame->OnUpdateFrameTitle(TRUE);
        }
    }
}

void CDocument::AddView(CView* view) {
    views_.push_back(view);
    view->m_pDocument = this;
}

void CDocument::RemoveView(CView* view) {
    views_.erase(std::remove(views_.begin(), views_.end(), view), views_.end());
    view->m_pDocument = nullptr;
    if (views_.empty() && m_bAutoDelete) {
        OnCloseDocument();
    }
}

// Positions are 1-based indices into the view list.
POSITION CDocument::GetFirstViewPosition() const {
    return views_.empty() ? nullptr : reinterpret_cast<POSITION>(std::uintptr_t{1});
}

CView* CDocument::GetNextView(POSITION& position) const {
    auto index = reinterpret_cast<std::uintptr_t>(position);
    CView* view = views_[index - 1];
    position = index < views_.size() ? reinterpret_cast<POSITION>(index + 1) : nullptr;
    return view;
}

void CDocument::UpdateAllViews(CView* sender, long hint, CObject* hintObject) {
    for (CView* view : views_) {
        if (view != sender) {
            view->OnUpdate(sender, hint, hintObject);
        }
    }
}
