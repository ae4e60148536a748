#include "drawing_viewer/app/CMainFrame.h"

#include "drawing_viewer/app/CViewerDoc.h"
#include "drawing_viewer/app/CZaphoApp.h"
#include "drawing_viewer/app/ZaphoIds.h"
#include "drawing_viewer/app/ZaphoMenu.h"

#include "platform/core/MessageSink.h"
#include "platform/ui/CCmdUI.h"
#include "platform/ui/CMDIChildWnd.h"
#include "platform/ui/CView.h"
#include "platform/ui/CommandPrompts.h"
#include "platform/ui/FileDropOpening.h"
#include "platform/ui/QtText.h"

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

namespace zapho {

IMPLEMENT_DYNAMIC(CMainFrame, CMDIFrameWnd)

namespace {

// The cursor panes hold ten digits.
constexpr int kIndicatorDigits = 10;

} // namespace

CMainFrame::CMainFrame() {
    MapCommand(ID_NOTIFY_CURSOR, &CMainFrame::OnCursorPosition);
    MapCommand(ID_NOTIFY_MESSAGE, &CMainFrame::OnMessageText);
    MapCommand(ID_NOTIFY_PROMPT, &CMainFrame::OnPromptText);
    MapCommand(ID_NOTIFY_NOTHING, [] {});
    MapCommand(ID_VIEW_TOOLBAR, [this] {
        if (QToolBar* bar = toolBar_.Bar()) {
            bar->setVisible(bar->isHidden());
        }
    });
    MapUpdate(ID_VIEW_TOOLBAR,
              [this](CCmdUI* ui) { ui->SetCheck(toolBar_.Bar() && !toolBar_.Bar()->isHidden()); });
}

int CMainFrame::OnCreate() {
    BuildMenu(noDocumentMenu_, MenuKind::kNoDocument);
    BuildMenu(plotMenu_, MenuKind::kPlot);
    BuildMenu(figureMenu_, MenuKind::kFigure);
    SetMenu(&noDocumentMenu_);
    if (!CreateToolBar() || !CreateStatusBar() || !CreatePromptBar()) {
        return -1;
    }
    CreateAccelerators();
    platform::OpenDroppedFiles(MainWindow());
    QObject::connect(MdiArea(), &QMdiArea::subWindowActivated, MdiArea(), [this](QMdiSubWindow* sub) {
        if (sub) {
            OnChildActivated();
            return;
        }
        // A closing child is still listed when it reports its deactivation.
        QTimer::singleShot(0, MdiArea(), [this] { OnChildActivated(); });
    });
    return 0;
}

bool CMainFrame::CreateToolBar() {
    if (!toolBar_.Create(this)) {
        return false;
    }
    const UINT buttons[] = {ID_FILE_OPEN,     ID_SEPARATOR,  ID_FILE_PRINT, ID_SEPARATOR,     ID_SEPARATOR,
                            ID_EDIT_COPY,     ID_COPY_RANGE, ID_SEPARATOR,  ID_PAGE_NEXT,     ID_SEPARATOR,
                            ID_PAGE_PREVIOUS, ID_SEPARATOR,  ID_SEPARATOR,  ID_VIEW_ALL_MODEL};
    toolBar_.SetButtons(buttons, static_cast<int>(std::size(buttons)));
    toolBar_.SetButtonTexts({
        {ID_FILE_OPEN, u8"開く"},
        {ID_FILE_PRINT, u8"印刷"},
        {ID_EDIT_COPY, u8"全体ｺﾋﾟｰ"},
        {ID_COPY_RANGE, u8"選択ｺﾋﾟｰ"},
        {ID_PAGE_NEXT, u8"次頁"},
        {ID_PAGE_PREVIOUS, u8"前頁"},
        {ID_VIEW_ALL_MODEL, u8"全体表示"},
    });
    toolBar_.Bar()->setMovable(false);
    return true;
}

bool CMainFrame::CreateStatusBar() {
    return statusBar_.CreateWithIndicators(this, {ID_PANE_CURSOR_X, ID_PANE_CURSOR_Y}, kIndicatorDigits) !=
           FALSE;
}

bool CMainFrame::CreatePromptBar() {
    QToolBar* bar = AddBottomBar(IDD_PROMPT_BAR);
    if (!bar) {
        return false;
    }
    promptText_ = new QLabel;
    promptText_->setObjectName(QString::number(IDC_PROMPT_TEXT));
    bar->addWidget(promptText_);
    return true;
}

void CMainFrame::CreateAccelerators() {
    static const std::vector<platform::Accelerator> keys = {
        {Qt::CTRL | Qt::Key_A, ID_VIEW_ALL_MODEL},  {QKeyCombination(Qt::Key_F5), ID_PAGE_NEXT},
        {Qt::SHIFT | Qt::Key_F5, ID_PAGE_PREVIOUS}, {Qt::CTRL | Qt::Key_C, ID_EDIT_COPY},
        {Qt::CTRL | Qt::Key_P, ID_FILE_PRINT},      {Qt::CTRL | Qt::Key_S, ID_FILE_SAVE},
    };
    // A page key with no page to turn to beeps.
    platform::InstallAccelerators(*this, keys, {ID_PAGE_NEXT, ID_PAGE_PREVIOUS});
}

void CMainFrame::OnChildActivated() {
    CMDIChildWnd* child = MDIGetActive();
    CView* view = child ? child->GetActiveView() : nullptr;
    auto* doc = view ? dynamic_cast<CViewerDoc*>(view->GetDocument()) : nullptr;
    if (!doc) {
        SetMenu(&noDocumentMenu_);
        ProgramState& state = ZaphoApp().State();
        state.promptText.Empty();
        state.messageText.Empty();
        OnPromptText();
        OnMessageText();
        return;
    }
    SetMenu(doc->IsPlotOutput() ? &plotMenu_ : &figureMenu_);
}

void CMainFrame::OnCursorPosition() {
    const ProgramState& state = ZaphoApp().State();
    CString text;
    text.Format("%10.3lf", state.cursorX);
    if (!statusBar_.SetPaneText(1, text)) {
        MessageBeep(MB_OK);
    }
    text.Format("%10.3lf", state.cursorY);
    if (!statusBar_.SetPaneText(2, text)) {
        MessageBeep(MB_OK);
    }
}

void CMainFrame::OnMessageText() {
    if (!statusBar_.SetPaneText(0, ZaphoApp().State().messageText)) {
        MessageBeep(MB_OK);
    }
}

void CMainFrame::OnPromptText() {
    if (promptText_) {
        promptText_->setText(platform::ToQString(ZaphoApp().State().promptText));
    }
}

} // namespace zapho
