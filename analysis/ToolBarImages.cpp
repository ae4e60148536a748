#include "analysis/ToolBarImages.h"

#include "analysis/TorvanIds.h"

#include "common/ui/shell/ToolBarImages.h"

namespace torvan {

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
    case ID_DRAW_INNER_BOUND_POINT:
        return BoundaryPointImage(commandId, QColor(255, 0, 255));
    case ID_DRAW_LEFT_BOUND_POINT:
    case ID_DRAW_RIGHT_BOUND_POINT:
        return BoundaryPointImage(commandId, QColor(0, 0, 255));
    case ID_INPUT_BOUND_POINTS:
        return shell::ToolBarImage(ToolImage::kBoundTable);
    case ID_ANALYSIS_RUN:
        return shell::ToolBarImage(ToolImage::kAnalysisRun);
    default:
        return QIcon();
    }
}

} // namespace torvan
