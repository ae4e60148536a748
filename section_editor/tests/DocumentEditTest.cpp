// Placing points and drawing ground lines on the document, as the tools and tables do.

#include "section_editor/core/CBlockDoc.h"

#include "platform/core/RecordingSink.h"
#include "platform/core/Unset.h"
#include "testsupport/FileBytes.h"
#include "testsupport/Fixtures.h"

using section::PointKind;

using merdok::CBlockDoc;
using merdok::CLine;
using merdok::CNode;
using merdok::RecordMap;
using platform::Utf8;

namespace {

// The ground line as pairs of point numbers, in key order.
std::vector<std::pair<int, int>> Lines(const CBlockDoc& doc) {
    std::vector<std::pair<int, int>> lines;
    for (const auto& [key, line] : doc.m_LineList) {
        lines.emplace_back(line->GetNode1() + 1, line->GetNode2() + 1);
    }
    return lines;
}

// Point numbers along the ground line from its start.
std::vector<int> GroundOrder(const CBlockDoc& doc) {
    std::vector<const CNode*> order;
    EXPECT_TRUE(doc.CheckGroundLine(order, false));
    std::vector<int> numbers;
    for (const CNode* point : order) {
        numbers.push_back(point->GetNumber());
    }
    return numbers;
}

section::PointRecord Record(int number, double x, double y) {
    section::PointRecord point;
    point.number = number;
    point.x = x;
    point.y = y;
    return point;
}

} // namespace

class DocumentEditTest : public testsupport::TempDirTest {
protected:
    void Run(std::vector<DPoint> points) { doc_.ImportPointRun(points, 0); }

    CBlockDoc doc_;
};

TEST_F(DocumentEditTest, NearPointsAreTakenNotMade) {
    int key = -1;
    EXPECT_FALSE(doc_.AddNode(10.0, 10.0, key));
    EXPECT_EQ(key, 0);
    EXPECT_TRUE(doc_.AddNode(10.005, 10.0, key));
    EXPECT_EQ(key, 0);
    EXPECT_EQ(doc_.m_mapNode.GetCount(), 1);

    // A measurement point beside it asks first; "No" makes nothing.
    sink_.QueueAnswer(IDNO);
    EXPECT_FALSE(doc_.AddMeasurePoint(10.0, 10.005, key));
    EXPECT_EQ(key, -1);
    EXPECT_EQ(sink_.LastMessageUtf8(), Utf8(u8"地表点が近距離にありますがよろしいですか？"));
    EXPECT_TRUE(doc_.m_mapSite.IsEmpty());
    sink_.QueueAnswer(IDYES);
    EXPECT_FALSE(doc_.AddMeasurePoint(10.0, 10.005, key));
    EXPECT_EQ(doc_.m_mapSite.Lookup(key)->GetName(), CString("K-1"));
}

TEST_F(DocumentEditTest, CountLimitsRefuseWithTheKindName) {
    doc_.m_nLimit[CBlockDoc::kNodeLimit] = 2;
    doc_.m_nLimit[CBlockDoc::kBoundLimit] = 2;
    int key = -1;
    doc_.AddNode(0, 0, key);
    doc_.AddNode(1, 0, key);
    EXPECT_FALSE(doc_.AddNode(2, 0, key));
    EXPECT_EQ(key, -1);
    EXPECT_EQ(sink_.LastMessageUtf8(), Utf8(u8"節点ﾃﾞｰﾀの個数が制限を越えています"));
    doc_.AddBoundaryPoint(5, -5, PointKind::kInnerBoundary, key);
    doc_.AddBoundaryPoint(0, 0.5, PointKind::kLeftBoundary, key);
    EXPECT_FALSE(doc_.AddBoundaryPoint(1, 0.5, PointKind::kRightBoundary, key));
    EXPECT_EQ(key, -1);
    EXPECT_EQ(sink_.LastMessageUtf8(), Utf8(u8"境界点ﾃﾞｰﾀの個数が制限を越えています"));
    CBlockDoc lines;
    lines.m_nLimit[CBlockDoc::kLineLimit] = 1;
    lines.ImportPointRun({{0, 0}, {1, 0}, {1, 1}}, 0);
    EXPECT_EQ(sink_.LastMessageUtf8(), Utf8(u8"地表線ﾃﾞｰﾀの個数が制限を越えています"));
    EXPECT_EQ(lines.m_LineList.GetCount(), 1);
    // A second point of a kind replaces the first and so fits.
    EXPECT_FALSE(doc_.AddBoundaryPoint(6, -5, PointKind::kInnerBoundary, key));
    EXPECT_EQ(doc_.m_mapBound.GetCount(), 2);
}

