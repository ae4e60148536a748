#pragma once
// The view of a result list, and the base of the log views: shows the file page by page
// from its line index, scrolls by lines and pages through the vertical bar (whose position
// 0..30000 stands for the pages), jumps, searches, changes its fonts and prints.

#include "list_viewer/app/ListPageDrawer.h"
#include "list_viewer/app/ListPrintJob.h"
#include "list_viewer/core/CLineIndex.h"
#include "list_viewer/core/CListPager.h"
#include "list_viewer/core/FontSettings.h"
#include "list_viewer/core/PageRows.h"

#include "platform/ui/CFont.h"
#include "platform/ui/CScrollView.h"

#include <memory>

namespace wenux {

class CMainListView : public CScrollView {
    DECLARE_DYNCREATE(CMainListView)
public:
    CMainListView();
    ~CMainListView() override;

    void OnInitialUpdate() override;
    void OnDraw(CDC* dc) override;
    void OnPrepareDC(CDC* dc, CPrintInfo* info = nullptr) override;
    void OnVScroll(UINT code, UINT position) override;
    void OnHScroll(UINT code, UINT position) override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnSetFocus(CWnd* oldWnd) override;
    BOOL OnPreparePrinting(CPrintInfo* info) override;
    void OnPrint(CDC* dc, CPrintInfo* info) override;
    void OnEndPrinting(CDC* dc, CPrintInfo* info) override;

    // Hands the fonts back to the program and releases the index with its work file.
    // Runs once, when the document closes or the view goes, whichever comes first.
    void ReleaseView();

    int DocumentType() const { return documentType_; }
    int LineWidth() const { return lineWidth_; }
    // Text of the tool bar's type box for this view.
    virtual CString TypeText() const;
    const CString& ListPath() const { return listPath_; }
    const CLineIndex& Index() const { return index_; }
    // False when the view's first reading of the list failed (its message was shown).
    bool ListShown() const { return listShown_; }
    const CListPager& Pager() const { return pager_; }
    int TextHeight() const { return textHeight_; }
    int TextWidth() const { return textWidth_; }
    ListFont& DisplayFont() { return displayFont_; }
    ListFont& PrintFont() { return printFont_; }

    // The navigation commands without their dialogs (the dialogs call these).
    void JumpToEnteredPage(unsigned entered);
    // Search from startLine, then from the top up to restartLine when the user asks.
    void SearchAndShowText(const CString& text, int startLine, int restartLine);
    // Rebuilds the display font from DisplayFont() and repaints.
    void ApplyDisplayFont();
    // The paper pages (1-based file pages per sheet) of the last planned print run.
    const ListPrintJob* LastPrintJob() const { return printJob_.get(); }

protected:
    // The document type and row width; the log views take them from the list path.
    virtual void ChooseTypeAndWidth();

    int documentType_ = kResultList;
    int lineWidth_ = 110;

private:
    void MapViewCommands();
    void ReleaseIndex();
    void CreateDisplayFont();
    void SizeChildWindow();
    void SetFrameTitle();
    void SetScrollGeometry();
    void SyncVerticalBar();
    void ShowPageEffects();
    void UpdatePageText();
    void UpdateTypeText();
    void UpdateStatusNumbers();
    void ApplyScrollEffect(const ScrollEffect& effect);

    void OnJumpPage();
    void OnJumpTop();
    void OnJumpBottom();
    void OnJumpNext();
    void OnJumpPrevious();
    void OnSearchString();
    void OnSearchItemList();
    void OnSearchAgain();
    void OnDisplayFont();
    void OnPrintFont();
    void OnReinitialize();
    void OnFilePrintCommand();
    void OnUpdateNeedsPages(CCmdUI* ui);

    CString listPath_;
    CLineIndex index_;
    CListPager pager_;
    ListPageDrawer drawer_;
    std::unique_ptr<ListPrintJob> printJob_;
    ListFont displayFont_;
    ListFont printFont_;
    CFont font_;
    int textHeight_ = 16;
    int textWidth_ = 8;
    bool released_ = false;
    bool listShown_ = false;
};

} // namespace wenux
