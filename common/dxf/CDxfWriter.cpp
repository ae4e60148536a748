#include "common/dxf/CDxfWriter.h"

#include "common/dxf/CDxfColorPalette.h"
#include "common/records/CTextFile.h"
#include "platform/core/CodePage.h"
#include "platform/core/MapEntries.h"
#include "platform/core/NumberFormat.h"

#include <cmath>
#include <cstring>
#include <vector>

IMPLEMENT_DYNAMIC(CDxfWriter, CObject)

namespace {

constexpr double kDefaultPaletteScale = 4.0;

} // namespace

CDxfWriter::CDxfWriter() = default;

CDxfWriter::CDxfWriter(double doubleByteWidth, double singleByteWidth, int colorMode,
                       const int lineStyleColors[4])
    : m_dDoubleByteWidth(doubleByteWidth), m_dSingleByteWidth(singleByteWidth), m_nColorMode(colorMode) {
    std::memcpy(m_lineStyleColors, lineStyleColors, sizeof m_lineStyleColors);
}

CDxfWriter::~CDxfWriter() {
    ClearColorIndexMap();
}

void CDxfWriter::SetLayerName(const char* name) {
    std::size_t keep = platform::Cp932SafeCut(name, sizeof m_szLayerName - 1);
    std::memcpy(m_szLayerName, name, keep);
    m_szLayerName[keep] = '\0';
}

void CDxfWriter::WriteGroupString(const char* code, const char* value) {
    m_pFile->WriteLine(code);
    m_pFile->WriteLine(value);
}

void CDxfWriter::WriteGroupTenths(const char* code, int tenths) {
    WriteGroupString(code, platform::FormatC("%.1lf", tenths * 0.1).c_str());
}

void CDxfWriter::WriteGroupReal(const char* code, double value) {
    const char* format = (value != 0.0 && std::fabs(value) <= 0.0009999) ? "%.2le" : "%.3lf";
    WriteGroupString(code, platform::FormatC(format, value).c_str());
}

void CDxfWriter::WriteGroupInt(const char* code, int value) {
    WriteGroupString(code, platform::FormatC("   %d", value).c_str());
}

void CDxfWriter::WriteNextHandle() {
    WriteGroupString("  5", platform::FormatC("%lX", m_nNextHandle).c_str());
    ++m_nNextHandle;
}

void CDxfWriter::WriteGroupHandle(int code) {
    WriteGroupString(platform::FormatC("%d", code).c_str(), platform::FormatC("%lX", m_nNextHandle).c_str());
    ++m_nNextHandle;
}

int CDxfWriter::StandardColorToAci(int index) {
    static const int kAci[16] = {7, 12, 92, 52, 172, 212, 132, 9, 8, 1, 3, 2, 5, 6, 4, 255};
    return index >= 0 && index < 16 ? kAci[index] : 7;
}

int CDxfWriter::SelectLineType(int& widthCode) const {
    int color = 0;
    switch (widthCode) {
    case 1:
        color = m_lineStyleColors[0];
        break;
    case 3:
        color = m_lineStyleColors[1];
        break;
    case 5:
        color = m_lineStyleColors[2];
        break;
    case 7:
        color = m_lineStyleColors[3];
        break;
    default:
        break;
    }
    widthCode = 1;
    return color;
}

int CDxfWriter::NextVertexFlag(int& width, int style) {
    int index = (width != 0 && style >= 1 && style <= 3) ? style : 0;
    if (width == 0) {
        width = 1;
    }
    return index;
}

int CDxfWriter::MappedColorIndex(WORD key) const {
    void* value = nullptr;
    return m_colorIndexMap.Lookup(key, value) ? *static_cast<int*>(value) : -1;
}

void CDxfWriter::ClearColorIndexMap() {
    for (auto [key, value] : platform::MapEntries<int>(m_colorIndexMap)) {
        delete value;
    }
    m_colorIndexMap.RemoveAll();
}

void CDxfWriter::MapUsedColors() {
    CDxfColorPalette palette;
    if (!palette.LoadColorPalette()) {
        palette.BuildDefaultPalette(kDefaultPaletteScale);
    }
    ClearColorIndexMap();
    for (auto [key, color] : platform::MapEntries<const COLORREF>(*m_pUsedColors)) {
        m_colorIndexMap.SetAt(key, new int(palette.NearestPaletteIndex(color)));
    }
}

