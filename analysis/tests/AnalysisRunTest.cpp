// The analysis command without a window on the sample data set: the three methods, the
// polynomial one through the solver library of this build loaded as the program loads it.

#include "SampleFilesTest.h"
#include "testsupport/FileBytes.h"

#include "analysis/core/AnalysisRun.h"
#include "analysis/core/BlockDivision.h"
#include "analysis/core/CBlock.h"
#include "analysis/core/CDispData.h"
#include "analysis/core/CVerrant.h"
#include "analysis/core/SolverLibrary.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

using section::PointKind;

namespace fs = std::filesystem;
using platform::Utf8;
using torvan::AnalysisRun;
using torvan::CBlockDoc;
using torvan::CNode;
using torvan::CVerrant;

namespace {

const char8_t kNoSlipLine[] = u8"すべり線作成できません";
const char8_t kGoOn[] = u8"このまま解析を続行しますか？";

// Solvers that write no result, or a result without blocks.
void SilentSolver(const char*, int) {}
void EmptyResultSolver(const char* path, int length) {
    std::string input(path, static_cast<std::size_t>(length));
    std::ofstream(input.substr(0, input.size() - 4) + ".slf", std::ios::binary)
        << "t\r\n *****  blocks :  0\r\n";
}

} // namespace

class AnalysisRunTest : public SampleFilesTest {
protected:
    AnalysisRunTest() : SampleFilesTest("analysis run") {}
    void SetUp() override {
        SampleFilesTest::SetUp();
        ASSERT_EQ(doc_.OnOpenDocument((dir_ / "sample.slo").c_str()), 1);
        ASSERT_EQ(sink_.MessageCount(), 0);
    }

    CVerrant* LastLine() { return static_cast<CVerrant*>(doc_.SlipLines().GetTail()); }
    // Every slip line's points and latest-run flag, to see that a failed run left them alone.
    std::vector<std::vector<double>> SlipLinePoints() {
        std::vector<std::vector<double>> points;
        POSITION pos = doc_.SlipLines().GetHeadPosition();
        while (pos) {
            auto* line = static_cast<CVerrant*>(doc_.SlipLines().GetNext(pos));
            points.push_back(line->x);
            points.push_back(line->y);
            points.push_back({static_cast<double>(line->visible2)});
        }
        return points;
    }
    // The polygon methods first, so that the polynomial run has block lines with weights.
    void RunPolygonMethods() {
        ASSERT_EQ(AnalysisRun(doc_, nullptr).Run(CBlockDoc::kRotation, 1), 1) << sink_.LastMessageUtf8();
        ASSERT_EQ(AnalysisRun(doc_, nullptr).Run(CBlockDoc::kParallel, 0), 1) << sink_.LastMessageUtf8();
        ASSERT_EQ(doc_.SlipLines().GetCount(), 2);
    }
    bool InputLeft() { return fs::exists(dir_ / "sample.qel"); }
};

TEST_F(AnalysisRunTest, TheThreeMethodsRunOnTheSampleAndTheFileRoundTrips) {
    torvan::SolverLibrary solver;
    ASSERT_TRUE(solver.Load(KALIPE_LIBRARY_PATH));
    RunPolygonMethods();
    EXPECT_EQ(LastLine()->method, CBlockDoc::kParallel);
    EXPECT_EQ(doc_.BlockLines().size(), 7u);
    ASSERT_EQ(AnalysisRun(doc_, solver.Entry()).Run(CBlockDoc::kPolynomial, 0), 1) << sink_.LastMessageUtf8();
    EXPECT_EQ(sink_.MessagesUtf8(), std::vector<std::string>{Utf8(kGoOn)});
    EXPECT_FALSE(InputLeft());
    EXPECT_TRUE(fs::exists(dir_ / "sample.slf"));
    ASSERT_EQ(doc_.SlipLines().GetCount(), 3);
    CVerrant* line = LastLine();
    EXPECT_EQ(line->method, CBlockDoc::kPolynomial);
    EXPECT_EQ(line->blockCount, 7);
    EXPECT_EQ(line->blockBeta, std::vector<double>(7, 0.1));
    // The result runs from the left surface point (x = 27) to the right one (x = 134).
    EXPECT_EQ(line->x.front(), 27);
    EXPECT_EQ(line->x.back(), 134);
    EXPECT_GT(line->pointCount, 30);
    EXPECT_EQ(line->boundary[0]->kind, PointKind::kLeftBoundary);
    EXPECT_EQ(line->boundary[1]->kind, PointKind::kRightBoundary);

    ASSERT_EQ(doc_.SaveWithBackup((dir_ / "analysed.slo").c_str()), 1);
    CBlockDoc again;
    ASSERT_EQ(again.OnOpenDocument((dir_ / "analysed.slo").c_str()), 1);
    EXPECT_EQ(again.SlipLines().GetCount(), 3);
    ASSERT_EQ(again.SaveWithBackup((dir_ / "again.slo").c_str()), 1);
    EXPECT_EQ(testsupport::ReadBytes(dir_ / "again.slo"), testsupport::ReadBytes(dir_ / "analysed.slo"));
}

