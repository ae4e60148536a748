#pragma once
// Reads one plot page file (one-letter plotter commands with integer arguments) into a
// page of a drawing. The drawing attributes (pen, colours, text style, polyline state)
// and the argument arrays start afresh for every page.

#include "PlotNumbers.h"

#include <string>
#include <string_view>

namespace zapho {

class PlotDrawing;
class CPlotPolyLine;
class PlotLines;

// What a page file's lines were: command lines of the plot syntax (a known letter with
// numeric arguments, or a text), and the other non-blank lines the reader ignored. Bytes
// that no text file holds (control characters) mean a file of some other kind.
struct PlotPageSummary {
    int commands = 0;
    int ignored = 0;
    bool foreignBytes = false;
};

class PlotCommandReader {
public:
    PlotCommandReader(PlotDrawing& drawing, int page);

    // Reads every command line of a page file's bytes (whole lines; a CR before the LF is
    // dropped).
    PlotPageSummary ReadPage(std::string_view bytes);

    enum class LineKind { kBlank, kCommand, kIgnored };
    // One command line; a counted polygon reads its point lines from the lines that follow.
    // A line without a command letter leaves the argument arrays as they were.
    LineKind Execute(std::string_view line, PlotLines* lines);

private:
    void Arrow(int pairs);
    void Rectangle(int pairs);
    void Circle(int pairs);
    void Draw(int pairs, bool drawLines);
    void Group(int pairs, int numbers);
    void Line(int pairs);
    void CenterMark(int pairs);
    void OpenPolyline(int pairs, int numbers);
    void Text(std::string_view text, bool opaque);
    void Escapement(std::string_view text);
    void TextStyle(int pairs, int numbers);
    void Pen(int numbers);
    void Color(int pairs, int numbers);
    void Polygon(int pairs, PlotLines* lines);
    void AddItem(class CPlotData* item);

    PlotDrawing& drawing_;
    int page_;
    int x_[kPlotArgumentPairs] = {};
    int y_[kPlotArgumentPairs] = {};
    int currentX_ = 0;
    int currentY_ = 0;
    int color_ = 0;
    int fillColor_ = 0;
    int group_ = 0;
    int lineType_ = 0;
    int width_ = 1;
    int textHeight_ = 25;
    int textKind_ = 0;
    int spacing_ = 0;
    int align_ = 8;
    int escapement_ = 0;
    int polylineState_ = 0;
    CPlotPolyLine* polyline_ = nullptr;
};

} // namespace zapho
