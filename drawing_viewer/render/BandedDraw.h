#pragma once
// Draws onto an image in horizontal bands, each on a thread of its own. A full page on a
// screen-sized image is pixel-bound work for Qt's raster engine that one thread cannot do
// within a screen refresh. Each band is an image of its own over the target's rows (a paint
// device takes one painter at a time) with a DC of its own: the source DC's mapping moved up
// by the band's top, so every logical point lands on the same pixel as in one full draw,
// and aliased drawing cut off at a band's edge leaves the pixels a full draw would make.
// What goes on top of everything (the texts) can be drawn at the same time as the bands, on
// a transparent layer of its own that each band lays over its rows when it is done.
// The calling thread draws bands as well, taking them as the helpers do: where the machine
// gives the helpers no processor, the page takes about as long as on one thread.

#include <cstddef>
#include <functional>

class CDC;

namespace zapho {

class BandedDraw {
public:
    // draw is called once for each band's DC, concurrently: it must only read shared data.
    // first: one band drawn on the calling thread (the one to do anything done only once).
    using Drawing = std::function<void(CDC& dc, bool first)>;

    // Draws on the image attached to dc in bands; on any other device, or an image too small
    // to split, draw is called once with dc itself. bands: the threads drawing, the calling
    // one among them; 0: DefaultBands().
    static void Draw(CDC& dc, const Drawing& draw, int bands = 0);

    // As above, then overlay on top of it all. The overlay is called once, on the calling
    // thread, while the bands draw on the pool's (none of them first; one band fewer than
    // threads), with first set; its DC draws on a transparent layer. It
    // must draw aliased (every pixel it touches fully covered), as a screen DC draws texts,
    // for the layer laid over the bands to give the pixels of drawing it on them.
    static void Draw(CDC& dc, const Drawing& draw, const Drawing& overlay, int bands = 0);

    // One thread for each processor this process may use, up to 8.
    static int DefaultBands();
    // The threads to draw a page of this many items on: one where splitting costs more than it
    // saves, else DefaultBands().
    static int BandsFor(std::size_t items);
};

} // namespace zapho
