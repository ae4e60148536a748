#include "PlotRenderer.h"

#include "DashedPath.h"
#include "drawing_viewer/core/CMainDoc.h"
#include "drawing_viewer/core/CPlotArrow.h"
#include "drawing_viewer/core/CPlotCenterMark.h"
#include "drawing_viewer/core/CPlotCircle.h"
#include "drawing_viewer/core/CPlotLine.h"
#include "drawing_viewer/core/CPlotPolyLine.h"
#include "drawing_viewer/core/CPlotPolygon.h"
#include "drawing_viewer/core/CPlotRectAngle.h"
#include "drawing_viewer/core/PlotLineType.h"

#include "common/geometry/ArrowShape.h"
#include "common/records/StandardColors.h"
#include "platform/ui/CDC.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace zapho {

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWindow = RGB(255, 255, 255);

// Selects a pen and a brush for one item and puts the DC's own back afterwards.
class ItemTools {
public:
    ItemTools(CDC* dc, int penStyle, int width, COLORREF color) : dc_(dc), pen_(penStyle, width, color) {
        hollow_.CreateHollowBrush();
        oldPen_ = dc_->SelectObject(&pen_);
        oldBrush_ = dc_->SelectObject(&hollow_);
    }
    ~ItemTools() {
        dc_->SelectObject(oldPen_);
        dc_->SelectObject(oldBrush_);
    }
    ItemTools(const ItemTools&) = delete;
    ItemTools& operator=(const ItemTools&) = delete;

    void Fill(COLORREF color) {
        fill_.CreateSolidBrush(color);
        dc_->SelectObject(&fill_);
    }
    void Hollow() { dc_->SelectObject(&hollow_); }

private:
    CDC* dc_;
    CPen pen_;
    CBrush hollow_;
    CBrush fill_;
    CPen* oldPen_;
    CBrush* oldBrush_;
};

int Round(double value) {
    return static_cast<int>(std::lround(value));
}

} // namespace

PlotRenderer::PlotRenderer(CMainDoc& doc, bool monochromePrint)
    : doc_(doc), monochromePrint_(monochromePrint) {}

CPoint PlotRenderer::ToDrawing(CPoint plot) const {
    return CPoint(static_cast<int>(plot.x - doc_.m_dOriginX - doc_.m_dOffsetX),
                  static_cast<int>(plot.y - doc_.m_dOriginY - doc_.m_dOffsetY));
}

COLORREF PlotRenderer::ItemColor(const CPlotData& item) const {
    if (printerLike_ && monochromePrint_) {
        return kBlack;
    }
    const int number = item.m_nColor;
    if (number < 0 || number > 15) {
        return kBlack;
    }
    if (printerLike_ && item.m_nType != kPlotPolygon && (number == 7 || number == 8)) {
        return kBlack; // light greys vanish on paper
    }
    return GetStandardColor(number, nullptr, StandardColorOrder::Plot);
}

PlotRenderer::LineStyle PlotRenderer::ResolveLineStyle(int widthCode, int lineType) const {
    LineStyle style;
    style.penStyle = DrawnLineType(widthCode, lineType);
    style.width = widthCode == platform::kUnsetInt ? 1 : widthCode;
    if (widthCode == 0) {
        style.width = 1;
    } else if (printerLike_) {
        style.dashes = DashPattern(style.penStyle, widthCode > 4);
        style.penStyle = PS_SOLID;
    } else if (style.penStyle != PS_SOLID && style.width >= 2) {
        style.width = 1;
    }
    return style;
}

void PlotRenderer::DrawPlotItems(CDC* dc, const PlotItemList& list) {
    dc_ = dc;
    printerLike_ = dc->IsPrinting() || doc_.m_bItemDrawing;
    TakeClipRows(dc);
    for (const auto& item : list) {
        if (!clipped_ || !MissesRows(*item)) {
            DrawItem(*item);
        }
    }
    FlushLines();
}