// The header also declares the code page, so that readers show the CP932 texts
// (Japanese line-type descriptions and texts) correctly.
void CDxfWriter::WriteHeaderSection(double minX, double minY, double maxX, double maxY) {
    if (m_pUsedColors && !m_pUsedColors->IsEmpty()) {
        MapUsedColors();
    }
    WriteGroupString(" 0", "SECTION");
    WriteGroupString(" 2", "HEADER");
    WriteGroupString(" 9", "$ACADVER");
    WriteGroupString(" 1", IsRelease14() ? "AC1014" : "AC1009");
    WriteGroupString(" 9", "$DWGCODEPAGE");
    WriteGroupString(" 3", "ANSI_932");
    const char* names[4] = {"$EXTMIN", "$EXTMAX", "$LIMMIN", "$LIMMAX"};
    for (int i = 0; i < 4; ++i) {
        bool isMax = i % 2 == 1;
        WriteGroupString(" 9", names[i]);
        WriteGroupReal(" 10", isMax ? maxX : minX);
        WriteGroupReal(" 20", isMax ? maxY : minY);
    }
    WriteGroupString(" 9", "$TEXTSIZE");
    WriteGroupReal(" 40", 1.0);
    WriteGroupString(" 0", "ENDSEC");
}

void CDxfWriter::WriteHeaderSection(int width, int height) {
    WriteHeaderSection(0.0, 0.0, width, height);
}

void CDxfWriter::WriteTableHead(const char* name, const char* flags) {
    WriteGroupString(" 0", "TABLE");
    WriteGroupString(" 2", name);
    if (IsRelease14()) {
        WriteNextHandle();
        WriteGroupString("100", "AcDbSymbolTable");
    }
    WriteGroupString(" 70", flags);
}

void CDxfWriter::WriteRecordHead(const char* type, const char* subclass) {
    WriteGroupString(" 0", type);
    if (IsRelease14()) {
        WriteNextHandle();
        WriteGroupString("100", "AcDbSymbolTableRecord");
        WriteGroupString("100", subclass);
    }
}

void CDxfWriter::WriteTablesSection(BOOL withMarkerBlocks, BOOL withArrowBlocks) {
    WriteGroupString(" 0", "SECTION");
    WriteGroupString(" 2", "TABLES");
    if (IsRelease14()) {
        WriteGroupString(" 0", "TABLE");
        WriteGroupString(" 2", "VPORT");
        WriteGroupString(" 5", "8");
        WriteGroupString("100", "AcDbSymbolTable");
        WriteGroupString(" 70", "0");
        WriteRecordHead("VPORT", "AcDbViewportTableRecord");
        WriteGroupString(" 2", "*ACTIVE");
        WriteGroupString(" 70", "0");
        WriteGroupString(" 0", "ENDTAB");
    }
    WriteLineTypes();
    WriteLayers();
    WriteStyles();
    if (IsRelease14()) {
        WriteRelease14Tables(withMarkerBlocks, withArrowBlocks);
    }
    WriteGroupString(" 0", "ENDSEC");
}

void CDxfWriter::WriteLineTypes() {
    WriteTableHead("LTYPE", "0");
    if (IsRelease14()) {
        for (const char* name : {"BYBLOCK", "BYLAYER"}) {
            WriteRecordHead("LTYPE", "AcDbLinetypeTableRecord");
            WriteGroupString(" 2", name);
            WriteGroupString(" 70", "   0");
            WriteGroupString(" 3", "");
            WriteGroupString(" 72", "65");
            WriteGroupString(" 73", "  0");
            WriteGroupString(" 40", "0.0");
            WriteGroupString(" 73", "0");
        }
    }
    struct Pattern {
        const char* name;
        const char8_t* description;
        const char* countText;
        int count;
        int total;
        int elements[6];
    };
    static const Pattern kPatterns[5] = {
        {"CONTINUOUS", u8"実線", "   0", 0, 0, {}},
        {"DASHED", u8"破線", "   2", 2, 22, {15, -7}},
        {"DOT", u8"点線", "   2", 2, 9, {4, -5}},
        {"DASHDOT", u8"一点鎖線", "   4", 4, 39, {25, -5, 4, -5}},
        {"DASHDOTDOT", u8"二点鎖線", "   6", 6, 48, {25, -5, 4, -5, 4, -5}},
    };
    for (const Pattern& pattern : kPatterns) {
        if (pattern.count == 6 && !m_bDrawnLineTypes) {
            continue;
        }
        WriteRecordHead("LTYPE", "AcDbLinetypeTableRecord");
        WriteGroupString(" 2", pattern.name);
        WriteGroupString(" 70", "   0");
        WriteGroupString(" 3", CString(pattern.description));
        WriteGroupString(" 72", "   65");
        WriteGroupString(" 73", pattern.countText);
        if (pattern.total == 0) {
            WriteGroupReal(" 40", 0.0);
            continue;
        }
        WriteGroupTenths(" 40", pattern.total);
        for (int i = 0; i < pattern.count; ++i) {
            WriteGroupTenths(" 49", pattern.elements[i]);
            if (IsRelease14()) {
                WriteGroupString(" 74", "   0");
            }
        }
    }
    WriteGroupString(" 0", "ENDTAB");
}

