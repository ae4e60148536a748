#include "list_viewer/app/CMainListView.h"

#include "list_viewer/app/CChildFrame.h"
#include "list_viewer/app/CItemListDialog.h"
#include "list_viewer/app/CMainDoc.h"
#include "list_viewer/app/CPageJumpDialog.h"
#include "list_viewer/app/CSearchStringDialog.h"
#include "list_viewer/app/CWenuxApp.h"
#include "list_viewer/app/ListFontChooser.h"
#include "list_viewer/app/ListFontConvert.h"
#include "list_viewer/app/WenuxIds.h"
#include "list_viewer/core/CListSearch.h"
#include "list_viewer/core/DocumentTypes.h"
#include "list_viewer/core/DrawPlan.h"
#include "list_viewer/core/ViewGeometry.h"

#include "common/ui/dialogs/CMyPrintDialog.h"

#include "platform/core/MessageSink.h"
#include "platform/ui/CClientDC.h"
#include "platform/ui/CMDIFrameWnd.h"
#include "platform/ui/CPrintInfo.h"
#include "platform/ui/CWaitCursor.h"
#include "platform/ui/PrintRunner.h"
#include "platform/ui/QtText.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrinter>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>

namespace wenux {

namespace {

void NotifyMainFrame(UINT id) {
    if (CWnd* mainFrame = AfxGetMainWnd()) {
        mainFrame->RouteCommand(id);
    }
}

ScrollCode ToScrollCode(UINT code) {
    switch (code) {
    case SB_LINEUP:
        return ScrollCode::kLineUp;
    case SB_LINEDOWN:
        return ScrollCode::kLineDown;
    case SB_PAGEUP:
        return ScrollCode::kPageUp;
    case SB_PAGEDOWN:
        return ScrollCode::kPageDown;
    // The bar here cannot follow the mouse on its own, so a dragged thumb shows its page at once.
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        return ScrollCode::kThumbPosition;
    case SB_TOP:
        return ScrollCode::kTop;
    case SB_BOTTOM:
        return ScrollCode::kBottom;
    default:
        return ScrollCode::kOther;
    }
}

} // namespace

IMPLEMENT_DYNCREATE(CMainListView, CScrollView)

CMainListView::CMainListView() : drawer_(index_, kResultList) {
    displayFont_ = WenuxApp().State().displayFont;
    printFont_ = WenuxApp().State().printFont;
    MapViewCommands();
}

CMainListView::~CMainListView() {
    ReleaseView();
}

void CMainListView::MapViewCommands() {
    MapCommand(ID_JUMP_PAGE, &CMainListView::OnJumpPage);
    MapUpdate(ID_JUMP_PAGE, &CMainListView::OnUpdateNeedsPages);
    MapCommand(ID_JUMP_TOP, &CMainListView::OnJumpTop);
    MapCommand(ID_JUMP_BOTTOM, &CMainListView::OnJumpBottom);
    MapCommand(ID_JUMP_NEXT, &CMainListView::OnJumpNext);
    MapCommand(ID_JUMP_PREVIOUS, &CMainListView::OnJumpPrevious);
    MapCommand(ID_SEARCH_STRING, &CMainListView::OnSearchString);
    MapCommand(ID_SEARCH_ITEM_LIST, &CMainListView::OnSearchItemList);
    MapCommand(ID_SEARCH_AGAIN, &CMainListView::OnSearchAgain);
    MapCommand(ID_FONT_DISPLAY, &CMainListView::OnDisplayFont);
    MapCommand(ID_FONT_PRINT, &CMainListView::OnPrintFont);
    MapCommand(ID_VIEW_REINITIALIZE, &CMainListView::OnReinitialize);
    MapCommand(ID_FILE_PRINT, &CMainListView::OnFilePrintCommand);
}

void CMainListView::ReleaseView() {
    if (released_) {
        return;
    }
    released_ = true;
    if (auto* app = dynamic_cast<CWenuxApp*>(AfxGetApp())) {
        app->State().displayFont = displayFont_;
        app->State().printFont = printFont_;
    }
    ReleaseIndex();
}

void CMainListView::ReleaseIndex() {
    index_.CloseListFiles();
    pager_.Reset(nullptr);
}

CString CMainListView::TypeText() const {
    return CString(DocumentTypeOf(documentType_).typeText);
}

void CMainListView::ChooseTypeAndWidth() {
    documentType_ = kResultList;
    lineWidth_ = DocumentTypeOf(kResultList).lineWidth;
}

void CMainListView::OnInitialUpdate() {
    ReleaseIndex();
    listShown_ = false;
    if (released_) {
        return;
    }
    if (auto* document = dynamic_cast<CMainDoc*>(GetDocument())) {
        listPath_ = document->ListPath();
    }
    ChooseTypeAndWidth();
    drawer_.SetDocumentType(documentType_);
    drawer_.SetLineWidth(lineWidth_);
    CreateDisplayFont();
    SizeChildWindow();
    SetFrameTitle();
    CWaitCursor wait;
    if (!index_.OpenListFile(listPath_, LinesPerPageOf(documentType_))) {
        ReleaseIndex();
        Invalidate();
        return;
    }
    if (!index_.LoadLineWindow(0)) {
        AfxMessageBox(u8"ﾎﾟｲﾝﾀ･ﾌｧｲﾙの読み込みｴﾗｰのため、表示できません");
        ReleaseIndex();
        Invalidate();
        return;
    }
    listShown_ = true;
    pager_.Reset(&index_);
    SetScrollGeometry();
    UpdatePageText();
    UpdateTypeText();
    UpdateStatusNumbers();
    Invalidate();
}

void CMainListView::OnReinitialize() {
    OnInitialUpdate();
}

void CMainListView::CreateDisplayFont() {
    CClientDC dc(this);
    if (displayFont_.height == 0) {
        displayFont_.height = (dc.GetDeviceCaps(LOGPIXELSY) * 10) / -72;
    }
    const LOGFONT logFont = ToLogFont(displayFont_);
    font_.CreateFontIndirect(&logFont);
    CFont* old = dc.SelectObject(&font_);
    TEXTMETRIC metrics;
    dc.GetTextMetrics(&metrics);
    dc.SelectObject(old);
    textHeight_ = std::max<int>(1, metrics.tmHeight);
    textWidth_ = std::max<int>(1, metrics.tmAveCharWidth);
    drawer_.SetTextHeight(textHeight_);
    drawer_.SetColumnAdvances(textWidth_);
}

void CMainListView::SizeChildWindow() {
    auto* child = dynamic_cast<CMDIChildWnd*>(GetParentFrame());
    CMDIFrameWnd* mainFrame = child ? child->GetMDIFrame() : nullptr;
    auto* sub = child ? qobject_cast<QMdiSubWindow*>(child->GetWidget()) : nullptr;
    if (!mainFrame || !mainFrame->MdiArea() || !sub) {
        return;
    }
    QStyle* style = QApplication::style();
    const int scrollBar = style->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int frame = style->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth);
    const int titleBar = style->pixelMetric(QStyle::PM_TitleBarHeight);
    const QSize client = mainFrame->MdiArea()->viewport()->size();
    QWidget* mainWindow = mainFrame->GetWidget();
    const ChildWindowSize size = ComputeChildWindowSize(
        documentType_, lineWidth_, textWidth_, textHeight_, client.width(), client.height(), scrollBar, frame,
        WenuxApp().State().startedWithFile, mainWindow->width());
    if (size.widenMainFrame) {
        QRect geometry = mainWindow->geometry();
        geometry.setWidth(size.mainFrameWidth);
        const QRect screen =
            mainWindow->screen() ? mainWindow->screen()->availableGeometry() : QRect(0, 0, 1280, 1024);
        const ScreenRect centred =
            CenterOnScreen({geometry.left(), geometry.top(), geometry.right() + 1, geometry.bottom() + 1},
                           screen.width(), screen.height());
        mainWindow->setGeometry(centred.left + screen.left(), centred.top + screen.top(),
                                centred.right - centred.left, centred.bottom - centred.top);
    }
    // The frame keeps the view's size but never reaches past the client area's bottom.
    const int height = std::max(size.height + titleBar + frame, textHeight_ * 3);
    sub->resize(size.width, std::min(height, std::max(client.height() - 25, textHeight_ * 3)));
    // At (25, 25), or down the diagonal from there when another list already opened there.
    sub->move(mainFrame->FreeChildPosition(QPoint(25, 25), child));
}

