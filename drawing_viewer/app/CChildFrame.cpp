#include "drawing_viewer/app/CChildFrame.h"

#include "drawing_viewer/app/CViewerDoc.h"

#include "platform/ui/CView.h"
#include "platform/ui/QtText.h"

#include <QWidget>

namespace zapho {

IMPLEMENT_DYNCREATE(CChildFrame, CMDIChildWnd)

namespace {

constexpr int kLongestCaption = 255;

} // namespace

CString CChildFrame::Caption() const {
    CView* view = GetActiveView();
    auto* doc = view ? dynamic_cast<CViewerDoc*>(view->GetDocument()) : nullptr;
    if (!doc) {
        return CString();
    }
    const CString prefix = doc->IsPlotOutput() ? CString(u8"作図 - ") : CString(u8"図面 - ");
    return prefix + (doc->GetPathName().IsEmpty() ? doc->GetTitle() : doc->GetPathName());
}

void CChildFrame::OnUpdateFrameTitle(BOOL addToTitle) {
    CMDIChildWnd::OnUpdateFrameTitle(addToTitle);
    const CString caption = Caption();
    if (!caption.IsEmpty() && caption.GetLength() <= kLongestCaption && GetWidget()) {
        GetWidget()->setWindowTitle(platform::ToQString(caption));
    }
}

} // namespace zapho
