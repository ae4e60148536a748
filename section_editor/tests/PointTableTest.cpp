// The coordinate tables, the point edits and the editing settings: what a user's rows and
// values do to the section model, and what they are refused for.

#include "section_editor/core/PointTable.h"
#include "section_editor/core/CBlockDoc.h"
#include "section_editor/core/EditSettings.h"
#include "section_editor/core/PointEdits.h"

#include "platform/core/RecordingSink.h"
#include "platform/core/Unset.h"
#include "testsupport/Fixtures.h"

#include <chrono>

using merdok::CBlockDoc;
using merdok::CNode;
using platform::Utf8;

namespace {

constexpr double U = platform::kUnsetDouble;
constexpr int N = platform::kUnsetInt;

CoordinateRow Row(int number, double x, double y, const char* name = "", int flag = N) {
    CoordinateRow row;
    row.number = number;
    row.x = x;
    row.y = y;
    row.name = name;
    row.flag = flag;
    return row;
}

std::vector<std::pair<int, int>> Lines(const CBlockDoc& doc) {
    std::vector<std::pair<int, int>> lines;
    for (const auto& [key, line] : doc.m_LineList) {
        lines.emplace_back(line->GetNode1() + 1, line->GetNode2() + 1);
    }
    return lines;
}

// A copy's mark as the table of the selected points leaves it: -n merged into point n, 1 moved.
int Mark(const section::PendingPointEdit::Entry* copy) {
    if (!copy) {
        return 0;
    }
    return copy->change == section::PendingPointEdit::Change::kMerge ? -(copy->mergeInto + 1) : 1;
}

} // namespace

class PointTableTest : public testsupport::RecordingSinkTest {
protected:
    PointTableTest() {
        // Ground points 1 (0,0), 2 (10,0), 3 (20,5) on one ground line.
        doc_.ImportPointRun({{0.0, 0.0}, {10.0, 0.0}, {20.0, 5.0}}, 0);
        int key = -1;
        doc_.AddMeasurePoint(5.0, -3.0, key);
        doc_.SetNodeStates(0);
        doc_.SetLineStates(0);
        doc_.SetPointStates(section::PointKind::kMeasurement, 0);
        sink_.Clear();
    }

    // Applies checked rows as a confirmed table.
    void Commit(int kind, const std::vector<CoordinateRow>& rows) {
        ASSERT_TRUE(merdok::CheckPointTableRows(doc_, kind, rows, U, U)) << sink_.LastMessageUtf8();
        auto edit = merdok::PreparePointTableEdit(doc_, kind, rows, nullptr);
        ASSERT_TRUE(edit);
        merdok::MarkPendingEdit(doc_, *edit);
        ASSERT_TRUE(merdok::AcceptPendingEdit(doc_, *edit));
    }

    CBlockDoc doc_;
};

TEST_F(PointTableTest, RefusedTablesNameTheRowAndChangeNothing) {
    struct Case {
        const char* what;
        int kind;
        std::vector<CoordinateRow> rows;
        const char8_t* message;
    };
    const std::vector<Case> cases = {
        {"blank middle row",
         800,
         {Row(1, 0, 0), Row(2, U, U), Row(3, 20, 5)},
         u8"番号 2 の座標が未入力です !!"},
        {"duplicate numbers",
         800,
         {Row(1, 0, 0), Row(2, 10, 0), Row(1, 30, 0)},
         u8"番号 1 と 3 の点番号が重複しています !!"},
        {"ground points over the limit",
         800,
         {Row(1, 0, 0), Row(2, 10, 0), Row(3, 20, 5), Row(N, 30, 5)},
         u8"節点ﾃﾞｰﾀの個数が制限を越えています"},
        {"ground line over the line limit",
         803,
         {Row(1, 0, 0), Row(2, 10, 0), Row(3, 20, 5)},
         u8"地表線ﾃﾞｰﾀの個数が制限を越えています"},
        {"names equal but for blanks",
         801,
         {Row(1, 5, -3, " A"), Row(N, 6, -3, "A  ")},
         u8"変更した地点名(A  )は他の点と重複するため、定義できません"},
        {"unset flag", 802, {Row(N, 5, -1, "", N)}, u8"番号 1 のﾌﾗｸﾞが未入力です !!"},
        {"two left boundary points",
         802,
         {Row(N, 2, U, "", 1), Row(N, 4, U, "", 1)},
         u8"左地表境界点の定義数ｴﾗｰ ( 2 個) !!"},
        {"no ground line under a surface point",
         802,
         {Row(N, 25, U, "", 2)},
         u8"地表境界点が見つかりませんGetKotenAllSufaceLine"},
    };
    doc_.m_nLimit[CBlockDoc::kNodeLimit] = 3;
    for (const Case& c : cases) {
        doc_.m_nLimit[CBlockDoc::kLineLimit] = c.kind == 803 ? 1 : 2000;
        sink_.Clear();
        EXPECT_FALSE(merdok::CheckPointTableRows(doc_, c.kind, c.rows, U, U)) << c.what;
        EXPECT_EQ(sink_.MessagesUtf8(), std::vector<std::string>{Utf8(c.message)}) << c.what;
        EXPECT_EQ(doc_.m_mapNode.GetCount(), 3) << c.what;
        EXPECT_EQ(Lines(doc_), (std::vector<std::pair<int, int>>{{1, 2}, {2, 3}})) << c.what;
        EXPECT_FALSE(doc_.IsModified()) << c.what;
    }
}

