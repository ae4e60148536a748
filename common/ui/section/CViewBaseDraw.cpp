// The drawing primitives of the section view: marks sized in device pixels around a logical
// point, labels and closed polygons.

#include "common/ui/section/CViewBase.h"

#include "platform/core/Unset.h"
#include "platform/ui/CClientDC.h"

#include <algorithm>
#include <cmath>
#include <numbers>

CSize CViewBase::LargestLabelExtent(std::span<const section::NumberStyle> numbers) {
    CClientDC dc(this);
    CSize largest(0, 0);
    for (const section::NumberStyle& number : numbers) {
        CFont font;
        font.CreateFontIndirect(&number.font);
        CFont* old = dc.SelectObject(&font);
        const CSize extent = dc.GetTextExtent("1234");
        dc.SelectObject(old);
        largest.cx = std::max(largest.cx, extent.cx);
        largest.cy = std::max(largest.cy, extent.cy);
    }
    return largest;
}

CRect CViewBase::DeviceBox(CDC* dc, CPoint point, int left, int top, int right, int bottom) const {
    dc->LPtoDP(&point);
    CRect box(point.x + left, point.y + top, point.x + right, point.y + bottom);
    dc->DPtoLP(&box);
    return box;
}

void CViewBase::DrawPointBox(CDC* dc, CPoint point, CBrush* brush, int n) const {
    dc->FillRect(DeviceBox(dc, point, -n, -n, n + 1, n + 1), brush);
}

void CViewBase::DrawPointBoxColor(CDC* dc, CPoint point, COLORREF color, int n) const {
    CBrush brush(color);
    DrawPointBox(dc, point, &brush, n);
}

void CViewBase::FramePointBox(CDC* dc, CPoint point, COLORREF color, int n) const {
    CBrush brush(color);
    dc->FrameRect(DeviceBox(dc, point, -n, -n, n + 1, n + 1), &brush);
}

// A filled n x n block with both diagonals of the square of +-n. The diagonals are one
// screen pixel wide, so a printed mark widens them with the mark scale: a hairline on a
// printer would leave only the block, a different symbol than the window's.
void CViewBase::DrawCrossMark(CDC* dc, CPoint point, COLORREF color, int n) const {
    dc->FillSolidRect(DeviceBox(dc, point, -(n / 2), -(n / 2), n - n / 2, n - n / 2), color);
    CPen pen(PS_SOLID, std::max(1, static_cast<int>(std::lround(m_dMarkWidth))), color);
    CPen* old = dc->SelectObject(&pen);
    CPoint device = point;
    dc->LPtoDP(&device);
    CPoint ends[4] = {CPoint(device.x - n + 1, device.y - n + 1), CPoint(device.x + n, device.y + n),
                      CPoint(device.x + n - 1, device.y - n + 1), CPoint(device.x - n, device.y + n)};
    dc->DPtoLP(ends, 4);
    dc->MoveTo(ends[0]);
    dc->LineTo(ends[1]);
    dc->MoveTo(ends[2]);
    dc->LineTo(ends[3]);
    dc->SelectObject(old);
}

// An equilateral triangle, apex below the point: half width n / 2 + 2 x the mark scale.
void CViewBase::DrawTriangleMark(CDC* dc, CPoint point, COLORREF color, int n) const {
    const int half = n / 2 + static_cast<int>(2 * m_dMarkWidth);
    const double cos30 = std::cos(std::numbers::pi / 6);
    const double radius = half / cos30;
    CPoint device = point;
    dc->LPtoDP(&device);
    CPoint corners[3] = {CPoint(device.x, device.y + static_cast<int>(radius)),
                         CPoint(device.x + half, device.y - static_cast<int>(0.5 * radius)),
                         CPoint(device.x - half, device.y - static_cast<int>(0.5 * radius))};
    dc->DPtoLP(corners, 3);
    CPen pen(PS_SOLID, 1, color);
    CBrush brush(color);
    CPen* oldPen = dc->SelectObject(&pen);
    CBrush* oldBrush = dc->SelectObject(&brush);
    dc->Polygon(corners, 3);
    dc->SelectObject(oldBrush);
    dc->SelectObject(oldPen);
}

void CViewBase::DrawLabel(CDC* dc, int x, int y, const CString& text, CBrush* frame) const {
    if (frame) {
        const CSize extent = dc->GetTextExtent(text);
        dc->FrameRect(CRect(x - 2, y - 1, x + extent.cx + 3, y + extent.cy + 1), frame);
    }
    dc->TextOut(x, y, text);
}

void CViewBase::DrawPolylineWorld(CDC* dc, const double* xs, const double* ys, int n, COLORREF color) const {
    if (!xs || n <= 0 || platform::IsUnsetDouble(xs[0])) {
        return;
    }
    std::vector<CPoint> points;
    points.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        points.push_back(WorldToLogical(xs[i], ys[i]));
    }
    CPen pen(PS_SOLID, 1, color);
    CPen* oldPen = dc->SelectObject(&pen);
    CGdiObject* oldBrush = dc->SelectStockObject(NULL_BRUSH);
    dc->Polygon(points.data(), n);
    dc->SelectObject(static_cast<CBrush*>(oldBrush));
    dc->SelectObject(oldPen);
}

// The tool's surface: its white pixels leave the picture as it is, its band shows through.
// Never on paper or in a preview.
void CViewBase::PaintToolSurface(CDC* dc) {
    if (dc->IsPrinting() || !m_bmScreen.IsCreated()) {
        return;
    }
    CDC memory;
    memory.CreateCompatibleDC(dc);
    CBitmap* old = memory.SelectObject(&m_bmScreen);
    CRect box;
    dc->GetClipBox(&box);
    CPoint source = box.TopLeft();
    dc->LPtoDP(&source);
    dc->BitBlt(box.left, box.top, box.Width(), box.Height(), &memory, source.x, source.y, SRCAND);
    memory.SelectObject(old);
}
