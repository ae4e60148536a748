#include "DocumentTestSupport.h"
#include "testsupport/TempDir.h"

#include "analysis/core/BlockDivision.h"
#include "analysis/core/CBlock.h"
#include "analysis/core/CDispData.h"
#include "analysis/core/CVerrant.h"
#include "platform/core/Unset.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <memory>
#include <unistd.h>

using section::PointKind;

using platform::kUnsetDouble;
using platform::Utf8;
using torvan::BlockDivisionStatus;
using torvan::CBlock;
using torvan::CBlockDoc;
using torvan::CDispData;
using torvan::CNode;
using torvan::CVerrant;

class BlockDivisionTest : public DocumentTest {
protected:
    // A flat ground line at y = 10 from x = 0 to 30 and measurement points on it.
    void Build(const std::vector<std::pair<double, DPoint>>& sites) {
        doc_.ImportPointRun({{0, 10}, {30, 10}});
        doc_.GroundOrder().AddTail(doc_.GroundPoints()[0]);
        doc_.GroundOrder().AddTail(doc_.GroundPoints()[1]);
        WORD key = 0;
        for (const auto& [x, vector] : sites) {
            int siteKey = -1;
            doc_.InsertSitePoint(x, 10, siteKey);
            auto* disp = new CDispData;
            disp->count = 1;
            disp->col1 = {vector.x};
            disp->col2 = {vector.y};
            disp->readingUsed = {1};
            disp->baseX = x;
            disp->baseY = 10;
            doc_.Displacements().SetAt(key++, disp);
        }
    }
    CVerrant* LastLine() { return static_cast<CVerrant*>(doc_.SlipLines().GetTail()); }
    const CBlock* Block(int index) {
        return static_cast<const CBlock*>(doc_.Blocks().GetAt(doc_.Blocks().FindIndex(index)));
    }
};

TEST_F(BlockDivisionTest, TooFewMeasurementPointsBuildNothing) {
    Build({{5, {1, -1}}});
    EXPECT_EQ(doc_.MakeBlockLines(), BlockDivisionStatus::kTooFewRecords);
    EXPECT_TRUE(doc_.BlockLines().empty());
}

// The records are ordered by an exchange sort, as the analysis files were always divided:
// two records at one x are never swapped with each other, but a smaller x from behind
// swaps with the first of them and so passes it over the second.
TEST_F(BlockDivisionTest, EqualXKeepTheOrderOfTheExchangeSort) {
    Build({{5, {1, -1}}, {5, {2, -1}}, {1, {1, -1}}});
    doc_.Settings().m_nMethod = CBlockDoc::kParallel;
    ASSERT_EQ(doc_.MakeBlockLines(), BlockDivisionStatus::kDone);
    std::vector<CObject*> order;
    POSITION pos = doc_.VectorPoints().GetHeadPosition();
    while (pos) {
        order.push_back(doc_.VectorPoints().GetNext(pos));
    }
    EXPECT_EQ(order, (std::vector<CObject*>{doc_.Displacements()[2], doc_.Displacements()[1],
                                            doc_.Displacements()[0]}));
}

TEST_F(BlockDivisionTest, ParallelMethodDividesHalfwayWithMargins) {
    Build({{5, {1, -1}}, {15, {1, -1}}, {25, {1, -1}}});
    doc_.Settings().m_nMethod = CBlockDoc::kParallel;
    ASSERT_EQ(doc_.MakeBlockLines(), BlockDivisionStatus::kDone);
    ASSERT_EQ(doc_.BlockLines().size(), 2u);
    // Extent y 10..10 widens to -40..60; margins 10 % of the height.
    EXPECT_EQ(doc_.BlockLines()[0].x1, 10);
    EXPECT_EQ(doc_.BlockLines()[0].y1, 70);
    EXPECT_EQ(doc_.BlockLines()[0].y2, -50);
    EXPECT_EQ(doc_.BlockLines()[1].x2, 20);
    EXPECT_EQ(doc_.BlockLines()[1].beta, 0.1);
    ASSERT_EQ(doc_.Blocks().GetCount(), 3);
    EXPECT_EQ(Block(0)->vertexCount, 4);
    EXPECT_EQ(Block(0)->x[0], -3); // the left frame line at xmin - 10 % of the width
    EXPECT_EQ(Block(2)->x[3], 33);
    EXPECT_EQ(Block(1)->disp, static_cast<CDispData*>(doc_.Displacements()[1]));
    EXPECT_EQ(doc_.FindBlockIndex(12, 0), 1);
    EXPECT_EQ(doc_.FindBlockIndex(100, 0), platform::kUnsetInt);
}

