#include "analysis/app/SectionPainter.h"

#include "analysis/core/CBlockDoc.h"
#include "analysis/core/CDispData.h"
#include "analysis/core/CLine.h"
#include "analysis/core/CNode.h"
#include "analysis/core/CVerrant.h"
#include "platform/core/CodePage.h"
#include "platform/core/MapEntries.h"
#include "platform/core/Unset.h"
#include "platform/ui/CDC.h"

#include <cmath>
#include <numbers>

namespace torvan {

using platform::IsUnsetDouble;

namespace {

CRect GrownClipBox(CDC& dc) {
    CRect box;
    dc.GetClipBox(&box);
    box.left -= 1;
    box.top -= 1;
    box.right += 1;
    box.bottom += 1;
    return box;
}

CString NumberText(int number) {
    CString text;
    text.Format("%d", number);
    return text;
}

// Selects a pen for its lifetime.
class PenScope {
public:
    PenScope(CDC& dc, int width, COLORREF color)
        : dc_(dc), pen_(PS_SOLID, width, color), old_(dc.SelectObject(&pen_)) {}
    ~PenScope() { dc_.SelectObject(old_); }
    PenScope(const PenScope&) = delete;
    PenScope& operator=(const PenScope&) = delete;

private:
    CDC& dc_;
    CPen pen_;
    CPen* old_;
};

} // namespace

CString SectionPainter::PointLabel(const CNode& point, int numberType) {
    return PointLabel(point.number, point.name, numberType);
}

CString SectionPainter::PointLabel(int number, const CString& name, int numberType) {
    if (numberType < 1) {
        return NumberText(number);
    }
    const std::string& bytes = name.str();
    if (bytes.size() < 16) {
        return name;
    }
    std::size_t end = 0;
    while (end < bytes.size()) {
        const std::size_t length = platform::Cp932CharLength(bytes, end);
        if (end + length > 15) {
            break;
        }
        end += length;
    }
    return CString(bytes.substr(0, end));
}

SectionPainter::SectionPainter(CBlockView& view, CBlockDoc& model, CDC& dc)
    : view_(view), model_(model), dc_(dc), display_(view.m_display), clip_(GrownClipBox(dc)),
      clipper_(clip_) {
    const int pixelsPerInch = dc.GetDeviceCaps(LOGPIXELSX);
    markSize_ = static_cast<int>(pixelsPerInch / 25.4 * 1.5);
    // At the window's "view all" scale a displacement of the divisor is one centimetre long on
    // the screen. A printed page copies the window's picture, so the vector keeps its length
    // in the model (the screen's centimetre and view-all scale), growing with the page as
    // the ground line does.
    const double divisor = IsUnsetDouble(model.Settings().m_dVectorScale) ? model.Extents().m_dMaxDisp
                                                                          : model.Settings().m_dVectorScale;
    const section::PrintScale& printing = view.Printing();
    const int screenPixelsPerInch = printing.screenDpi > 0 ? printing.screenDpi : pixelsPerInch;
    const double fitScale = view.Plane().FitScaleXY();
    if (!IsUnsetDouble(divisor) && divisor > 0.0 && !IsUnsetDouble(fitScale) && fitScale > 0.0) {
        vectorFactor_ = screenPixelsPerInch / 2.54 / (fitScale / printing.pictureFactor) / divisor;
    }
}

void SectionPainter::Paint() {
    dc_.SetBkMode(TRANSPARENT);
    GroundLines();
    for (int item = kPointNode; item < kPointItems; ++item) {
        Points(item);
    }
    for (int item = kNumberNode; item <= kNumberBound; ++item) {
        PointNumbers(item);
    }
    LineNumbers();
    Vectors();
    if (view_.m_bBlockTableOpen) {
        EditedBlockLines();
    } else {
        BlockLines();
    }
    SlipLines();
    SlipLineNumbers();
    ToolSurface();
}

bool SectionPainter::InClip(CPoint point) const {
    return !section::Viewport::IsUnsetPoint(point) && point.x >= clip_.left && point.x < clip_.right &&
           point.y >= clip_.top && point.y < clip_.bottom;
}

bool SectionPainter::PointXY(int key, double& x, double& y) const {
    CObject* object = nullptr;
    if (key < 0 || !model_.GroundPoints().Lookup(static_cast<WORD>(key), object)) {
        return false;
    }
    x = static_cast<CNode*>(object)->x;
    y = static_cast<CNode*>(object)->y;
    return true;
}

bool SectionPainter::Segment(double x1, double y1, double x2, double y2) {
    CPoint a = view_.WorldToLogical(x1, y1);
    CPoint b = view_.WorldToLogical(x2, y2);
    if (section::Viewport::IsUnsetPoint(a) || section::Viewport::IsUnsetPoint(b) ||
        !clipper_.ClipIntSegment(a, b)) {
        return false;
    }
    dc_.MoveTo(a);
    dc_.LineTo(b);
    // GDI leaves out a line's last pixel; a single pixel stays visible.
    if (a == b) {
        dc_.LineTo(b.x + 1, b.y);
    }
    return true;
}

void SectionPainter::Polyline(const std::vector<double>& xs, const std::vector<double>& ys) {
    bool havePrevious = false;
    double px = 0.0, py = 0.0;
    for (std::size_t i = 0; i < xs.size() && i < ys.size(); ++i) {
        if (IsUnsetDouble(xs[i]) && IsUnsetDouble(ys[i])) {
            continue;
        }
        if (havePrevious) {
            Segment(px, py, xs[i], ys[i]);
        }
        px = xs[i];
        py = ys[i];
        havePrevious = true;
    }
}

void SectionPainter::GroundLines() {
    const auto drawLines = [this](auto wanted) {
        for (auto [key, line] : platform::MapEntries<const CLine>(model_.GroundLines())) {
            double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
            if (wanted(*line) && PointXY(line->node1, x1, y1) && PointXY(line->node2, x2, y2)) {
                Segment(x1, y1, x2, y2);
            }
        }
    };
    const section::LineStyle& style = display_.lines[kLineGround];
    if (style.draw) {
        PenScope pen(dc_, style.width, style.color);
        drawLines([](const CLine& line) { return line.status == 0; });
    }
    {
        PenScope pen(dc_, 1, view_.RedColour());
        drawLines([](const CLine& line) { return line.status == 4; });
    }
    PenScope pen(dc_, 1, view_.SelectColour());
    drawLines(
        [this](const CLine& line) { return view_.Selection().Find(const_cast<CLine*>(&line)) != nullptr; });
}

void SectionPainter::HollowTriangle(CPoint point, int halfWidth, COLORREF color) {
    const double tan30 = std::tan(std::numbers::pi / 6);
    const double cos30 = std::cos(std::numbers::pi / 6);
    CPoint device = point;
    dc_.LPtoDP(&device);
    CPoint corners[3] = {CPoint(device.x, device.y + static_cast<int>(halfWidth / cos30)),
                         CPoint(device.x + halfWidth, device.y - static_cast<int>(halfWidth * tan30)),
                         CPoint(device.x - halfWidth, device.y - static_cast<int>(halfWidth * tan30))};
    dc_.DPtoLP(corners, 3);
    PenScope pen(dc_, 1, color);
    CGdiObject* old = dc_.SelectStockObject(NULL_BRUSH);
    dc_.Polygon(corners, 3);
    dc_.SelectObject(static_cast<CBrush*>(old));
}

// Selected points are framed whether or not their kind is drawn.
void SectionPainter::Points(int item) {
    if (display_.points[item].draw) {
        PointMarks(item);
    }
    PendingPoints();
    POSITION pos = view_.Selection().GetHeadPosition();
    while (pos) {
        CObject* object = view_.Selection().GetNext(pos);
        const auto* point = dynamic_cast<const CNode*>(object);
        if (point && point->kind == section::PointKindAt(item)) {
            view_.FramePointBox(&dc_, view_.WorldToLogical(point->x, point->y), view_.SelectColour(),
                                markSize_);
        }
    }
}

void SectionPainter::PointMarks(int item) {
    const section::PointStyle& style = display_.points[item];
    const section::PointKind kind = section::PointKindAt(item);
    const CMapWordToOb& map = item == kPointNode   ? model_.GroundPoints()
                              : item == kPointSite ? model_.MeasurementPoints()
                                                   : model_.BoundaryPoints();
    for (auto [key, point] : platform::MapEntries<const CNode>(map)) {
        if (item >= kPointInner && point->kind != kind) {
            continue;
        }
        const CPoint p = view_.WorldToLogical(point->x, point->y);
        if (!InClip(p)) {
            continue;
        }
        if (point->state == 0 && point->inUse == 1) {
            if (item == kPointNode) {
                view_.DrawPointBoxColor(&dc_, p, style.color, style.size / 2);
            } else if (item == kPointSite) {
                view_.DrawCrossMark(&dc_, p, style.color, style.size);
            } else {
                view_.DrawTriangleMark(&dc_, p, style.color, style.size);
            }
        } else if (point->state == -1) {
            view_.FramePointBox(&dc_, p, view_.SelectColour(), markSize_);
        } else if (point->state == 0 && point->inUse == 0 && point->slipMark > 2 && point->kind == kind) {
            HollowTriangle(p, style.size, style.color);
        } else if (point->state == 4) {
            view_.DrawPointBoxColor(&dc_, p, view_.RedColour(), markSize_ - 2);
        }
    }
}

// Point changes that wait for the confirming click, where they will be.
void SectionPainter::PendingPoints() {
    if (!view_.m_pendingEdit) {
        return;
    }
    for (const auto& [key, copy] : view_.m_pendingEdit->Copies()) {
        const CPoint p = view_.WorldToLogical(copy.point.x, copy.point.y);
        if (InClip(p)) {
            view_.DrawPointBoxColor(&dc_, p, view_.SelectColour(), markSize_ - 2);
        }
    }
}

// The label's left edge one pixel right of the point and its bottom one pixel below it.
void SectionPainter::Label(int item, CPoint bottomLeft, const CString& text) {
    const section::NumberStyle& style = display_.numbers[item];
    CFont font;
    font.CreateFontIndirect(&style.font);
    CFont* oldFont = dc_.SelectObject(&font);
    dc_.SetTextColor(style.color);
    // The height is the font's; the width lays the text out once more than drawing it does, and
    // is measured only where the box's left edge lies beyond the clip (else the box meets the
    // clip whatever its width).
    CSize extent = dc_.GetTextExtent(CString());
    if (bottomLeft.x - 1 < clip_.left || bottomLeft.x - 1 >= clip_.right) {
        extent = dc_.GetTextExtent(text);
    }
    const CRect box(bottomLeft.x - 1, bottomLeft.y - extent.cy - 1, bottomLeft.x + extent.cx + 1,
                    bottomLeft.y + 1);
    const CRect meets(std::max(box.left, clip_.left), std::max(box.top, clip_.top),
                      std::min(box.right, clip_.right), std::min(box.bottom, clip_.bottom));
    if (!meets.IsRectEmpty()) {
        CBrush frame(style.color);
        view_.DrawLabel(&dc_, bottomLeft.x, bottomLeft.y - extent.cy, text, style.outline ? &frame : nullptr);
    }
    dc_.SelectObject(oldFont);
}

void SectionPainter::CentredLabel(int item, CPoint centre, const CString& text) {
    CFont font;
    font.CreateFontIndirect(&display_.numbers[item].font);
    CFont* old = dc_.SelectObject(&font);
    const CSize extent = dc_.GetTextExtent(text);
    dc_.SelectObject(old);
    Label(item, CPoint(centre.x - extent.cx / 2, centre.y + extent.cy / 2), text);
}

void SectionPainter::PointNumbers(int item) {
    const section::NumberStyle& style = display_.numbers[item];
    if (!style.draw) {
        return;
    }
    const CMapWordToOb& map = item == kNumberNode   ? model_.GroundPoints()
                              : item == kNumberSite ? model_.MeasurementPoints()
                                                    : model_.BoundaryPoints();
    for (auto [key, point] : platform::MapEntries<const CNode>(map)) {
        if (!point->inUse || point->state < 0 || point->state == 1) {
            continue;
        }
        CPoint p = view_.WorldToLogical(point->x, point->y);
        if (section::Viewport::IsUnsetPoint(p)) {
            continue;
        }
        NumberBeside(item, p, PointLabel(*point, style.numberType));
    }
    // A pending point is labelled as the point it will be (boundary points of any kind under
    // the boundary points' number item).
    if (!view_.m_pendingEdit) {
        return;
    }
    for (const auto& [key, copy] : view_.m_pendingEdit->Copies()) {
        const section::PointRecord& point = copy.point;
        const CPoint p = view_.WorldToLogical(point.x, point.y);
        if (std::min(point.kind, section::PointKind::kInnerBoundary) == section::PointKindAt(item) &&
            !section::Viewport::IsUnsetPoint(p)) {
            NumberBeside(item, p, PointLabel(point.number, point.name, style.numberType));
        }
    }
}

void SectionPainter::NumberBeside(int item, CPoint point, const CString& text) {
    dc_.LPtoDP(&point);
    point.Offset(1, 1);
    dc_.DPtoLP(&point);
    Label(item, point, text);
}

void SectionPainter::LineNumbers() {
    if (!display_.numbers[kNumberLine].draw) {
        return;
    }
    for (auto [key, line] : platform::MapEntries<const CLine>(model_.GroundLines())) {
        double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        if (line->status < 0 || !PointXY(line->node1, x1, y1) || !PointXY(line->node2, x2, y2)) {
            continue;
        }
        const CPoint centre = view_.WorldToLogical((x1 + x2) / 2, (y1 + y2) / 2);
        if (!section::Viewport::IsUnsetPoint(centre)) {
            CentredLabel(kNumberLine, centre, NumberText(key + 1));
        }
    }
}

// One vector as a polyline from its base, and a small circle at its end.
void SectionPainter::DrawVector(const CDispData& record, int mode) {
    const std::vector<DPoint> points = record.VectorPolyline(mode, vectorFactor_);
    if (points.size() < 2) {
        return;
    }
    for (std::size_t i = 1; i < points.size(); ++i) {
        Segment(points[i - 1].x, points[i - 1].y, points[i].x, points[i].y);
    }
    CPoint end = view_.WorldToLogical(points.back().x, points.back().y);
    if (!InClip(end)) {
        return;
    }
    dc_.LPtoDP(&end);
    const double size = view_.MarkWidth();
    CPoint corners[2] = {CPoint(end.x - static_cast<int>(std::lround(2 * size)),
                                end.y - static_cast<int>(std::lround(2 * size))),
                         CPoint(end.x + static_cast<int>(std::lround(3 * size)),
                                end.y + static_cast<int>(std::lround(3 * size)))};
    dc_.DPtoLP(corners, 2);
    CGdiObject* old = dc_.SelectStockObject(NULL_BRUSH);
    dc_.Ellipse(corners[0].x, corners[0].y, corners[1].x, corners[1].y);
    dc_.SelectObject(static_cast<CBrush*>(old));
}

// With no displacement to scale by there is no vector to draw (and nothing is divided by 0).
void SectionPainter::Vectors() {
    const section::LineStyle& style = display_.lines[kLineVector];
    if (!style.draw || style.type == kVectorHidden || vectorFactor_ <= 0.0) {
        return;
    }
    const int mode = style.type >= 0 && style.type <= 2 ? style.type : 0;
    const auto drawAll = [this](int drawMode) {
        for (auto [key, record] : platform::MapEntries<const CDispData>(model_.Displacements())) {
            if (record->inUse) {
                DrawVector(*record, drawMode);
            }
        }
    };
    if (mode == CDispData::kLeastSquares) {
        PenScope pen(dc_, style.width, view_.SelectColour());
        drawAll(CDispData::kJoined);
    }
    PenScope pen(dc_, style.width, style.color);
    drawAll(mode);
}

void SectionPainter::BlockLines() {
    const section::LineStyle& style = display_.lines[kLineBlock];
    if (!style.draw) {
        return;
    }
    PenScope pen(dc_, style.width, style.color);
    for (const BlockLineRecord& line : model_.BlockLines()) {
        Segment(line.x1, line.y1, line.x2, line.y2);
    }
}

// Vertical lines at the x of each line of the block-line table, from 20 pixels above the
// ground surface (or a tenth of the drawing range above it) to a tenth below the range.
void SectionPainter::EditedBlockLines() {
    const section::WorldRange& range = view_.DrawRange();
    const double tenth = std::fabs(range.ymax - range.ymin) * 0.1;
    const section::LineStyle& style = display_.lines[kLineEditBlock];
    // Each line is labelled with its number (key + 1), as the table lists it.
    for (const auto& [key, line] : model_.BlockLineMap()) {
        const double x = line.first;
        const int number = key + 1;
        DPoint ground;
        const bool meets = model_.FindNearestIntersection(x, range.ymax, ground) != 0;
        CPoint top = view_.WorldToLogical(x, meets ? ground.y : range.ymax + tenth);
        const CPoint bottom = view_.WorldToLogical(x, range.ymin - tenth);
        if (section::Viewport::IsUnsetPoint(top) || section::Viewport::IsUnsetPoint(bottom)) {
            continue;
        }
        CPoint raised = top;
        dc_.LPtoDP(&raised);
        raised.y -= 20;
        dc_.DPtoLP(&raised);
        if (style.draw) {
            PenScope pen(dc_, style.width, style.color);
            dc_.MoveTo(meets ? raised : top);
            dc_.LineTo(bottom);
        }
        if (!display_.numbers[kNumberBlock].draw) {
            continue;
        }
        if (meets) {
            CentredLabel(kNumberBlock, CPoint(raised.x, raised.y), NumberText(number));
        } else {
            CPoint label = view_.WorldToLogical(x, range.ymax);
            dc_.LPtoDP(&label);
            label.Offset(2, -20);
            dc_.DPtoLP(&label);
            Label(kNumberBlock, label, NumberText(number));
        }
    }
}

void SectionPainter::SlipLines() {
    const section::LineStyle& previous = display_.lines[kLinePreviousSlip];
    const section::LineStyle& current = display_.lines[kLineNewSlip];
    const int halfWidth = display_.points[kPointInner].size / 2 + 5;
    POSITION pos = model_.SlipLines().GetHeadPosition();
    while (pos) {
        const auto* line = static_cast<const CVerrant*>(model_.SlipLines().GetNext(pos));
        if (previous.draw && line->visible1 && !line->visible2) {
            PenScope pen(dc_, previous.width, previous.color);
            Polyline(line->x, line->y);
            for (const CNode* boundary : line->boundary) {
                const CPoint p = boundary ? view_.WorldToLogical(boundary->x, boundary->y) : CPoint();
                if (boundary && InClip(p)) {
                    HollowTriangle(p, halfWidth, previous.color);
                }
            }
        } else if (current.draw && line->visible1 && line->visible2 && line->state != 2) {
            PenScope pen(dc_, current.width, current.color);
            Polyline(line->x, line->y);
        }
    }
    PenScope pen(dc_, 1, view_.SelectColour());
    pos = view_.Selection().GetHeadPosition();
    while (pos) {
        if (const auto* line = dynamic_cast<const CVerrant*>(view_.Selection().GetNext(pos))) {
            Polyline(line->x, line->y);
        }
    }
}

void SectionPainter::SlipLineNumbers() {
    if (!display_.numbers[kNumberSlip].draw) {
        return;
    }
    POSITION pos = model_.SlipLines().GetHeadPosition();
    while (pos) {
        const auto* line = static_cast<const CVerrant*>(model_.SlipLines().GetNext(pos));
        if (!line->visible1 || line->state == 2 || line->x.size() < 2 || line->y.size() < 2) {
            continue;
        }
        double x = (line->x[0] + line->x[1]) / 2;
        double y = (line->y[0] + line->y[1]) / 2;
        const std::size_t at = line->pointCount > 0 ? static_cast<std::size_t>(line->pointCount / 10) : 0;
        if (line->method == 2 && at < line->x.size() && at < line->y.size()) {
            x = line->x[at];
            y = line->y[at];
        }
        const CPoint centre = view_.WorldToLogical(x, y);
        if (!section::Viewport::IsUnsetPoint(centre)) {
            CentredLabel(kNumberSlip, centre, NumberText(line->number));
        }
    }
}

// A drawing tool's surface: its band shows through (the view base's overlay).
void SectionPainter::ToolSurface() {
    view_.PaintToolSurface(&dc_);
}

} // namespace torvan
