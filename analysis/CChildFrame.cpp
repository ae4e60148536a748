#include "analysis/CChildFrame.h"

#include "platform/ui/CDocument.h"
#include "platform/ui/CMDIFrameWnd.h"
#include "platform/ui/QtText.h"

#include <QWidget>

namespace torvan {

IMPLEMENT_DYNCREATE(CChildFrame, CMDIChildWnd)

namespace {
// The window title part of the analysis document type; a new frame shows it until its
// caption is set.
const char8_t kDocumentWindowTitle[] = u8"基本 -";
const char8_t kUntitledWord[] = u8"新規";
} // namespace

CChildFrame::CChildFrame() : caption_(kDocumentWindowTitle) {}

int CChildFrame::OnCreate() {
    OnUpdateFrameTitle(FALSE);
    return CMDIChildWnd::OnCreate();
}

void CChildFrame::SetFrameTitle(const char* name) {
    CDocument* document = GetActiveDocument();
    if (caption_.IsEmpty() || !document) {
        return;
    }
    CString title = document->GetTitle();
    const CString untitled(kUntitledWord);
    if (name && *name && title.Left(untitled.GetLength()) != untitled) {
        title = name;
    }
    // Only single-byte letters change; both bytes of a double-byte character stay as they are.
    title.MakeLower();
    caption_ = title;
    OnUpdateFrameTitle(TRUE);
}

void CChildFrame::OnUpdateFrameTitle(BOOL addToTitle) {
    // The framework's title of the document is not added: the caption is the frame's own.
    if (GetWidget()) {
        GetWidget()->setWindowTitle(platform::ToQString(caption_));
    }
    if (CMDIFrameWnd* frame = GetMDIFrame()) {
        frame->OnUpdateFrameTitle(addToTitle);
    }
}

} // namespace torvan