TEST_F(DocumentEditTest, BoundaryPointReplacesItsKindOnlyOnceMade) {
    int key = -1;
    doc_.AddNode(0.0, 0.0, key);
    doc_.AddBoundaryPoint(5.0, 0.0, PointKind::kLeftBoundary, key);
    ASSERT_EQ(doc_.m_mapBound.GetCount(), 1);

    // Within the same-point distance of the first: the first is taken.
    EXPECT_TRUE(doc_.AddBoundaryPoint(5.005, 0.0, PointKind::kLeftBoundary, key));
    // Beside a ground point, declined: the old boundary point is still there.
    sink_.QueueAnswer(IDNO);
    EXPECT_FALSE(doc_.AddBoundaryPoint(0.0, 0.005, PointKind::kLeftBoundary, key));
    EXPECT_EQ(key, -1);
    ASSERT_EQ(doc_.m_mapBound.GetCount(), 1);
    EXPECT_EQ(doc_.m_mapBound.Lookup(0)->GetX(), 5.0);
    // Accepted: the new point takes the old one's place.
    sink_.QueueAnswer(IDYES);
    EXPECT_FALSE(doc_.AddBoundaryPoint(0.0, 0.005, PointKind::kLeftBoundary, key));
    ASSERT_EQ(doc_.m_mapBound.GetCount(), 1);
    const CNode* point = doc_.m_mapBound.Lookup(key);
    EXPECT_EQ(point->GetX(), 0.0);
    EXPECT_EQ(point->GetName(), CString("B-1"));
    EXPECT_EQ(doc_.m_mapAllPoints.size(), 2u);
}

TEST_F(DocumentEditTest, BoundaryPointsArePlacedAgainstTheGroundLine) {
    Run({{0, 0}, {10, 0}});
    EXPECT_EQ(doc_.InsertPoint(CNode(0, 5, 1, 0), PointKind::kLeftBoundary), nullptr);
    EXPECT_EQ(sink_.LastMessageUtf8(), Utf8(u8"地表境界点の指定位置ｴﾗｰ !!"));
    EXPECT_EQ(doc_.InsertPoint(CNode(0, 5, 0.05, 0), PointKind::kInnerBoundary), nullptr);
    EXPECT_EQ(sink_.LastMessageUtf8(), Utf8(u8"地中境界点の指定位置ｴﾗｰ !!"));
    CNode* placed = doc_.InsertPoint(CNode(0, 5, -3, 0), PointKind::kInnerBoundary);
    ASSERT_NE(placed, nullptr);
    EXPECT_EQ(doc_.InsertPoint(CNode(0, 5, -3, 0), PointKind::kInnerBoundary), placed);
}

TEST_F(DocumentEditTest, PointBesideALineSplitsIt) {
    Run({{0, 0}, {10, 0}});
    int key = -1;
    doc_.AddNode(4.0, 0.2, key); // squared distance 0.04: stays apart
    EXPECT_EQ(Lines(doc_), (std::vector<std::pair<int, int>>{{1, 2}}));
    doc_.AddNode(5.0, 0.05, key); // squared distance 0.0025: splits
    EXPECT_EQ(Lines(doc_), (std::vector<std::pair<int, int>>{{1, 4}, {4, 2}}));
    // Beyond a line's end nothing is split.
    doc_.AddNode(10.05, 0.0, key);
    EXPECT_EQ(doc_.m_LineList.GetCount(), 2);
}

