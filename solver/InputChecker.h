#pragma once
// The first pass over the solver input: counts and checks every record and keeps the
// values the later stages need.

#include "solver/InputModel.h"
#include "solver/InputRecords.h"

#include <array>
#include <vector>

namespace kalipe {

class RunLog;

class InputChecker {
public:
    // True when the input passed every check; otherwise the log holds the report
    // (without the closing lines, which the caller writes).
    bool Check(const InputRecords& input, RunLog& log, InputSummary& summary);

private:
    enum Keyword { kNode, kPoint, kLeft, kRight, kInner, kBlock, kDisp, kCoef, kKeywordCount };

    void TakeRecord(const SectionRecord& taken, InputSummary& summary);
    void TakeNode(const InputRecord& record, InputSummary& summary);
    void TakePoint(const InputRecord& record);
    void TakeSurfacePoint(const InputRecord& record, Keyword keyword, BoundaryPoint& point);
    void TakeInner(const InputRecord& record, BoundaryPoint& point);
    void TakeBlock(const InputRecord& record, InputSummary& summary);
    void TakeSeriesStart(const InputRecord& record);
    void TakeTimeRecord(const InputRecord& record);
    void TakeCoefficients(const InputRecord& record, SoilConstants& soil);

    // Parses a real field; a bad one counts against the keyword.
    double Real(const InputRecord& record, int field, Keyword keyword);
    double RealOr(const InputRecord& record, int field, Keyword keyword, double blankValue,
                  bool* given = nullptr);

    bool ReportValueErrors(RunLog& log) const;
    bool ReportStructure(RunLog& log, const InputSummary& summary) const;
    bool ReportDuplicates(RunLog& log) const;
    bool ReportUnmatched(RunLog& log) const;

    std::array<int, kKeywordCount> errors_{};
    int leftRecords_ = 0;
    int rightRecords_ = 0;
    std::vector<Identifier> pointIds_;
    std::vector<Identifier> seriesIds_;
    std::vector<int> seriesLengths_;
};

} // namespace kalipe
