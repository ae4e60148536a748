#include "analysis/CMainFrame.h"

#include "analysis/CBlockView.h"
#include "analysis/ToolBarImages.h"
#include "analysis/TorvanIds.h"
#include "analysis/TorvanMenu.h"

#include "common/ui/section/GuideTexts.h"
#include "platform/core/MessageSink.h"
#include "platform/core/NumberFormat.h"
#include "platform/ui/CDocTemplate.h"
#include "platform/ui/CDocument.h"
#include "platform/ui/CMDIChildWnd.h"
#include "platform/ui/CWinApp.h"
#include "platform/ui/FontSubstitution.h"
#include "platform/ui/QtText.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QDebug>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QSocketNotifier>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QUrl>

namespace torvan {

IMPLEMENT_DYNAMIC(CMainFrame, CMDIFrameWnd)

namespace {

const char kWindowClass[] = "VerrantCalculation";
const char kBarStateSection[] = "ToolBarState";
const char kBarStateKey[] = "Layout";
const char8_t kMethodPrompt[] = u8"解析法選択";
const char8_t kMethodFace[] = u8"ＭＳ ゴシック";
constexpr int kMethodFontPixels = 14;
constexpr int kMethodBoxAverageChars = 13;
constexpr int kMethodBoxExtraPixels = 12;

const UINT kStandardButtons[] = {ID_FILE_OPEN,     ID_FILE_SAVE, ID_SEPARATOR, ID_VIEW_ZOOM_IN,
                                 ID_VIEW_ZOOM_OUT, ID_VIEW_ALL,  ID_SEPARATOR, ID_VIEW_PROPERTIES};
const UINT kEditButtons[] = {ID_EDIT_SELECT,
                             ID_EDIT_DELETE,
                             ID_SEPARATOR,
                             ID_DRAW_INNER_BOUND_POINT,
                             ID_DRAW_LEFT_BOUND_POINT,
                             ID_DRAW_RIGHT_BOUND_POINT,
                             ID_SEPARATOR,
                             ID_INPUT_BOUND_POINTS};
const UINT kAnalysisButtons[] = {ID_ANALYSIS_METHOD, ID_SEPARATOR, ID_ANALYSIS_RUN};

// Creation failures go to the debug output only, as the frame's start does not stop for them.
void DebugOutput(const char8_t* text) {
    qDebug("%s", reinterpret_cast<const char*>(text));
}

std::vector<CString> Labels(std::initializer_list<const char8_t*> texts) {
    std::vector<CString> labels;
    for (const char8_t* text : texts) {
        labels.emplace_back(text);
    }
    return labels;
}

// Files dropped on the main window open as analysis files.
class FileDropFilter : public QObject {
public:
    explicit FileDropFilter(QObject* parent) : QObject(parent) {}

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::DragEnter) {
            auto* enter = static_cast<QDragEnterEvent*>(event);
            if (enter->mimeData()->hasUrls()) {
                enter->acceptProposedAction();
                return true;
            }
        } else if (event->type() == QEvent::Drop) {
            auto* drop = static_cast<QDropEvent*>(event);
            for (const QUrl& url : drop->mimeData()->urls()) {
                CString path;
                if (url.isLocalFile() && platform::FromQString(url.toLocalFile(), path) && AfxGetApp()) {
                    AfxGetApp()->OpenDocumentFile(path);
                }
            }
            drop->acceptProposedAction();
            return true;
        }
        return false;
    }
};

} // namespace