TEST_F(DocumentEditTest, PointWhoseHalvesWouldPassTheLineLimitIsRefusedWhole) {
    doc_.m_nLimit[CBlockDoc::kLineLimit] = 2;
    Run({{0, 0}, {10, 0}});
    int key = -1;
    EXPECT_FALSE(doc_.AddNode(5.0, 0.05, key));
    EXPECT_EQ(key, -1);
    EXPECT_EQ(sink_.LastMessageUtf8(), Utf8(u8"地表線ﾃﾞｰﾀの個数が制限を越えています"));
    EXPECT_EQ(doc_.m_mapNode.GetCount(), 2);
    EXPECT_EQ(Lines(doc_), (std::vector<std::pair<int, int>>{{1, 2}}));
}

TEST_F(DocumentEditTest, CrossingMakesAPointAndHalvesTheCrossedLine) {
    Run({{0, 0}, {10, 0}});
    Run({{5, -5}, {5, 5}});
    EXPECT_EQ(doc_.m_mapNode.GetCount(), 5);
    const CNode* crossing = doc_.m_mapNode.Lookup(4);
    EXPECT_EQ(crossing->GetX(), 5.0);
    EXPECT_EQ(crossing->GetY(), 0.0);
    EXPECT_EQ(Lines(doc_), (std::vector<std::pair<int, int>>{{1, 5}, {5, 2}, {3, 4}}));
}

TEST_F(DocumentEditTest, HorizontalLineThroughANearPointIsDrawnStraight) {
    int key = -1;
    doc_.AddNode(5.0, 0.005, key);
    Run({{5, -5}, {5, 5}}); // vertical line through it makes no second point there
    sink_.Clear();
    Run({{0, 0}, {10, 0}});
    EXPECT_EQ(sink_.LastMessageUtf8(), Utf8(u8"水平線が描けないため、直線で描画します !!!"));
    EXPECT_EQ(doc_.m_mapNode.GetCount(), 5);
}

TEST_F(DocumentEditTest, OverlapReplacesOnlyCoveredLines) {
    // A line drawn over a whole line takes its place and passes through its ends.
    Run({{2, 0}, {4, 0}});
    Run({{0, 0}, {6, 0}});
    EXPECT_EQ(GroundOrder(doc_), (std::vector<int>{3, 1, 2, 4}));
    EXPECT_EQ(doc_.m_LineList.GetCount(), 3);

    // A line drawn over part of a line leaves the rest of it in place.
    CBlockDoc other;
    other.ImportPointRun({{5, 0}, {15, 0}}, 0);
    other.ImportPointRun({{0, 0}, {10, 0}}, 0);
    EXPECT_EQ(GroundOrder(other), (std::vector<int>{3, 1, 4, 2}));
}

TEST_F(DocumentEditTest, LineKeysAreCompactedAfterManyDeletions) {
    std::vector<DPoint> run;
    for (int i = 0; i <= 110; ++i) {
        run.push_back({i * 1.0, 0.0});
    }
    Run(run);
    ASSERT_EQ(doc_.m_nLineCount, 110);
    for (int key = 0; key < 101; ++key) {
        doc_.m_LineList.Remove(key);
    }
    EXPECT_TRUE(doc_.ImportPointRun({{0, 5}, {1, 5}}, 0));
    EXPECT_EQ(doc_.m_nLineCount, 10);
    int expected = 0;
    for (const auto& [key, line] : doc_.m_LineList) {
        EXPECT_EQ(key, expected);
        EXPECT_EQ(line->GetNumber(), ++expected);
    }
}

