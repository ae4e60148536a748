#pragma once
// The section model editor's main frame: the standard and edit tool bars with texts under
// their buttons, the bottom bar with the guide title of the current tool, and the status bar
// with the guide prompt and the cursor position. It registers the window class by which the
// base menu and a second start know that a section model editor runs.

#include "common/process/WindowClassServer.h"
#include "common/process/WindowTextProvider.h"
#include "common/ui/dialogs/CMyStatusBar.h"
#include "platform/ui/CMDIFrameWnd.h"
#include "platform/ui/CMenu.h"
#include "platform/ui/CToolBar.h"

#include <QPointer>
#include <memory>

class QLabel;
class QSocketNotifier;

namespace merdok {

class CBlockView;

class CMainFrame : public CMDIFrameWnd, public process::WindowTextProvider {
    DECLARE_DYNAMIC(CMainFrame)
public:
    // The window class other programs of the suite look for.
    static constexpr const char* kWindowClass = "VerrantSection";

    CMainFrame();
    ~CMainFrame() override;

    int OnCreate() override;
    BOOL OnClose() override;

    void UpdateStatusText();
    void OnChildActivated();

    CToolBar& StandardBar() { return standardBar_; }
    CToolBar& EditBar() { return editBar_; }
    CMyStatusBar& StatusBar() { return statusBar_; }
    QLabel* GuideTitleText() const { return guideTitle_; }
    // The active document's section view, or null.
    CBlockView* ActiveBlockView() const;

    bool BringToFront() override;
    bool GetControlText(int controlId, CString& text) override;
    bool SetControlText(int controlId, const CString& text) override;

private:
    bool CreateToolBar(CToolBar& bar, UINT barId, const char8_t* caption, const UINT* ids, int count,
                       std::initializer_list<const char8_t*> labels);
    bool CreateStatusBar();
    bool CreateGuideBar();
    void CreateAccelerators();
    void ConnectMenuSelection(const CMenu& menu);
    void LoadBarState();
    void SaveBarState();

    void OnMenuSelect();
    void OnShowCursorPos();
    void OnGuidePrompt();
    void OnGuideTitle();

    process::WindowClassServer server_;
    std::unique_ptr<QSocketNotifier> notifier_;
    CMenu mainMenu_;
    CMenu documentMenu_;
    CMyStatusBar statusBar_;
    QPointer<QWidget> lastHoverWindow_;
    CToolBar standardBar_;
    CToolBar editBar_;
    QLabel* guideTitle_ = nullptr;
};

} // namespace merdok