void CMainListView::SetFrameTitle() {
    if (auto* child = dynamic_cast<CChildFrame*>(GetParentFrame())) {
        child->SetCaption(FormatFrameTitle(CString(DocumentTypeOf(documentType_).prefix), listPath_));
    }
}

void CMainListView::SetScrollGeometry() {
    const ScrollSizes sizes = ComputeScrollSizes(textWidth_, pager_.PageCount());
    SetScrollSizes(MM_TEXT, CSize(sizes.totalWidth, sizes.totalHeight),
                   CSize(sizes.pageWidth, sizes.pageHeight), CSize(sizes.lineWidth, sizes.lineHeight));
    ScrollToPosition(CPoint(0, 0));
    SyncVerticalBar();
}

void CMainListView::SyncVerticalBar() {
    QScrollBar* bar = VerticalBar();
    if (!bar) {
        return;
    }
    // The vertical bar stands for the pages, not for pixels.
    bar->setRange(0, pager_.PageCount() > 0 ? CListPager::kScrollRange : 0);
    bar->setPageStep(pager_.PageStep());
    bar->setSingleStep(1);
    bar->setValue(pager_.Position());
    bar->setVisible(pager_.PageCount() > 0);
}

void CMainListView::OnSize(UINT type, int cx, int cy) {
    CScrollView::OnSize(type, cx, cy);
    SyncVerticalBar();
}

