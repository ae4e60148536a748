// One point record as the section model file holds it.

#include "section_editor/core/CNode.h"

#include "platform/core/Unset.h"

#include <gtest/gtest.h>

namespace {

using merdok::CNode;

TEST(NodeRecordTest, NamedPointReadsBackAsWritten) {
    CNode point(3, 12.5, -4.25, CNode::kSelected);
    point.SetKind(CNode::kMeasurement);
    point.GetName().Format("K-%d", 3);
    EXPECT_EQ(point.Format(), CString("    3    1    12.500    -4.250     K-3"));

    CNode read;
    read.Parse(point.Format());
    EXPECT_EQ(read.GetNumber(), 3);
    EXPECT_EQ(read.GetKind(), CNode::kMeasurement);
    EXPECT_EQ(read.GetX(), 12.5);
    EXPECT_EQ(read.GetY(), -4.25);
    EXPECT_EQ(read.GetName(), CString("K-3"));
    EXPECT_EQ(read.GetState(), CNode::kNormal);
}

TEST(NodeRecordTest, FieldRules) {
    struct Case {
        const char* line;
        int kind;
        const char* name;
    };
    const Case cases[] = {
        // A ground-surface point never takes a name from the line.
        {"    1    0     1.000     2.000     stray", CNode::kGround, ""},
        // A blank kind is not 0, so the name is read.
        {"    1          1.000     2.000     P", platform::kUnsetInt, "P"},
        // The name field is columns 36-50.
        {"    1    1     1.000     2.000     ABCDEFGHIJKLMNOPQRST", CNode::kMeasurement, "ABCDEFGHIJKLMNO"},
        // A cut at column 50 never splits a double-byte character ("ABCDEFGHIJKLMN" + one).
        {"    1    1     1.000     2.000     ABCDEFGHIJKLMN\x82\xa0", CNode::kMeasurement, "ABCDEFGHIJKLMN"},
        {"    1    2     1.000     2.000", CNode::kInnerBoundary, ""},
    };
    for (const Case& c : cases) {
        CNode point;
        point.Parse(c.line);
        EXPECT_EQ(point.GetKind(), c.kind) << c.line;
        EXPECT_EQ(point.GetName(), CString(c.name)) << c.line;
    }
}

TEST(NodeRecordTest, CoordinatesRoundToThreeDecimalsAndWideOnesDoNotFit) {
    CNode point(1, 1.23456, -99999.999, 0);
    EXPECT_EQ(point.Format(), CString("    1    0     1.235-99999.999"));
    EXPECT_TRUE(point.FitsRecord());

    const double wide[] = {1000000.0, -100000.0, 999999.9996};
    for (double x : wide) {
        CNode outside(1, x, 0.0, 0);
        EXPECT_FALSE(outside.FitsRecord()) << x;
    }
    EXPECT_FALSE(CNode(100000, 0.0, 0.0, 0).FitsRecord());
}

} // namespace
