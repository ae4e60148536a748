#pragma once
// The analysis program's main frame: the standard, editing and analysis tool bars (the
// last with the box that names the analysis method), the bottom bar with the guide title
// of the current drawing tool, and the status bar with the guide prompt and the cursor
// position. Views tell it by notification commands when one of the process-wide guide
// texts changed. It registers the window class by which the base menu knows that an
// analysis program runs.

#include "analysis/CComboToolBar.h"

#include "common/process/WindowClassServer.h"
#include "common/process/WindowTextProvider.h"
#include "common/ui/dialogs/CMyStatusBar.h"
#include "platform/ui/CMDIFrameWnd.h"
#include "platform/ui/CMenu.h"

#include <QPointer>
#include <memory>

class QLabel;
class QLineEdit;
class QSocketNotifier;
class QToolBar;

namespace torvan {

class CBlockView;

class CMainFrame : public CMDIFrameWnd, public process::WindowTextProvider {
    DECLARE_DYNAMIC(CMainFrame)
public:
    CMainFrame();
    ~CMainFrame() override;

    int OnCreate() override;
    BOOL OnClose() override;

    // Called at idle time: the guide texts come back when the cursor is over a section
    // view again after a fly-by text.
    void UpdateStatusText();
    // Follows the active child: the document menu while one is open.
    void OnChildActivated();
    // The boundary point buttons take the colours their points are drawn with.
    void RecolorBoundaryButtons(const QColor& inner, const QColor& left, const QColor& right);

    CComboToolBar& StandardBar() { return standardBar_; }
    CComboToolBar& EditBar() { return editBar_; }
    CComboToolBar& AnalysisBar() { return analysisBar_; }
    CMyStatusBar& StatusBar() { return statusBar_; }
    QLineEdit* MethodBox() const { return methodBox_; }
    QLabel* GuideTitleText() const { return guideTitle_; }
    bool ToolTextShown() const { return toolText_; }
    const CMenu& MainMenu() const { return mainMenu_; }
    const CMenu& DocumentMenu() const { return documentMenu_; }

    // process::WindowTextProvider: the base menu may bring this window forward.
    bool BringToFront() override;
    bool GetControlText(int controlId, CString& text) override;
    bool SetControlText(int controlId, const CString& text) override;

private:
    bool CreateToolBars();
    bool CreateMethodBox();
    bool CreateStatusBar();
    bool CreateGuideBar();
    void CreateAccelerators();
    void AcceptDroppedFiles();
    void ConnectMenuSelection(const CMenu& menu);
    void SetToolTips(CComboToolBar& bar);
    void LoadBarState();
    void SaveBarState();
    // The active document's first section view, or null.
    CBlockView* ActiveBlockView() const;

    void OnMenuSelect();
    void OnShowCursorPos();
    void OnActivateBlockView();
    void OnGuidePrompt();
    void OnGuideTitle();
    void OnAnalysisMethodChanged();
    void OnViewToolText();
    void OnViewToolBar();
    void OnViewStatusBar();
    void OnUpdateViewToolBar(CCmdUI* ui);
    void OnUpdateViewStatusBar(CCmdUI* ui);
    void OnUpdateViewToolText(CCmdUI* ui);

    process::WindowClassServer server_;
    std::unique_ptr<QSocketNotifier> notifier_;
    CMenu mainMenu_;
    CMenu documentMenu_;
    CMyStatusBar statusBar_;
    bool toolText_ = false;
    QPointer<QWidget> lastHoverWindow_;
    CComboToolBar standardBar_;
    CComboToolBar editBar_;
    CComboToolBar analysisBar_;
    QLineEdit* methodBox_ = nullptr;
    QToolBar* guideBar_ = nullptr;
    QLabel* guideTitle_ = nullptr;
};

} // namespace torvan
