#include "section_editor/core/CDxfImportTarget.h"

#include "section_editor/core/CBlockDoc.h"

#include <algorithm>

using section::PointKind;

namespace merdok {

CDxfImportTarget::CDxfImportTarget(CBlockDoc& doc) : doc_(doc) {
    for (int i = 0; i < 3; ++i) {
        settings_.layerLists[i] = doc.m_listDxfLayers[i];
        settings_.listPointKinds[i] = PointKind::kGround;
    }
    settings_.xFactor = doc.m_dDxfFactorX;
    settings_.yFactor = doc.m_dDxfFactorY;
    settings_.samePointDistance = doc.m_dDxfSnap;
    std::copy(doc.m_dDxfRegion, doc.m_dDxfRegion + 4, settings_.region);
    for (const auto& [key, line] : doc.m_LineList) {
        joined_.Insert(line->GetNode1(), line->GetNode2());
    }
}

void CDxfImportTarget::GetSnapDistance(double& distance, double& squared) const {
    distance = doc_.m_dSnap;
    squared = doc_.m_dSnap2;
}

// The reader sets its same-point distance first: the index is built for it over the
// ground-surface points the model has.
void CDxfImportTarget::SetSnapDistance(double distance, double squared) {
    doc_.m_dSnap = distance;
    doc_.m_dSnap2 = squared;
    indexed_ = false;
}

void CDxfImportTarget::IndexPoints() const {
    if (indexed_) {
        return;
    }
    index_.Reset(doc_.m_dSnap);
    keys_.clear();
    points_.clear();
    for (const auto& [key, point] : doc_.m_mapNode) {
        index_.Add(static_cast<int>(keys_.size()), point->GetX(), point->GetY());
        keys_.push_back(key);
        points_.push_back(point.get());
    }
    firstMadeKey_ = doc_.m_nNodeCount;
    made_ = 0;
    recentlyMade_[0] = recentlyMade_[1] = MadePoint{};
    indexed_ = true;
}

// The document numbers its new ground points one after another from its next number, so
// that the point of a reader index made here needs no table of its own.
int CDxfImportTarget::KeyOf(int index) const {
    const auto at = static_cast<std::size_t>(index);
    return at < keys_.size() ? keys_[at] : firstMadeKey_ + static_cast<int>(at - keys_.size());
}

const CNode* CDxfImportTarget::PointOf(int index) const {
    const auto at = static_cast<std::size_t>(index);
    if (at < points_.size()) {
        return points_[at];
    }
    for (const MadePoint& made : recentlyMade_) {
        if (made.index == index) {
            return made.point;
        }
    }
    return doc_.m_mapNode.Lookup(KeyOf(index));
}

int CDxfImportTarget::FindPoint(double x, double y) const {
    IndexPoints();
    return index_.FindNearest(x, y, doc_.m_dSnap2) + 1;
}

// A polyline's line joins the point just made to the one made before it, mostly: those two
// are kept at hand rather than looked up in the model's map.
int CDxfImportTarget::CreatePoint(double x, double y, PointKind /*kind*/) {
    IndexPoints();
    const CNode* point = doc_.MakePoint(PointKind::kGround, x, y);
    const int index = static_cast<int>(keys_.size()) + made_++;
    recentlyMade_[static_cast<std::size_t>(made_) % 2] = {index, point};
    index_.Add(index, x, y);
    ++madePoints_;
    return index;
}

void CDxfImportTarget::ReservePoints(int count) {
    IndexPoints();
    const std::size_t more = static_cast<std::size_t>(std::max(count, 0));
    index_.Reserve(more);
    joined_.Reserve(more); // a line per point at most
    doc_.m_mapAllPoints.Reserve(more);
}

void CDxfImportTarget::ExpectPoint(double x, double y) const {
    IndexPoints();
    index_.Prefetch(x, y);
}

void CDxfImportTarget::CreateLine(int pointA, int pointB) {
    const int first = KeyOf(pointA);
    const int second = KeyOf(pointB);
    if (!joined_.Insert(first, second)) {
        return;
    }
    const CNode* a = PointOf(pointA);
    const CNode* b = PointOf(pointB);
    const int count = doc_.AddLine(first, DPoint{a->GetX(), a->GetY()}, second, DPoint{b->GetX(), b->GetY()},
                                   doc_.m_nLineCount);
    if (count > 0) {
        doc_.m_nLineCount = count;
        ++madeLines_;
    }
}

int CDxfImportTarget::GetPointCount() const {
    return doc_.m_mapNode.GetCount();
}

int CDxfImportTarget::GetLineCount() const {
    return doc_.m_nLineCount;
}

int CDxfImportTarget::GetPointLimit() const {
    return doc_.m_nLimit[CBlockDoc::kNodeLimit];
}

int CDxfImportTarget::GetLineLimit() const {
    return doc_.m_nLimit[CBlockDoc::kLineLimit];
}

void CDxfImportTarget::RefreshAfterImport() {
    doc_.SetNodeStates(CNode::kNormal);
    doc_.SetLineStates(CLine::kNormal);
}

} // namespace merdok
