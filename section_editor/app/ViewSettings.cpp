#include "section_editor/app/ViewSettings.h"

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

struct NumberDefault {
    int draw;
    COLORREF color;
    int numberType;
};
const NumberDefault kNumberDefaults[kNumberItems] = {
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
        section::NumberStyle& number = settings.display.numbers[i];
        number.font = section::DefaultNumberFont();
        number.color = kNumberDefaults[i].color;
        number.outline = 0;
        number.draw = kNumberDefaults[i].draw;
        number.numberType = kNumberDefaults[i].numberType;
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
    for (int i = 0; i < kNumberItems; ++i) {
        profile.ReadNumberStyle(kNumberSections[i], settings.display.numbers[i]);
    }
    profile.ReadLineStyle(kLineSection, settings.display.line);
    for (int i = 0; i < kPointItems; ++i) {
        profile.ReadPointStyle(kPointSections[i], settings.display.points[i]);
    }
    // The settings dialog takes a straightness angle from 0 up to below 1, so the file may hold 0.
    shell::ReadSystemSettings(profile, shell::LineToleranceRange::kBelowOne, settings);
}

void SaveViewSettings(const CString& profilePath, const ViewSettings& settings) {
    const SectionProfile profile{profilePath, true};
    for (int i = 0; i < kNumberItems; ++i) {
        profile.WriteNumberStyle(kNumberSections[i], settings.display.numbers[i]);
    }
    profile.WriteLineStyle(kLineSection, settings.display.line);
    for (int i = 0; i < kPointItems; ++i) {
        profile.WritePointStyle(kPointSections[i], settings.display.points[i]);
    }
    shell::WriteSystemSettings(profile, settings);
    profile.Flush();
}

ViewSettings& ProgramViewSettings() {
    static ViewSettings settings = DefaultViewSettings(CString());
    return settings;
}

} // namespace merdok
