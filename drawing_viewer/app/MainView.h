#pragma once
// The drawing viewer's view: one page of the drawing at a time, scaled into the window with
// the paper's y upwards; fitting, zooming into a right-dragged rectangle, paging, reopening
// the plot files, copying the page to the clipboard, and printing one page per sheet,
// centred at the paper's true scale.

#include "platform/core/CPoint.h"
#include "platform/ui/CScrollView.h"

namespace zapho {

class CViewerDoc;
class CMainDoc;

class CMainView : public CScrollView {
    DECLARE_DYNCREATE(CMainView)
public:
    CMainView();

    CViewerDoc* GetDocument() const;
    CMainDoc& Data() const;

    void OnInitialUpdate() override;
    void OnDraw(CDC* dc) override;
    void OnPrepareDC(CDC* dc, CPrintInfo* info = nullptr) override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnRButtonDown(UINT flags, CPoint point) override;
    void OnRButtonUp(UINT flags, CPoint point) override;
    void OnMouseMove(UINT flags, CPoint point) override;
    void OnSetFocus(CWnd* oldWnd) override;

    BOOL OnPreparePrinting(CPrintInfo* info) override;
    void OnBeginPrinting(CDC* dc, CPrintInfo* info) override;
    void OnPrint(CDC* dc, CPrintInfo* info) override;
    void OnEndPrinting(CDC* dc, CPrintInfo* info) override;

    int Page() const { return m_nPage; }
    double Scale() const;
    // Client point (device) to paper coordinates (plot units).
    void ClientToPaper(CPoint point, double& x, double& y) const;
    // Paper point to client point (device).
    CPoint PaperToClient(double x, double y) const;

    void OnViewAllModel();
    void OnPageNext();
    void OnPagePrevious();
    void OnPlotReopen();
    void OnCopyWhole();
    // Zooms so that the paper rectangle fills the window; false after the message when the
    // page would grow too large.
    bool ZoomTo(double x1, double y1, double x2, double y2);

private:
    void PageSetup();
    void GoToPage(int page);
    void ResyncScrollSizes(double paperX, double paperY);
    void RefreshPrompt();
    void ReverseTextAngles();

    double m_dFitScale = 1.0;
    double m_dPaperW = 0.0;
    double m_dPaperH = 0.0;
    int m_nPage = 0;
    bool m_bRedraw = true;
    bool m_bFitted = false; // fitted into a window of its real size
    bool m_bZoomDrag = false;
    CPoint m_zoomStart;
    CPoint m_zoomEnd;
    // Saved for one printed page.
    double m_savedScale = 0.0;
    double m_savedOriginX = 0.0;
    double m_savedOriginY = 0.0;
};

} // namespace zapho
