#include "platform/ui/CMDIFrameWnd.h"

#include "platform/ui/CMDIChildWnd.h"
#include "platform/ui/CView.h"

#include "platform/ui/CMenu.h"
#include "platform/ui/MdiArrangement.h"

#include <QAction>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>
#include <QStyle>

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
        if (CFrameWnd* frame = GetActiveFrame(); frame && frame != this) {
            frame->OnUpdateFrameTitle(TRUE);
        } else if (area_->subWindowList().isEmpty()) {
            // The last window went: the caption names no document any more.
            OnUpdateFrameTitle(FALSE);
        }
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
    if (CMDIChildWnd* child = MDIGetActive(); child && child->OnCmdMsg(nID, nCode, pCmdUI)) {
        return TRUE;
    }
    return CFrameWnd::OnCmdMsg(nID, nCode, pCmdUI);
}

CMDIChildWnd* CMDIFrameWnd::MDIGetActive() const {
    if (!area_) {
        return nullptr;
    }
    QMdiSubWindow* sub = area_->activeSubWindow();
    if (!sub && !area_->subWindowList().isEmpty()) {
        sub = area_->subWindowList().last();
    }
    return sub ? dynamic_cast<CMDIChildWnd*>(CWnd::FromWidget(sub)) : nullptr;
}

void CMDIFrameWnd::MDIActivate(CMDIChildWnd* child) {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(child->GetWidget())) {
        area_->setActiveSubWindow(sub);
    }
}

int CMDIFrameWnd::CascadeStep() const {
    QStyle* style = area_ ? area_->style() : nullptr;
    if (!style) {
        return 24;
    }
    return style->pixelMetric(QStyle::PM_TitleBarHeight) +
           style->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth);
}

void CMDIFrameWnd::MDICascade() {
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* sub : area_->subWindowList(QMdiArea::StackingOrder)) {
        if (!sub->isMinimized() && !sub->isHidden()) {
            windows.append(sub);
        }
    }
    QMdiSubWindow* active = area_->activeSubWindow();
    const std::vector<QRect> rects =
        platform::CascadeRects(area_->viewport()->size(), static_cast<int>(windows.size()), CascadeStep());
    for (qsizetype i = 0; i < windows.size(); ++i) {
        if (windows[i]->isMaximized()) {
            windows[i]->showNormal();
        }
        windows[i]->setGeometry(rects[static_cast<std::size_t>(i)]);
        windows[i]->raise();
    }
    if (active) {
        area_->setActiveSubWindow(active);
    }
}

QPoint CMDIFrameWnd::FreeChildPosition(QPoint wanted, const CMDIChildWnd* child) const {
    if (!area_) {
        return wanted;
    }
    std::vector<QPoint> taken;
    QSize size(1, 1);
    for (QMdiSubWindow* sub : area_->subWindowList()) {
        if (child && sub == child->GetWidget()) {
            size = sub->size();
        } else if (!sub->isMinimized()) {
            taken.push_back(sub->pos());
        }
    }
    return platform::StaggeredPosition(wanted, taken, size, area_->viewport()->size(), CascadeStep());
}

void CMDIFrameWnd::OnMenuAboutToShow(QMenu* menu) {
    for (QAction* action : menu->actions()) {
        const UINT id = CMenu::ActionId(action);
        if (id == ID_WINDOW_CASCADE || id == ID_WINDOW_TILE_HORZ || id == ID_WINDOW_TILE_VERT ||
            id == ID_WINDOW_ARRANGE) {
            ListChildWindows(menu);
            return;
        }
    }
}

void CMDIFrameWnd::ListChildWindows(QMenu* menu) {
    static const char* const kEntryProperty = "verrantWindowEntry";
    for (QAction* action : menu->actions()) {
        if (action->property(kEntryProperty).toBool()) {
            delete action;
        }
    }
    const QList<QMdiSubWindow*> windows = area_ ? area_->subWindowList() : QList<QMdiSubWindow*>();
    if (windows.isEmpty()) {
        return;
    }
    QAction* separator = menu->addSeparator();
    separator->setProperty(kEntryProperty, true);
    QMdiSubWindow* active = area_->activeSubWindow();
    for (qsizetype i = 0; i < windows.size(); ++i) {
        QMdiSubWindow* sub = windows[i];
        QString title = sub->windowTitle();
        title.replace(QLatin1Char('&'), QStringLiteral("&&"));
        const QString label = i < 9 ? QStringLiteral("&%1 %2").arg(i + 1).arg(title) : title;
        QAction* entry = menu->addAction(label);
        entry->setProperty(kEntryProperty, true);
        CMenu::SetActionId(entry, AFX_IDM_FIRST_MDICHILD + static_cast<UINT>(i));
        entry->setCheckable(true);
        entry->setChecked(sub == active);
        QObject::connect(entry, &QAction::triggered, area_, [this, sub = QPointer<QMdiSubWindow>(sub)] {
            if (!sub) {
                return;
            }
            if (sub->isMinimized()) {
                sub->showNormal();
            }
            area_->setActiveSubWindow(sub);
        });
    }
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