void PlotRenderer::TakeClipRows(CDC* dc) {
    const QPainter* painter = dc->Painter();
    clipped_ = painter && painter->hasClipping();
    if (!clipped_) {
        return;
    }
    const QRect clip = painter->clipBoundingRect().toAlignedRect();
    topRow_ = clip.top();
    bottomRow_ = clip.bottom() + 1;
    constexpr int kProbe = 100000;
    CPoint probe[2] = {{0, 0}, {0, kProbe}};
    dc->LPtoDP(probe, 2);
    rowOfZero_ = probe[0].y;
    rowsPerUnit_ = static_cast<double>(probe[1].y - probe[0].y) / kProbe;
}

bool PlotRenderer::MissesRows(int lo, int hi, double margin) const {
    // Three pixels beyond the widened extent cover the rounding of the mapping and of pens.
    constexpr double kSlack = 3.0;
    const double a = rowOfZero_ + (std::min(lo, hi) - margin) * rowsPerUnit_;
    const double b = rowOfZero_ + (std::max(lo, hi) + margin) * rowsPerUnit_;
    return std::max(a, b) + kSlack < topRow_ || std::min(a, b) - kSlack >= bottomRow_;
}

namespace {

// A pen's width in drawing units, at least one.
double PenUnits(int widthCode) {
    return widthCode > 1 ? widthCode : 1.0;
}

template <typename Points> std::pair<int, int> RowsOf(const Points& points) {
    if (points.empty()) {
        return {0, 0};
    }
    const auto [low, high] = std::minmax_element(points.begin(), points.end(),
                                                 [](const CPoint& a, const CPoint& b) { return a.y < b.y; });
    return {low->y, high->y};
}

} // namespace

bool PlotRenderer::MissesRows(const CPlotData& item) const {
    auto misses = [&](int lo, int hi, double margin) {
        return MissesRows(ToDrawing(CPoint(0, lo)).y, ToDrawing(CPoint(0, hi)).y, margin);
    };
    switch (item.m_nType) {
    case kPlotLine: {
        const auto& line = static_cast<const CPlotLine&>(item);
        return misses(line.m_start.y, line.m_end.y, PenUnits(line.m_nWidth));
    }
    case kPlotPolyLine: {
        const auto& polyline = static_cast<const CPlotPolyLine&>(item);
        const auto [lo, hi] = RowsOf(polyline.m_points);
        return misses(lo, hi, PenUnits(polyline.m_nWidth));
    }
    case kPlotArrow: {
        const auto& arrow = static_cast<const CPlotArrow&>(item);
        const double head = std::abs(static_cast<double>(arrow.m_nHeadLength)) +
                            std::abs(static_cast<double>(arrow.m_nHeadWidth));
        return misses(arrow.m_start.y, arrow.m_end.y, head + PenUnits(arrow.m_nWidth));
    }
    case kPlotCenterMark: {
        const auto& mark = static_cast<const CPlotCenterMark&>(item);
        const double scale = platform::IsUnsetDouble(doc_.m_dScale) ? 1.0 : std::abs(doc_.m_dScale);
        return misses(mark.m_point.y, mark.m_point.y,
                      2.0 * std::abs(static_cast<double>(mark.m_nSize)) * scale + PenUnits(mark.m_nWidth));
    }
    case kPlotCircle: {
        const auto& circle = static_cast<const CPlotCircle&>(item);
        return misses(circle.m_centre.y, circle.m_centre.y,
                      std::abs(static_cast<double>(circle.m_nRadius)) + 1.0 + PenUnits(circle.m_nWidth));
    }
    case kPlotRectAngle: {
        const auto& rect = static_cast<const CPlotRectAngle&>(item);
        return misses(rect.m_rect.top, rect.m_rect.bottom, PenUnits(rect.m_nWidth));
    }
    case kPlotPolygon: {
        const auto& polygon = static_cast<const CPlotPolygon&>(item);
        const auto [lo, hi] = RowsOf(polygon.m_points);
        return misses(lo, hi, PenUnits(polygon.m_nWidth));
    }
    default:
        return false;
    }
}

