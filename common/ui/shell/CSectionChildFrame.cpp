#include "common/ui/shell/CSectionChildFrame.h"

#include "platform/ui/CDocument.h"
#include "platform/ui/CMDIFrameWnd.h"
#include "platform/ui/QtText.h"

#include <QWidget>

namespace shell {

namespace {
// The window title part of the section document types; a new frame shows it until its
// caption is set.
const char8_t kDocumentWindowTitle[] = u8"基本 -";
const char8_t kUntitledWord[] = u8"新規";
} // namespace

CSectionChildFrame::CSectionChildFrame(bool namedUntitled)
    : caption_(kDocumentWindowTitle), namedUntitled_(namedUntitled) {}

int CSectionChildFrame::OnCreate() {
    OnUpdateFrameTitle(FALSE);
    return CMDIChildWnd::OnCreate();
}

void CSectionChildFrame::SetFrameTitle(const char* name) {
    CDocument* document = GetActiveDocument();
    if (caption_.IsEmpty() || !document) {
        return;
    }
    CString title = document->GetTitle();
    const CString untitled(kUntitledWord);
    if (name && *name && (namedUntitled_ || title.Left(untitled.GetLength()) != untitled)) {
        title = name;
    }
    caption_ = title;
    OnUpdateFrameTitle(TRUE);
}

void CSectionChildFrame::OnUpdateFrameTitle(BOOL addToTitle) {
    // The framework's title of the document is not added: the caption is the frame's own.
    if (GetWidget()) {
        GetWidget()->setWindowTitle(platform::ToQString(caption_));
    }
    if (CMDIFrameWnd* frame = GetMDIFrame()) {
        frame->OnUpdateFrameTitle(addToTitle);
    }
}

} // namespace shell
