#pragma once
// Table of the RGB value of each DXF colour number, so that screen colours can be
// written to DXF as the nearest colour number.
//
// Use: construct; when LoadColorPalette() returns 0, BuildDefaultPalette(4.0); then
// any number of NearestPaletteIndex() calls. Entries 1..9 are only set by the file and
// never returned by the search; entry 0 is never used.

#include "platform/core/CObject.h"
#include "platform/core/Types.h"

class CDxfColorPalette : public CObject {
    DECLARE_DYNAMIC(CDxfColorPalette)

public:
    // Every entry starts as the default palette (scale 4), so that entries a palette
    // file leaves out never hold undefined colours.
    CDxfColorPalette();
    ~CDxfColorPalette() override = default;

    // Reads "color.pal" beside the program. 1 when the file was read to its end.
    // 0 without a message when the file does not exist; 0 with the file's open-error
    // message when it cannot be opened; 0 with the palette message on a read error or
    // a malformed line (the caller then builds the default palette).
    int LoadColorPalette();
    // The same for a palette file at the given path (CP932 bytes).
    int LoadColorPaletteFrom(const char* path);

    // Fills entries 10..255 with 24 hues of 10 shades and 6 greys; callers pass 4.0.
    void BuildDefaultPalette(double scale);

    // Channel value of a hue sextant at a step 0..3 (0 or 255 ramps in steps of 64).
    static int HueChannel(int sextant, int step);

    // DXF colour number 10..255 whose entry is nearest by squared RGB distance;
    // ties keep the lower number.
    int NearestPaletteIndex(const COLORREF* color) const;

    // Entry of colour number 0..255 as a COLORREF (0 for any other number).
    COLORREF GetEntry(int number) const;

private:
    // 0 on a malformed line (a colour number in range without three channels 0..255).
    int ApplyPaletteLine(const char* line);

    int entries_[256][3];
};
