// Block lines, blocks and slip lines of a small section against numbers worked out apart
// from the program: data/hand_section.py (plain line algebra and a crossing-number
// point-in-polygon test) printed the values pasted here; the rest are worked out in the
// comments.
//
// The section: ground (0, 20) (10, 18) (20, 15) (30, 11) (40, 10); measurement points
// A (10, 18), B (20, 15), C (30, 11); left surface point (4, 19.2), right one (36, 10.4).
// The band of the blocks: x from -4 to 44, y from 21 down to 9 (10 % margins).

#include "DocumentTestSupport.h"

#include "analysis/core/AnalysisRun.h"
#include "analysis/core/BlockDivision.h"
#include "analysis/core/CBlock.h"
#include "analysis/core/CDispData.h"
#include "analysis/core/CVerrant.h"
#include "analysis/core/SlipLineConstruction.h"
#include "platform/core/Unset.h"

#include <cmath>

using section::PointKind;

using platform::IsUnsetDouble;
using platform::kUnsetInt;
using platform::Utf8;
using torvan::BlockDivisionStatus;
using torvan::CBlock;
using torvan::CBlockDoc;
using torvan::CDispData;
using torvan::CNode;
using torvan::CVerrant;
using torvan::SlipLineStatus;

namespace {

const DPoint kLeft{4, 19.2};
const DPoint kRight{36, 10.4};
const char8_t kNoCrossing[] = u8"ﾌﾞﾛｯｸ線交点が見つからないためすべり線作成できません !!";
const char8_t kSameDirection[] = u8"隣接する変位ﾍﾞｸﾄﾙ方向が等しいため、ﾌﾞﾛｯｸ分割線を作成できません";

} // namespace

class SlipLineHandTest : public DocumentTest {
protected:
    // The ground line and one measurement point per vector (A, B, C unless sites are given).
    void Build(const std::vector<DPoint>& vectors,
               std::vector<DPoint> sites = {{10, 18}, {20, 15}, {30, 11}}) {
        doc_.ImportPointRun({{0, 20}, {10, 18}, {20, 15}, {30, 11}, {40, 10}});
        for (WORD key = 0; key < 5; ++key) {
            doc_.GroundOrder().AddTail(doc_.GroundPoints()[key]);
        }
        for (std::size_t i = 0; i < vectors.size(); ++i) {
            int siteKey = -1;
            doc_.InsertSitePoint(sites[i].x, sites[i].y, siteKey);
            auto* disp = new CDispData;
            disp->count = 1;
            disp->col1 = {vectors[i].x};
            disp->col2 = {vectors[i].y};
            disp->readingUsed = {1};
            disp->baseX = sites[i].x;
            disp->baseY = sites[i].y;
            doc_.Displacements().SetAt(static_cast<WORD>(i), disp);
        }
        sink_.Clear(); // the questions about sites on ground points, answered Yes
    }
    void Surface(DPoint left, DPoint right) {
        if (!IsUnsetDouble(left.x)) {
            doc_.InsertPoint(left.x, left.y, PointKind::kLeftBoundary);
        }
        if (!IsUnsetDouble(right.x)) {
            doc_.InsertPoint(right.x, right.y, PointKind::kRightBoundary);
        }
    }
    // The analysis command's run of a polygon method.
    int Run(int method, int option) { return torvan::AnalysisRun(doc_, nullptr).Run(method, option); }
    CVerrant* Line(int index) {
        return static_cast<CVerrant*>(doc_.SlipLines().GetAt(doc_.SlipLines().FindIndex(index)));
    }
    const CBlock* Block(int index) {
        return static_cast<const CBlock*>(doc_.Blocks().GetAt(doc_.Blocks().FindIndex(index)));
    }
    CDispData* Disp(WORD key) { return static_cast<CDispData*>(doc_.Displacements()[key]); }
    static void ExpectPoints(const CVerrant& line, const std::vector<DPoint>& expected) {
        ASSERT_EQ(line.pointCount, static_cast<int>(expected.size()));
        ASSERT_EQ(line.x.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i) {
            EXPECT_NEAR(line.x[i], expected[i].x, 1e-9) << "point " << i;
            EXPECT_NEAR(line.y[i], expected[i].y, 1e-9) << "point " << i;
        }
    }
    static void ExpectVertices(const CBlock& block, const std::vector<DPoint>& expected) {
        ASSERT_EQ(block.vertexCount, static_cast<int>(expected.size()));
        for (std::size_t i = 0; i < expected.size(); ++i) {
            EXPECT_NEAR(block.x[i], expected[i].x, 1e-9) << "vertex " << i;
            EXPECT_NEAR(block.y[i], expected[i].y, 1e-9) << "vertex " << i;
        }
    }
};

