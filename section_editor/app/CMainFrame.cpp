#include "section_editor/app/CMainFrame.h"

#include "section_editor/app/CBlockView.h"
#include "section_editor/app/MerdokIds.h"
#include "section_editor/app/MerdokMenu.h"

#include "common/ui/section/GuideTexts.h"
#include "platform/core/NumberFormat.h"
#include "platform/ui/CDocument.h"
#include "platform/ui/CWinApp.h"
#include "platform/ui/QtText.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSocketNotifier>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

namespace merdok {

IMPLEMENT_DYNAMIC(CMainFrame, CMDIFrameWnd)

namespace {

const char kBarStateSection[] = "ToolBarState";
const char kBarStateKey[] = "Layout";

const UINT kStandardButtons[] = {ID_FILE_OPEN,     ID_FILE_SAVE, ID_SEPARATOR, ID_VIEW_ZOOM_IN,
                                 ID_VIEW_ZOOM_OUT, ID_VIEW_ALL,  ID_SEPARATOR, ID_VIEW_PROPERTIES};
const UINT kEditButtons[] = {ID_EDIT_SELECT,
                             ID_EDIT_DELETE,
                             ID_SEPARATOR,
                             ID_DRAW_GROUND_POINT,
                             ID_DRAW_GROUND_LINE,
                             ID_DRAW_CONTINUOUS_LINE,
                             ID_DRAW_MEASURE_POINT,
                             ID_DRAW_UNDER_BOUND_POINT,
                             ID_DRAW_LEFT_BOUND_POINT,
                             ID_DRAW_RIGHT_BOUND_POINT,
                             ID_SEPARATOR,
                             ID_INPUT_GROUND_LINE,
                             ID_INPUT_MEASURE_POINTS,
                             ID_INPUT_BOUND_POINTS};

} // namespace

CMainFrame::CMainFrame() : server_(*this) {
    MapCommand(ID_SHOW_CURSOR_POS, &CMainFrame::OnShowCursorPos);
    MapCommand(ID_GUIDE_PROMPT, &CMainFrame::OnGuidePrompt);
    MapCommand(ID_GUIDE_TITLE, &CMainFrame::OnGuideTitle);
}

CMainFrame::~CMainFrame() {
    notifier_.reset();
    server_.Unregister();
}

int CMainFrame::OnCreate() {
    BuildMainMenu(mainMenu_);
    BuildDocumentMenu(documentMenu_);
    SetStatusTips(mainMenu_);
    SetStatusTips(documentMenu_);
    ConnectMenuSelection(mainMenu_);
    ConnectMenuSelection(documentMenu_);
    SetMenu(&mainMenu_);
    if (!CreateToolBar(standardBar_, IDW_STANDARD_BAR, u8"標準", kStandardButtons,
                       static_cast<int>(std::size(kStandardButtons)),
                       {u8"開く", u8"上書保存", u8"拡大", u8"縮小", u8"全体表示", u8"表示設定"}) ||
        !CreateToolBar(editBar_, IDW_EDIT_BAR, u8"編集", kEditButtons,
                       static_cast<int>(std::size(kEditButtons)),
                       {u8"選択", u8"削除", u8"地表点", u8"単線", u8"連続線", u8"計測点", u8"地中境界",
                        u8"左地表境界", u8"右地表境界", u8"地表線", u8"計測点", u8"境界点"}) ||
        !CreateStatusBar() || !CreateGuideBar()) {
        return -1;
    }
    CreateAccelerators();
    QObject::connect(MdiArea(), &QMdiArea::subWindowActivated, MdiArea(), [this](QMdiSubWindow* sub) {
        if (sub) {
            OnChildActivated();
            return;
        }
        // A closing child is still listed when it reports its deactivation.
        QTimer::singleShot(0, MdiArea(), [this] { OnChildActivated(); });
    });
    if (server_.Register(kWindowClass)) {
        notifier_ = std::make_unique<QSocketNotifier>(server_.Fd(), QSocketNotifier::Read);
        QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { server_.ServeOnce(0); });
    }
    LoadBarState();
    return 0;
}

bool CMainFrame::CreateToolBar(CToolBar& bar, UINT barId, const char8_t* caption, const UINT* ids, int count,
                               std::initializer_list<const char8_t*> labels) {
    if (!bar.Create(this) || !bar.SetButtons(ids, count)) {
        return false;
    }
    QToolBar* qbar = bar.Bar();
    qbar->setObjectName(QString::number(barId));
    qbar->setWindowTitle(platform::ToQString(CString(caption)));
    qbar->setAllowedAreas(Qt::AllToolBarAreas);
    qbar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    auto label = labels.begin();
    for (int index = 0; index < bar.GetCount() && label != labels.end(); ++index) {
        const UINT id = bar.GetItemID(index);
        if (id == ID_SEPARATOR) {
            continue;
        }
        bar.SetButtonText(index, CString(*label++));
        if (QAction* action = qbar->actions().value(index)) {
            action->setStatusTip(platform::ToQString(CommandPromptText(id, false)));
            action->setToolTip(platform::ToQString(CommandPromptText(id, true)));
        }
    }
    return true;
}

bool CMainFrame::CreateStatusBar() {
    if (!statusBar_.Create(this)) {
        return false;
    }
    const UINT panes[] = {ID_SEPARATOR, ID_INDICATOR_X, ID_INDICATOR_Y};
    statusBar_.SetIndicators(panes, 3);
    const int width = QFontMetrics(statusBar_.Bar()->font()).horizontalAdvance(QStringLiteral("0000000000"));
    statusBar_.SetPaneInfo(1, ID_INDICATOR_X, 0, width);
    statusBar_.SetPaneInfo(2, ID_INDICATOR_Y, 0, width);
    return true;
}

