#include "solver/AnalysisPreparation.h"

#include "solver/BlockPartition.h"
#include "solver/Messages.h"
#include "solver/RunLog.h"
#include "solver/SegmentGeometry.h"

#include <algorithm>
#include <unordered_map>

namespace kalipe {

namespace {

bool Between(double x, double low, double high) {
    return x > low && x < high;
}

double LowerLimit(const PreparedModel& model, const InputData& data) {
    return model.left.Present() ? model.left.x : data.groundMinX;
}

double UpperLimit(const PreparedModel& model, const InputData& data) {
    return model.right.Present() ? model.right.x : data.groundMaxX;
}

bool AnyInclination(const PreparedModel& model) {
    return model.left.state == BoundaryPoint::WithInclination ||
           model.right.state == BoundaryPoint::WithInclination;
}

std::optional<double> InnerX(const PreparedModel& model) {
    return model.inner.Present() ? std::optional<double>(model.inner.x) : std::nullopt;
}

} // namespace

bool AnalysisPreparation::Prepare(const InputSummary& summary, InputData data, RunLog& log,
                                  PreparedModel& model) const {
    model = PreparedModel();
    model.left = summary.left;
    model.right = summary.right;
    model.inner = summary.inner;
    model.soil = summary.soil;

    // A ground line given right to left is walked left to right, so that each extension joins
    // the end it continues instead of crossing the whole slope at the other end's elevation.
    if (data.ground.front().x > data.ground.back().x) {
        std::reverse(data.ground.begin(), data.ground.end());
    }
    model.ground.reserve(data.ground.size() + 2);
    model.ground.push_back({data.groundMinX - kGroundExtension, data.ground.front().y});
    model.ground.insert(model.ground.end(), data.ground.begin(), data.ground.end());
    model.ground.push_back({data.groundMaxX + kGroundExtension, data.ground.back().y});

    if (!CheckBoundaryPoints(data, log, model) || !SelectPoints(data, log, model) ||
        !DivideIntoBlocks(data, log, model) || !LocateBlockLines(log, model)) {
        return false;
    }
    for (MeasurementPoint& point : model.points) {
        for (Point2& position : point.positions) {
            position.x += point.x;
            position.y += point.y;
        }
    }
    return true;
}

bool AnalysisPreparation::CheckBoundaryPoints(const InputData& data, RunLog& log,
                                              PreparedModel& model) const {
    BoundaryPoint& left = model.left;
    BoundaryPoint& right = model.right;
    if (!left.Present() && !right.Present()) {
        log.Report({msg::kTooFewConditions});
        return false;
    }
    if (left.Present() && right.Present()) {
        if (left.x == right.x) {
            log.Report({msg::kSameBoundaryX});
            return false;
        }
        if (right.x < left.x) {
            std::swap(left, right);
        }
    }
    for (const BoundaryPoint* point : {&left, &right}) {
        if (point->Present() && !Between(point->x, data.groundMinX, data.groundMaxX)) {
            log.Report({msg::kBoundaryOutsideGround});
            return false;
        }
    }
    if (!model.inner.Present()) {
        return true;
    }
    const double x = model.inner.x;
    const char8_t* problem = nullptr;
    if (left.Present() && right.Present()) {
        if (!Between(x, left.x, right.x)) {
            problem = msg::kInnerOutsideGround;
        }
    } else if (left.Present()) {
        if (x <= left.x) {
            problem = msg::kInnerOutsideBoundary;
        } else if (x >= data.groundMaxX) {
            problem = msg::kInnerOutsideGround;
        }
    } else {
        if (x >= right.x) {
            problem = msg::kInnerOutsideBoundary;
        } else if (x <= data.groundMinX) {
            problem = msg::kInnerOutsideGround;
        }
    }
    if (problem) {
        log.Report({problem});
        return false;
    }
    return true;
}

bool AnalysisPreparation::SelectPoints(InputData& data, RunLog& log, PreparedModel& model) const {
    std::unordered_map<std::string_view, const DisplacementSeries*> seriesById;
    for (const DisplacementSeries& series : data.series) {
        seriesById.emplace(series.id, &series);
    }
    const double low = LowerLimit(model, data);
    const double high = UpperLimit(model, data);
    bool anyPaired = false;
    for (MeasurementPoint& point : data.points) {
        const auto found = seriesById.find(point.id);
        if (found == seriesById.end()) {
            continue;
        }
        anyPaired = true;
        if (!Between(point.x, low, high) || !(point.weight > 0.0)) {
            continue;
        }
        point.positions = found->second->records;
        model.points.push_back(std::move(point));
    }
    if ((!anyPaired || model.points.empty()) && !AnyInclination(model)) {
        log.Report({msg::kNoUsablePoints});
        return false;
    }
    std::stable_sort(model.points.begin(), model.points.end(),
                     [](const MeasurementPoint& a, const MeasurementPoint& b) { return a.x < b.x; });
    return true;
}

bool AnalysisPreparation::DivideIntoBlocks(InputData& data, RunLog& log, PreparedModel& model) const {
    const double low = LowerLimit(model, data);
    const double high = UpperLimit(model, data);
    std::vector<BlockLine> lines;
    for (const BlockLine& line : data.lines) {
        if (Between(line.x, low, high)) {
            lines.push_back(line);
        }
    }
    std::stable_sort(lines.begin(), lines.end(),
                     [](const BlockLine& a, const BlockLine& b) { return a.x < b.x; });

    std::vector<double> pointX;
    for (const MeasurementPoint& point : model.points) {
        pointX.push_back(point.x);
    }
    std::vector<double> lineX;
    for (const BlockLine& line : lines) {
        lineX.push_back(line.x);
    }
    const BlockLayout layout =
        BlockPartition::Partition(pointX, lineX, InnerX(model), model.left.state, model.right.state);

    for (int index : layout.keptLines) {
        model.lines.push_back(lines[static_cast<std::size_t>(index)]);
    }
    model.pointsPerBlock = layout.pointsPerBlock;
    model.innerBlock = layout.innerBlock;
    if (!model.lines.empty()) {
        return true;
    }

    const int conditions =
        static_cast<int>(model.points.size()) + model.left.state + model.right.state + model.inner.state;
    if (conditions < BlockPartition::kMinConditions) {
        log.Report({msg::kTooFewConditions});
        return false;
    }
    return true;
}

bool AnalysisPreparation::LocateBlockLines(RunLog& log, PreparedModel& model) const {
    for (BlockLine& line : model.lines) {
        const GroundHit hit = LowestGroundCrossing(model.ground, line.x);
        if (!hit.Found()) {
            // The extended ground line spans every kept line; only a broken ground line misses one.
            log.Report({msg::kBoundaryOutsideGround});
            return false;
        }
        line.groundY = hit.y;
        line.groundSegment = hit.segment;
    }
    return true;
}

WorkAreaBudget::SystemShape AnalysisPreparation::ShapeOf(const PreparedModel& model) {
    WorkAreaBudget::SystemShape shape;
    shape.blocks = model.BlockCount();
    std::size_t next = 0;
    std::int64_t previousUnknowns = 0;
    for (int block = 0; block < model.BlockCount(); ++block) {
        const std::int64_t points = model.pointsPerBlock[static_cast<std::size_t>(block)];
        std::int64_t rows = points;
        for (std::int64_t i = 0; i < points; ++i, ++next) {
            rows += static_cast<std::int64_t>(model.points[next].positions.size());
        }
        const std::int64_t unknowns = points + 3;
        shape.largestBlock = std::max(shape.largestBlock, points);
        shape.mostRows = std::max(shape.mostRows, rows);
        shape.unknowns += unknowns;
        shape.profileLength += unknowns * (unknowns - 1) / 2 + (block > 0 ? 3 * previousUnknowns : 0);
        previousUnknowns = unknowns;
    }
    return shape;
}

} // namespace kalipe