void CMainListView::OnHScroll(UINT code, UINT position) {
    CScrollView::OnHScroll(code, position);
    SyncVerticalBar();
}

void CMainListView::OnPrepareDC(CDC* dc, CPrintInfo* info) {
    if (!dc->IsPrinting()) {
        dc->SetMapMode(MM_TEXT);
        dc->SetViewportOrg(-GetScrollPosition().x, -pager_.Position());
    }
    // The scroll view's own mapping would undo the pager's origin set above.
    CView::OnPrepareDC(dc, info); // NOLINT(bugprone-parent-virtual-call)
}

void CMainListView::OnDraw(CDC* dc) {
    if (index_.LineCount() < 1 || dc->IsPrinting() || pager_.PageCount() < 1) {
        return;
    }
    CRect clip;
    dc->GetClipBox(&clip);
    clip.InflateRect(1, 1);
    const DrawRange range = ComputeDrawRange(clip.top, clip.bottom, pager_.Position(), pager_.TopLine(),
                                             pager_.CurrentRecord().firstLine, textHeight_);
    CFont* old = dc->SelectObject(&font_);
    drawer_.DrawPage(dc, pager_.CurrentPage(), range.firstRow, range.rowCount, 2, range.y0, pager_.TopLine(),
                     true);
    dc->SelectObject(old);
}

void CMainListView::OnVScroll(UINT code, UINT position) {
    if (pager_.PageCount() < 1) {
        return;
    }
    ApplyScrollEffect(pager_.OnVScroll(ToScrollCode(code), static_cast<int>(position)));
}

void CMainListView::ApplyScrollEffect(const ScrollEffect& effect) {
    if (effect.scrollRows != 0 || effect.repaintAll) {
        Invalidate();
    }
    if (effect.pageTextChanged) {
        UpdatePageText();
    }
    SyncVerticalBar();
    UpdateStatusNumbers();
}

