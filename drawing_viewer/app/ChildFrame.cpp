#include "drawing_viewer/app/ChildFrame.h"

#include "drawing_viewer/app/ViewerDoc.h"

#include "platform/ui/CView.h"
#include "platform/ui/QtText.h"

#include <QWidget>

namespace zapho {

IMPLEMENT_DYNCREATE(CChildFrame, CMDIChildWnd)

namespace {

constexpr int kLongestCaption = 255;

// Capitals of single-byte letters; double-byte characters stay as they are.
CString UpperPath(const CString& path) {
    std::string bytes = path.str();
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if ((byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC)) {
            ++i;
        } else if (byte >= 'a' && byte <= 'z') {
            bytes[i] = static_cast<char>(byte - 'a' + 'A');
        }
    }
    return CString(bytes);
}

} // namespace

CString CChildFrame::Caption() const {
    CView* view = GetActiveView();
    auto* doc = view ? dynamic_cast<CViewerDoc*>(view->GetDocument()) : nullptr;
    if (!doc) {
        return CString();
    }
    const CString prefix = doc->IsPlotOutput() ? CString(u8"作図 - ") : CString(u8"図面 - ");
    return prefix + UpperPath(doc->GetPathName().IsEmpty() ? doc->GetTitle() : doc->GetPathName());
}

void CChildFrame::OnUpdateFrameTitle(BOOL addToTitle) {
    CMDIChildWnd::OnUpdateFrameTitle(addToTitle);
    const CString caption = Caption();
    if (!caption.IsEmpty() && caption.GetLength() <= kLongestCaption && GetWidget()) {
        GetWidget()->setWindowTitle(platform::ToQString(caption));
    }
}

} // namespace zapho