void CDxfWriter::WriteLayers() {
    WriteTableHead("LAYER", "   0");
    CString names[3] = {"0", "1", m_hatchLayer};
    // Release 14 output gives the hatch layer its own record when it is not one of the
    // two fixed layers.
    bool hatchLayerRecord = IsRelease14() && !(m_hatchLayer == "0" || m_hatchLayer == "1");
    for (int i = 0; i < (hatchLayerRecord ? 3 : 2); ++i) {
        WriteRecordHead("LAYER", "AcDbLayerTableRecord");
        WriteGroupString(" 2", names[i]);
        WriteGroupString(" 70", "   0");
        WriteGroupString(" 62", "   7");
        WriteGroupString(" 6", "CONTINUOUS");
    }
    WriteGroupString(" 0", "ENDTAB");
}

void CDxfWriter::WriteStyles() {
    WriteTableHead("STYLE", "   0");
    static const char* const kStyles[3][3] = {
        {"STANDARD", "txt", ""}, {"BIGFONT", "", "BIGFONT"}, {"STYLE-1", "monotxt", "BIGFONT"}};
    for (const auto& style : kStyles) {
        WriteRecordHead("STYLE", "AcDbTextStyleTableRecord");
        WriteGroupString(" 2", style[0]);
        WriteGroupString(" 70", "   0");
        WriteGroupReal(" 40", 1.0);
        WriteGroupReal(" 41", 1.0);
        WriteGroupReal(" 50", 0.0);
        WriteGroupString(" 71", "   0");
        WriteGroupReal(" 42", 1.0);
        WriteGroupString(" 3", style[1]);
        WriteGroupString(" 4", style[2]);
    }
    WriteGroupString(" 0", "ENDTAB");
}

void CDxfWriter::WriteRelease14Tables(BOOL withMarkerBlocks, BOOL withArrowBlocks) {
    for (const char* name : {"VIEW", "UCS"}) {
        WriteTableHead(name, "0");
        WriteGroupString(" 0", "ENDTAB");
    }
    WriteTableHead("APPID", "0");
    WriteRecordHead("APPID", "AcDbRegAppTableRecord");
    WriteGroupString(" 2", "ACAD");
    WriteGroupString(" 70", "0");
    WriteGroupString(" 0", "ENDTAB");

    WriteTableHead("DIMSTYLE", "0");
    WriteGroupString(" 0", "DIMSTYLE");
    WriteGroupHandle(105);
    WriteGroupString("100", "AcDbSymbolTableRecord");
    WriteGroupString("100", "AcDbDimStyleTableRecord");
    WriteGroupString(" 2", "STANDARD");
    WriteGroupString(" 70", "0");
    WriteGroupString(" 0", "ENDTAB");

    WriteTableHead("BLOCK_RECORD", "0");
    std::vector<CString> names = {"*MODEL_SPACE", "*PAPER_SPACE"};
    for (int i = 0; withMarkerBlocks && i < (m_bTurnedMarkerBlocks ? 10 : 8); ++i) {
        names.push_back(platform::FormatC("CENTER-%d", i));
    }
    for (int i = 1; withArrowBlocks && i <= 3; ++i) {
        names.push_back(platform::FormatC("ARROW-%d", i));
    }
    for (const CString& name : names) {
        WriteRecordHead("BLOCK_RECORD", "AcDbBlockTableRecord");
        WriteGroupString(" 2", name);
    }
    WriteGroupString(" 0", "ENDTAB");
}

