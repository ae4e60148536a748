// Printing of the section view: one page of what the window shows.

#include "common/ui/section/CViewBase.h"

#include "common/ui/section/PrintedLook.h"
#include "common/ui/section/ScreenPrinting.h"
#include "common/view/PrintScale.h"
#include "platform/ui/CClientDC.h"

void CViewBase::OnFilePrint() {
    section::ScreenPrinting::Print(*this);
}

void CViewBase::OnFilePrintPreview() {
    section::ScreenPrinting::Preview(*this);
}

// Always one page, with no print dialog.
BOOL CViewBase::OnPreparePrinting(CPrintInfo* info) {
    section::ScreenPrinting::SetOnePage(*info);
    info->m_bDirect = TRUE;
    return DoPreparePrinting(info);
}

void CViewBase::BeginPrintedPage(const section::PrintScale& scale, CPoint scrollPosition, bool monochrome) {
    if (!windowLook_) {
        windowLook_ = WindowLook{m_view, m_dMarkWidth, m_crRed};
    }
    m_view = scale.PagePlane(windowLook_->plane, scrollPosition);
    printing_ = scale;
    m_dMarkWidth = scale.deviceRatio;
    if (monochrome) {
        m_crRed = RGB(0, 0, 0);
    }
}

void CViewBase::EndPrintedPage() {
    if (windowLook_) {
        m_view = windowLook_->plane;
        m_dMarkWidth = windowLook_->markWidth;
        m_crRed = windowLook_->third;
        windowLook_.reset();
    }
    printing_ = section::PrintScale();
}

void CViewBase::OnPrint(CDC* dc, CPrintInfo* info) {
    int screenDpi = 0;
    {
        CClientDC screen(this);
        screenDpi = screen.GetDeviceCaps(LOGPIXELSX);
    }
    const section::PrintScale scale = section::PrintScale::Compute(ClientSize(), info->m_rectDraw.Size(),
                                                                   screenDpi, dc->GetDeviceCaps(LOGPIXELSX));
    const section::PrintedLook look(*this, scale, GetScrollPosition());
    OnDraw(dc);
}
