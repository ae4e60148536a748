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
        doc_.SetAllPointStates(doc_.m_mapNode, CNode::kNormal);
        doc_.SetAllPointStates(doc_.m_mapSite, CNode::kNormal);
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
        for (int key = 0; key < doc_.m_LineList.GetCount(); ++key) {
            out.push_back(static_cast<CLine*>(doc_.m_LineList[static_cast<WORD>(key)])->status);
        }
        return out;
    }
};

TEST_F(DocumentSelectTest, RectanglesSelectPointsOfTheirKindAndLinesWithBothEnds) {
    doc_.SelectPointsInRect(doc_.m_mapNode, 5, -1, 25, 6); // edges count as inside
    EXPECT_EQ(States(doc_.m_mapNode), (std::vector<int>{0, 2, 2, 0, 0}));
    EXPECT_EQ(States(doc_.m_mapSite), (std::vector<int>{0}));
    doc_.SelectLinesInRect(0, 0, 20, 5);
    EXPECT_EQ(LineStatus(), (std::vector<int>{2, 2, 0}));
    EXPECT_EQ(static_cast<CLine*>(doc_.m_LineList[1])->lineKey, 1);
}

TEST_F(DocumentSelectTest, LinesOfSelectedPointsJoinTheSelectionOnce) {
    doc_.SelectPointsInRect(doc_.m_mapNode, 5, -1, 35, 6); // points 2, 3, 4
    CObList selection;
    EXPECT_EQ(doc_.SelectLinesOfSelectedPoints(selection), 2);
    ASSERT_EQ(selection.GetCount(), 2);
    EXPECT_EQ(selection.GetHead(), doc_.m_LineList[1]);
    EXPECT_EQ(selection.GetTail(), doc_.m_LineList[2]);
    EXPECT_EQ(States(doc_.m_mapNode), (std::vector<int>{0, 3, 3, 3, 0}));
    EXPECT_EQ(doc_.SelectLinesOfSelectedPoints(selection), 0); // marked points still count
    EXPECT_EQ(selection.GetCount(), 2);
}

TEST_F(DocumentSelectTest, UnusedGroundPointsAndWholeKinds) {
    doc_.SelectUnusedGroundPoints();
    EXPECT_EQ(States(doc_.m_mapNode), (std::vector<int>{0, 0, 0, 0, 2}));
    doc_.SetAllPointStates(doc_.m_mapSite, CNode::kSelected);
    doc_.SetAllLineStatus(CLine::kSelected);
    EXPECT_EQ(States(doc_.m_mapSite), (std::vector<int>{2}));
    EXPECT_EQ(LineStatus(), (std::vector<int>{2, 2, 2}));
    doc_.DeleteSelection();
    EXPECT_EQ(doc_.m_mapNode.GetCount(), 4);
    EXPECT_EQ(doc_.m_mapSite.GetCount(), 0);
    EXPECT_EQ(doc_.m_LineList.GetCount(), 0);
    EXPECT_EQ(doc_.m_nLineCount, 0);
    EXPECT_EQ(doc_.m_mapAllPoints.GetCount(), 4);
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
        doc_.m_listSlipLines.AddTail(line);
    }
    doc_.SelectSlipLinesInRect(0, -5, 10, 0);
    EXPECT_EQ(inside->state, 2);
    EXPECT_EQ(hidden->state, 0);
    EXPECT_EQ(across->state, 0);
    doc_.DeleteSelection();
    EXPECT_EQ(doc_.m_listSlipLines.GetCount(), 2);
}
