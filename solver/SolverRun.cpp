#include "solver/SolverRun.h"

#include "solver/AnalysisPreparation.h"
#include "solver/FixedFormat.h"
#include "solver/InputChecker.h"
#include "solver/InputDataReader.h"
#include "solver/InputRecords.h"
#include "solver/Messages.h"
#include "solver/ResultWriter.h"
#include "solver/RunLog.h"
#include "solver/SlipSurfaceEstimator.h"
#include "solver/SolverFileNames.h"
#include "solver/WorkAreaBudget.h"

#include "platform/core/CodePage.h"
#include "platform/core/DiskNames.h"
#include "platform/core/SafeFileWriter.h"

#include <unistd.h>

#include <cstdio>
#include <string>

namespace kalipe {

namespace {

constexpr std::size_t kNameWidth = 50;

// Removes a file left by an earlier run; a directory of that name is never touched.
void RemoveFile(const std::string& osPath) {
    ::unlink(osPath.c_str());
}

// Where no log can be made, the reason goes to standard error, with the path it concerns.
void ReportWithoutLog(const char8_t* message, const std::string& utf8Path) {
    const std::string text = std::string(reinterpret_cast<const char*>(message)) + "\n" + utf8Path + "\n" +
                             reinterpret_cast<const char*>(msg::kNotExecuted) + "\n";
    std::fwrite(text.data(), 1, text.size(), stderr);
}

void LogTitle(RunLog& log, const std::string& title) {
    log.Star();
    log.Write(" " + Cp932(msg::kTitle) + title + " *****");
}

} // namespace

void SolverRun::Run(std::string_view cp932Path) noexcept {
    try {
        const std::optional<SolverFileNames> names = SolverFileNames::FromPath(cp932Path);
        if (!names) {
            ReportWithoutLog(msg::kNoOutputNames, platform::DiskName(cp932Path));
            return;
        }
        // A result left by an earlier run must never pass for the result of this one.
        RemoveFile(names->OsResult());
        RunLog log;
        const bool logOpen = log.Open(names->Log());
        if (!logOpen) {
            ReportWithoutLog(msg::kLogNotCreated, names->OsLog());
        }
        std::string result;
        Outcome outcome = Outcome::Failed;
        if (logOpen) {
            try {
                InputRecords input;
                InputSummary summary;
                switch (input.Load(names->OsInput())) {
                case InputRecords::LoadResult::Missing:
                    log.Report({msg::kInputMissing});
                    break;
                case InputRecords::LoadResult::Empty:
                    log.Report({msg::kInputEmpty});
                    break;
                case InputRecords::LoadResult::TooLarge:
                    WorkAreaBudget::ReportShortage(log, WorkAreaBudget::InputWords(input.FileBytes()));
                    break;
                case InputRecords::LoadResult::Loaded:
                    LogTitle(log, input.Title());
                    if (InputChecker().Check(input, log, summary)) {
                        outcome = Analyse(input, summary, log, result);
                    }
                    break;
                }
                if (outcome == Outcome::Succeeded &&
                    !platform::WriteFileSafely(names->Result().c_str(), result)) {
                    outcome = Outcome::Failed;
                }
            } catch (...) {
                outcome = Outcome::Failed; // out of memory: reported as a run that did not compute
            }
        }
        RemoveFile(names->OsList());
        if (outcome == Outcome::Succeeded) {
            log.Write(" " + Cp932(msg::kOutputFile) + fmt::PadRight(names->Result(), kNameWidth) + " *****");
        } else {
            RemoveFile(names->OsResult());
            log.NotExecuted();
        }
        if (logOpen && !log.Close()) {
            RemoveFile(names->OsResult()); // no result without the log that reports it
            ReportWithoutLog(msg::kLogNotCreated, names->OsLog());
        }
    } catch (...) {
        // Nothing may escape to the caller; whatever was written stays as it is.
    }
}

SolverRun::Outcome SolverRun::Analyse(const InputRecords& input, const InputSummary& summary, RunLog& log,
                                      std::string& result) const {
    const WorkAreaBudget firstLayout =
        WorkAreaBudget::FirstLayout(summary.nodeCount, summary.pointCount, summary.blockCount,
                                    summary.seriesCount, summary.longestSeries);
    if (!firstLayout.Fits()) {
        WorkAreaBudget::ReportShortage(log, firstLayout.Words());
        return Outcome::Failed;
    }
    InputData data;
    PreparedModel model;
    if (!InputDataReader().Read(input, summary, log, data) ||
        !AnalysisPreparation().Prepare(summary, std::move(data), log, model)) {
        return Outcome::Failed;
    }
    const WorkAreaBudget::SystemShape shape = AnalysisPreparation::ShapeOf(model);
    WorkAreaBudget withSystem = firstLayout;
    withSystem.AddSystem(shape);
    if (!withSystem.Fits()) {
        WorkAreaBudget::ReportShortage(log, withSystem.Words());
        return Outcome::Failed;
    }
    if (model.soil.computeSafetyFactor) {
        const std::int64_t required = WorkAreaBudget::WithSafetyFactor(
            firstLayout, withSystem, shape, static_cast<std::int64_t>(model.ground.size()),
            static_cast<std::int64_t>(model.lines.size()));
        if (required > WorkAreaBudget::kCapacity) {
            WorkAreaBudget::ReportShortage(log, required);
            return Outcome::Failed;
        }
    }
    std::vector<BlockSolution> solution;
    if (SlipSurfaceEstimator().Estimate(model, solution) != SlipSurfaceEstimator::Result::Solved) {
        log.Report({msg::kSingularSystem});
        return Outcome::Failed;
    }
    result = ResultWriter::Write(model, solution, summary.title, log);
    return Outcome::Succeeded;
}

} // namespace kalipe