TEST_F(PointTableTest, GroundLineTableOfExactlyTheLineLimitIsAccepted) {
    // Three rows make two lines.
    doc_.m_nLimit[CBlockDoc::kLineLimit] = 2;
    Commit(803, {Row(1, 0, 0), Row(2, 10, 0), Row(3, 20, 5)});
    EXPECT_TRUE(sink_.MessagesUtf8().empty());
    EXPECT_EQ(Lines(doc_), (std::vector<std::pair<int, int>>{{1, 2}, {2, 3}}));
}

// The model's bounds themselves are inside.
TEST_F(PointTableTest, BoundaryRowsOutsideTheModelRangeAreRefusedAtEitherEnd) {
    struct Case {
        double x;
        bool accepted;
    };
    for (const Case c :
         {Case{5.0, true}, Case{0.0, true}, Case{20.0, true}, Case{-1.0, false}, Case{21.0, false}}) {
        sink_.Clear();
        EXPECT_EQ(merdok::CheckPointTableRows(doc_, 802, {Row(N, c.x, -2, "", 0)}, 0.0, 20.0) != FALSE,
                  c.accepted)
            << c.x;
        const std::vector<std::string> refused = {Utf8(u8"指定点 1 のX座標値がﾓﾃﾞﾙ範囲外です !!")};
        EXPECT_EQ(sink_.MessagesUtf8(), c.accepted ? std::vector<std::string>{} : refused) << c.x;
    }
}

TEST_F(PointTableTest, ClosePairsWarnOnceAndTheTableCloses) {
    const std::vector<CoordinateRow> rows = {Row(1, 0, 0), Row(2, 0.005, 0), Row(3, 0.002, 0.001),
                                             Row(N, 9, 9)};
    EXPECT_TRUE(merdok::CheckPointTableRows(doc_, 800, rows, U, U));
    EXPECT_EQ(sink_.MessagesUtf8(), std::vector<std::string>{Utf8(
                                        u8"指定点 1 と 2 の距離が近すぎます !!\n(近すぎる点の組: 3 組)")});
}

TEST_F(PointTableTest, PointTableKeepsTrimmedNamesAndDropsMissingRows) {
    Commit(801, {Row(1, 5, -3, "  Pile A  "), Row(N, 7, -4, " B ")});
    ASSERT_EQ(doc_.m_mapSite.GetCount(), 2);
    EXPECT_EQ(doc_.m_mapSite.Lookup(0)->GetName(), CString("Pile A"));
    EXPECT_EQ(doc_.m_mapSite.Lookup(1)->GetName(), CString("B"));

    // Row of point 2 deleted: the point and both its lines go.
    Commit(800, {Row(1, 0, 0), Row(3, 20, 5)});
    EXPECT_EQ(doc_.m_mapNode.GetCount(), 2);
    EXPECT_EQ(doc_.m_mapNode.Lookup(1), nullptr);
    EXPECT_TRUE(Lines(doc_).empty());
}

