#include "section_editor/app/ToolBarImages.h"

#include "section_editor/app/MerdokIds.h"

#include "common/ui/shell/ToolBarImages.h"

namespace merdok {

using shell::ToolImage;

QIcon BoundaryPointImage(UINT commandId, const QColor& color) {
    const shell::BoundarySide side = commandId == ID_DRAW_LEFT_BOUND_POINT    ? shell::BoundarySide::kLeft
                                     : commandId == ID_DRAW_RIGHT_BOUND_POINT ? shell::BoundarySide::kRight
                                                                              : shell::BoundarySide::kUnder;
    return shell::BoundaryPointImage(side, color);
}

QIcon ToolBarImage(UINT commandId) {
    switch (commandId) {
    case ID_FILE_OPEN:
        return shell::ToolBarImage(ToolImage::kOpen);
    case ID_FILE_SAVE:
        return shell::ToolBarImage(ToolImage::kSave);
    case ID_VIEW_ZOOM_IN:
        return shell::ToolBarImage(ToolImage::kZoomIn);
    case ID_VIEW_ZOOM_OUT:
        return shell::ToolBarImage(ToolImage::kZoomOut);
    case ID_VIEW_ALL:
        return shell::ToolBarImage(ToolImage::kViewAll);
    case ID_VIEW_PROPERTIES:
        return shell::ToolBarImage(ToolImage::kProperties);
    case ID_EDIT_SELECT:
        return shell::ToolBarImage(ToolImage::kSelect);
    case ID_EDIT_DELETE:
        return shell::ToolBarImage(ToolImage::kDelete);
    // The default colours of the boundary points; the view recolours them from its settings.
    case ID_DRAW_UNDER_BOUND_POINT:
        return BoundaryPointImage(commandId, QColor(128, 0, 128));
    case ID_DRAW_LEFT_BOUND_POINT:
        return BoundaryPointImage(commandId, QColor(0, 0, 255));
    case ID_DRAW_RIGHT_BOUND_POINT:
        return BoundaryPointImage(commandId, QColor(0, 128, 0));
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
        return QIcon();
    }
}

} // namespace merdok