TEST_F(BlockDivisionTest, RotationMethodBisectsTheNormalsAtTheirCrossing) {
    Build({{0, {1, -1}}, {10, {1, 1}}});
    doc_.Settings().m_nMethod = CBlockDoc::kRotation;
    ASSERT_EQ(doc_.MakeBlockLines(), BlockDivisionStatus::kDone);
    ASSERT_EQ(doc_.BlockLines().size(), 1u);
    // Normals y - 10 = x and y - 10 = -(x - 10) cross at (5, 15); the bisector points straight down.
    EXPECT_NEAR(doc_.BlockLines()[0].x1, 5, 1e-9);
    EXPECT_NEAR(doc_.BlockLines()[0].x2, 5, 1e-9);
    EXPECT_TRUE(platform::IsUnsetDouble(doc_.BlockLines()[0].beta));
}

TEST_F(BlockDivisionTest, ParallelVectorsFailAndLeaveNoBlocksOfTheEarlierDivision) {
    Build({{5, {1, -1}}, {15, {1, -1}}});
    doc_.Settings().m_nMethod = CBlockDoc::kParallel;
    ASSERT_EQ(doc_.MakeBlockLines(), BlockDivisionStatus::kDone);
    ASSERT_EQ(doc_.Blocks().GetCount(), 2);
    doc_.Settings().m_nMethod = CBlockDoc::kRotation;
    EXPECT_EQ(doc_.MakeBlockLines(), BlockDivisionStatus::kParallelVectors);
    EXPECT_EQ(sink_.LastMessageUtf8(),
              Utf8(u8"隣接する変位ﾍﾞｸﾄﾙ方向が等しいため、ﾌﾞﾛｯｸ分割線を作成できません"));
    EXPECT_TRUE(doc_.BlockLines().empty());
    EXPECT_EQ(doc_.Blocks().GetCount(), 0);
}

TEST_F(BlockDivisionTest, OneMeasurementPointLeftLeavesNoBlocksOfTheEarlierDivision) {
    Build({{5, {1, -1}}, {15, {1, -1}}});
    ASSERT_EQ(doc_.MakeBlockLines(), BlockDivisionStatus::kDone);
    std::unique_ptr<CObject> removed(doc_.Displacements()[1]);
    doc_.Displacements().RemoveKey(1);
    EXPECT_EQ(doc_.MakeBlockLines(), BlockDivisionStatus::kTooFewRecords);
    EXPECT_EQ(doc_.Blocks().GetCount(), 0);
    EXPECT_EQ(sink_.MessageCount(), 0);
}

TEST_F(BlockDivisionTest, SlipLineFromTheLeftSurfacePointIsClippedAtTheGround) {
    Build({{5, {1, -1}}, {15, {1, -1}}, {25, {1, 2}}});
    doc_.Settings().m_nMethod = CBlockDoc::kParallel;
    ASSERT_EQ(doc_.MakeBlockLines(), BlockDivisionStatus::kDone);
    doc_.InsertPoint(2, 10, PointKind::kLeftBoundary);
    doc_.MakeSlipLines(nullptr);
    ASSERT_EQ(doc_.SlipLines().GetCount(), 1) << sink_.LastMessageUtf8();
    CVerrant* line = LastLine();
    // (2, 10) -> x = 10 at y = 2 -> x = 20 at y = -8 -> up at slope 2, meeting the ground at (29, 10).
    EXPECT_EQ(line->x, (std::vector<double>{2, 10, 20, 29}));
    EXPECT_EQ(line->y, (std::vector<double>{10, 2, -8, 10}));
    EXPECT_EQ(line->boundary[0]->kind, PointKind::kLeftBoundary);
    EXPECT_EQ(line->boundary[0]->slipMark, 1);
    EXPECT_EQ(line->number, 1);
    EXPECT_EQ(line->name, CString(u8"すべり線"));
}