void CDxfWriter::WriteBlocksSection(BOOL withMarkerBlocks, BOOL withArrowBlocks) {
    WriteGroupString(" 0", "SECTION");
    WriteGroupString(" 2", "BLOCKS");
    if (IsRelease14()) {
        for (const char* name : {"*MODEL_SPACE", "*PAPER_SPACE"}) {
            WriteBlockBegin(name, "   0");
            WriteBlockEnd();
        }
    }
    if (withMarkerBlocks) {
        WriteMarkerBlocks();
    }
    if (withArrowBlocks) {
        WriteArrowBlocks();
    }
    WriteGroupString(" 0", "ENDSEC");
}

void CDxfWriter::WriteBlockBegin(const char* name, const char* flags) {
    WriteGroupString(" 0", "BLOCK");
    if (IsRelease14()) {
        WriteNextHandle();
        WriteGroupString("100", "AcDbEntity");
        WriteGroupString("100", "AcDbBlockBegin");
    }
    WriteGroupString(" 8", "0");
    WriteGroupString(" 2", name);
    WriteGroupString(" 70", flags);
    WriteGroupReal(" 10", 0.0);
    WriteGroupReal(" 20", 0.0);
    WriteGroupReal(" 30", 0.0);
    WriteGroupString(" 3", name);
    WriteGroupString(" 1", "");
}

void CDxfWriter::WriteBlockEnd() {
    WriteGroupString(" 0", "ENDBLK");
    if (IsRelease14()) {
        WriteNextHandle();
        WriteGroupString("100", "AcDbEntity");
        WriteGroupString(" 8", "0");
        WriteGroupString("100", "AcDbBlockEnd");
    }
}

void CDxfWriter::WriteBlockContentColor() {
    if (m_bBlocksTakeInsertColor) {
        WriteGroupString(" 62", "     0");
    }
}

void CDxfWriter::WriteMarkerLine(double x1, double y1, double x2, double y2) {
    WriteGroupString(" 0", "LINE");
    WriteEntityHandle();
    WriteGroupString(" 8", "0");
    WriteBlockContentColor();
    WriteGroupReal(" 10", x1);
    WriteGroupReal(" 20", y1);
    WriteGroupReal(" 11", x2);
    WriteGroupReal(" 21", y2);
}

void CDxfWriter::WriteMarkerSolid(const double corners[8]) {
    static const char* const kCodes[8] = {" 10", " 20", " 11", " 21", " 12", " 22", " 13", " 23"};
    WriteGroupString(" 0", "SOLID");
    WriteEntityHandle();
    WriteGroupString(" 8", "0");
    WriteBlockContentColor();
    for (int i = 0; i < 8; ++i) {
        WriteGroupReal(kCodes[i], corners[i]);
    }
}

void CDxfWriter::WriteMarkerCircle(double radius) {
    WriteGroupString(" 0", "CIRCLE");
    WriteEntityHandle();
    WriteGroupString(" 8", "0");
    WriteBlockContentColor();
    WriteGroupReal(" 10", 0.0);
    WriteGroupReal(" 20", 0.0);
    WriteGroupReal(" 40", radius);
}

// Markers of measurement and boundary points: triangle, square and diamond outlines,
// each also filled, and a circle and a double circle.
void CDxfWriter::WriteMarkerBlocks() {
    const double top = 5.7735;
    const double low = -2.8868;
    WriteTriangleBlocks(0, top, low);
    const double outlines[3][4][2] = {
        {},
        {{-5, -5}, {5, -5}, {5, 5}, {-5, 5}},
        {{0, -4.5}, {4.5, 0}, {0, 4.5}, {-4.5, 0}},
    };
    const int corners[3] = {3, 4, 4};
    const double solids[3][8] = {
        {},
        {-5, -5, 5, -5, -5, 5, 5, 5},
        {0, -4.5, 4.5, 0, -4.5, 0, 0, 4.5},
    };
    for (int shape = 1; shape < 3; ++shape) {
        for (int filled = 0; filled < 2; ++filled) {
            WriteBlockBegin(platform::FormatC("CENTER-%d", shape * 2 + filled).c_str(), "   64");
            int n = corners[shape];
            for (int i = 0; i < n; ++i) {
                const double* a = outlines[shape][i];
                const double* b = outlines[shape][(i + 1) % n];
                WriteMarkerLine(a[0], a[1], b[0], b[1]);
            }
            if (filled) {
                WriteMarkerSolid(solids[shape]);
            }
            WriteBlockEnd();
        }
    }
    WriteBlockBegin("CENTER-6", "   64");
    WriteMarkerCircle(5.0);
    WriteBlockEnd();
    WriteBlockBegin("CENTER-7", "   64");
    WriteMarkerCircle(5.0);
    WriteMarkerCircle(2.5);
    WriteBlockEnd();
    if (m_bTurnedMarkerBlocks) {
        WriteTriangleBlocks(8, -top, -low);
    }
}

