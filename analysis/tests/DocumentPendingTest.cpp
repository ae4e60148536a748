// Pending point changes as the tables and the move leave them, taken or dropped by the document.

#include "DocumentTestSupport.h"

#include "analysis/core/CVerrant.h"

using section::PointKind;

namespace {

using torvan::CBlockDoc;
using torvan::CLine;
using torvan::CNode;

class PendingPointTest : public DocumentTest {
protected:
    void SetUp() override {
        doc_.ImportPointRun({{0, 0}, {10, 0}, {20, 0}, {30, 0}});
        ASSERT_EQ(doc_.GroundPoints().GetCount(), 4);
        ASSERT_EQ(Lines().size(), 3u);
    }
    using Edit = section::PendingPointEdit;
    static section::PointRecord Copy(int number, double x, double y) {
        section::PointRecord copy;
        copy.number = number;
        copy.x = x;
        copy.y = y;
        return copy;
    }
    CNode* Point(CMapWordToOb& map, int number) {
        CObject* object = nullptr;
        return map.Lookup(static_cast<WORD>(number - 1), object) ? static_cast<CNode*>(object) : nullptr;
    }
    Edit pending_{Edit::kGroundPoints};
};

// A ground table: point 2 moved, point 4 lost its row (it goes with its line), a new row.
TEST_F(PendingPointTest, ReplaceAddAndRemoveWithTheirLines) {
    doc_.SetAllPointStates(doc_.GroundPoints(), -1);
    for (int number : {1, 2, 3}) {
        Point(doc_.GroundPoints(), number)->state = 0;
    }
    pending_.MarkDropped(3);
    pending_.Put(1, Edit::Change::kReplace, Copy(2, 11, 1));
    pending_.PutNew(4, Copy(5, 40, 5));
    doc_.CommitPendingPoints(pending_);
    EXPECT_EQ(Point(doc_.GroundPoints(), 4), nullptr);
    EXPECT_DOUBLE_EQ(Point(doc_.GroundPoints(), 2)->y, 1.0);
    ASSERT_NE(Point(doc_.GroundPoints(), 5), nullptr);
    EXPECT_EQ(Lines(), (std::vector<std::pair<int, int>>{{1, 2}, {2, 3}}));
    for (auto [key, point] : platform::MapEntries<CNode>(doc_.GroundPoints())) {
        EXPECT_EQ(point->state, 0) << point->number;
    }
    EXPECT_EQ(doc_.MaxNode(), 5);
    EXPECT_TRUE(doc_.IsModified());
}

// Point 3 dropped: both its lines, each with one end dropped, are shown going and go.
TEST_F(PendingPointTest, ALineWithOneEndDroppedIsShownGoingAndGoes) {
    pending_.MarkDropped(2);
    doc_.MarkPendingPoints(pending_);
    std::vector<std::pair<int, int>> going;
    for (auto [key, line] : platform::MapEntries<CLine>(doc_.GroundLines())) {
        if (line->status == CLine::kCollapsed) {
            going.emplace_back(line->node1 + 1, line->node2 + 1);
        }
    }
    EXPECT_EQ(going, (std::vector<std::pair<int, int>>{{2, 3}, {3, 4}}));
    doc_.CommitPendingPoints(pending_);
    EXPECT_EQ(Lines(), (std::vector<std::pair<int, int>>{{1, 2}}));
}

// Selected points at one position: the later one joins the earlier, its lines follow and
// the line between them goes.
TEST_F(PendingPointTest, JoinedPointsMergeTheirLines) {
    pending_.PutMerge(2, Copy(3, 10.0002, 0), 1);
    doc_.CommitPendingPoints(pending_);
    EXPECT_EQ(Point(doc_.GroundPoints(), 3), nullptr);
    EXPECT_EQ(Lines(), (std::vector<std::pair<int, int>>{{1, 2}, {2, 4}}));
}

// A boundary point that a slip line uses only goes out of use when its row was deleted;
// dropping resets every mark.
TEST_F(PendingPointTest, AHeldBoundaryPointStaysAndDropResetsMarks) {
    auto* held = new CNode(1, 5, 0, 0);
    held->kind = PointKind::kLeftBoundary;
    held->name = "L";
    held->seqNo = 100;
    doc_.BoundaryPoints().SetAt(0, held);
    auto* line = new torvan::CVerrant(1);
    line->boundary[0] = held;
    doc_.SlipLines().AddTail(line);
    doc_.ResetMarks();
    held->state = -1;
    Edit dropped(Edit::kBoundPoints);
    dropped.MarkDropped(0);
    doc_.CommitPendingPoints(dropped);
    ASSERT_EQ(Point(doc_.BoundaryPoints(), 1), held);
    EXPECT_EQ(held->inUse, 0);
    EXPECT_EQ(line->boundary[0], held);

    Point(doc_.GroundPoints(), 2)->state = CNode::kMarked;
    doc_.DropPendingPoints(section::PendingPointEdit::kGroundPoints);
    EXPECT_EQ(Point(doc_.GroundPoints(), 2)->state, 0);
}

} // namespace
