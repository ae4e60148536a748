#include "DocumentTestSupport.h"

#include "analysis/core/CVerrant.h"
#include "platform/core/Unset.h"

using section::PointKind;

using platform::Utf8;
using torvan::CLine;
using torvan::CNode;
using torvan::CVerrant;

using LinePairs = std::vector<std::pair<int, int>>;

TEST_F(DocumentTest, NearbyGroundPointIsReusedFartherOneIsNew) {
    int first = Ground(10, 10);
    EXPECT_EQ(first, 0);
    int key = -1;
    EXPECT_EQ(doc_.InsertGroundPoint(10.005, 10, key), 1);
    EXPECT_EQ(key, 0);
    EXPECT_EQ(doc_.InsertGroundPoint(10.02, 10, key), 0);
    EXPECT_EQ(key, 1);
    EXPECT_EQ(doc_.MaxNode(), 2);
    EXPECT_EQ(doc_.NextKey(), 2);
    EXPECT_EQ(static_cast<CNode*>(doc_.GroundPoints()[1])->seqNo, 1);
    EXPECT_EQ(static_cast<CNode*>(doc_.GroundPoints()[1])->state, CNode::kMarked);
}

TEST_F(DocumentTest, APointOnOrBesideALineSplitsIt) {
    doc_.ImportPointRun({{0, 0}, {10, 0}});
    ASSERT_EQ(Lines(), (LinePairs{{1, 2}}));
    Ground(5, 0.05); // squared distance 0.0025 < 0.01: on the line
    EXPECT_EQ(Lines(), (LinePairs{{1, 3}, {3, 2}}));
    EXPECT_EQ(doc_.LineCount(), 3); // key 0 stays unused until renumbering
    Ground(2, 0.2);                 // 0.04 >= 0.01: beside it
    EXPECT_EQ(Lines().size(), 2u);
}

TEST_F(DocumentTest, MeasurementPointsAreNamedAndAskWhenNearOtherPoints) {
    Ground(0, 0);
    int key = -1;
    sink_.QueueAnswer(IDNO);
    EXPECT_EQ(doc_.InsertSitePoint(0.005, 0, key), 0);
    EXPECT_EQ(key, -1);
    EXPECT_EQ(sink_.LastMessageUtf8(), Utf8(u8"計測点以外の点が近距離にありますがよろしいですか？"));
    EXPECT_EQ(doc_.InsertSitePoint(3, 0, key), 0);
    EXPECT_EQ(static_cast<CNode*>(doc_.MeasurementPoints()[0])->name, "No.K1");
}

TEST_F(DocumentTest, BoundaryPointPositionRules) {
    EXPECT_EQ(doc_.InsertPoint(5, 1, PointKind::kLeftBoundary), nullptr); // no ground line at all
    EXPECT_EQ(sink_.LastMessageUtf8(), Utf8(u8"地表境界点の指定位置ｴﾗｰ !!"));
    doc_.ImportPointRun({{0, 0}, {10, 0}});
    doc_.InsertPoint(5, 0.05, PointKind::kInnerBoundary);
    EXPECT_EQ(sink_.LastMessageUtf8(), Utf8(u8"地中境界点の指定位置ｴﾗｰ !!"));
    EXPECT_EQ(doc_.BoundaryPoints().GetCount(), 0);
    doc_.InsertPoint(5, -0.2, PointKind::kInnerBoundary);
    EXPECT_EQ(doc_.BoundaryPoints().GetCount(), 1);
    doc_.InsertPoint(3, 0.2, PointKind::kLeftBoundary);
    EXPECT_EQ(doc_.BoundaryPoints().GetCount(), 1);
    doc_.InsertPoint(3, 0.05, PointKind::kLeftBoundary);
    ASSERT_EQ(doc_.BoundaryPoints().GetCount(), 2);
    CNode* left = static_cast<CNode*>(doc_.BoundaryPoints()[1]);
    EXPECT_EQ(left->name, "B-2");
    // Within 0.01 m of it a right boundary point reuses the left one, kind unchanged.
    CNode* hit = doc_.InsertPoint(3.005, 0.05, PointKind::kRightBoundary);
    EXPECT_EQ(hit, left);
    EXPECT_EQ(left->kind, PointKind::kLeftBoundary);
}

