#include "solver/InputDataReader.h"

#include "solver/FieldParser.h"
#include "solver/InputRecords.h"
#include "solver/Messages.h"
#include "solver/RunLog.h"

#include <algorithm>

namespace kalipe {

namespace {

double RealValue(const InputRecord& record, int field) {
    return ParseRealField(record.Field(field)).value;
}

Identifier IdentifierOf(const InputRecord& record) {
    return std::string(record.Identifier()) + "   ";
}

void ReadRecord(const SectionRecord& taken, InputData& data) {
    const InputRecord& record = taken.record;
    switch (taken.section) {
    case Section::Node:
        data.ground.push_back({RealValue(record, 0), RealValue(record, 1)});
        break;
    case Section::Point: {
        MeasurementPoint point;
        point.id = IdentifierOf(record);
        point.x = RealValue(record, 0);
        point.y = RealValue(record, 1);
        point.weight = RealValue(record, 2);
        data.points.push_back(std::move(point));
        break;
    }
    case Section::Block: {
        BlockLine line;
        line.x = RealValue(record, 0);
        line.beta = RealValue(record, 1);
        data.lines.push_back(line);
        break;
    }
    case Section::Disp:
        if (taken.role == RecordRole::SeriesStart) {
            data.series.push_back({IdentifierOf(record), {}});
        }
        data.series.back().records.push_back({RealValue(record, 0), RealValue(record, 1)});
        break;
    case Section::Left:
    case Section::Right:
    case Section::Inner:
    case Section::Coef:
        break; // kept by the first pass
    }
}

} // namespace

bool InputDataReader::Read(const InputRecords& input, const InputSummary& summary, RunLog& log,
                           InputData& data) const {
    data = InputData();
    data.ground.reserve(static_cast<std::size_t>(summary.nodeCount));
    data.points.reserve(static_cast<std::size_t>(summary.pointCount));
    data.lines.reserve(static_cast<std::size_t>(summary.blockCount));
    data.series.reserve(static_cast<std::size_t>(summary.seriesCount));
    for (const SectionRecord& taken : input.Records()) {
        ReadRecord(taken, data);
    }
    if (!data.ground.empty()) {
        const auto [lowest, highest] =
            std::minmax_element(data.ground.begin(), data.ground.end(),
                                [](const Point2& a, const Point2& b) { return a.x < b.x; });
        data.groundMinX = lowest->x;
        data.groundMaxX = highest->x;
    }

    const std::pair<bool, const char8_t*> mismatches[] = {
        {static_cast<int>(data.ground.size()) != summary.nodeCount, msg::kNodeCountError},
        {static_cast<int>(data.points.size()) != summary.pointCount, msg::kPointCountError},
        {static_cast<int>(data.lines.size()) != summary.blockCount, msg::kBlockCountError},
        {static_cast<int>(data.series.size()) != summary.seriesCount, msg::kDispCountError},
    };
    bool consistent = true;
    for (const auto& [differs, message] : mismatches) {
        if (!differs) {
            continue;
        }
        log.Report({message});
        consistent = false;
    }
    return consistent;
}

} // namespace kalipe
