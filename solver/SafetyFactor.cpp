#include "solver/SafetyFactor.h"

#include "solver/FixedFormat.h"
#include "solver/Messages.h"
#include "solver/RunLog.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kalipe {

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kVertexMerge = 0.1; // a vertex this close after a step point replaces it
constexpr double kSegmentEndTolerance = 1e-9;
constexpr double kDriveFloor = 1e-9;

// The segment holding x: its start at or left of x and its end right of x; of several, the
// one with the lowest ground there.
int SegmentHolding(const std::vector<Point2>& ground, double x) {
    int best = -1;
    double bestY = 0.0;
    for (std::size_t i = 0; i + 1 < ground.size(); ++i) {
        const Point2& a = ground[i];
        const Point2& b = ground[i + 1];
        if (!(a.x <= x && b.x > x - kSegmentEndTolerance) || a.x == b.x) {
            continue;
        }
        const double y = a.y + (b.y - a.y) * (x - a.x) / (b.x - a.x);
        if (best < 0 || y < bestY) {
            best = static_cast<int>(i);
            bestY = y;
        }
    }
    return best;
}

double GroundOn(const std::vector<Point2>& ground, int segment, double x) {
    if (segment < 0) {
        return ground.front().y;
    }
    if (static_cast<std::size_t>(segment) + 1 >= ground.size()) {
        return ground.back().y;
    }
    const Point2& a = ground[static_cast<std::size_t>(segment)];
    const Point2& b = ground[static_cast<std::size_t>(segment) + 1];
    return a.x == b.x ? b.y : a.y + (b.y - a.y) * (x - a.x) / (b.x - a.x);
}

// Walks from xStart to xEnd in equal steps, adding the ground vertices and the block lines.
class BoundaryWalk {
public:
    BoundaryWalk(const std::vector<Point2>& ground, double xStart, double xEnd)
        : ground_(ground), start_(xStart), step_((xEnd - xStart) / SafetyFactor::StepCount(xEnd - xStart)),
          tolerance_(kSegmentEndTolerance * std::max({1.0, std::fabs(xStart), std::fabs(xEnd)})),
          segment_(SegmentHolding(ground, xStart)) {}

    void Begin(const Parabola& parabola) {
        Place(start_, parabola.At(start_), GroundOn(ground_, segment_, start_), false);
    }

    // Adds the boundaries of one block up to and including its right end.
    void Block(const Parabola& parabola, double blockEnd) {
        for (;;) {
            const double step = start_ + stepIndex_ * step_;
            const double vertex = NextVertexX();
            if (vertex < step && vertex < blockEnd) {
                PlaceVertex(parabola);
                continue;
            }
            if (step < blockEnd - tolerance_) {
                Place(step, parabola.At(step), GroundOn(ground_, segment_, step), true);
                ++stepIndex_;
                continue;
            }
            if (std::fabs(step - blockEnd) <= tolerance_) {
                ++stepIndex_;
            }
            if (blockEnd > boundaries_.back().x) {
                Place(blockEnd, parabola.At(blockEnd), GroundOn(ground_, segment_, blockEnd), false);
            }
            return;
        }
    }

    std::vector<SliceBoundary> Take() { return std::move(boundaries_); }

private:
    // The next ground vertex ahead of the last boundary (vertices behind it are passed over).
    double NextVertexX() {
        while (segment_ + 1 < static_cast<int>(ground_.size())) {
            const double x = ground_[static_cast<std::size_t>(segment_) + 1].x;
            if (x > boundaries_.back().x) {
                return x;
            }
            ++segment_;
        }
        return std::numeric_limits<double>::infinity();
    }

    void PlaceVertex(const Parabola& parabola) {
        const Point2& vertex = ground_[static_cast<std::size_t>(segment_) + 1];
        if (lastWasStep_ && vertex.x - boundaries_.back().x < kVertexMerge) {
            boundaries_.pop_back();
        }
        Place(vertex.x, parabola.At(vertex.x), vertex.y, false);
        ++segment_;
    }

    void Place(double x, double surface, double groundY, bool isStep) {
        boundaries_.push_back({x, surface, groundY});
        lastWasStep_ = isStep;
    }

