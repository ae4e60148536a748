#pragma once
// The analysis program's settings block: the display settings of the analysis view (number
// labels, lines and point marks, by the item indexes below) and the program-wide settings the
// view hands to its document (title file, count limits, tolerances, plot parameters). One
// block lives for the whole run: read from the settings file at start-up, copied into each
// analysis view and back when the view goes, written at exit.

#include "analysis/core/PlotSettings.h"

#include "common/records/CountLimits.h"
#include "common/ui/section/SectionStyles.h"
#include "common/ui/shell/SectionSystemSettings.h"
#include "platform/core/CString.h"

namespace torvan {

// Number items: point numbers of the ground surface, measurement and boundary points, then
// ground-surface line, slip line and block line numbers.
enum NumberItem {
    kNumberNode = 0,
    kNumberSite,
    kNumberBound,
    kNumberLine,
    kNumberSlip,
    kNumberBlock,
    kNumberItems
};
// Line items: ground-surface lines, previous and new slip lines, displacement vectors, block
// lines and block lines under edit.
enum LineItem {
    kLineGround = 0,
    kLinePreviousSlip,
    kLineNewSlip,
    kLineVector,
    kLineBlock,
    kLineEditBlock,
    kLineItems
};
// The displacement-vector line type that draws no vectors; 0 to 2 are the vector modes.
constexpr int kVectorHidden = 3;
// Point items, by point kind: ground surface, measurement, inner, left and right boundary.
enum PointItem { kPointNode = 0, kPointSite, kPointInner, kPointLeft, kPointRight, kPointItems };

struct DisplaySettings {
    section::NumberStyle numbers[kNumberItems];
    section::LineStyle lines[kLineItems];
    section::PointStyle points[kPointItems];
};

// Parameters of the drawing run; a real that is not set is the unset double.
struct PlotParameters {
    int paperSize = 7;
    CString title1;
    CString title2;
    int axisFlag = 1;
    int centerX = 1;
    int centerY = 1;
    double modelScale;
    double dispScale;
    double modelPos[2];
    double axisPos[2];
    double scalePos[2];
    PlotParameters();
};

// The new-line tolerance is 0 <= angle < 1 radians here.
struct ViewSettings : shell::SectionSystemSettings {
    ViewSettings()
        : SectionSystemSettings(kAnalysisSettingsDefaultLimits[0], kAnalysisSettingsDefaultLimits[1],
                                kAnalysisSettingsDefaultLimits[2], kAnalysisSettingsDefaultLimits[3]) {}
    DisplaySettings display;
    PlotParameters plot;
};

// Every default; the title file lies in moduleDirectory (ending in '/').
ViewSettings DefaultViewSettings(const CString& moduleDirectory);
// Defaults, then whatever the settings file holds that can be read.
void LoadViewSettings(const CString& profilePath, const CString& moduleDirectory, ViewSettings& settings);
// Writes every key, keeping all other bytes of the file.
void SaveViewSettings(const CString& profilePath, const ViewSettings& settings);

// What a plotted sheet takes from the settings: the same the drawing run without a window
// reads from the settings file (model/PlotProfile.h).
SheetParameters ToSheetParameters(const PlotParameters& plot);
PlotStyle ToPlotStyle(const DisplaySettings& display);

// The block of this run.
ViewSettings& ProgramViewSettings();

} // namespace torvan
