#pragma once
// The list viewer's main frame: menus (with and without an open list), the tool bar with
// its type box, the status bar with the page and line panes, and the page bar. Views send
// it notification commands when the texts of the program state change.

#include "platform/ui/CMDIFrameWnd.h"
#include "platform/ui/CMenu.h"
#include "platform/ui/CStatusBar.h"
#include "platform/ui/CToolBar.h"

class QLabel;
class QLineEdit;
class QToolBar;

namespace wenux {

class CMainFrame : public CMDIFrameWnd {
    DECLARE_DYNAMIC(CMainFrame)
public:
    CMainFrame();

    int OnCreate() override;

    CStatusBar& StatusBar() { return statusBar_; }
    QLineEdit* TypeBox() const { return typeBox_; }
    QLabel* PageBarText() const { return pageText_; }
    // The menu now shown: no document, result list or log.
    const CMenu* ShownMenu() const { return GetMenu(); }
    const CMenu& NoDocumentMenu() const { return noDocumentMenu_; }

    // Follows the active child: its menu and the type text.
    void OnChildActivated();

private:
    bool CreateToolBar();
    bool CreateStatusBar();
    bool CreatePageBar();
    void AcceptDroppedFiles();

    void OnStatusNumbers();
    void OnMessageText();
    void OnPageText();
    void OnTypeText();
    void OnViewToolBar();
    void OnViewStatusBar();
    void OnUpdateViewToolBar(CCmdUI* ui);
    void OnUpdateViewStatusBar(CCmdUI* ui);

    CMenu noDocumentMenu_;
    CMenu resultListMenu_;
    CMenu logMenu_;
    CToolBar toolBar_;
    CStatusBar statusBar_;
    QToolBar* pageBar_ = nullptr;
    QLabel* pageText_ = nullptr;
    QLineEdit* typeBox_ = nullptr;
};

} // namespace wenux
