#include "analysis/core/CLine.h"
#include "analysis/core/CNode.h"
#include "analysis/core/CNumberToKey.h"
#include "common/records/CTextFile.h"
#include "platform/core/RecordingSink.h"
#include "platform/core/Unset.h"
#include "testsupport/FileBytes.h"
#include "testsupport/Fixtures.h"
#include "testsupport/TempDir.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <vector>

using section::PointKind;

using torvan::CKeyToNumber;
using torvan::CLine;
using torvan::CNode;
using torvan::CNumberToKey;

namespace {

std::string DataFile(const char* name) {
    return std::string(VERRANT_TEST_DATA_DIR) + "/" + name;
}

std::vector<CString> ReadLines(const std::string& path) {
    CTextFile in;
    EXPECT_EQ(in.Open(path.c_str(), CFile::modeRead), 1);
    std::vector<CString> lines;
    CString line;
    while (in.ReadLine(line)) {
        lines.push_back(line);
    }
    return lines;
}

class RecordFileTest : public testsupport::RecordingSinkTest {
protected:
    void WriteAll(const std::vector<CString>& lines) {
        CTextFile file;
        ASSERT_EQ(file.Open(out_.c_str(), CFile::modeCreate | CFile::modeWrite), 1);
        for (const CString& line : lines) {
            file.WriteLine(line);
        }
        file.Close();
    }
    testsupport::TempDir dir_{"model records"};
    const std::string out_ = dir_.File("records.txt");
};

CNode MakeNode(int number, PointKind kind, double x, double y) {
    CNode node(number, x, y, 0);
    node.kind = kind;
    return node;
}

} // namespace

TEST_F(RecordFileTest, FullFormRecordsAreWrittenByteForByte) {
    std::vector<CNode> nodes = {
        MakeNode(1, PointKind::kGround, 10.5, 20.25), MakeNode(2, PointKind::kMeasurement, 0.0, -5.125),
        MakeNode(3, PointKind::kLeftBoundary, 1.0, 2.0), MakeNode(4, PointKind::kInnerBoundary, 3.0, 4.0),
        MakeNode(5, PointKind::kRightBoundary, -100.0, 200.0)};
    nodes[1].name = "No.K1";
    nodes[2].inUse = 0;
    nodes[2].beta = 0.5;
    nodes[2].alpha = 30.0;
    nodes[2].slipMark = 1;
    nodes[2].name = "B-1";
    nodes[3].alpha = 99.0; // never written for an inner boundary point
    nodes[3].name = CString(u8"断面");
    nodes[4].alpha = -45.5;
    nodes[4].slipMark = 4;
    std::vector<CString> lines;
    for (const CNode& node : nodes) {
        CString line;
        node.FormatRecord(line);
        lines.push_back(line);
    }
    WriteAll(lines);
    EXPECT_EQ(testsupport::ReadBytes(out_), testsupport::ReadBytes(DataFile("nodes_full_form.txt")));
}

TEST_F(RecordFileTest, FullFormRecordsRoundTrip) {
    std::vector<CString> lines;
    for (const CString& line : ReadLines(DataFile("nodes_full_form.txt"))) {
        CNode node;
        node.ParseRecord(line, 0);
        CString back;
        node.FormatRecord(back);
        lines.push_back(back);
    }
    WriteAll(lines);
    EXPECT_EQ(testsupport::ReadBytes(out_), testsupport::ReadBytes(DataFile("nodes_full_form.txt")));
}

TEST(NodeRecord, SwitchedOffBoundaryPointKeepsItsKindAndSign) {
    CNode node;
    node.ParseRecord("    3   -3     1.000     2.000    0.5000   30.0000    1B-1", 0);
    EXPECT_EQ(node.kind, PointKind::kLeftBoundary);
    EXPECT_EQ(node.inUse, 0);
    EXPECT_EQ(node.slipMark, 1);
    EXPECT_EQ(node.name, "B-1");
    EXPECT_EQ(node.state, 0);
    CString back;
    node.FormatRecord(back);
    EXPECT_EQ(back.Mid(5, 5), "   -3");
}

TEST(NodeRecord, InnerBoundaryPointSkipsAlphaSoItKeepsItsValue) {
    CNode node;
    node.alpha = 12.0;
    node.ParseRecord("    4    2     3.000     4.000    1.0000   77.0000    0x", 0);
    EXPECT_EQ(node.alpha, 12.0);
    EXPECT_EQ(node.name, "x");
}

TEST(NodeRecord, GroundPointOfThirtyColumnsHasUnsetWeightsAndKeepsItsName) {
    CNode node;
    node.name = "kept";
    node.ParseRecord("    1    0    10.500    20.250", 0);
    EXPECT_EQ(node.kind, PointKind::kGround);
    EXPECT_TRUE(platform::IsUnsetDouble(node.beta));
    EXPECT_TRUE(platform::IsUnsetDouble(node.alpha));
    EXPECT_EQ(node.name, "kept");
}

TEST(NodeRecord, BlankNameColumnsGiveAnEmptyName) {
    CNode node;
    node.name = "old";
    node.ParseRecord("    2    1     0.000    -5.125    1.0000                    ", 0);
    EXPECT_EQ(node.kind, PointKind::kMeasurement);
    EXPECT_TRUE(node.name.IsEmpty());
}