TEST_F(AnalysisRunTest, JoinedVectorsAreOnlyAnInformationBeforeAPolygonMethod) {
    EXPECT_EQ(doc_.Settings().m_nVectorMode, 0); // no settings file: start and end
    doc_.Settings().m_nVectorMode = 1;
    EXPECT_EQ(AnalysisRun(doc_, nullptr).Run(CBlockDoc::kParallel, 0), 1);
    EXPECT_EQ(sink_.MessagesUtf8(),
              std::vector<std::string>{
                  Utf8(u8"変位はﾍﾞｸﾄﾙ連結線で表示されていますが、解析では始点終点で計算されます")});
    EXPECT_EQ(doc_.SlipLines().GetCount(), 1);
}

// No result, an empty result, no solver library: one message, the earlier slip lines as
// they were, and no solver input file left behind.
TEST_F(AnalysisRunTest, AFailedSolverRunLeavesTheSlipLinesAndNoInputFile) {
    RunPolygonMethods();
    torvan::SolverLibrary missing;
    EXPECT_FALSE(missing.Load((dir_ / "no such library.so").string().c_str()));
    for (CBlockDoc::SolverEntry solver : {&SilentSolver, &EmptyResultSolver, missing.Entry()}) {
        auto before = SlipLinePoints();
        sink_.Clear();
        EXPECT_EQ(AnalysisRun(doc_, solver).Run(CBlockDoc::kPolynomial, 0), 0);
        EXPECT_EQ(sink_.MessagesUtf8(), (std::vector<std::string>{Utf8(kGoOn), Utf8(kNoSlipLine)}));
        EXPECT_EQ(SlipLinePoints(), before);
        EXPECT_FALSE(InputLeft());
    }
}

TEST_F(AnalysisRunTest, ThePolynomialMethodNeedsASurfacePointAndBlockLines) {
    doc_.Settings().m_nMethod = CBlockDoc::kParallel;
    for (CNode* point : {doc_.FindBoundaryPoint(PointKind::kLeftBoundary),
                         doc_.FindBoundaryPoint(PointKind::kRightBoundary)}) {
        point->inUse = 0;
    }
    EXPECT_EQ(AnalysisRun(doc_, &SilentSolver).Run(CBlockDoc::kPolynomial, 0), 0);
    EXPECT_EQ(sink_.LastMessageUtf8(), Utf8(u8"多項式法では地表点が必須です"));
    EXPECT_EQ(doc_.Settings().m_nMethod, CBlockDoc::kParallel); // nothing stored
    sink_.Clear();
    CBlockDoc fresh;
    ASSERT_EQ(fresh.OnOpenDocument((dir_ / "sample.slo").c_str()), 1);
    EXPECT_EQ(AnalysisRun(fresh, &SilentSolver).Run(CBlockDoc::kPolynomial, 0), 0);
    EXPECT_EQ(sink_.MessagesUtf8(),
              std::vector<std::string>{Utf8(u8"ﾌﾞﾛｯｸ線が未定義ため、すべり線生成できません")});
    EXPECT_FALSE(fs::exists(dir_ / "sample.slf"));
}

