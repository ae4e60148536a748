#pragma once
// The section model document as the DXF reader's target: every point the reader makes is a
// ground-surface point, every line a ground line; points and lines already in the model
// take part (a drawing's point near an existing point is that point, an existing line is
// not made twice).

#include "common/dxf/CDxfImportDocument.h"
#include "common/dxf/CDxfPointIndex.h"
#include "section_editor/core/JoinedPairSet.h"

#include <vector>

namespace merdok {

class CBlockDoc;
class CNode;

class CDxfImportTarget : public CDxfImportDocument {
public:
    // Takes the document's DXF settings as they are now.
    explicit CDxfImportTarget(CBlockDoc& doc);

    const CDxfImportSettings& GetDxfImportSettings() const override { return settings_; }
    void GetSnapDistance(double& distance, double& squared) const override;
    void SetSnapDistance(double distance, double squared) override;
    int FindPoint(double x, double y) const override;
    int CreatePoint(double x, double y, section::PointKind kind) override;
    void ReservePoints(int count) override;
    void ExpectPoint(double x, double y) const override;
    void CreateLine(int pointA, int pointB) override;
    int GetPointCount() const override;
    // The next line key, which the document's own line limit counts.
    int GetLineCount() const override;
    int GetPointLimit() const override;
    int GetLineLimit() const override;
    void RefreshAfterImport() override;

    // Points and lines this import made.
    int MadePoints() const { return madePoints_; }
    int MadeLines() const { return madeLines_; }

private:
    // Builds the index over the model's ground-surface points when a distance was set since.
    void IndexPoints() const;

    CBlockDoc& doc_;
    CDxfImportSettings settings_;
    // The same-point search, built on first use after each new distance: the reader sets its
    // distance back at the end, and no search follows that would need the model's points
    // indexed again.
    mutable CDxfPointIndex index_;
    mutable bool indexed_ = false;
    // The key and point of a reader index: the model's points first, in key order, then
    // those this import made.
    int KeyOf(int index) const;
    const CNode* PointOf(int index) const;

    mutable std::vector<int> keys_;            // the model's ground-point key of each reader index
    mutable std::vector<const CNode*> points_; // and the point
    mutable int firstMadeKey_ = 0;             // the key of the first point made
    mutable int made_ = 0;                     // points made since the index was built
    struct MadePoint {
        int index = -1;
        const CNode* point = nullptr;
    };
    mutable MadePoint recentlyMade_[2]; // the points last made, for their lines
    JoinedPairSet joined_;              // point keys of every line
    int madePoints_ = 0;
    int madeLines_ = 0;
};

} // namespace merdok
