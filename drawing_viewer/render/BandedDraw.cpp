#include "BandedDraw.h"

#include "platform/ui/CDC.h"

#include <QImage>
#include <QPainter>
#include <QThreadPool>
#include <algorithm>
#include <atomic>
#include <latch>
#include <memory>
#include <sched.h>
#include <thread>
#include <vector>

namespace zapho {

namespace {

constexpr int kMostBands = 8;
// Below this many rows a band costs more in hand-over than it saves.
constexpr int kLeastBandRows = 64;
// Below this many items the page takes about a millisecond on one thread: starting helpers,
// clipping each band and laying the texts over cost as much as they save.
constexpr std::size_t kLeastBandedItems = 2000;

// The processors this process may run on (a container or taskset gives fewer than the
// machine has).
int UsableProcessors() {
    cpu_set_t set;
    CPU_ZERO(&set);
    if (::sched_getaffinity(0, sizeof set, &set) == 0) {
        return std::max(1, CPU_COUNT(&set));
    }
    return std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
}

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

// The first row of a band (bands: the row after the last).
int BandEdge(const QImage& image, int bands, int band) {
    return static_cast<int>(static_cast<long long>(image.height()) * band / bands);
}

// One draw's bands, taken one at a time by the calling thread and the pool's helpers alike:
// a helper the machine gives no processor leaves its bands to the others, so a loaded machine
// draws the page about as fast as one thread, never slower waiting for helpers. The helpers
// hold it by a shared pointer; one that starts after the last band was taken touches nothing
// else. With a layer, a band's rows get the layer laid over them once both are done, by
// whichever of the band's thread and the layer's comes second.
class BandRun {
public:
    BandRun(CDC& dc, const BandedDraw::Drawing& draw, int bands, const QImage* layer)
        : dc_(dc), image_(*dc.AttachedImage()), draw_(draw), bands_(bands), layer_(layer), drawn_(bands),
          states_(static_cast<std::size_t>(bands)) {}

    // A band no other thread will draw (bands or more: none is left).
    int TakeBand() { return next_.fetch_add(1); }
    // Draws the band taken, then takes and draws bands until none is left. first: the band
    // taken is drawn with first set.
    void DrawFrom(int band, bool first) {
        for (; band < bands_; band = TakeBand()) {
            DrawBand(band, std::exchange(first, false));
        }
    }
    // The layer is drawn: lays it over every band drawn before it.
    void LayerDone() {
        layerDone_.store(true);
        QImage whole = SameRows(image_);
        QPainter painter(&whole);
        for (int band = 0; band < bands_; ++band) {
            LayOverOnce(painter, band);
        }
    }
    void WaitAllDrawn() { drawn_.wait(); }

private:
    enum State : int { kDrawing, kDrawn, kLaid };

    // One band, clipped to its rows, on the whole image: a band of its own size would not do,
    // as Qt cuts a line at the device's edge before stepping along it, which moves the dots
    // and dashes of a line that runs on beyond the band.
    void DrawBand(int band, bool first) {
        QImage whole = SameRows(image_);
        CDC dc;
        dc.AttachImage(&whole);
        dc.CopyStateOf(dc_);
        dc.Painter()->setClipRect(QRect(0, Top(band), image_.width(), Top(band + 1) - Top(band)));
        draw_(dc, first);
        if (layer_) {
            states_[static_cast<std::size_t>(band)].store(kDrawn);
            if (layerDone_.load()) {
                LayOverOnce(*dc.Painter(), band);
            }
        }
        dc.Detach();
        drawn_.count_down();
    }
    void LayOverOnce(QPainter& painter, int band) {
        int drawn = kDrawn;
        if (states_[static_cast<std::size_t>(band)].compare_exchange_strong(drawn, kLaid)) {
            LayOver(painter, *layer_, Top(band), Top(band + 1));
        }
    }
    int Top(int band) const { return BandEdge(image_, bands_, band); }

    CDC& dc_;
    QImage& image_;
    const BandedDraw::Drawing& draw_;
    const int bands_;
    const QImage* layer_;
    std::atomic<int> next_{0};
    std::latch drawn_;
    std::atomic<bool> layerDone_{false};
    std::vector<std::atomic<int>> states_;
};

void StartHelpers(const std::shared_ptr<BandRun>& run, int helpers) {
    for (int i = 0; i < helpers; ++i) {
        QThreadPool::globalInstance()->start([run] { run->DrawFrom(run->TakeBand(), false); });
    }
}

void DrawLayer(CDC& source, QImage& layer, const BandedDraw::Drawing& overlay) {
    layer.fill(Qt::transparent);
    CDC dc;
    dc.AttachImage(&layer);
    dc.CopyStateOf(source);
    overlay(dc, true);
    dc.Detach();
}

// The number of threads the DC's image can be drawn on; below 2 it is drawn whole.
int ThreadsFor(CDC& dc, int bands) {
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

} // namespace

int BandedDraw::DefaultBands() {
    return std::clamp(UsableProcessors(), 1, kMostBands);
}

int BandedDraw::BandsFor(std::size_t items) {
    return items < kLeastBandedItems ? 1 : DefaultBands();
}

void BandedDraw::Draw(CDC& dc, const Drawing& draw, int bands) {
    const int threads = ThreadsFor(dc, bands);
    if (threads < 2) {
        draw(dc, true);
        return;
    }
    auto run = std::make_shared<BandRun>(dc, draw, threads, nullptr);
    const int first = run->TakeBand(); // taken before any helper starts: always drawn here
    StartHelpers(run, threads - 1);
    run->DrawFrom(first, true);
    run->WaitAllDrawn();
}

void BandedDraw::Draw(CDC& dc, const Drawing& draw, const Drawing& overlay, int bands) {
    const int threads = ThreadsFor(dc, bands);
    if (threads < 2) {
        draw(dc, true);
        overlay(dc, true);
        return;
    }
    // The calling thread draws the layer while the helpers draw the bands, then takes the
    // bands still left.
    const QImage& image = *dc.AttachedImage();
    QImage layer(image.size(), QImage::Format_ARGB32_Premultiplied);
    layer.setDotsPerMeterX(image.dotsPerMeterX());
    layer.setDotsPerMeterY(image.dotsPerMeterY());
    auto run = std::make_shared<BandRun>(dc, draw, threads - 1, &layer);
    StartHelpers(run, threads - 1);
    DrawLayer(dc, layer, overlay);
    run->LayerDone();
    run->DrawFrom(run->TakeBand(), false);
    run->WaitAllDrawn();
}

} // namespace zapho