TEST_F(SlipLineHandTest, ParallelMethodWithBothTwoPointTreatments) {
    Build({{1, -1}, {2, -1}, {1, 0.5}});
    Surface(kLeft, kRight);
    ASSERT_EQ(Run(CBlockDoc::kParallel, 0), 1) << sink_.LastMessageUtf8();
    ASSERT_EQ(doc_.BlockLines().size(), 2u);
    EXPECT_EQ(doc_.BlockLines()[0].x1, 15);
    EXPECT_EQ(doc_.BlockLines()[1].x2, 25);
    EXPECT_EQ(doc_.BlockLines()[0].y1, 21);
    EXPECT_EQ(doc_.BlockLines()[0].y2, 9);
    ASSERT_EQ(doc_.Blocks().GetCount(), 3);
    ExpectVertices(*Block(0), {{-4, 21}, {-4, 9}, {15, 9}, {15, 21}});
    ExpectVertices(*Block(2), {{25, 21}, {25, 9}, {44, 9}, {44, 21}});
    for (WORD i = 0; i < 3; ++i) {
        EXPECT_EQ(Block(i)->disp, Disp(i));
        EXPECT_EQ(Block(i)->number2, i + 1);
    }
    ExpectPoints(*Line(0), {{4, 19.2}, {15, 8.784375}, {25, 4.315625}, {36, 10.4}});
    ASSERT_EQ(Run(CBlockDoc::kParallel, 1), 1) << sink_.LastMessageUtf8();
    ExpectPoints(*Line(1), {{4, 19.2}, {15, 9.05}, {25, 4.05}, {36, 10.4}});
    // The traces themselves: A from the left, B from the right, on the same block lines.
    EXPECT_EQ(Line(1)->traceAy[1], 19.2 - 11);
    EXPECT_EQ(Line(1)->traceBy[2], 10.4 - 5.5);
    EXPECT_EQ(Line(0)->visible2, 0);
    EXPECT_EQ(Line(1)->number, 2);
    EXPECT_EQ(Line(1)->methodOption, 1);
    EXPECT_EQ(Line(1)->boundary[0]->kind, PointKind::kLeftBoundary);
    EXPECT_EQ(Line(1)->boundary[1]->kind, PointKind::kRightBoundary);
    EXPECT_EQ(Line(1)->boundary[2], nullptr);
    EXPECT_EQ(sink_.MessageCount(), 0);
}

TEST_F(SlipLineHandTest, ABoundaryPointOnABlockLineBelongsToTheBlockLeftOfIt) {
    Build({{1, -1}, {2, -1}, {1, 0.5}});
    Surface({15, 16.5}, kRight);
    ASSERT_EQ(Run(CBlockDoc::kParallel, 0), 1) << sink_.LastMessageUtf8();
    EXPECT_EQ(doc_.FindBlockIndex(15, 16.5), 0);
    // Its first crossing is the point itself: the line repeats it.
    ExpectPoints(*Line(0), {{15, 16.5}, {15, 16.5}, {25, 8.35714285714}, {36, 10.4}});
}