CMainFrame::CMainFrame() : server_(*this) {
    MapCommand(ID_SHOW_CURSOR_POS, &CMainFrame::OnShowCursorPos);
    MapCommand(ID_ACTIVATE_BLOCK_VIEW, &CMainFrame::OnActivateBlockView);
    MapCommand(ID_GUIDE_PROMPT, &CMainFrame::OnGuidePrompt);
    MapCommand(ID_GUIDE_TITLE, &CMainFrame::OnGuideTitle);
    MapCommand(ID_ANALYSIS_METHOD_CHANGED, &CMainFrame::OnAnalysisMethodChanged);
    MapCommand(ID_VIEW_TOOL_TEXT, &CMainFrame::OnViewToolText);
    MapCommand(ID_VIEW_TOOLBAR, &CMainFrame::OnViewToolBar);
    MapCommand(ID_VIEW_STATUS_BAR, &CMainFrame::OnViewStatusBar);
    MapUpdate(ID_VIEW_TOOLBAR, &CMainFrame::OnUpdateViewToolBar);
    MapUpdate(ID_VIEW_STATUS_BAR, &CMainFrame::OnUpdateViewStatusBar);
    MapUpdate(ID_VIEW_TOOL_TEXT, &CMainFrame::OnUpdateViewToolText);
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
    if (!CreateToolBars() || !CreateMethodBox()) {
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
    section::ProcessGuideTexts().methodName = CString(kMethodPrompt);
    OnAnalysisMethodChanged();
    CreateAccelerators();
    AcceptDroppedFiles();
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

bool CMainFrame::CreateToolBars() {
    if (!standardBar_.CreateBar(this, IDW_STANDARD_BAR, CString(u8"標準"), kStandardButtons,
                                static_cast<int>(std::size(kStandardButtons))) ||
        !editBar_.CreateBar(this, IDW_EDIT_BAR, CString(u8"編集"), kEditButtons,
                            static_cast<int>(std::size(kEditButtons))) ||
        !analysisBar_.CreateBar(this, IDW_ANALYSIS_BAR, CString(u8"解析"), kAnalysisButtons,
                                static_cast<int>(std::size(kAnalysisButtons)))) {
        return false;
    }
    standardBar_.SetButtonLabels(
        Labels({u8"開く", u8"上書保存", u8"拡大", u8"縮小", u8"全体表示", u8"表示設定"}));
    editBar_.SetButtonLabels(
        Labels({u8"選択", u8"削除", u8"地中境界点", u8"左地表境界", u8"右地表境界", u8"境界点座標"}));
    SetToolTips(standardBar_);
    SetToolTips(editBar_);
    SetToolTips(analysisBar_);
    toolText_ = true;
    return true;
}

void CMainFrame::SetToolTips(CComboToolBar& bar) {
    for (QAction* action : bar.Bar()->actions()) {
        const UINT id = CMenu::ActionId(action);
        if (action->isSeparator() || id == 0) {
            continue;
        }
        action->setStatusTip(platform::ToQString(CommandPromptText(id, false)));
        action->setToolTip(platform::ToQString(CommandPromptText(id, true)));
    }
}

bool CMainFrame::CreateMethodBox() {
    methodBox_ = new QLineEdit;
    methodBox_->setObjectName(QString::number(IDC_METHOD_NAME));
    methodBox_->setAlignment(Qt::AlignCenter);
    methodBox_->setReadOnly(true);
    methodBox_->setFocusPolicy(Qt::NoFocus);
    QFont font(platform::SubstituteFontFamily(CString(kMethodFace)));
    font.setPixelSize(kMethodFontPixels);
    methodBox_->setFont(font);
    const QFontMetrics metrics(font);
    methodBox_->setFixedWidth(kMethodBoxAverageChars * metrics.averageCharWidth() + kMethodBoxExtraPixels);
    if (!analysisBar_.ReplaceButton(ID_ANALYSIS_METHOD, methodBox_)) {
        DebugOutput(u8"ｴﾃﾞｨｯﾄ･ｺﾝﾄﾛｰﾙの作成に失敗しました。\n");
        delete methodBox_;
        methodBox_ = nullptr;
        return false;
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
    guideBar_ = new QToolBar(window);
    guideBar_->setObjectName(QString::number(IDW_GUIDE_BAR));
    guideBar_->setProperty("templateId", IDD_GUIDE_BAR);
    guideBar_->setMovable(false);
    guideBar_->setFloatable(false);
    guideTitle_ = new QLabel;
    guideTitle_->setObjectName(QString::number(IDC_GUIDE_TITLE));
    guideTitle_->setContentsMargins(4, 1, 4, 1);
    guideBar_->addWidget(guideTitle_);
    window->addToolBar(Qt::BottomToolBarArea, guideBar_);
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
            // A key runs its command only when the command is enabled, as its menu item would.
            CCmdUI ui(id);
            RouteUpdate(&ui);
            if (ui.m_bEnabled) {
                RouteCommand(id);
            }
        });
        window->addAction(action);
    }
}

