#include "section_editor/app/CChildFrame.h"

#include "platform/ui/CDocument.h"
#include "platform/ui/CMDIFrameWnd.h"
#include "platform/ui/QtText.h"

#include <QWidget>

namespace merdok {

IMPLEMENT_DYNCREATE(CChildFrame, CMDIChildWnd)

namespace {
const char8_t kDocumentWindowTitle[] = u8"基本 -";
} // namespace

CChildFrame::CChildFrame() : caption_(kDocumentWindowTitle) {}

int CChildFrame::OnCreate() {
    OnUpdateFrameTitle(FALSE);
    return CMDIChildWnd::OnCreate();
}

void CChildFrame::SetFrameTitle(const char* name) {
    CDocument* document = GetActiveDocument();
    if (!document) {
        return;
    }
    CString title = (name && *name) ? CString(name) : document->GetTitle();
    // Only single-byte letters change; both bytes of a double-byte character stay.
    title.MakeLower();
    caption_ = title;
    OnUpdateFrameTitle(TRUE);
}

void CChildFrame::OnUpdateFrameTitle(BOOL addToTitle) {
    if (GetWidget()) {
        GetWidget()->setWindowTitle(platform::ToQString(caption_));
    }
    if (CMDIFrameWnd* frame = GetMDIFrame()) {
        frame->OnUpdateFrameTitle(addToTitle);
    }
}

} // namespace merdok
