#pragma once
// Turns the input read by the second pass into the model the estimation works on: extends the
// ground line, checks the boundary points, selects and sorts the measurement points and the
// block lines, divides the points into blocks and turns displacements into positions.

#include "solver/InputModel.h"
#include "solver/WorkAreaBudget.h"

namespace kalipe {

class RunLog;

class AnalysisPreparation {
public:
    // Horizontal extension of the ground line on each side.
    static constexpr double kGroundExtension = 1000.0;

    // False (with the report in the log) when the input cannot be analysed.
    bool Prepare(const InputSummary& summary, InputData data, RunLog& log, PreparedModel& model) const;

    // The size of the estimation's equation system for a prepared model.
    static WorkAreaBudget::SystemShape ShapeOf(const PreparedModel& model);

private:
    bool CheckBoundaryPoints(const InputData& data, RunLog& log, PreparedModel& model) const;
    bool SelectPoints(InputData& data, RunLog& log, PreparedModel& model) const;
    bool DivideIntoBlocks(InputData& data, RunLog& log, PreparedModel& model) const;
    bool LocateBlockLines(RunLog& log, PreparedModel& model) const;
};

} // namespace kalipe
