#pragma once
// The section model editor's display settings and system settings, kept in the settings file
// beside the program: loaded at start, handed to each new view, written back at exit.

#include "common/records/CountLimits.h"
#include "common/ui/section/SectionStyles.h"
#include "common/ui/shell/SectionSystemSettings.h"
#include "platform/core/CString.h"

namespace merdok {

enum NumberItem { kNumberNode = 0, kNumberSite, kNumberBound, kNumberLine, kNumberItems };
enum PointItem { kPointNode = 0, kPointSite, kPointUnder, kPointLeft, kPointRight, kPointItems };

struct DisplaySettings {
    section::NumberStyle numbers[kNumberItems];
    section::LineStyle line;
    section::PointStyle points[kPointItems];
};

struct ViewSettings : shell::SectionSystemSettings {
    ViewSettings()
        : SectionSystemSettings(kSectionEditorDefaultLimits[0], kSectionEditorDefaultLimits[1],
                                kSectionEditorDefaultLimits[2], kSectionEditorDefaultLimits[3]) {}
    DisplaySettings display;
};

ViewSettings DefaultViewSettings(const CString& moduleDirectory);
// Defaults first; a missing or unreadable key keeps its default.
void LoadViewSettings(const CString& profilePath, const CString& moduleDirectory, ViewSettings& settings);
void SaveViewSettings(const CString& profilePath, const ViewSettings& settings);

// The settings of this process.
ViewSettings& ProgramViewSettings();

} // namespace merdok
