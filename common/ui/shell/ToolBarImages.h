#pragma once
// The button images of the section programs' tool bars, drawn in code at the classic 16 x 15
// size: file, zoom, display, selection, drawing tool, table and analysis symbols.

#include "platform/core/Types.h"

#include <QColor>
#include <QIcon>

namespace shell {

enum class ToolImage {
    kOpen,
    kSave,
    kZoomIn,
    kZoomOut,
    kViewAll,
    kProperties,
    kSelect,
    kDelete,
    kGroundPoint,
    kSingleLine,
    kContinuousLine,
    kMeasurePoint,
    kGroundLineTable,
    kMeasureTable,
    kBoundTable,
    kAnalysisRun,
};

// Where a boundary point tool's mark sits on its ground line.
enum class BoundarySide { kLeft, kUnder, kRight };

QIcon ToolBarImage(ToolImage image);
// The image of a tool bar command both programs have (file, zoom, display, select, delete); a
// null icon for any other id.
QIcon SharedCommandImage(UINT commandId);
// The image of a boundary point tool in the colour its points are drawn with.
QIcon BoundaryPointImage(BoundarySide side, const QColor& color);

} // namespace shell
