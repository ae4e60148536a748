#include "control/core/RunningPrograms.h"

#include "common/process/CNamedMutex.h"

namespace basnev {

const char* RunningProgramName(unsigned id) {
    switch (id) {
    case kSectionEditorFirst:
        return "Verrant MERDOK 01";
    case kSectionEditorSecond:
        return "Verrant MERDOK 02";
    case kAnalysisFirst:
        return "Verrant TORVAN 01";
    case kAnalysisSecond:
        return "Verrant TORVAN 02";
    case kTableEditorFirst:
        return "Verrant QUILMO 01";
    case kTableEditorSecond:
        return "Verrant QUILMO 02";
    default:
        return nullptr;
    }
}

bool IsProgramRunning(unsigned id) {
    const char* name = RunningProgramName(id);
    return name && CNamedMutex::Exists(name);
}

bool IsAnyChildRunning() {
    bool running = false;
    for (unsigned id = kSectionEditorFirst; id <= kTableEditorSecond; ++id) {
        running = IsProgramRunning(id) || running;
    }
    return running;
}

} // namespace basnev