TEST_F(DocumentTest, ASecondLeftBoundaryPointSwitchesTheFirstOffOrDeletesIt) {
    doc_.ImportPointRun({{0, 0}, {10, 0}});
    doc_.InsertPoint(1, 0, PointKind::kLeftBoundary);
    CNode* first = static_cast<CNode*>(doc_.BoundaryPoints()[0]);
    // Used by a slip line: stays, switched off, under the hidden branch.
    auto* slip = new CVerrant(1);
    slip->boundary[0] = first;
    doc_.SlipLines().AddTail(slip);
    doc_.ResetMarks();
    EXPECT_EQ(first->slipMark, 1);
    side_.treeOpen = true;
    doc_.InsertPoint(2, 0, PointKind::kLeftBoundary);
    EXPECT_EQ(first->inUse, 0);
    EXPECT_EQ(doc_.BoundaryPoints().GetCount(), 2);
    EXPECT_EQ(side_.treeCalls, (std::vector<std::string>{"delete 11/1", "update 11", "update 21"}));
    // Unused by any slip line: the switched-off point is deleted.
    doc_.InsertPoint(3, 0, PointKind::kLeftBoundary);
    EXPECT_EQ(doc_.BoundaryPoints().GetCount(), 2);
    EXPECT_EQ(doc_.FindBoundaryPoint(PointKind::kLeftBoundary)->number, 3);
    // A cancelled dialog leaves the model as it was.
    side_.confirmDialog = false;
    doc_.InsertPoint(4, 0, PointKind::kLeftBoundary);
    EXPECT_EQ(doc_.FindBoundaryPoint(PointKind::kLeftBoundary)->number, 3);
    EXPECT_EQ(doc_.BoundaryPoints().GetCount(), 2);
}

TEST_F(DocumentTest, ADrawnLineSplitsTheLinesItCrossesButStaysWhole) {
    doc_.ImportPointRun({{5, -5}, {5, 5}});
    doc_.ImportPointRun({{0, 0}, {10, 0}});
    // The vertical line is split at a new point 5 (5, 0); the drawn line stays 3-4.
    EXPECT_EQ(Lines(), (LinePairs{{1, 5}, {5, 2}, {3, 4}}));
    DPoint crossing = doc_.GetNodeXY(4);
    EXPECT_EQ(crossing.x, 5);
    EXPECT_EQ(crossing.y, 0);
}

TEST_F(DocumentTest, ACrossingNearAnExistingPointReusesItAndWarnsForAHorizontalLine) {
    doc_.ImportPointRun({{5, -5}, {5, 0.005}, {5, 5}});
    doc_.ImportPointRun({{0, 0}, {10, 0}});
    EXPECT_EQ(doc_.GroundPoints().GetCount(), 5); // no new point at the crossing
    EXPECT_EQ(sink_.LastMessageUtf8(), Utf8(u8"水平線が描けないため、直線で描画します !!!"));
}

TEST_F(DocumentTest, ADrawnLineOverALineThatLiesOnItTakesItsPlaceThroughItsPoints) {
    doc_.ImportPointRun({{3, 0}, {6, 0}});
    doc_.ImportPointRun({{0, 0}, {10, 0}});
    // The covered line 1-2 is gone; the drawn line runs 3 -> 1 -> 2 -> 4, no point falls off.
    EXPECT_EQ(Lines(), (LinePairs{{3, 1}, {1, 2}, {2, 4}}));
}

struct CoveredLineCase {
    const char* name;
    std::vector<DPoint> existing;
    std::vector<DPoint> drawn;
    LinePairs expected; // point numbers: the existing run first, then the drawn one
};

class CoveredLineTest : public DocumentTest, public ::testing::WithParamInterface<CoveredLineCase> {};

// A drawn line over lines that lie on it runs through every point of theirs, in order
// from its start, in any direction: no point falls off the ground line, none is doubled.
TEST_P(CoveredLineTest, TheDrawnLineRunsThroughEveryCoveredPoint) {
    const CoveredLineCase& c = GetParam();
    doc_.ImportPointRun(c.existing);
    doc_.ImportPointRun(c.drawn);
    EXPECT_EQ(Lines(), c.expected);
    EXPECT_EQ(doc_.GroundPoints().GetCount(), static_cast<int>(c.existing.size() + c.drawn.size()));
}