TEST_F(BlockDivisionTest, TwoSurfacePointsBlendTheTwoTraces) {
    Build({{5, {1, -1}}, {15, {1, 0.0001}}, {25, {1, 1}}});
    doc_.ReadingDates().clear();
    static_cast<CDispData*>(doc_.Displacements()[1])->col2 = {0.0}; // horizontal
    doc_.Settings().m_nMethod = CBlockDoc::kParallel;
    doc_.Settings().m_nMethodOption = 1; // simple average
    ASSERT_EQ(doc_.MakeBlockLines(), BlockDivisionStatus::kDone);
    doc_.InsertPoint(2, 10, PointKind::kLeftBoundary);
    doc_.InsertPoint(28, 10, PointKind::kRightBoundary);
    doc_.MakeSlipLines(nullptr);
    ASSERT_EQ(doc_.SlipLines().GetCount(), 1) << sink_.LastMessageUtf8();
    CVerrant* line = LastLine();
    // Trace A from the left: (10, 2), (20, 2). Trace B from the right: (20, 2), (10, 2).
    ASSERT_EQ(line->pointCount, 4);
    EXPECT_NEAR(line->x[1], 10, 1e-12);
    EXPECT_NEAR(line->y[1], 2, 1e-12);
    EXPECT_NEAR(line->y[2], 2, 1e-12);
    EXPECT_EQ(line->traceAx.size(), 4u);
}

TEST_F(BlockDivisionTest, SurfacePointsInOneBlockOrSwappedAreRefused) {
    Build({{5, {1, -1}}, {15, {1, -1}}});
    ASSERT_EQ(doc_.MakeBlockLines(), BlockDivisionStatus::kDone);
    doc_.InsertPoint(1, 10, PointKind::kLeftBoundary);
    doc_.InsertPoint(3, 10, PointKind::kRightBoundary);
    doc_.MakeSlipLines(nullptr);
    EXPECT_EQ(doc_.SlipLines().GetCount(), 0);
    EXPECT_EQ(sink_.LastMessageUtf8(),
              Utf8(u8"2個の地表境界点が同一ﾌﾞﾛｯｸ内にあるため、すべり線作成できません"));
}

TEST_F(BlockDivisionTest, PolynomialResultIsSampledPerBlock) {
    Build({{5, {1, -1}}, {15, {1, -1}}});
    doc_.Settings().m_nMethod = CBlockDoc::kPolynomial;
    doc_.InsertPoint(2, 10, PointKind::kLeftBoundary);
    const testsupport::TempDir dir("poly");
    const std::string path =
        dir.Write("poly.slf", "t\r\nblocks            2\r\nhead\r\n 0 -0.5 10 0 29\r\n 0.01 -1 20 29 30\r\n");
    doc_.MakeSlipLines(path.c_str());
    ASSERT_EQ(doc_.SlipLines().GetCount(), 1) << sink_.LastMessageUtf8();
    CVerrant* line = LastLine();
    // Span 30, unit 1: the first block 29 steps (30 points), the second raised to 2 steps (3 points).
    ASSERT_EQ(line->pointCount, 33);
    EXPECT_EQ(line->x[29], 29);
    EXPECT_EQ(line->x[30], 29);
    EXPECT_DOUBLE_EQ(line->y[32], 0.01 * 900 - 30 + 20);
    EXPECT_EQ(line->method, CBlockDoc::kPolynomial);
    EXPECT_EQ(line->boundary[0]->kind, PointKind::kLeftBoundary);
}

TEST_F(BlockDivisionTest, BlockLineTableConditions) {
    Build({{5, {1, -1}}, {15, {1, -1}}, {25, {1, -1}}});
    doc_.BlockLineTable() = {{10, 0.1}, {20, 0.1}};
    double width, height;
    doc_.GetModelExtent(width, height);
    EXPECT_EQ(doc_.CheckBlockLineConditions(), torvan::BlockLineCheck::kValid);
    doc_.BlockLineTable() = {{10, 0.1}, {12, 0.1}};
    EXPECT_EQ(doc_.CheckBlockLineConditions(),
              torvan::BlockLineCheck::kEmptyBlock); // the block 10..12 holds no measurement point
    static_cast<CDispData*>(doc_.Displacements()[1])->inUse = 0;
    static_cast<CDispData*>(doc_.Displacements()[2])->inUse = 0;
    EXPECT_EQ(doc_.CheckBlockLineConditions(), torvan::BlockLineCheck::kTooFewConditions);
}

TEST_F(BlockDivisionTest, NearestGroundCrossingOnAVertical) {
    Build({{5, {1, -1}}, {15, {1, -1}}});
    DPoint point;
    ASSERT_EQ(doc_.FindNearestIntersection(12, -4, point), 1);
    EXPECT_EQ(point.x, 12);
    EXPECT_EQ(point.y, 10);
    EXPECT_EQ(doc_.FindNearestIntersection(40, 0, point), 0);
}