// The triangle with its tip at (0, tipY) and its base at baseY, outlined and filled.
void CDxfWriter::WriteTriangleBlocks(int firstNumber, double tipY, double baseY) {
    const double outline[3][2] = {{0, tipY}, {-5, baseY}, {5, baseY}};
    const double solid[8] = {0, tipY, -5, baseY, 5, baseY, 5, baseY};
    for (int filled = 0; filled < 2; ++filled) {
        WriteBlockBegin(platform::FormatC("CENTER-%d", firstNumber + filled).c_str(), "   64");
        for (int i = 0; i < 3; ++i) {
            const double* a = outline[i];
            const double* b = outline[(i + 1) % 3];
            WriteMarkerLine(a[0], a[1], b[0], b[1]);
        }
        if (filled) {
            WriteMarkerSolid(solid);
        }
        WriteBlockEnd();
    }
}

// Plain lines whatever the colour mode: a block holds no polyline (readers drop the
// sequence end of a polyline inside a release-12 block).
void CDxfWriter::WriteArrowBlocks() {
    WriteBlockBegin("ARROW-1", "   64");
    WriteMarkerLine(0.0, 0.0, 10.0, 3.0);
    WriteMarkerLine(0.0, 0.0, 10.0, -3.0);
    WriteBlockEnd();
    WriteBlockBegin("ARROW-2", "   64");
    WriteMarkerLine(0.0, 0.0, 10.0, 3.0);
    WriteBlockEnd();
    WriteBlockBegin("ARROW-3", "   64");
    WriteMarkerLine(0.0, 0.0, 10.0, -3.0);
    WriteBlockEnd();
}

void CDxfWriter::WriteObjectsSection() {
    if (!IsRelease14()) {
        return;
    }
    static const char* const kGroups[][2] = {
        {" 0", "SECTION"},
        {" 2", "OBJECTS"},
        {" 0", "DICTIONARY"},
        {" 5", "C"},
        {"100", "AcDbDictionary"},
        {" 3", "ACAD_GROUP"},
        {"350", "D"},
        {" 3", "ACAD_MLINESTYLE"},
        {"350", "1B"},
        {" 0", "DICTIONARY"},
        {" 5", "D"},
        {"102", "{ACAD_REACTORS"},
        {"330", "C"},
        {"102", "}"},
        {"330", "C"},
        {"100", "AcDbDictionary"},
        {" 0", "DICTIONARY"},
        {" 5", "1B"},
        {"102", "{ACAD_REACTORS"},
        {"330", "C"},
        {"102", "}"},
        {"330", "C"},
        {"100", "AcDbDictionary"},
        {" 3", "STANDARD"},
        {"350", "1C"},
        {" 0", "MLINESTYLE"},
        {" 5", "1C"},
        {"102", "{ACAD_REACTORS"},
        {"330", "1B"},
        {"102", "}"},
        {"330", "1B"},
        {"100", "AcDbMlineStyle"},
        {" 2", "STANDARD"},
        {"70", "0"},
        {"3", ""},
        {"62", "256"},
        {"51", "90.0"},
        {"52", "90.0"},
        {"71", "2"},
        {"49", "0.5"},
        {"62", "256"},
        {" 6", "BYLAYER"},
        {"49", "-0.5"},
        {"62", "256"},
        {" 6", "BYLAYER"},
        {" 0", "ENDSEC"},
    };
    for (const auto& group : kGroups) {
        WriteGroupString(group[0], group[1]);
    }
}
