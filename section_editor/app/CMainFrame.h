#pragma once
// The section model editor's main frame: the standard and edit tool bars with texts under
// their buttons on the shared section-program frame. It registers the window class by which
// the base menu and a second start know that a section model editor runs. Files dropped on it
// open as documents.

#include "common/ui/shell/CComboToolBar.h"
#include "common/ui/shell/CSectionMainFrame.h"

namespace merdok {

class CBlockView;

class CMainFrame : public shell::CSectionMainFrame {
    DECLARE_DYNAMIC(CMainFrame)
public:
    // The window class other programs of the suite look for.
    static constexpr const char* kWindowClass = "VerrantSection";

    CMainFrame();

    shell::CComboToolBar& StandardBar() { return standardBar_; }
    shell::CComboToolBar& EditBar() { return editBar_; }
    // The active document's section view, or null.
    CBlockView* ActiveBlockView() const;

private:
    bool CreateToolBars() override;
    void OnFrameReady() override;

    shell::CComboToolBar standardBar_;
    shell::CComboToolBar editBar_;
};

} // namespace merdok