INSTANTIATE_TEST_SUITE_P(
    Directions, CoveredLineTest,
    ::testing::Values(
        CoveredLineCase{"RightToLeft", {{3, 0}, {6, 0}}, {{10, 0}, {0, 0}}, {{3, 2}, {2, 1}, {1, 4}}},
        CoveredLineCase{"Downward", {{0, 3}, {0, 6}}, {{0, 10}, {0, 0}}, {{3, 2}, {2, 1}, {1, 4}}},
        CoveredLineCase{"DiagonalDown", {{3, 3}, {6, 6}}, {{10, 10}, {0, 0}}, {{3, 2}, {2, 1}, {1, 4}}},
        CoveredLineCase{"AChainRightToLeft",
                        {{2, 0}, {4, 0}, {6, 0}, {8, 0}},
                        {{10, 0}, {0, 0}},
                        {{5, 4}, {4, 3}, {3, 2}, {2, 1}, {1, 6}}},
        // The drawn start splits the line; the piece outside the drawn line stays.
        CoveredLineCase{"PartlyOutside", {{-2, 0}, {5, 0}}, {{0, 0}, {10, 0}}, {{1, 3}, {3, 2}, {2, 4}}},
        CoveredLineCase{
            "ContainingTheDrawnLine", {{-5, 0}, {15, 0}}, {{0, 0}, {10, 0}}, {{1, 3}, {4, 2}, {3, 4}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DocumentTest, DrawingTheSameLineAgainKeepsOneLine) {
    doc_.ImportPointRun({{0, 0}, {10, 0}});
    doc_.ImportPointRun({{10, 0}, {0, 0}});
    EXPECT_EQ(Lines(), (LinePairs{{2, 1}}));
    EXPECT_EQ(doc_.GroundPoints().GetCount(), 2);
}

TEST_F(DocumentTest, RenumberingClosesKeyGaps) {
    for (int i = 0; i < 7; ++i) {
        Ground(i, i * i);
    }
    for (int i = 0; i < 6; ++i) {
        doc_.AddLine(i, i + 1, i);
    }
    doc_.SetLineCount(6);
    static_cast<CLine*>(doc_.GroundLines()[3])->status = CLine::kCollapsed;
    doc_.AddLines(CLine::kCollapsed);
    EXPECT_EQ(doc_.LineCount(), 5);
    EXPECT_EQ(static_cast<CLine*>(doc_.GroundLines()[3])->number, 4);
    EXPECT_EQ(static_cast<CLine*>(doc_.GroundLines()[3])->node1, 4); // the line that was key 4
    EXPECT_EQ(static_cast<CLine*>(doc_.GroundLines()[4])->number, 5);
}

TEST_F(DocumentTest, ImportRenumbersOnlyPastOneHundredUnusedKeys) {
    doc_.ImportPointRun({{0, 0}, {1000, 0}});
    // Each point on the line splits it once, leaving one key unused.
    std::vector<DPoint> run;
    for (int i = 1; i <= 50; ++i) {
        Ground(i * 10.0, 0.0);
    }
    EXPECT_EQ(doc_.LineCount() - doc_.GroundLines().GetCount(), 50);
    for (int i = 1; i <= 50; ++i) {
        Ground(i * 10.0 + 5, 0.0);
    }
    EXPECT_EQ(doc_.LineCount() - doc_.GroundLines().GetCount(), 100);
    EXPECT_EQ(doc_.ImportPointRun({{2000, 0}}), 0); // exactly 100: no renumbering
    Ground(2.5, 0.0);
    EXPECT_EQ(doc_.ImportPointRun({{3000, 0}}), 1);
    EXPECT_EQ(doc_.LineCount(), doc_.GroundLines().GetCount());
}

TEST_F(DocumentTest, DeletingAPointMergesItsLinesAndLeavesNoDanglingLine) {
    doc_.ImportPointRun({{0, 0}, {5, 1}, {10, 0}, {15, 2}});
    static_cast<CNode*>(doc_.GroundPoints()[1])->state = CNode::kSelected;
    static_cast<CNode*>(doc_.GroundPoints()[3])->state = CNode::kSelected; // an end point
    doc_.DeleteSelection();
    EXPECT_EQ(Lines(), (LinePairs{{1, 3}}));
    EXPECT_EQ(doc_.LineCount(), 1);
    EXPECT_EQ(doc_.GroundPoints().GetCount(), 2);
    EXPECT_EQ(doc_.AllPoints().GetCount(), 2);
    EXPECT_EQ(doc_.MaxNode(), 3);
}

TEST_F(DocumentTest, DeletingABoundaryPointClearsItFromSlipLines) {
    doc_.ImportPointRun({{0, 0}, {10, 0}});
    doc_.InsertPoint(1, 0, PointKind::kLeftBoundary);
    auto* slip = new CVerrant(1);
    slip->boundary[0] = static_cast<CNode*>(doc_.BoundaryPoints()[0]);
    doc_.SlipLines().AddTail(slip);
    static_cast<CNode*>(doc_.BoundaryPoints()[0])->state = CNode::kSelected;
    doc_.DeleteSelection();
    EXPECT_EQ(doc_.BoundaryPoints().GetCount(), 0);
    EXPECT_EQ(slip->boundary[0], nullptr);
}

TEST_F(DocumentTest, ModelExtent) {
    double width = 0;
    double height = 0;
    doc_.GetModelExtent(width, height);
    EXPECT_EQ(width, 200);
    EXPECT_EQ(height, 100);
    EXPECT_TRUE(platform::IsUnsetDouble(doc_.Extents().m_dMinX));
    Ground(5, 7);
    doc_.GetModelExtent(width, height);
    EXPECT_EQ(width, 200);
    EXPECT_EQ(height, 100);
    EXPECT_EQ(doc_.Extents().m_dMinX, -95);
    EXPECT_EQ(doc_.Extents().m_dMaxY, 57);
    Ground(25, 17);
    doc_.GetModelExtent(width, height);
    EXPECT_EQ(width, 20);
    EXPECT_EQ(height, 10);
}

TEST_F(DocumentTest, VerticalBlockLinesSpanTheModelWithMargins) {
    Ground(0, 0);
    Ground(100, 50);
    double width, height;
    doc_.GetModelExtent(width, height);
    const double xs[2] = {30, 60};
    const double betas[2] = {0.1, 0.2};
    doc_.MakeVerticalBlockLines(xs, betas, 2);
    ASSERT_EQ(doc_.BlockLines().size(), 2u);
    EXPECT_EQ(doc_.BlockLines()[0].y1, 55);
    EXPECT_EQ(doc_.BlockLines()[0].y2, -5);
    EXPECT_EQ(doc_.BlockLines()[1].beta, 0.2);
}
