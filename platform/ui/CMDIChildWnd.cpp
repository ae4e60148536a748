#include "platform/ui/CMDIChildWnd.h"

#include "platform/ui/CDocument.h"
#include "platform/ui/CMDIFrameWnd.h"
#include "platform/ui/CView.h"
#include "platform/ui/QtText.h"

#include <QMdiArea>
#include <QMdiSubWindow>

IMPLEMENT_DYNCREATE(CMDIChildWnd, CFrameWnd)

BOOL CMDIChildWnd::LoadFrame(CDocument* document, const CRuntimeClass* viewClass, CWnd* parent) {
    auto* mainFrame = dynamic_cast<CMDIFrameWnd*>(parent);
    if (!mainFrame || !mainFrame->MdiArea()) {
        return FALSE;
    }
    m_pParentWnd = parent;
    auto* sub = new QMdiSubWindow;
    sub->setAttribute(Qt::WA_DeleteOnClose);
    SetWidget(sub);
    WatchWidget();
    auto* view = viewClass ? dynamic_cast<CView*>(viewClass->CreateObject()) : nullptr;
    if (!view) {
        delete sub;
        return FALSE;
    }
    view->Create(this);
    if (document) {
        document->AddView(view);
    }
    sub->setWidget(view->GetWidget());
    AttachView(view, nullptr);
    QMdiArea* area = mainFrame->MdiArea();
    area->addSubWindow(sub);
    // A canvas has no natural size: open children at three quarters of the client area.
    QSize room = area->viewport()->size();
    sub->resize(room.width() > 100 ? room * 3 / 4 : QSize(480, 360));
    // A new window never lies exactly over an open one.
    sub->move(mainFrame->FreeChildPosition(QPoint(0, 0), this));
    if (OnCreate() == -1) {
        DestroyFrame();
        return FALSE;
    }
    return TRUE;
}

CMDIFrameWnd* CMDIChildWnd::GetMDIFrame() const {
    return dynamic_cast<CMDIFrameWnd*>(m_pParentWnd);
}

void CMDIChildWnd::MDIActivate() {
    if (CMDIFrameWnd* frame = GetMDIFrame()) {
        frame->MDIActivate(this);
    }
}

void CMDIChildWnd::OnUpdateFrameTitle(BOOL addToTitle) {
    CDocument* document = GetActiveDocument();
    if (GetWidget() && document) {
        GetWidget()->setWindowTitle(platform::ToQString(document->GetTitle()));
    }
    if (CMDIFrameWnd* frame = GetMDIFrame(); frame && frame->GetWidget()) {
        CString title = frame->m_strTitle;
        if (addToTitle && document && frame->MDIGetActive() == this) {
            title = title + " - " + document->GetTitle();
        }
        frame->GetWidget()->setWindowTitle(platform::ToQString(title));
    }
}
