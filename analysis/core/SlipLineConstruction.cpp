#include "SlipLineConstruction.h"

#include "analysis/core/BlockDivision.h"
#include "analysis/core/CBlock.h"
#include "analysis/core/CDispData.h"
#include "analysis/core/CVerrant.h"
#include "common/geometry/CBoundRect.h"
#include "common/geometry/Geometry.h"
#include "platform/core/MessageSink.h"
#include "platform/core/Unset.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>

namespace torvan {

using platform::IsUnsetDouble;
using platform::kUnsetDouble;
using platform::kUnsetInt;

namespace {

const char8_t kNoPoint[] = u8"境界点座標が取得できません";
const char8_t kNoBlock[] = u8"境界点位置のﾌﾞﾛｯｸ番号を取得できません";
const char8_t kSameBlock[] = u8"2個の地表境界点が同一ﾌﾞﾛｯｸ内にあるため、すべり線作成できません";
const char8_t kNoCrossing[] = u8"ﾌﾞﾛｯｸ線交点が見つからないためすべり線作成できません !!";

const CBlock* BlockAt(const CObList& blocks, int index) {
    POSITION pos = blocks.FindIndex(index);
    return pos ? static_cast<const CBlock*>(blocks.GetAt(pos)) : nullptr;
}

// A point the section model gave (3) is marked 4 once used, and stays so on later uses.
void MarkUsed(CNode* point) {
    point->slipMark = point->slipMark >= CNode::kSlipFixed ? CNode::kSlipFixedUsed : CNode::kSlipUsed;
}

void Attach(CVerrant& line, CNode* point) {
    for (CNode*& slot : line.boundary) {
        if (!slot) {
            slot = point;
            MarkUsed(point);
            return;
        }
    }
}

// A boundary point by number, or null after the message.
CNode* LookUpBoundary(const CMapWordToOb& bounds, int number) {
    CObject* object = nullptr;
    if (number < 1 || number > 0x10000 || !bounds.Lookup(static_cast<WORD>(number - 1), object)) {
        AfxMessageBox(kNoPoint);
        return nullptr;
    }
    return static_cast<CNode*>(object);
}

std::unique_ptr<CVerrant> LineOf(const std::vector<double>& xs, const std::vector<double>& ys) {
    auto line = std::make_unique<CVerrant>();
    line->x = xs;
    line->y = ys;
    line->pointCount = static_cast<int>(xs.size());
    return line;
}

} // namespace

bool SlipLineConstruction::IntersectVectorWithEdge(const CDispData& disp, double x, double y,
                                                   const double edge[4], DPoint& point) {
    SegmentKind vectorKind = disp.vectorKind == SegmentKind::kSloped && IsUnsetDouble(disp.slope)
                                 ? SegmentKind::kVertical
                                 : disp.vectorKind;
    double m = vectorKind == SegmentKind::kSloped ? disp.slope : 0.0;
    SegmentKind edgeKind = ClassifySegment(edge[0], edge[1], edge[2], edge[3]);
    double edgeSlope = 0.0;
    double edgeIntercept = 0.0;
    if (edgeKind == SegmentKind::kSloped) {
        edgeSlope = (edge[3] - edge[1]) / (edge[2] - edge[0]);
        edgeIntercept = edge[1] - edgeSlope * edge[0];
    }
    const double xs[2] = {x, edge[0]};
    const double ys[2] = {y, edge[1]};
    const SegmentKind kinds[2] = {vectorKind, edgeKind};
    const double slopes[2] = {m, edgeSlope};
    const double intercepts[2] = {y - m * x, edgeIntercept};
    return IntersectLines(xs, ys, kinds, slopes, intercepts, point) == 1 && std::isfinite(point.x) &&
           std::isfinite(point.y);
}

SlipLineStatus SlipLineConstruction::TraceThroughBlocks(std::vector<double>& xs, std::vector<double>& ys,
                                                        double startX, double startY, int firstBlock,
                                                        int lastBlock, int firstIndex, int step) const {
    const CObList& blocks = doc_.Blocks();
    DPoint current{startX, startY};
    int index = firstIndex;
    for (int k = firstBlock; k >= 0 && k < blocks.GetCount(); k += step, index += step) {
        const CBlock* block = BlockAt(blocks, k);
        if (index < 0 || index >= static_cast<int>(xs.size())) {
            return SlipLineStatus::kMade;
        }
        int n = block->vertexCount;
        double edge[4];
        if (step > 0) {
            edge[0] = block->x[n - 2], edge[1] = block->y[n - 2], edge[2] = block->x[n - 1],
            edge[3] = block->y[n - 1];
        } else {
            edge[0] = block->x[0], edge[1] = block->y[0], edge[2] = block->x[1], edge[3] = block->y[1];
        }
        DPoint crossing;
        // A block without a measurement point has no direction to trace with.
        if (!block->disp || !IntersectVectorWithEdge(*block->disp, current.x, current.y, edge, crossing)) {
            AfxMessageBox(kNoCrossing);
            return SlipLineStatus::kNoCrossing;
        }
        xs[static_cast<std::size_t>(index)] = crossing.x;
        ys[static_cast<std::size_t>(index)] = crossing.y;
        current = crossing;
        if (lastBlock != kUnsetInt && (step > 0 ? k >= lastBlock : k <= lastBlock)) {
            return SlipLineStatus::kMade;
        }
    }
    return SlipLineStatus::kMade;
}

bool SlipLineConstruction::IsBeyondGroundLineEnd(double x, double y) const {
    const CPtrList& order = doc_.GroundOrder();
    if (order.IsEmpty()) {
        return false;
    }
    const CNode* first = static_cast<const CNode*>(order.GetHead());
    const CNode* last = static_cast<const CNode*>(order.GetTail());
    return (x < first->x && y > first->y) || (x > last->x && y > last->y);
}

bool SlipLineConstruction::IntersectGroundLine(const DPoint& a, const DPoint& b,
                                               std::vector<DPoint>& points) const {
    std::vector<const CNode*> order;
    POSITION pos = doc_.GroundOrder().GetHeadPosition();
    while (pos) {
        order.push_back(static_cast<const CNode*>(doc_.GroundOrder().GetNext(pos)));
    }
    if (!(a.x < b.x)) {
        std::reverse(order.begin(), order.end());
    }
    const SnapDistances& snap = doc_.Snap();
    CBoundRect bound(snap.m_dSnap, snap.m_dSnap2, snap.m_dSecondDistance);
    SegmentKind kind = ClassifySegment(a.x, a.y, b.x, b.y);
    for (std::size_t i = 0; i + 1 < order.size(); ++i) {
        DPoint p{order[i]->x, order[i]->y};
        DPoint q{order[i + 1]->x, order[i + 1]->y};
        if (bound.IntersectSegment(a, b, p, q, kind, ClassifySegment(p.x, p.y, q.x, q.y)) ==
            CBoundRect::kCross) {
            DPoint crossing;
            bound.GetIntersection(crossing);
            points.push_back(crossing);
        }
    }
    return !points.empty();
}

void SlipLineConstruction::ClipSlipLineEnd(const std::vector<double>& xs, const std::vector<double>& ys,
                                           DPoint& point, int& index, int count, int side) const {
    index = kUnsetInt;
    if (count < 2) {
        return;
    }
    std::size_t outer = side > 0 ? 0 : static_cast<std::size_t>(count - 1);
    std::size_t inner = side > 0 ? 1 : static_cast<std::size_t>(count - 2);
    DPoint a{xs[outer], ys[outer]};
    DPoint b{xs[inner], ys[inner]};
    if (IsBeyondGroundLineEnd(b.x, b.y)) {
        const CObList& vectors = doc_.VectorPoints();
        if (vectors.IsEmpty()) {
            return;
        }
        const CDispData* end =
            static_cast<const CDispData*>(side > 0 ? vectors.GetHead() : vectors.GetTail());
        const double x[3] = {a.x, b.x, end->baseX};
        const double y[3] = {a.y, b.y, 0.0};
        if (IntersectSegmentWithLine(x, y, SegmentKind::kVertical, 0.0, 0.0, point)) {
            index = static_cast<int>(outer);
        }
        return;
    }
    std::vector<DPoint> crossings;
    if (IntersectGroundLine(a, b, crossings)) {
        index = static_cast<int>(outer);
        point = side > 0 ? crossings.back() : crossings.front();
    }
}

void SlipLineConstruction::ClipEndAtGround(std::vector<double>& xs, std::vector<double>& ys, int side) const {
    DPoint clipped;
    int index = kUnsetInt;
    ClipSlipLineEnd(xs, ys, clipped, index, static_cast<int>(xs.size()), side);
    if (index != kUnsetInt) {
        xs[static_cast<std::size_t>(index)] = clipped.x;
        ys[static_cast<std::size_t>(index)] = clipped.y;
    }
}

SlipLineStatus SlipLineConstruction::MakeFromInnerPoint(std::vector<double>& xs, std::vector<double>& ys,
                                                        int number, CVerrant* line, int& block) {
    int count = doc_.Blocks().GetCount();
    CNode* point = LookUpBoundary(doc_.BoundaryPoints(), number);
    if (!point) {
        return SlipLineStatus::kNoBoundaryPoint;
    }
    int k = BlockDivision::FindBlockIndex(doc_.Blocks(), point->x, point->y);
    if (k == kUnsetInt || k < 0 || k >= count) {
        AfxMessageBox(kNoBlock);
        return SlipLineStatus::kNoBlock;
    }
    xs.assign(static_cast<std::size_t>(count) + 2, kUnsetDouble);
    ys.assign(xs.size(), kUnsetDouble);
    SlipLineStatus status = TraceThroughBlocks(xs, ys, point->x, point->y, k, kUnsetInt, k, -1);
    if (status != SlipLineStatus::kMade) {
        return status;
    }
    xs[static_cast<std::size_t>(k) + 1] = point->x;
    ys[static_cast<std::size_t>(k) + 1] = point->y;
    status = TraceThroughBlocks(xs, ys, point->x, point->y, k, kUnsetInt, k + 2, +1);
    if (status != SlipLineStatus::kMade) {
        return status;
    }
    if (groundClip_) {
        ClipEndAtGround(xs, ys, -1);
        ClipEndAtGround(xs, ys, +1);
    }
    if (line) {
        line->x = xs;
        line->y = ys;
        line->pointCount = count + 2;
        Attach(*line, point);
        doc_.AddSlipLine(line);
    }
    block = k;
    return SlipLineStatus::kMade;
}

SlipLineStatus SlipLineConstruction::LocateSurfacePoints(int left, int right, CNode*& leftPoint,
                                                         CNode*& rightPoint, int& kL, int& kR) const {
    leftPoint = left != kUnsetInt ? LookUpBoundary(doc_.BoundaryPoints(), left) : nullptr;
    rightPoint = right != kUnsetInt ? LookUpBoundary(doc_.BoundaryPoints(), right) : nullptr;
    if ((left != kUnsetInt && !leftPoint) || (right != kUnsetInt && !rightPoint)) {
        return SlipLineStatus::kNoBoundaryPoint;
    }
    kL = leftPoint ? BlockDivision::FindBlockIndex(doc_.Blocks(), leftPoint->x, leftPoint->y) : kUnsetInt;
    kR = rightPoint ? BlockDivision::FindBlockIndex(doc_.Blocks(), rightPoint->x, rightPoint->y) : kUnsetInt;
    if ((leftPoint && kL == kUnsetInt) || (rightPoint && kR == kUnsetInt)) {
        AfxMessageBox(kNoBlock);
        return SlipLineStatus::kNoBlock;
    }
    return SlipLineStatus::kMade;
}

SlipLineStatus SlipLineConstruction::MakeFromSurfacePoints(int left, int right) {
    int count = doc_.Blocks().GetCount();
    CNode* leftPoint = nullptr;
    CNode* rightPoint = nullptr;
    int kL = kUnsetInt;
    int kR = kUnsetInt;
    SlipLineStatus status = LocateSurfacePoints(left, right, leftPoint, rightPoint, kL, kR);
    if (status != SlipLineStatus::kMade) {
        return status;
    }
    auto clipEnd = [&](std::vector<double>& xs, std::vector<double>& ys, int side) {
        if (groundClip_) {
            ClipEndAtGround(xs, ys, side);
        }
    };
    if (leftPoint && !rightPoint) {
        std::vector<double> xs(static_cast<std::size_t>(count) + 1 - kL, kUnsetDouble);
        std::vector<double> ys(xs.size(), kUnsetDouble);
        xs[0] = leftPoint->x;
        ys[0] = leftPoint->y;
        status = TraceThroughBlocks(xs, ys, leftPoint->x, leftPoint->y, kL, kUnsetInt, 1, +1);
        if (status != SlipLineStatus::kMade) {
            return status;
        }
        clipEnd(xs, ys, -1);
        auto line = LineOf(xs, ys);
        Attach(*line, leftPoint);
        doc_.AddSlipLine(line.release());
        return SlipLineStatus::kMade;
    }
    if (rightPoint && !leftPoint) {
        std::size_t n = static_cast<std::size_t>(kR) + 2;
        std::vector<double> xs(n, kUnsetDouble);
        std::vector<double> ys(n, kUnsetDouble);
        xs[n - 1] = rightPoint->x;
        ys[n - 1] = rightPoint->y;
        status = TraceThroughBlocks(xs, ys, rightPoint->x, rightPoint->y, kR, kUnsetInt,
                                    static_cast<int>(n) - 2, -1);
        if (status != SlipLineStatus::kMade) {
            return status;
        }
        clipEnd(xs, ys, +1);
        auto line = LineOf(xs, ys);
        Attach(*line, rightPoint);
        doc_.AddSlipLine(line.release());
        return SlipLineStatus::kMade;
    }
    if (kL == kR) {
        AfxMessageBox(kSameBlock);
        return SlipLineStatus::kSameBlock;
    }
    if (kL > kR) {
        AfxMessageBox(u8"地表境界点の左右位置ｴﾗｰ");
        return SlipLineStatus::kSurfacePointsReversed;
    }
    std::size_t n = static_cast<std::size_t>(kR) - kL + 2;
    std::vector<double> ax(n, kUnsetDouble), ay(n, kUnsetDouble), bx(n, kUnsetDouble), by(n, kUnsetDouble);
    ax[0] = leftPoint->x;
    ay[0] = leftPoint->y;
    status = TraceThroughBlocks(ax, ay, leftPoint->x, leftPoint->y, kL, kR, 1, +1);
    if (status != SlipLineStatus::kMade) {
        return status;
    }
    ax[n - 1] = rightPoint->x;
    ay[n - 1] = rightPoint->y;
    bx[n - 1] = rightPoint->x;
    by[n - 1] = rightPoint->y;
    status = TraceThroughBlocks(bx, by, rightPoint->x, rightPoint->y, kR, kL, static_cast<int>(n) - 2, -1);
    if (status != SlipLineStatus::kMade) {
        return status;
    }
    bx[0] = leftPoint->x;
    by[0] = leftPoint->y;
    std::vector<double> cx(n), cy(n);
    double span = std::fabs(ax[n - 1] - ax[0]);
    for (std::size_t i = 0; i < n; ++i) {
        if (doc_.Settings().m_nMethodOption == 1) {
            cx[i] = (ax[i] + bx[i]) / 2.0;
            cy[i] = (ay[i] + by[i]) / 2.0;
        } else if (i == 0 || i == n - 1 || span == 0.0) {
            cx[i] = ax[i];
            cy[i] = ay[i];
        } else {
            double t = (ax[i] + bx[i]) / 2.0 - ax[0];
            cx[i] = ax[i] + (bx[i] - ax[i]) * t / span;
            cy[i] = ay[i] + (by[i] - ay[i]) * t / span;
        }
    }
    auto line = LineOf(cx, cy);
    line->traceAx = ax, line->traceAy = ay, line->traceBx = bx, line->traceBy = by;
    Attach(*line, leftPoint);
    Attach(*line, rightPoint);
    doc_.AddSlipLine(line.release());
    return SlipLineStatus::kMade;
}

SlipLineStatus SlipLineConstruction::MakeThroughInnerPoint(int inner, int left, int right) {
    int count = doc_.Blocks().GetCount();
    std::size_t n = static_cast<std::size_t>(count) + 2;
    CNode* leftPoint = nullptr;
    CNode* rightPoint = nullptr;
    int kL = kUnsetInt;
    int kR = kUnsetInt;
    SlipLineStatus status = LocateSurfacePoints(left, right, leftPoint, rightPoint, kL, kR);
    if (status != SlipLineStatus::kMade) {
        return status;
    }
    if (leftPoint && rightPoint && kL == kR) {
        AfxMessageBox(kSameBlock);
        return SlipLineStatus::kSameBlock;
    }
    groundClip_ = false;
    std::vector<double> ax, ay;
    int ki = kUnsetInt;
    status = MakeFromInnerPoint(ax, ay, inner, nullptr, ki);
    if (status != SlipLineStatus::kMade) {
        return status;
    }
    CNode* innerPoint = LookUpBoundary(doc_.BoundaryPoints(), inner);
    double ix = innerPoint->x;
    std::size_t k = static_cast<std::size_t>(ki);
    if (leftPoint && rightPoint && !(leftPoint->x <= ix && ix <= rightPoint->x)) {
        AfxMessageBox(u8"2個の地表境界点間に地中境界点がないため、すべり線作成できません");
        return SlipLineStatus::kInnerPointOutside;
    }
    if (leftPoint && leftPoint->x > ax[k]) {
        AfxMessageBox(u8"左地表境界点の左側に地中境界点があるため、すべり線作成できません");
        return SlipLineStatus::kInnerPointOutside;
    }
    if (rightPoint && rightPoint->x < ax[k]) {
        AfxMessageBox(u8"右地表境界点の右側に地中境界点があるため、すべり線作成できません");
        return SlipLineStatus::kInnerPointOutside;
    }
    std::vector<double> bx(n, kUnsetDouble), by(n, kUnsetDouble), cx, cy;
    auto blend = [&](std::size_t j, double t, double span) {
        if (doc_.Settings().m_nMethodOption == 1 || span == 0.0) {
            cx.push_back((ax[j] + bx[j]) / 2.0);
            cy.push_back((ay[j] + by[j]) / 2.0);
        } else {
            cx.push_back(ax[j] + (bx[j] - ax[j]) * t / span);
            cy.push_back(ay[j] + (by[j] - ay[j]) * t / span);
        }
    };
    auto clip = [&](int side) { ClipEndAtGround(ax, ay, side); };
    if (!leftPoint) {
        clip(+1);
        cx.assign(ax.begin(), ax.begin() + static_cast<long>(k) + 1);
        cy.assign(ay.begin(), ay.begin() + static_cast<long>(k) + 1);
    } else {
        std::size_t l = static_cast<std::size_t>(kL);
        bx[l] = leftPoint->x;
        by[l] = leftPoint->y;
        status = TraceThroughBlocks(bx, by, leftPoint->x, leftPoint->y, kL, ki - 1, kL + 1, +1);
        if (status != SlipLineStatus::kMade) {
            return status;
        }
        cx.push_back(bx[l]);
        cy.push_back(by[l]);
        for (std::size_t j = l + 1; j <= k; ++j) {
            blend(j, ix - (ax[j] + bx[j]) / 2.0, std::fabs(ix - leftPoint->x));
        }
    }
    cx.push_back(ax[k + 1]);
    cy.push_back(ay[k + 1]);
    if (!rightPoint) {
        clip(-1);
        cx.insert(cx.end(), ax.begin() + static_cast<long>(k) + 2, ax.end());
        cy.insert(cy.end(), ay.begin() + static_cast<long>(k) + 2, ay.end());
    } else {
        std::size_t r = static_cast<std::size_t>(kR);
        bx[r + 2] = rightPoint->x;
        by[r + 2] = rightPoint->y;
        status = TraceThroughBlocks(bx, by, rightPoint->x, rightPoint->y, kR, ki + 1, kR + 1, -1);
        if (status != SlipLineStatus::kMade) {
            return status;
        }
        for (std::size_t j = k + 2; j <= r + 1; ++j) {
            blend(j, (ax[j] + bx[j]) / 2.0 - ix, std::fabs(rightPoint->x - ix));
        }
        cx.push_back(bx[r + 2]);
        cy.push_back(by[r + 2]);
    }
    auto line = LineOf(cx, cy);
    line->traceAx = ax, line->traceAy = ay, line->traceBx = bx, line->traceBy = by;
    for (CNode* point : {leftPoint, rightPoint, innerPoint}) {
        if (point) {
            Attach(*line, point);
        }
    }
    doc_.AddSlipLine(line.release());
    return SlipLineStatus::kMade;
}

SlipLineStatus SlipLineConstruction::MakeSlipLine(const char* resultPath) {
    // Earlier lines step back for the new one; a run that makes none leaves them as they were.
    CObList& lines = doc_.SlipLines();
    std::vector<int> shown;
    POSITION pos = lines.GetHeadPosition();
    while (pos) {
        CVerrant* line = static_cast<CVerrant*>(lines.GetNext(pos));
        shown.push_back(line->visible2);
        line->visible2 = 0;
    }
    const SlipLineStatus status = MakeOneSlipLine(resultPath);
    if (status == SlipLineStatus::kMade) {
        return status;
    }
    pos = lines.GetHeadPosition();
    for (int flag : shown) {
        static_cast<CVerrant*>(lines.GetNext(pos))->visible2 = flag;
    }
    return status;
}

SlipLineStatus SlipLineConstruction::MakeOneSlipLine(const char* resultPath) {
    int inner = kUnsetInt;
    int left = kUnsetInt;
    int right = kUnsetInt;
    doc_.GetBoundaryPointNumbers(inner, left, right);
    bool surface = left != kUnsetInt || right != kUnsetInt;
    if (doc_.Settings().m_nMethod == CBlockDoc::kPolynomial) {
        return MakeFromSolverResult(resultPath, inner, left, right);
    }
    if (surface && inner == kUnsetInt) {
        groundClip_ = true;
        return MakeFromSurfacePoints(left, right);
    }
    if (surface) {
        return MakeThroughInnerPoint(inner, left, right);
    }
    if (inner == kUnsetInt) {
        return SlipLineStatus::kNoBoundaryPoints;
    }
    auto line = std::make_unique<CVerrant>(doc_.SlipLines().GetCount() + 1);
    std::vector<double> xs, ys;
    groundClip_ = true;
    int block = kUnsetInt;
    SlipLineStatus status = MakeFromInnerPoint(xs, ys, inner, line.get(), block);
    if (status == SlipLineStatus::kMade) {
        static_cast<void>(line.release()); // the slip-line list owns it now
    }
    return status;
}

SlipLineStatus SlipLineConstruction::MakeFromSolverResult(const char* resultPath, int inner, int left,
                                                          int right) {
    if (!resultPath) {
        return SlipLineStatus::kNoSolverResult;
    }
    std::vector<std::array<double, 3>> coefficients;
    std::vector<std::array<double, 2>> ranges;
    if (doc_.ReadSolverResult(resultPath, coefficients, ranges) < 1) {
        return SlipLineStatus::kNoSolverResult;
    }
    double span = std::fabs(ranges.back()[1] - ranges.front()[0]);
    double unit = span / 30.0;
    std::vector<double> xs, ys;
    for (std::size_t b = 0; b < ranges.size(); ++b) {
        double length = std::fabs(ranges[b][1] - ranges[b][0]);
        int n = unit > 0.0 ? static_cast<int>(length / unit) : 2;
        n = std::max(n, 2);
        double dx = length / n;
        for (int k = 0; k <= n; ++k) {
            double x = ranges[b][0] + k * dx;
            xs.push_back(x);
            ys.push_back(coefficients[b][0] * x * x + coefficients[b][1] * x + coefficients[b][2]);
        }
    }
    if (xs.empty()) {
        AfxMessageBox(u8"すべり線を作成できません");
        return SlipLineStatus::kEmptySolverResult;
    }
    auto line = LineOf(xs, ys);
    for (int number : {left, right, inner}) {
        if (number == kUnsetInt) {
            continue;
        }
        CNode* point = LookUpBoundary(doc_.BoundaryPoints(), number);
        if (!point) {
            return SlipLineStatus::kNoBoundaryPoint;
        }
        Attach(*line, point);
    }
    doc_.AddSlipLine(line.release());
    return SlipLineStatus::kMade;
}

} // namespace torvan
