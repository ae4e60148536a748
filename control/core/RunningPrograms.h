#pragma once
// Which programs of the suite are running, by the instance names they hold. A name exists
// only while its program holds it, so a program that ended in any way no longer counts and
// nothing is ever left to be released here.

namespace basnev {

// The instance names the base menu looks at, by their string ids.
enum RunningProgramId : unsigned {
    kSectionEditorFirst = 4271,
    kSectionEditorSecond = 4272,
    kAnalysisFirst = 4273,
    kAnalysisSecond = 4274,
    kTableEditorFirst = 4275,
    kTableEditorSecond = 4276,
};

// The instance name of an id ("Verrant MERDOK 01"); null for an id outside the table.
const char* RunningProgramName(unsigned id);

bool IsProgramRunning(unsigned id);
// True when any of the six instance names exists.
bool IsAnyChildRunning();

} // namespace basnev
