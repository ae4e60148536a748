#include "drawing_viewer/app/MainFrame.h"

#include "drawing_viewer/app/ViewerDoc.h"
#include "drawing_viewer/app/ZaphoApp.h"
#include "drawing_viewer/app/ZaphoIds.h"
#include "drawing_viewer/app/ZaphoMenu.h"

#include "platform/core/MessageSink.h"
#include "platform/ui/CMDIChildWnd.h"
#include "platform/ui/CView.h"
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
    const std::pair<UINT, const char8_t*> texts[] = {
        {ID_FILE_OPEN, u8"開く"},          {ID_FILE_PRINT, u8"印刷"}, {ID_EDIT_COPY, u8"全体ｺﾋﾟｰ"},
        {ID_COPY_RANGE, u8"選択ｺﾋﾟｰ"},     {ID_PAGE_NEXT, u8"次頁"},  {ID_PAGE_PREVIOUS, u8"前頁"},
        {ID_VIEW_ALL_MODEL, u8"全体表示"},
    };
    for (const auto& [id, text] : texts) {
        toolBar_.SetButtonText(toolBar_.CommandToIndex(id), CString(text));
    }
    toolBar_.Bar()->setMovable(false);
    return true;
}

bool CMainFrame::CreateStatusBar() {
    if (!statusBar_.Create(this)) {
        return false;
    }
    const UINT panes[] = {ID_SEPARATOR, ID_PANE_CURSOR_X, ID_PANE_CURSOR_Y};
    statusBar_.SetIndicators(panes, 3);
    const int width = QFontMetrics(statusBar_.Bar()->font()).horizontalAdvance(QStringLiteral("0000000000"));
    statusBar_.SetPaneInfo(1, ID_PANE_CURSOR_X, 0, width);
    statusBar_.SetPaneInfo(2, ID_PANE_CURSOR_Y, 0, width);
    return true;
}

bool CMainFrame::CreatePromptBar() {
    QMainWindow* window = MainWindow();
    if (!window) {
        return false;
    }
    auto* bar = new QToolBar(window);
    bar->setObjectName(QString::number(IDD_PROMPT_BAR));
    bar->setMovable(false);
    bar->setFloatable(false);
    promptText_ = new QLabel;
    promptText_->setObjectName(QString::number(IDC_PROMPT_TEXT));
    bar->addWidget(promptText_);
    window->addToolBar(Qt::BottomToolBarArea, bar);
    return true;
}

void CMainFrame::CreateAccelerators() {
    struct Accelerator {
        QKeySequence key;
        UINT id;
    };
    const Accelerator accelerators[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_A), ID_VIEW_ALL_MODEL},
        {QKeySequence(Qt::Key_F5), ID_PAGE_NEXT},
        {QKeySequence(Qt::SHIFT | Qt::Key_F5), ID_PAGE_PREVIOUS},
        {QKeySequence(Qt::CTRL | Qt::Key_C), ID_EDIT_COPY},
        {QKeySequence(Qt::CTRL | Qt::Key_P), ID_FILE_PRINT},
        {QKeySequence(Qt::CTRL | Qt::Key_S), ID_FILE_SAVE},
    };
    QMainWindow* window = MainWindow();
    for (const Accelerator& accelerator : accelerators) {
        auto* action = new QAction(window);
        action->setShortcut(accelerator.key);
        action->setShortcutContext(Qt::WindowShortcut);
        const UINT id = accelerator.id;
        QObject::connect(action, &QAction::triggered, window, [this, id] {
            CCmdUI ui(id);
            RouteUpdate(&ui);
            if (ui.m_bEnabled) {
                RouteCommand(id);
            } else if (id == ID_PAGE_NEXT || id == ID_PAGE_PREVIOUS) {
                MessageBeep(0);
            }
        });
        window->addAction(action);
    }
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
