#pragma once
// The editing and printing settings of the section model editor as the settings dialog
// edits them: the count limits of ground-surface points, ground lines and measurement
// points, the distance within which a new point is an existing one, the angle within which
// two lines run straight on, and monochrome printing.

#include "common/records/CountLimits.h"
#include "platform/core/CString.h"

namespace merdok {

struct EditSettings {
    enum Field { kNoField = -1, kNodeLimit = 0, kLineLimit, kSiteLimit, kDistance, kAngle };
    static constexpr int kLowestLimit = 100;
    static constexpr int kHighestLimit = kSectionEditorHighestLimit;

    // ground-surface points, lines, measurement points
    int limits[3] = {kSectionEditorDefaultLimits[0], kSectionEditorDefaultLimits[1],
                     kSectionEditorDefaultLimits[2]};
    double distance = 0.01; // metres
    double angle = 0.01;    // radians
    int monochrome = 0;

    // The first field the dialog refuses (its message through message), or kNoField.
    Field Check(CString& message) const;
};

} // namespace merdok