TEST_F(DocumentEditTest, SelectionsAndDeletion) {
    Run({{0, 0}, {5, 0}, {10, 0}, {10, 5}});
    doc_.SetNodeStates(CNode::kNormal); // as the view leaves them after drawing
    CObList list;
    const double unset = platform::kUnsetDouble;
    doc_.SelectNodesInRect(list, unset, 0, unset, 0, 0, PointKind::kGround);
    EXPECT_EQ(list.GetCount(), 4);
    doc_.SetNodeStates(CNode::kNormal);
    list.RemoveAll();

    // Point 2 lies straight between its two lines, point 3 at a corner.
    doc_.SetLineStates(CLine::kNormal);
    doc_.SelectNodesInRect(list, 4, 11, -1, 1, 0, PointKind::kGround);
    doc_.SelectLinesOfSelectedNodes(list);
    EXPECT_EQ(doc_.m_mapNode.Lookup(1)->GetState(), CNode::kStraightInner);
    EXPECT_EQ(doc_.m_mapNode.Lookup(2)->GetState(), CNode::kSelected);
    EXPECT_EQ(list.GetCount(), 2 + 3);

    // Deleting the selected point 2: its lines merge into one, then the keys close up.
    doc_.SetNodeStates(CNode::kNormal);
    doc_.SetLineStates(CLine::kNormal);
    doc_.ReplaceNodeInLines(1, 0);
    doc_.m_mapNode.Lookup(1)->SetState(CNode::kSelected);
    doc_.DeletePointsInState(PointKind::kGround, CNode::kSelected);
    doc_.AddLines(CLine::kDropped);
    EXPECT_EQ(Lines(doc_), (std::vector<std::pair<int, int>>{{1, 3}, {3, 4}}));
    EXPECT_EQ(GroundOrder(doc_), (std::vector<int>{1, 3, 4}));

    list.RemoveAll();
    int key = -1;
    doc_.AddNode(20, 20, key);
    doc_.SelectUnusedNodes(list);
    EXPECT_EQ(list.GetCount(), 1);
    EXPECT_EQ(doc_.m_mapNode.Lookup(key)->GetState(), CNode::kSelected);
}

TEST_F(DocumentEditTest, TableChangesMoveMergeAndAddPoints) {
    Run({{0, 0}, {5, 0}, {10, 0}});
    doc_.SetNodeStates(CNode::kNormal);
    doc_.SetLineStates(CLine::kNormal);
    section::PendingPointEdit edited(section::PendingPointEdit::kGroundPoints);
    // Point 2 moves; point 3 merges into point 2; a new point 9 comes in.
    doc_.m_mapNode.Lookup(1)->SetState(CNode::kChanging);
    edited.Put(1, section::PendingPointEdit::Change::kMove, Record(2, 5.0, 1.0));
    doc_.m_mapNode.Lookup(2)->SetState(CNode::kChanging);
    edited.PutMerge(2, Record(3, 0.0, 0.0), 1);
    edited.Put(8, section::PendingPointEdit::Change::kReplace, Record(9, 20.0, 0.0));
    doc_.ApplyPointChanges(edited);

    EXPECT_TRUE(edited.Copies().empty());
    EXPECT_EQ(doc_.m_mapNode.Lookup(1)->GetY(), 1.0);
    EXPECT_EQ(doc_.m_mapNode.Lookup(2), nullptr);
    EXPECT_EQ(doc_.m_mapNode.Lookup(8)->GetX(), 20.0);
    EXPECT_EQ(doc_.m_nNodeCount, 9);
    EXPECT_EQ(doc_.m_mapAllPoints.size(), 3u);
    EXPECT_EQ(doc_.m_LineList.Lookup(1)->GetState(), CLine::kDropped); // 2-3 became 2-2
}

