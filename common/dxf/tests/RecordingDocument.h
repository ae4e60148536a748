#pragma once
// A small importing document for the reader's tests, the dump tool and the benchmark:
// it records points and lines in creation order and searches points through a grid.

#include "common/dxf/CDxfImportDocument.h"
#include "common/dxf/CDxfImportProgress.h"
#include "common/dxf/CDxfPointIndex.h"

#include <set>
#include <utility>
#include <vector>

namespace dxftest {

struct RecordedPoint {
    int number;
    double x;
    double y;
    int kind; // as a file stores it
};

struct RecordedLine {
    int number;
    int first; // point indexes
    int second;
};

class RecordingDocument : public CDxfImportDocument {
public:
    RecordingDocument();

    const CDxfImportSettings& GetDxfImportSettings() const override { return settings; }
    void GetSnapDistance(double& distance, double& squared) const override;
    void SetSnapDistance(double distance, double squared) override;
    int FindPoint(double x, double y) const override;
    int CreatePoint(double x, double y, section::PointKind kind) override;
    void CreateLine(int pointA, int pointB) override;
    int GetPointCount() const override { return static_cast<int>(points.size()); }
    int GetLineCount() const override { return static_cast<int>(lines.size()); }
    int GetPointLimit() const override { return pointLimit; }
    int GetLineLimit() const override { return lineLimit; }
    void RefreshAfterImport() override { ++refreshCount; }

    CDxfImportSettings settings;
    int pointLimit = 1000000;
    int lineLimit = 1000000;
    int outOfMemoryAtPoint = -1; // the point count at which CreatePoint throws bad_alloc
    std::vector<RecordedPoint> points;
    std::vector<RecordedLine> lines;
    int refreshCount = 0;
    double snapDistance = 0.01;
    double snapSquared = 0.0001;

private:
    CDxfPointIndex index_;
    int highestNumber_ = 0;
    std::set<std::pair<int, int>> joined_;
};

// Progress display of the tests: counts every call, cancels after a number of pumps.
class RecordingProgress : public CDxfImportProgress {
public:
    void Begin(const CString& path) override;
    void UpdateCounts(int points, int lines) override;
    void PumpMessage() override;
    bool IsCancelled() const override { return cancelled; }
    void End() override { ++endCount; }

    int cancelAfterPumps = -1; // -1: never
    int pumps = 0;
    bool cancelled = false;
    int beginCount = 0;
    int endCount = 0;
    CString path;
    std::vector<std::pair<int, int>> counts;
};

} // namespace dxftest
