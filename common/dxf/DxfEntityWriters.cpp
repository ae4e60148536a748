// The entity writers of CDxfWriter.

#include "common/dxf/CDxfWriter.h"

#include "common/geometry/ArrowShape.h"
#include "common/records/CTextFile.h"
#include "platform/core/CodePage.h"

#include <cmath>
#include <string>

namespace {

const char* const kLineTypeNames[5] = {"CONTINUOUS", "DASHED", "DOT", "DASHDOT", "DASHDOTDOT"};

// As drawn, every line type keeps its pattern whatever its width (a width of 0 is written 1).
const char* LineTypeFor(int& width, int style, bool asDrawn) {
    if (asDrawn) {
        width = width == 0 ? 1 : width;
        return kLineTypeNames[style >= 1 && style <= 4 ? style : 0];
    }
    return kLineTypeNames[CDxfWriter::NextVertexFlag(width, style)];
}

// A value line must stay one line: a line break inside a text would shift every later
// group of the file, so control characters become blanks.
std::string OneLine(const char* text) {
    std::string value(text);
    for (char& ch : value) {
        if (static_cast<unsigned char>(ch) < 0x20) {
            ch = ' ';
        }
    }
    return value;
}

bool HasDoubleByteCharacter(const char* text) {
    for (const char* p = text; *p; ++p) {
        if (platform::IsCp932LeadByte(static_cast<unsigned char>(*p))) {
            return true;
        }
    }
    return false;
}

} // namespace

// Release 14 readers need a handle on every entity, or handles they assign collide with
// the fixed ones; release 12 files are written without handles for the same reason.
void CDxfWriter::WriteEntityHandle() {
    if (IsRelease14()) {
        WriteNextHandle();
    }
}

void CDxfWriter::WriteEntityHead(const char* type, const char* subclass, const char* layer) {
    WriteGroupString(" 0", type);
    if (IsRelease14()) {
        WriteNextHandle();
        WriteGroupString("100", "AcDbEntity");
        WriteGroupString("100", subclass);
    }
    WriteGroupString(" 8", layer);
}

// Release 12 knows neither LWPOLYLINE nor HATCH; readers that take them from a release-12
// file read layer, line type and colour only in front of the subclass markers.
void CDxfWriter::WriteCommonGroups(const char* layer, const char* lineType, int color) {
    WriteGroupString(" 8", layer);
    if (lineType) {
        WriteGroupString(" 6", lineType);
    }
    WriteGroupInt(" 62", color);
}

void CDxfWriter::WriteWidths(int width) {
    if (width == 0 || width == 1) {
        WriteGroupString(" 40", "0.15");
        WriteGroupString(" 41", "0.15");
    } else {
        WriteGroupTenths(" 40", width);
        WriteGroupTenths(" 41", width);
    }
}

void CDxfWriter::WritePolylineHead(const char* layer, const char* lineType, int color, int width,
                                   const char* flags, bool release14Markers) {
    if (release14Markers) {
        WriteEntityHead("POLYLINE", "AcDb2dPolyline", layer);
    } else {
        WriteGroupString(" 0", "POLYLINE");
        WriteEntityHandle();
        WriteGroupString(" 8", layer);
    }
    WriteGroupString(" 6", lineType);
    WriteGroupInt(" 62", color);
    WriteGroupString(" 66", "   1");
    WriteGroupReal(" 10", 0.0);
    WriteGroupReal(" 20", 0.0);
    WriteWidths(width);
    WriteGroupString(" 70", flags);
}

void CDxfWriter::WriteVertexHead(const char* layer, bool release14Markers) {
    WriteGroupString(" 0", "VERTEX");
    WriteEntityHandle();
    if (release14Markers && IsRelease14()) {
        WriteGroupString("100", "AcDbEntity");
        WriteGroupString("100", "AcDbVertex");
        WriteGroupString("100", "AcDb2dVertex");
    }
    WriteGroupString(" 8", layer);
}

void CDxfWriter::WriteVertex(const char* layer, double x, double y, bool release14Markers) {
    WriteVertexHead(layer, release14Markers);
    WriteGroupReal(" 10", x);
    WriteGroupReal(" 20", y);
}

void CDxfWriter::WriteVertexTenths(const char* layer, CPoint point, bool release14Markers) {
    WriteVertexHead(layer, release14Markers);
    WriteGroupTenths(" 10", point.x);
    WriteGroupTenths(" 20", point.y);
}

