#pragma once
// Writes a DXF drawing as text, one group (code line, value line) at a time, into an
// open CTextFile. Release 12 ("AC1009") by default, release 14 ("AC1014") when the
// version is 14.
//
// An export writes, in order: WriteHeaderSection, WriteTablesSection,
// WriteBlocksSection, then its own " 0"/"SECTION", " 2"/"ENTITIES", entities through
// the entity writers, " 0"/"ENDSEC", then WriteObjectsSection, " 0"/"EOF", and closes
// the file itself (opened on a platform::SafeFileWriter, `file.Open(writer, ...)`, and
// committed after the close, so that a failed export never leaves half a drawing under
// the name). Set the version before the header and the layer name before each
// group of polyline entities. File errors pass out as CFileException (the text file
// has already told the user).
//
// Integer coordinates and widths are plot units of 0.1 and are written as tenths;
// double coordinates are written with WriteGroupReal.

#include "common/geometry/DPoint.h"
#include "platform/core/CMapWordToPtr.h"
#include "platform/core/CObject.h"
#include "platform/core/CPoint.h"
#include "platform/core/CString.h"

class CTextFile;

class CDxfWriter : public CObject {
    DECLARE_DYNAMIC(CDxfWriter)

public:
    // Colour modes: entities carry the caller's colour number; the caller maps the 16
    // standard colours with StandardColorToAci; the caller takes colours by line style
    // with SelectLineType (and a 2-point line is then always a polyline).
    enum ColorMode { kColorAsGiven = 0, kStandardColors = 1, kColorByLineStyle = 2 };

    CDxfWriter();
    CDxfWriter(double doubleByteWidth, double singleByteWidth, int colorMode, const int lineStyleColors[4]);
    ~CDxfWriter() override;
    CDxfWriter(const CDxfWriter&) = delete;
    CDxfWriter& operator=(const CDxfWriter&) = delete;

    // The layer of solid hatches: "9" for the analysis program (default), "1" for the
    // section model editor. A hatch layer other than "0" and "1" gets its own LAYER record.
    void SetHatchLayer(const char* layer) { m_hatchLayer = layer; }
    // Copies at most 19 bytes of the name (never half a double-byte character).
    void SetLayerName(const char* name);

    // Group writers. The code line is the caller's literal (" 0", " 10", "  5", "100").
    void WriteGroupString(const char* code, const char* value);
    void WriteGroupTenths(const char* code, int tenths);
    void WriteGroupReal(const char* code, double value);
    void WriteGroupInt(const char* code, int value);
    void WriteNextHandle();
    void WriteGroupHandle(int code);

    // Section writers, in this order.
    void WriteHeaderSection(double minX, double minY, double maxX, double maxY);
    void WriteHeaderSection(int width, int height);
    void WriteTablesSection(BOOL withMarkerBlocks, BOOL withArrowBlocks);
    void WriteBlocksSection(BOOL withMarkerBlocks, BOOL withArrowBlocks);
    void WriteObjectsSection();

    // DXF colour number of standard colour 0..15; 7 for any other value.
    static int StandardColorToAci(int index);
    // Colour number of line-style code 1, 3, 5 or 7 (the four line-style colours), 0 for
    // any other code; the code is reset to 1.
    int SelectLineType(int& widthCode) const;
    // The line-type index of an entity of this width and style (style 1..3 with a
    // non-zero width, else 0); a width of 0 becomes 1 (the default width).
    static int NextVertexFlag(int& width, int style);
    // DXF colour number of a colour key after WriteHeaderSection; -1 when not mapped.
    int MappedColorIndex(WORD key) const;

