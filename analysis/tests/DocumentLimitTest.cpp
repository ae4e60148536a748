// The data-count limits at their built-in values: the limit itself is allowed, one more
// shows the kind's message and changes nothing.

#include "DocumentTestSupport.h"

using section::PointKind;

using platform::Utf8;
using torvan::CBlockDoc;
using torvan::CNode;

using LinePairs = std::vector<std::pair<int, int>>;

namespace {

// What must stay as it was after a refused operation.
struct ModelCounts {
    int ground, sites, bounds, all, lines, lineCount, nextKey;
    bool operator==(const ModelCounts&) const = default;
};

} // namespace

class DocumentLimitTest : public DocumentTest {
protected:
    ModelCounts Counts() const {
        return {doc_.GroundPoints().GetCount(),
                doc_.MeasurementPoints().GetCount(),
                doc_.BoundaryPoints().GetCount(),
                doc_.AllPoints().GetCount(),
                doc_.GroundLines().GetCount(),
                doc_.LineCount(),
                doc_.NextKey()};
    }
    // A boundary point as the analysis file brings it: switched off, kept for a slip line.
    void StoreHiddenBoundaryPoint(int number) {
        auto* point = new CNode(number, number, -50.0, CNode::kNormal);
        point->kind = PointKind::kInnerBoundary;
        point->inUse = 0;
        point->slipMark = 3;
        point->seqNo = doc_.NextKey();
        doc_.BoundaryPoints().SetAt(static_cast<WORD>(number - 1), point);
        doc_.AllPoints().SetAt(static_cast<WORD>(doc_.NextKey()), point);
        doc_.SetNextKey(doc_.NextKey() + 1);
        doc_.UpdateMaxNumbers(PointKind::kInnerBoundary);
    }
    void ExpectLimitMessage(const char8_t* kindName) {
        EXPECT_EQ(sink_.LastMessageUtf8(), Utf8(kindName) + Utf8(u8"ﾃﾞｰﾀの個数が制限を越えています"));
    }
};

struct PointLimitCase {
    const char* name;
    PointKind kind;
    int limit;
    const char8_t* kindName;
};

class PointLimitTest : public DocumentLimitTest, public ::testing::WithParamInterface<PointLimitCase> {};

TEST_P(PointLimitTest, TheLimitItselfIsAllowedOneMoreChangesNothing) {
    const PointLimitCase& c = GetParam();
    for (int i = 0; i < c.limit; ++i) {
        int key = -1;
        int hit = c.kind == PointKind::kGround ? doc_.InsertGroundPoint(i, 0, key)
                                               : doc_.InsertSitePoint(i, 0, key);
        ASSERT_EQ(hit, 0);
        ASSERT_EQ(key, i);
    }
    EXPECT_EQ(sink_.MessageCount(), 0);
    ModelCounts before = Counts();
    int key = 0;
    int hit =
        c.kind == PointKind::kGround ? doc_.InsertGroundPoint(-5, 0, key) : doc_.InsertSitePoint(-5, 0, key);
    EXPECT_EQ(hit, 0);
    EXPECT_EQ(key, -1);
    ExpectLimitMessage(c.kindName);
    EXPECT_EQ(Counts(), before);
    // A position on an existing point still selects it.
    EXPECT_EQ(c.kind == PointKind::kGround ? doc_.InsertGroundPoint(7, 0, key)
                                           : doc_.InsertSitePoint(7, 0, key),
              1);
    EXPECT_EQ(key, 7);
}

INSTANTIATE_TEST_SUITE_P(BuiltIn, PointLimitTest,
                         ::testing::Values(PointLimitCase{"Ground", PointKind::kGround, 2000, u8"節点"},
                                           PointLimitCase{"Measurement", PointKind::kMeasurement, 1000,
                                                          u8"計測点"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DocumentLimitTest, BoundaryPointsStopAtOneHundred) {
    doc_.ImportPointRun({{0, 0}, {100, 0}});
    for (int number = 1; number <= 99; ++number) {
        StoreHiddenBoundaryPoint(number);
    }
    doc_.InsertPoint(50, -10, PointKind::kInnerBoundary); // the hundredth
    ASSERT_EQ(doc_.BoundaryPoints().GetCount(), 100);
    EXPECT_EQ(sink_.MessageCount(), 0);
    ModelCounts before = Counts();
    side_.edited.clear();
    EXPECT_EQ(doc_.InsertPoint(60, -10, PointKind::kInnerBoundary), nullptr);
    ExpectLimitMessage(u8"境界点");
    EXPECT_TRUE(side_.edited.empty()); // no point dialog for a refused point
    EXPECT_EQ(Counts(), before);
    EXPECT_EQ(doc_.FindBoundaryPoint(PointKind::kInnerBoundary)->number, 100);
}

TEST_F(DocumentLimitTest, LineKeysStopAtTwoThousand) {
    Ground(0, 0);
    Ground(0, 10);
    EXPECT_EQ(doc_.AddLine(0, 1, 1999), 2000);
    ModelCounts before = Counts();
    EXPECT_EQ(doc_.AddLine(1, 0, 2000), -2);
    ExpectLimitMessage(u8"地表線");
    EXPECT_EQ(Counts(), before);
    EXPECT_EQ(doc_.AddLine(1, 1, 5), -1); // equal ends
}

// Each point on a line splits it into two new keys and leaves one unused: after 999 splits
// the next free key is 1999, so one more split would need key 2000.
TEST_F(DocumentLimitTest, APointOnALineIsRefusedWhenTheSplitWouldPassTheLineLimit) {
    doc_.ImportPointRun({{0, 0}, {10000, 0}});
    for (int i = 1; i <= 999; ++i) {
        ASSERT_GE(Ground(i, 0), 0);
    }
    ASSERT_EQ(doc_.LineCount(), 1999);
    ASSERT_EQ(doc_.GroundLines().GetCount(), 1000);
    EXPECT_EQ(sink_.MessageCount(), 0);
    ModelCounts before = Counts();
    EXPECT_EQ(Ground(5000, 0), -1);
    ExpectLimitMessage(u8"地表線");
    EXPECT_EQ(Counts(), before);
    EXPECT_GE(Ground(5000, 5), 0); // beside the line no split is needed
}

struct CrossingLimitCase {
    const char* name;
    int limitIndex;
    int limit;
    const char8_t* kindName;
};

class CrossingLimitTest : public DocumentLimitTest,
                          public ::testing::WithParamInterface<CrossingLimitCase> {};

// A drawn segment whose crossing would pass a limit leaves the crossed line whole: no new
// point, no half of it on top of it, and the drawn line is not added.
TEST_P(CrossingLimitTest, TheCrossedLineStaysWhole) {
    const CrossingLimitCase& c = GetParam();
    doc_.ImportPointRun({{5, -5}, {5, 5}});
    doc_.Limits().m_nLimit[c.limitIndex] = c.limit;
    doc_.ImportPointRun({{0, 0}, {10, 0}});
    ExpectLimitMessage(c.kindName);
    EXPECT_EQ(Lines(), (LinePairs{{1, 2}}));
    EXPECT_EQ(doc_.LineCount(), 1);
    EXPECT_EQ(doc_.GroundPoints().GetCount(), 4); // the run's own two points, no crossing point
}

INSTANTIATE_TEST_SUITE_P(Lowered, CrossingLimitTest,
                         ::testing::Values(CrossingLimitCase{"Points", CBlockDoc::kPointLimit, 4, u8"節点"},
                                           CrossingLimitCase{"Lines", CBlockDoc::kLineLimit, 2, u8"地表線"}),
                         [](const auto& info) { return std::string(info.param.name); });
