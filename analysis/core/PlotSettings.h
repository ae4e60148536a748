#pragma once
// What a plotted sheet is made from besides the model: the plot parameters the drawing run
// edits (kept with the program's settings) and the display settings of the view the sheet
// follows (colour, pen width, mark size and switch of each drawn item).

#include "common/section/PointKind.h"
#include "platform/core/CString.h"
#include "platform/core/Types.h"
#include "platform/core/Unset.h"

namespace torvan {

struct SheetParameters {
    int m_nPaper = 7;                              // index into the paper size table
    double m_dModelScale = platform::kUnsetDouble; // N of 1:N; unset: fitted
    double m_dDispScale = platform::kUnsetDouble;  // mm of displacement per 10 mm of paper
    CString m_strTitle1;
    CString m_strTitle2;
    int m_nCenterX = 1;
    int m_nCenterY = 1;
    double m_dModelPosX = platform::kUnsetDouble;     // left margin, mm
    double m_dModelPosY = platform::kUnsetDouble;     // bottom margin, mm
    double m_dAxisDistance1 = platform::kUnsetDouble; // x axis below the model, mm
    double m_dAxisDistance2 = platform::kUnsetDouble; // y axis left of the model, mm
    double m_dLegendPosX = platform::kUnsetDouble;    // legends from the right edge, mm
    double m_dLegendPosY = platform::kUnsetDouble;    // height of the scale legend, mm
    int m_nDrawAxes = 1;
};

// The view's display settings as the sheet uses them; item indexes as the view's.
struct PlotStyle {
    struct Line {
        int draw = 1;
        int width = 1;
        COLORREF color = 0;
    };
    struct Point {
        int draw = 1;
        COLORREF color = 0;
        int size = 5;
    };
    Line lines[4];                          // ground-surface lines, previous and new slip lines, vectors
    Point points[section::kPointKindCount]; // in the kinds' order (PointKindIndex)
    int numberDraw[5] = {0, 0, 0, 0, 0};
    int vectorMode = 0;

    // The marks of a kind; null for a kind kept as read that names none.
    const Point* PointsOf(section::PointKind kind) const {
        const int index = section::PointKindIndex(kind);
        return index < 0 ? nullptr : &points[index];
    }
};

} // namespace torvan
