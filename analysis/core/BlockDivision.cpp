#include "BlockDivision.h"

#include "analysis/core/CBlock.h"
#include "analysis/core/CDispData.h"
#include "common/geometry/CBoundRect.h"
#include "common/geometry/Geometry.h"
#include "common/records/ContainerHelpers.h"
#include "platform/core/MapEntries.h"
#include "platform/core/MessageSink.h"
#include "platform/core/Unset.h"

#include <algorithm>
#include <cmath>

using section::PointKind;

namespace torvan {

using platform::IsUnsetDouble;
using platform::kUnsetDouble;
using platform::kUnsetInt;

namespace {

struct Normal {
    SegmentKind kind;
    double slope;
    double intercept;
    double x;
    double y;
};

// The normal of a record's vector through its measurement point.
Normal NormalOf(const CDispData& disp) {
    if (disp.vectorKind == SegmentKind::kVertical) {
        return Normal{SegmentKind::kHorizontal, 0.0, 0.0, disp.baseX, disp.baseY};
    }
    if (disp.vectorKind == SegmentKind::kHorizontal || disp.slope == 0.0) {
        return Normal{SegmentKind::kVertical, 0.0, 0.0, disp.baseX, disp.baseY};
    }
    double s = -1.0 / disp.slope;
    return Normal{SegmentKind::kSloped, s, disp.baseY - s * disp.baseX, disp.baseX, disp.baseY};
}

} // namespace

void BlockDivision::Clear() {
    doc_.VectorPoints().RemoveAll();
    doc_.BlockLines().clear();
    DeleteAllObjects(doc_.Blocks());
}

void BlockDivision::MakeVerticalLines(const double* xs, const double* betas, int count) {
    std::vector<BlockLineRecord>& lines = doc_.BlockLines();
    const ModelExtents& extents = doc_.Extents();
    lines.clear();
    double h = std::fabs(extents.m_dMaxY - extents.m_dMinY);
    for (int i = 0; i < count; ++i) {
        lines.push_back(
            BlockLineRecord{xs[i], extents.m_dMaxY + 0.1 * h, xs[i], extents.m_dMinY - 0.1 * h, betas[i]});
    }
}

BlockDivisionResult BlockDivision::MakeBlockLines() {
    BlockDivisionResult result;
    if (doc_.Displacements().IsEmpty() || doc_.GroundOrder().IsEmpty()) {
        return result;
    }
    // Blocks of an earlier division never outlive its lines: a division that stops
    // leaves none, so no slip line can be traced through stale blocks.
    Clear();
    if (doc_.Displacements().GetCount() < 2) {
        result.status = BlockDivisionStatus::kTooFewRecords;
        return result;
    }
    // Records by x of their measurement point, by the exchange sort the analysis files were
    // always divided with: equal x are never swapped with each other, but a smaller x from
    // behind swaps with the first of them and so passes it over the second (not stable).
    std::vector<CDispData*> records;
    for (auto [key, disp] : platform::MapEntries<CDispData>(doc_.Displacements())) {
        disp->EvaluateVector(doc_.Settings().m_nVectorMode);
        records.push_back(disp);
    }
    for (std::size_t i = 0; i < records.size(); ++i) {
        for (std::size_t j = i + 1; j < records.size(); ++j) {
            if (records[i]->baseX > records[j]->baseX) {
                std::swap(records[i], records[j]);
            }
        }
    }
    for (CDispData* disp : records) {
        if (disp->inUse) {
            result.records.push_back(disp);
        }
    }
    result.status = LinesBetween(result.records, result.lines);
    if (!result.Done()) {
        result.records.clear();
        result.lines.clear();
        return result;
    }
    for (CDispData* disp : result.records) {
        doc_.VectorPoints().AddTail(disp);
    }
    doc_.BlockLines() = result.lines;
    MakeBlocks();
    return result;
}

BlockDivisionStatus BlockDivision::LinesBetween(const std::vector<CDispData*>& ordered,
                                                std::vector<BlockLineRecord>& lines) {
    double width, height;
    doc_.GetModelExtent(width, height);
    const ModelExtents& extents = doc_.Extents();
    double my = 0.1 * std::fabs(extents.m_dMaxY - extents.m_dMinY);
    double top = extents.m_dMaxY + my;
    double bottom = extents.m_dMinY - my;
    for (std::size_t i = 0; i + 1 < ordered.size(); ++i) {
        const CDispData& p = *ordered[i];
        const CDispData& q = *ordered[i + 1];
        if (doc_.Settings().m_nMethod != CBlockDoc::kRotation) {
            double x = (p.baseX + q.baseX) / 2.0;
            lines.push_back(BlockLineRecord{x, top, x, bottom, 0.1});
            continue;
        }
        Normal np = NormalOf(p);
        Normal nq = NormalOf(q);
        bool parallel = np.kind == nq.kind && (np.kind != SegmentKind::kSloped || np.slope == nq.slope);
        DPoint c;
        const double xs[2] = {np.x, nq.x};
        const double ys[2] = {np.y, nq.y};
        const SegmentKind kinds[2] = {np.kind, nq.kind};
        const double slopes[2] = {np.slope, nq.slope};
        const double intercepts[2] = {np.intercept, nq.intercept};
        double t = 0.0;
        if (!parallel && IntersectLines(xs, ys, kinds, slopes, intercepts, c)) {
            double ap = 0.0;
            double aq = 0.0;
            SegmentAngle(c.x, c.y, p.baseX, p.baseY, ap);
            SegmentAngle(c.x, c.y, q.baseX, q.baseY, aq);
            t = std::tan((ap + aq) / 2.0);
            if (np.kind != SegmentKind::kSloped && nq.kind != SegmentKind::kSloped) {
                lines.push_back(BlockLineRecord{c.x, top, c.x, bottom, kUnsetDouble});
                continue;
            }
        }
        if (parallel || t == 0.0 || !std::isfinite(t)) {
            // Parallel normals have no crossing; a horizontal bisector has no ends.
            AfxMessageBox(u8"隣接する変位ﾍﾞｸﾄﾙ方向が等しいため、ﾌﾞﾛｯｸ分割線を作成できません");
            return BlockDivisionStatus::kParallelVectors;
        }
        double intercept = c.y - t * c.x;
        lines.push_back(
            BlockLineRecord{(top - intercept) / t, top, (bottom - intercept) / t, bottom, kUnsetDouble});
    }
    return BlockDivisionStatus::kDone;
}

void BlockDivision::MakeBlocks() {
    double width, height;
    doc_.GetModelExtent(width, height);
    const ModelExtents& extents = doc_.Extents();
    double mx = 0.1 * std::fabs(extents.m_dMaxX - extents.m_dMinX);
    double my = 0.1 * std::fabs(extents.m_dMaxY - extents.m_dMinY);
    double top = extents.m_dMaxY + my;
    double bottom = extents.m_dMinY - my;
    std::vector<BlockLineRecord> lines;
    lines.push_back(BlockLineRecord{extents.m_dMinX - mx, top, extents.m_dMinX - mx, bottom, kUnsetDouble});
    lines.insert(lines.end(), doc_.BlockLines().begin(), doc_.BlockLines().end());
    lines.push_back(BlockLineRecord{extents.m_dMaxX + mx, top, extents.m_dMaxX + mx, bottom, kUnsetDouble});

    CObList& blocks = doc_.Blocks();
    DeleteAllObjects(blocks);
    const SnapDistances& snap = doc_.Snap();
    CBoundRect bound(snap.m_dSnap, snap.m_dSnap2, snap.m_dSecondDistance);
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
        const BlockLineRecord& l = lines[i];
        const BlockLineRecord& r = lines[i + 1];
        DPoint lu{l.x1, l.y1}, ll{l.x2, l.y2}, ru{r.x1, r.y1}, rl{r.x2, r.y2};
        CBlock* block = new CBlock;
        int result = bound.IntersectSegment(lu, ll, ru, rl, ClassifySegment(lu.x, lu.y, ll.x, ll.y),
                                            ClassifySegment(ru.x, ru.y, rl.x, rl.y));
        std::vector<DPoint> corners;
        if (result == CBoundRect::kCross) {
            DPoint k;
            bound.GetIntersection(k);
            corners = {lu, k, ru};
        } else {
            corners = {lu, ll, rl, ru};
        }
        block->vertexCount = static_cast<int>(corners.size());
        for (std::size_t v = 0; v < corners.size(); ++v) {
            block->x[v] = corners[v].x;
            block->y[v] = corners[v].y;
        }
        block->number = static_cast<int>(i);
        block->number2 = static_cast<int>(i) + 1;
        blocks.AddTail(block);
    }
    AttachBlockRecords();
}

