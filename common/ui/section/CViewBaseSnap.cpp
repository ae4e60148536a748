// Snapping of the section view's clicks: onto the nearest point within a few logical units,
// onto the nearest line (on the rule's line through the figure's start when a rule holds),
// onto a slip line, or plainly converted. Distances are compared as doubles, so positions
// far outside the window never overflow, and "nothing found" has its own result, never a
// key.

#include "common/geometry/Geometry.h"
#include "common/ui/section/CViewBase.h"
#include "platform/core/MessageSink.h"

#include <cmath>
#include <limits>

namespace {

// Squared distance of p from segment ab (the nearer end beyond its ends).
double SquaredSegmentDistance(const DPoint& p, const DPoint& a, const DPoint& b) {
    const double vx = b.x - a.x;
    const double vy = b.y - a.y;
    const double length = vx * vx + vy * vy;
    double t = length > 0.0 ? ((p.x - a.x) * vx + (p.y - a.y) * vy) / length : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    const double dx = a.x + t * vx - p.x;
    const double dy = a.y + t * vy - p.y;
    return dx * dx + dy * dy;
}

bool Within(double v, double a, double b) {
    return v >= std::min(a, b) && v <= std::max(a, b);
}

} // namespace

BOOL CViewBase::ApplyDrawRules(CPoint& point, DPoint& world, int rule, int& snapped, int& kind) {
    snapped = 0;
    using section::DrawMode;
    switch (m_nDrawMode) {
    case DrawMode::kSelect:
        return SnapPick(point, world, snapped, kind);
    case DrawMode::kLine:
    case DrawMode::kPolyline:
        return SnapRuled(point, world, rule, snapped, section::PointKind::kGround, m_bSnapToPoint);
    case DrawMode::kGroundPoint:
    case DrawMode::kMeasurePoint:
    case DrawMode::kInnerBoundPoint:
    case DrawMode::kLeftBoundPoint:
    case DrawMode::kRightBoundPoint:
        return SnapRuled(point, world, rule, snapped, *section::PointKindOf(m_nDrawMode), m_bSnapToPoint);
    case DrawMode::kTablePick:
        if (m_nDrawStep == 1) {
            return SnapRuled(point, world, rule, snapped, m_nPointKind, m_bSnapToPoint);
        }
        break;
    case DrawMode::kPlainRectangle:
        return SnapRuled(point, world, rule, snapped, m_nPointKind, false);
    case DrawMode::kNone:
        break;
    }
    LogicalToWorld(point.x, point.y, &world.x, &world.y);
    return TRUE;
}

BOOL CViewBase::SnapRuled(CPoint& point, DPoint& world, int rule, int& snapped, section::PointKind kind,
                          bool applySwitch) {
    const DPoint start = m_pFigure ? m_pFigure->Start().world : DPoint{m_dLastX, m_dLastY};
    if (m_bSnap && (m_bOnItem || applySwitch)) {
        SnapPoint found{};
        const int hit = SnapToNearestPoint(
            DocSnapPoints(kind == section::PointKind::kGround ? PointSet::kGround : PointSet::kAll), point,
            applySwitch, &found);
        if (hit > 0) {
            world = DPoint{found.x, found.y};
            if (rule == CFigure::kHorizontal && world.y != start.y) {
                AfxMessageBox(u8"水平線で描けないため、直線で描画します。!!!");
            } else if (rule == CFigure::kVertical && world.x != start.x) {
                AfxMessageBox(u8"鉛直線で描けないため、直線で描画します。!!!");
            }
            snapped = hit;
            return TRUE;
        }
        const int line = SnapToLine(point, world, rule);
        if (line == -1) {
            AfxMessageBox(u8"線タイプを直線にして再定義して下さい。!!!");
            return FALSE;
        }
        if (line > 0) {
            snapped = -line;
            return TRUE;
        }
    }
    LogicalToWorld(point.x, point.y, &world.x, &world.y);
    if (rule == CFigure::kHorizontal) {
        world.y = start.y;
    } else if (rule == CFigure::kVertical) {
        world.x = start.x;
    }
    return TRUE;
}

BOOL CViewBase::SnapPick(CPoint& point, DPoint& world, int& snapped, int& kind) {
    kind = kPickFree;
    if (!m_bSnap || !m_bOnItem) {
        m_bSnap = false;
        LogicalToWorld(point.x, point.y, &world.x, &world.y);
        return TRUE;
    }
    std::vector<PointSet> sets;
    if (options_.pickEveryPointKind && m_nSelectTargets[kTargetGround]) {
        sets.push_back(PointSet::kGround);
    }
    if (options_.pickEveryPointKind && m_nSelectTargets[kTargetMeasure]) {
        sets.push_back(PointSet::kMeasure);
    }
    if (m_nSelectTargets[kTargetBoundary]) {
        sets.push_back(PointSet::kBoundary);
    }
    int hits = 0;
    int hitKey = 0;
    SnapPoint found{};
    CPoint hitPoint = point;
    const section::PointKind savedKind = m_nPointKind;
    for (PointSet set : sets) {
        const std::vector<SnapPoint> points = DocSnapPoints(set);
        CPoint moved = point;
        SnapPoint candidate{};
        const int key = SnapToNearestPoint(points, moved, false, &candidate);
        if (key > 0) {
            found = candidate;
            ++hits;
            hitKey = key;
            hitPoint = moved;
        }
    }
    if (hits > 1) {
        m_nPointKind = savedKind;
        AfxMessageBox(
            u8"複数の異なる種類の点が選択されました。\n選択する点タイプを指定して再選択して下さい。");
        return FALSE;
    }
    if (hits == 1) {
        // SnapToNearestPoint took the kind of every point it found; the one hit counts.
        point = hitPoint;
        world = DPoint{found.x, found.y};
        snapped = hitKey;
        kind = kPickPoint;
        return TRUE;
    }
    m_nPointKind = savedKind;
    if (m_nSelectTargets[kTargetLines]) {
        const int line = SnapToLine(point, world, CFigure::kNoRule);
        if (line > 0) {
            snapped = -line;
            kind = kPickLine;
            return TRUE;
        }
    }
    LogicalToWorld(point.x, point.y, &world.x, &world.y);
    if (m_nSelectTargets[kTargetSlipLines]) {
        const int slip = SnapToSlipLine(point);
        if (slip > 0) {
            snapped = -slip;
            kind = kPickSlipLine;
        }
    }
    return TRUE;
}

