#include "section_editor/app/ViewSettings.h"

#include "common/ui/section/SectionProfile.h"

#include "platform/core/NumberFormat.h"
#include "platform/core/Unset.h"

namespace merdok {

using section::SectionProfile;

namespace {

const char* const kNumberSections[kNumberItems] = {"Number Node Point", "Number Site Point",
                                                   "Number Bound Point", "Number Line"};
const char kLineSection[] = "Line";
const char* const kPointSections[kPointItems] = {"Point Node", "Point Site", "Point UnderBound",
                                                 "Point SurfBoundL", "Point SurfBoundR"};

const section::NumberDefault kNumberDefaults[kNumberItems] = {
    {1, RGB(0, 128, 0), -1}, {1, RGB(128, 0, 0), 1}, {1, RGB(255, 0, 0), 1}, {0, RGB(128, 128, 0), -1}};
const section::PointStyle kPointDefaults[kPointItems] = {{1, RGB(0, 0, 0), 3},
                                                         {1, RGB(255, 0, 255), 5},
                                                         {1, RGB(128, 0, 128), 5},
                                                         {1, RGB(0, 0, 255), 5},
                                                         {1, RGB(0, 128, 0), 5}};

} // namespace

ViewSettings DefaultViewSettings(const CString& moduleDirectory) {
    ViewSettings settings;
    for (int i = 0; i < kNumberItems; ++i) {
        settings.display.numbers[i] = section::DefaultNumberStyle(kNumberDefaults[i]);
    }
    settings.display.line = section::LineStyle{1, 1, RGB(0, 0, 0), -1};
    for (int i = 0; i < kPointItems; ++i) {
        settings.display.points[i] = kPointDefaults[i];
    }
    settings.titleFile = moduleDirectory + "title.idx";
    return settings;
}

void LoadViewSettings(const CString& profilePath, const CString& moduleDirectory, ViewSettings& settings) {
    settings = DefaultViewSettings(moduleDirectory);
    const SectionProfile profile{profilePath};
    profile.ReadStyles(kNumberSections, settings.display.numbers);
    profile.ReadLineStyle(kLineSection, settings.display.line);
    profile.ReadStyles(kPointSections, settings.display.points);
    // The settings dialog takes a straightness angle from 0 up to below 1, so the file may hold 0.
    shell::ReadSystemSettings(profile, settings);
}

void SaveViewSettings(const CString& profilePath, const ViewSettings& settings) {
    const SectionProfile profile{profilePath, true};
    profile.WriteStyles(kNumberSections, settings.display.numbers);
    profile.WriteLineStyle(kLineSection, settings.display.line);
    profile.WriteStyles(kPointSections, settings.display.points);
    shell::WriteSystemSettings(profile, settings);
    profile.Flush();
}

ViewSettings& ProgramViewSettings() {
    static ViewSettings settings = DefaultViewSettings(CString());
    return settings;
}

} // namespace merdok
