#include "section_editor/app/ToolBarImages.h"

#include "section_editor/app/MerdokIds.h"

#include "common/ui/shell/ToolBarImages.h"

namespace merdok {

using shell::ToolImage;

QIcon ToolBarImage(UINT commandId) {
    switch (commandId) {
    // The default colours of the boundary points; the view recolours them from its settings.
    case ID_DRAW_UNDER_BOUND_POINT:
        return shell::BoundaryPointImage(shell::BoundarySide::kUnder, QColor(128, 0, 128));
    case ID_DRAW_LEFT_BOUND_POINT:
        return shell::BoundaryPointImage(shell::BoundarySide::kLeft, QColor(0, 0, 255));
    case ID_DRAW_RIGHT_BOUND_POINT:
        return shell::BoundaryPointImage(shell::BoundarySide::kRight, QColor(0, 128, 0));
    case ID_DRAW_GROUND_POINT:
        return shell::ToolBarImage(ToolImage::kGroundPoint);
    case ID_DRAW_GROUND_LINE:
        return shell::ToolBarImage(ToolImage::kSingleLine);
    case ID_DRAW_CONTINUOUS_LINE:
        return shell::ToolBarImage(ToolImage::kContinuousLine);
    case ID_DRAW_MEASURE_POINT:
        return shell::ToolBarImage(ToolImage::kMeasurePoint);
    case ID_INPUT_GROUND_LINE:
        return shell::ToolBarImage(ToolImage::kGroundLineTable);
    case ID_INPUT_MEASURE_POINTS:
        return shell::ToolBarImage(ToolImage::kMeasureTable);
    case ID_INPUT_BOUND_POINTS:
        return shell::ToolBarImage(ToolImage::kBoundTable);
    default:
        return shell::SharedCommandImage(commandId);
    }
}

} // namespace merdok
