#include "analysis/app/ViewSettings.h"

#include "common/ui/section/SectionProfile.h"

#include "platform/core/NumberFormat.h"
#include "platform/core/Unset.h"

#include <climits>

namespace torvan {

using platform::IsUnsetDouble;
using platform::kUnsetDouble;
using section::SectionProfile;

namespace {

const char* const kNumberSections[kNumberItems] = {"Number Node Point",  "Number Site Point",
                                                   "Number Bound Point", "Number Line",
                                                   "Number Verrant",     "Number Block Line"};
const char* const kLineSections[kLineItems] = {"Section Line", "Pre Verrant", "New Verrant",
                                               "Disp Vector",  "Block Line",  "Edit Block Line"};
const char* const kPointSections[kPointItems] = {"Point Node", "Point Site", "Point UnderBound",
                                                 "Point SurfBoundL", "Point SurfBoundR"};

const section::NumberDefault kNumberDefaults[kNumberItems] = {
    {0, RGB(0, 128, 0), -1},   {1, RGB(128, 0, 0), 1},  {1, RGB(255, 0, 0), 1},
    {0, RGB(128, 128, 0), -1}, {1, RGB(255, 0, 0), -1}, {1, RGB(255, 0, 0), -1}};
const section::LineStyle kLineDefaults[kLineItems] = {{1, 1, RGB(0, 0, 0), -1},   {1, 1, RGB(255, 0, 0), -1},
                                                      {1, 2, RGB(255, 0, 0), -1}, {1, 1, RGB(255, 0, 255), 0},
                                                      {1, 1, RGB(0, 255, 0), -1}, {1, 1, RGB(255, 0, 0), -1}};
const section::PointStyle kPointDefaults[kPointItems] = {{1, RGB(0, 0, 0), 3},
                                                         {1, RGB(255, 0, 255), 5},
                                                         {1, RGB(128, 0, 128), 5},
                                                         {1, RGB(0, 0, 255), 5},
                                                         {1, RGB(0, 255, 0), 5}};

const char kPlot[] = "Plot Parameter";

// A real in a ten-column field: blanks or text that is no number read as unset.
double FieldValue(const std::string& text, std::size_t column) {
    if (text.size() <= column) {
        return kUnsetDouble;
    }
    const std::string field = text.substr(column, 10);
    double value = 0.0;
    return platform::ScanDouble(field.c_str(), value) ? value : kUnsetDouble;
}

std::string Field(double value, const char* format) {
    return IsUnsetDouble(value) ? std::string(10, ' ') : platform::FormatC(format, value);
}

void ReadFields(const SectionProfile& profile, const char* key, double* values, int count) {
    CString text;
    profile.ReadString(kPlot, key, text);
    for (int i = 0; i < count; ++i) {
        values[i] = FieldValue(text.str(), static_cast<std::size_t>(i) * 10);
    }
}

void ReadOtherSettings(const SectionProfile& profile, ViewSettings& settings) {
    shell::ReadSystemSettings(profile, settings);

    PlotParameters& plot = settings.plot;
    profile.ReadInt(kPlot, "PaperSize", plot.paperSize);
    CString title;
    profile.ReadString(kPlot, "Title1", title);
    if (!title.IsEmpty()) {
        plot.title1 = title;
    }
    title.Empty();
    profile.ReadString(kPlot, "Title2", title);
    if (!title.IsEmpty()) {
        plot.title2 = title;
    }
    profile.ReadInt(kPlot, "AxisFlag", plot.axisFlag);
    profile.ReadInt(kPlot, "CenterX", plot.centerX);
    profile.ReadInt(kPlot, "CenterY", plot.centerY);
    ReadFields(profile, "ModelScale", &plot.modelScale, 1);
    ReadFields(profile, "DispScale", &plot.dispScale, 1);
    ReadFields(profile, "ModelPos", plot.modelPos, 2);
    ReadFields(profile, "AxisPos", plot.axisPos, 2);
    ReadFields(profile, "ScalePos", plot.scalePos, 2);
}

void WritePair(const SectionProfile& profile, const char* key, const double* values) {
    profile.WriteString(kPlot, key, CString(Field(values[0], "%10.3lf") + Field(values[1], "%10.3lf")));
}

} // namespace

PlotParameters::PlotParameters()
    : modelScale(kUnsetDouble), dispScale(kUnsetDouble), modelPos{kUnsetDouble, kUnsetDouble},
      axisPos{kUnsetDouble, kUnsetDouble}, scalePos{kUnsetDouble, kUnsetDouble} {}

ViewSettings DefaultViewSettings(const CString& moduleDirectory) {
    ViewSettings settings;
    for (int i = 0; i < kNumberItems; ++i) {
        settings.display.numbers[i] = section::DefaultNumberStyle(kNumberDefaults[i]);
    }
    for (int i = 0; i < kLineItems; ++i) {
        settings.display.lines[i] = kLineDefaults[i];
    }
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
    profile.ReadStyles(kLineSections, settings.display.lines);
    profile.ReadStyles(kPointSections, settings.display.points);
    ReadOtherSettings(profile, settings);
}

void SaveViewSettings(const CString& profilePath, const ViewSettings& settings) {
    const SectionProfile profile{profilePath, true};
    profile.WriteStyles(kNumberSections, settings.display.numbers);
    profile.WriteStyles(kLineSections, settings.display.lines);
    profile.WriteStyles(kPointSections, settings.display.points);
    shell::WriteSystemSettings(profile, settings);
    const PlotParameters& plot = settings.plot;
    profile.WriteInt(kPlot, "PaperSize", plot.paperSize);
    profile.WriteString(kPlot, "Title1", plot.title1);
    profile.WriteString(kPlot, "Title2", plot.title2);
    profile.WriteInt(kPlot, "AxisFlag", plot.axisFlag);
    profile.WriteInt(kPlot, "CenterX", plot.centerX);
    profile.WriteInt(kPlot, "CenterY", plot.centerY);
    profile.WriteString(kPlot, "ModelScale", CString(Field(plot.modelScale, "%.3lf")));
    profile.WriteString(kPlot, "DispScale", CString(Field(plot.dispScale, "%.3lf")));
    WritePair(profile, "ModelPos", plot.modelPos);
    WritePair(profile, "AxisPos", plot.axisPos);
    WritePair(profile, "ScalePos", plot.scalePos);
    profile.Flush();
}

SheetParameters ToSheetParameters(const PlotParameters& plot) {
    SheetParameters sheet;
    sheet.m_nPaper = plot.paperSize;
    sheet.m_dModelScale = plot.modelScale;
    sheet.m_dDispScale = plot.dispScale;
    sheet.m_strTitle1 = plot.title1;
    sheet.m_strTitle2 = plot.title2;
    sheet.m_nCenterX = plot.centerX;
    sheet.m_nCenterY = plot.centerY;
    sheet.m_dModelPosX = plot.modelPos[0];
    sheet.m_dModelPosY = plot.modelPos[1];
    sheet.m_dAxisDistance1 = plot.axisPos[0];
    sheet.m_dAxisDistance2 = plot.axisPos[1];
    sheet.m_dLegendPosX = plot.scalePos[0];
    sheet.m_dLegendPosY = plot.scalePos[1];
    sheet.m_nDrawAxes = plot.axisFlag;
    return sheet;
}

PlotStyle ToPlotStyle(const DisplaySettings& display) {
    PlotStyle style;
    for (int i = 0; i < 4; ++i) {
        style.lines[i].draw = display.lines[i].draw;
        style.lines[i].width = display.lines[i].width;
        style.lines[i].color = display.lines[i].color;
    }
    for (int i = 0; i < kPointItems; ++i) {
        style.points[i].draw = display.points[i].draw;
        style.points[i].color = display.points[i].color;
        style.points[i].size = display.points[i].size;
    }
    for (int i = 0; i < 5; ++i) {
        style.numberDraw[i] = display.numbers[i].draw;
    }
    style.vectorMode = display.lines[kLineVector].type >= 0 ? display.lines[kLineVector].type : 0;
    return style;
}

ViewSettings& ProgramViewSettings() {
    static ViewSettings settings = DefaultViewSettings(CString());
    return settings;
}

} // namespace torvan
