#include "list_viewer/app/CMainFrame.h"

#include "list_viewer/app/CMainListView.h"
#include "list_viewer/app/CWenuxApp.h"
#include "list_viewer/app/MenuBuilder.h"
#include "list_viewer/app/WenuxIds.h"
#include "list_viewer/core/DrawPlan.h"
#include "list_viewer/core/PageRows.h"

#include "platform/core/MessageSink.h"
#include "platform/ui/CMDIChildWnd.h"
#include "platform/ui/CommandPrompts.h"
#include "platform/ui/FileDropOpening.h"
#include "platform/ui/FontSubstitution.h"
#include "platform/ui/QtText.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

namespace wenux {

IMPLEMENT_DYNAMIC(CMainFrame, CMDIFrameWnd)

namespace {

constexpr int kTypeBoxAverageChars = 20;
constexpr int kTypeBoxFontPixels = 15;
// The page and line panes hold ten digits.
constexpr int kIndicatorDigits = 10;

} // namespace

CMainFrame::CMainFrame() {
    MapCommand(ID_NOTIFY_STATUS_NUMBERS, &CMainFrame::OnStatusNumbers);
    MapCommand(ID_NOTIFY_MESSAGE_TEXT, &CMainFrame::OnMessageText);
    MapCommand(ID_NOTIFY_PAGE_TEXT, &CMainFrame::OnPageText);
    MapCommand(ID_NOTIFY_TYPE_TEXT, &CMainFrame::OnTypeText);
    MapCommand(ID_VIEW_TOOLBAR, &CMainFrame::OnViewToolBar);
    MapCommand(ID_VIEW_STATUS_BAR, &CMainFrame::OnViewStatusBar);
    MapUpdate(ID_VIEW_TOOLBAR, &CMainFrame::OnUpdateViewToolBar);
    MapUpdate(ID_VIEW_STATUS_BAR, &CMainFrame::OnUpdateViewStatusBar);
}

int CMainFrame::OnCreate() {
    BuildNoDocumentMenu(noDocumentMenu_);
    BuildDocumentMenu(resultListMenu_, true);
    BuildDocumentMenu(logMenu_, false);
    SetStatusTips(resultListMenu_);
    SetStatusTips(logMenu_);
    SetMenu(&noDocumentMenu_);
    if (!CreateToolBar()) {
        AfxMessageBox(u8"ツールバーの作成に失敗しました\n");
        return -1;
    }
    if (!CreateStatusBar()) {
        AfxMessageBox(u8"ｽﾃｰﾀｽ ﾊﾞｰの作成に失敗しました\n");
        return -1;
    }
    if (!CreatePageBar()) {
        AfxMessageBox(u8"ﾀﾞｲｱﾛｸﾞﾊﾞｰの作成に失敗しました\n");
        return -1;
    }
    platform::InstallAccelerators(*this, Accelerators());
    AcceptDroppedFiles();
    QObject::connect(MdiArea(), &QMdiArea::subWindowActivated, MdiArea(), [this](QMdiSubWindow* sub) {
        if (sub) {
            OnChildActivated();
            return;
        }
        // A closing child is still listed when it reports its deactivation.
        QTimer::singleShot(0, MdiArea(), [this] { OnChildActivated(); });
    });
    if (auto* app = dynamic_cast<CWenuxApp*>(AfxGetApp())) {
        app->State().typeText = CString(u8"ﾌｧｲﾙを開いて下さい");
        OnTypeText();
    }
    return 0;
}

bool CMainFrame::CreateToolBar() {
    if (!toolBar_.Create(this)) {
        return false;
    }
    const UINT buttons[] = {ID_FILE_OPEN,     ID_FILE_PRINT,       ID_SEPARATOR,    ID_SEPARATOR,
                            ID_SEPARATOR,     ID_JUMP_TOP,         ID_JUMP_BOTTOM,  ID_SEPARATOR,
                            ID_SEARCH_STRING, ID_SEARCH_ITEM_LIST, ID_SEARCH_AGAIN, ID_SEPARATOR,
                            ID_HELP_INDEX};
    toolBar_.SetButtons(buttons, static_cast<int>(std::size(buttons)));
    toolBar_.SetButtonTexts({
        {ID_FILE_OPEN, u8"開く"},
        {ID_FILE_PRINT, u8"印刷"},
        {ID_JUMP_TOP, u8"先頭"},
        {ID_JUMP_BOTTOM, u8"最後"},
        {ID_SEARCH_STRING, u8"検索"},
        {ID_SEARCH_ITEM_LIST, u8"項目検索"},
        {ID_SEARCH_AGAIN, u8"再検索"},
        {ID_HELP_INDEX, u8"ﾍﾙﾌﾟ"},
    });
    QToolBar* bar = toolBar_.Bar();
    bar->setMovable(false);
    for (const StatusTip& tip : StatusTips()) {
        if (const int index = toolBar_.CommandToIndex(tip.id); index >= 0) {
            bar->actions().at(index)->setStatusTip(platform::ToQString(CString(tip.text)));
        }
    }
    typeBox_ = new QLineEdit;
    typeBox_->setObjectName(QString::number(IDC_TYPE_BOX));
    typeBox_->setReadOnly(true);
    typeBox_->setFocusPolicy(Qt::NoFocus);
    QFont font(platform::SubstituteFontFamily(CString(u8"ＭＳ ゴシック")));
    font.setPixelSize(kTypeBoxFontPixels);
    typeBox_->setFont(font);
    typeBox_->setFixedWidth(QFontMetrics(font).averageCharWidth() * kTypeBoxAverageChars);
    // The type box takes the place of the fourth slot.
    QAction* slot = bar->actions().at(3);
    bar->insertWidget(slot, typeBox_);
    bar->removeAction(slot);
    return true;
}

bool CMainFrame::CreateStatusBar() {
    return statusBar_.CreateWithIndicators(this, {ID_PANE_PAGE, ID_PANE_LINE}, kIndicatorDigits) != FALSE;
}

bool CMainFrame::CreatePageBar() {
    pageBar_ = AddBottomBar(IDD_PAGE_BAR);
    if (!pageBar_) {
        return false;
    }
    pageText_ = new QLabel;
    pageText_->setObjectName(QString::number(IDC_PAGE_TEXT));
    pageBar_->addWidget(pageText_);
    return true;
}

void CMainFrame::AcceptDroppedFiles() {
    QMainWindow* window = MainWindow();
    platform::OpenDroppedFiles(window);
}

void CMainFrame::OnChildActivated() {
    auto* app = dynamic_cast<CWenuxApp*>(AfxGetApp());
    CMDIChildWnd* child = MDIGetActive();
    if (!child) {
        SetStatusTips(resultListMenu_);
        SetStatusTips(logMenu_);
        SetMenu(&noDocumentMenu_);
        if (app) {
            app->State().typeText = CString(u8"ﾌｧｲﾙを開いて下さい");
        }
        OnTypeText();
        return;
    }
    auto* view = dynamic_cast<CMainListView*>(child->GetActiveView());
    SetMenu(view && view->DocumentType() != kResultList ? &logMenu_ : &resultListMenu_);
    if (app) {
        app->State().typeText = view ? view->TypeText() : CString();
    }
    OnTypeText();
}

void CMainFrame::OnStatusNumbers() {
    auto* app = dynamic_cast<CWenuxApp*>(AfxGetApp());
    if (!app) {
        return;
    }
    if (!statusBar_.SetPaneText(1, FormatPageStatus(app->State().pageNumber))) {
        MessageBeep(MB_OK);
    }
    if (!statusBar_.SetPaneText(2, FormatLineStatus(app->State().lineNumber))) {
        MessageBeep(MB_OK);
    }
}

void CMainFrame::OnMessageText() {
    auto* app = dynamic_cast<CWenuxApp*>(AfxGetApp());
    if (app && !statusBar_.SetPaneText(0, app->State().messageText)) {
        MessageBeep(MB_OK);
    }
}

void CMainFrame::OnPageText() {
    auto* app = dynamic_cast<CWenuxApp*>(AfxGetApp());
    if (app && pageText_) {
        pageText_->setText(platform::ToQString(app->State().pageText));
    }
}

void CMainFrame::OnTypeText() {
    auto* app = dynamic_cast<CWenuxApp*>(AfxGetApp());
    if (app && typeBox_) {
        typeBox_->setText(platform::ToQString(app->State().typeText));
    }
}

void CMainFrame::OnViewToolBar() {
    if (QToolBar* bar = toolBar_.Bar()) {
        bar->setVisible(bar->isHidden());
    }
}

void CMainFrame::OnViewStatusBar() {
    if (QStatusBar* bar = statusBar_.Bar()) {
        bar->setVisible(bar->isHidden());
    }
}

void CMainFrame::OnUpdateViewToolBar(CCmdUI* ui) {
    ui->SetCheck(toolBar_.Bar() && !toolBar_.Bar()->isHidden());
}

void CMainFrame::OnUpdateViewStatusBar(CCmdUI* ui) {
    ui->SetCheck(statusBar_.Bar() && !statusBar_.Bar()->isHidden());
}

} // namespace wenux
