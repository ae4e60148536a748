#include "analysis/app/CMainFrame.h"

#include "analysis/app/CBlockView.h"
#include "analysis/app/ToolBarImages.h"
#include "analysis/app/TorvanIds.h"
#include "analysis/app/TorvanMenu.h"

#include "common/ui/section/GuideTexts.h"
#include "platform/ui/CDocTemplate.h"
#include "platform/ui/CDocument.h"
#include "platform/ui/CMDIChildWnd.h"
#include "platform/ui/CWinApp.h"
#include "platform/ui/FontSubstitution.h"
#include "platform/ui/QtText.h"

#include <QAction>
#include <QDebug>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QMimeData>
#include <QToolBar>
#include <QUrl>

namespace torvan {

IMPLEMENT_DYNAMIC(CMainFrame, CMDIFrameWnd)

namespace {

const char kWindowClass[] = "VerrantCalculation";
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

const shell::MainFrameTraits kTraits{kWindowClass, BuildMainMenu, BuildDocumentMenu, CommandPrompts,
                                     Accelerators};

} // namespace

CMainFrame::CMainFrame() : CSectionMainFrame(kTraits) {
    MapCommand(ID_ACTIVATE_BLOCK_VIEW, &CMainFrame::OnActivateBlockView);
    MapCommand(ID_ANALYSIS_METHOD_CHANGED, &CMainFrame::OnAnalysisMethodChanged);
}

bool CMainFrame::CreateToolBars() {
    if (!CreateCommandBar(standardBar_, IDW_STANDARD_BAR, u8"標準", kStandardButtons,
                          static_cast<int>(std::size(kStandardButtons)), ToolBarImage) ||
        !CreateCommandBar(editBar_, IDW_EDIT_BAR, u8"編集", kEditButtons,
                          static_cast<int>(std::size(kEditButtons)), ToolBarImage) ||
        !CreateCommandBar(analysisBar_, IDW_ANALYSIS_BAR, u8"解析", kAnalysisButtons,
                          static_cast<int>(std::size(kAnalysisButtons)), ToolBarImage)) {
        return false;
    }
    standardBar_.SetButtonLabels({u8"開く", u8"上書保存", u8"拡大", u8"縮小", u8"全体表示", u8"表示設定"});
    editBar_.SetButtonLabels(
        {u8"選択", u8"削除", u8"地中境界点", u8"左地表境界", u8"右地表境界", u8"境界点座標"});
    // The three command bars show and hide together; the analysis bar has no texts.
    SetCommandBars({&standardBar_, &editBar_, &analysisBar_}, {&standardBar_, &editBar_});
    SetBoundaryButtons(editBar_,
                       {ID_DRAW_INNER_BOUND_POINT, ID_DRAW_LEFT_BOUND_POINT, ID_DRAW_RIGHT_BOUND_POINT});
    return CreateMethodBox();
}

void CMainFrame::OnFrameReady() {
    section::ProcessGuideTexts().methodName = CString(kMethodPrompt);
    OnAnalysisMethodChanged();
    AcceptDroppedFiles();
}

CBlockView* CMainFrame::ActiveBlockView() const {
    return dynamic_cast<CBlockView*>(ActiveSectionView());
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

void CMainFrame::AcceptDroppedFiles() {
    QMainWindow* window = MainWindow();
    window->setAcceptDrops(true);
    window->installEventFilter(new FileDropFilter(window));
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

void CMainFrame::OnLastDocumentClosed() {
    section::ProcessGuideTexts().methodName = CString(kMethodPrompt);
    OnAnalysisMethodChanged();
    OnUpdateFrameTitle(FALSE);
}

void CMainFrame::OnAnalysisMethodChanged() {
    if (methodBox_) {
        methodBox_->setText(platform::ToQString(section::ProcessGuideTexts().methodName));
    }
}

} // namespace torvan
