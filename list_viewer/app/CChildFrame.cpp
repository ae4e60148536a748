#include "list_viewer/app/CChildFrame.h"

#include "platform/ui/QtText.h"

#include <QWidget>

namespace wenux {

IMPLEMENT_DYNCREATE(CChildFrame, CMDIChildWnd)

namespace {
constexpr int kLongestCaption = 255;
} // namespace

void CChildFrame::SetCaption(const CString& caption) {
    // Captions longer than the system takes are not set.
    if (caption.IsEmpty() || caption.GetLength() > kLongestCaption) {
        return;
    }
    caption_ = caption;
    OnUpdateFrameTitle(TRUE);
}

void CChildFrame::OnUpdateFrameTitle(BOOL addToTitle) {
    CMDIChildWnd::OnUpdateFrameTitle(addToTitle);
    if (!caption_.IsEmpty() && GetWidget()) {
        GetWidget()->setWindowTitle(platform::ToQString(caption_));
    }
}

} // namespace wenux