TEST_F(PointTableTest, GroundLineTableRenumbersNewPointsAndKeepsOldLinesWhenItCannotBuild) {
    // Number 77 does not exist: the point is made as number 4, after the largest.
    Commit(803, {Row(1, 0, 0), Row(2, 10, 1), Row(77, 15, 2), Row(3, 20, 5)});
    EXPECT_EQ(doc_.m_mapNode.Lookup(3)->GetNumber(), 4);
    EXPECT_EQ(doc_.m_mapNode.Lookup(1)->GetY(), 1.0);
    EXPECT_EQ(Lines(doc_), (std::vector<std::pair<int, int>>{{1, 2}, {2, 4}, {4, 3}}));

    // The line limit falls before the confirmation: nothing changes.
    const std::vector<CoordinateRow> rows = {Row(1, 0, 0), Row(2, 10, 2), Row(4, 15, 2), Row(3, 20, 5),
                                             Row(N, 30, 5)};
    ASSERT_TRUE(merdok::CheckPointTableRows(doc_, 803, rows, U, U));
    auto edit = merdok::PreparePointTableEdit(doc_, 803, rows, nullptr);
    merdok::MarkPendingEdit(doc_, *edit);
    doc_.m_nLimit[CBlockDoc::kLineLimit] = 3;
    EXPECT_FALSE(merdok::AcceptPendingEdit(doc_, *edit));
    EXPECT_EQ(Lines(doc_), (std::vector<std::pair<int, int>>{{1, 2}, {2, 4}, {4, 3}}));
    EXPECT_EQ(doc_.m_mapNode.GetCount(), 4);
    EXPECT_EQ(doc_.m_mapNode.Lookup(1)->GetY(), 1.0);
}

// Two consecutive rows of one point would make a line from the point to itself: the row check
// names the rows, and an edit made of them all the same is refused in silence at confirmation,
// before it has changed a line.
TEST_F(PointTableTest, GroundLineTableThroughOnePointTwiceInARowIsRefusedAndKeepsTheLines) {
    const std::vector<CoordinateRow> rows = {Row(1, 0, 0), Row(3, 20, 5), Row(3, 20, 5), Row(2, 10, 0)};
    EXPECT_FALSE(merdok::CheckPointTableRows(doc_, 803, rows, U, U));
    EXPECT_EQ(sink_.MessagesUtf8(),
              std::vector<std::string>{Utf8(u8"番号 2 と 3 の点番号が重複しています !!")});

    sink_.Clear();
    auto edit = merdok::PreparePointTableEdit(doc_, 803, rows, nullptr);
    ASSERT_TRUE(edit);
    merdok::MarkPendingEdit(doc_, *edit);
    EXPECT_FALSE(merdok::AcceptPendingEdit(doc_, *edit));
    EXPECT_TRUE(sink_.MessagesUtf8().empty()) << sink_.LastMessageUtf8();
    EXPECT_EQ(Lines(doc_), (std::vector<std::pair<int, int>>{{1, 2}, {2, 3}}));
    EXPECT_EQ(doc_.m_mapNode.GetCount(), 3);
    EXPECT_FALSE(doc_.IsModified());
}

TEST_F(PointTableTest, CoordinateEditMergesRowsCloserThanFourTenthsOfAMillimetre) {
    struct Case {
        double gap;
        int mark; // the copy of point 3: -1 merged into point 1, 1 moved
    };
    for (const Case c : {Case{0.0003, -1}, Case{0.0004, 1}}) {
        const std::vector<CoordinateRow> rows = {Row(1, 2.0, 1.0), Row(3, 2.0 + c.gap, 1.0 + c.gap)};
        ASSERT_TRUE(merdok::CheckCoordinateEditRows(doc_, rows));
        auto edit = merdok::PrepareCoordinateEdit(doc_, rows);
        EXPECT_EQ(Mark(edit->Find(2)), c.mark) << c.gap;
        EXPECT_EQ(Mark(edit->Find(0)), 1) << c.gap;
    }
    // Merged and confirmed: point 3 goes, and its line to point 2 becomes a second line 1-2,
    // which goes too, so that the ground line stays one run.
    auto edit = merdok::PrepareCoordinateEdit(doc_, {Row(1, 2.0, 1.0), Row(3, 2.0003, 1.0)});
    merdok::MarkPendingEdit(doc_, *edit);
    ASSERT_TRUE(merdok::AcceptPendingEdit(doc_, *edit));
    EXPECT_EQ(doc_.m_mapNode.Lookup(2), nullptr);
    EXPECT_EQ(doc_.m_mapNode.Lookup(0)->GetX(), 2.0);
    EXPECT_EQ(Lines(doc_), (std::vector<std::pair<int, int>>{{1, 2}}));
    std::vector<const CNode*> order;
    EXPECT_TRUE(doc_.CheckGroundLine(order, true));
}

// The coordinate table of the selected points warns of points put on each other, as the
// other point tables do, and still closes.
TEST_F(PointTableTest, CoordinateEditWarnsOfPointsTooCloseAndStillCloses) {
    EXPECT_TRUE(merdok::CheckCoordinateEditRows(doc_, {Row(1, 2.0, 1.0), Row(3, 2.005, 1.0)}));
    EXPECT_EQ(sink_.MessagesUtf8(), std::vector<std::string>{Utf8(u8"指定点 1 と 2 の距離が近すぎます !!")});
}

