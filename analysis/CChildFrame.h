#pragma once
// The child frame of one analysis document. Its caption is not made from the document
// title by the framework: it starts as the document type's window title and is set
// explicitly from the document's name in small letters. (When the last document window
// goes, the main frame clears its guide texts.)

#include "platform/ui/CMDIChildWnd.h"

namespace torvan {

class CChildFrame : public CMDIChildWnd {
    DECLARE_DYNCREATE(CChildFrame)
public:
    CChildFrame();

    int OnCreate() override;
    // Sets the caption from the document's title, or from name (a path) unless the
    // document is a new one. Nothing when the frame has no caption or no document.
    void SetFrameTitle(const char* name);
    void OnUpdateFrameTitle(BOOL addToTitle) override;
    const CString& Caption() const { return caption_; }

private:
    CString caption_;
};

} // namespace torvan
