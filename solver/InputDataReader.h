#pragma once
// The second pass over the solver input: reads the ground line, the measurement points, the
// block lines and the displacement series into the analysis arrays and compares its counts
// with those of the first pass.

#include "solver/InputModel.h"

namespace kalipe {

class InputRecords;
class RunLog;

class InputDataReader {
public:
    // False (with the report in the log) when a count differs from the first pass.
    bool Read(const InputRecords& input, const InputSummary& summary, RunLog& log, InputData& data) const;
};

} // namespace kalipe
