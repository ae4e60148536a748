#pragma once
// State of one print or preview run, shared by the view's print steps.

#include "platform/core/CRect.h"
#include "platform/core/CString.h"

class QPrinter;

class CPrintInfo {
public:
    void SetMinPage(UINT page) { m_nMinPage = page; }
    void SetMaxPage(UINT page) { m_nMaxPage = page; }
    UINT GetMinPage() const { return m_nMinPage; }
    UINT GetMaxPage() const { return m_nMaxPage; }
    UINT GetFromPage() const { return m_nFromPage ? m_nFromPage : m_nMinPage; }
    UINT GetToPage() const { return m_nToPage ? m_nToPage : m_nMaxPage; }

    BOOL m_bPreview = FALSE;
    BOOL m_bDirect = FALSE;
    BOOL m_bContinuePrinting = TRUE;
    UINT m_nCurPage = 1;
    UINT m_nNumPreviewPages = 1;
    UINT m_nFromPage = 0; // 0: from the first page
    UINT m_nToPage = 0;   // 0: to the last page
    CRect m_rectDraw;     // printable area of the page in device units
    // The printer or PDF writer of this run (owned by the print runner).
    QPrinter* m_pPrinter = nullptr;
    // True when the pages go to a PDF file because there is no printer.
    bool m_bToPdf = false;

    // A preview's screen pixels per printer pixel at the zoom its pages are drawn for (0: as
    // for paper); see CDC::SetPreviewScale.
    void SetPreviewScale(double scale) { previewScale_ = scale; }
    double PreviewScale() const { return previewScale_; }

private:
    double previewScale_ = 0.0;
    UINT m_nMinPage = 1;
    UINT m_nMaxPage = 0xFFFF;
};
