// A measurement point changed after the files were read: its displacement record goes with it,
// so that the vector is drawn and the solver is asked about the point where it now is.

#include "SampleFilesTest.h"
#include "testsupport/FileBytes.h"

#include "analysis/core/CBlock.h"
#include "analysis/core/CDispData.h"

#include <fstream>
#include <set>
#include <string>

using section::PointKind;

namespace {

using torvan::CBlock;
using torvan::CDispData;
using torvan::CNode;
using Edit = section::PendingPointEdit;

class MovedMeasurementPointTest : public SampleFilesTest {
protected:
    MovedMeasurementPointTest() : SampleFilesTest("moved point") {}
    void SetUp() override {
        SampleFilesTest::SetUp();
        ASSERT_EQ(ReadAnalysisFile(doc_, "sample.slo"), 1);
        ASSERT_EQ(doc_.Displacements().GetCount(), 8);
        ASSERT_EQ(doc_.MakeBlocks(), 1);
        // A run's block line, so that the solver input is written whole.
        doc_.BlockLines().push_back({70.0, 100.0, 70.0, 40.0, 0.5});
    }
    CNode* Site(int number) {
        CObject* object = nullptr;
        return doc_.MeasurementPoints().Lookup(static_cast<WORD>(number - 1), object)
                   ? static_cast<CNode*>(object)
                   : nullptr;
    }
    CDispData* RecordUnder(int number) {
        CObject* object = nullptr;
        return doc_.Displacements().Lookup(static_cast<WORD>(number - 1), object)
                   ? static_cast<CDispData*>(object)
                   : nullptr;
    }
    // The measurement table's edit when the row of the point is typed with new coordinates.
    Edit TableMove(int number, double x, double y) {
        const CNode* site = Site(number);
        section::PointRecord copy;
        copy.number = number;
        copy.x = x;
        copy.y = y;
        copy.kind = PointKind::kMeasurement;
        copy.name = site->name;
        Edit edit(Edit::kMeasurePoints);
        edit.MarkReplaced(number - 1);
        edit.Put(number - 1, Edit::Change::kReplace, copy);
        return edit;
    }
    std::string SolverInput() {
        CString input;
        CString result;
        EXPECT_EQ(doc_.WriteSolverInput(input, result), 1);
        return testsupport::ReadBytes(input.GetString());
    }
    // Every block and the vector order refer only to records of the document.
    void ExpectNoStaleReferences() {
        std::set<const CObject*> records;
        for (auto [key, record] : platform::MapEntries<CObject>(doc_.Displacements())) {
            records.insert(record);
        }
        for (POSITION pos = doc_.Blocks().GetHeadPosition(); pos;) {
            const auto* block = static_cast<const CBlock*>(doc_.Blocks().GetNext(pos));
            EXPECT_TRUE(!block->disp || records.count(block->disp) != 0) << block->number;
        }
        for (POSITION pos = doc_.VectorPoints().GetHeadPosition(); pos;) {
            EXPECT_EQ(records.count(doc_.VectorPoints().GetNext(pos)), 1u);
        }
    }
};

// Point 3 typed at (61.5, 70.25) in the table: a cancelled edit leaves its record where it was,
// the confirmed one takes the vector and the solver's POINT record to the new place.
TEST_F(MovedMeasurementPointTest, TheTableMovesTheVectorAndTheSolversPoint) {
    const std::string before = SolverInput();
    ASSERT_NE(before.find("    3    60.000    76.000"), std::string::npos) << before;
    Edit edit = TableMove(3, 61.5, 70.25);
    doc_.MarkPendingPoints(edit);
    doc_.DropPendingPoints(edit.Target());
    EXPECT_EQ(SolverInput(), before);

    doc_.CommitPendingPoints(TableMove(3, 61.5, 70.25));
    const CDispData* record = RecordUnder(3);
    ASSERT_NE(record, nullptr);
    const std::vector<DPoint> vector = record->VectorPolyline(doc_.Settings().m_nVectorMode, 1.0);
    ASSERT_FALSE(vector.empty());
    EXPECT_EQ(vector.front(), (DPoint{61.5, 70.25}));
    const std::string after = SolverInput();
    EXPECT_NE(after.find("    3    61.500    70.250"), std::string::npos) << after;
    EXPECT_EQ(after.find("    3    60.000    76.000"), std::string::npos);
    ExpectNoStaleReferences();
}

// A point given a new number in the table (its row renumbered) keeps its record under the new
// number; a deleted point takes its record along, and nothing refers to it any more.
TEST_F(MovedMeasurementPointTest, ARenumberedPointKeepsItsRecordAndADeletedOneTakesItAlong) {
    const CString name = Site(3)->name;
    section::PointRecord copy;
    copy.number = 9;
    copy.x = 60.0;
    copy.y = 76.0;
    copy.kind = PointKind::kMeasurement;
    copy.name = name;
    Edit renumber(Edit::kMeasurePoints);
    renumber.MarkDropped(2);
    renumber.PutNew(8, copy);
    doc_.CommitPendingPoints(renumber);
    ASSERT_NE(Site(9), nullptr);
    EXPECT_EQ(RecordUnder(3), nullptr);
    ASSERT_NE(RecordUnder(9), nullptr);
    EXPECT_EQ(RecordUnder(9)->name, name);
    EXPECT_NE(SolverInput().find("    9    60.000    76.000"), std::string::npos);

    Site(5)->state = CNode::kSelected;
    doc_.DeleteSelection();
    EXPECT_EQ(doc_.Displacements().GetCount(), 7);
    EXPECT_EQ(RecordUnder(5), nullptr);
    EXPECT_EQ(SolverInput().find("    5    84.000    68.800"), std::string::npos);
    ExpectNoStaleReferences();
}

// A section file read again with point 3 elsewhere: the records kept take the file's place.
TEST_F(MovedMeasurementPointTest, ASectionFileReadAgainPlacesTheRecordsAtItsPoints) {
    std::string section = testsupport::ReadBytes(dir_ / "sample.sec");
    const std::string old = "    3    1    60.000    76.000";
    const std::size_t at = section.find(old);
    ASSERT_NE(at, std::string::npos);
    section.replace(at, old.size(), "    3    1    62.000    75.000");
    std::ofstream(dir_ / "moved.sec", std::ios::binary) << section;
    ASSERT_EQ(doc_.ReadSecFile((dir_ / "moved.sec").c_str()), 1);
    ASSERT_NE(RecordUnder(3), nullptr);
    EXPECT_DOUBLE_EQ(RecordUnder(3)->baseX, 62.0);
    EXPECT_DOUBLE_EQ(RecordUnder(3)->baseY, 75.0);
    ExpectNoStaleReferences();
}

} // namespace
