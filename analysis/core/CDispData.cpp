#include "CDispData.h"

#include "analysis/core/ReadingDate.h"
#include "common/geometry/Geometry.h"
#include "common/records/CTextFile.h"
#include "common/records/RecordFields.h"
#include "common/records/TextHelpers.h"
#include "platform/core/Unset.h"

#include <cmath>

namespace torvan {

IMPLEMENT_DYNCREATE(CDispData, CObject)

using platform::IsUnsetDouble;
using platform::kUnsetDouble;
using platform::kUnsetInt;

CDispData::CDispData()
    : number(kUnsetInt), count(0), columnMode(0), reserved(0), inUse(1), vectorKind(SegmentKind::kSloped),
      slope(kUnsetDouble), baseX(kUnsetDouble), baseY(kUnsetDouble), endX(kUnsetDouble), endY(kUnsetDouble),
      beta(1.0) {}

int CDispData::ParseRecord(const MeasurementBlock& block) {
    number = block.number;
    columnMode = block.HasFourValues() ? 1 : 0;
    name = block.name;
    if (block.rows.empty()) {
        return 1;
    }
    count = static_cast<int>(block.rows.size());
    readingUsed.assign(block.rows.size(), 1);
    std::vector<double>* columns[4] = {&col1, &col2, &col3, &col4};
    int columnCount = columnMode ? 4 : 2;
    for (int c = 0; c < 4; ++c) {
        columns[c]->clear();
        if (c < columnCount) {
            columns[c]->reserve(block.rows.size());
        }
    }
    for (std::size_t row = 0; row < block.rows.size(); ++row) {
        for (int c = 0; c < columnCount; ++c) {
            double value = block.rows[row][static_cast<std::size_t>(c)];
            if (value == 0.0) {
                value = kUnsetDouble;
            }
            if (IsUnsetDouble(value)) {
                readingUsed[row] = 0;
            } else {
                value /= 1000.0;
            }
            columns[c]->push_back(value);
        }
    }
    bool anyUsed = false;
    for (int flag : readingUsed) {
        anyUsed = anyUsed || flag != 0;
    }
    if (!anyUsed) {
        inUse = 0;
    }
    return 1;
}

bool CDispData::IsUsable(int reading) const {
    std::size_t i = static_cast<std::size_t>(reading);
    return i < readingUsed.size() && readingUsed[i] && i < col1.size() && i < col2.size() &&
           !IsUnsetDouble(col1[i]) && !IsUnsetDouble(col2[i]);
}

int CDispData::UsableCount() const {
    int usable = 0;
    for (int i = 0; i < count; ++i) {
        usable += IsUsable(i) ? 1 : 0;
    }
    return usable;
}

int CDispData::EvaluateVector(int vectorMode) {
    int last = -1;
    double sxx = 0.0;
    double sxy = 0.0;
    for (int i = 0; i < count; ++i) {
        if (IsUsable(i)) {
            last = i;
            sxx += col1[static_cast<std::size_t>(i)] * col1[static_cast<std::size_t>(i)];
            sxy += col1[static_cast<std::size_t>(i)] * col2[static_cast<std::size_t>(i)];
        }
    }
    if (last < 0) {
        return 0;
    }
    endX = baseX + col1[static_cast<std::size_t>(last)];
    endY = baseY + col2[static_cast<std::size_t>(last)];
    if (vectorMode == kLeastSquares && UsableCount() >= 2) {
        if (sxx == 0.0) {
            // Every used reading moved straight up or down: the regression is vertical.
            slope = kUnsetDouble;
            vectorKind = SegmentKind::kVertical;
        } else {
            slope = sxy / sxx;
            vectorKind = SegmentKind::kSloped;
        }
    } else if (baseX == endX) {
        slope = kUnsetDouble;
        vectorKind = SegmentKind::kVertical;
    } else if (baseY == endY) {
        slope = kUnsetDouble;
        vectorKind = SegmentKind::kHorizontal;
    } else {
        slope = (endY - baseY) / (endX - baseX);
        vectorKind = SegmentKind::kSloped;
    }
    return 1;
}

namespace {

// Foot of the perpendicular from the reading onto the regression line through the origin.
bool RegressionFoot(SegmentKind vectorKind, double slope, double dx, double dy, DPoint& foot) {
    if (vectorKind == SegmentKind::kHorizontal) {
        foot = DPoint{dx, 0.0};
        return true;
    }
    if (vectorKind == SegmentKind::kVertical) {
        foot = DPoint{0.0, dy};
        return true;
    }
    if (IsUnsetDouble(slope)) {
        return false;
    }
    if (slope == 0.0) {
        foot = DPoint{dx, 0.0};
        return true;
    }
    // Perpendicular through (dx, dy): y = -x / slope + (dy + dx / slope).
    const double xs[2] = {0.0, 0.0};
    const double ys[2] = {0.0, 0.0};
    const SegmentKind kinds[2] = {SegmentKind::kSloped, SegmentKind::kSloped};
    const double slopes[2] = {slope, -1.0 / slope};
    const double intercepts[2] = {0.0, dy + dx / slope};
    return IntersectLines(xs, ys, kinds, slopes, intercepts, foot) == 1;
}

} // namespace

std::vector<DPoint> CDispData::VectorPolyline(int vectorMode, double vectorScale) const {
    std::vector<DPoint> points;
    std::vector<int> usable;
    for (int i = 0; i < count; ++i) {
        if (IsUsable(i)) {
            usable.push_back(i);
        }
    }
    if (usable.empty()) {
        return points;
    }
    DPoint base{baseX, baseY};
    auto scaled = [&](double dx, double dy) {
        return DPoint{base.x + vectorScale * dx, base.y + vectorScale * dy};
    };
    points.push_back(base);
    if (vectorMode == kJoined) {
        for (int i : usable) {
            points.push_back(scaled(col1[static_cast<std::size_t>(i)], col2[static_cast<std::size_t>(i)]));
        }
        return points;
    }
    if (vectorMode == kLeastSquares && usable.size() >= 2) {
        int farthest = usable.front();
        double best = -1.0;
        for (int i : usable) {
            double d = SquaredDistance(0.0, 0.0, col1[static_cast<std::size_t>(i)],
                                       col2[static_cast<std::size_t>(i)]);
            if (d >= best) {
                best = d;
                farthest = i;
            }
        }
        DPoint foot;
        if (!RegressionFoot(vectorKind, slope, col1[static_cast<std::size_t>(farthest)],
                            col2[static_cast<std::size_t>(farthest)], foot)) {
            return {};
        }
        points.push_back(scaled(foot.x, foot.y));
        return points;
    }
    int last = usable.back();
    points.push_back(scaled(col1[static_cast<std::size_t>(last)], col2[static_cast<std::size_t>(last)]));
    return points;
}

void CDispData::PlotVector(CTextFile& file, double drawingScale, const DPoint& sheetOffset,
                           const DPoint& modelOrigin, double vectorScale, int vectorMode) const {
    // The plot vector's length is reading / vector scale x 100 in plot units.
    std::vector<DPoint> polyline = VectorPolyline(vectorMode, 1.0);
    if (polyline.size() < 2) {
        return;
    }
    double baseUx = ((baseX - modelOrigin.x) / drawingScale + sheetOffset.x) * 10.0;
    double baseUy = ((baseY - modelOrigin.y) / drawingScale + sheetOffset.y) * 10.0;
    auto rounded = [](double v) { return static_cast<int>(std::lround(v)); };
    CString line;
    line.Format("M%d,%d", rounded(baseUx), rounded(baseUy));
    file.WriteLine(line);
    int ex = 0;
    int ey = 0;
    for (std::size_t i = 1; i < polyline.size(); ++i) {
        ex = rounded(baseUx + (polyline[i].x - baseX) / vectorScale * 100.0);
        ey = rounded(baseUy + (polyline[i].y - baseY) / vectorScale * 100.0);
        line.Format("D%d,%d", ex, ey);
        file.WriteLine(line);
    }
    line.Format("N%d,%d,%d,%d,0", ex, ey, 15, 6);
    file.WriteLine(line);
}

void CDispData::WriteExclusions(CTextFile& file, const std::vector<ReadingDate>& dates) const {
    // Only readings with a date can be named in the file; the count must match the lines
    // written, or the reader would take the following records for exclusions.
    auto listed = [&](int i) {
        return !readingUsed[static_cast<std::size_t>(i)] && static_cast<std::size_t>(i) < dates.size();
    };
    int excluded = 0;
    for (int i = 0; i < count; ++i) {
        excluded += listed(i) ? 1 : 0;
    }
    char header[32];
    char* pos = WriteIntField(header, number);
    pos = WriteIntField(pos, inUse);
    pos = WriteIntField(pos, excluded);
    pos = WriteIntField(pos, kUnsetInt);
    WriteDoubleField(pos, beta, "%10.4lf");
    file.WriteLine(CString(header) + name);
    for (int i = 0; i < count; ++i) {
        if (listed(i)) {
            file.WriteLine(CString(' ', 10) + ReadingDateKey(dates[static_cast<std::size_t>(i)]));
        }
    }
}

void CDispData::ParseExclusions(const char* header, CTextFile& file, const std::vector<ReadingDate>& dates) {
    CString padded(header);
    PadWithBlanks(padded, 15);
    int excluded = 0;
    int used = 0;
    ReadIntField(ReadIntField(padded.GetString() + 5, used), excluded);
    inUse = used;
    readingUsed.assign(static_cast<std::size_t>(count), 1);
    for (int n = 0; n < excluded; ++n) {
        const CString line = file.ReadRequiredLine();
        CString key = line.Mid(10);
        key.TrimRight();
        for (std::size_t i = 0; i < dates.size() && i < readingUsed.size(); ++i) {
            if (ReadingDateKey(dates[i]) == key) {
                readingUsed[i] = 0;
                break;
            }
        }
    }
}

int CDispData::WriteSolverRecord(const char* keywordAndNumber, CTextFile& file) const {
    bool anyUsed = false;
    for (int i = 0; i < count; ++i) {
        anyUsed = anyUsed || readingUsed[static_cast<std::size_t>(i)] != 0;
    }
    if (!anyUsed) {
        return 0;
    }
    char buffer[32];
    WriteDoubleField(WriteDoubleField(buffer, 0.0, "%10.4lf"), 0.0, "%10.4lf");
    CString first(keywordAndNumber);
    PadWithBlanks(first, 10);
    file.WriteLine(first.Left(10) + buffer);
    for (int i = 0; i < count; ++i) {
        if (IsUsable(i)) {
            WriteDoubleField(WriteDoubleField(buffer, col1[static_cast<std::size_t>(i)], "%10.4lf"),
                             col2[static_cast<std::size_t>(i)], "%10.4lf");
            file.WriteLine(CString(' ', 10) + buffer);
        }
    }
    return 1;
}

} // namespace torvan
