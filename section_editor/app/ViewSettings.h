#pragma once
// The section model editor's display settings and system settings, kept in the settings file
// beside the program: loaded at start, handed to each new view, written back at exit.

#include "common/ui/section/SectionStyles.h"
#include "platform/core/CString.h"

namespace merdok {

enum NumberItem { kNumberNode = 0, kNumberSite, kNumberBound, kNumberLine, kNumberItems };
enum PointItem { kPointNode = 0, kPointSite, kPointUnder, kPointLeft, kPointRight, kPointItems };

struct DisplaySettings {
    section::NumberStyle numbers[kNumberItems];
    section::LineStyle line;
    section::PointStyle points[kPointItems];
};

struct ViewSettings {
    DisplaySettings display;
    CString titleFile;
    int titleAutomatic = 1;
    int titleMaxCount = 30;
    int countLimit[4] = {5000, 5000, 1000, 10}; // ground points, lines, measurement, boundary points
    double newPoint = 0.01;                     // metres
    double newLine = 0.01;                      // radians
    int monochromePrint = 0;
};

ViewSettings DefaultViewSettings(const CString& moduleDirectory);
// Defaults first; a missing or unreadable key keeps its default.
void LoadViewSettings(const CString& profilePath, const CString& moduleDirectory, ViewSettings& settings);
void SaveViewSettings(const CString& profilePath, const ViewSettings& settings);

// The settings of this process.
ViewSettings& ProgramViewSettings();

} // namespace merdok
