#pragma once
// The values the solver takes from its input, from the first pass to the result writers.

#include <string>
#include <vector>

namespace kalipe {

struct Point2 {
    double x = 0.0;
    double y = 0.0;
};

// A surface (LEFT/RIGHT) or inner (INNER) boundary point.
struct BoundaryPoint {
    enum State { Absent = 0, Given = 1, WithInclination = 2 };

    double x = 0.0;
    double y = 0.0;
    double weight = 0.0;
    double angle = 0.0; // inclination in radians, within +-89.99 degrees (surface points only)
    int state = Absent;

    bool Present() const { return state != Absent; }
};

// The COEF record: unit weight, cohesion, friction angle in degrees.
struct SoilConstants {
    double gamma = 0.0;
    double cohesion = 0.0;
    double phi = 0.0;
    bool computeSafetyFactor = false;
};

// What the first pass counted and kept.
struct InputSummary {
    std::string title; // 50 bytes
    int nodeCount = 0;
    int pointCount = 0;
    int blockCount = 0;
    int seriesCount = 0;
    int longestSeries = 0;
    BoundaryPoint left;
    BoundaryPoint right;
    BoundaryPoint inner;
    SoilConstants soil;
};

// Identifiers of points and series: columns 6-10 of their record plus three blanks (8 bytes).
using Identifier = std::string;

struct MeasurementPoint {
    Identifier id;
    double x = 0.0;
    double y = 0.0;
    double weight = 0.0;
    std::vector<Point2> positions; // x + dx, y + dy of every time record of its series
};

struct DisplacementSeries {
    Identifier id;
    std::vector<Point2> records; // dx, dy
};

struct BlockLine {
    double x = 0.0;
    double beta = 0.0;      // weight of the inclination condition
    double groundY = 0.0;   // ground elevation at x
    int groundSegment = -1; // ground segment under x (segment i joins ground points i and i+1)
};

// The second pass's view of the input.
struct InputData {
    std::vector<Point2> ground; // NODE points in file order
    std::vector<MeasurementPoint> points;
    std::vector<BlockLine> lines;
    std::vector<DisplacementSeries> series;
    double groundMinX = 0.0;
    double groundMaxX = 0.0;
};

// The model the estimation works on, after selection, sorting and block merging.
struct PreparedModel {
    std::vector<Point2> ground;           // with the two extensions
    std::vector<MeasurementPoint> points; // kept points, by x ascending
    std::vector<BlockLine> lines;         // surviving block lines, by x ascending
    std::vector<int> pointsPerBlock;      // lines.size() + 1 entries
    BoundaryPoint left;
    BoundaryPoint right;
    BoundaryPoint inner;
    int innerBlock = -1; // zero-based block holding the inner point, -1 without one
    SoilConstants soil;

    int BlockCount() const { return static_cast<int>(lines.size()) + 1; }
};

} // namespace kalipe