TEST(NodeRecord, ShortFormOfSectionModelFiles) {
    std::vector<CString> lines = ReadLines(DataFile("nodes_short_form.txt"));
    ASSERT_EQ(lines.size(), 4u);
    CNode site;
    site.ParseRecord(lines[0], 1);
    EXPECT_EQ(site.kind, PointKind::kMeasurement);
    EXPECT_EQ(site.name, "No.K3");
    EXPECT_EQ(site.slipMark, 0);
    CNode inner;
    inner.ParseRecord(lines[1], 1);
    EXPECT_EQ(inner.kind, PointKind::kInnerBoundary);
    EXPECT_EQ(inner.slipMark, 1);
    EXPECT_EQ(inner.name, "B-2");
    CNode right;
    right.ParseRecord(lines[2], 1);
    EXPECT_EQ(right.kind, PointKind::kRightBoundary);
    EXPECT_EQ(right.inUse, 0);
    EXPECT_EQ(right.slipMark, 3);
    EXPECT_EQ(right.name, CString(u8"右端"));
    CNode bare;
    bare.ParseRecord(lines[3], 1);
    EXPECT_EQ(bare.kind, PointKind::kLeftBoundary);
    EXPECT_EQ(bare.slipMark, platform::kUnsetInt);
    EXPECT_TRUE(bare.name.IsEmpty());
}

TEST(NodeRecord, BlankKindFieldIsTakenAsBelowTwo) {
    CNode node;
    node.ParseRecord("    7         1.000     2.000", 1);
    EXPECT_EQ(node.kind, section::PointKindFromStored(platform::kUnsetInt));
    EXPECT_EQ(node.inUse, 1);
    EXPECT_DOUBLE_EQ(node.x, 1.0);
}

// A kind field that names no kind (blank, or beyond the five, in use or switched off) is kept
// as read, so an analysis file that holds one is written back as it was.
TEST(NodeRecord, KindFieldNamingNoKindIsWrittenBackAsRead) {
    const char* const lines[] = {"    6          1.000     2.000    1.0000   10.0000     N",
                                 "    7    7     1.000     2.000    0.5000   30.0000    3B-7",
                                 "    8   -7     1.000     2.000    0.5000   30.0000    1B-8"};
    for (const char* line : lines) {
        CNode node;
        node.ParseRecord(line, 0);
        CString back;
        node.FormatRecord(back);
        EXPECT_EQ(back, CString(line)) << line;
    }
}

TEST_F(RecordFileTest, SolverRecordsCarryWeightsOnlyForNonGroundPoints) {
    CNode ground = MakeNode(1, PointKind::kGround, 1.0, 2.0);
    CNode site = MakeNode(12, PointKind::kMeasurement, 3.0, 4.0);
    site.alpha = 10.0;
    site.name = "No.K1";
    CNode inner = MakeNode(3, PointKind::kInnerBoundary, 5.0, 6.0);
    CTextFile file;
    ASSERT_EQ(file.Open(out_.c_str(), CFile::modeCreate | CFile::modeWrite), 1);
    ground.WriteSolverRecord("NODE", file);
    site.WriteSolverRecord("POINT", file);
    inner.WriteSolverRecord("", file);
    file.Close();
    EXPECT_EQ(testsupport::ReadBytes(out_), "NODE     1     1.000     2.000\r\n"
                                            "POINT   12     3.000     4.000    1.0000   10.0000     No.K1\r\n"
                                            "         3     5.000     6.000    1.0000          \r\n");
}

TEST_F(RecordFileTest, LinesTranslateNumbersToKeysAndBack) {
    // Points numbered 1, 2, 5, 9 stored under keys 0, 1, 2, 3.
    CMapWordToOb points;
    std::vector<CNode> nodes = {MakeNode(1, PointKind::kGround, 0, 0), MakeNode(2, PointKind::kGround, 1, 0),
                                MakeNode(5, PointKind::kGround, 2, 0), MakeNode(9, PointKind::kGround, 3, 0)};
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        points.SetAt(static_cast<WORD>(i), &nodes[i]);
    }
    CNumberToKey numberToKey;
    CKeyToNumber keyToNumber;
    ASSERT_EQ(numberToKey.Build(points, 9), 1);
    ASSERT_EQ(keyToNumber.Build(points, 9), 1);
    std::vector<CString> written;
    int index = 0;
    for (const CString& text : ReadLines(DataFile("lines.txt"))) {
        CLine line;
        line.ParseRecord(text, numberToKey);
        EXPECT_EQ(line.status, CLine::kNormal);
        if (index == 2) {
            EXPECT_EQ(line.node1, 2);
            EXPECT_EQ(line.node2, 3);
            EXPECT_EQ(line.segKind, SegmentKind::kVertical);
        }
        CString back;
        line.FormatRecord(back, index++, keyToNumber);
        written.push_back(back);
    }
    WriteAll(written);
    EXPECT_EQ(testsupport::ReadBytes(out_), testsupport::ReadBytes(DataFile("lines.txt")));
}

TEST(RenumberingTables, FallBackToNumberMinusOneAndKeyPlusOne) {
    CMapWordToOb points;
    CNode node = MakeNode(5, PointKind::kGround, 0, 0);
    points.SetAt(0, &node);
    CNumberToKey numberToKey;
    CKeyToNumber keyToNumber;
    EXPECT_EQ(numberToKey.Build(points, 0), 0);
    EXPECT_EQ(numberToKey.Build(CMapWordToOb(), 5), 0);
    ASSERT_EQ(numberToKey.Build(points, 5), 1);
    ASSERT_EQ(keyToNumber.Build(points, 5), 1);
    EXPECT_EQ(numberToKey.Lookup(5), 0);
    EXPECT_EQ(numberToKey.Lookup(3), 2);   // empty slot
    EXPECT_EQ(numberToKey.Lookup(40), 39); // beyond the table
    EXPECT_EQ(numberToKey.Lookup(platform::kUnsetInt), platform::kUnsetInt);
    EXPECT_EQ(keyToNumber.Lookup(0), 5);
    EXPECT_EQ(keyToNumber.Lookup(3), 4);
}
