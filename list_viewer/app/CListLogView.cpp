#include "list_viewer/app/CListLogView.h"

#include "list_viewer/app/CMainDoc.h"
#include "list_viewer/core/DocumentTypes.h"

namespace wenux {

IMPLEMENT_DYNCREATE(CListLogView, CMainListView)

void CListLogView::ChooseTypeAndWidth() {
    documentType_ = LogTypeFromPath(ListPath());
    lineWidth_ = DocumentTypeOf(documentType_).lineWidth;
}

CString CListLogView::TypeText() const {
    return CString(DocumentTypeOf(documentType_).typeText);
}

} // namespace wenux
