#include "analysis/CBlockView.h"

#include "analysis/CChildFrame.h"
#include "analysis/CTorvanDoc.h"

namespace torvan {

IMPLEMENT_DYNCREATE(CBlockView, CScrollView)

CTorvanDoc* CBlockView::GetDocument() const {
    return dynamic_cast<CTorvanDoc*>(m_pDocument);
}

void CBlockView::OnDraw(CDC*) {}

void CBlockView::OnInitialUpdate() {
    SetScrollSizes(MM_TEXT, CSize(100, 100));
    if (auto* frame = dynamic_cast<CChildFrame*>(GetParentFrame()))
        if (CTorvanDoc* document = GetDocument())
            frame->SetFrameTitle(document->GetPathName());
    CScrollView::OnInitialUpdate();
}

} // namespace torvan