TEST_F(SlipLineHandTest, AHorizontalVectorTracesLevelAndTheOpenEndIsCutAtTheGround) {
    Build({{1, -1}, {1, 0}, {1, 0.5}});
    Surface(kLeft, DPoint::Unset());
    ASSERT_EQ(Run(CBlockDoc::kParallel, 0), 1) << sink_.LastMessageUtf8();
    EXPECT_EQ(Disp(1)->vectorKind, SegmentKind::kHorizontal);
    // Traced (4, 19.2) (15, 8.2) (25, 8.2) (44, 17.7); the last segment y = 0.5x - 4.3
    // meets the ground y = 14 - 0.1x at x = 30.5.
    ExpectPoints(*Line(0), {{4, 19.2}, {15, 8.2}, {25, 8.2}, {30.5, 10.95}});
}

TEST_F(SlipLineHandTest, AVerticalVectorNeverMeetsAVerticalBlockLine) {
    Build({{1, -1}, {0, -1}, {1, 0.5}});
    Surface(kLeft, kRight);
    EXPECT_EQ(Run(CBlockDoc::kParallel, 0), 0);
    EXPECT_EQ(Disp(1)->vectorKind, SegmentKind::kVertical);
    EXPECT_EQ(doc_.SlipLines().GetCount(), 0);
    EXPECT_EQ(sink_.MessagesUtf8(), std::vector<std::string>{Utf8(kNoCrossing)});
}

TEST_F(SlipLineHandTest, RotationMethodBisectsTheNormalsAndTracesBothTreatments) {
    // A sloped, B vertical (horizontal normal y = 15), C sloped: the normals of A and B meet
    // at (7, 15), those of B and C at (32, 15).
    Build({{1, -1}, {0, -1}, {1, -0.5}});
    Surface(kLeft, kRight);
    ASSERT_EQ(Run(CBlockDoc::kRotation, 0), 1) << sink_.LastMessageUtf8();
    ASSERT_EQ(doc_.BlockLines().size(), 2u);
    const auto& first = doc_.BlockLines()[0];
    const auto& second = doc_.BlockLines()[1];
    EXPECT_NEAR(first.x1, 21.4852813742, 1e-9);
    EXPECT_NEAR(first.x2, -7.48528137424, 1e-9);
    EXPECT_NEAR(second.x1, 41.7082039325, 1e-9);
    EXPECT_NEAR(second.x2, 22.2917960675, 1e-9);
    EXPECT_TRUE(IsUnsetDouble(first.beta));
    // The first line leaves the band through the left frame at y = 15 - 11 tan(pi/8): the
    // first block is the triangle above that crossing.
    ASSERT_EQ(doc_.Blocks().GetCount(), 3);
    ExpectVertices(*Block(0), {{-4, 21}, {-4, 15 - 11 * std::tan(std::atan(1.0) / 2)}, {21.4852813742, 21}});
    EXPECT_EQ(Block(0)->disp, Disp(0));
    EXPECT_EQ(Block(1)->disp, Disp(1));
    EXPECT_EQ(Block(2)->disp, Disp(2));
    ExpectPoints(*Line(0),
                 {{4, 19.2}, {17.916781765, 19.5218790645}, {17.916781765, 6.2960924598}, {36, 10.4}});
    ASSERT_EQ(Run(CBlockDoc::kRotation, 1), 1) << sink_.LastMessageUtf8();
    ExpectPoints(*Line(1),
                 {{4, 19.2}, {18.7615087204, 19.871776426}, {18.7615087204, 6.81816242945}, {36, 10.4}});
    EXPECT_EQ(Line(1)->method, CBlockDoc::kRotation);
}

TEST_F(SlipLineHandTest, AVerticalAndAHorizontalVectorMakeAVerticalLineThroughTheirCrossing) {
    // B's normal is y = 15, C's is x = 30: the line x = 30 through (30, 15), value unset.
    Build({{1, -1}, {0, -1}, {1, 0}});
    doc_.Settings().m_nMethod = CBlockDoc::kRotation;
    ASSERT_EQ(doc_.MakeBlockLines(), BlockDivisionStatus::kDone) << sink_.LastMessageUtf8();
    ASSERT_EQ(doc_.BlockLines().size(), 2u);
    EXPECT_NEAR(doc_.BlockLines()[0].x1, 21.4852813742, 1e-9);
    EXPECT_EQ(doc_.BlockLines()[1].x1, 30);
    EXPECT_EQ(doc_.BlockLines()[1].x2, 30);
    EXPECT_EQ(doc_.BlockLines()[1].y1, 21);
    EXPECT_TRUE(IsUnsetDouble(doc_.BlockLines()[1].beta));
}

