#pragma once
// The settings the section editor and the analysis program keep alike in their settings
// files: the title list file, the count limits of a model, the tolerances for new points and
// lines, and monochrome printing.

#include "platform/core/CString.h"

namespace section {
class SectionProfile;
}

namespace shell {

struct SectionSystemSettings {
    // The programs' own count limits.
    SectionSystemSettings(int groundPoints, int lines, int measurePoints, int boundaryPoints)
        : countLimit{groundPoints, lines, measurePoints, boundaryPoints} {}

    CString titleFile;
    int titleAutomatic = 1;
    int titleMaxCount = 30;
    int countLimit[4];      // ground points, lines, measurement, boundary points
    double newPoint = 0.01; // metres
    double newLine = 0.01;  // radians
    int monochromePrint = 0;
};

// Reads what the file holds that can be read; a missing or unreadable key keeps its value.
void ReadSystemSettings(const section::SectionProfile& profile, SectionSystemSettings& settings);
void WriteSystemSettings(const section::SectionProfile& profile, const SectionSystemSettings& settings);

} // namespace shell