void CDxfWriter::WriteSeqEnd(const char* layer) {
    WriteGroupString(" 0", "SEQEND");
    WriteEntityHandle();
    WriteGroupString("100", "AcDbEntity");
    WriteGroupString(" 8", layer);
}

void CDxfWriter::WriteTwoVertexPolyline(double x1, double y1, double x2, double y2, int width,
                                        const char* lineType, int color) {
    WritePolylineHead("0", lineType, color, width, "   128", true);
    WriteVertex("0", x1, y1, true);
    WriteVertex("0", x2, y2, true);
    WriteSeqEnd("0");
}

int CDxfWriter::WriteLine(CPoint from, CPoint to, int width, int style, int color) {
    int requestedWidth = width;
    const char* lineType = LineTypeFor(width, style, m_bDrawnLineTypes);
    if (m_nColorMode == kColorByLineStyle || requestedWidth >= 2) {
        WriteTwoVertexPolyline(from.x * 0.1, from.y * 0.1, to.x * 0.1, to.y * 0.1, width, lineType, color);
        return 1;
    }
    WriteEntityHead("LINE", "AcDbLine", "0");
    WriteGroupString(" 6", lineType);
    WriteGroupInt(" 62", color);
    WriteGroupTenths(" 10", from.x);
    WriteGroupTenths(" 20", from.y);
    WriteGroupTenths(" 11", to.x);
    WriteGroupTenths(" 21", to.y);
    return 1;
}

int CDxfWriter::WriteLineXY(double x1, double y1, double x2, double y2, int width, int style, int color) {
    int requestedWidth = width;
    const char* lineType = LineTypeFor(width, style, m_bDrawnLineTypes);
    if (m_nColorMode == kColorByLineStyle || requestedWidth >= 2) {
        WriteTwoVertexPolyline(x1, y1, x2, y2, width, lineType, color);
        return 1;
    }
    WriteEntityHead("LINE", "AcDbLine", "0");
    WriteGroupString(" 6", lineType);
    WriteGroupInt(" 62", color);
    WriteGroupReal(" 10", x1);
    WriteGroupReal(" 20", y1);
    WriteGroupReal(" 11", x2);
    WriteGroupReal(" 21", y2);
    return 1;
}

int CDxfWriter::WritePolyline(const double* xs, const double* ys, int count, int width, int style,
                              int color) {
    const char* lineType = LineTypeFor(width, style, m_bDrawnLineTypes);
    WritePolylineHead(m_szLayerName, lineType, color, width, "   128", false);
    for (int i = 0; i < count; ++i) {
        WriteVertex(m_szLayerName, xs[i], ys[i], false);
    }
    WriteSeqEnd(m_szLayerName);
    return 1;
}

int CDxfWriter::WritePolylineInt(const CPoint* points, int count, int width, int style, int color) {
    const char* lineType = LineTypeFor(width, style, m_bDrawnLineTypes);
    WritePolylineHead("0", lineType, color, width, "   128", false);
    for (int i = 0; i < count; ++i) {
        WriteVertexTenths("0", points[i], false);
    }
    WriteSeqEnd("0");
    return 1;
}

int CDxfWriter::WriteLwPolyline(const CPoint* points, int count, int width, int style, int color) {
    const char* lineType = LineTypeFor(width, style, m_bDrawnLineTypes);
    WriteGroupString(" 0", "LWPOLYLINE");
    WriteEntityHandle();
    if (!IsRelease14()) {
        WriteCommonGroups("0", lineType, color);
    }
    WriteGroupString("100", "AcDbEntity");
    WriteGroupString("100", "AcDbPolyline");
    if (IsRelease14()) {
        WriteCommonGroups("0", lineType, color);
    }
    WriteGroupInt(" 90", count);
    WriteWidths(width);
    WriteGroupString(" 70", "   128");
    for (int i = 0; i < count; ++i) {
        WriteGroupTenths(" 10", points[i].x);
        WriteGroupTenths(" 20", points[i].y);
    }
    return 1;
}

