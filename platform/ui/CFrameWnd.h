#pragma once
// A frame window: menu bar, tool bars, status bar and a client area holding a view.
// Commands go to the active view (and its document) first, then to the frame, then - for a
// top-level frame - to the application. Update handlers run before a menu opens and, for
// tool bar buttons and status panes, at idle time.
// A frame whose widget is destroyed deletes itself when m_bAutoDelete is set (the default),
// and deletes its views with it.

#include "platform/ui/CMenu.h"
#include "platform/ui/CWnd.h"

#include <vector>

class QMainWindow;
class QToolBar;
class CView;
class CDocument;
class CToolBar;
class CStatusBar;

class CFrameWnd : public CWnd {
    DECLARE_DYNAMIC(CFrameWnd)
public:
    CFrameWnd();
    ~CFrameWnd() override;

    // Makes a top-level main window and calls OnCreate.
    virtual BOOL Create(const CString& title, CWnd* parent = nullptr);
    // Builds bars and panes; -1 abandons creation.
    virtual int OnCreate();
    // Makes a frame for a new view of document (used by document templates).
    virtual BOOL LoadFrame(CDocument* document, const CRuntimeClass* viewClass, CWnd* parent);

    BOOL OnCmdMsg(UINT nID, int nCode, CCmdUI* pCmdUI) override;
    BOOL OnClose() override;

    void SetMenu(CMenu* menu);
    CMenu* GetMenu() const { return menu_; }
    virtual CView* GetActiveView() const { return activeView_; }
    void SetActiveView(CView* view);
    virtual CDocument* GetActiveDocument() const;
    // The frame whose view is active (an MDI child for an MDI main frame).
    virtual CFrameWnd* GetActiveFrame() { return this; }
    virtual void OnUpdateFrameTitle(BOOL addToTitle);
    // Runs the update handlers of the tool bars and status panes.
    virtual void UpdateCommandUI();
    // Closes the frame without asking, deleting its views.
    void DestroyFrame();

    QMainWindow* MainWindow() const;
    // A fixed bar along the bottom of the main window, its objectName the id; null without a
    // main window.
    QToolBar* AddBottomBar(UINT id);
    void AddToolBar(CToolBar* bar) { toolBars_.push_back(bar); }
    void SetStatusBar(CStatusBar* bar) { statusBar_ = bar; }
    CStatusBar* GetStatusBar() const { return statusBar_; }

    CString m_strTitle;
    BOOL m_bAutoDelete = TRUE;
    // Object name of the window action that F10 triggers.
    static const char* const kMenuBarKeyName;

protected:
    // Puts view's widget into the frame's client area and makes the frame own the view.
    void AttachView(CView* view, QWidget* clientParent);
    // Connects the update handlers and commands of a menu's items to this frame.
    void ConnectMenu(QMenu* menu);
    // Called before a menu of the frame's menu bar opens, after its items are updated.
    virtual void OnMenuAboutToShow(QMenu*) {}
    void WatchWidget();
    bool closing_ = false;

private:
    void RefreshRecentFiles(QMenu* menu);
    static void AddMenuBarKey(QMainWindow* window);

    CMenu* menu_ = nullptr;
    CView* activeView_ = nullptr;
    std::vector<CView*> views_;
    std::vector<CToolBar*> toolBars_;
    CStatusBar* statusBar_ = nullptr;
};
