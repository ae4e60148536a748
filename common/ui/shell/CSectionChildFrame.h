#pragma once
// The child frame of one section document. Its caption is not made from the document title by
// the framework: it starts as the document type's window title and is set explicitly from the
// document's name in small letters.

#include "platform/ui/CMDIChildWnd.h"

namespace shell {

class CSectionChildFrame : public CMDIChildWnd {
public:
    // namedUntitled: a new document's caption takes a name given for it too (else it keeps
    // its title "新規...").
    explicit CSectionChildFrame(bool namedUntitled);

    int OnCreate() override;
    // Sets the caption from the document's title, or from name (a path). Nothing when the
    // frame has no caption or no document.
    void SetFrameTitle(const char* name);
    void OnUpdateFrameTitle(BOOL addToTitle) override;
    const CString& Caption() const { return caption_; }

private:
    CString caption_;
    bool namedUntitled_;
};

} // namespace shell
