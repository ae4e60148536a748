#pragma once
// The analysis section as a DXF drawing: the ground-surface line as one polyline through
// the ground-surface points from left to right (layer "0") and every shown slip line as a
// polyline (layer "1"), each in the DXF colour nearest to its screen colour. Nothing else
// of the model goes into the drawing.

#include "common/dxf/SectionDxfExport.h"
#include "platform/core/Types.h"

namespace torvan {

class CBlockDoc;

struct AnalysisDxfColours {
    COLORREF groundLine = 0;
    COLORREF newSlipLine = 0;
};

// True when the file holds the drawing (SectionDxfExport tells the user of a failure).
bool WriteAnalysisDxf(const CBlockDoc& doc, const char* path, const DxfExtent& extent,
                      const AnalysisDxfColours& colours);

} // namespace torvan