int CViewBase::SnapToNearestPoint(const std::vector<SnapPoint>& points, CPoint& point, bool forced,
                                  SnapPoint* found) {
    double least = std::numeric_limits<double>::max();
    std::vector<const SnapPoint*> nearest;
    for (const SnapPoint& candidate : points) {
        const CPoint at = WorldToLogical(candidate.x, candidate.y);
        if (section::Viewport::IsUnsetPoint(at)) {
            continue;
        }
        const double dx = static_cast<double>(at.x) - point.x;
        const double dy = static_cast<double>(at.y) - point.y;
        const double distance = dx * dx + dy * dy;
        if (distance < least) {
            least = distance;
            nearest.clear();
        }
        if (distance == least) {
            nearest.push_back(&candidate);
        }
    }
    if (nearest.empty()) {
        return 0;
    }
    const SnapPoint* chosen = nearest.front();
    for (const SnapPoint* candidate : nearest) {
        if (candidate->kind == m_nPointKind) {
            chosen = candidate;
            break;
        }
    }
    if (!forced && static_cast<double>(m_nLimitNewPoint) < std::sqrt(least)) {
        return 0;
    }
    point = WorldToLogical(chosen->x, chosen->y);
    if (m_nDrawMode == section::DrawMode::kSelect) {
        m_nPointKind = chosen->kind;
    }
    if (found) {
        *found = *chosen;
    }
    return chosen->key + 1;
}

int CViewBase::SnapToLine(CPoint& point, DPoint& world, int rule) {
    DPoint cursor;
    LogicalToWorld(point.x, point.y, &cursor.x, &cursor.y);
    int key = -1;
    double squared = 0.0;
    DPoint a;
    DPoint b;
    if (!DocNearestLine(cursor.x, cursor.y, key, squared, a, b) || key < 0) {
        return -2;
    }
    const double distance = squared > 0.0 ? std::sqrt(squared) : squared;
    if (static_cast<double>(m_nLimitNewLine) < distance * m_view.ScaleXY()) {
        return -2;
    }
    const SegmentKind segment = ClassifySegment(a.x, a.y, b.x, b.y);
    DocStoreLineKind(key, segment);
    DPoint foot;
    double footDistance = 0.0;
    double slope = 0.0;
    double intercept = 0.0;
    ProjectPointOnSegment(a, b, cursor.x, cursor.y, segment, foot, footDistance, slope, intercept);
    if (foot.IsUnset()) {
        return -2;
    }
    const DPoint start = m_pFigure ? m_pFigure->Start().world : DPoint{m_dLastX, m_dLastY};
    DPoint result = foot;
    const double tolerance = DocSamePointDistance();
    if (rule == CFigure::kHorizontal) {
        if (segment == SegmentKind::kSloped) {
            result.x = (start.y - intercept) / slope;
            if (std::fabs(foot.x - result.x) > tolerance || !Within(result.x, a.x, b.x)) {
                return -1;
            }
        }
        result.y = start.y;
    } else if (rule == CFigure::kVertical) {
        if (segment == SegmentKind::kSloped) {
            result.y = slope * start.x + intercept;
            if (std::fabs(foot.y - result.y) > tolerance || !Within(result.y, a.y, b.y)) {
                return -1;
            }
        }
        result.x = start.x;
    }
    world = result;
    point = WorldToLogical(result.x, result.y);
    return key + 1;
}

int CViewBase::SnapToSlipLine(const CPoint& point) {
    DPoint cursor;
    LogicalToWorld(point.x, point.y, &cursor.x, &cursor.y);
    const std::vector<std::vector<DPoint>> lines = DocSlipLines();
    double least = std::numeric_limits<double>::max();
    int nearest = -1;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        for (std::size_t j = 1; j < lines[i].size(); ++j) {
            const double squared = SquaredSegmentDistance(cursor, lines[i][j - 1], lines[i][j]);
            if (squared < least) {
                least = squared;
                nearest = static_cast<int>(i);
            }
        }
    }
    if (nearest < 0 || static_cast<double>(m_nLimitNewLine) < std::sqrt(least) * m_view.ScaleXY()) {
        return -1;
    }
    return nearest + 1;
}

std::vector<CViewBase::SnapPoint> CViewBase::DocSnapPoints(PointSet) const {
    return {};
}

bool CViewBase::DocNearestLine(double, double, int&, double&, DPoint&, DPoint&) const {
    return false;
}

void CViewBase::DocStoreLineKind(int, SegmentKind) {}

double CViewBase::DocSamePointDistance() const {
    return 0.01;
}

double CViewBase::DocSquaredSnap() const {
    return 0.0001;
}

void CViewBase::DocSetSquaredSnap(double) {}

std::vector<std::vector<DPoint>> CViewBase::DocSlipLines() const {
    return {};
}