    const std::vector<Point2>& ground_;
    double start_;
    double step_;
    double tolerance_;
    int segment_;
    int stepIndex_ = 1;
    bool lastWasStep_ = false;
    std::vector<SliceBoundary> boundaries_;
};

} // namespace

int SafetyFactor::StepCount(double span) {
    const double truncated = std::trunc(span);
    if (!(truncated >= kMinSteps)) {
        return kMinSteps;
    }
    return truncated > kMaxSteps ? kMaxSteps : static_cast<int>(truncated);
}

std::vector<SliceBoundary> SafetyFactor::Boundaries(const std::vector<Point2>& ground,
                                                    const std::vector<Parabola>& parabolas,
                                                    const std::vector<double>& lines, double xStart,
                                                    double xEnd) {
    if (!(xEnd > xStart) || ground.size() < 2 || parabolas.empty()) {
        return {};
    }
    BoundaryWalk walk(ground, xStart, xEnd);
    walk.Begin(parabolas.front());
    for (std::size_t block = 0; block < parabolas.size(); ++block) {
        const double blockEnd = block < lines.size() ? std::min(lines[block], xEnd) : xEnd;
        walk.Block(parabolas[block], blockEnd);
    }
    return walk.Take();
}

double SafetyFactor::Compute(const std::vector<Point2>& ground, const std::vector<Parabola>& parabolas,
                             const std::vector<double>& lines, double xStart, double xEnd,
                             const SoilConstants& soil, RunLog& log) {
    const double tanPhi = std::tan(soil.phi * kPi / 180.0);
    const std::vector<SliceBoundary> bounds = Boundaries(ground, parabolas, lines, xStart, xEnd);

    log.Write("");
    log.Write(" " + Cp932(msg::kSafetyHeader) + fmt::Fixed(soil.gamma, 8, 3) +
              "  C=" + fmt::Fixed(soil.cohesion, 8, 3) + "  " + Cp932(msg::kPhiLabel) +
              fmt::Fixed(soil.phi, 8, 3) + " *****");
    log.Write("  NO.     X.COD     Y.COD     DEPTH     WEIGH     WTANF     RESIS     DRIVE");
    double resisting = 0.0;
    double driving = 0.0;
    for (std::size_t i = 0; i + 1 < bounds.size(); ++i) {
        const SliceBoundary& a = bounds[i];
        const SliceBoundary& b = bounds[i + 1];
        const double x = (a.x + b.x) / 2.0;
        const double y = (a.surface + b.surface) / 2.0;
        const double depth = (a.ground + b.ground) / 2.0 - y;
        if (!(depth > 0.0)) {
            continue;
        }
        const double weight = (b.x - a.x) * depth * soil.gamma;
        const double base =
            std::sqrt((b.x - a.x) * (b.x - a.x) + (b.surface - a.surface) * (b.surface - a.surface));
        const double angle = DirectionAngle(a.x, a.surface, b.x, b.surface);
        const double drive = weight * std::sin(angle);
        const double friction = weight * std::cos(angle) * tanPhi;
        const double resist = soil.cohesion * base + friction;
        resisting += resist;
        driving += drive;
        log.Write(fmt::Int(static_cast<long long>(i) + 1, 5) + fmt::Fixed(x, 10, 3) + fmt::Fixed(y, 10, 3) +
                  fmt::Fixed(depth, 10, 3) + fmt::Fixed(weight, 10, 2) + fmt::Fixed(friction, 10, 2) +
                  fmt::Fixed(resist, 10, 2) + fmt::Fixed(drive, 10, 2));
    }
    log.Write(fmt::Blanks(55) + fmt::Fixed(resisting, 10, 1) + fmt::Fixed(driving, 10, 1));
    double factor = std::fabs(driving) > kDriveFloor ? resisting / std::fabs(driving) : kNoDrive;
    if (!(factor <= kNoDrive)) {
        factor = kNoDrive;
    }
    log.Write("");
    log.Write(" " + Cp932(msg::kSafetyResult) + fmt::Fixed(factor, 10, 4) + " *****");
    return factor;
}

} // namespace kalipe