    // Entity writers; each returns 1 after writing.
    int WriteLine(CPoint from, CPoint to, int width, int style, int color);
    int WriteLineXY(double x1, double y1, double x2, double y2, int width, int style, int color);
    int WritePolyline(const double* xs, const double* ys, int count, int width, int style, int color);
    int WritePolylineInt(const CPoint* points, int count, int width, int style, int color);
    int WriteLwPolyline(const CPoint* points, int count, int width, int style, int color);
    int WriteSolid(const CPoint corners[4], int color);
    // Nothing is written when the scale is 0.
    int WriteInsert(const char* blockName, CPoint at, double scale, int color, double angleDegrees = 0.0);
    int WriteCircle(CPoint centre, int radius, int width, int style, int color);
    int WriteArc(CPoint centre, int radius, double startDegrees, double endDegrees, int width, int style,
                 int color);
    int WriteRectangle(double x1, double y1, double x2, double y2, int width, int style, int color);
    int WriteRectangleInt(CPoint corner1, CPoint corner2, int width, int style, int color);
    int WriteHatch(const CPoint* points, int count, int color);
    // An arrow from start to end (plot units) with head length a, head width b and style c
    // as geometry::ArrowShape draws it: its lines in the width and line type, its filled
    // heads as SOLIDs (white heads in colour 255). Nothing for an arrow that is not drawn.
    int WriteArrow(CPoint start, CPoint end, int headLength, int headWidth, int style, int width,
                   int lineType, int color);
    // Starts an entity of this type and subclass on layer "0" (handle and markers as the
    // release wants); the caller writes its groups.
    void BeginEntity(const char* type, const char* subclass) { WriteEntityHead(type, subclass, "0"); }

    // The bulge of the arc from start to end about centre, counter-clockwise (the tangent
    // of a quarter of its included angle); FALSE, and bulge 0, when start or end is the centre.
    static BOOL ArcBulgeGeometry(CPoint start, CPoint end, CPoint centre, double& bulge);
    // Text in CP932; angle in tenths of a degree; alignment flags: 6 centre, 2 right,
    // 8 bottom (else top). The spacing takes no part in the output.
    int WriteText(const char* text, double x, double y, double height, int spacing, int color, int alignment,
                  int angleTenths);

    CTextFile* m_pFile = nullptr;
    int m_nVersion = 0;
    long m_nNextHandle = 32;
    CMapWordToPtr* m_pUsedColors = nullptr; // colour key -> COLORREF*, owned by the caller
    CMapWordToPtr m_colorIndexMap;          // colour key -> int* (owned here)
    double m_dDoubleByteWidth = 0.8;
    double m_dSingleByteWidth = 0.5;
    int m_nColorMode = kColorAsGiven;
    int m_lineStyleColors[4] = {5, 8, 1, 6};
    char m_szLayerName[20] = "0";
    // With the marker blocks, also "CENTER-8" and "CENTER-9": the triangle turned over,
    // outlined and filled.
    bool m_bTurnedMarkerBlocks = false;
    // Line types as a drawing shows them: line type 4 is "DASHDOTDOT" (in the table too) and
    // a width of 0 keeps its line type.
    bool m_bDrawnLineTypes = false;
    // The marker and arrow blocks' contents take the colour of the INSERT that shows them
    // (colour BYBLOCK).
    bool m_bBlocksTakeInsertColor = false;

private:
    bool IsRelease14() const { return m_nVersion == 14; }
    void MapUsedColors();
    void ClearColorIndexMap();
    void WriteTableHead(const char* name, const char* flags);
    void WriteRecordHead(const char* type, const char* subclass);
    void WriteLineTypes();
    void WriteLayers();
    void WriteStyles();
    void WriteRelease14Tables(BOOL withMarkerBlocks, BOOL withArrowBlocks);
    void WriteBlockBegin(const char* name, const char* flags);
    void WriteBlockEnd();
    void WriteMarkerBlocks();
    void WriteArrowBlocks();
    void WriteBlockContentColor();
    void WriteMarkerLine(double x1, double y1, double x2, double y2);
    void WriteMarkerSolid(const double corners[8]);
    void WriteMarkerCircle(double radius);
    void WriteTriangleBlocks(int firstNumber, double tipY, double baseY);
    void WriteSolidTenths(const DPoint corners[4], int color);

    void WriteEntityHandle();
    void WriteEntityHead(const char* type, const char* subclass, const char* layer);
    void WriteCommonGroups(const char* layer, const char* lineType, int color);
    void WriteWidths(int width);
    void WritePolylineHead(const char* layer, const char* lineType, int color, int width, const char* flags,
                           bool release14Markers);
    // The VERTEX record up to its layer; the caller writes the coordinates.
    void WriteVertexHead(const char* layer, bool release14Markers);
    void WriteVertex(const char* layer, double x, double y, bool release14Markers);
    void WriteVertexTenths(const char* layer, CPoint point, bool release14Markers);
    void WriteSeqEnd(const char* layer);
    void WriteTwoVertexPolyline(double x1, double y1, double x2, double y2, int width, const char* lineType,
                                int color);

    CString m_hatchLayer = "9";
};