void PlotRenderer::FlushLines() {
    if (lines_.ends.empty()) {
        return;
    }
    ItemTools tools(dc_, lines_.penStyle, lines_.width, lines_.color);
    dc_->LineSegments(lines_.ends.data(), static_cast<int>(lines_.ends.size()));
    lines_.ends.clear();
}

void PlotRenderer::DrawItem(const CPlotData& item) {
    const COLORREF color = ItemColor(item);
    if (item.m_nType != kPlotLine) {
        FlushLines();
    }
    switch (item.m_nType) {
    case kPlotLine:
        DrawLine(static_cast<const CPlotLine&>(item), color);
        break;
    case kPlotPolyLine:
        DrawPolyLine(static_cast<const CPlotPolyLine&>(item), color);
        break;
    case kPlotArrow:
        DrawArrow(static_cast<const CPlotArrow&>(item), color);
        break;
    case kPlotCenterMark:
        DrawCenterMark(static_cast<const CPlotCenterMark&>(item), color);
        break;
    case kPlotCircle:
        DrawCircle(static_cast<const CPlotCircle&>(item), color);
        break;
    case kPlotRectAngle:
        DrawRectangle(static_cast<const CPlotRectAngle&>(item), color);
        break;
    case kPlotPolygon:
        DrawPolygon(static_cast<const CPlotPolygon&>(item), color);
        break;
    default:
        break;
    }
}

void PlotRenderer::DrawStyledPath(const CPoint* points, std::size_t count, const LineStyle& style,
                                  COLORREF color) {
    if (count < 2) {
        return;
    }
    ItemTools tools(dc_, style.penStyle, style.width, color);
    drawing_.clear();
    for (std::size_t i = 0; i < count; ++i) {
        drawing_.push_back(ToDrawing(points[i]));
    }
    if (style.dashes.empty()) {
        dc_->Polyline(drawing_.data(), static_cast<int>(drawing_.size()));
        return;
    }
    for (const DashedPath::Piece& piece : DashedPath::Pieces(drawing_, style.dashes)) {
        dc_->MoveTo(piece.from);
        dc_->LineTo(piece.to);
    }
}

void PlotRenderer::DrawLine(const CPlotLine& line, COLORREF color) {
    LineStyle style = ResolveLineStyle(line.m_nWidth, line.m_nLineType);
    if (!style.dashes.empty()) {
        FlushLines();
        const CPoint ends[2] = {line.m_start, line.m_end};
        DrawStyledPath(ends, 2, style, color);
        return;
    }
    if (lines_.penStyle != style.penStyle || lines_.width != style.width || lines_.color != color) {
        FlushLines();
        lines_.penStyle = style.penStyle;
        lines_.width = style.width;
        lines_.color = color;
    }
    lines_.ends.push_back(ToDrawing(line.m_start));
    lines_.ends.push_back(ToDrawing(line.m_end));
}

void PlotRenderer::DrawPolyLine(const CPlotPolyLine& polyline, COLORREF color) {
    DrawStyledPath(polyline.m_points.data(), polyline.m_points.size(),
                   ResolveLineStyle(polyline.m_nWidth, polyline.m_nLineType), color);
}

