#include "analysis/core/AnalysisDxfOutput.h"

#include "analysis/core/CBlockDoc.h"
#include "analysis/core/CVerrant.h"

#include <algorithm>
#include <vector>

namespace torvan {

namespace {

// A polyline needs two vertices; a lone point is no line and is left out.
void WritePolyline(CDxfWriter& writer, const std::vector<double>& xs, const std::vector<double>& ys,
                   std::size_t count, int colour) {
    count = std::min({count, xs.size(), ys.size()});
    if (count >= 2) {
        writer.WritePolyline(xs.data(), ys.data(), static_cast<int>(count), 1, 0, colour);
    }
}

void WriteGroundLine(CDxfWriter& writer, const CBlockDoc& doc, int colour) {
    std::vector<double> xs;
    std::vector<double> ys;
    for (POSITION pos = doc.GroundOrder().GetHeadPosition(); pos;) {
        const auto* point = static_cast<const CNode*>(doc.GroundOrder().GetNext(pos));
        xs.push_back(point->x);
        ys.push_back(point->y);
    }
    WritePolyline(writer, xs, ys, xs.size(), colour);
}

void WriteShownSlipLines(CDxfWriter& writer, const CBlockDoc& doc, int colour) {
    for (POSITION pos = doc.SlipLines().GetHeadPosition(); pos;) {
        const auto* line = static_cast<const CVerrant*>(doc.SlipLines().GetNext(pos));
        if (line->visible1 && line->pointCount > 0) {
            WritePolyline(writer, line->x, line->y, static_cast<std::size_t>(line->pointCount), colour);
        }
    }
}

} // namespace

bool WriteAnalysisDxf(const CBlockDoc& doc, const char* path, const DxfExtent& extent,
                      const AnalysisDxfColours& colours) {
    return ExportSectionDxf(path, extent, [&](CDxfWriter& writer, const CDxfColorPalette& palette) {
        writer.SetLayerName("0");
        WriteGroundLine(writer, doc, palette.NearestPaletteIndex(&colours.groundLine));
        writer.SetLayerName("1");
        WriteShownSlipLines(writer, doc, palette.NearestPaletteIndex(&colours.newSlipLine));
    });
}

} // namespace torvan