// Normals that never cross: two vertical vectors (two horizontal normals), two horizontal
// vectors, two sloped vectors of one slope. The division stops with one message and leaves
// no block of the earlier division; the run adds no slip line.
TEST_F(SlipLineHandTest, NeighbouringNormalsThatDoNotCrossStopTheRun) {
    const std::vector<std::vector<DPoint>> cases = {
        {{1, -1}, {0, -1}, {0, -2}}, {{1, 0}, {2, 0}, {1, -1}}, {{1, -1}, {2, -1}, {4, -2}}};
    for (const auto& vectors : cases) {
        doc_.DeleteContents();
        doc_.ResetModel();
        Build(vectors);
        Surface(kLeft, kRight);
        Run(CBlockDoc::kParallel, 0);
        ASSERT_EQ(doc_.Blocks().GetCount(), 3);
        int lines = doc_.SlipLines().GetCount();
        sink_.Clear();
        EXPECT_EQ(Run(CBlockDoc::kRotation, 0), 0);
        EXPECT_EQ(sink_.MessagesUtf8(), std::vector<std::string>{Utf8(kSameDirection)});
        EXPECT_TRUE(doc_.BlockLines().empty());
        EXPECT_EQ(doc_.Blocks().GetCount(), 0);
        EXPECT_EQ(doc_.VectorPoints().GetCount(), 0);
        EXPECT_EQ(doc_.SlipLines().GetCount(), lines);
        sink_.Clear();
    }
}

// Two block lines that cross make a triangle block; below the crossing, between the two
// lines, lies ground in no block at all. A measurement point there belongs to no block, the
// triangle holds no point, and a trace reaching the triangle stops.
TEST_F(SlipLineHandTest, CrossingBlockLinesMakeATriangleAndLeaveAPointOutsideEveryBlock) {
    Build({{1, -1}, {1, -1}, {1, -0.5}}, {{2, 19.6}, {10, 12}, {25, 13}});
    Surface(kLeft, kRight);
    double width, height;
    doc_.GetModelExtent(width, height);
    doc_.BlockLines() = {{14, 21, 6, 9, 0.1}, {6, 21, 14, 9, 0.1}};
    ASSERT_EQ(doc_.MakeBlocks(), 1);
    ASSERT_EQ(doc_.Blocks().GetCount(), 3);
    ExpectVertices(*Block(0), {{-4, 21}, {-4, 9}, {6, 9}, {14, 21}});
    ExpectVertices(*Block(1), {{14, 21}, {10, 15}, {6, 21}});
    ExpectVertices(*Block(2), {{6, 21}, {14, 9}, {44, 9}, {44, 21}});
    EXPECT_EQ(Block(0)->disp, Disp(0));
    EXPECT_EQ(Block(1)->disp, nullptr);
    EXPECT_EQ(Block(2)->disp, Disp(2));
    EXPECT_EQ(doc_.FindBlockIndex(10, 12), kUnsetInt);
    // Above the crossing the triangle overlaps its neighbours: the first block holding a point wins.
    EXPECT_EQ(doc_.FindBlockIndex(10, 18), 0);
    EXPECT_EQ(doc_.FindBlockIndex(10, 20.5), 0);
    EXPECT_TRUE(Block(1)->CheckInsidePolygon(10, 20.5));
    doc_.Settings().m_nMethod = CBlockDoc::kParallel;
    EXPECT_EQ(doc_.MakeSlipLines(nullptr), SlipLineStatus::kNoCrossing);
    EXPECT_EQ(doc_.SlipLines().GetCount(), 0);
    EXPECT_EQ(sink_.MessagesUtf8(), std::vector<std::string>{Utf8(kNoCrossing)});
}

