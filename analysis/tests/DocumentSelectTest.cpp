// Selecting by rectangle, lines of selected points, unused points and whole kinds.

#include "DocumentTestSupport.h"

#include "analysis/core/CVerrant.h"

using torvan::CLine;
using torvan::CNode;
using torvan::CVerrant;

class DocumentSelectTest : public DocumentTest {
protected:
    // Ground points 1-4 on a run joined by lines 1-3; point 5 apart; one measurement point.
    void SetUp() override {
        doc_.ImportPointRun({{0, 0}, {10, 0}, {20, 5}, {30, 5}});
        Ground(15, 20);
        int key = -1;
        doc_.InsertSitePoint(12, -3, key);
        doc_.SetAllPointStates(doc_.GroundPoints(), CNode::kNormal);
        doc_.SetAllPointStates(doc_.MeasurementPoints(), CNode::kNormal);
        doc_.SetAllLineStatus(CLine::kNormal);
    }
    std::vector<int> States(const CMapWordToOb& points) {
        std::vector<int> out;
        for (int key = 0; key < points.GetCount(); ++key) {
            CObject* object = nullptr;
            out.push_back(points.Lookup(static_cast<WORD>(key), object) ? static_cast<CNode*>(object)->state
                                                                        : -9);
        }
        return out;
    }
    std::vector<int> LineStatus() {
        std::vector<int> out;
        for (int key = 0; key < doc_.GroundLines().GetCount(); ++key) {
            out.push_back(static_cast<CLine*>(doc_.GroundLines()[static_cast<WORD>(key)])->status);
        }
        return out;
    }
};

TEST_F(DocumentSelectTest, RectanglesSelectPointsOfTheirKindAndLinesWithBothEnds) {
    doc_.SelectPointsInRect(doc_.GroundPoints(), 5, -1, 25, 6); // edges count as inside
    EXPECT_EQ(States(doc_.GroundPoints()), (std::vector<int>{0, 2, 2, 0, 0}));
    EXPECT_EQ(States(doc_.MeasurementPoints()), (std::vector<int>{0}));
    doc_.SelectLinesInRect(0, 0, 20, 5);
    EXPECT_EQ(LineStatus(), (std::vector<int>{2, 2, 0}));
    EXPECT_EQ(static_cast<CLine*>(doc_.GroundLines()[1])->lineKey, 1);
}

TEST_F(DocumentSelectTest, LinesOfSelectedPointsJoinTheSelectionOnce) {
    doc_.SelectPointsInRect(doc_.GroundPoints(), 5, -1, 35, 6); // points 2, 3, 4
    CObList selection;
    EXPECT_EQ(doc_.SelectLinesOfSelectedPoints(selection), 2);
    ASSERT_EQ(selection.GetCount(), 2);
    EXPECT_EQ(selection.GetHead(), doc_.GroundLines()[1]);
    EXPECT_EQ(selection.GetTail(), doc_.GroundLines()[2]);
    EXPECT_EQ(States(doc_.GroundPoints()), (std::vector<int>{0, 3, 3, 3, 0}));
    EXPECT_EQ(doc_.SelectLinesOfSelectedPoints(selection), 0); // marked points still count
    EXPECT_EQ(selection.GetCount(), 2);
}

TEST_F(DocumentSelectTest, UnusedGroundPointsAndWholeKinds) {
    doc_.SelectUnusedGroundPoints();
    EXPECT_EQ(States(doc_.GroundPoints()), (std::vector<int>{0, 0, 0, 0, 2}));
    doc_.SetAllPointStates(doc_.MeasurementPoints(), CNode::kSelected);
    doc_.SetAllLineStatus(CLine::kSelected);
    EXPECT_EQ(States(doc_.MeasurementPoints()), (std::vector<int>{2}));
    EXPECT_EQ(LineStatus(), (std::vector<int>{2, 2, 2}));
    doc_.DeleteSelection();
    EXPECT_EQ(doc_.GroundPoints().GetCount(), 4);
    EXPECT_EQ(doc_.MeasurementPoints().GetCount(), 0);
    EXPECT_EQ(doc_.GroundLines().GetCount(), 0);
    EXPECT_EQ(doc_.LineCount(), 0);
    EXPECT_EQ(doc_.AllPoints().GetCount(), 4);
}

TEST_F(DocumentSelectTest, SlipLinesInsideTheRectangleWhileShown) {
    auto* inside = new CVerrant(1);
    inside->x = {2, 8};
    inside->y = {-1, -2};
    inside->pointCount = 2;
    auto* hidden = new CVerrant(2);
    hidden->x = {2, 8};
    hidden->y = {-1, -2};
    hidden->pointCount = 2;
    hidden->visible1 = 0;
    auto* across = new CVerrant(3);
    across->x = {2, 40};
    across->y = {-1, -2};
    across->pointCount = 2;
    for (CVerrant* line : {inside, hidden, across}) {
        doc_.SlipLines().AddTail(line);
    }
    doc_.SelectSlipLinesInRect(0, -5, 10, 0);
    EXPECT_EQ(inside->state, 2);
    EXPECT_EQ(hidden->state, 0);
    EXPECT_EQ(across->state, 0);
    doc_.DeleteSelection();
    EXPECT_EQ(doc_.SlipLines().GetCount(), 2);
}
