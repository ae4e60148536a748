#include "CPlotDxfWriter.h"

#include "CPlotArrow.h"
#include "CPlotCenterMark.h"
#include "CPlotCircle.h"
#include "CPlotLine.h"
#include "CPlotPolyLine.h"
#include "CPlotPolygon.h"
#include "CPlotRectAngle.h"
#include "PlotDrawing.h"
#include "PlotLineType.h"

#include "common/dxf/CDxfWriter.h"
#include "common/records/CTextFile.h"
#include "common/records/TextHelpers.h"
#include "platform/core/NumberFormat.h"
#include "platform/core/SafeFileWriter.h"
#include "platform/core/Unset.h"

#include <cmath>
#include <cstdlib>
#include <vector>

namespace zapho {

namespace {

constexpr int kWhite = 255;

double DegreesOf(double dx, double dy) {
    if (dx == 0.0 && dy == 0.0) {
        return 0.0;
    }
    double degrees = std::atan2(dy, dx) * 180.0 / M_PI;
    return degrees < 0.0 ? degrees + 360.0 : degrees;
}

double DegreesFrom(CPoint from, CPoint to) {
    return DegreesOf(double(to.x) - from.x, double(to.y) - from.y);
}

int WidthOf(int widthCode) {
    return widthCode == platform::kUnsetInt ? 1 : widthCode;
}

// A text value must stay on its line: control characters become blanks.
CString OneLine(const CString& text) {
    std::string line = text.str();
    for (char& ch : line) {
        if (static_cast<unsigned char>(ch) < 0x20) {
            ch = ' ';
        }
    }
    return CString(std::move(line));
}

} // namespace

CPlotDxfWriter::CPlotDxfWriter() = default;

CPlotDxfWriter::CPlotDxfWriter(double mixedTextScale, double halfWidthScale, int colorMethod,
                               const int widthColors[4])
    : m_dMixedTextScale(mixedTextScale), m_dHalfWidthScale(halfWidthScale), m_nColorMethod(colorMethod) {
    for (int i = 0; i < 4; ++i) {
        m_widthColors[i] = widthColors[i];
    }
}

BOOL CPlotDxfWriter::ExportPage(const char* path, const PlotDrawing& drawing, int page) {
    CDxfWriter dxf(m_dMixedTextScale, m_dHalfWidthScale,
                   m_nColorMethod == kWidthColors ? CDxfWriter::kColorByLineStyle : CDxfWriter::kColorAsGiven,
                   m_widthColors);
    dxf.m_nVersion = m_nVersion;
    dxf.m_bTurnedMarkerBlocks = true;
    dxf.m_bDrawnLineTypes = true;
    dxf.m_bBlocksTakeInsertColor = true;
    dxf.SetHatchLayer("0");
    // The user colours the page's filled polygons use, for the palette look-up.
    std::vector<COLORREF> colors(drawing.m_userColors.size());
    CMapWordToPtr used;
    std::size_t next = 0;
    for (const PlotItemList* list : {&drawing.Page(page).m_items, &drawing.Page(page).m_overflow}) {
        for (const auto& item : *list) {
            if (item->m_nType != kPlotPolygon) {
                continue;
            }
            const WORD key = static_cast<WORD>(static_cast<const CPlotPolygon&>(*item).m_nFill);
            auto found = drawing.m_userColors.find(key);
            void* existing = nullptr;
            if (found != drawing.m_userColors.end() && !used.Lookup(key, existing)) {
                colors[next] = found->second;
                used.SetAt(key, &colors[next++]);
            }
        }
    }
    dxf.m_pUsedColors = &used;
    platform::SafeFileWriter writer(path);
    CTextFile file;
    if (!file.Open(writer, CFile::modeCreate | CFile::modeWrite | CFile::typeText)) {
        return FALSE;
    }
    dxf.m_pFile = &file;
    try {
        const int* values = drawing.Page(page).m_values;
        dxf.WriteHeaderSection(0.0, 0.0, values[PlotPage::kWidth] * 0.1, values[PlotPage::kHeight] * 0.1);
        dxf.WriteTablesSection(TRUE, TRUE);
        dxf.WriteBlocksSection(TRUE, TRUE);
        WriteEntities(dxf, drawing, page);
        dxf.WriteObjectsSection();
        dxf.WriteGroupString(" 0", "EOF");
        file.Close();
    } catch (const CFileException&) {
        return FALSE; // the file has shown its message; an older file stays
    }
    return CommitWithMessage(writer) ? TRUE : FALSE;
}

void CPlotDxfWriter::WriteEntities(CDxfWriter& dxf, const PlotDrawing& drawing, int page) {
    dxf.WriteGroupString(" 0", "SECTION");
    dxf.WriteGroupString(" 2", "ENTITIES");
    const PlotPage& target = drawing.Page(page);
    for (const PlotItemList* list : {&target.m_items, &target.m_overflow}) {
        for (const auto& item : *list) {
            WriteItem(dxf, *item);
        }
    }
    for (const auto& text : target.m_texts) {
        const int index = text->m_nFont;
        const bool known = index >= 0 && index < static_cast<int>(drawing.m_fonts.size());
        WriteText(dxf, *text, known ? drawing.m_fonts[static_cast<std::size_t>(index)].get() : nullptr);
    }
    dxf.WriteGroupString(" 0", "ENDSEC");
}

int CPlotDxfWriter::ItemColor(CDxfWriter& dxf, const CPlotData& item, int& widthCode) const {
    switch (m_nColorMethod) {
    case kCurrentColors: {
        const int color = CDxfWriter::StandardColorToAci(item.m_nColor);
        const bool grey = item.m_nColor == 7 || item.m_nColor == 8;
        return grey && item.m_nType != kPlotPolygon ? 0 : color;
    }
    case kWidthColors:
        return dxf.SelectLineType(widthCode);
    default:
        return 0;
    }
}

void CPlotDxfWriter::WriteItem(CDxfWriter& dxf, const CPlotData& item) {
    switch (item.m_nType) {
    case kPlotLine: {
        const auto& line = static_cast<const CPlotLine&>(item);
        const int lineType = DrawnLineType(line.m_nWidth, line.m_nLineType);
        int width = WidthOf(line.m_nWidth);
        const int color = ItemColor(dxf, item, width);
        dxf.WriteLine(line.m_start, line.m_end, width, lineType, color);
        break;
    }
    case kPlotPolyLine: {
        const auto& polyline = static_cast<const CPlotPolyLine&>(item);
        const int lineType = DrawnLineType(polyline.m_nWidth, polyline.m_nLineType);
        int width = WidthOf(polyline.m_nWidth);
        const int color = ItemColor(dxf, item, width);
        const int count = static_cast<int>(polyline.m_points.size());
        if (count == 0) {
            break;
        }
        if (m_nVersion == 14) {
            dxf.WriteLwPolyline(polyline.m_points.data(), count, width, lineType, color);
        } else {
            dxf.WritePolylineInt(polyline.m_points.data(), count, width, lineType, color);
        }
        break;
    }
    case kPlotArrow: {
        const auto& arrow = static_cast<const CPlotArrow&>(item);
        const int lineType = DrawnLineType(arrow.m_nWidth, arrow.m_nLineType);
        int width = WidthOf(arrow.m_nWidth);
        const int color = ItemColor(dxf, item, width);
        const int units = std::abs(arrow.m_nStyle) % 10;
        if (arrow.m_nHeadWidth != 0 || (units != 4 && units != 5)) {
            dxf.WriteArrow(arrow.m_start, arrow.m_end, arrow.m_nHeadLength, arrow.m_nHeadWidth,
                           arrow.m_nStyle, width, lineType, color);
            break;
        }
        const char* block = units == 4 ? "ARROW-1" : arrow.m_nStyle < 0 ? "ARROW-3" : "ARROW-2";
        const double scale = arrow.m_nHeadLength / 100.0;
        dxf.WriteInsert(block, arrow.m_start, scale, color, DegreesFrom(arrow.m_start, arrow.m_end));
        dxf.WriteInsert(block, arrow.m_end, scale, color, DegreesFrom(arrow.m_end, arrow.m_start));
        dxf.WriteLine(arrow.m_start, arrow.m_end, width, lineType, color);
        break;
    }
    case kPlotCenterMark: {
        const auto& mark = static_cast<const CPlotCenterMark&>(item);
        int width = std::max(1, WidthOf(mark.m_nWidth) - 1);
        const int color = ItemColor(dxf, item, width);
        if (mark.m_nStyle >= 0 && mark.m_nStyle <= 9) { // the blocks the file defines
            dxf.WriteInsert(platform::FormatC("CENTER-%d", mark.m_nStyle).c_str(), mark.m_point,
                            mark.m_nSize / 100.0, color);
        }
        break;
    }
    case kPlotCircle: {
        const auto& circle = static_cast<const CPlotCircle&>(item);
        int width = WidthOf(circle.m_nWidth);
        const int color = ItemColor(dxf, item, width);
        if (circle.IsFullCircle()) {
            dxf.WriteCircle(circle.m_centre, circle.m_nRadius, width, circle.m_nLineType, color);
        } else {
            dxf.WriteArc(circle.m_centre, circle.m_nRadius, DegreesFrom(circle.m_centre, circle.m_arcStart),
                         DegreesFrom(circle.m_centre, circle.m_arcEnd), width, circle.m_nLineType, color);
        }
        break;
    }
    case kPlotRectAngle: {
        const auto& rect = static_cast<const CPlotRectAngle&>(item);
        int width = WidthOf(rect.m_nWidth);
        const int color = ItemColor(dxf, item, width);
        const CRect& r = rect.m_rect;
        if (rect.m_nFill != 0) {
            const CPoint corners[4] = {
                {r.left, r.bottom}, {r.right, r.bottom}, {r.left, r.top}, {r.right, r.top}};
            dxf.WriteSolid(corners, kWhite);
        }
        dxf.WriteRectangleInt(CPoint(r.left, r.bottom), CPoint(r.right, r.top), width, rect.m_nLineType,
                              rect.m_nFill == 2 ? kWhite : color);
        break;
    }
    case kPlotPolygon: {
        const auto& polygon = static_cast<const CPlotPolygon&>(item);
        const int index =
            polygon.m_nFill == kNoFill ? -1 : dxf.MappedColorIndex(static_cast<WORD>(polygon.m_nFill));
        if (index > 0 && !polygon.m_points.empty()) {
            dxf.WriteHatch(polygon.m_points.data(), static_cast<int>(polygon.m_points.size()), index);
        }
        break;
    }
    default:
        break;
    }
}

void CPlotDxfWriter::WriteText(CDxfWriter& dxf, const CPlotString& text, const CPlotFont* font) {
    const int h = font ? font->m_nHeight : 25;
    const int s = font ? font->m_nSpacing : 0;
    int color = 0;
    if (m_nColorMethod == kCurrentColors) {
        color = std::max(0, CDxfWriter::StandardColorToAci(text.m_nColor));
    }
    const bool singleByte = IsSingleByteText(text.m_text.GetString()) != 0;
    int height = h;
    bool hasFactor = true;
    double factor = 1.0;
    if (singleByte) {
        height = static_cast<int>(0.8 * h);
        factor =
            s != 0 && height != 0 ? double(s + height) / height * m_dHalfWidthScale : m_dHalfWidthScale / 0.8;
    } else if (m_dHalfWidthScale != 1.0) {
        factor = s != 0 && h != 0 ? m_dMixedTextScale * double(h + s) / h : m_dMixedTextScale;
    } else {
        hasFactor = false;
    }
    const long long width = static_cast<long long>(height * m_dHalfWidthScale) * text.m_text.GetLength();
    long long x = text.m_x;
    if ((text.m_nAlign & CPlotString::kAlignCentre) == CPlotString::kAlignCentre) {
        x = text.m_x - width / 2 + 1;
    } else if (text.m_nAlign & CPlotString::kAlignRight) {
        x = text.m_x - width + 1;
    }
    const bool bottom = (text.m_nAlign & CPlotString::kAlignBottom) != 0;
    const long long y = bottom ? text.m_y : static_cast<long long>(text.m_y) - height + 1;
    dxf.BeginEntity("TEXT", "AcDbText");
    dxf.WriteGroupInt(" 62", color);
    dxf.WriteGroupReal(" 10", x * 0.1);
    dxf.WriteGroupReal(" 20", y * 0.1);
    dxf.WriteGroupString(" 1", OneLine(text.m_text).GetString());
    if (text.m_nEscapement != 0) {
        dxf.WriteGroupTenths(" 50", 3600 - text.m_nEscapement);
    }
    if (hasFactor) {
        dxf.WriteGroupReal(" 41", factor);
    }
    dxf.WriteGroupTenths(" 40", height);
    dxf.WriteGroupString(" 7", "STYLE-1");
    if ((text.m_nAlign & CPlotString::kAlignCentre) == CPlotString::kAlignCentre) {
        dxf.WriteGroupInt(" 72", 1);
    } else if (text.m_nAlign & CPlotString::kAlignRight) {
        dxf.WriteGroupInt(" 72", 2);
    }
    dxf.WriteGroupInt(" 73", bottom ? 1 : 3);
    dxf.WriteGroupTenths(" 11", text.m_x);
    dxf.WriteGroupTenths(" 21", text.m_y);
}

} // namespace zapho