TEST_F(AnalysisRunTest, TheUsersNoKeepsTheVerticalLinesButRunsNothing) {
    ASSERT_EQ(AnalysisRun(doc_, nullptr).Run(CBlockDoc::kParallel, 0), 1);
    doc_.BlockLines()[0].x2 = doc_.BlockLines()[0].x1 + 5; // a sloped line becomes vertical
    sink_.QueueAnswer(IDNO);
    EXPECT_EQ(AnalysisRun(doc_, &SilentSolver).Run(CBlockDoc::kPolynomial, 0), 0);
    EXPECT_EQ(sink_.MessagesUtf8(), std::vector<std::string>{Utf8(kGoOn)});
    EXPECT_EQ(doc_.BlockLines()[0].x2, doc_.BlockLines()[0].x1);
    EXPECT_FALSE(fs::exists(dir_ / "sample.slf"));
    EXPECT_EQ(doc_.SlipLines().GetCount(), 1);
}

// What a run replaced is saved with the file, so closing afterwards asks to save; a run
// refused before it replaced anything leaves the document as it was.
TEST_F(AnalysisRunTest, ARunThatReplacedTheBlockLinesMarksTheDocumentModified) {
    ASSERT_FALSE(doc_.IsModified());
    EXPECT_EQ(AnalysisRun(doc_, &SilentSolver).Run(CBlockDoc::kPolynomial, 0), 0); // no block lines yet
    EXPECT_FALSE(doc_.IsModified());
    ASSERT_EQ(AnalysisRun(doc_, nullptr).Run(CBlockDoc::kParallel, 0), 1);
    EXPECT_TRUE(doc_.IsModified());
    doc_.SetModifiedFlag(false);
    sink_.QueueAnswer(IDNO);
    EXPECT_EQ(AnalysisRun(doc_, &SilentSolver).Run(CBlockDoc::kPolynomial, 0), 0);
    EXPECT_TRUE(doc_.IsModified()) << "the table's lines became the document's vertical block lines";
}

// The lines of the rotation method carry no weight: the check refuses them before the
// solver is given lines it cannot use.
TEST_F(AnalysisRunTest, BlockLinesWithoutAWeightAreRefusedByTheCheck) {
    ASSERT_EQ(AnalysisRun(doc_, nullptr).Run(CBlockDoc::kRotation, 0), 1);
    EXPECT_EQ(AnalysisRun(doc_, &SilentSolver).Run(CBlockDoc::kPolynomial, 0), 0);
    EXPECT_EQ(sink_.MessagesUtf8(), std::vector<std::string>{Utf8(u8"ﾌﾞﾛｯｸ線指定ｴﾗｰです")});
    EXPECT_FALSE(fs::exists(dir_ / "sample.slf"));
}

// The sample's measurement points lie at x = 36, 48, ..., 120; the surface points at 27 and 134.
TEST_F(AnalysisRunTest, TheTableCheckCountsAsTheSolverDivides) {
    doc_.BlockLineTable() = {{42, 0.5}, {54, 0.5}};
    EXPECT_EQ(doc_.CheckBlockLineConditions(), torvan::BlockLineCheck::kValid);
    // A point on a line belongs to the block left of it, as the solver counts it: the block
    // from 48 to 50 holds nothing.
    doc_.BlockLineTable() = {{48, 0.5}, {50, 0.5}};
    EXPECT_EQ(doc_.CheckBlockLineConditions(), torvan::BlockLineCheck::kEmptyBlock);
    // Two lines at one place enclose an empty block.
    doc_.BlockLineTable() = {{54, 0.5}, {54, 0.2}};
    EXPECT_EQ(doc_.CheckBlockLineConditions(), torvan::BlockLineCheck::kEmptyBlock);
    // A weight the table would not take.
    doc_.BlockLineTable() = {{54, 1.5}};
    EXPECT_EQ(doc_.CheckBlockLineConditions(), torvan::BlockLineCheck::kInvalidLine);
    doc_.BlockLineTable() = {{54, 1.0}};
    EXPECT_EQ(doc_.CheckBlockLineConditions(), torvan::BlockLineCheck::kValid);
}

