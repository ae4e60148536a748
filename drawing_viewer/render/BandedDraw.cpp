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

void DrawBand(CDC& source, QImage& image, int top, int bottom, const BandedDraw::Drawing& draw, bool first) {
    // The whole image again over the rows the DC's own painter draws into (taken without
    // detaching: the painter keeps drawing into them even when the image has been copied
    // since it began), as a device of its own, clipped to the band. A band of its own size
    // would not do: Qt cuts a line at the device's edge before stepping along it, which moves
    // the dots and dashes of a line that runs on beyond the band.
    auto* rows = const_cast<uchar*>(image.constBits());
    QImage whole(rows, image.width(), image.height(), image.bytesPerLine(), image.format());
    whole.setDotsPerMeterX(image.dotsPerMeterX());
    whole.setDotsPerMeterY(image.dotsPerMeterY());
    CDC dc;
    dc.AttachImage(&whole);
    dc.CopyStateOf(source);
    dc.Painter()->setClipRect(QRect(0, top, image.width(), bottom - top));
    draw(dc, first);
    dc.Detach();
}

} // namespace

int BandedDraw::DefaultBands() {
    return std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, kMostBands);
}

void BandedDraw::Draw(CDC& dc, const Drawing& draw, int bands) {
    QImage* image = dc.AttachedImage();
    if (bands <= 0) {
        bands = DefaultBands();
    }
    if (image) {
        bands = std::min(bands, image->height() / kLeastBandRows);
    }
    // Rows are sliced as bytes: only formats of whole-byte pixels without a colour table.
    if (!image || dc.IsPrinting() || image->depth() != 32 || bands < 2) {
        draw(dc, true);
        return;
    }
    const int height = image->height();
    auto edge = [&](int band) { return static_cast<int>(static_cast<long long>(height) * band / bands); };
    std::latch done(bands - 1);
    QThreadPool* pool = QThreadPool::globalInstance();
    for (int band = 1; band < bands; ++band) {
        pool->start([&, band] {
            DrawBand(dc, *image, edge(band), edge(band + 1), draw, false);
            done.count_down();
        });
    }
    DrawBand(dc, *image, 0, edge(1), draw, true);
    done.wait();
}

} // namespace zapho
