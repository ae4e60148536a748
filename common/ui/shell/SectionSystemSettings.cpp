#include "common/ui/shell/SectionSystemSettings.h"

#include "common/ui/section/SectionProfile.h"
#include "platform/core/NumberFormat.h"

#include <cstdio>

namespace shell {

namespace {

const char kTitle[] = "Title";
const char kSystem[] = "System";

bool ReadReal(const section::SectionProfile& profile, const char* key, double& value) {
    CString text;
    profile.ReadString(kSystem, key, text);
    return platform::ScanDouble(text.GetString(), value);
}

// The new-line tolerances a settings file may set: 0 up to below 1, what the analysis
// program's settings dialog accepts.
bool IsLineToleranceInRange(double tolerance) {
    return tolerance >= 0.0 && tolerance < 1.0;
}

} // namespace

void ReadSystemSettings(const section::SectionProfile& profile, SectionSystemSettings& settings) {
    CString file;
    profile.ReadString(kTitle, "File", file);
    if (!file.IsEmpty()) {
        settings.titleFile = file;
    }
    profile.ReadInt(kTitle, "Automatic", settings.titleAutomatic);
    profile.ReadInt(kTitle, "MaxCount", settings.titleMaxCount);
    CString limits;
    profile.ReadString(kSystem, "Count Limit", limits);
    int values[4] = {0, 0, 0, 0};
    const int read =
        std::sscanf(limits.GetString(), "%d %d %d %d", &values[0], &values[1], &values[2], &values[3]);
    for (int i = 0; i < read && i < 4; ++i) {
        if (values[i] > 0) {
            settings.countLimit[i] = values[i];
        }
    }
    double point = 0.0;
    if (ReadReal(profile, "New Point", point) && point > 0.0) {
        settings.newPoint = point;
    }
    double line = 0.0;
    if (ReadReal(profile, "New Line", line) && IsLineToleranceInRange(line)) {
        settings.newLine = line;
    }
    profile.ReadInt(kSystem, "Monochromatic Print", settings.monochromePrint);
}

void WriteSystemSettings(const section::SectionProfile& profile, const SectionSystemSettings& settings) {
    profile.WriteString(kTitle, "File", settings.titleFile);
    profile.WriteInt(kTitle, "Automatic", settings.titleAutomatic);
    profile.WriteInt(kTitle, "MaxCount", settings.titleMaxCount);
    const int* limit = settings.countLimit;
    profile.WriteString(kSystem, "Count Limit",
                        CString(platform::FormatC("%d %d %d %d", limit[0], limit[1], limit[2], limit[3])));
    profile.WriteString(kSystem, "New Point", CString(platform::FormatC("%lf", settings.newPoint)));
    profile.WriteString(kSystem, "New Line", CString(platform::FormatC("%lf", settings.newLine)));
    profile.WriteInt(kSystem, "Monochromatic Print", settings.monochromePrint);
}

} // namespace shell
