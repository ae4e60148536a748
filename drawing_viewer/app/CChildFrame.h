#pragma once
// A drawing window: its caption is the kind of drawing and the file's path in capitals.
// When the last drawing window goes, the prompt bar and the message pane are emptied.

#include "platform/ui/CMDIChildWnd.h"

namespace zapho {

class CChildFrame : public CMDIChildWnd {
    DECLARE_DYNCREATE(CChildFrame)
public:
    void OnUpdateFrameTitle(BOOL addToTitle) override;
    // "作図 - /PATH" or "図面 - /PATH" for the frame's document.
    CString Caption() const;
};

} // namespace zapho
