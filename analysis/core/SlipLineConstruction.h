#pragma once
// Building one new slip line. The two polygon methods trace it through the document's
// blocks from the boundary points the user placed, each segment parallel to its block's
// displacement vector: from the surface points (one or two), through an inner point (with
// or without surface points), and cut at the ground where an end passes it. The polynomial
// method samples the solver result's parabolas block by block. Each failure shows its one
// message; the line made goes to the document (CBlockDoc::AddSlipLine).

#include "analysis/core/CBlockDoc.h"

#include <vector>

namespace torvan {

class CBlock;
class CDispData;
class CVerrant;

enum class SlipLineStatus {
    kMade,
    // The polygon methods without any boundary point in use: nothing to trace from.
    kNoBoundaryPoints,
    // A boundary point's number names no point ("境界点座標が取得できません").
    kNoBoundaryPoint,
    // A boundary point lies in no block.
    kNoBlock,
    // The two surface points lie in one block.
    kSameBlock,
    // The left surface point lies right of the right one's block.
    kSurfacePointsReversed,
    // The inner point is not between the surface points, or lies outside one of them.
    kInnerPointOutside,
    // A trace met a block without a record, or its vector misses the block's edge.
    kNoCrossing,
    // The polynomial method without a result file, or a result that could not be read.
    kNoSolverResult,
    // The solver's result holds no block to sample.
    kEmptySolverResult,
};

class SlipLineConstruction {
public:
    explicit SlipLineConstruction(CBlockDoc& doc) : doc_(doc) {}

    // Builds one new slip line with the document's method from its in-use boundary points
    // (the polynomial method from the solver result file at resultPath; null makes none).
    // The earlier lines step back (visible2 = 0) for the new one; a run that makes none
    // leaves them as they were.
    SlipLineStatus MakeSlipLine(const char* resultPath);

    // The points where segment a-b crosses the ground-surface line, walked from a's side;
    // true when it crosses.
    bool IntersectGroundLine(const DPoint& a, const DPoint& b, std::vector<DPoint>& points) const;

private:
    SlipLineStatus MakeOneSlipLine(const char* resultPath);
    SlipLineStatus MakeFromSurfacePoints(int left, int right);
    SlipLineStatus MakeThroughInnerPoint(int inner, int left, int right);
    // Traces from the inner point both ways through all blocks into xs, ys (block count +
    // 2 points); block receives the inner point's block. With line, the trace becomes it
    // and is added to the document.
    SlipLineStatus MakeFromInnerPoint(std::vector<double>& xs, std::vector<double>& ys, int number,
                                      CVerrant* line, int& block);
    SlipLineStatus MakeFromSolverResult(const char* resultPath, int inner, int left, int right);
    // The surface boundary points by number and their blocks.
    SlipLineStatus LocateSurfacePoints(int left, int right, CNode*& leftPoint, CNode*& rightPoint, int& kL,
                                       int& kR) const;
    // Walks the blocks from firstBlock in step's direction (to lastBlock, or to the last
    // block when unset), storing each crossing with the block's far edge from firstIndex on.
    SlipLineStatus TraceThroughBlocks(std::vector<double>& xs, std::vector<double>& ys, double startX,
                                      double startY, int firstBlock, int lastBlock, int firstIndex,
                                      int step) const;
    // Where the line through (x, y) along the record's vector meets the edge (x1, y1, x2, y2).
    static bool IntersectVectorWithEdge(const CDispData& disp, double x, double y, const double edge[4],
                                        DPoint& point);
    // Whether (x, y) lies above the ground line beyond one of its ends.
    bool IsBeyondGroundLineEnd(double x, double y) const;
    // The crossing of the outer segment of one end of a traced line with the ground (side
    // > 0: the first point, else the last), or with y = 0 under the outer measurement point
    // beyond the ground line's end; index is the point to replace, unset when none.
    void ClipSlipLineEnd(const std::vector<double>& xs, const std::vector<double>& ys, DPoint& point,
                         int& index, int count, int side) const;
    // Replaces an end of a traced line by its crossing with the ground, when there is one.
    void ClipEndAtGround(std::vector<double>& xs, std::vector<double>& ys, int side) const;

    CBlockDoc& doc_;
    // The ends of a line traced from the surface points or from an inner point alone are cut
    // at the ground; the half-lines of a line through an inner point are cut by hand.
    bool groundClip_ = false;
};

} // namespace torvan