TEST_F(DocumentEditTest, ModelMadeByEditsSavesReopensAndSavesIdentically) {
    double width, height;
    doc_.GetModelExtent(width, height);
    EXPECT_EQ(width, 200.0);
    EXPECT_EQ(height, 100.0);
    Run({{0, 10}, {10, 6}, {20, 2}, {30, 1}});
    Run({{15, 0}, {15, 10}}); // point 7 where it crosses the line 2-3
    // Delete the vertical line with its two ends again.
    doc_.SetLineStates(CLine::kNormal);
    doc_.SetNodeStates(CNode::kNormal);
    for (const auto& [key, line] : doc_.m_LineList) {
        if (line->HasEnd(4)) {
            line->SetState(CLine::kDropped);
        }
    }
    doc_.AddLines(CLine::kDropped);
    doc_.m_mapNode.Lookup(4)->SetState(CNode::kSelected);
    doc_.m_mapNode.Lookup(5)->SetState(CNode::kSelected);
    doc_.DeletePointsInState(PointKind::kGround, CNode::kSelected);
    int key = -1;
    doc_.AddNode(25, 1.5, key); // point 8 splits the line 3-4
    doc_.AddMeasurePoint(12, 8, key);
    ASSERT_NE(doc_.InsertPoint(CNode(0, 5, 8, 0), PointKind::kLeftBoundary), nullptr);
    doc_.m_strTitle = CString(u8"編集した断面");
    doc_.GetModelExtent(width, height);
    EXPECT_EQ(width, 30.0);
    std::copy(doc_.m_dModelBox, doc_.m_dModelBox + 4, doc_.m_dModelSize);

    ASSERT_TRUE(doc_.OnSaveDocument(Path("made.sec").c_str()));
    CBlockDoc reopened;
    ASSERT_TRUE(reopened.OnOpenDocument(Path("made.sec").c_str()));
    ASSERT_TRUE(reopened.OnSaveDocument(Path("again.sec").c_str()));
    EXPECT_EQ(testsupport::ReadBytes(Path("again.sec")), testsupport::ReadBytes(Path("made.sec")));
    EXPECT_EQ(GroundOrder(reopened), (std::vector<int>{1, 2, 7, 3, 8, 4}));
    EXPECT_EQ(sink_.MessageCount(), 0);
}

TEST_F(DocumentEditTest, DeletingAMiddlePointOfTwoSelectedLinesBridgesThemAndMarksTheDocument) {
    CBlockDoc doc;
    doc.ImportPointRun({{0.0, 10.0}, {10.0, 10.0}, {20.0, 10.0}, {30.0, 5.0}}, 0);
    doc.SetNodeStates(CNode::kNormal);
    doc.SetLineStates(CLine::kNormal);
    doc.SetModifiedFlag(false);
    CObList selection;
    // Point 2 joins lines 1-2 and 2-3 in a straight course: as select-all marks it.
    doc.SelectNodesInRect(selection, 9.0, 11.0, 9.0, 11.0, 0, PointKind::kGround);
    doc.SelectLinesOfSelectedNodes(selection);
    doc.DeleteObjects(selection);
    EXPECT_TRUE(selection.IsEmpty());
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.m_mapNode.GetCount(), 3);
    EXPECT_EQ(GroundOrder(doc), (std::vector<int>{1, 3, 4}));
}

TEST_F(DocumentEditTest, DeletingAnEndPointTakesItsLineAlong) {
    CBlockDoc doc;
    doc.ImportPointRun({{0.0, 10.0}, {10.0, 10.0}, {20.0, 5.0}}, 0);
    doc.SetNodeStates(CNode::kNormal);
    doc.SetLineStates(CLine::kNormal);
    CObList selection;
    CNode* last = doc.m_mapNode.Lookup(2);
    last->SetState(CNode::kSelected);
    selection.AddTail(last);
    doc.DeleteObjects(selection);
    EXPECT_EQ(Lines(doc), (std::vector<std::pair<int, int>>{{1, 2}}));
}