void PlotRenderer::DrawArrow(const CPlotArrow& arrow, COLORREF color) {
    const CPoint start = ToDrawing(arrow.m_start);
    const CPoint end = ToDrawing(arrow.m_end);
    const auto shape = geometry::ArrowShape::Make(DPoint{double(start.x), double(start.y)},
                                                  DPoint{double(end.x), double(end.y)}, arrow.m_nHeadLength,
                                                  arrow.m_nHeadWidth, arrow.m_nStyle);
    LineStyle style = ResolveLineStyle(arrow.m_nWidth, arrow.m_nLineType);
    ItemTools tools(dc_, style.penStyle, style.width, color);
    if (!shape.fills.empty()) {
        tools.Fill(shape.fill == geometry::ArrowShape::kWhiteFill ? kWindow : color);
        for (const auto& fill : shape.fills) {
            std::vector<CPoint> corners;
            for (DPoint corner : fill) {
                corners.emplace_back(Round(corner.x), Round(corner.y));
            }
            dc_->Polygon(corners.data(), static_cast<int>(corners.size()));
        }
    }
    for (const auto& segment : shape.segments) {
        dc_->MoveTo(Round(segment.from.x), Round(segment.from.y));
        dc_->LineTo(Round(segment.to.x), Round(segment.to.y));
    }
}

void PlotRenderer::DrawCenterMark(const CPlotCenterMark& mark, COLORREF color) {
    const int style = mark.m_nStyle;
    if (style < 0 || style >= 10) {
        return;
    }
    const double scale = platform::IsUnsetDouble(doc_.m_dScale) ? 1.0 : doc_.m_dScale;
    const double d = mark.m_nSize / 2.0 * scale;
    const CPoint m = ToDrawing(mark.m_point);
    const int width = mark.m_nWidth == platform::kUnsetInt ? 1 : std::max(1, mark.m_nWidth - 1);
    ItemTools tools(dc_, PS_SOLID, width, color);
    if (style % 2 == 1) {
        tools.Fill(color);
    } else if (mark.m_nKind == 1) {
        tools.Fill(kWindow);
    }
    const int shape = style / 2;
    if (shape == 1) {
        dc_->Polygon(std::vector<CPoint>{{m.x - Round(d), m.y - Round(d)},
                                         {m.x + Round(d), m.y - Round(d)},
                                         {m.x + Round(d), m.y + Round(d)},
                                         {m.x - Round(d), m.y + Round(d)}}
                         .data(),
                     4);
    } else if (shape == 2) {
        const CPoint corners[4] = {
            {m.x + Round(d), m.y}, {m.x, m.y + Round(d)}, {m.x - Round(d), m.y}, {m.x, m.y - Round(d)}};
        dc_->Polygon(corners, 4);
    } else if (shape == 3) {
        dc_->Ellipse(m.x - Round(d), m.y - Round(d), m.x + Round(d), m.y + Round(d));
    } else {
        // Corners 2d from the centre (d / sin 30°), one straight above it, or below when turned over.
        const double up = shape == 4 ? -1.0 : 1.0;
        const CPoint corners[3] = {{m.x, m.y + Round(2 * d * up)},
                                   {m.x - Round(std::sqrt(3.0) * d), m.y - Round(d * up)},
                                   {m.x + Round(std::sqrt(3.0) * d), m.y - Round(d * up)}};
        dc_->Polygon(corners, 3);
    }
}

void PlotRenderer::DrawCircle(const CPlotCircle& circle, COLORREF color) {
    const int width = circle.m_nWidth == platform::kUnsetInt ? 1 : circle.m_nWidth;
    const int penStyle = circle.m_nLineType >= 0 && circle.m_nLineType <= 4 ? circle.m_nLineType : PS_SOLID;
    ItemTools tools(dc_, penStyle, width, color);
    const CPoint c = ToDrawing(circle.m_centre);
    const int r = circle.m_nRadius;
    const CRect box(c.x - r - 1, c.y - r - 1, c.x + r + 1, c.y + r + 1);
    if (circle.IsFullCircle()) {
        dc_->Ellipse(box.left, box.top, box.right, box.bottom);
        return;
    }
    const CPoint from = ToDrawing(circle.m_arcStart);
    const CPoint to = ToDrawing(circle.m_arcEnd);
    dc_->Arc(box.left, box.top, box.right, box.bottom, from.x, from.y, to.x, to.y);
}

