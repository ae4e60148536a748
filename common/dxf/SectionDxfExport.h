#pragma once
// Writes a section drawing as a DXF file the way the section programs export it: the
// header with the drawing's extent, the tables and blocks without marker and arrow
// blocks, an ENTITIES section that the caller fills, the objects section and EOF, in the
// writer's default release. The drawing is written to a temporary beside the name and
// renamed over it only when whole, so a failed export leaves an older file as it was
// and never half a drawing under the name.

#include "common/dxf/CDxfColorPalette.h"
#include "common/dxf/CDxfWriter.h"

#include <functional>

struct DxfExtent {
    double minX;
    double minY;
    double maxX;
    double maxY;
};

// Writes the entities; screen colours become DXF colour numbers through the palette
// ("color.pal" beside the program, else the default palette). File errors pass on.
using DxfEntityFiller = std::function<void(CDxfWriter& writer, const CDxfColorPalette& palette)>;

// True when the file holds the new drawing. When the file cannot be made: the file's
// open message, then "出力ﾌｧｲﾙをｵｰﾌﾟﾝできません"; when writing or the rename fails: the
// file's message, then "DXFﾌｧｲﾙ出力に失敗しました !!!".
bool ExportSectionDxf(const char* path, const DxfExtent& extent, const DxfEntityFiller& fill);