bool CMainFrame::CreateGuideBar() {
    QMainWindow* window = MainWindow();
    if (!window) {
        return false;
    }
    auto* guideBar = new QToolBar(window);
    guideBar->setObjectName(QString::number(IDW_GUIDE_BAR));
    guideBar->setProperty("templateId", IDD_GUIDE_BAR);
    guideBar->setMovable(false);
    guideTitle_ = new QLabel;
    guideTitle_->setObjectName(QString::number(IDC_GUIDE_TITLE));
    guideTitle_->setContentsMargins(4, 1, 4, 1);
    guideBar->addWidget(guideTitle_);
    window->addToolBar(Qt::BottomToolBarArea, guideBar);
    return true;
}

void CMainFrame::CreateAccelerators() {
    QMainWindow* window = MainWindow();
    for (const Accelerator& accelerator : Accelerators()) {
        auto* action = new QAction(window);
        action->setShortcut(QKeySequence(accelerator.key));
        action->setShortcutContext(Qt::WindowShortcut);
        const UINT id = accelerator.id;
        QObject::connect(action, &QAction::triggered, window, [this, id] {
            CCmdUI ui(id);
            RouteUpdate(&ui);
            if (ui.m_bEnabled) {
                RouteCommand(id);
            }
        });
        window->addAction(action);
    }
}

void CMainFrame::ConnectMenuSelection(const CMenu& menu) {
    if (!menu.Menu()) {
        return;
    }
    for (QAction* action : menu.Menu()->actions()) {
        if (QMenu* popup = action->menu()) {
            QObject::connect(popup, &QMenu::aboutToShow, popup, [this] { OnMenuSelect(); });
        }
    }
}

void CMainFrame::OnChildActivated() {
    if (MDIGetActive()) {
        SetMenu(&documentMenu_);
        return;
    }
    SetMenu(&mainMenu_);
    section::GuideTexts& texts = section::ProcessGuideTexts();
    texts.prompt.Empty();
    OnGuidePrompt();
    texts.title.Empty();
    OnGuideTitle();
}

BOOL CMainFrame::OnClose() {
    SaveBarState();
    return CMDIFrameWnd::OnClose();
}

void CMainFrame::LoadBarState() {
    QMainWindow* window = MainWindow();
    CWinApp* app = AfxGetApp();
    if (!window || !app) {
        return;
    }
    const CString state = app->GetProfileString(kBarStateSection, kBarStateKey);
    if (!state.IsEmpty()) {
        window->restoreState(QByteArray::fromHex(QByteArray(state.GetString())));
    }
}

void CMainFrame::SaveBarState() {
    QMainWindow* window = MainWindow();
    CWinApp* app = AfxGetApp();
    if (!window || !app) {
        return;
    }
    app->WriteProfileString(kBarStateSection, kBarStateKey, CString(window->saveState().toHex().constData()));
}

CBlockView* CMainFrame::ActiveBlockView() const {
    CDocument* document = GetActiveDocument();
    if (!document) {
        return nullptr;
    }
    for (CView* view : document->Views()) {
        if (auto* blockView = dynamic_cast<CBlockView*>(view)) {
            return blockView;
        }
    }
    return nullptr;
}

void CMainFrame::OnMenuSelect() {
    if (CBlockView* view = ActiveBlockView()) {
        view->OnCmdMsg(ID_MENU_SELECTED, CN_COMMAND, nullptr);
    }
}

void CMainFrame::OnShowCursorPos() {
    const section::GuideTexts& texts = section::ProcessGuideTexts();
    if (!statusBar_.SetPaneText(1, CString(platform::FormatC("%10.3lf", texts.cursorX).c_str())) ||
        !statusBar_.SetPaneText(2, CString(platform::FormatC("%10.3lf", texts.cursorY).c_str()))) {
        MessageBeep(MB_OK);
    }
}

void CMainFrame::OnGuidePrompt() {
    if (!statusBar_.SetPaneText(0, section::ProcessGuideTexts().prompt)) {
        MessageBeep(MB_OK);
    }
}

void CMainFrame::OnGuideTitle() {
    if (guideTitle_) {
        guideTitle_->setText(platform::ToQString(section::ProcessGuideTexts().title));
    }
}

void CMainFrame::UpdateStatusText() {
    QStatusBar* bar = statusBar_.Bar();
    if (!bar || !guideTitle_) {
        return;
    }
    if (!bar->currentMessage().isEmpty()) {
        guideTitle_->setText(QStringLiteral(" "));
        lastHoverWindow_ = nullptr;
        return;
    }
    QWidget* hovered = QApplication::widgetAt(QCursor::pos());
    if (hovered == lastHoverWindow_) {
        return;
    }
    lastHoverWindow_ = hovered;
    for (QWidget* widget = hovered; widget; widget = widget->parentWidget()) {
        if (dynamic_cast<CBlockView*>(CWnd::FromWidget(widget))) {
            OnGuidePrompt();
            OnGuideTitle();
            return;
        }
    }
}

bool CMainFrame::BringToFront() {
    QMainWindow* window = MainWindow();
    if (!window) {
        return false;
    }
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
    return true;
}

bool CMainFrame::GetControlText(int, CString&) {
    return false;
}

bool CMainFrame::SetControlText(int, const CString&) {
    return false;
}

} // namespace merdok
