#pragma once
// The figure file: the whole drawing in binary, written as "Plot Ver.1.2" (4-byte ints),
// read in the versions 1.0 and 1.1 (2-byte ints; 1.0 with one set of page values for all
// pages) as well.

#include "platform/core/Types.h"

namespace zapho {

class PlotDrawing;

// Reads the file into a new drawing. Any failure shows its message and returns FALSE;
// the drawing is then left as it was given.
BOOL ReadFigureFile(const char* path, PlotDrawing& drawing);

// Writes the drawing through a temporary that replaces the file only when complete; a
// failure shows its message, returns FALSE and leaves an existing file as it was.
BOOL WriteFigureFile(const char* path, const PlotDrawing& drawing);

} // namespace zapho
