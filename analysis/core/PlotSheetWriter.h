#pragma once
// The drawing run's output: the plot index (".p00", one line naming the page file and the
// sheet) and the page file (".p01", one drawing command per line) of a model, drawn with a
// view's display settings on the sheet its parameters lay out. Sizes and positions are in
// millimetres on the sheet; the files hold tenths of a millimetre from its lower left corner.

#include "analysis/core/PlotSettings.h"
#include "common/geometry/DPoint.h"
#include "platform/core/CString.h"

class CTextFile;

namespace torvan {

class CBlockDoc;
class CNode;

class PlotSheetWriter {
public:
    // The model's extents must be up to date (CBlockDoc::GetModelExtent).
    PlotSheetWriter(const CBlockDoc& model, const PlotStyle& style) : model_(model), style_(style) {}

    // Writes "<dir><title>.p00" and ".p01" beside the analysis file; 1 and the index path
    // when both were written, 0 (and the old files as they were, after the message)
    // otherwise. A section that the layout puts partly off the sheet asks first whether to
    // go on; declined (when given) tells whether the user answered No there.
    int Write(CString& outputPath, bool* declined = nullptr) const;

    // A length in the files' tenths of a millimetre: value x 10 + 0.5, truncated toward zero.
    static int PlotUnits(double millimetres);
    static void PlotMove(CTextFile& file, double x, double y);
    static void PlotDraw(CTextFile& file, double x, double y);
    static void PlotTextAngle(CTextFile& file, double angle);
    static void PlotText(CTextFile& file, double x, double y, double height, double angle, int kind,
                         const CString& text);
    static void PlotMarker(CTextFile& file, double x, double y, double size, int kind);
    // A legend's 10 mm scale bar from origin; returns the point after it.
    static DPoint PlotArrow(CTextFile& file, const DPoint& origin, double textHeight, int direction);
    static void ChooseTickStep(double paperLength, double modelLength, double& paperStep, double& step,
                               int& labelInterval);
    // One axis with its ticks and labels; returns where its unit note goes.
    static DPoint PlotAxis(CTextFile& file, const DPoint& origin, double paperLength, double modelLength,
                           double start, double angle, int side, int& exponent);

private:
    // The sheet: its size, the model's scale (model metres per millimetre), margins and origin.
    struct PlotSheet {
        double width = 0;
        double height = 0;
        double scale = 1;
        DPoint margin;
        DPoint origin;
        DPoint Map(double x, double y) const {
            return DPoint{(x - origin.x) / scale + margin.x, (y - origin.y) / scale + margin.y};
        }
    };
    PlotSheet ComputePlotSheet() const;
    // The paper size table's index of the parameters' paper (A4 upright when out of range).
    int Paper() const;
    // Whether the model and its axes lie on the sheet as the layout places them.
    bool SheetHoldsSection() const;
    // The index and page files through safe writers; 1 when both replaced the old ones.
    int WriteFiles(const CString& indexPath, const CString& pagePath) const;
    void WritePlotPage(CTextFile& file) const;
    void PlotLegends(CTextFile& file, const PlotSheet& sheet) const;
    void PlotAxes(CTextFile& file, const DPoint& yOrigin, const DPoint& xOrigin, double scale) const;
    static void PlotAxisNote(CTextFile& file, DPoint at, double angle, int exponent);
    void PlotGroundLine(CTextFile& file, const PlotSheet& sheet) const;
    void PlotPoints(CTextFile& file, const PlotSheet& sheet) const;
    // A point's mark in its kind's colour and size (half the size set, at least 1 mm).
    void PlotPointMark(CTextFile& file, const PlotSheet& sheet, const CNode& point, int shape) const;
    void PlotVectors(CTextFile& file, const PlotSheet& sheet) const;
    void PlotSlipLines(CTextFile& file, const PlotSheet& sheet, int item) const;

    const CBlockDoc& model_;
    const PlotStyle& style_;
};

} // namespace torvan
