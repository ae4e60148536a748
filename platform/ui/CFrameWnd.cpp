#include "platform/ui/CFrameWnd.h"

#include "platform/ui/CDocument.h"
#include "platform/ui/CStatusBar.h"
#include "platform/ui/CToolBar.h"
#include "platform/ui/CView.h"
#include "platform/ui/CWinApp.h"
#include "platform/ui/CloseGuard.h"
#include "platform/ui/QtText.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QVBoxLayout>

IMPLEMENT_DYNAMIC(CFrameWnd, CWnd)

const char* const CFrameWnd::kMenuBarKeyName = "verrantMenuBarKey";

CFrameWnd::CFrameWnd() = default;

CFrameWnd::~CFrameWnd() {
    std::vector<CView*> views = views_;
    views_.clear();
    for (CView* view : views) {
        delete view;
    }
    if (AfxGetApp() && AfxGetApp()->m_pMainWnd == this) {
        AfxGetApp()->m_pMainWnd = nullptr;
    }
}

BOOL CFrameWnd::Create(const CString& title, CWnd* parent) {
    m_pParentWnd = parent;
    auto* window = new QMainWindow;
    window->setAttribute(Qt::WA_DeleteOnClose);
    SetWidget(window);
    WatchWidget();
    m_strTitle = title;
    OnUpdateFrameTitle(TRUE);
    if (OnCreate() == -1) {
        DestroyFrame();
        return FALSE;
    }
    return TRUE;
}

void CFrameWnd::WatchWidget() {
    new CloseGuard(this, GetWidget());
    QObject::connect(GetWidget(), &QObject::destroyed, [this] {
        ForgetWidget();
        if (m_bAutoDelete) {
            delete this;
        }
    });
}

int CFrameWnd::OnCreate() {
    return 0;
}

BOOL CFrameWnd::LoadFrame(CDocument* document, const CRuntimeClass* viewClass, CWnd* parent) {
    if (!GetWidget() && !Create(document ? document->GetTitle() : CString(), parent)) {
        return FALSE;
    }
    auto* view = viewClass ? dynamic_cast<CView*>(viewClass->CreateObject()) : nullptr;
    if (!view) {
        return FALSE;
    }
    view->Create(this);
    if (document) {
        document->AddView(view);
    }
    AttachView(view, GetWidget());
    return TRUE;
}

void CFrameWnd::AttachView(CView* view, QWidget* clientParent) {
    views_.push_back(view);
    if (auto* window = qobject_cast<QMainWindow*>(clientParent)) {
        window->setCentralWidget(view->GetWidget());
    } else if (clientParent) {
        if (!clientParent->layout()) {
            auto* layout = new QVBoxLayout(clientParent);
            layout->setContentsMargins(0, 0, 0, 0);
        }
        clientParent->layout()->addWidget(view->GetWidget());
    }
    SetActiveView(view);
}

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, CCmdUI* pCmdUI) {
    if (activeView_ && activeView_->OnCmdMsg(nID, nCode, pCmdUI)) {
        return TRUE;
    }
    if (CWnd::OnCmdMsg(nID, nCode, pCmdUI)) {
        return TRUE;
    }
    // A child frame leaves the application to the main frame that routed the command here.
    if (GetParentFrame() == nullptr && AfxGetApp()) {
        return AfxGetApp()->OnCmdMsg(nID, nCode, pCmdUI);
    }
    return FALSE;
}

BOOL CFrameWnd::OnClose() {
    if (closing_) {
        return TRUE;
    }
    CWinApp* app = AfxGetApp();
    if (app && app->m_pMainWnd == this) {
        if (!app->SaveAllModified()) {
            return FALSE;
        }
        app->CloseAllDocuments(FALSE);
        return TRUE;
    }
    CDocument* document = GetActiveDocument();
    if (document && !document->CanCloseFrame()) {
        return FALSE;
    }
    return TRUE;
}

void CFrameWnd::SetMenu(CMenu* menu) {
    menu_ = menu;
    auto* window = MainWindow();
    if (!window || !menu || !menu->Menu()) {
        return;
    }
    QMenuBar* bar = window->menuBar();
    bar->clear();
    for (QAction* action : menu->Menu()->actions()) {
        if (action->menu()) {
            bar->addMenu(action->menu());
            ConnectMenu(action->menu());
        }
    }
    AddMenuBarKey(window);
}