int CDxfWriter::WriteSolid(const CPoint corners[4], int color) {
    static const char* const kCodes[4][2] = {{" 10", " 20"}, {" 11", " 21"}, {" 12", " 22"}, {" 13", " 23"}};
    WriteEntityHead("SOLID", "AcDbTrace", "0");
    WriteGroupInt(" 62", color);
    for (int i = 0; i < 4; ++i) {
        WriteGroupTenths(kCodes[i][0], corners[i].x);
        WriteGroupTenths(kCodes[i][1], corners[i].y);
    }
    return 1;
}

int CDxfWriter::WriteInsert(const char* blockName, CPoint at, double scale, int color, double angleDegrees) {
    if (scale == 0.0) {
        return 1;
    }
    WriteEntityHead("INSERT", "AcDbBlockReference", "0");
    WriteGroupString(" 2", blockName);
    WriteGroupInt(" 62", color);
    WriteGroupTenths(" 10", at.x);
    WriteGroupTenths(" 20", at.y);
    WriteGroupReal(" 41", scale);
    WriteGroupReal(" 42", scale);
    WriteGroupReal(" 50", angleDegrees);
    return 1;
}

int CDxfWriter::WriteCircle(CPoint centre, int radius, int width, int style, int color) {
    const char* lineType = LineTypeFor(width, style, m_bDrawnLineTypes);
    WriteEntityHead("CIRCLE", "AcDbCircle", "0");
    WriteGroupString(" 6", lineType);
    WriteGroupInt(" 62", color);
    WriteGroupTenths(" 10", centre.x);
    WriteGroupTenths(" 20", centre.y);
    WriteGroupTenths(" 40", radius);
    return 1;
}

int CDxfWriter::WriteArc(CPoint centre, int radius, double startDegrees, double endDegrees, int width,
                         int style, int color) {
    const char* lineType = LineTypeFor(width, style, m_bDrawnLineTypes);
    WriteEntityHead("ARC", "AcDbCircle", "0");
    WriteGroupString(" 6", lineType);
    WriteGroupInt(" 62", color);
    WriteGroupTenths(" 10", centre.x);
    WriteGroupTenths(" 20", centre.y);
    WriteGroupTenths(" 40", radius);
    if (IsRelease14()) {
        WriteGroupString("100", "AcDbArc");
    }
    WriteGroupReal(" 50", startDegrees);
    WriteGroupReal(" 51", endDegrees);
    return 1;
}

int CDxfWriter::WriteRectangle(double x1, double y1, double x2, double y2, int width, int style, int color) {
    const char* lineType = LineTypeFor(width, style, m_bDrawnLineTypes);
    WritePolylineHead("0", lineType, color, width, "   129", true);
    WriteVertex("0", x1, y1, true);
    WriteVertex("0", x2, y1, true);
    WriteVertex("0", x2, y2, true);
    WriteVertex("0", x1, y2, true);
    WriteSeqEnd("0");
    return 1;
}

int CDxfWriter::WriteRectangleInt(CPoint corner1, CPoint corner2, int width, int style, int color) {
    const char* lineType = LineTypeFor(width, style, m_bDrawnLineTypes);
    WritePolylineHead("0", lineType, color, width, "   129", true);
    WriteVertexTenths("0", corner1, true);
    WriteVertexTenths("0", CPoint(corner2.x, corner1.y), true);
    WriteVertexTenths("0", corner2, true);
    WriteVertexTenths("0", CPoint(corner1.x, corner2.y), true);
    WriteSeqEnd("0");
    return 1;
}

int CDxfWriter::WriteHatch(const CPoint* points, int count, int color) {
    int vertices = count > 1 && points[count - 1] == points[0] ? count - 1 : count;
    // A hatch exists only in the subclassed form, so it carries its subclass markers in
    // both releases; readers cannot parse it without them.
    WriteGroupString(" 0", "HATCH");
    WriteEntityHandle();
    if (IsRelease14()) {
        WriteGroupString("100", "AcDbEntity");
        WriteGroupString(" 8", m_hatchLayer);
        WriteGroupString("100", "AcDbHatch");
        WriteGroupInt(" 62", color);
    } else {
        WriteCommonGroups(m_hatchLayer, nullptr, color);
        WriteGroupString("100", "AcDbEntity");
        WriteGroupString("100", "AcDbHatch");
    }
    static const char* const kHead[][2] = {
        {" 10", "0.0"},  {" 20", "0.0"},  {" 30", "0.0"},  {"210", "0.0"},  {"220", "0.0"},
        {"230", "1.0"},  {" 2", "SOLID"}, {" 70", "   1"}, {" 71", "   1"}, {" 91", "   1"},
        {" 92", "   2"}, {" 72", "   1"}, {" 73", "   1"},
    };
    for (const auto& group : kHead) {
        WriteGroupString(group[0], group[1]);
    }
    WriteGroupInt(" 93", vertices);
    for (int i = 0; i < vertices; ++i) {
        WriteGroupTenths(" 10", points[i].x);
        WriteGroupTenths(" 20", points[i].y);
        WriteGroupString(" 42", "0.0");
    }
    WriteGroupString(" 97", "   1");
    WriteGroupHandle(330);
    static const char* const kTail[][2] = {
        {" 75", "   0"}, {" 76", "   1"}, {" 98", "   1"}, {" 10", "0.0"}, {" 20", "0.0"},
    };
    for (const auto& group : kTail) {
        WriteGroupString(group[0], group[1]);
    }
    return 1;
}

