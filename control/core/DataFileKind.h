#pragma once
// The kinds of data file the base menu's slots hold, with what the file chooser needs of each:
// the format tags a file of the kind may carry, the slot extension, the filter and the title.

#include "platform/core/CString.h"

#include <vector>

namespace basnev {

enum DataFileKind { kPlanDataFile = 0, kSectionFile = 1, kMeasurementFile = 2, kAnalysisFile = 3 };

struct DataFileKindInfo {
    std::vector<const char*> formatTags;
    // Forced on a chosen name; empty for the plan data kind, which forces none.
    const char* slotExtension;
    // The pattern of the kind's own filter entry ("*.sec").
    const char* pattern;
    const char8_t* filter;
    const char8_t* title;
};

const DataFileKindInfo& KindInfo(int kind);

} // namespace basnev
