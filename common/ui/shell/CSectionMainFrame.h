#pragma once
// The main frame the section editor and the analysis program share: the program's menus
// (without a document and with one) with status texts, its tool bars that show and hide
// together and may carry texts under their images, the bottom bar with the guide title of the
// current drawing tool, and the status bar with the guide prompt and the cursor position.
// Section views tell it by notification commands when a process-wide guide text changed. It
// registers the window class by which the other programs know that the program runs.

#include "common/process/WindowTextProvider.h"
#include "common/ui/dialogs/CMyStatusBar.h"
#include "common/ui/shell/CComboToolBar.h"
#include "common/ui/shell/ServedWindowClass.h"
#include "platform/ui/CMDIFrameWnd.h"
#include "platform/ui/CMenu.h"
#include "platform/ui/CommandPrompts.h"

#include <QPointer>
#include <array>
#include <vector>

class QLabel;
class QToolBar;

class CViewBase;

namespace shell {

// What differs between the programs.
struct MainFrameTraits {
    const char* windowClass;
    void (*buildMainMenu)(CMenu& menu);
    void (*buildDocumentMenu)(CMenu& menu);
    const std::vector<platform::CommandPrompt>& (*prompts)();
    const std::vector<platform::Accelerator>& (*accelerators)();
};

class CSectionMainFrame : public CMDIFrameWnd, public process::WindowTextProvider {
public:
    explicit CSectionMainFrame(const MainFrameTraits& traits);

    int OnCreate() override;
    BOOL OnClose() override;

    // Called at idle time: the guide texts come back when the cursor is over a section view
    // again after a fly-by text.
    void UpdateStatusText();
    // Follows the active child: the document menu while one is open.
    void OnChildActivated();
    // The boundary point buttons (underground, left and right) take the colours their points
    // are drawn with.
    void RecolorBoundaryButtons(COLORREF under, COLORREF left, COLORREF right);

    CMyStatusBar& StatusBar() { return statusBar_; }
    QLabel* GuideTitleText() const { return guideTitle_; }

    // process::WindowTextProvider: the base menu may bring this window forward.
    bool BringToFront() override;
    bool GetControlText(int controlId, CString& text) override;
    bool SetControlText(int controlId, const CString& text) override;

protected:
    // Makes the program's tool bars; false stops the frame's creation.
    virtual bool CreateToolBars() = 0;
    // After the bars: what the program adds to the frame.
    virtual void OnFrameReady() {}
    // The bars that show and hide together (the first one tells whether they show), and of
    // those the ones whose button texts the tool-text switch shows and hides.
    void SetCommandBars(std::vector<CComboToolBar*> bars, std::vector<CComboToolBar*> textBars);
    // The bar and the commands of the underground, left and right boundary point buttons.
    void SetBoundaryButtons(CComboToolBar& bar, const std::array<UINT, 3>& ids);
    // Makes a bar with the program's prompts on its buttons.
    bool CreateCommandBar(CComboToolBar& bar, UINT barId, const char8_t* caption, const UINT* ids, int count,
                          CComboToolBar::ImageSource images);
    // The active document's first section view, or null.
    CViewBase* ActiveSectionView() const;

    void OnGuidePrompt();
    void OnGuideTitle();

private:
    bool CreateStatusBar();
    bool CreateGuideBar();
    void FollowChildActivation();
    void ConnectMenuSelection(const CMenu& menu);
    void LoadBarState();
    void SaveBarState();

    void OnMenuSelect();
    void OnShowCursorPos();
    void OnViewToolText();
    void OnViewToolBar();
    void OnViewStatusBar();

    const MainFrameTraits& traits_;
    ServedWindowClass windowClass_;
    CMenu mainMenu_;
    CMenu documentMenu_;
    CMyStatusBar statusBar_;
    std::vector<CComboToolBar*> commandBars_;
    std::vector<CComboToolBar*> textBars_;
    bool toolText_ = false;
    CComboToolBar* boundaryBar_ = nullptr;
    std::array<UINT, 3> boundaryIds_{};
    QPointer<QWidget> lastHoverWindow_;
    QLabel* guideTitle_ = nullptr;
};

} // namespace shell