int CDxfWriter::WriteText(const char* text, double x, double y, double height, int /*spacing*/, int color,
                          int alignment, int angleTenths) {
    WriteEntityHead("TEXT", "AcDbText", "0");
    WriteGroupInt(" 62", color);
    WriteGroupReal(" 10", x);
    WriteGroupReal(" 20", y);
    WriteGroupString(" 1", OneLine(text).c_str());
    if (angleTenths != 0) {
        WriteGroupTenths(" 50", 3600 - angleTenths);
    }
    if (HasDoubleByteCharacter(text)) {
        if (m_dSingleByteWidth != 1.0) {
            WriteGroupReal(" 41", m_dDoubleByteWidth);
        }
    } else {
        height *= 0.7;
        WriteGroupReal(" 41", m_dSingleByteWidth);
    }
    WriteGroupReal(" 40", height);
    WriteGroupString(" 7", "STYLE-1");
    if ((alignment & 6) == 6) {
        WriteGroupInt(" 72", 1);
    } else if ((alignment & 2) == 2) {
        WriteGroupInt(" 72", 2);
    }
    WriteGroupInt(" 73", (alignment & 8) == 8 ? 1 : 3);
    WriteGroupReal(" 11", x);
    WriteGroupReal(" 21", y);
    return 1;
}

void CDxfWriter::WriteSolidTenths(const DPoint corners[4], int color) {
    static const char* const kCodes[4][2] = {{" 10", " 20"}, {" 11", " 21"}, {" 12", " 22"}, {" 13", " 23"}};
    WriteEntityHead("SOLID", "AcDbTrace", "0");
    WriteGroupInt(" 62", color);
    for (int i = 0; i < 4; ++i) {
        WriteGroupReal(kCodes[i][0], corners[i].x * 0.1);
        WriteGroupReal(kCodes[i][1], corners[i].y * 0.1);
    }
}

int CDxfWriter::WriteArrow(CPoint start, CPoint end, int headLength, int headWidth, int style, int width,
                           int lineType, int color) {
    const auto shape =
        geometry::ArrowShape::Make(DPoint{double(start.x), double(start.y)},
                                   DPoint{double(end.x), double(end.y)}, headLength, headWidth, style);
    for (const auto& segment : shape.segments) {
        WriteLineXY(segment.from.x * 0.1, segment.from.y * 0.1, segment.to.x * 0.1, segment.to.y * 0.1, width,
                    lineType, color);
    }
    const int fillColor = shape.fill == geometry::ArrowShape::kWhiteFill ? 255 : color;
    for (const auto& fill : shape.fills) {
        // A SOLID takes its corners in zig-zag order; a triangle repeats its last corner.
        const DPoint corners[4] = {fill[0], fill[1], fill.size() == 4 ? fill[3] : fill[2], fill[2]};
        WriteSolidTenths(corners, fillColor);
    }
    return 1;
}

BOOL CDxfWriter::ArcBulgeGeometry(CPoint start, CPoint end, CPoint centre, double& bulge) {
    bulge = 0.0;
    if (start == centre || end == centre) {
        return FALSE;
    }
    double from = std::atan2(double(start.y) - centre.y, double(start.x) - centre.x);
    double to = std::atan2(double(end.y) - centre.y, double(end.x) - centre.x);
    double included = to - from;
    while (included <= 0.0) {
        included += 2.0 * M_PI;
    }
    bulge = std::tan(included / 4.0);
    return TRUE;
}
