#pragma once
// A device context: draws with the selected pen, brush and font on any Qt paint device -
// a window's retained canvas, a memory bitmap, a printer/PDF or an SVG generator.
// Coordinates are logical; the mapping mode (MM_TEXT, MM_LOMETRIC, MM_ANISOTROPIC) turns
// them into device pixels here, not through the painter, so that text is never mirrored and
// cosmetic pens stay one pixel wide. Canvas drawing is never anti-aliased, so GetPixel and
// raster operations (XOR pens, AND/OR blits) give exact pixels.

#include "platform/core/CPoint.h"
#include "platform/core/CRect.h"
#include "platform/core/CString.h"
#include "platform/ui/CBitmap.h"
#include "platform/ui/CBrush.h"
#include "platform/ui/CFont.h"
#include "platform/ui/CPen.h"
#include "platform/ui/GdiTypes.h"
#include "platform/ui/PainterTools.h"

#include <QFont>
#include <memory>

class QPainter;
class QPoint;
class QRect;
class QPaintDevice;

class CDC : public CObject {
    DECLARE_DYNAMIC(CDC)
public:
    CDC();
    ~CDC() override;
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    // Draws on an image (a window canvas or a bitmap); the image must outlive the DC.
    BOOL AttachImage(QImage* image);
    // Draws on a printer, PDF writer or SVG generator; printing selects print behaviour.
    BOOL AttachDevice(QPaintDevice* device, bool printing);
    void Detach();
    // A memory DC: draws into the bitmap selected into it afterwards.
    BOOL CreateCompatibleDC(CDC* dc);
    BOOL IsPrinting() const { return printing_; }
    // Drawing for a print preview that shows the device's pixels at this many screen pixels
    // each (0: not a preview). A pen that would be thinner there than a screen pixel (two for
    // a dashed pen, whose dots would break up) is drawn one screen pixel wide, as the preview
    // would otherwise fade or drop it.
    void SetPreviewScale(double screenPixelsPerDevicePixel) { previewScale_ = screenPixelsPerDevicePixel; }
    QPainter* Painter() const { return painter_.get(); }
    // The image drawn on; null on other devices.
    QImage* AttachedImage() const { return image_; }
    // Takes other's mapping, colours, modes and character extra (not its pen, brush or font),
    // so that another DC on a like device draws the same.
    void CopyStateOf(const CDC& other);

    CPen* SelectObject(CPen* pen);
    CBrush* SelectObject(CBrush* brush);
    CFont* SelectObject(CFont* font);
    CBitmap* SelectObject(CBitmap* bitmap);
    // Selects a stock pen or brush (WHITE_BRUSH, NULL_BRUSH, BLACK_PEN, NULL_PEN ...).
    CGdiObject* SelectStockObject(int index);
    // Called by a bitmap that goes while selected: the DC stops drawing into it.
    void ReleaseBitmap(CBitmap* bitmap);

    int SetROP2(int mode);
    COLORREF SetTextColor(COLORREF color);
    int SetBkMode(int mode);
    COLORREF GetTextColor() const { return textColor_; }
    CFont* GetCurrentFont() const { return font_; }
    UINT SetTextAlign(UINT flags);
    // Extra space (logical units) after every character of TextOut and GetTextExtent.
    int SetTextCharacterExtra(int extra);
    int GetTextCharacterExtra() const { return charExtra_; }
    // ALTERNATE (default) or WINDING, for Polygon.
    int SetPolyFillMode(int mode);

    int SetMapMode(int mode);
    int GetMapMode() const { return mapMode_; }
    CPoint SetWindowOrg(int x, int y);
    CSize SetWindowExt(int cx, int cy);
    CPoint SetViewportOrg(int x, int y);
    CPoint SetViewportOrg(CPoint point) { return SetViewportOrg(point.x, point.y); }
    CSize SetViewportExt(int cx, int cy);
    void LPtoDP(CPoint* points, int count = 1) const;
    void DPtoLP(CPoint* points, int count = 1) const;
    void DPtoLP(CRect* rect) const;

