#include "drawing_viewer/app/PageCopy.h"

#include "drawing_viewer/app/PageSetup.h"
#include "drawing_viewer/core/CMainDoc.h"
#include "drawing_viewer/render/BandedDraw.h"
#include "drawing_viewer/render/PlotRenderer.h"

#include "platform/ui/CDC.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QSvgGenerator>

namespace zapho {

namespace {

constexpr double kPlotUnitsPerInch = 254.0;

// Drawing as an embedded picture: the renderer draws as for a printer, at scale 1, with
// the page's top left as the origin.
class PictureDrawing {
public:
    PictureDrawing(CMainDoc& doc, const PaperRange& range)
        : doc_(doc), scale_(doc.m_dScale), originX_(doc.m_dOriginX), originY_(doc.m_dOriginY),
          offsetX_(doc.m_dOffsetX), offsetY_(doc.m_dOffsetY) {
        doc.m_bItemDrawing = TRUE;
        doc.m_dScale = 1.0;
        doc.m_dOriginX = range.left;
        doc.m_dOriginY = range.top;
        doc.m_dOffsetX = doc.m_dOffsetY = 0.0;
    }
    ~PictureDrawing() {
        doc_.m_bItemDrawing = FALSE;
        doc_.m_dScale = scale_;
        doc_.m_dOriginX = originX_;
        doc_.m_dOriginY = originY_;
        doc_.m_dOffsetX = offsetX_;
        doc_.m_dOffsetY = offsetY_;
    }
    PictureDrawing(const PictureDrawing&) = delete;
    PictureDrawing& operator=(const PictureDrawing&) = delete;

private:
    CMainDoc& doc_;
    double scale_, originX_, originY_, offsetX_, offsetY_;
};

void MapPaper(CDC& dc, const PaperRange& range, int deviceWidth, int deviceHeight) {
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowOrg(0, 0);
    dc.SetWindowExt(range.width, -range.height);
    dc.SetViewportOrg(0, 0);
    dc.SetViewportExt(deviceWidth, deviceHeight);
}

PaperRange RangeOf(const CMainDoc& doc, int page, const PaperRange* range) {
    if (range && range->width > 0 && range->height > 0) {
        return *range;
    }
    const PagePaper paper = PaperOfPage(doc.m_drawing, page);
    return PaperRange{0, paper.height, paper.width, paper.height};
}

} // namespace

void DrawPageItems(CDC* dc, CMainDoc& doc, int page, bool measure, bool monochrome) {
    if (page < 0 || page >= doc.m_drawing.PageCount()) {
        return;
    }
    PlotRenderer renderer(doc, monochrome);
    const PlotPage& values = doc.m_drawing.Page(page);
    renderer.DrawPlotItems(dc, values.m_items);
    renderer.DrawPlotItems(dc, values.m_overflow);
    renderer.DrawPlotStrings(dc, page, measure);
}

void DrawPageItemsInBands(CDC* dc, CMainDoc& doc, int page, bool measure, bool monochrome) {
    if (page < 0 || page >= doc.m_drawing.PageCount()) {
        return;
    }
    const PlotPage& values = doc.m_drawing.Page(page);
    BandedDraw::Draw(
        *dc,
        [&](CDC& band, bool) {
            PlotRenderer renderer(doc, monochrome);
            renderer.DrawPlotItems(&band, values.m_items);
            renderer.DrawPlotItems(&band, values.m_overflow);
        },
        // The texts are drawn once, beside the bands: split into bands as well, they wait on
        // each other in Qt's font handling and take twice as long.
        [&](CDC& layer, bool) { PlotRenderer(doc, monochrome).DrawPlotStrings(&layer, page, measure); },
        BandedDraw::BandsFor(values.m_items.size() + values.m_overflow.size()));
}

QByteArray PageAsSvg(CMainDoc& doc, int page, bool monochrome, const PaperRange* part) {
    const PaperRange paper = RangeOf(doc, page, part);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setResolution(static_cast<int>(kPlotUnitsPerInch)); // one pixel, one plot unit
    generator.setSize(QSize(paper.width, paper.height));
    generator.setViewBox(QRect(0, 0, paper.width, paper.height));
    {
        PictureDrawing drawing(doc, paper);
        CDC dc;
        if (!dc.AttachDevice(&generator, false)) {
            return QByteArray();
        }
        dc.FillSolidRect(CRect(0, 0, paper.width, paper.height), RGB(255, 255, 255));
        MapPaper(dc, paper, paper.width, paper.height);
        DrawPageItems(&dc, doc, page, false, monochrome);
        dc.Detach();
    }
    return bytes;
}

QImage PageAsImage(CMainDoc& doc, int page, bool monochrome, int dotsPerInch, const PaperRange* part) {
    const PaperRange paper = RangeOf(doc, page, part);
    const double pixelsPerUnit = dotsPerInch / kPlotUnitsPerInch;
    QImage image(std::max(1, static_cast<int>(paper.width * pixelsPerUnit)),
                 std::max(1, static_cast<int>(paper.height * pixelsPerUnit)), QImage::Format_RGB32);
    image.fill(Qt::white);
    PictureDrawing drawing(doc, paper);
    CDC dc;
    if (!dc.AttachImage(&image)) {
        return QImage();
    }
    MapPaper(dc, paper, image.width(), image.height());
    DrawPageItems(&dc, doc, page, false, monochrome);
    dc.Detach();
    return image;
}

bool CopyPageToClipboard(CMainDoc& doc, int page, bool monochrome, const PaperRange* range) {
    constexpr int kImageDotsPerInch = 150;
    if (page < 0 || page >= doc.m_drawing.PageCount()) {
        return false;
    }
    auto* mime = new QMimeData;
    mime->setData(QStringLiteral("image/svg+xml"), PageAsSvg(doc, page, monochrome, range));
    mime->setImageData(PageAsImage(doc, page, monochrome, kImageDotsPerInch, range));
    QGuiApplication::clipboard()->setMimeData(mime);
    return true;
}

} // namespace zapho
