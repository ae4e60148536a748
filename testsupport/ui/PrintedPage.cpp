#include "testsupport/ui/PrintedPage.h"

#include "platform/ui/CDC.h"
#include "platform/ui/CPrintInfo.h"
#include "platform/ui/CView.h"

namespace testsupport {

QImage PrintedA4Page(CView& view) {
    constexpr int kDotsPerMetre = 5906; // 150 dots per inch
    QImage page(1240, 1754, QImage::Format_RGB32);
    page.setDotsPerMeterX(kDotsPerMetre);
    page.setDotsPerMeterY(kDotsPerMetre);
    page.fill(Qt::white);
    CDC dc;
    if (!dc.AttachDevice(&page, true)) {
        return {};
    }
    CPrintInfo info;
    info.m_rectDraw = CRect(0, 0, page.width(), page.height());
    view.OnPrepareDC(&dc, &info);
    view.OnPrint(&dc, &info);
    dc.Detach();
    return page;
}

} // namespace testsupport
