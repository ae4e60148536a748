#include "solver/SlipSurfaceEstimator.h"

#include <algorithm>
#include <cmath>

namespace kalipe {

namespace {

constexpr double kMinScale = 1.0;
constexpr int kCorner = 3; // A, B, C

// The block's own normal equations, dense, before they go into the profile.
class BlockNormals {
public:
    explicit BlockNormals(int size)
        : size_(size), matrix_(static_cast<std::size_t>(size) * size, 0.0), rhs_(size, 0.0) {}

    double& At(int row, int column) { return matrix_[static_cast<std::size_t>(row) * size_ + column]; }
    double& Rhs(int row) { return rhs_[static_cast<std::size_t>(row)]; }
    int Size() const { return size_; }

    // Adds w * a^T a and w * a * y for a row with the given non-zero entries.
    template <std::size_t N>
    void AddRow(const int (&columns)[N], const double (&values)[N], double weight, double weightedY) {
        for (std::size_t p = 0; p < N; ++p) {
            for (std::size_t q = 0; q < N; ++q) {
                At(columns[p], columns[q]) += values[p] * weight * values[q];
            }
            Rhs(columns[p]) += values[p] * weightedY;
        }
    }

    // Divides the rows and columns of A by L^2 and of B by L.
    void Scale(double length) {
        const double factors[kCorner] = {length * length, length, 1.0};
        for (int row = 0; row < size_; ++row) {
            for (int column = 0; column < size_; ++column) {
                const double divisor =
                    (row < kCorner ? factors[row] : 1.0) * (column < kCorner ? factors[column] : 1.0);
                if (divisor != 1.0) {
                    At(row, column) /= divisor;
                }
            }
        }
        for (int row = 0; row < kCorner - 1; ++row) {
            Rhs(row) /= factors[row];
        }
    }

