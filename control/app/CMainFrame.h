#pragma once
// The base menu's only window: a small fixed frame of class "VerrantControl" around the form.
// Other programs of the suite find it by that class, bring it forward and read and write the
// file names of its form through it.

#include "common/process/WindowTextProvider.h"
#include "common/ui/shell/ServedWindowClass.h"
#include "platform/ui/CFrameWnd.h"

namespace basnev {

class CMainFrame : public CFrameWnd, private process::WindowTextProvider {
    DECLARE_DYNCREATE(CMainFrame)
public:
    CMainFrame();

    int OnCreate() override;
    BOOL OnClose() override;
    // The title is the window title alone, without the document's name.
    void OnUpdateFrameTitle(BOOL addToTitle) override;

    // The classes whose windows keep the base menu from closing.
    static bool IsProcessingProgramOpen();

private:
    bool BringToFront() override;
    bool GetControlText(int controlId, CString& text) override;
    bool SetControlText(int controlId, const CString& text) override;

    shell::ServedWindowClass windowClass_;
};

} // namespace basnev
