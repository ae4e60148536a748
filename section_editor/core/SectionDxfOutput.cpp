#include "section_editor/core/SectionDxfOutput.h"

#include "section_editor/core/CBlockDoc.h"

namespace merdok {

namespace {

void WriteLines(CDxfWriter& writer, const CBlockDoc& doc, int colour) {
    for (const auto& [key, line] : doc.m_LineList) {
        const DPoint a = doc.NodeXY(line->GetNode1());
        const DPoint b = doc.NodeXY(line->GetNode2());
        writer.WriteLineXY(a.x, a.y, b.x, b.y, 1, 0, colour);
    }
}

void WritePointNumbers(CDxfWriter& writer, const CBlockDoc& doc, double height, int colour) {
    constexpr int kBottomLeft = 8;
    for (const auto& [key, point] : doc.m_mapNode) {
        if (point->GetState() == CNode::kNormal) {
            CString number;
            number.Format("%d", point->GetNumber());
            writer.WriteText(number, point->GetX(), point->GetY(), height, 0, colour, kBottomLeft, 0);
        }
    }
}

} // namespace

bool WriteSectionDxf(const CBlockDoc& doc, const char* path, const DxfExtent& extent,
                     const SectionDxfLook& look) {
    return ExportSectionDxf(path, extent, [&](CDxfWriter& writer, const CDxfColorPalette& palette) {
        if (look.lines) {
            WriteLines(writer, doc, palette.NearestPaletteIndex(&look.lineColour));
        }
        if (look.pointNumbers) {
            WritePointNumbers(writer, doc, look.numberHeight,
                              palette.NearestPaletteIndex(&look.numberColour));
        }
    });
}

} // namespace merdok
