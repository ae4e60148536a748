#pragma once
// One solver run from the input path to the files it leaves: reads and checks the input,
// prepares and solves the model and writes the result. Every run starts from nothing and
// reports only to its run log: the result file exists afterwards only when the run succeeded,
// and the list file never.

#include <string_view>

namespace kalipe {

class RunLog;
class InputRecords;
struct InputSummary;

class SolverRun {
public:
    // The whole run for the caller's path (CP932, see SolverFileNames). Never throws.
    void Run(std::string_view cp932Path) noexcept;

private:
    enum class Outcome { Succeeded, Failed };

    // The analysis after the first pass; on success `result` holds the result file's bytes.
    Outcome Analyse(const InputRecords& input, const InputSummary& summary, RunLog& log,
                    std::string& result) const;
};

} // namespace kalipe