void CMainFrame::AcceptDroppedFiles() {
    QMainWindow* window = MainWindow();
    window->setAcceptDrops(true);
    window->installEventFilter(new FileDropFilter(window));
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
    // The last document window is gone: its tool's texts go with it.
    section::GuideTexts& texts = section::ProcessGuideTexts();
    texts.prompt.Empty();
    RouteCommand(ID_GUIDE_PROMPT);
    texts.title.Empty();
    RouteCommand(ID_GUIDE_TITLE);
}

BOOL CMainFrame::OnClose() {
    if (closing_) {
        return TRUE;
    }
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
    if (!MDIGetActive()) {
        return;
    }
    if (CBlockView* view = ActiveBlockView()) {
        view->OnCmdMsg(ID_MENU_SELECTED, CN_COMMAND, nullptr);
    }
}

void CMainFrame::OnShowCursorPos() {
    const section::GuideTexts& texts = section::ProcessGuideTexts();
    if (!statusBar_.SetPaneText(1, CString(platform::FormatC("%10.3lf", texts.cursorX).c_str()))) {
        MessageBeep(MB_OK);
    }
    if (!statusBar_.SetPaneText(2, CString(platform::FormatC("%10.3lf", texts.cursorY).c_str()))) {
        MessageBeep(MB_OK);
    }
}

void CMainFrame::OnActivateBlockView() {
    CDocument* document = GetActiveDocument();
    if (!document) {
        return;
    }
    if (CBlockView* view = ActiveBlockView()) {
        if (auto* child = dynamic_cast<CMDIChildWnd*>(view->GetParentFrame())) {
            MDIActivate(child);
        }
        return;
    }
    CDocTemplate* docTemplate = document->GetDocTemplate();
    CFrameWnd* frame = docTemplate ? docTemplate->CreateNewFrame(document) : nullptr;
    if (!frame) {
        return;
    }
    if (CView* view = frame->GetActiveView()) {
        view->OnInitialUpdate();
    }
    frame->ShowWindow(SW_SHOW);
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

void CMainFrame::OnAnalysisMethodChanged() {
    if (methodBox_) {
        methodBox_->setText(platform::ToQString(section::ProcessGuideTexts().methodName));
    }
}

void CMainFrame::OnViewToolText() {
    toolText_ = !toolText_;
    standardBar_.ShowButtonTexts(toolText_);
    editBar_.ShowButtonTexts(toolText_);
}

void CMainFrame::OnViewToolBar() {
    // The three command bars show and hide together.
    const bool show = standardBar_.Bar() && standardBar_.Bar()->isHidden();
    for (CComboToolBar* bar : {&standardBar_, &editBar_, &analysisBar_}) {
        if (bar->Bar()) {
            bar->Bar()->setVisible(show);
        }
    }
}

void CMainFrame::OnViewStatusBar() {
    if (QStatusBar* bar = statusBar_.Bar()) {
        bar->setVisible(bar->isHidden());
    }
}

void CMainFrame::OnUpdateViewToolBar(CCmdUI* ui) {
    ui->SetCheck(standardBar_.Bar() && !standardBar_.Bar()->isHidden());
}

void CMainFrame::OnUpdateViewStatusBar(CCmdUI* ui) {
    ui->SetCheck(statusBar_.Bar() && !statusBar_.Bar()->isHidden());
}

void CMainFrame::OnUpdateViewToolText(CCmdUI* ui) {
    ui->SetCheck(toolText_ ? 1 : 0);
}

void CMainFrame::UpdateStatusText() {
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
        if (dynamic_cast<CBlockView*>(CWnd::FromWidget(widget))) {
            OnGuidePrompt();
            OnGuideTitle();
            return;
        }
    }
}

void CMainFrame::RecolorBoundaryButtons(const QColor& inner, const QColor& left, const QColor& right) {
    const std::pair<UINT, QColor> buttons[] = {{ID_DRAW_INNER_BOUND_POINT, inner},
                                               {ID_DRAW_LEFT_BOUND_POINT, left},
                                               {ID_DRAW_RIGHT_BOUND_POINT, right}};
    for (const auto& [id, color] : buttons) {
        if (const int index = editBar_.CommandToIndex(id); index >= 0) {
            editBar_.Bar()->actions().at(index)->setIcon(BoundaryPointImage(id, color));
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

} // namespace torvan
