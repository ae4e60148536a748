// Division of the measurement points into blocks and the merging of blocks short of conditions.

#include "solver/BlockPartition.h"

#include <gtest/gtest.h>

namespace kalipe {
namespace {

TEST(BlockPartition, ShortMiddleBlockGivesUpItsRightLine) {
    // Between the lines at 2 and 4 lie no points: 0 + 2 conditions, so the line at 4 goes.
    const BlockLayout layout = BlockPartition::Partition({1, 5, 6, 7}, {2, 4}, std::nullopt, 1, 1);
    EXPECT_EQ(layout.keptLines, (std::vector<int>{0}));
    EXPECT_EQ(layout.pointsPerBlock, (std::vector<int>{1, 3}));
    EXPECT_EQ(layout.innerBlock, -1);
}

TEST(BlockPartition, InnerPointKeepsAnOtherwiseEmptyBlock) {
    const BlockLayout layout = BlockPartition::Partition({1, 5, 6, 7}, {2, 4}, 3.0, 1, 1);
    EXPECT_EQ(layout.keptLines, (std::vector<int>{0, 1}));
    EXPECT_EQ(layout.pointsPerBlock, (std::vector<int>{1, 0, 3}));
    EXPECT_EQ(layout.innerBlock, 1);
}

TEST(BlockPartition, ShortLastBlockWithoutRightPointLeavesOneBlock) {
    // Two points left of the line, none right of it and no right boundary point: 2 + 0 - 1.
    const BlockLayout layout = BlockPartition::Partition({1, 2}, {3}, std::nullopt, 1, 0);
    EXPECT_TRUE(layout.keptLines.empty());
    EXPECT_EQ(layout.pointsPerBlock, (std::vector<int>{2}));
}

TEST(BlockPartition, PointOnALineBelongsToTheBlockLeftOfItAndTheInnerPointToTheRight) {
    const BlockLayout layout = BlockPartition::Assign({1, 3, 5}, {3}, 3.0);
    EXPECT_EQ(layout.pointsPerBlock, (std::vector<int>{2, 1}));
    EXPECT_EQ(layout.innerBlock, 1);
}

TEST(BlockPartition, MergedAwayBlockHandsItsInnerPointOn) {
    // The first block (no points, no left inclination) merges; the inner point at 1.5 then lies in
    // the block that ends at the line at 4.
    const BlockLayout layout = BlockPartition::Partition({3, 5, 6, 7}, {2, 4}, 1.5, 0, 1);
    EXPECT_EQ(layout.keptLines, (std::vector<int>{1}));
    EXPECT_EQ(layout.pointsPerBlock, (std::vector<int>{1, 3}));
    EXPECT_EQ(layout.innerBlock, 0);
}

} // namespace
} // namespace kalipe
