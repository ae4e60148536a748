#pragma once
// What each launch button of the base menu starts, and with which file names. The names come
// from the form's three slots; a name whose file does not exist yet travels behind a separate
// "@" argument, which tells the child to create it.

#include "platform/core/CString.h"

#include <functional>
#include <vector>

namespace basnev {

// The programs of the suite that the base menu starts, by the string ids of its launch table.
enum ChildProgramId : unsigned {
    kPlanEditorProgram = 4220,
    kSectionEditorProgram = 4221,
    kTableEditorProgram = 4222,
    kAnalysisProgram = 4223,
    kUnusedProgram = 4224,
    kDrawingViewerProgram = 4225,
    kListViewerProgram = 4226,
};

// The executable's file name in the program directory; empty for an id outside the table.
CString ChildProgramFile(unsigned programId);

// The three slot texts, as the edits hold them.
struct SlotTexts {
    CString section;
    CString measurement;
    CString analysis;
};

struct LaunchRequest {
    unsigned programId = 0;
    std::vector<CString> arguments;
    // When not empty, the request is refused with this message and nothing starts.
    CString refusal;
};

using FileExistsFunction = std::function<bool(const CString& path)>;

// The slot's text unchanged, with the slot extension appended when it has none; false when
// the text is empty.
bool GetEditPath(const CString& text, const char* slotExtension, CString& path);

// One builder per launch button, in the order of the form.
LaunchRequest SectionModelRequest(const SlotTexts& slots, const FileExistsFunction& exists);
LaunchRequest MeasureInputRequest(const SlotTexts& slots, const FileExistsFunction& exists);
LaunchRequest SlipAnalysisRequest(const SlotTexts& slots, const FileExistsFunction& exists);
LaunchRequest DrawingEditRequest();
LaunchRequest AnalysisLogRequest(const SlotTexts& slots);

} // namespace basnev
