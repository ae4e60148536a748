#pragma once
// The main frame of a multiple-document program: child frames live in its client area.
// Commands go to the active child frame (its view, document and itself) first.

#include "platform/ui/CFrameWnd.h"

class QMdiArea;
class CMDIChildWnd;

class CMDIFrameWnd : public CFrameWnd {
    DECLARE_DYNAMIC(CMDIFrameWnd)
public:
    CMDIFrameWnd();
    BOOL Create(const CString& title, CWnd* parent = nullptr) override;
    BOOL OnCmdMsg(UINT nID, int nCode, CCmdUI* pCmdUI) override;

    CMDIChildWnd* MDIGetActive() const;
    void MDIActivate(CMDIChildWnd* child);
    void MDICascade();
    void MDITile(bool horizontal);
    CFrameWnd* GetActiveFrame() override;
    CView* GetActiveView() const override;
    CDocument* GetActiveDocument() const override;
    QMdiArea* MdiArea() const { return area_; }

private:
    QMdiArea* area_ = nullptr;
};
