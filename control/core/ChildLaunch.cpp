#include "control/core/ChildLaunch.h"

#include "common/records/TextHelpers.h"

namespace basnev {

namespace {

const char kNewFileMark[] = "@";

// Appends the name, preceded by the new-file mark when no such file exists yet.
void AddFileArgument(LaunchRequest& request, const CString& path, const FileExistsFunction& exists) {
    if (!exists(path)) {
        request.arguments.emplace_back(kNewFileMark);
    }
    request.arguments.push_back(path);
}

LaunchRequest Refused(unsigned programId, const char8_t* message) {
    LaunchRequest request;
    request.programId = programId;
    request.refusal = CString(message);
    return request;
}

} // namespace

CString ChildProgramFile(unsigned programId) {
    switch (programId) {
    case kPlanEditorProgram:
        return "pendar";
    case kSectionEditorProgram:
        return "merdok";
    case kTableEditorProgram:
        return "quilmo";
    case kAnalysisProgram:
        return "torvan";
    case kUnusedProgram:
        return "tavrik";
    case kDrawingViewerProgram:
        return "zapho";
    case kListViewerProgram:
        return "wenux";
    default:
        return CString();
    }
}

bool GetEditPath(const CString& text, const char* slotExtension, CString& path) {
    if (text.IsEmpty()) {
        return false;
    }
    CString directory;
    CString name;
    CString extension;
    SplitPath(text, &directory, &name, &extension);
    path = directory + name + (extension.IsEmpty() ? CString(slotExtension) : extension);
    return true;
}

LaunchRequest SectionModelRequest(const SlotTexts& slots, const FileExistsFunction& exists) {
    LaunchRequest request;
    request.programId = kSectionEditorProgram;
    CString section;
    if (GetEditPath(slots.section, ".sec", section)) {
        AddFileArgument(request, section, exists);
    }
    return request;
}

LaunchRequest MeasureInputRequest(const SlotTexts& slots, const FileExistsFunction& exists) {
    CString measurement;
    if (!GetEditPath(slots.measurement, ".dis", measurement)) {
        return Refused(kTableEditorProgram, u8"計測変位ﾃﾞｰﾀﾌｧｲﾙ名が未定義です");
    }
    LaunchRequest request;
    request.programId = kTableEditorProgram;
    AddFileArgument(request, measurement, exists);
    CString section;
    if (GetEditPath(slots.section, ".sec", section) && exists(section)) {
        request.arguments.push_back(section);
    }
    return request;
}

LaunchRequest SlipAnalysisRequest(const SlotTexts& slots, const FileExistsFunction& exists) {
    CString section;
    if (!GetEditPath(slots.section, ".sec", section)) {
        return Refused(kAnalysisProgram, u8"断面ﾌｧｲﾙ名が未定義です");
    }
    if (!exists(section)) {
        return Refused(kAnalysisProgram, u8"断面ﾌｧｲﾙが見つかりません");
    }
    CString measurement;
    if (!GetEditPath(slots.measurement, ".dis", measurement)) {
        return Refused(kAnalysisProgram, u8"計測変位ﾌｧｲﾙ名が未定義です");
    }
    if (!exists(measurement)) {
        return Refused(kAnalysisProgram, u8"計測変位ﾌｧｲﾙが見つかりません");
    }
    CString analysis;
    if (!GetEditPath(slots.analysis, ".slo", analysis)) {
        return Refused(kAnalysisProgram, u8"解析ﾌｧｲﾙ名が未定義です");
    }
    LaunchRequest request;
    request.programId = kAnalysisProgram;
    AddFileArgument(request, analysis, exists);
    request.arguments.push_back(section);
    request.arguments.push_back(measurement);
    return request;
}

LaunchRequest DrawingEditRequest() {
    LaunchRequest request;
    request.programId = kDrawingViewerProgram;
    return request;
}

LaunchRequest AnalysisLogRequest(const SlotTexts& slots) {
    LaunchRequest request;
    request.programId = kListViewerProgram;
    if (!slots.analysis.IsEmpty()) {
        CString directory;
        CString name;
        SplitPath(slots.analysis, &directory, &name, nullptr);
        request.arguments.push_back(directory + name + ".log");
    }
    return request;
}

} // namespace basnev