    CPoint MoveTo(int x, int y);
    CPoint MoveTo(CPoint point) { return MoveTo(point.x, point.y); }
    BOOL LineTo(int x, int y);
    BOOL LineTo(CPoint point) { return LineTo(point.x, point.y); }
    BOOL Polyline(const CPoint* points, int count);
    // count / 2 separate straight lines, points 2i to 2i + 1, each drawn as Polyline draws two
    // points, with the pen chosen once.
    BOOL LineSegments(const CPoint* points, int count);
    BOOL Polygon(const CPoint* points, int count);
    BOOL Rectangle(int x1, int y1, int x2, int y2);
    BOOL Rectangle(const CRect& rect) { return Rectangle(rect.left, rect.top, rect.right, rect.bottom); }
    BOOL Ellipse(int x1, int y1, int x2, int y2);
    // The arc of the ellipse in the bounding box from the ray through (xStart, yStart) to the
    // ray through (xEnd, yEnd), counter-clockwise as seen on the device.
    BOOL Arc(int x1, int y1, int x2, int y2, int xStart, int yStart, int xEnd, int yEnd);
    void FillSolidRect(const CRect& rect, COLORREF color);
    void FillRect(const CRect& rect, CBrush* brush);
    // A one-pixel border along the inside of rect (right and bottom edges excluded) in the brush.
    void FrameRect(const CRect& rect, CBrush* brush);
    COLORREF SetPixel(int x, int y, COLORREF color);
    // Colour at a logical point of an image DC; CLR_INVALID outside it or on other devices.
    COLORREF GetPixel(int x, int y) const;
    BOOL BitBlt(int x, int y, int width, int height, CDC* source, int xSource, int ySource, DWORD rop);

    BOOL TextOut(int x, int y, const CString& text);
    // Text in character cells: character i (CP932 bytes) starts where the advances of the
    // bytes before it end, so a double-byte character takes the advances of both its bytes.
    // ETO_OPAQUE fills rect with the background colour first. dx may be null (font advances).
    BOOL ExtTextOut(int x, int y, UINT options, const CRect* rect, const CString& text, const int* dx);
    CSize GetTextExtent(const CString& text) const;
    BOOL GetTextMetrics(TEXTMETRIC* metrics) const;

    // Logical-unit clip box (the whole device).
    int GetClipBox(CRect* rect) const;
    int GetDeviceCaps(int index) const;

    // Printing jobs on a printer DC (the printer itself is driven by the print runner).
    int StartPage();
    int EndPage();

private:
    QPoint ToDevice(int x, int y) const;
    double ScaleX() const;
    double ScaleY() const;
    void ApplyRop();
    void ApplyPen();
    void ApplyBrush();
    // A straight segment of a solid pen two or more pixels wide, filled as the flat-capped
    // rectangle that stroking it would outline (stroking runs Qt's general stroker, many
    // times slower); false when the pen or the segment is not of that kind.
    bool FillWideSegment(QPoint from, QPoint to);
    // The corners of that rectangle.
    static void WideSegmentCorners(QPoint from, QPoint to, double width, QPointF corners[4]);
    // The same for an ellipse's outline: the ring between the outlines half a pen inside and
    // outside it, after the inside in the brush.
    bool FillWideEllipse(const QRect& outline);
    bool IsPlainWidePen() const;
    // The selected font in device pixels with the line metrics text is placed by.
    struct DeviceText {
        QFont font;
        int ascent = 0;
        int descent = 0;
        int Height() const { return ascent + descent; }
    };
    bool FillsWindowsCell() const;
    int CellPixels() const;
    QFont DeviceFont() const;
    // The selected font in device pixels; kept while font, scale and device stay the same,
    // as text-heavy drawings (a label per point) would otherwise build it for every call.
    const DeviceText& TextFont() const;
    DeviceText MakeTextFont() const;
    struct TextFontCache {
        bool valid = false;
        LOGFONT font;
        double scaleY = 0.0;
        const QPaintDevice* device = nullptr;
        bool printing = false;
        DeviceText text;
    };
    mutable TextFontCache textFontCache_;
    void Begin(QPaintDevice* device);
    // The character extra in device pixels.
    int ExtraPixels() const;

    PainterTools tools_;
    std::unique_ptr<QPainter> painter_;
    QPaintDevice* device_ = nullptr;
    QImage* image_ = nullptr;
    bool printing_ = false;
    double previewScale_ = 0.0;
    bool memory_ = false;
    bool newPageDue_ = false;

    CPen defaultPen_;
    CBrush defaultBrush_;
    CFont defaultFont_;
    CPen stockPens_[3];
    CBrush stockBrushes_[6];
    CPen* pen_;
    CBrush* brush_;
    CFont* font_;
    CBitmap* bitmap_ = nullptr;

    int rop2_ = R2_COPYPEN;
    COLORREF textColor_ = RGB(0, 0, 0);
    COLORREF bkColor_ = RGB(255, 255, 255);
    int bkMode_ = OPAQUE;
    UINT textAlign_ = TA_LEFT | TA_TOP;
    int charExtra_ = 0;
    int polyFillMode_ = ALTERNATE;
    int mapMode_ = MM_TEXT;
    CPoint windowOrg_;
    CSize windowExt_{1, 1};
    CPoint viewportOrg_;
    CSize viewportExt_{1, 1};
    CPoint position_;
};