// Two block lines at one x are refused even where the inner boundary point on that x would
// count for the block between them.
TEST_F(AnalysisRunTest, TwoBlockLinesAtOneXAreRefused) {
    int key = -1;
    doc_.InsertBoundaryPoint(54, 50, PointKind::kInnerBoundary, key);
    ASSERT_NE(doc_.FindBoundaryPoint(PointKind::kInnerBoundary), nullptr);
    doc_.BlockLineTable() = {{54, 0.5}, {66, 0.2}};
    EXPECT_EQ(doc_.CheckBlockLineConditions(), torvan::BlockLineCheck::kValid);
    doc_.BlockLineTable() = {{54, 0.5}, {54, 0.2}};
    EXPECT_EQ(doc_.CheckBlockLineConditions(), torvan::BlockLineCheck::kEmptyBlock);
}

// Records that a later read replaces or deletes are never reached through the blocks or
// the slip lines that held them.
TEST_F(AnalysisRunTest, RereadRecordsReplaceTheOnesBlocksAndSlipLinesHeld) {
    ASSERT_EQ(AnalysisRun(doc_, nullptr).Run(CBlockDoc::kParallel, 0), 1);
    ASSERT_EQ(doc_.ReloadReferenceFiles(), 1);
    CVerrant* line = LastLine();
    EXPECT_EQ(line->boundary[0], doc_.FindBoundaryPoint(PointKind::kLeftBoundary));
    EXPECT_EQ(line->boundary[1], doc_.FindBoundaryPoint(PointKind::kRightBoundary));
    POSITION pos = doc_.Blocks().GetHeadPosition();
    while (pos) {
        const auto* block = static_cast<const torvan::CBlock*>(doc_.Blocks().GetNext(pos));
        ASSERT_NE(block->disp, nullptr);
        EXPECT_EQ(doc_.FindDispDataByName(block->disp->name), block->disp);
    }
    // The blocks still trace after the reload, with the new records' vectors.
    doc_.MakeSlipLines(nullptr);
    ASSERT_EQ(doc_.SlipLines().GetCount(), 2) << sink_.LastMessageUtf8();
    EXPECT_EQ(LastLine()->y, line->y);
}

// The boundary point merge of opening: a slip line through a point whose coordinates the
// section model changed passes through the section model's point afterwards.
TEST_F(AnalysisRunTest, TheMergedBoundaryPointIsTheOneTheSlipLinePassesThrough) {
    ASSERT_EQ(AnalysisRun(doc_, nullptr).Run(CBlockDoc::kParallel, 0), 1);
    ASSERT_EQ(doc_.SaveWithBackup((dir_ / "moved.slo").c_str()), 1);
    std::string text = testsupport::ReadBytes(dir_ / "moved.slo");
    std::size_t at = text.find("    1    3    27.000");
    ASSERT_NE(at, std::string::npos);
    text.replace(at, 20, "    1    3    26.000");
    std::ofstream(dir_ / "moved.slo", std::ios::binary) << text;
    CBlockDoc moved;
    ASSERT_EQ(moved.OnOpenDocument((dir_ / "moved.slo").c_str()), 1);
    auto* line = static_cast<CVerrant*>(moved.SlipLines().GetHead());
    CNode* left = moved.FindBoundaryPoint(PointKind::kLeftBoundary);
    EXPECT_EQ(line->boundary[0], left);
    EXPECT_EQ(left->x, 27.0);
    EXPECT_EQ(left->slipMark, 3);
    ASSERT_EQ(moved.SaveWithBackup((dir_ / "resaved.slo").c_str()), 1);
}

TEST(SolverLibraryTest, LoadsTheGivenLibraryWhenNoneLiesBesideTheProgram) {
    torvan::SolverLibrary library;
    ASSERT_TRUE(library.Load(KALIPE_LIBRARY_PATH));
    EXPECT_NE(library.Entry(), nullptr);
    EXPECT_EQ(library.LoadedPath(), CString(KALIPE_LIBRARY_PATH));
    // A file that is no library, or none at all, leaves no entry point behind.
    EXPECT_FALSE(library.Load((fs::path(VERRANT_SOURCE_DIR) / "data" / "sample.slo").c_str()));
    EXPECT_EQ(library.Entry(), nullptr);
    EXPECT_FALSE(library.Load("/nonexistent/libkalipe.so"));
    EXPECT_FALSE(library.Load());
}