void BlockDivision::AttachBlockRecords() {
    const CObList& blocks = doc_.Blocks();
    POSITION blockPos = blocks.GetHeadPosition();
    while (blockPos) {
        CBlock* block = static_cast<CBlock*>(blocks.GetNext(blockPos));
        block->disp = nullptr;
        if (block->vertexCount < 3) {
            continue;
        }
        // The polygon test is costly; a point outside the block's box cannot be inside it.
        const double* xs = block->x;
        const double* ys = block->y;
        auto [minX, maxX] = std::minmax_element(xs, xs + block->vertexCount);
        auto [minY, maxY] = std::minmax_element(ys, ys + block->vertexCount);
        for (auto [key, disp] : platform::MapEntries<CDispData>(doc_.Displacements())) {
            if (block->disp) {
                break;
            }
            bool inBox =
                disp->baseX >= *minX && disp->baseX <= *maxX && disp->baseY >= *minY && disp->baseY <= *maxY;
            if (disp->inUse && inBox && block->CheckInsidePolygon(disp->baseX, disp->baseY)) {
                // A record read after the division has not had its vector made yet.
                disp->EvaluateVector(doc_.Settings().m_nVectorMode);
                block->disp = disp;
            }
        }
    }
}

int BlockDivision::FindBlockIndex(const CObList& blocks, double x, double y) {
    int index = 0;
    POSITION pos = blocks.GetHeadPosition();
    while (pos) {
        if (static_cast<const CBlock*>(blocks.GetNext(pos))->CheckInsidePolygon(x, y)) {
            return index;
        }
        ++index;
    }
    return kUnsetInt;
}

