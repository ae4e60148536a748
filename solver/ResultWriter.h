#pragma once
// The result of a run: the slip-line result file (the parabola and stretch of every block)
// and the result section of the run log, with the safety factor when it was asked for.

#include "solver/InputModel.h"
#include "solver/SlipSurfaceEstimator.h"

#include <string>
#include <vector>

namespace kalipe {

class RunLog;

class ResultWriter {
public:
    // Writes the result section into the log and returns the result file's bytes (CP932, CR LF).
    static std::string Write(const PreparedModel& model, const std::vector<BlockSolution>& solution,
                             const std::string& title, RunLog& log);

    // The fixed lines of the result file.
    static std::string TitleLine(const std::string& title);
    static std::string CountLine(int blocks);
    static std::string CountLineWithSafety(int blocks, double factor, const SoilConstants& soil);
    static std::string HeadingLine();
};

} // namespace kalipe