void PlotRenderer::DrawRectangle(const CPlotRectAngle& rect, COLORREF color) {
    if (doc_.m_bItemDrawing && doc_.m_drawing.PageCount() > 0) {
        // The sheet's frame is left out of an embedded picture.
        const int* first = doc_.m_drawing.Page(0).m_values;
        if (std::abs(static_cast<long long>(rect.m_rect.right) - first[PlotPage::kWidth]) <= 5 &&
            std::abs(static_cast<long long>(rect.m_rect.top) - first[PlotPage::kHeight]) <= 5) {
            return;
        }
    }
    const bool styled = rect.m_nLineType != 0;
    const int width = styled || rect.m_nWidth == platform::kUnsetInt ? 1 : rect.m_nWidth;
    const int penStyle = rect.m_nFill == 2                                ? PS_NULL
                         : rect.m_nLineType >= 0 && rect.m_nLineType <= 4 ? rect.m_nLineType
                                                                          : 0;
    ItemTools tools(dc_, penStyle, width, color);
    if (rect.m_nFill == 1 || rect.m_nFill == 2) {
        tools.Fill(kWindow);
    }
    const CPoint a = ToDrawing(CPoint(rect.m_rect.left, rect.m_rect.top));
    const CPoint b = ToDrawing(CPoint(rect.m_rect.right, rect.m_rect.bottom));
    dc_->Rectangle(a.x, a.y, b.x, b.y);
}

void PlotRenderer::DrawPolygon(const CPlotPolygon& polygon, COLORREF color) {
    if (polygon.m_points.empty()) {
        return;
    }
    const bool outlined = polygon.m_nWidth != platform::kUnsetInt;
    const bool styled = polygon.m_nLineType != 0;
    const int penStyle = !outlined                                              ? PS_NULL
                         : polygon.m_nLineType >= 0 && polygon.m_nLineType <= 4 ? polygon.m_nLineType
                                                                                : 0;
    ItemTools tools(dc_, penStyle, styled || !outlined ? 1 : polygon.m_nWidth, color);
    if (polygon.m_nFill != kNoFill) {
        auto found = doc_.m_drawing.m_userColors.find(static_cast<WORD>(polygon.m_nFill));
        if (found != doc_.m_drawing.m_userColors.end()) {
            tools.Fill(found->second);
        }
    }
    std::vector<CPoint> points;
    for (CPoint point : polygon.m_points) {
        points.push_back(ToDrawing(point));
    }
    const int oldMode = dc_->SetPolyFillMode(WINDING);
    dc_->Polygon(points.data(), static_cast<int>(points.size()));
    dc_->SetPolyFillMode(oldMode);
}

namespace {

// Scales a font measure by the display scale when one other than 1 is set.
int Scaled(int value, double scale) {
    if (platform::IsUnsetDouble(scale) || scale == 1.0) {
        return value;
    }
    return static_cast<int>(value * scale);
}

// A drawing's text angles run clockwise on its y-up paper (a text turned a quarter up is
// 2700, as the viewer's angle entry, hit test and DXF export count them), while the device
// context turns text counter-clockwise as seen: on a y-up mapping the angle is mirrored.
int SeenAngle(int tenths, bool yUp) {
    return yUp && tenths % 3600 != 0 ? 3600 - tenths : tenths;
}

bool MapsYUp(const CDC& dc) {
    CPoint probe[2] = {{0, 0}, {0, 1000}};
    dc.LPtoDP(probe, 2);
    return probe[1].y < probe[0].y;
}

LOGFONT LogFontOf(const CPlotFont& font, double scale, bool yUp) {
    LOGFONT logFont;
    logFont.lfHeight = Scaled(font.m_nHeight, scale);
    logFont.lfWidth = font.m_nWidth;
    logFont.lfEscapement = SeenAngle(font.m_nEscapement, yUp);
    logFont.lfOrientation = SeenAngle(font.m_nOrientation, yUp);
    logFont.lfCharSet = static_cast<BYTE>(font.m_nCharSet);
    logFont.lfClipPrecision = static_cast<BYTE>(font.m_nClipPrecision);
    std::strncpy(logFont.lfFaceName, font.m_faceName.GetString(), sizeof logFont.lfFaceName - 1);
    return logFont;
}

} // namespace

