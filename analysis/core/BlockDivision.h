#pragma once
// Dividing the section into blocks for the two polygon methods: one block line between
// each pair of neighbouring measurement points (a vertical line halfway between them in the
// parallel method, the bisector of their vectors' normals in the rotation method), the
// blocks between those lines and two vertical lines outside the model, and each block's
// displacement record. Also the check of the block-line table's lines for the polynomial
// method. The division lives in the document (CBlockDoc::BlockLines, Blocks, VectorPoints).

#include "analysis/core/CBlockDoc.h"

#include <vector>

class CObList;

namespace torvan {

class CDispData;

enum class BlockDivisionStatus {
    kDone,
    // No displacement records, or no ground-surface line: the earlier division stays.
    kNothingToDivide,
    // Fewer than two displacement records: the earlier division is emptied.
    kTooFewRecords,
    // Two neighbouring vectors point the same way (after the message), so their block line
    // has no place: the earlier division is emptied.
    kParallelVectors,
};

// Result of the block-line table's check, with the codes of the original check.
enum class BlockLineCheck {
    kValid = 0,
    kTooFewConditions = 1, // fewer than two measurement records, or a condition outside the lines
    kEmptyBlock = 3,       // a block that no condition falls in (two lines at one x included)
    kInvalidLine = 9,      // an unset position or a weight outside 0..1
};

struct BlockDivisionResult {
    BlockDivisionStatus status = BlockDivisionStatus::kNothingToDivide;
    // When done: the in-use records by x of their measurement points, and the block lines
    // between neighbours (upper end at the top of the model plus a tenth, lower end below).
    std::vector<CDispData*> records;
    std::vector<BlockLineRecord> lines;
    bool Done() const { return status == BlockDivisionStatus::kDone; }
};

class BlockDivision {
public:
    explicit BlockDivision(CBlockDoc& doc) : doc_(doc) {}

    // Makes the block lines from the displacement records with the document's method and
    // vector mode, and then the blocks; the document keeps both.
    BlockDivisionResult MakeBlockLines();
    // Makes the blocks between the document's block lines, with their records.
    void MakeBlocks();
    // Points each block at the first in-use displacement record inside it (null when none)
    // and makes that record's vector.
    void AttachBlockRecords();
    // Empties the ordered measurement list, the block lines and the blocks.
    void Clear();
    // Replaces the block lines by vertical lines at xs with weights betas, from a tenth of
    // the model's height above it to a tenth below.
    void MakeVerticalLines(const double* xs, const double* betas, int count);

    // Index of the first block holding (x, y), unset when none does.
    static int FindBlockIndex(const CObList& blocks, double x, double y);
    // The block-line table's lines against the boundary points and the measurement records.
    static BlockLineCheck CheckBlockLineConditions(const CBlockDoc& doc);

private:
    // The block lines of the ordered records; a status other than done after the message.
    BlockDivisionStatus LinesBetween(const std::vector<CDispData*>& ordered,
                                     std::vector<BlockLineRecord>& lines);

    CBlockDoc& doc_;
};

} // namespace torvan
