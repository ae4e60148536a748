#pragma once
// The section model as a DXF drawing: every ground line as a LINE and the number of every
// ground-surface point as a TEXT standing on the point, each as the view shows them (a kind
// the view hides is left out) in the DXF colour nearest to its screen colour.

#include "common/dxf/SectionDxfExport.h"
#include "platform/core/Types.h"

namespace merdok {

class CBlockDoc;

struct SectionDxfLook {
    bool lines = true;
    COLORREF lineColour = 0;
    bool pointNumbers = true;
    COLORREF numberColour = 0;
    double numberHeight = 1.0; // metres
};

// True when the file holds the drawing (SectionDxfExport tells the user of a failure).
bool WriteSectionDxf(const CBlockDoc& doc, const char* path, const DxfExtent& extent,
                     const SectionDxfLook& look);

} // namespace merdok
