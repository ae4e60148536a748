#include "common/ui/shell/CSectionMainFrame.h"

#include "common/ui/section/CViewBase.h"
#include "common/ui/section/GuideTexts.h"
#include "common/ui/section/SectionCommands.h"
#include "common/ui/shell/ShellIds.h"
#include "common/ui/shell/ToolBarImages.h"
#include "platform/core/NumberFormat.h"
#include "platform/ui/CDocument.h"
#include "platform/ui/CWinApp.h"
#include "platform/ui/QtText.h"
#include "platform/ui/WindowFront.h"

#include <QApplication>
#include <QCursor>
#include <QDebug>
#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

namespace shell {

namespace {

const char kBarStateSection[] = "ToolBarState";
const char kBarStateKey[] = "Layout";

// Creation failures go to the debug output only, as the frame's start does not stop for them.
void DebugOutput(const char8_t* text) {
    qDebug("%s", reinterpret_cast<const char*>(text));
}

} // namespace

CSectionMainFrame::CSectionMainFrame(const MainFrameTraits& traits) : traits_(traits), windowClass_(*this) {
    MapCommand(section::ID_SHOW_CURSOR_POS, &CSectionMainFrame::OnShowCursorPos);
    MapCommand(section::ID_SHOW_GUIDE_PROMPT, &CSectionMainFrame::OnGuidePrompt);
    MapCommand(section::ID_SHOW_GUIDE_TITLE, &CSectionMainFrame::OnGuideTitle);
    MapCommand(ID_VIEW_TOOL_TEXT, &CSectionMainFrame::OnViewToolText);
    MapCommand(ID_VIEW_TOOLBAR, &CSectionMainFrame::OnViewToolBar);
    MapCommand(ID_VIEW_STATUS_BAR, &CSectionMainFrame::OnViewStatusBar);
    MapUpdate(ID_VIEW_TOOLBAR, [this](CCmdUI* ui) {
        ui->SetCheck(!commandBars_.empty() && commandBars_.front()->Bar() &&
                     !commandBars_.front()->Bar()->isHidden());
    });
    MapUpdate(ID_VIEW_STATUS_BAR,
              [this](CCmdUI* ui) { ui->SetCheck(statusBar_.Bar() && !statusBar_.Bar()->isHidden()); });
    MapUpdate(ID_VIEW_TOOL_TEXT, [this](CCmdUI* ui) { ui->SetCheck(toolText_ ? 1 : 0); });
}

int CSectionMainFrame::OnCreate() {
    traits_.buildMainMenu(mainMenu_);
    traits_.buildDocumentMenu(documentMenu_);
    for (const CMenu* menu : {&mainMenu_, &documentMenu_}) {
        platform::SetStatusTips(*menu, traits_.prompts());
        ConnectMenuSelection(*menu);
    }
    SetMenu(&mainMenu_);
    if (!CreateToolBars()) {
        return -1;
    }
    if (!CreateStatusBar()) {
        DebugOutput(u8"ｽﾃｰﾀｽ ﾊﾞｰの作成に失敗しました\n");
        return -1;
    }
    if (!CreateGuideBar()) {
        DebugOutput(u8"ﾀﾞｲｱﾛｸﾞﾊﾞｰの作成に失敗しました\n");
        return -1;
    }
    OnFrameReady();
    platform::InstallAccelerators(*this, traits_.accelerators());
    FollowChildActivation();
    windowClass_.Register(traits_.windowClass);
    LoadBarState();
    return 0;
}

void CSectionMainFrame::SetCommandBars(std::vector<CComboToolBar*> bars,
                                       std::vector<CComboToolBar*> textBars) {
    commandBars_ = std::move(bars);
    textBars_ = std::move(textBars);
    toolText_ = true;
}

void CSectionMainFrame::SetBoundaryButtons(CComboToolBar& bar, const std::array<UINT, 3>& ids) {
    boundaryBar_ = &bar;
    boundaryIds_ = ids;
}

void CSectionMainFrame::RecolorBoundaryButtons(COLORREF under, COLORREF left, COLORREF right) {
    if (!boundaryBar_) {
        return;
    }
    const std::pair<BoundarySide, COLORREF> marks[] = {
        {BoundarySide::kUnder, under}, {BoundarySide::kLeft, left}, {BoundarySide::kRight, right}};
    for (std::size_t i = 0; i < boundaryIds_.size(); ++i) {
        const auto& [side, color] = marks[i];
        boundaryBar_->SetButtonImage(
            boundaryIds_[i],
            BoundaryPointImage(side, QColor(GetRValue(color), GetGValue(color), GetBValue(color))));
    }
}

bool CSectionMainFrame::CreateCommandBar(CComboToolBar& bar, UINT barId, const char8_t* caption,
                                         const UINT* ids, int count, CComboToolBar::ImageSource images) {
    if (!bar.CreateBar(this, barId, CString(caption), ids, count, images)) {
        return false;
    }
    platform::SetToolTips(bar.Bar(), traits_.prompts());
    return true;
}

bool CSectionMainFrame::CreateStatusBar() {
    // The cursor panes hold ten digits.
    return statusBar_.CreateWithIndicators(this, {ID_INDICATOR_X, ID_INDICATOR_Y}, 10) != FALSE;
}

bool CSectionMainFrame::CreateGuideBar() {
    QToolBar* guideBar = AddBottomBar(IDW_GUIDE_BAR);
    if (!guideBar) {
        return false;
    }
    guideBar->setProperty("templateId", IDD_GUIDE_BAR);
    guideTitle_ = new QLabel;
    guideTitle_->setObjectName(QString::number(IDC_GUIDE_TITLE));
    guideTitle_->setContentsMargins(4, 1, 4, 1);
    guideBar->addWidget(guideTitle_);
    return true;
}

void CSectionMainFrame::FollowChildActivation() {
    QObject::connect(MdiArea(), &QMdiArea::subWindowActivated, MdiArea(), [this](QMdiSubWindow* sub) {
        if (sub) {
            OnChildActivated();
            return;
        }
        // A closing child is still listed when it reports its deactivation.
        QTimer::singleShot(0, MdiArea(), [this] { OnChildActivated(); });
    });
}

void CSectionMainFrame::ConnectMenuSelection(const CMenu& menu) {
    if (!menu.Menu()) {
        return;
    }
    for (QAction* action : menu.Menu()->actions()) {
        if (QMenu* popup = action->menu()) {
            QObject::connect(popup, &QMenu::aboutToShow, popup, [this] { OnMenuSelect(); });
        }
    }
}

void CSectionMainFrame::OnChildActivated() {
    if (MDIGetActive()) {
        SetMenu(&documentMenu_);
        return;
    }
    SetMenu(&mainMenu_);
    // The last document window is gone: its tool's texts go with it.
    section::GuideTexts& texts = section::ProcessGuideTexts();
    texts.prompt.Empty();
    OnGuidePrompt();
    texts.title.Empty();
    OnGuideTitle();
}

BOOL CSectionMainFrame::OnClose() {
    if (closing_) {
        return TRUE;
    }
    SaveBarState();
    return CMDIFrameWnd::OnClose();
}

void CSectionMainFrame::LoadBarState() {
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

void CSectionMainFrame::SaveBarState() {
    QMainWindow* window = MainWindow();
    CWinApp* app = AfxGetApp();
    if (!window || !app) {
        return;
    }
    app->WriteProfileString(kBarStateSection, kBarStateKey, CString(window->saveState().toHex().constData()));
}

CViewBase* CSectionMainFrame::ActiveSectionView() const {
    CDocument* document = GetActiveDocument();
    if (!document) {
        return nullptr;
    }
    for (CView* view : document->Views()) {
        if (auto* sectionView = dynamic_cast<CViewBase*>(view)) {
            return sectionView;
        }
    }
    return nullptr;
}

void CSectionMainFrame::OnMenuSelect() {
    if (!MDIGetActive()) {
        return;
    }
    if (CViewBase* view = ActiveSectionView()) {
        view->OnCmdMsg(section::ID_MENU_SELECTED, CN_COMMAND, nullptr);
    }
}

void CSectionMainFrame::OnShowCursorPos() {
    const section::GuideTexts& texts = section::ProcessGuideTexts();
    if (!statusBar_.SetPaneText(1, CString(platform::FormatC("%10.3lf", texts.cursorX).c_str()))) {
        MessageBeep(MB_OK);
    }
    if (!statusBar_.SetPaneText(2, CString(platform::FormatC("%10.3lf", texts.cursorY).c_str()))) {
        MessageBeep(MB_OK);
    }
}

void CSectionMainFrame::OnGuidePrompt() {
    if (!statusBar_.SetPaneText(0, section::ProcessGuideTexts().prompt)) {
        MessageBeep(MB_OK);
    }
}

void CSectionMainFrame::OnGuideTitle() {
    if (guideTitle_) {
        guideTitle_->setText(platform::ToQString(section::ProcessGuideTexts().title));
    }
}

void CSectionMainFrame::OnViewToolText() {
    toolText_ = !toolText_;
    for (CComboToolBar* bar : textBars_) {
        bar->ShowButtonTexts(toolText_);
    }
}

void CSectionMainFrame::OnViewToolBar() {
    if (commandBars_.empty()) {
        return;
    }
    // The command bars show and hide together.
    const bool show = commandBars_.front()->Bar() && commandBars_.front()->Bar()->isHidden();
    for (CComboToolBar* bar : commandBars_) {
        if (bar->Bar()) {
            bar->Bar()->setVisible(show);
        }
    }
}

void CSectionMainFrame::OnViewStatusBar() {
    if (QStatusBar* bar = statusBar_.Bar()) {
        bar->setVisible(bar->isHidden());
    }
}

void CSectionMainFrame::UpdateStatusText() {
    QStatusBar* bar = statusBar_.Bar();
    if (!bar || !guideTitle_) {
        return;
    }
    if (!bar->currentMessage().isEmpty()) {
        // A fly-by text is shown: the guide texts come back once the cursor is over the view.
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
        if (dynamic_cast<CViewBase*>(CWnd::FromWidget(widget))) {
            OnGuidePrompt();
            OnGuideTitle();
            return;
        }
    }
}

bool CSectionMainFrame::BringToFront() {
    return platform::BringWindowToFront(MainWindow());
}

bool CSectionMainFrame::GetControlText(int, CString&) {
    return false;
}

bool CSectionMainFrame::SetControlText(int, const CString&) {
    return false;
}

} // namespace shell