BlockLineCheck BlockDivision::CheckBlockLineConditions(const CBlockDoc& doc) {
    if (doc.Displacements().GetCount() < 2) {
        return BlockLineCheck::kTooFewConditions;
    }
    const CNode* left = doc.FindBoundaryPoint(PointKind::kLeftBoundary);
    const CNode* right = doc.FindBoundaryPoint(PointKind::kRightBoundary);
    const CNode* inner = doc.FindBoundaryPoint(PointKind::kInnerBoundary);
    std::vector<double> positions;
    positions.push_back(left ? left->x : doc.Extents().m_dMinX);
    for (const auto& [x, beta] : doc.BlockLineTable()) {
        // The solver needs a weight between 0 and 1 for every line it is given.
        if (IsUnsetDouble(beta) || !(beta >= 0.0 && beta <= 1.0)) {
            return BlockLineCheck::kInvalidLine;
        }
        positions.push_back(x);
    }
    positions.push_back(right ? right->x : doc.Extents().m_dMaxX);
    if (std::any_of(positions.begin(), positions.end(), [](double v) { return IsUnsetDouble(v); })) {
        return BlockLineCheck::kInvalidLine;
    }
    std::sort(positions.begin(), positions.end());
    int count = static_cast<int>(positions.size());
    // Two lines at one place enclose a block that no measurement point can lie in.
    if (std::adjacent_find(positions.begin(), positions.end()) != positions.end()) {
        return BlockLineCheck::kEmptyBlock;
    }
    auto codeOf = [&](double x) {
        int code = 0;
        for (int i = count - 1; i >= 1; --i) {
            if (x < positions[static_cast<std::size_t>(i)]) {
                code = 2 * i - 1;
            } else if (x == positions[static_cast<std::size_t>(i)]) {
                code = 2 * i;
            }
        }
        return code;
    };
    std::vector<int> codes;
    if (left && left->x == positions.front() && !IsUnsetDouble(left->alpha) && left->beta > 0) {
        codes.push_back(1);
    }
    if (right && right->x == positions.back() && !IsUnsetDouble(right->alpha) && right->beta > 0) {
        codes.push_back(2 * count - 3);
    }
    // A condition exactly on a line (an even code) counts where the solver puts it: the
    // inner point in the block right of the line, a measurement point in the block left of it.
    if (inner && inner->beta > 0) {
        int code = codeOf(inner->x);
        if (code < 1) {
            return BlockLineCheck::kTooFewConditions;
        }
        codes.push_back(code % 2 == 0 ? code + 1 : code);
    }
    for (auto [key, disp] : platform::MapEntries<const CDispData>(doc.Displacements())) {
        if (!disp->inUse) {
            continue;
        }
        int code = codeOf(disp->baseX);
        if (code == 0) {
            return BlockLineCheck::kTooFewConditions;
        }
        codes.push_back(code % 2 == 0 ? code - 1 : code);
    }
    if (codes.size() < 2) {
        return BlockLineCheck::kTooFewConditions;
    }
    for (int block = 1; block <= count - 1; ++block) {
        if (std::find(codes.begin(), codes.end(), 2 * block - 1) == codes.end()) {
            return BlockLineCheck::kEmptyBlock;
        }
    }
    return BlockLineCheck::kValid;
}

} // namespace torvan
