#include "platform/ui/CMDIFrameWnd.h"

#include "platform/ui/CMDIChildWnd.h"
#include "platform/ui/CView.h"

#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>

IMPLEMENT_DYNAMIC(CMDIFrameWnd, CFrameWnd)

CMDIFrameWnd::CMDIFrameWnd() {
    MapCommand(ID_WINDOW_CASCADE, [this] { MDICascade(); });
    MapCommand(ID_WINDOW_TILE_HORZ, [this] { MDITile(true); });
    MapCommand(ID_WINDOW_TILE_VERT, [this] { MDITile(false); });
    MapCommand(ID_WINDOW_ARRANGE, [this] { MDITile(true); });
}

BOOL CMDIFrameWnd::Create(const CString& title, CWnd* parent) {
    m_pParentWnd = parent;
    auto* window = new QMainWindow;
    window->setAttribute(Qt::WA_DeleteOnClose);
    SetWidget(window);
    area_ = new QMdiArea(window);
    area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    window->setCentralWidget(area_);
    QObject::connect(area_, &QMdiArea::subWindowActivated, area_, [this](QMdiSubWindow*) {
        if (CFrameWnd* frame = GetActiveFrame(); frame && frame != this)
            frame->OnUpdateFrameTitle(TRUE);
    });
    WatchWidget();
    m_strTitle = title;
    OnUpdateFrameTitle(FALSE);
    if (OnCreate() == -1) {
        DestroyFrame();
        return FALSE;
    }
    return TRUE;
}

BOOL CMDIFrameWnd::OnCmdMsg(UINT nID, int nCode, CCmdUI* pCmdUI) {
    if (CMDIChildWnd* child = MDIGetActive(); child && child->OnCmdMsg(nID, nCode, pCmdUI))
        return TRUE;
    return CFrameWnd::OnCmdMsg(nID, nCode, pCmdUI);
}

CMDIChildWnd* CMDIFrameWnd::MDIGetActive() const {
    if (!area_)
        return nullptr;
    QMdiSubWindow* sub = area_->activeSubWindow();
    if (!sub && !area_->subWindowList().isEmpty())
        sub = area_->subWindowList().last();
    return sub ? dynamic_cast<CMDIChildWnd*>(CWnd::FromWidget(sub)) : nullptr;
}

void CMDIFrameWnd::MDIActivate(CMDIChildWnd* child) {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(child->GetWidget()))
        area_->setActiveSubWindow(sub);
}

void CMDIFrameWnd::MDICascade() {
    area_->cascadeSubWindows();
}

void CMDIFrameWnd::MDITile(bool) {
    area_->tileSubWindows();
}

CFrameWnd* CMDIFrameWnd::GetActiveFrame() {
    CMDIChildWnd* child = MDIGetActive();
    return child ? static_cast<CFrameWnd*>(child) : this;
}

// The main frame's own view slot is unused; its active view is the active child's.
CView* CMDIFrameWnd::GetActiveView() const {
    CMDIChildWnd* child = MDIGetActive();
    return child ? child->GetActiveView() : nullptr;
}

CDocument* CMDIFrameWnd::GetActiveDocument() const {
    CMDIChildWnd* child = MDIGetActive();
    return child ? child->GetActiveDocument() : nullptr;
}
