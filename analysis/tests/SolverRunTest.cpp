#include "SampleFilesTest.h"
#include "testsupport/ChildProcess.h"
#include "testsupport/FileBytes.h"
#include "testsupport/NonRegularFile.h"

#include "analysis/core/CVerrant.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace fs = std::filesystem;
using platform::Utf8;
using torvan::CVerrant;

namespace {

// What the stand-in solver saw and what it writes as its result (empty: no result file).
std::string g_seenPath;
std::string g_seenInput;
std::string g_result;

void StandInSolver(const char* path, int length) {
    g_seenPath.assign(path, static_cast<std::size_t>(length));
    g_seenInput = testsupport::ReadBytes(g_seenPath);
    std::string base = g_seenPath.substr(0, g_seenPath.size() - 4);
    fs::remove(base + ".slf");
    if (!g_result.empty()) {
        std::ofstream(base + ".slf", std::ios::binary) << g_result;
    }
    std::ofstream(base + ".log", std::ios::binary) << " *\r\n";
}

} // namespace

class SolverRunTest : public SampleFilesTest {
protected:
    SolverRunTest() : SampleFilesTest("solver run") {}
    void SetUp() override {
        SampleFilesTest::SetUp();
        ASSERT_EQ(ReadAnalysisFile(doc_, "sample.slo"), 1);
        doc_.Settings().m_nMethod = torvan::CBlockDoc::kPolynomial;
        doc_.BlockLines().push_back({70.0, 100.0, 70.0, 40.0, 0.5});
        g_result.clear();
    }
};

TEST_F(SolverRunTest, ASolvedRunMakesTheSlipLineAndRemovesTheInput) {
    g_result = "t\r\n *****  blocks :  2\r\nhead\r\n 0.002 -0.9 110 27 70\r\n 0.001 -0.6 100 70 134\r\n";
    EXPECT_EQ(doc_.RunSolver(StandInSolver), 1);
    EXPECT_EQ(g_seenPath, (dir_ / "sample.qel").string()); // blanks in the directory survive
    EXPECT_EQ(g_seenInput.substr(0, 5), "NODE ");
    EXPECT_NE(g_seenInput.find("BLOCK    1    70.000    0.5000\r\n"), std::string::npos);
    EXPECT_FALSE(fs::exists(dir_ / "sample.qel"));
    ASSERT_EQ(doc_.SlipLines().GetCount(), 1);
    auto* line = static_cast<CVerrant*>(doc_.SlipLines().GetHead());
    EXPECT_EQ(line->blockCount, 1);
    EXPECT_EQ(line->blockX, std::vector<double>{70.0});
    EXPECT_EQ(line->blockBeta, std::vector<double>{0.5});
    EXPECT_EQ(line->x.front(), 27);
    EXPECT_EQ(line->x.back(), 134);
    EXPECT_EQ(sink_.MessageCount(), 0) << sink_.LastMessageUtf8();
}

TEST_F(SolverRunTest, NoResultIsReportedAndTheInputIsStillRemoved) {
    EXPECT_EQ(doc_.RunSolver(StandInSolver), 0);
    EXPECT_EQ(sink_.LastMessageUtf8(), Utf8(u8"すべり線作成できません"));
    EXPECT_FALSE(fs::exists(dir_ / "sample.qel"));
    EXPECT_EQ(doc_.SlipLines().GetCount(), 0);
}

TEST_F(SolverRunTest, AnEmptyOrDamagedResultFileIsAFailureNotASuccess) {
    g_result = "t\r\n *****  blocks :  0\r\n";
    EXPECT_EQ(doc_.RunSolver(StandInSolver), 0);
    EXPECT_EQ(sink_.LastMessageUtf8(), Utf8(u8"すべり線作成できません"));
    // The last block's line reads as five numbers up to a NUL that damages it.
    g_result = "t\r\n *****  blocks :  1\r\nhead\r\n 0.002 -0.9 110 27 134";
    g_result += std::string(1, '\0') + "5\r\n";
    EXPECT_EQ(doc_.RunSolver(StandInSolver), 0);
    EXPECT_EQ(sink_.LastMessageUtf8(), Utf8(u8"すべり線作成できません"));
    EXPECT_EQ(doc_.SlipLines().GetCount(), 0);
}

TEST_F(SolverRunTest, AResultFileThatCannotBeCreatedStopsBeforeTheSolver) {
    fs::create_directory(dir_ / "sample.slf");
    fs::create_directory(dir_ / "sample.slf" / "x");
    g_seenPath.clear();
    EXPECT_EQ(doc_.RunSolver(StandInSolver), 0);
    EXPECT_TRUE(g_seenPath.empty());
    EXPECT_EQ(sink_.LastMessageUtf8(), Utf8(u8"解析で使用するﾌｧｲﾙ(.slf)に書き込みできません"));
}

// Another user of a shared directory plants links at the run's file names: the input is
// written and the result and log emptied without writing through them.
TEST_F(SolverRunTest, LinksPlantedAtTheRunFileNamesAreNeverFollowed) {
    std::ofstream(dir_ / "victim") << "private";
    for (const char* name : {"sample.qel", "sample.slf", "sample.log"}) {
        fs::create_symlink(dir_ / "victim", dir_ / name);
    }
    g_result = "t\r\n *****  blocks :  2\r\nhead\r\n 0.002 -0.9 110 27 70\r\n 0.001 -0.6 100 70 134\r\n";
    EXPECT_EQ(doc_.RunSolver(StandInSolver), 1);
    EXPECT_EQ(testsupport::ReadBytes(dir_ / "victim"), "private");
    EXPECT_NE(g_seenInput, "private");
}

// A FIFO, socket, device or directory at the input's, the result's or the log's name stops the
// run with its message before the solver starts; nothing waits at it.
TEST_F(SolverRunTest, NoFileAtARunFilesNameHoldsTheRunUp) {
    fs::permissions(dir_, fs::perms::all);
    for (const std::string& kind : testsupport::NonRegularFileKinds()) {
        for (const char* name : {"sample.qel", "sample.slf", "sample.log"}) {
            for (const char* made : {"sample.qel", "sample.slf", "sample.log"}) {
                fs::remove_all(dir_ / made);
            }
            ASSERT_TRUE(testsupport::MakeNonRegularFile(kind, (dir_ / name).string()));
            g_seenPath.clear();
            const int messages = sink_.MessageCount();
            EXPECT_EQ(testsupport::RunInChildAsUser([&] {
                          return doc_.RunSolver(StandInSolver) == 0 && g_seenPath.empty() &&
                                         sink_.MessageCount() == messages + 1
                                     ? 0
                                     : 1;
                      }),
                      0)
                << kind << " at " << name;
        }
    }
}
