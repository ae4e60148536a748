#include "list_viewer/app/CMainDoc.h"

#include "list_viewer/app/CMainListView.h"

#include "platform/ui/CDocTemplate.h"
#include "platform/ui/CWaitCursor.h"

#include <QTimer>
#include <algorithm>

namespace wenux {

IMPLEMENT_DYNCREATE(CMainDoc, CDocument)

CMainDoc::CMainDoc() {
    MapCommand(ID_FILE_CLOSE, [this] { OnFileClose(); });
}

BOOL CMainDoc::OnOpenDocument(LPCTSTR path) {
    CWaitCursor wait;
    files_.Release();
    if (!files_.Open(CString(path))) {
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

void CMainDoc::SetPathName(LPCTSTR path, BOOL) {
    CDocument::SetPathName(path, FALSE);
}

void CMainDoc::OnCloseDocument() {
    // The views go later with their frames; their work files must go now, also when the
    // whole program is closing.
    for (CView* view : std::vector<CView*>(Views())) {
        if (auto* listView = dynamic_cast<CMainListView*>(view)) {
            listView->ReleaseView();
        }
    }
    files_.Release();
    CDocument::OnCloseDocument();
}

void CMainDoc::OnFileClose() {
    // Closing deletes this document; leave the command handler that runs first.
    QTimer::singleShot(0, [document = this, template_ = m_pDocTemplate] {
        if (template_ && std::find(template_->Documents().begin(), template_->Documents().end(), document) !=
                             template_->Documents().end()) {
            document->OnCloseDocument();
        }
    });
}

} // namespace wenux
