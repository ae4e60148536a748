#pragma once
// How the picture of a section window goes onto one printed page: the factor that makes the
// window's client area fill the page's drawing area in its tighter direction (proportions
// kept, so nothing the window shows falls off the page), and the factor by which pixel-sized
// things (pen widths, point marks, fonts) grow so that they keep their look on a device of
// another resolution.

#include "common/view/Viewport.h"
#include "platform/core/CPoint.h"

namespace section {

struct PrintScale {
    // Multiplies every scale of the viewport.
    double pictureFactor = 1.0;
    // Multiplies pen widths and mark sizes; never below 1 (a coarse device must not make a
    // pen or a font vanish).
    double deviceRatio = 1.0;
    // Multiplies font heights (a little less than the device ratio: printed text runs wider).
    double fontFactor = 0.85;
    // The resolution of the screen whose window the page copies; 0 while the window itself
    // paints. Lengths a view derives from a resolution take it from here, so that they grow
    // with the page as the model does.
    int screenDpi = 0;

    // client: the window's client size; page: the drawing area on the device (both in the
    // units of their device); dpi of the screen and of the printing device.
    static PrintScale Compute(CSize client, CSize page, int screenDpi, int deviceDpi);
    // The plane of the page: it starts at the model point the window shows at its top-left
    // corner (scrollPosition, logical) and every scale, the fit scales too, grows by the
    // picture factor.
    Viewport PagePlane(const Viewport& screen, CPoint scrollPosition) const;

    // deviceDpi / screenDpi as a real, at least 1 (1 for an unknown resolution).
    static double DeviceRatio(int screenDpi, int deviceDpi);
};

} // namespace section
