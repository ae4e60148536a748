#pragma once
// The child frame of one list: its caption is set by its view (type prefix and the path in
// capitals), never made from the document title.

#include "platform/ui/CMDIChildWnd.h"

namespace wenux {

class CChildFrame : public CMDIChildWnd {
    DECLARE_DYNCREATE(CChildFrame)
public:
    void SetCaption(const CString& caption);
    const CString& Caption() const { return caption_; }
    void OnUpdateFrameTitle(BOOL addToTitle) override;

private:
    CString caption_;
};

} // namespace wenux