void PlotRenderer::DrawPlotStrings(CDC* dc, int page, bool measure) {
    dc_ = dc;
    printerLike_ = dc->IsPrinting() || doc_.m_bItemDrawing;
    TakeClipRows(dc);
    const auto& fonts = doc_.m_drawing.m_fonts;
    const auto& texts = doc_.m_drawing.Page(page).m_texts;
    if (texts.empty() || fonts.empty()) {
        return;
    }
    const int oldBkMode = dc->SetBkMode(TRANSPARENT);
    const UINT oldAlign = dc->SetTextAlign(TA_BOTTOM);
    const COLORREF oldColor = dc->GetTextColor();
    const int oldExtra = dc->GetTextCharacterExtra();
    CFont* oldFont = dc->GetCurrentFont();
    CFont font;
    int current = -1;
    UINT align = TA_BOTTOM;
    const bool yUp = MapsYUp(*dc);
    auto makeCurrent = [&](int index) {
        const CPlotFont& entry = *fonts[static_cast<std::size_t>(index)];
        const LOGFONT logFont = LogFontOf(entry, doc_.m_dScale, yUp);
        font.CreateFontIndirect(&logFont);
        dc->SelectObject(&font);
        dc->SetTextCharacterExtra(Scaled(entry.m_nSpacing, doc_.m_dScale));
        current = index;
    };
    makeCurrent(0);
    // However it is turned, a text stays within twice its length in cells of its anchor.
    auto missesRows = [&](const CPlotString& text) {
        if (text.m_nFont < 0 || text.m_nFont >= static_cast<int>(fonts.size())) {
            return false; // drawn in the font of the text before it
        }
        const CPlotFont& entry = *fonts[static_cast<std::size_t>(text.m_nFont)];
        const double cell = std::abs(static_cast<double>(Scaled(entry.m_nHeight, doc_.m_dScale))) +
                            std::abs(static_cast<double>(Scaled(entry.m_nSpacing, doc_.m_dScale)));
        const int y = ToDrawing(CPoint(text.m_x, text.m_y)).y;
        return MissesRows(y, y, 2.0 * cell * (text.m_text.GetLength() + 2));
    };
    COLORREF color = oldColor;
    for (const auto& text : texts) {
        if (!measure && clipped_ && missesRows(*text)) {
            continue;
        }
        dc->SetBkMode(text->m_nOpaque == 1 ? OPAQUE : TRANSPARENT);
        if (static_cast<UINT>(text->m_nAlign) != align) {
            align = static_cast<UINT>(text->m_nAlign);
            dc->SetTextAlign(align);
        }
        const int number = text->m_nColor;
        const COLORREF wanted = (printerLike_ && monochromePrint_) || number < 0 || number > 15
                                    ? kBlack
                                    : GetStandardColor(number, nullptr, StandardColorOrder::Plot);
        if (wanted != color) {
            color = wanted;
            dc->SetTextColor(color);
        }
        if (text->m_nFont != current && text->m_nFont >= 0 &&
            text->m_nFont < static_cast<int>(fonts.size())) {
            makeCurrent(text->m_nFont);
        }
        const CPoint at = ToDrawing(CPoint(text->m_x, text->m_y));
        dc->TextOut(at.x, at.y, text->m_text);
        if (measure) {
            const CSize extent = dc->GetTextExtent(text->m_text);
            text->m_nTextWidth = extent.cx;
            text->m_nTextHeight = extent.cy;
        }
    }
    dc->SelectObject(oldFont);
    dc->SetTextCharacterExtra(oldExtra);
    dc->SetTextColor(oldColor);
    dc->SetTextAlign(oldAlign);
    dc->SetBkMode(oldBkMode);
}

} // namespace zapho
