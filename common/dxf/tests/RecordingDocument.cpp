#include "RecordingDocument.h"

#include <algorithm>
#include <new>

namespace dxftest {

RecordingDocument::RecordingDocument() : index_(snapDistance) {}

void RecordingDocument::GetSnapDistance(double& distance, double& squared) const {
    distance = snapDistance;
    squared = snapSquared;
}

void RecordingDocument::SetSnapDistance(double distance, double squared) {
    snapDistance = distance;
    snapSquared = squared;
    index_.Reset(distance);
    for (std::size_t i = 0; i < points.size(); ++i) {
        index_.Add(static_cast<int>(i), points[i].x, points[i].y);
    }
}

int RecordingDocument::FindPoint(double x, double y) const {
    return index_.FindNearest(x, y, snapSquared) + 1;
}

int RecordingDocument::CreatePoint(double x, double y, section::PointKind kind) {
    if (static_cast<int>(points.size()) == outOfMemoryAtPoint) {
        throw std::bad_alloc();
    }
    const int index = static_cast<int>(points.size());
    points.push_back({++highestNumber_, x, y, section::StoredPointKind(kind)});
    index_.Add(index, x, y);
    return index;
}

void RecordingDocument::CreateLine(int pointA, int pointB) {
    auto key = std::minmax(pointA, pointB);
    if (!joined_.insert(key).second) {
        return;
    }
    lines.push_back({static_cast<int>(lines.size()) + 1, pointA, pointB});
}

void RecordingProgress::Begin(const CString& shownPath) {
    ++beginCount;
    path = shownPath;
}

void RecordingProgress::UpdateCounts(int points, int lines) {
    counts.emplace_back(points, lines);
}

void RecordingProgress::PumpMessage() {
    ++pumps;
    if (cancelAfterPumps >= 0 && pumps >= cancelAfterPumps) {
        cancelled = true;
    }
}

} // namespace dxftest