TEST_F(SlipLineHandTest, AnInnerPointTracesBothWaysAndBothEndsAreCutAtTheGround) {
    Build({{1, -1}, {2, -1}, {1, 0.5}});
    doc_.InsertPoint(20, 8, PointKind::kInnerBoundary);
    ASSERT_EQ(Run(CBlockDoc::kParallel, 0), 1) << sink_.LastMessageUtf8();
    // Traced (-4, 29.5) (15, 10.5) (20, 8) (25, 5.5) (44, 15). The first segment
    // y = 25.5 - x meets the ground y = 20 - 0.2x at x = 6.875; the last, y = 0.5x - 7,
    // meets y = 14 - 0.1x at x = 35.
    ExpectPoints(*Line(0), {{6.875, 18.625}, {15, 10.5}, {20, 8}, {25, 5.5}, {35, 10.5}});
    EXPECT_EQ(Line(0)->boundary[0]->kind, PointKind::kInnerBoundary);
    EXPECT_EQ(Line(0)->boundary[0]->slipMark, 1);
}

// The inner point with both surface points. The line A through (20, 8) is the one above
// before clipping; B runs from the left point to the first line, (15, 8.2), and from the
// right point to the second, (25, 4.9). Weighted: at x = 15, t = 20 - 15 = 5 of L = 16;
// at x = 25, t = 25 - 20 = 5 of L = 16.
TEST_F(SlipLineHandTest, AnInnerPointBetweenTheSurfacePointsBlendsBothSides) {
    Build({{1, -1}, {2, -1}, {1, 0.5}});
    Surface(kLeft, kRight);
    doc_.InsertPoint(20, 8, PointKind::kInnerBoundary);
    ASSERT_EQ(Run(CBlockDoc::kParallel, 0), 1) << sink_.LastMessageUtf8();
    ExpectPoints(*Line(0),
                 {{4, 19.2}, {15, 10.5 - 2.3 * 5 / 16}, {20, 8}, {25, 5.5 - 0.6 * 5 / 16}, {36, 10.4}});
    ASSERT_EQ(Run(CBlockDoc::kParallel, 1), 1) << sink_.LastMessageUtf8();
    ExpectPoints(*Line(1), {{4, 19.2}, {15, 9.35}, {20, 8}, {25, 5.2}, {36, 10.4}});
    // The boundary slots: left, right, inner.
    EXPECT_EQ(Line(1)->boundary[0]->kind, PointKind::kLeftBoundary);
    EXPECT_EQ(Line(1)->boundary[1]->kind, PointKind::kRightBoundary);
    EXPECT_EQ(Line(1)->boundary[2]->kind, PointKind::kInnerBoundary);
    EXPECT_EQ(Line(1)->traceBy[1], 8.2);
    EXPECT_EQ(Line(1)->traceBy[3], 10.4 - 5.5);
}

// A boundary point's slip mark: 1 once used, 4 when it came from the section model (3),
// and 4 stays 4.
TEST_F(SlipLineHandTest, SlipMarksOfTheBoundaryPointsUsed) {
    Build({{1, -1}, {2, -1}, {1, 0.5}});
    Surface(kLeft, kRight);
    CNode* left = doc_.FindBoundaryPoint(PointKind::kLeftBoundary);
    CNode* right = doc_.FindBoundaryPoint(PointKind::kRightBoundary);
    left->slipMark = 3;
    right->slipMark = 0;
    ASSERT_EQ(Run(CBlockDoc::kParallel, 0), 1);
    EXPECT_EQ(left->slipMark, 4);
    EXPECT_EQ(right->slipMark, 1);
    ASSERT_EQ(Run(CBlockDoc::kParallel, 1), 1);
    EXPECT_EQ(left->slipMark, 4);
    EXPECT_EQ(right->slipMark, 1);
}
