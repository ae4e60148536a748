#include "section_editor/app/ViewSettings.h"

#include "platform/core/NumberFormat.h"

#include <cstdio>

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

const char kTitle[] = "Title";
const char kSystem[] = "System";

void ReadPositiveReal(const SectionProfile& profile, const char* key, double& value) {
    CString text;
    profile.ReadString(kSystem, key, text);
    double read = 0.0;
    if (platform::ScanDouble(text.GetString(), read) && read > 0.0) {
        value = read;
    }
}

void ReadSystemSettings(const SectionProfile& profile, ViewSettings& settings) {
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
    ReadPositiveReal(profile, "New Point", settings.newPoint);
    ReadPositiveReal(profile, "New Line", settings.newLine);
    profile.ReadInt(kSystem, "Monochromatic Print", settings.monochromePrint);
}

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
    ReadSystemSettings(profile, settings);
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
    profile.WriteString(kTitle, "File", settings.titleFile);
    profile.WriteInt(kTitle, "Automatic", settings.titleAutomatic);
    profile.WriteInt(kTitle, "MaxCount", settings.titleMaxCount);
    const int* limit = settings.countLimit;
    profile.WriteString(kSystem, "Count Limit",
                        CString(platform::FormatC("%d %d %d %d", limit[0], limit[1], limit[2], limit[3])));
    profile.WriteString(kSystem, "New Point", CString(platform::FormatC("%lf", settings.newPoint)));
    profile.WriteString(kSystem, "New Line", CString(platform::FormatC("%lf", settings.newLine)));
    profile.WriteInt(kSystem, "Monochromatic Print", settings.monochromePrint);
    profile.Flush();
}

ViewSettings& ProgramViewSettings() {
    static ViewSettings settings = DefaultViewSettings(CString());
    return settings;
}

} // namespace merdok
