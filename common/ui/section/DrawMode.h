#pragma once
// The drawing tool a section view has chosen (CViewBase::m_nDrawMode). The tool decides which
// figure a click starts, how its clicks snap (CViewBaseSnap.cpp) and what its figure commits.
// Both section programs share the tools 0 to 7; the analysis program alone has the two picks
// for its tables. The values are those the programs' designs give the modes.

#include "common/section/PointKind.h"

#include <optional>

namespace section {

enum class DrawMode : int {
    kNone = -1,    // no tool: a menu choice awaited
    kSelect = 0,   // selection by click or rectangle
    kLine = 1,     // one ground-surface line (free, horizontal or vertical)
    kPolyline = 2, // a continuous ground-surface line
    // The point tools, one per point kind in the kinds' order.
    kGroundPoint = 3,
    kMeasurePoint = 4,
    kInnerBoundPoint = 5,
    kLeftBoundPoint = 6,
    kRightBoundPoint = 7,
    kTablePick = 10,      // a position clicked for the open block-line table
    kPlainRectangle = 12, // a bare rectangle, snapped without the snap-to-point switch
};

// The point kind a point tool places; none for any other tool.
constexpr std::optional<PointKind> PointKindOf(DrawMode mode) {
    switch (mode) {
    case DrawMode::kGroundPoint:
        return PointKind::kGround;
    case DrawMode::kMeasurePoint:
        return PointKind::kMeasurement;
    case DrawMode::kInnerBoundPoint:
        return PointKind::kInnerBoundary;
    case DrawMode::kLeftBoundPoint:
        return PointKind::kLeftBoundary;
    case DrawMode::kRightBoundPoint:
        return PointKind::kRightBoundary;
    default:
        return std::nullopt;
    }
}

// The tools that draw lines or points, where Tab types the next point.
constexpr bool DrawsLinesOrPoints(DrawMode mode) {
    return mode >= DrawMode::kLine && mode <= DrawMode::kRightBoundPoint;
}

} // namespace section