    // A condition on the scaled (a, b, c): w * v^T v and w * v * target.
    void AddCondition(const double (&v)[kCorner], double weight, double target) {
        for (int p = 0; p < kCorner; ++p) {
            for (int q = 0; q < kCorner; ++q) {
                At(p, q) += weight * v[p] * v[q];
            }
            Rhs(p) += weight * v[p] * target;
        }
    }

private:
    int size_;
    std::vector<double> matrix_;
    std::vector<double> rhs_;
};

struct ScaledRows {
    double elevation[kCorner];
    double inclination[kCorner];
};

// Elevation row e(s) = ((s/L)^2, s/L, 1) and inclination row g(s) = (2s/L^2, 1/L, 0).
ScaledRows RowsAt(double s, double length) {
    return {{s * s / (length * length), s / length, 1.0}, {2.0 * s / (length * length), 1.0 / length, 0.0}};
}

double Larger(double a, double b) {
    return std::max({a, b, kMinScale});
}

std::vector<int> FirstPoints(const PreparedModel& model) {
    std::vector<int> first(model.pointsPerBlock.size() + 1, 0);
    for (std::size_t j = 0; j < model.pointsPerBlock.size(); ++j) {
        first[j + 1] = first[j] + model.pointsPerBlock[j];
    }
    return first;
}

// S0 for a block with points: the middle of its first and last point, drawn towards the inner point.
double PointCentre(const PreparedModel& model, int block, int firstPoint) {
    const int count = model.pointsPerBlock[static_cast<std::size_t>(block)];
    const double centre = (model.points[static_cast<std::size_t>(firstPoint)].x +
                           model.points[static_cast<std::size_t>(firstPoint) + count - 1].x) /
                          2.0;
    return model.innerBlock == block ? (2.0 * centre + model.inner.x) / 3.0 : centre;
}

void AddOwnConditions(const PreparedModel& model, int block, const BlockFrame& frame, BlockNormals& normals) {
    const int last = model.BlockCount() - 1;
    auto rowsAt = [&](double x) { return RowsAt(x - frame.s0, frame.scale); };
    auto addSurfacePoint = [&](const BoundaryPoint& point) {
        if (!point.Present()) {
            return;
        }
        const ScaledRows rows = rowsAt(point.x);
        normals.AddCondition(rows.elevation, point.weight, point.y);
        if (point.state == BoundaryPoint::WithInclination) {
            normals.AddCondition(rows.inclination, point.weight, std::tan(point.angle));
        }
    };
    if (block == 0) {
        addSurfacePoint(model.left);
    }
    if (block == last) {
        addSurfacePoint(model.right);
    }
    const BlockLine* leftLine = block > 0 ? &model.lines[static_cast<std::size_t>(block - 1)] : nullptr;
    const BlockLine* rightLine = block < last ? &model.lines[static_cast<std::size_t>(block)] : nullptr;
    for (const BlockLine* line : {leftLine, rightLine}) {
        if (line) {
            normals.AddCondition(rowsAt(line->x).elevation, 1.0, 0.0);
        }
    }
    for (const BlockLine* line : {leftLine, rightLine}) {
        if (line) {
            normals.AddCondition(rowsAt(line->x).inclination, line->beta, 0.0);
        }
    }
    if (model.innerBlock == block && model.inner.Present()) {
        normals.AddCondition(rowsAt(model.inner.x).elevation, model.inner.weight, model.inner.y);
    }
}

// The cross terms of the continuity at a line between the previous block and this one.
void AddCoupling(double line, double beta, const BlockFrame& previous, const BlockFrame& current,
                 int previousBase, int base, SkylineSystem& system) {
    const double sp = line - previous.s0;
    const double lp = previous.scale;
    const double sl = line - current.s0;
    const double l = current.scale;
    const double entries[kCorner][kCorner] = {
        {-(sp * sp * sl * sl + 4.0 * beta * sp * sl) / (lp * lp * l * l),
         -(sp * sp * sl + 2.0 * beta * sp) / (lp * lp * l), -sp * sp / (lp * lp)},
        {-(sp * sl * sl + 2.0 * beta * sl) / (lp * l * l), -(sp * sl + beta) / (lp * l), -sp / lp},
        {-sl * sl / (l * l), -sl / l, -1.0},
    };
    for (int row = 0; row < kCorner; ++row) {
        for (int column = 0; column < kCorner; ++column) {
            system.SetSymmetric(previousBase + row, base + column, entries[row][column]);
        }
    }
}

} // namespace

std::vector<int> SlipSurfaceEstimator::ProfileHeights(const std::vector<int>& unknownsPerBlock) {
    std::vector<int> heights;
    for (std::size_t j = 0; j < unknownsPerBlock.size(); ++j) {
        for (int k = 0; k < unknownsPerBlock[j]; ++k) {
            // A, B, C of a later block reach up to A of the previous block.
            heights.push_back(j > 0 && k < kCorner ? unknownsPerBlock[j - 1] + k : k);
        }
    }
    return heights;
}

BlockFrame SlipSurfaceEstimator::FrameWithoutLines(const PreparedModel& model) {
    const BoundaryPoint& left = model.left;
    const BoundaryPoint& right = model.right;
    BlockFrame frame;
    double span = 0.0;
    if (!model.points.empty()) {
        frame.s0 = (model.points.front().x + model.points.back().x) / 2.0;
        span = model.points.back().x - model.points.front().x;
    } else if (left.Present() && right.Present()) {
        frame.s0 = (left.x + right.x) / 2.0; // no points: the surface points give the centre
    } else {
        frame.s0 = left.Present() ? left.x : right.x;
    }
    if (model.inner.Present()) {
        frame.s0 = (2.0 * frame.s0 + model.inner.x) / 3.0;
    }
    if (left.Present() && right.Present()) {
        frame.scale = std::max(right.x - frame.s0, frame.s0 - left.x);
    } else if (right.Present()) {
        frame.scale = right.x - frame.s0;
    } else {
        frame.scale = span;
    }
    frame.scale = std::max(frame.scale, kMinScale);
    return frame;
}

BlockFrame SlipSurfaceEstimator::FrameOfBlock(const PreparedModel& model, int block, int firstPoint) {
    const int last = model.BlockCount() - 1;
    const bool hasPoints = model.pointsPerBlock[static_cast<std::size_t>(block)] > 0;
    const bool holdsInner = model.innerBlock == block && model.inner.Present();
    BlockFrame frame;
    if (block == 0) {
        const double line = model.lines.front().x;
        if (hasPoints) {
            frame.s0 = PointCentre(model, block, firstPoint);
        } else if (model.left.Present()) {
            frame.s0 = (model.left.x + line) / 2.0;
        } else if (holdsInner) {
            frame.s0 = model.inner.x;
        } else {
            frame.s0 = line - 1.0;
        }
        frame.scale = Larger(line - frame.s0, model.left.Present() ? frame.s0 - model.left.x : kMinScale);
    } else if (block == last) {
        const double line = model.lines.back().x;
        if (hasPoints) {
            frame.s0 = PointCentre(model, block, firstPoint);
        } else if (model.right.Present()) {
            frame.s0 = (model.right.x + line) / 2.0;
        } else if (holdsInner) {
            frame.s0 = model.inner.x;
        } else {
            frame.s0 = line + 1.0;
        }
        frame.scale = Larger(frame.s0 - line, model.right.Present() ? model.right.x - frame.s0 : kMinScale);
    } else {
        const double leftLine = model.lines[static_cast<std::size_t>(block - 1)].x;
        const double rightLine = model.lines[static_cast<std::size_t>(block)].x;
        frame.s0 = hasPoints ? PointCentre(model, block, firstPoint) : (leftLine + rightLine) / 2.0;
        frame.scale = Larger(frame.s0 - leftLine, rightLine - frame.s0);
    }
    return frame;
}

std::vector<BlockFrame> SlipSurfaceEstimator::Frames(const PreparedModel& model) {
    if (model.lines.empty()) {
        return {FrameWithoutLines(model)};
    }
    const std::vector<int> first = FirstPoints(model);
    std::vector<BlockFrame> frames;
    for (int block = 0; block < model.BlockCount(); ++block) {
        frames.push_back(FrameOfBlock(model, block, first[static_cast<std::size_t>(block)]));
    }
    return frames;
}

SkylineSystem SlipSurfaceEstimator::Assemble(const PreparedModel& model,
                                             const std::vector<BlockFrame>& frames) {
    const std::vector<int> first = FirstPoints(model);
    std::vector<int> unknowns;
    for (int count : model.pointsPerBlock) {
        unknowns.push_back(count + kCorner);
    }
    SkylineSystem system(ProfileHeights(unknowns));

    int base = 0;
    int previousBase = 0;
    for (int block = 0; block < model.BlockCount(); ++block) {
        const BlockFrame& frame = frames[static_cast<std::size_t>(block)];
        const int size = unknowns[static_cast<std::size_t>(block)];
        BlockNormals normals(size);
        for (int i = 0; i + kCorner < size; ++i) {
            const MeasurementPoint& point =
                model.points[static_cast<std::size_t>(first[static_cast<std::size_t>(block)]) + i];
            for (const Point2& position : point.positions) {
                const double s = position.x - frame.s0;
                const int columns[] = {0, 1, 2, kCorner + i};
                const double values[] = {s * s, s, 1.0, 1.0};
                normals.AddRow(columns, values, point.weight, point.weight * position.y);
            }
        }
        normals.Scale(frame.scale);
        AddOwnConditions(model, block, frame, normals);

        for (int column = 0; column < size; ++column) {
            system.Diagonal(base + column) = normals.At(column, column);
            system.Rhs(base + column) = normals.Rhs(column);
            for (int row = 0; row < column; ++row) {
                system.Upper(base + row, base + column) = normals.At(row, column);
                system.Lower(base + column, base + row) = normals.At(column, row);
            }
        }
        if (block > 0) {
            const BlockLine& line = model.lines[static_cast<std::size_t>(block - 1)];
            AddCoupling(line.x, line.beta, frames[static_cast<std::size_t>(block - 1)], frame, previousBase,
                        base, system);
        }
        previousBase = base;
        base += size;
    }
    return system;
}

SlipSurfaceEstimator::Result SlipSurfaceEstimator::Estimate(const PreparedModel& model,
                                                            std::vector<BlockSolution>& solution) const {
    solution.clear();
    const std::vector<BlockFrame> frames = Frames(model);
    SkylineSystem system = Assemble(model, frames);
    if (system.Solve() != SkylineSystem::Result::Solved) {
        return Result::Singular;
    }
    const std::vector<double>& u = system.Solution();
    std::size_t base = 0;
    for (int block = 0; block < model.BlockCount(); ++block) {
        const BlockFrame& frame = frames[static_cast<std::size_t>(block)];
        const double a = u[base] / (frame.scale * frame.scale);
        const double localB = u[base + 1] / frame.scale;
        BlockSolution result;
        result.parabola.a = a;
        result.parabola.b = localB - 2.0 * a * frame.s0;
        result.parabola.c = a * frame.s0 * frame.s0 - localB * frame.s0 + u[base + 2];
        const int points = model.pointsPerBlock[static_cast<std::size_t>(block)];
        result.offsets.assign(u.begin() + static_cast<std::ptrdiff_t>(base + kCorner),
                              u.begin() + static_cast<std::ptrdiff_t>(base + kCorner + points));
        if (!std::isfinite(result.parabola.a) || !std::isfinite(result.parabola.b) ||
            !std::isfinite(result.parabola.c)) {
            return Result::Singular;
        }
        solution.push_back(std::move(result));
        base += static_cast<std::size_t>(points) + kCorner;
    }
    return Result::Solved;
}

} // namespace kalipe
