#include "CVerrant.h"

#include "analysis/core/CNode.h"
#include "common/geometry/DPoint.h"
#include "common/records/CTextFile.h"
#include "common/records/RecordFields.h"
#include "common/records/TextHelpers.h"
#include "platform/core/Unset.h"

#include <algorithm>
#include <cmath>

namespace torvan {

IMPLEMENT_DYNCREATE(CVerrant, CObject)

using platform::IsUnsetDouble;
using platform::kUnsetInt;

namespace {

CString NextLine(CTextFile& file) {
    CString line = file.ReadRequiredLine();
    PadWithBlanks(line, 60);
    return line;
}

// Writes "count" lines of value pairs: the first after the lead columns, the rest after 10 blanks.
void WritePairs(CTextFile& file, const CString& lead, const std::vector<double>& a,
                const std::vector<double>& b, int count) {
    char buffer[32];
    if (count <= 0) {
        file.WriteLine(lead);
        return;
    }
    for (int i = 0; i < count; ++i) {
        WriteDoubleField(WriteDoubleField(buffer, a[static_cast<std::size_t>(i)], "%10.3lf"),
                         b[static_cast<std::size_t>(i)], "%10.3lf");
        file.WriteLine((i == 0 ? lead : CString(' ', 10)) + buffer);
    }
}

// Reads count value pairs: the first from columns 11-30 of the given line, the rest from their own lines.
void ReadPairs(CTextFile& file, const CString& first, std::vector<double>& a, std::vector<double>& b,
               int count) {
    a.assign(static_cast<std::size_t>(std::max(count, 0)), platform::kUnsetDouble);
    b.assign(a.size(), platform::kUnsetDouble);
    for (int i = 0; i < count; ++i) {
        CString line = i == 0 ? first : NextLine(file);
        ReadDoubleField(ReadDoubleField(line.GetString() + 10, a[static_cast<std::size_t>(i)]),
                        b[static_cast<std::size_t>(i)]);
    }
}

int ReadCount(const CString& line) {
    int value;
    ReadIntField(line.GetString() + 5, value);
    return value == kUnsetInt || value < 0 ? 0 : value;
}

} // namespace

CVerrant::CVerrant() : CVerrant(kUnsetInt) {}

CVerrant::CVerrant(int number_)
    : number(number_), state(0), unused(kUnsetInt), method(kUnsetInt), methodOption(kUnsetInt),
      pointCount(0), boundary{nullptr, nullptr, nullptr}, blockCount(0), visible1(1), visible2(1) {}

int CVerrant::ParseRecord(CTextFile& file, const CMapWordToOb& boundaryPoints, int version) {
    CString line = NextLine(file);
    ReadIntField(line, number);
    name = line.Mid(10);
    name.TrimRight();

    line = NextLine(file);
    const char* pos = ReadIntField(line.GetString() + 10, method);
    pos = ReadIntField(pos, methodOption);
    pos = ReadIntField(pos, visible1);
    ReadIntField(pos, visible2);
    double sharedBeta = 0.0;
    if (version == kOldFormat && method == 2) {
        ReadDoubleField(line.GetString() + 40, sharedBeta);
    }

    line = NextLine(file);
    pos = line.GetString() + 10;
    int slot = 0;
    std::fill(std::begin(boundary), std::end(boundary), nullptr);
    for (int i = 0; i < 3; ++i) {
        int boundaryNumber;
        pos = ReadIntField(pos, boundaryNumber);
        CObject* found = nullptr;
        if (boundaryNumber != kUnsetInt && boundaryNumber >= 1 && boundaryNumber <= 65536 &&
            boundaryPoints.Lookup(static_cast<WORD>(boundaryNumber - 1), found) && found) {
            boundary[slot++] = static_cast<CNode*>(found);
        }
    }

    line = NextLine(file);
    blockCount = ReadCount(line);
    if (version == kOldFormat) {
        blockX.clear();
        for (int i = 0; i < blockCount; ++i) {
            if (i > 0 && i % 5 == 0) {
                line = NextLine(file);
            }
            double value;
            ReadDoubleField(line.GetString() + 10 + (i % 5) * kDoubleFieldWidth, value);
            blockX.push_back(value);
        }
        blockBeta.assign(blockX.size(), sharedBeta);
    } else {
        ReadPairs(file, line, blockX, blockBeta, blockCount);
    }

    line = NextLine(file);
    pointCount = ReadCount(line);
    ReadPairs(file, line, x, y, pointCount);
    return 1;
}

void CVerrant::WriteRecord(CTextFile& file) const {
    char buffer[32];
    WriteIntField(buffer, number);
    file.WriteLine(CString(buffer) + CString(' ', 5) + name);

    char* pos = WriteIntField(buffer, method);
    pos = WriteIntField(pos, methodOption);
    pos = WriteIntField(pos, visible1);
    WriteIntField(pos, visible2);
    file.WriteLine(CString(' ', 10) + buffer);

    pos = buffer;
    for (CNode* point : boundary) {
        pos = WriteIntField(pos, point ? point->number : -1);
    }
    file.WriteLine(CString(' ', 10) + buffer);

    WriteIntField(buffer, blockCount);
    WritePairs(file, CString(' ', 5) + buffer, blockX, blockBeta, blockCount);
    WriteIntField(buffer, pointCount);
    WritePairs(file, CString(' ', 5) + buffer, x, y, pointCount);
}

bool CVerrant::GetBoundingBox(double& minX, double& maxX, double& minY, double& maxY) const {
    bool any = false;
    for (int i = 0; i < pointCount; ++i) {
        double px = x[static_cast<std::size_t>(i)];
        double py = y[static_cast<std::size_t>(i)];
        if (IsUnsetDouble(px) && IsUnsetDouble(py)) {
            continue;
        }
        if (!any) {
            minX = maxX = px;
            minY = maxY = py;
            any = true;
        }
        minX = std::min(minX, px);
        maxX = std::max(maxX, px);
        minY = std::min(minY, py);
        maxY = std::max(maxY, py);
    }
    return any;
}

DPoint CVerrant::Plot(CTextFile& file, double drawingScale, const DPoint& sheetOffset,
                      const DPoint& modelOrigin) const {
    auto toPlot = [&](double v, double origin, double offset) {
        return static_cast<int>(std::lround(((v - origin) / drawingScale + offset) * 10.0));
    };
    bool first = true;
    CString line;
    for (int i = 0; i < pointCount; ++i) {
        double px = x[static_cast<std::size_t>(i)];
        double py = y[static_cast<std::size_t>(i)];
        if (IsUnsetDouble(px) && IsUnsetDouble(py)) {
            continue;
        }
        line.Format("%c%d,%d", first ? 'M' : 'D', toPlot(px, modelOrigin.x, sheetOffset.x),
                    toPlot(py, modelOrigin.y, sheetOffset.y));
        file.WriteLine(line);
        first = false;
    }
    auto millimetres = [&](int i, bool isX) {
        double v = isX ? x[static_cast<std::size_t>(i)] : y[static_cast<std::size_t>(i)];
        return (v - (isX ? modelOrigin.x : modelOrigin.y)) / drawingScale +
               (isX ? sheetOffset.x : sheetOffset.y);
    };
    if (pointCount == 0) {
        return DPoint{0.0, 0.0};
    }
    if (method == 2) {
        int i = pointCount / 10;
        return DPoint{2.0 * millimetres(i, true), 2.0 * millimetres(i, false)};
    }
    int second = pointCount > 1 ? 1 : 0;
    return DPoint{millimetres(0, true) + millimetres(second, true),
                  millimetres(0, false) + millimetres(second, false)};
}

} // namespace torvan
