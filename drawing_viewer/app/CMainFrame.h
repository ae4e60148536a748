#pragma once
// The drawing viewer's main frame: the menus of no document, plot-output and figure
// documents, the tool bar, the status bar with the cursor position panes and the prompt bar
// at the bottom. Views send it notification commands when the program's texts change.

#include "platform/ui/CMDIFrameWnd.h"
#include "platform/ui/CMenu.h"
#include "platform/ui/CStatusBar.h"
#include "platform/ui/CToolBar.h"

class QLabel;

namespace zapho {

class CMainFrame : public CMDIFrameWnd {
    DECLARE_DYNAMIC(CMainFrame)
public:
    CMainFrame();

    int OnCreate() override;
    CStatusBar& StatusBar() { return statusBar_; }
    const CMenu* ShownMenu() const { return GetMenu(); }
    // Follows the active drawing window: its menu, or none and empty texts.
    void OnChildActivated();

private:
    bool CreateToolBar();
    bool CreateStatusBar();
    bool CreatePromptBar();
    void CreateAccelerators();
    void OnCursorPosition();
    void OnMessageText();
    void OnPromptText();

    CMenu noDocumentMenu_;
    CMenu plotMenu_;
    CMenu figureMenu_;
    CToolBar toolBar_;
    CStatusBar statusBar_;
    QLabel* promptText_ = nullptr;
};

} // namespace zapho
