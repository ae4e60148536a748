#include "analysis/core/PlotProfile.h"

#include "platform/core/NumberFormat.h"
#include "platform/core/ProfileFile.h"

#include <cstdio>
#include <string>

namespace torvan {

namespace {

// Display sections of the items a sheet draws, by the view's item indexes.
const char* const kLineSections[4] = {"Section Line", "Pre Verrant", "New Verrant", "Disp Vector"};
const char* const kPointSections[5] = {"Point Node", "Point Site", "Point UnderBound", "Point SurfBoundL",
                                       "Point SurfBoundR"};
const char* const kNumberSections[5] = {"Number Node Point", "Number Site Point", "Number Bound Point",
                                        "Number Line", "Number Verrant"};
const char kPlot[] = "Plot Parameter";
const char kVectorSection[] = "Disp Vector";

// The missing-key marker: no text a user writes reads as it.
const CString kMissing("\x01");

class ProfileReader {
public:
    explicit ProfileReader(const CString& path) : file_(path) {}

    void Int(const char* section, const char* key, int& value) const {
        const CString text = file_.GetString(section, key, kMissing);
        int read = 0;
        if (text != kMissing && platform::ScanInt(text.GetString(), read)) {
            value = read;
        }
    }
    // Three numbers, each cut to its low 8 bits; anything else keeps the value.
    void Color(const char* section, COLORREF& value) const {
        const CString text = file_.GetString(section, "Color", kMissing);
        int red = 0, green = 0, blue = 0;
        if (text != kMissing && std::sscanf(text.GetString(), "%d,%d,%d", &red, &green, &blue) == 3) {
            value = RGB(red & 0xFF, green & 0xFF, blue & 0xFF);
        }
    }
    CString String(const char* section, const char* key) const { return file_.GetString(section, key, ""); }
    // Reals in ten-column fields: blank columns or text that is no number are unset.
    void Fields(const char* key, double* values, int count) const {
        const std::string text = String(kPlot, key).str();
        for (int i = 0; i < count; ++i) {
            const std::size_t column = static_cast<std::size_t>(i) * 10;
            double value = 0.0;
            values[i] = text.size() > column && platform::ScanDouble(text.substr(column, 10).c_str(), value)
                            ? value
                            : platform::kUnsetDouble;
        }
    }

private:
    platform::ProfileFile file_;
};

void ReadSheet(const ProfileReader& profile, SheetParameters& sheet) {
    profile.Int(kPlot, "PaperSize", sheet.m_nPaper);
    for (auto [key, title] :
         {std::pair{"Title1", &sheet.m_strTitle1}, std::pair{"Title2", &sheet.m_strTitle2}}) {
        const CString text = profile.String(kPlot, key);
        if (!text.IsEmpty()) {
            *title = text;
        }
    }
    profile.Int(kPlot, "AxisFlag", sheet.m_nDrawAxes);
    profile.Int(kPlot, "CenterX", sheet.m_nCenterX);
    profile.Int(kPlot, "CenterY", sheet.m_nCenterY);
    profile.Fields("ModelScale", &sheet.m_dModelScale, 1);
    profile.Fields("DispScale", &sheet.m_dDispScale, 1);
    double pair[2];
    profile.Fields("ModelPos", pair, 2);
    sheet.m_dModelPosX = pair[0];
    sheet.m_dModelPosY = pair[1];
    profile.Fields("AxisPos", pair, 2);
    sheet.m_dAxisDistance1 = pair[0];
    sheet.m_dAxisDistance2 = pair[1];
    profile.Fields("ScalePos", pair, 2);
    sheet.m_dLegendPosX = pair[0];
    sheet.m_dLegendPosY = pair[1];
}

void ReadStyle(const ProfileReader& profile, PlotStyle& style) {
    for (int i = 0; i < 4; ++i) {
        profile.Color(kLineSections[i], style.lines[i].color);
        profile.Int(kLineSections[i], "Width", style.lines[i].width);
        profile.Int(kLineSections[i], "DrawFlag", style.lines[i].draw);
    }
    for (int i = 0; i < 5; ++i) {
        profile.Color(kPointSections[i], style.points[i].color);
        profile.Int(kPointSections[i], "Width", style.points[i].size);
        profile.Int(kPointSections[i], "DrawFlag", style.points[i].draw);
        profile.Int(kNumberSections[i], "DrawFlag", style.numberDraw[i]);
    }
    int mode = style.vectorMode;
    profile.Int(kVectorSection, "LineType", mode);
    style.vectorMode = mode >= 0 ? mode : 0;
}

} // namespace

PlotStyle DefaultPlotStyle() {
    PlotStyle style;
    const PlotStyle::Line lines[4] = {
        {1, 1, RGB(0, 0, 0)}, {1, 1, RGB(255, 0, 0)}, {1, 2, RGB(255, 0, 0)}, {1, 1, RGB(255, 0, 255)}};
    const PlotStyle::Point points[5] = {{1, RGB(0, 0, 0), 3},
                                        {1, RGB(255, 0, 255), 5},
                                        {1, RGB(128, 0, 128), 5},
                                        {1, RGB(0, 0, 255), 5},
                                        {1, RGB(0, 255, 0), 5}};
    const int numberDraw[5] = {0, 1, 1, 0, 1};
    std::copy(std::begin(lines), std::end(lines), style.lines);
    std::copy(std::begin(points), std::end(points), style.points);
    std::copy(std::begin(numberDraw), std::end(numberDraw), style.numberDraw);
    style.vectorMode = 0;
    return style;
}

void ReadPlotProfile(const CString& path, SheetParameters& sheet, PlotStyle& style) {
    sheet = SheetParameters();
    style = DefaultPlotStyle();
    const ProfileReader profile(path);
    ReadSheet(profile, sheet);
    ReadStyle(profile, style);
}

} // namespace torvan
