#pragma once
// The child frame of one section model document: its caption is the document's path in small
// letters (a new document keeps its title).

#include "platform/ui/CMDIChildWnd.h"

namespace merdok {

class CChildFrame : public CMDIChildWnd {
    DECLARE_DYNCREATE(CChildFrame)
public:
    CChildFrame();

    int OnCreate() override;
    void SetFrameTitle(const char* name);
    void OnUpdateFrameTitle(BOOL addToTitle) override;
    const CString& Caption() const { return caption_; }

private:
    CString caption_;
};

} // namespace merdok
