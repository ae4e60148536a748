#pragma once
// The main frame of a multiple-document program: child frames live in its client area.
// Commands go to the active child frame (its view, document and itself) first.

#include "platform/ui/CFrameWnd.h"

class QMdiArea;
class QMenu;
class QPoint;
class CMDIChildWnd;

class CMDIFrameWnd : public CFrameWnd {
    DECLARE_DYNAMIC(CMDIFrameWnd)
public:
    CMDIFrameWnd();
    BOOL Create(const CString& title, CWnd* parent = nullptr) override;
    BOOL OnCmdMsg(UINT nID, int nCode, CCmdUI* pCmdUI) override;

    CMDIChildWnd* MDIGetActive() const;
    void MDIActivate(CMDIChildWnd* child);
    // Cascades the open (not minimised) child windows at three quarters of the client area,
    // the active one in front.
    void MDICascade();
    void MDITile(bool horizontal);
    // A top-left corner for child near wanted that no other child window has (see
    // StaggeredPosition); child's own size decides where the diagonal wraps.
    QPoint FreeChildPosition(QPoint wanted, const CMDIChildWnd* child) const;
    // Offset between cascaded windows: a title bar and a frame.
    int CascadeStep() const;
    CFrameWnd* GetActiveFrame() override;
    CView* GetActiveView() const override;
    CDocument* GetActiveDocument() const override;
    QMdiArea* MdiArea() const { return area_; }

protected:
    // The menu holding the window commands lists the open document windows at its end
    // ("1 title", the active one checked); choosing one activates it.
    void OnMenuAboutToShow(QMenu* menu) override;

private:
    void ListChildWindows(QMenu* menu);

    QMdiArea* area_ = nullptr;
};
