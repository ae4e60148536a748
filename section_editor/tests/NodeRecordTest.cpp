// One point record as the section model file holds it.

#include "section_editor/core/CLine.h"
#include "section_editor/core/CNode.h"

#include "platform/core/AddressSanitizerBuild.h"
#include "platform/core/Unset.h"

#include <gtest/gtest.h>
#include <memory>
#include <set>
#include <string>
#include <thread>
#include <vector>

using section::PointKind;

namespace {

using merdok::CNode;

TEST(NodeRecordTest, NamedPointReadsBackAsWritten) {
    CNode point(3, 12.5, -4.25, CNode::kSelected);
    point.SetKind(PointKind::kMeasurement);
    point.GetName().Format("K-%d", 3);
    EXPECT_EQ(point.Format(), CString("    3    1    12.500    -4.250     K-3"));

    CNode read;
    read.Parse(point.Format());
    EXPECT_EQ(read.GetNumber(), 3);
    EXPECT_EQ(read.GetKind(), PointKind::kMeasurement);
    EXPECT_EQ(read.GetX(), 12.5);
    EXPECT_EQ(read.GetY(), -4.25);
    EXPECT_EQ(read.GetName(), CString("K-3"));
    EXPECT_EQ(read.GetState(), CNode::kNormal);
}

TEST(NodeRecordTest, FieldRules) {
    struct Case {
        const char* line;
        PointKind kind;
        const char* name;
    };
    const Case cases[] = {
        // A ground-surface point never takes a name from the line.
        {"    1    0     1.000     2.000     stray", PointKind::kGround, ""},
        // A blank kind is not 0, so the name is read.
        {"    1          1.000     2.000     P", section::PointKindFromStored(platform::kUnsetInt), "P"},
        // The name field is columns 36-50.
        {"    1    1     1.000     2.000     ABCDEFGHIJKLMNOPQRST", PointKind::kMeasurement,
         "ABCDEFGHIJKLMNO"},
        // A cut at column 50 never splits a double-byte character ("ABCDEFGHIJKLMN" + one).
        {"    1    1     1.000     2.000     ABCDEFGHIJKLMN\x82\xa0", PointKind::kMeasurement,
         "ABCDEFGHIJKLMN"},
        {"    1    2     1.000     2.000", PointKind::kInnerBoundary, ""},
    };
    for (const Case& c : cases) {
        CNode point;
        point.Parse(c.line);
        EXPECT_EQ(point.GetKind(), c.kind) << c.line;
        EXPECT_EQ(point.GetName(), CString(c.name)) << c.line;
    }
}

// A kind field that names no kind (blank, beyond the five, negative) is kept as read, so a
// file that holds one is written back as it was.
TEST(NodeRecordTest, KindFieldNamingNoKindIsWrittenBackAsRead) {
    const char* const lines[] = {"    1          1.000     2.000     P",
                                 "    2    7     1.000     2.000     Q", "    3   -2     1.000     2.000"};
    for (const char* line : lines) {
        CNode point;
        point.Parse(line);
        EXPECT_EQ(point.Format(), CString(line)) << line;
        EXPECT_TRUE(point.FitsRecord()) << line;
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

// Points come from a pool: each keeps its own fields however points are freed and made
// around it, also when another thread frees a point and makes the next.
TEST(NodeRecordTest, PooledPointsKeepTheirOwnFieldsAcrossFreesAndThreads) {
    std::vector<std::unique_ptr<CNode>> points;
    for (int i = 0; i < 20000; ++i) {
        points.push_back(std::make_unique<CNode>(i, i * 0.5, -i * 0.25, CNode::kNormal));
        points.back()->GetName().Format("B-%d", i);
    }
    for (std::size_t i = 0; i < points.size(); i += 3) {
        points[i].reset();
    }
    std::thread([&points] {
        for (std::size_t i = 1; i < points.size(); i += 3) {
            points[i] = std::make_unique<CNode>(-1, 0.0, 0.0, CNode::kNormal);
        }
    }).join();
    for (std::size_t i = 0; i < points.size(); i += 3) {
        points[i] = std::make_unique<CNode>(static_cast<int>(i), 1.0, 2.0, CNode::kSelected);
    }
    std::set<const CNode*> places;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const CNode& point = *points[i];
        ASSERT_TRUE(places.insert(&point).second) << "two points in one place at " << i;
        const int number = static_cast<int>(i);
        if (i % 3 == 0) {
            ASSERT_EQ(point.GetNumber(), number);
            ASSERT_EQ(point.GetState(), CNode::kSelected);
        } else if (i % 3 == 1) {
            ASSERT_EQ(point.GetNumber(), -1);
        } else {
            ASSERT_EQ(point.GetX(), i * 0.5);
            ASSERT_EQ(point.GetName(), CString(("B-" + std::to_string(i)).c_str()));
        }
    }
}

// Lines come from the pool too, in places of their own: lines freed among points are never
// handed to points, and every record keeps its fields.
TEST(NodeRecordTest, PooledPointsAndLinesNeverShareAPlace) {
    std::vector<std::unique_ptr<CNode>> points;
    std::vector<std::unique_ptr<merdok::CLine>> lines;
    for (int i = 0; i < 20000; ++i) {
        points.push_back(std::make_unique<CNode>(i, i * 0.5, 0.0, CNode::kNormal));
        lines.push_back(std::make_unique<merdok::CLine>(i, i + 1));
    }
    std::set<const void*> freedLines;
    for (std::size_t i = 0; i < lines.size(); i += 2) {
        freedLines.insert(lines[i].get());
        lines[i].reset();
    }
    for (int i = 0; i < 10000; ++i) {
        points.push_back(std::make_unique<CNode>(20000 + i, 0.0, 0.0, CNode::kNormal));
        if (!platform::kAddressSanitizerBuild) {
            ASSERT_EQ(freedLines.count(points.back().get()), 0U) << "point " << 20000 + i;
        }
    }
    std::set<const void*> places;
    for (std::size_t i = 0; i < points.size(); ++i) {
        ASSERT_TRUE(places.insert(points[i].get()).second) << "point " << i;
        ASSERT_EQ(points[i]->GetNumber(), static_cast<int>(i));
    }
    for (std::size_t i = 1; i < lines.size(); i += 2) {
        ASSERT_TRUE(places.insert(lines[i].get()).second) << "line " << i;
        ASSERT_EQ(lines[i]->GetNode1(), static_cast<int>(i));
        ASSERT_EQ(lines[i]->GetNode2(), static_cast<int>(i) + 1);
    }
}

} // namespace
