#include "BandedDraw.h"

#include "platform/ui/CDC.h"

#include <QImage>
#include <QPainter>
#include <QThreadPool>
#include <algorithm>
#include <latch>
#include <thread>

namespace zapho {

namespace {

constexpr int kMostBands = 8;
// Below this many rows a band costs more in hand-over than it saves.
constexpr int kLeastBandRows = 64;

// The whole image again over the rows the DC's own painter draws into (taken without
// detaching: the painter keeps drawing into them even when the image has been copied since it
// began), as a device of its own.
QImage SameRows(QImage& image) {
    auto* rows = const_cast<uchar*>(image.constBits());
    QImage whole(rows, image.width(), image.height(), image.bytesPerLine(), image.format());
    whole.setDotsPerMeterX(image.dotsPerMeterX());
    whole.setDotsPerMeterY(image.dotsPerMeterY());
    return whole;
}

// Lays the layer's rows top to bottom over the same rows of the painter's device.
void LayOver(QPainter& painter, const QImage& layer, int top, int bottom) {
    painter.save();
    painter.resetTransform();
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    const QRect rows(0, top, layer.width(), bottom - top);
    painter.drawImage(rows, layer, rows);
    painter.restore();
}

// One band, clipped to its rows, on the whole image: a band of its own size would not do, as
// Qt cuts a line at the device's edge before stepping along it, which moves the dots and
// dashes of a line that runs on beyond the band. With a layer, the layer's rows go on top
// once its drawing is done.
void DrawBand(CDC& source, QImage& image, int top, int bottom, const BandedDraw::Drawing& draw, bool first,
              const QImage* layer, std::latch* layerDone) {
    QImage whole = SameRows(image);
    CDC dc;
    dc.AttachImage(&whole);
    dc.CopyStateOf(source);
    dc.Painter()->setClipRect(QRect(0, top, image.width(), bottom - top));
    draw(dc, first);
    if (layer) {
        layerDone->wait();
        LayOver(*dc.Painter(), *layer, top, bottom);
    }
    dc.Detach();
}

void DrawLayer(CDC& source, QImage& layer, const BandedDraw::Drawing& overlay) {
    layer.fill(Qt::transparent);
    CDC dc;
    dc.AttachImage(&layer);
    dc.CopyStateOf(source);
    overlay(dc, true);
    dc.Detach();
}

// The number of bands the DC's image can be drawn in; below 2 it is drawn whole.
int BandsFor(CDC& dc, int bands) {
    const QImage* image = dc.AttachedImage();
    if (bands <= 0) {
        bands = BandedDraw::DefaultBands();
    }
    // Rows are sliced as bytes: only formats of whole-byte pixels without a colour table.
    if (!image || dc.IsPrinting() || image->depth() != 32) {
        return 1;
    }
    return std::min(bands, image->height() / kLeastBandRows);
}

// The first row of a band (bands: the row after the last).
int BandEdge(const QImage& image, int bands, int band) {
    return static_cast<int>(static_cast<long long>(image.height()) * band / bands);
}

// Bands from first to the last on the pool, each counting done down when drawn.
void StartBands(CDC& dc, int bands, int first, const BandedDraw::Drawing& draw, const QImage* layer,
                std::latch* layerDone, std::latch& done) {
    QImage* image = dc.AttachedImage();
    std::latch* counter = &done;
    for (int band = first; band < bands; ++band) {
        // The task outlives this call: it takes its rows and pointers by value.
        const int top = BandEdge(*image, bands, band);
        const int bottom = BandEdge(*image, bands, band + 1);
        QThreadPool::globalInstance()->start([&dc, &draw, image, top, bottom, layer, layerDone, counter] {
            DrawBand(dc, *image, top, bottom, draw, false, layer, layerDone);
            counter->count_down();
        });
    }
}

} // namespace

int BandedDraw::DefaultBands() {
    return std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, kMostBands);
}

void BandedDraw::Draw(CDC& dc, const Drawing& draw, int bands) {
    bands = BandsFor(dc, bands);
    if (bands < 2) {
        draw(dc, true);
        return;
    }
    std::latch done(bands - 1);
    StartBands(dc, bands, 1, draw, nullptr, nullptr, done);
    DrawBand(dc, *dc.AttachedImage(), 0, BandEdge(*dc.AttachedImage(), bands, 1), draw, true, nullptr,
             nullptr);
    done.wait();
}

void BandedDraw::Draw(CDC& dc, const Drawing& draw, const Drawing& overlay, int bands) {
    bands = BandsFor(dc, bands);
    if (bands < 2) {
        draw(dc, true);
        overlay(dc, true);
        return;
    }
    // Every band goes to the pool and the calling thread draws the layer: a band only ever
    // waits for the calling thread, never for another task of a pool that may be busy.
    const QImage& image = *dc.AttachedImage();
    QImage layer(image.size(), QImage::Format_ARGB32_Premultiplied);
    layer.setDotsPerMeterX(image.dotsPerMeterX());
    layer.setDotsPerMeterY(image.dotsPerMeterY());
    std::latch layerDone(1);
    std::latch done(bands);
    StartBands(dc, bands, 0, draw, &layer, &layerDone, done);
    DrawLayer(dc, layer, overlay);
    layerDone.count_down();
    done.wait();
}

} // namespace zapho