void CMainListView::ShowPageEffects() {
    UpdatePageText();
    UpdateStatusNumbers();
    Invalidate();
    SyncVerticalBar();
}

void CMainListView::OnSetFocus(CWnd* oldWnd) {
    CScrollView::OnSetFocus(oldWnd);
    ProgramState& state = WenuxApp().State();
    state.messageText.Empty();
    NotifyMainFrame(ID_NOTIFY_MESSAGE_TEXT);
    if (pager_.PageCount() > 0) {
        UpdatePageText();
    }
    UpdateTypeText();
    UpdateStatusNumbers();
}

void CMainListView::UpdatePageText() {
    WenuxApp().State().pageText = FormatPageText(pager_.CurrentPage(), pager_.PageCount(), listPath_);
    NotifyMainFrame(ID_NOTIFY_PAGE_TEXT);
}

void CMainListView::UpdateTypeText() {
    WenuxApp().State().typeText = TypeText();
    NotifyMainFrame(ID_NOTIFY_TYPE_TEXT);
}

void CMainListView::UpdateStatusNumbers() {
    ProgramState& state = WenuxApp().State();
    state.pageNumber = pager_.CurrentPage() + 1;
    state.lineNumber = pager_.TopLine();
    NotifyMainFrame(ID_NOTIFY_STATUS_NUMBERS);
}

void CMainListView::OnUpdateNeedsPages(CCmdUI* ui) {
    ui->Enable(pager_.PageCount() > 0);
}

void CMainListView::JumpToEnteredPage(unsigned entered) {
    if (pager_.JumpToEnteredPage(entered)) {
        ShowPageEffects();
    }
}

void CMainListView::OnJumpPage() {
    if (pager_.PageCount() < 1) {
        return;
    }
    CPageJumpDialog dialog(this);
    if (dialog.DoModal() == IDOK) {
        JumpToEnteredPage(dialog.m_nPage);
    }
}

void CMainListView::OnJumpTop() {
    if (pager_.JumpToFirst()) {
        ShowPageEffects();
    }
}

void CMainListView::OnJumpBottom() {
    if (pager_.JumpToLast()) {
        ShowPageEffects();
    }
}

void CMainListView::OnJumpNext() {
    if (pager_.JumpToNext()) {
        ShowPageEffects();
    } else {
        MessageBeep(MB_OK);
    }
}

void CMainListView::OnJumpPrevious() {
    if (pager_.JumpToPrevious()) {
        ShowPageEffects();
    } else {
        MessageBeep(MB_OK);
    }
}

void CMainListView::SearchAndShowText(const CString& text, int startLine, int restartLine) {
    if (pager_.PageCount() < 1 || text.IsEmpty()) {
        return;
    }
    CWaitCursor wait;
    CListSearch search(index_, documentType_);
    if (SearchAndShow(search, pager_, text, startLine, restartLine)) {
        ShowPageEffects();
    }
}

void CMainListView::OnSearchString() {
    ProgramState& state = WenuxApp().State();
    CSearchStringDialog dialog(this);
    dialog.m_strText = state.searchString;
    if (dialog.DoModal() != IDOK) {
        return;
    }
    state.searchString = dialog.m_strText;
    SearchAndShowText(state.searchString, pager_.TopLine(), pager_.TopLine());
}

void CMainListView::OnSearchItemList() {
    ProgramState& state = WenuxApp().State();
    CItemListDialog dialog(state.searchItems, this);
    if (dialog.DoModal() != IDOK) {
        return;
    }
    if (!dialog.m_strSelected.IsEmpty()) {
        state.searchString = dialog.m_strSelected;
    }
    SearchAndShowText(state.searchString, pager_.TopLine(), pager_.TopLine());
}

void CMainListView::OnSearchAgain() {
    SearchAndShowText(WenuxApp().State().searchString, pager_.TopLine() + 1, pager_.TopLine());
}

void CMainListView::ApplyDisplayFont() {
    font_.DeleteObject();
    CreateDisplayFont();
    if (pager_.PageCount() > 0) {
        SetScrollGeometry();
    }
    Invalidate();
}

