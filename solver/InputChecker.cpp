#include "solver/InputChecker.h"

#include "solver/FieldParser.h"
#include "solver/InputRecords.h"
#include "solver/Messages.h"
#include "solver/RunLog.h"
#include "solver/WorkAreaBudget.h"

#include <algorithm>
#include <unordered_set>

namespace kalipe {

namespace {

constexpr double kMaxAngleDegrees = 90.0;
constexpr double kAngleLimitDegrees = 89.99;
constexpr double kPi = 3.141592653589793;

Identifier IdentifierOf(const InputRecord& record) {
    return std::string(record.Identifier()) + "   ";
}

bool HasDuplicate(const std::vector<Identifier>& ids) {
    std::unordered_set<std::string_view> seen;
    seen.reserve(ids.size());
    for (const Identifier& id : ids) {
        if (!seen.insert(id).second) {
            return true;
        }
    }
    return false;
}

} // namespace

bool InputChecker::Check(const InputRecords& input, RunLog& log, InputSummary& summary) {
    *this = InputChecker();
    summary = InputSummary();
    summary.title = input.Title();
    for (const SectionRecord& taken : input.Records()) {
        TakeRecord(taken, summary);
    }
    summary.pointCount = static_cast<int>(pointIds_.size());
    summary.seriesCount = static_cast<int>(seriesIds_.size());
    summary.longestSeries =
        seriesLengths_.empty() ? 0 : *std::max_element(seriesLengths_.begin(), seriesLengths_.end());

    if (summary.pointCount > WorkAreaBudget::kMaxIdentifiers ||
        summary.seriesCount > WorkAreaBudget::kMaxIdentifiers) {
        WorkAreaBudget::ReportShortage(
            log, WorkAreaBudget::IdentifierWords(summary.pointCount, summary.seriesCount));
        return false;
    }
    return ReportValueErrors(log) && ReportStructure(log, summary) && ReportDuplicates(log) &&
           ReportUnmatched(log);
}

void InputChecker::TakeRecord(const SectionRecord& taken, InputSummary& summary) {
    const InputRecord& record = taken.record;
    switch (taken.section) {
    case Section::Node:
        TakeNode(record, summary);
        break;
    case Section::Point:
        TakePoint(record);
        break;
    case Section::Left:
        ++leftRecords_;
        TakeSurfacePoint(record, kLeft, summary.left);
        break;
    case Section::Right:
        ++rightRecords_;
        TakeSurfacePoint(record, kRight, summary.right);
        break;
    case Section::Inner:
        TakeInner(record, summary.inner);
        break;
    case Section::Block:
        TakeBlock(record, summary);
        break;
    case Section::Disp:
        if (taken.role == RecordRole::SeriesStart) {
            TakeSeriesStart(record);
        } else {
            TakeTimeRecord(record);
        }
        break;
    case Section::Coef:
        TakeCoefficients(record, summary.soil);
        break;
    }
}

double InputChecker::Real(const InputRecord& record, int field, Keyword keyword) {
    return RealOr(record, field, keyword, 0.0);
}

double InputChecker::RealOr(const InputRecord& record, int field, Keyword keyword, double blankValue,
                            bool* given) {
    const RealField parsed = ParseRealField(record.Field(field));
    if (given) {
        *given = parsed.status == FieldStatus::Value;
    }
    if (parsed.status == FieldStatus::Bad) {
        ++errors_[keyword];
    }
    return parsed.status == FieldStatus::Blank ? blankValue : parsed.value;
}

void InputChecker::TakeNode(const InputRecord& record, InputSummary& summary) {
    Real(record, 0, kNode);
    Real(record, 1, kNode);
    ++summary.nodeCount;
}

void InputChecker::TakePoint(const InputRecord& record) {
    if (IsBlank(record.Identifier())) {
        ++errors_[kPoint];
    }
    pointIds_.push_back(IdentifierOf(record));
    for (int field = 0; field < 3; ++field) {
        Real(record, field, kPoint);
    }
}

void InputChecker::TakeSurfacePoint(const InputRecord& record, Keyword keyword, BoundaryPoint& point) {
    point = BoundaryPoint();
    point.x = Real(record, 0, keyword);
    point.y = Real(record, 1, keyword);
    point.weight = RealOr(record, 2, keyword, 1.0);
    point.state = point.weight > 0.0 ? BoundaryPoint::Given : BoundaryPoint::Absent;
    bool angleGiven = false;
    const double degrees = RealOr(record, 3, keyword, 0.0, &angleGiven);
    if (!angleGiven) {
        return;
    }
    if (degrees < -kMaxAngleDegrees || degrees > kMaxAngleDegrees) {
        ++errors_[keyword];
        return;
    }
    point.angle = std::clamp(degrees, -kAngleLimitDegrees, kAngleLimitDegrees) * kPi / 180.0;
    if (point.state == BoundaryPoint::Given) {
        point.state = BoundaryPoint::WithInclination;
    }
}

void InputChecker::TakeInner(const InputRecord& record, BoundaryPoint& point) {
    point = BoundaryPoint();
    point.x = Real(record, 0, kInner);
    point.y = Real(record, 1, kInner);
    point.weight = RealOr(record, 2, kInner, 1.0);
    point.state = point.weight > 0.0 ? BoundaryPoint::Given : BoundaryPoint::Absent;
}

void InputChecker::TakeBlock(const InputRecord& record, InputSummary& summary) {
    if (ParseIntField(record.Identifier()).status == FieldStatus::Bad) {
        ++errors_[kBlock];
    }
    Real(record, 0, kBlock);
    // A negative weight would turn the least-squares problem indefinite.
    if (Real(record, 1, kBlock) < 0.0) {
        ++errors_[kBlock];
    }
    ++summary.blockCount;
}

void InputChecker::TakeSeriesStart(const InputRecord& record) {
    if (IsBlank(record.Identifier())) {
        ++errors_[kDisp];
    }
    seriesIds_.push_back(IdentifierOf(record));
    seriesLengths_.push_back(0);
    TakeTimeRecord(record);
}

void InputChecker::TakeTimeRecord(const InputRecord& record) {
    Real(record, 0, kDisp);
    Real(record, 1, kDisp);
    ++seriesLengths_.back();
}

void InputChecker::TakeCoefficients(const InputRecord& record, SoilConstants& soil) {
    soil.gamma = Real(record, 0, kCoef);
    soil.cohesion = Real(record, 1, kCoef);
    if (soil.cohesion < 0.0) {
        ++errors_[kCoef];
    }
    soil.phi = Real(record, 2, kCoef);
    if (soil.phi < 0.0 || soil.phi >= 90.0) {
        ++errors_[kCoef];
    }
    Real(record, 3, kCoef);
    soil.computeSafetyFactor = soil.gamma > 0.0 && soil.cohesion + soil.phi > 0.0;
}

bool InputChecker::ReportValueErrors(RunLog& log) const {
    static constexpr const char8_t* kMessages[kKeywordCount] = {
        msg::kNodeValueError,  msg::kPointValueError, msg::kLeftValueError, msg::kRightValueError,
        msg::kInnerValueError, msg::kBlockValueError, msg::kDispValueError, msg::kCoefValueError,
    };
    bool any = false;
    for (int keyword = 0; keyword < kKeywordCount; ++keyword) {
        if (errors_[keyword] == 0) {
            continue;
        }
        if (!any) {
            log.Star();
        }
        any = true;
        log.Message(kMessages[keyword]);
    }
    return !any;
}

bool InputChecker::ReportStructure(RunLog& log, const InputSummary& summary) const {
    const bool shortSeries =
        std::any_of(seriesLengths_.begin(), seriesLengths_.end(), [](int n) { return n < 2; });
    const std::pair<bool, const char8_t*> conditions[] = {
        {summary.nodeCount < 2, msg::kTooFewNodes},
        {summary.pointCount == 0, msg::kNoPoints},
        {leftRecords_ == 0 && rightRecords_ == 0, msg::kNoSurfaceBoundary},
        {shortSeries, msg::kShortSeries},
        {summary.blockCount >= summary.pointCount, msg::kBlocksExceedPoints},
        // Also catches an input without any displacement series.
        {summary.blockCount >= summary.seriesCount, msg::kBlocksExceedSeries},
    };
    bool any = false;
    for (const auto& [holds, message] : conditions) {
        if (!holds) {
            continue;
        }
        if (!any) {
            log.Star();
        }
        any = true;
        log.Message(message);
    }
    return !any;
}

bool InputChecker::ReportDuplicates(RunLog& log) const {
    if (!HasDuplicate(pointIds_) && !HasDuplicate(seriesIds_)) {
        return true;
    }
    log.Report({msg::kDuplicateIds});
    return false;
}

bool InputChecker::ReportUnmatched(RunLog& log) const {
    const std::unordered_set<std::string_view> series(seriesIds_.begin(), seriesIds_.end());
    const bool anyMatch = std::any_of(pointIds_.begin(), pointIds_.end(),
                                      [&](const Identifier& id) { return series.count(id) != 0; });
    if (anyMatch) {
        return true;
    }
    log.Report({msg::kNoMatchedSeries});
    return false;
}

} // namespace kalipe
