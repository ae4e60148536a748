#include "analysis/app/ToolBarImages.h"

#include "analysis/app/TorvanIds.h"

#include "common/ui/shell/ToolBarImages.h"

namespace torvan {

using shell::ToolImage;

QIcon ToolBarImage(UINT commandId) {
    switch (commandId) {
    case ID_DRAW_INNER_BOUND_POINT:
        return shell::BoundaryPointImage(shell::BoundarySide::kUnder, QColor(255, 0, 255));
    case ID_DRAW_LEFT_BOUND_POINT:
        return shell::BoundaryPointImage(shell::BoundarySide::kLeft, QColor(0, 0, 255));
    case ID_DRAW_RIGHT_BOUND_POINT:
        return shell::BoundaryPointImage(shell::BoundarySide::kRight, QColor(0, 0, 255));
    case ID_INPUT_BOUND_POINTS:
        return shell::ToolBarImage(ToolImage::kBoundTable);
    case ID_ANALYSIS_RUN:
        return shell::ToolBarImage(ToolImage::kAnalysisRun);
    default:
        return shell::SharedCommandImage(commandId);
    }
}

} // namespace torvan