void CMainListView::OnDisplayFont() {
    if (ChooseDisplayFont(this, displayFont_)) {
        ApplyDisplayFont();
    }
}

void CMainListView::OnPrintFont() {
    ListFont chosen = printFont_;
    if (ChoosePrintFont(this, chosen)) {
        printFont_ = chosen;
    }
}

void CMainListView::OnFilePrintCommand() {
    if (pager_.PageCount() < 1 || index_.LineCount() < 1) {
        return;
    }
    // Without a printer the dialog offers a PDF file beside the list as the one target.
    CMyPrintDialog dialog(FALSE, PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOSELECTION | PD_HIDEPRINTTOFILE,
                          this);
    dialog.m_pd.nMinPage = 1;
    dialog.m_pd.nMaxPage = static_cast<WORD>(std::min(pager_.PageCount(), 0xFFFF));
    dialog.m_pd.nFromPage = 1;
    dialog.m_pd.nToPage = dialog.m_pd.nMaxPage;
    // The paper chosen in the printer set-up.
    if (dialog.GetPrinter()) {
        dialog.GetPrinter()->setPageOrientation(WenuxApp().PageLayout().orientation());
    }
    if (dialog.DoModal() != IDOK || !dialog.GetPrinter()) {
        return;
    }
    CPrintInfo info;
    info.m_pPrinter = dialog.GetPrinter();
    info.m_bDirect = TRUE; // the dialog has been answered
    info.m_bToPdf = info.m_pPrinter->outputFormat() == QPrinter::PdfFormat;
    if (dialog.PrintRange()) {
        info.m_nFromPage = static_cast<UINT>(dialog.GetFromPage());
        info.m_nToPage = static_cast<UINT>(dialog.GetToPage());
    }
    if (OnPreparePrinting(&info)) {
        platform::PrintRunner::RunJob(this, &info);
    }
}

BOOL CMainListView::OnPreparePrinting(CPrintInfo* info) {
    if (pager_.PageCount() < 1 || index_.LineCount() < 1) {
        return FALSE;
    }
    if (info->m_pPrinter && (info->m_bToPdf || info->m_bPreview)) {
        info->m_pPrinter->setPageLayout(WenuxApp().PageLayout());
    }
    if (info->m_pPrinter) {
        // The job is named by the list's file name, as the drawing viewer names its jobs.
        const std::string& path = listPath_.str();
        info->m_pPrinter->setDocName(platform::ToQString(CString(path.substr(path.find_last_of('/') + 1))));
    }
    info->SetMinPage(1);
    info->SetMaxPage(static_cast<UINT>(pager_.PageCount()));
    if (!DoPreparePrinting(info)) {
        return FALSE;
    }
    const bool portrait =
        !info->m_pPrinter || info->m_pPrinter->pageLayout().orientation() == QPageLayout::Portrait;
    auto job = std::make_unique<ListPrintJob>(index_, drawer_, documentType_);
    if (!job->Plan(portrait, static_cast<int>(info->GetFromPage()), static_cast<int>(info->GetToPage()))) {
        return FALSE;
    }
    printJob_ = std::move(job);
    info->SetMinPage(1);
    info->SetMaxPage(static_cast<UINT>(printJob_->SheetCount()));
    info->m_nFromPage = 1;
    info->m_nToPage = static_cast<UINT>(printJob_->SheetCount());
    return TRUE;
}

void CMainListView::OnPrint(CDC* dc, CPrintInfo* info) {
    if (printJob_) {
        printJob_->PrintSheet(dc, static_cast<int>(info->m_nCurPage) - 1, info->m_rectDraw, printFont_);
    }
}

void CMainListView::OnEndPrinting(CDC*, CPrintInfo*) {
    drawer_.SetColumnAdvances(textWidth_);
    drawer_.SetTextHeight(textHeight_);
    Invalidate();
}

} // namespace wenux
