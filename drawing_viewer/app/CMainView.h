#pragma once
// The drawing viewer's view: one page of the drawing at a time, scaled into the window with
// the paper's y upwards; fitting, zooming into a right-dragged rectangle, paging, reopening
// the plot files, copying the page or a range of it to the clipboard, printing one page per
// sheet centred at the paper's true scale, and the annotation of the page with strings:
// placing, editing, selecting, moving, resizing and deleting them, the face of all plot
// fonts, and the export of pages as DXF files.

#include "drawing_viewer/core/CPlotString.h"

#include "drawing_viewer/app/CFigure.h"

#include "platform/core/CPoint.h"
#include "platform/core/CString.h"
#include "platform/core/Unset.h"
#include "platform/ui/CScrollView.h"
#include "platform/ui/GdiTypes.h"

#include <memory>
#include <vector>

namespace zapho {

class CViewerDoc;
class CMainDoc;

class CMainView : public CScrollView {
    DECLARE_DYNCREATE(CMainView)
public:
    // Modes of the view: none, copy range, string input, string selection.
    enum Mode { kNoMode = -1, kCopyRangeMode = 14, kStringInputMode = 15, kStringSelectMode = 16 };

    CMainView();
    ~CMainView() override;

    CViewerDoc* GetDocument() const;
    CMainDoc& Data() const;

    void OnInitialUpdate() override;
    void OnDraw(CDC* dc) override;
    void OnPrepareDC(CDC* dc, CPrintInfo* info = nullptr) override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnLButtonUp(UINT flags, CPoint point) override;
    void OnRButtonDown(UINT flags, CPoint point) override;
    void OnRButtonUp(UINT flags, CPoint point) override;
    void OnMouseMove(UINT flags, CPoint point) override;
    void OnKeyDown(UINT keyCode, UINT repeatCount, UINT flags) override;
    void OnSetFocus(CWnd* oldWnd) override;

    // The print command: the print dialog on a printer of the program's set-up, then the job.
    void OnFilePrint();
    BOOL OnPreparePrinting(CPrintInfo* info) override;
    void OnBeginPrinting(CDC* dc, CPrintInfo* info) override;
    void OnPrint(CDC* dc, CPrintInfo* info) override;
    void OnEndPrinting(CDC* dc, CPrintInfo* info) override;

    int Page() const { return m_nPage; }
    int Mode() const { return m_nMode; }
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

    // The strings of the page shown.
    std::vector<std::unique_ptr<CPlotString>>& PageTexts() const;
    // Opens the string input dialog for a new string at the paper point, or for string index,
    // once the click that asked for it has ended.
    void PostAddString(int x, int y);
    void PostReplaceString(int index);
    void AddStringData(int x, int y);
    void ReplaceStringData(int index);
    // After strings changed: repaints, and marks the drawing modified when asked.
    void StringsChanged(bool modified);
    // Puts the paper range (corners in plot units) on the clipboard and keeps it for TAB.
    void CopyRange(double x1, double y1, double x2, double y2);
    // The extent of a text in plot units, as a string of this font entry draws it.
    CSize MeasureString(const CString& text, int fontIndex, int align) const;

    void OnStringInput();
    void OnStringSelect();
    void OnStringDelete();
    void OnStringSize();
    void OnStringFont();
    void OnCopyRange();
    void OnSystemSettings();
    void OnDxfOutput();

    LOGFONT m_logfont; // the plot font of this view
    CString m_strDxfFile;
    double m_dDxfScaleWide = 0.8;
    double m_dDxfScaleNarrow = 0.5;
    int m_nDxfColorMode = 0;
    int m_nDxfWidthColor[4] = {5, 8, 1, 6};

private:
    void PageSetup();
    void PlaceFirstFrame();
    // The client area as it is without scroll bars.
    CSize FittingClientSize() const;
    // The client size left once the scroll bars a page zoomed to width x height needs show;
    // scale gets the zoom's scale.
    CSize ZoomClientSize(int width, int height, double& scale) const;
    void GoToPage(int page);
    void ResyncScrollSizes(double paperX, double paperY);
    void RefreshPrompt();
    void ReverseTextAngles();
    // The mode text and page text of the prompt bar, and the message pane.
    void ShowModeText();
    void ShowMessage(const char8_t* text);
    void SetMode(int mode, int figureType, const char8_t* prompt);
    void DeselectAllStrings();
    // The string hit at a paper point: 0 none, index + 1, or -(index + 1) for a selected string
    // hit without Ctrl.
    int HitTest(double x, double y) const;
    CFigure::Point MakePoint(CPoint client, bool hitTest) const;
    void ApplyConstraint(CPoint& client) const;
    void CreateDrawFigure(const CFigure::Point& point);
    void EndDrawFigure();
    void TrackFigure(CPoint client);
    void ConfirmRange(bool confirmed);
    void EndZoom(CPoint point);
    void TabCoordinates();
    void RunCoordinateEntry();
    void DrawMarks(CDC* dc);
    void UpdateCursor();

    double m_dFitScale = 1.0;
    double m_dPaperW = 0.0;
    double m_dPaperH = 0.0;
    int m_nPage = 0;
    bool m_bRedraw = true;
    bool fitted_ = false; // fitted into a window of its real size
    bool m_bZoomDrag = false;
    bool m_bSkipClick = false; // the click that gave the focus starts nothing
    bool m_bBusy = false;      // the TAB coordinate dialog runs
    bool m_bCtrl = false;      // Ctrl held at the last left press
    bool m_bRelative = false;  // last state of the TAB dialog's relative check box
    COLORREF m_crFigure = 0x808080;
    COLORREF m_crSelect = 0x808000;
    std::unique_ptr<CFigure> m_pFigure;
    std::unique_ptr<CFigure> m_pConfirmFigure;
    CPoint m_ptLast;
    double m_dRangeX1 = platform::kUnsetDouble; // cm, the last confirmed copy range
    double m_dRangeX2 = platform::kUnsetDouble;
    double m_dRangeY1 = platform::kUnsetDouble;
    double m_dRangeY2 = platform::kUnsetDouble;
    int m_nMode = kNoMode;
    int m_nFigureType = 0;
    int m_nConstrain = 0; // 1: only x follows the mouse, 2: only y
    // Saved for one printed page.
    double savedScale_ = 0.0;
    double savedOriginX_ = 0.0;
    double savedOriginY_ = 0.0;
};

} // namespace zapho