// F10 opens the first menu of the bar; the arrow keys then move along the bar.
void CFrameWnd::AddMenuBarKey(QMainWindow* window) {
    if (window->findChild<QAction*>(kMenuBarKeyName, Qt::FindDirectChildrenOnly)) {
        return;
    }
    auto* key = new QAction(window);
    key->setObjectName(kMenuBarKeyName);
    key->setShortcut(QKeySequence(Qt::Key_F10));
    key->setShortcutContext(Qt::WindowShortcut);
    window->addAction(key);
    QObject::connect(key, &QAction::triggered, window, [window] {
        QMenuBar* bar = window->menuBar();
        for (QAction* action : bar->actions()) {
            if (action->isVisible() && action->isEnabled()) {
                bar->setActiveAction(action);
                return;
            }
        }
    });
}

void CFrameWnd::ConnectMenu(QMenu* menu) {
    // A menu shown again (frames switch menus as documents come and go) is connected once.
    if (menu->property("verrantConnected").toBool()) {
        return;
    }
    menu->setProperty("verrantConnected", true);
    QObject::connect(menu, &QMenu::aboutToShow, menu, [this, menu] {
        RefreshRecentFiles(menu);
        for (QAction* action : menu->actions()) {
            UINT id = CMenu::ActionId(action);
            if (action->menu() || action->isSeparator() || id == 0 || !action->isVisible()) {
                continue;
            }
            CCmdUI ui(id);
            RouteUpdate(&ui);
            action->setEnabled(ui.m_bEnabled);
            if (ui.m_nCheck || action->isCheckable()) {
                action->setCheckable(true);
                action->setChecked(ui.m_nCheck != 0);
            }
            if (ui.m_bTextChanged) {
                action->setText(CMenu::QtLabel(ui.m_strText));
            }
        }
        OnMenuAboutToShow(menu);
    });
    for (QAction* action : menu->actions()) {
        if (action->menu()) {
            ConnectMenu(action->menu());
            continue;
        }
        UINT id = CMenu::ActionId(action);
        if (id) {
            QObject::connect(action, &QAction::triggered, menu, [this, id] { RouteCommand(id); });
        }
    }
}

void CFrameWnd::RefreshRecentFiles(QMenu* menu) {
    CWinApp* app = AfxGetApp();
    if (!app) {
        return;
    }
    for (QAction* action : menu->actions()) {
        UINT id = CMenu::ActionId(action);
        if (id < ID_FILE_MRU_FILE1 || id > ID_FILE_MRU_FILE4) {
            continue;
        }
        int index = static_cast<int>(id - ID_FILE_MRU_FILE1);
        const CRecentFileList& list = app->RecentFiles();
        action->setVisible(index < list.GetSize());
        if (index < list.GetSize()) {
            action->setText(QStringLiteral("&%1 %2").arg(index + 1).arg(
                platform::ToQString(list[index]).replace(QLatin1Char('&'), QStringLiteral("&&"))));
        }
    }
}

void CFrameWnd::SetActiveView(CView* view) {
    CView* old = activeView_;
    activeView_ = view;
    if (old && old != view) {
        old->OnActivateView(FALSE, view, old);
    }
    if (view && old != view) {
        view->OnActivateView(TRUE, view, old);
    }
}

CDocument* CFrameWnd::GetActiveDocument() const {
    return activeView_ ? activeView_->GetDocument() : nullptr;
}

void CFrameWnd::OnUpdateFrameTitle(BOOL addToTitle) {
    CDocument* document = GetActiveDocument();
    CString title = m_strTitle;
    if (addToTitle && document && !document->GetTitle().IsEmpty()) {
        title = m_strTitle.IsEmpty() ? document->GetTitle() : m_strTitle + " - " + document->GetTitle();
    }
    if (GetWidget()) {
        GetWidget()->setWindowTitle(platform::ToQString(title));
    }
}

void CFrameWnd::UpdateCommandUI() {
    for (CToolBar* bar : toolBars_) {
        bar->UpdateButtons(this);
    }
    if (statusBar_) {
        statusBar_->UpdatePanes(this);
    }
}

void CFrameWnd::DestroyFrame() {
    closing_ = true;
    if (QWidget* w = GetWidget()) {
        w->setAttribute(Qt::WA_DeleteOnClose);
        w->close();
    }
}

QMainWindow* CFrameWnd::MainWindow() const {
    return qobject_cast<QMainWindow*>(GetWidget());
}

QToolBar* CFrameWnd::AddBottomBar(UINT id) {
    QMainWindow* window = MainWindow();
    if (!window) {
        return nullptr;
    }
    auto* bar = new QToolBar(window);
    bar->setObjectName(QString::number(id));
    bar->setMovable(false);
    bar->setFloatable(false);
    window->addToolBar(Qt::BottomToolBarArea, bar);
    return bar;
}