TEST_F(PointTableTest, SelectedMeasurementPointsAreNeverTakenForGroundPoints) {
    // Measurement point 1 and ground point 2 selected: only ground point 2 is in the table
    // and in the move, and the move with X only keeps its y.
    const std::vector<const CNode*> selection = {doc_.m_mapSite.Lookup(0), doc_.m_mapNode.Lookup(1)};
    const std::vector<CoordinateRow> rows = merdok::SelectedPointRows(selection);
    ASSERT_EQ(rows.size(), 1U);
    EXPECT_EQ(rows[0].number, 2);
    auto move = merdok::PrepareMove(selection, 1.5, U);
    ASSERT_EQ(move->Copies().size(), 1U);
    const section::PointRecord& moved = move->Find(1)->point;
    EXPECT_EQ(moved.x, 11.5);
    EXPECT_EQ(moved.y, 0.0);

    EXPECT_FALSE(merdok::CheckCoordinateEditRows(doc_, {Row(9, 1, 1)}));
    EXPECT_EQ(sink_.LastMessageUtf8(), Utf8(u8"番号 9 の点はありません !!"));
}

TEST_F(PointTableTest, ChangePointRefusesNumberZeroAndMovesLinesWithANewNumber) {
    CNode& point = *doc_.m_mapNode.Lookup(1);
    EXPECT_FALSE(merdok::ChangePoint(doc_, point, {0, 10.0, 0.0, CString()}, U, U));
    EXPECT_EQ(sink_.LastMessageUtf8(), Utf8(u8"番号は 1 から 30000 までです"));
    EXPECT_FALSE(doc_.IsModified());
    EXPECT_FALSE(merdok::ChangePoint(doc_, point, {3, 10.0, 0.0, CString()}, U, U));
    EXPECT_EQ(sink_.LastMessageUtf8(), Utf8(u8"変更した番号は他の点と重複するため、定義できません"));

    EXPECT_TRUE(merdok::ChangePoint(doc_, point, {30000, 10.0, 0.5, CString()}, U, U));
    EXPECT_EQ(doc_.m_mapNode.Lookup(29999), &point);
    EXPECT_EQ(doc_.m_nNodeCount, 30000);
    EXPECT_EQ(Lines(doc_), (std::vector<std::pair<int, int>>{{1, 30000}, {30000, 3}}));
}

TEST_F(PointTableTest, MovedPointMarksTheModelForSaving) {
    CNode& point = *doc_.m_mapNode.Lookup(1);
    ASSERT_FALSE(doc_.IsModified());
    EXPECT_TRUE(merdok::ChangePoint(doc_, point, {2, 10.0, 0.5, CString()}, U, U));
    EXPECT_EQ(point.GetY(), 0.5);
    EXPECT_TRUE(doc_.IsModified());
}

TEST(EditSettingsTest, DialogValuesOutsideTheirRangesAreRefused) {
    using Settings = merdok::EditSettings;
    struct Case {
        int limit;
        double distance;
        double angle;
        Settings::Field refused;
    };
    const Case cases[] = {
        {100, 0.01, 0.0, Settings::kNoField},    {10000, -0.0, 0.5, Settings::kDistance},
        {99, 0.01, 0.01, Settings::kNodeLimit},  {10001, 0.01, 0.01, Settings::kNodeLimit},
        {100, U, 0.01, Settings::kDistance},     {100, 0.01, 1.0, Settings::kAngle},
        {100, 0.01, 0.9999, Settings::kNoField}, {100, 0.01, -0.001, Settings::kAngle},
    };
    for (const Case& c : cases) {
        Settings settings;
        settings.limits[0] = c.limit;
        settings.distance = c.distance;
        settings.angle = c.angle;
        CString message;
        EXPECT_EQ(settings.Check(message), c.refused) << c.limit << " " << c.distance << " " << c.angle;
    }
}

TEST(PointTableSpeedTest, TenThousandGroundPointsCheckAndCommitAtOnce) {
    CBlockDoc doc;
    doc.m_nLimit[CBlockDoc::kNodeLimit] = 10000;
    std::vector<CoordinateRow> rows;
    for (int i = 0; i < 10000; ++i) {
        rows.push_back(Row(N, i * 0.5, (i % 7) * 0.25));
    }
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(merdok::CheckPointTableRows(doc, 800, rows, U, U));
    auto edit = merdok::PreparePointTableEdit(doc, 800, rows, nullptr);
    merdok::MarkPendingEdit(doc, *edit);
    ASSERT_TRUE(merdok::AcceptPendingEdit(doc, *edit));
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(doc.m_mapNode.GetCount(), 10000);
    EXPECT_LT(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count(), 2000);
}
