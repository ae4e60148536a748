// Deleting every slip line or every boundary point while a selection list holds some of them:
// the list is emptied first, so it never refers to a deleted object (also run under the
// sanitizers), and held boundary points only go out of use.

#include "DocumentTestSupport.h"

#include "analysis/core/CVerrant.h"

using section::PointKind;

namespace {

using torvan::CNode;
using torvan::CVerrant;

class DeleteAllTest : public DocumentTest {
protected:
    // Ground point 1; boundary points 1 (left, held by the slip line), 2 (right, fixed by the
    // section model), 3 (inner, free); one slip line through point 1.
    void SetUp() override {
        Ground(0, 0);
        int key = -1;
        doc_.InsertBoundaryPoint(-10, 0, PointKind::kLeftBoundary, key);
        doc_.InsertBoundaryPoint(10, 0, PointKind::kRightBoundary, key);
        doc_.InsertBoundaryPoint(0, -5, PointKind::kInnerBoundary, key);
        ASSERT_EQ(doc_.BoundaryPoints().GetCount(), 3);
        Bound(2)->slipMark = CNode::kSlipFixed;
        line_ = new CVerrant(1);
        line_->x = {-10, 10};
        line_->y = {0, 0};
        line_->pointCount = 2;
        line_->boundary[0] = Bound(1);
        doc_.SlipLines().AddTail(line_);
        doc_.ResetMarks();
        ASSERT_EQ(Bound(1)->slipMark, CNode::kSlipUsed);
        ASSERT_EQ(Bound(2)->slipMark, CNode::kSlipFixed);
    }
    CNode* Bound(int number) {
        CObject* object = nullptr;
        return doc_.BoundaryPoints().Lookup(static_cast<WORD>(number - 1), object)
                   ? static_cast<CNode*>(object)
                   : nullptr;
    }
    CNode* GroundPoint() { return static_cast<CNode*>(doc_.GroundPoints()[0]); }
    // Everything selected, as the view's selection list holds it.
    void SelectAll() {
        selection_.RemoveAll();
        for (CNode* point : {GroundPoint(), Bound(1), Bound(2), Bound(3)}) {
            if (point) {
                point->state = CNode::kSelected;
                selection_.AddTail(point);
            }
        }
        for (POSITION pos = doc_.SlipLines().GetHeadPosition(); pos;) {
            auto* line = static_cast<CVerrant*>(doc_.SlipLines().GetNext(pos));
            line->state = 2;
            selection_.AddTail(line);
        }
    }

    CVerrant* line_ = nullptr;
    CObList selection_;
};

TEST_F(DeleteAllTest, BoundaryPointsThenSlipLinesLeaveNothingSelectedOrDangling) {
    SelectAll();
    EXPECT_EQ(doc_.DeleteAllBoundaryPoints(selection_, true), 3);
    EXPECT_TRUE(selection_.IsEmpty());
    EXPECT_EQ(Bound(3), nullptr);
    ASSERT_NE(Bound(1), nullptr);
    ASSERT_NE(Bound(2), nullptr);
    for (CNode* held : {Bound(1), Bound(2)}) {
        EXPECT_EQ(held->inUse, 0);
        EXPECT_EQ(held->state, CNode::kNormal);
    }
    EXPECT_EQ(GroundPoint()->state, CNode::kNormal);
    EXPECT_EQ(line_->state, 0);
    EXPECT_EQ(line_->boundary[0], Bound(1));

    SelectAll();
    EXPECT_EQ(doc_.DeleteAllSlipLines(selection_), 1);
    EXPECT_TRUE(selection_.IsEmpty());
    EXPECT_TRUE(doc_.SlipLines().IsEmpty());
    EXPECT_EQ(Bound(1)->slipMark, CNode::kSlipFree);
    EXPECT_EQ(Bound(2)->slipMark, CNode::kSlipFixed);
    EXPECT_EQ(Bound(1)->state, CNode::kNormal);

    // Without retiring, a free point goes and the held ones stay as they are.
    Bound(1)->inUse = 1;
    SelectAll();
    EXPECT_EQ(doc_.DeleteAllBoundaryPoints(selection_, false), 1);
    EXPECT_TRUE(selection_.IsEmpty());
    EXPECT_EQ(Bound(1), nullptr);
    ASSERT_NE(Bound(2), nullptr);
    EXPECT_EQ(doc_.MaxBound(), 2);
}

// A new inner point replaces the inner point in use. A point no slip line holds goes; one a
// slip line holds stays out of use, even when its mark (as a file may bring it) says free.
TEST_F(DeleteAllTest, AReplacedInnerPointASlipLineHoldsIsKeptWhateverItsMark) {
    line_->boundary[1] = Bound(3);
    ASSERT_EQ(Bound(3)->slipMark, CNode::kSlipFree);
    int key = -1;
    doc_.InsertBoundaryPoint(0, -8, PointKind::kInnerBoundary, key);
    ASSERT_EQ(Bound(3), line_->boundary[1]);
    EXPECT_EQ(Bound(3)->inUse, 0);
    ASSERT_NE(doc_.FindBoundaryPoint(PointKind::kInnerBoundary), nullptr);
    EXPECT_EQ(doc_.FindBoundaryPoint(PointKind::kInnerBoundary)->number, 4);

    line_->boundary[1] = nullptr;
    doc_.ResetMarks();
    doc_.InsertBoundaryPoint(0, -11, PointKind::kInnerBoundary, key);
    EXPECT_EQ(Bound(4), nullptr);
    EXPECT_EQ(doc_.FindBoundaryPoint(PointKind::kInnerBoundary)->number, 5);
}

} // namespace
