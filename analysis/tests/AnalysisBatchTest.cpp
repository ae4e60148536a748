// The test-support program analysis-batch, run as a separate process on the sample data.

#include "platform/core/RecordingSink.h"
#include "testsupport/FileBytes.h"
#include "testsupport/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::string Quote(const std::string& word) {
    std::string quoted = "'";
    for (char c : word) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

struct Outcome {
    int status;
    std::string output;
};

// shellPrefix runs before the program in the same shell (a limit for it to meet).
Outcome RunBatch(const std::vector<std::string>& args, const std::string& shellPrefix = "") {
    std::string command = shellPrefix + Quote(ANALYSIS_BATCH_PATH);
    for (const std::string& arg : args) {
        command += " " + Quote(arg);
    }
    command += " 2>/dev/null";
    Outcome outcome{-1, ""};
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) {
        return outcome;
    }
    char buffer[4096];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
        outcome.output.append(buffer, got);
    }
    int status = ::pclose(pipe);
    outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return outcome;
}

std::string SaveQuestion(const fs::path& out) {
    return out.string() + "\\n更新してもよろしいですか？\n";
}

int SlipLineCount(const fs::path& file) {
    std::string text = testsupport::ReadBytes(file);
    std::size_t at = text.find("QOBRE");
    return at == std::string::npos ? -1 : std::stoi(text.substr(at + 5, 5));
}

} // namespace

class AnalysisBatchTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"sample.sec", "sample.dis", "sample.slo"}) {
            fs::copy_file(Sample(name), dir_ / name);
        }
    }
    static fs::path Sample(const char* name) { return fs::path(VERRANT_SOURCE_DIR) / "data" / name; }
    // The input files are never written.
    void ExpectInputsUntouched() {
        for (const char* name : {"sample.sec", "sample.dis", "sample.slo"}) {
            EXPECT_EQ(testsupport::ReadBytes(dir_ / name), testsupport::ReadBytes(Sample(name))) << name;
        }
        EXPECT_FALSE(fs::exists(dir_ / "sample.qel"));
    }
    std::string In(const char* name) { return (dir_ / name).string(); }

    testsupport::TempDir temp_{"analysis batch"};
    const fs::path dir_ = temp_.Path();
};

TEST_F(AnalysisBatchTest, OpeningAndSavingAtOnceKeepsTheFileByteForByte) {
    Outcome run = RunBatch({In("sample.slo"), "--no-run", "--save", In("out.slo")});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.output, SaveQuestion(dir_ / "out.slo"));
    EXPECT_EQ(testsupport::ReadBytes(dir_ / "out.slo"), testsupport::ReadBytes(Sample("sample.slo")));
    ExpectInputsUntouched();
    EXPECT_FALSE(fs::exists(dir_ / "sample.slf"));
}

TEST_F(AnalysisBatchTest, EachMethodRunsAndItsResultRoundTrips) {
    // The stored method (the parallel one), then the rotation method with the simple average.
    Outcome stored = RunBatch({In("sample.slo"), "--save", In("parallel.slo")});
    EXPECT_EQ(stored.status, 0);
    EXPECT_EQ(stored.output, SaveQuestion(dir_ / "parallel.slo"));
    EXPECT_EQ(SlipLineCount(dir_ / "parallel.slo"), 1);
    Outcome rotation =
        RunBatch({In("sample.slo"), "--method", "1", "--option", "1", "--save", In("rotation.slo")});
    EXPECT_EQ(rotation.output, SaveQuestion(dir_ / "rotation.slo"));
    EXPECT_EQ(SlipLineCount(dir_ / "rotation.slo"), 1);
    ExpectInputsUntouched();

    // The polynomial method through the solver library, on the parallel method's block lines.
    std::string parallel = testsupport::ReadBytes(dir_ / "parallel.slo");
    Outcome polynomial =
        RunBatch({In("parallel.slo"), "--method", "2", "--option", "0", "--save", In("poly.slo")});
    EXPECT_EQ(polynomial.status, 0);
    EXPECT_EQ(polynomial.output, "このまま解析を続行しますか？\n" + SaveQuestion(dir_ / "poly.slo"));
    EXPECT_EQ(SlipLineCount(dir_ / "poly.slo"), 2);
    EXPECT_EQ(testsupport::ReadBytes(dir_ / "parallel.slo"), parallel);
    EXPECT_FALSE(fs::exists(dir_ / "parallel.qel"));
    EXPECT_TRUE(fs::exists(dir_ / "parallel.slf"));

    Outcome again = RunBatch({In("poly.slo"), "--no-run", "--save", In("again.slo")});
    EXPECT_EQ(again.status, 0);
    EXPECT_EQ(testsupport::ReadBytes(dir_ / "again.slo"), testsupport::ReadBytes(dir_ / "poly.slo"));
}

// Reference names with a directory lie below the analysis file's directory, wherever the
// program was started.
TEST_F(AnalysisBatchTest, RelativeReferenceNamesAreTakenFromTheAnalysisFilesDirectory) {
    fs::create_directories(dir_ / "refs");
    fs::copy_file(dir_ / "sample.sec", dir_ / "refs" / "sample.sec");
    fs::copy_file(dir_ / "sample.dis", dir_ / "refs" / "sample.dis");
    std::string text = testsupport::ReadBytes(dir_ / "sample.slo");
    for (const char* name : {"sample.sec", "sample.dis"}) {
        text.replace(text.find(name), std::strlen(name), std::string("refs/") + name);
    }
    std::ofstream(dir_ / "refs.slo", std::ios::binary) << text;
    fs::remove(dir_ / "sample.sec");
    fs::path started = fs::current_path();
    fs::current_path(dir_.parent_path());
    Outcome run =
        RunBatch({(dir_.filename() / "refs.slo").string(), "--method", "0", "--save", In("out.slo")});
    fs::current_path(started);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.output, SaveQuestion(dir_ / "out.slo"));
    EXPECT_EQ(SlipLineCount(dir_ / "out.slo"), 1);
}

TEST_F(AnalysisBatchTest, AReportedFailureStillSavesAndExitsOne) {
    // The sample has no block lines: the table's OK has no rows.
    Outcome run = RunBatch({In("sample.slo"), "--method", "2", "--save", In("out.slo")});
    EXPECT_EQ(run.status, 1); // a refused run is no success
    EXPECT_EQ(run.output, "ﾌﾞﾛｯｸ線が未定義ため、すべり線生成できません\n" + SaveQuestion(dir_ / "out.slo"));
    EXPECT_EQ(SlipLineCount(dir_ / "out.slo"), 0);
    ExpectInputsUntouched();
}

// A save past the file-size limit fails with the write error (the disk is not full) and
// leaves nothing behind, instead of the signal ending the program mid-write.
TEST_F(AnalysisBatchTest, ASaveBeyondTheFileSizeLimitFailsWithTheWriteErrorMessage) {
    Outcome run = RunBatch({In("sample.slo"), "--no-run", "--save", In("out.slo")}, "ulimit -f 1; ");
    EXPECT_EQ(run.status, 1); // nothing saved
    EXPECT_EQ(run.output, SaveQuestion(dir_ / "out.slo") + "ﾌｧｲﾙ書き込みｴﾗｰです\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 3); // the inputs only
    ExpectInputsUntouched();
}

TEST_F(AnalysisBatchTest, AFileThatDoesNotOpenSavesNothing) {
    Outcome run = RunBatch({In("missing.slo"), "--no-run", "--save", In("out.slo")});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.output, In("missing.slo") + "\\nﾌｧｲﾙが見つかりません\n");
    EXPECT_FALSE(fs::exists(dir_ / "out.slo"));
}

// A reference file cut short opens nothing: no run on the points it still holds, nothing
// written, exit 1, and the output names the file.
TEST_F(AnalysisBatchTest, AReferenceFileCutShortIsRefusedAndNothingIsWritten) {
    const std::string dis = testsupport::ReadBytes(dir_ / "sample.dis");
    const std::string sec = testsupport::ReadBytes(dir_ / "sample.sec");
    std::size_t cut = 0;
    for (int line = 0; line < 26; ++line) {
        cut = dis.find('\n', cut) + 1;
    }
    struct Case {
        const char* what;
        const char* file;
        std::string bytes;
        std::uint64_t size; // NUL bytes up to this size, as a hole
    };
    const Case cases[] = {
        {"measurements: 26 of 48 lines", "sample.dis", dis.substr(0, cut), 0},
        {"measurements: 26 lines, then NULs to 2 GB", "sample.dis", dis.substr(0, cut),
         std::uint64_t{2} << 30},
        {"section model: cut before SITE", "sample.sec", sec.substr(0, sec.find("SITE")), 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        testsupport::WriteSparseFile(dir_ / c.file, c.bytes, std::max<std::uint64_t>(c.size, c.bytes.size()));
        Outcome run = RunBatch({In("sample.slo"), "--save", In("out.slo")});
        EXPECT_EQ(run.status, 1);
        const std::string named = platform::Utf8(u8"ファイル読み込みエラーです。\\n") + In(c.file) + "\n";
        ASSERT_GE(run.output.size(), named.size()) << run.output;
        EXPECT_EQ(run.output.substr(run.output.size() - named.size()), named) << run.output;
        EXPECT_FALSE(fs::exists(dir_ / "out.slo"));
        testsupport::WriteBytes(dir_ / c.file, std::string(c.file) == "sample.dis" ? dis : sec);
    }
    ExpectInputsUntouched();
}

TEST_F(AnalysisBatchTest, BadUsagePrintsNothingAndExitsTwo) {
    const std::vector<std::vector<std::string>> cases = {
        {},
        {In("sample.slo")},
        {In("sample.slo"), "--save"},
        {In("sample.slo"), "--method", "3", "--save", In("out.slo")},
        {In("sample.slo"), "--option", "2", "--save", In("out.slo")},
        {In("sample.slo"), "--no-run", "--method", "0", "--save", In("out.slo")},
        {In("sample.slo"), "--frobnicate", "--save", In("out.slo")},
        {In("sample.slo"), "--save", In("sample.slo")},
        {In("sample.slo"), "--no-run", "--save", In("sample.dis")},
    };
    for (const auto& args : cases) {
        Outcome run = RunBatch(args);
        EXPECT_EQ(run.status, 2) << ::testing::PrintToString(args);
        EXPECT_EQ(run.output, "") << ::testing::PrintToString(args);
    }
    EXPECT_FALSE(fs::exists(dir_ / "out.slo"));
    ExpectInputsUntouched();
}

TEST_F(AnalysisBatchTest, ASaveThatFailsSaysSoAndExitsOne) {
    const fs::path out = dir_ / "missing folder" / "out.slo";
    Outcome run = RunBatch({In("sample.slo"), "--no-run", "--save", out.string()});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.output.rfind(SaveQuestion(out), 0), 0u) << run.output;
    EXPECT_GT(run.output.size(), SaveQuestion(out).size()) << "the failure is told";
    EXPECT_FALSE(fs::exists(out));
    ExpectInputsUntouched();
}

// A model at the program's limits (2000 ground points, 1000 measurement points) that the
// solver's work area cannot take: the run names the limit instead of failing without a word.
TEST_F(AnalysisBatchTest, ARunTheSolverCannotTakeNamesItsWorkArea) {
    auto field = [](const char* format, double value) {
        char text[32];
        std::snprintf(text, sizeof text, format, value);
        return std::string(text);
    };
    std::ostringstream sec;
    sec << "TITLE     limits" << std::string(44, ' ') << "MERDOK001\r\nMSIZE          0.000  2000.000"
        << "     0.000   200.000\r\nNODE\r\n";
    for (int i = 1; i <= 2000; ++i) {
        sec << field("%5.0f", i) << "    0" << field("%10.3f", i - 1.0)
            << field("%10.3f", 150 - 0.05 * (i - 1)) << "\r\n";
    }
    sec << "LINE\r\n";
    for (int i = 1; i <= 2000; ++i) {
        sec << field("%5.0f", i) << (i % 10 == 0 ? "\r\n" : "");
    }
    sec << "\r\nSITE\r\n";
    std::ostringstream dis;
    dis << "TITLE     limits" << std::string(44, ' ') << "GOLMIR001\r\nANGLE\r\nDATE\r\n2026,4,10,10,0\r\n"
        << "2026,6,12,14,30\r\n";
    for (int j = 1; j <= 1000; ++j) {
        const double x = 1.5 + (j - 1) * 1.99;
        sec << field("%5.0f", j) << "    1" << field("%10.3f", x) << field("%10.3f", 149.5 - 0.05 * x)
            << "     P" << j << "\r\n";
        dis << "DISP          0P" << j << "\r\n      0.00      0.00\r\n      8.00    -10.00\r\n";
    }
    sec << "END\r\n";
    dis << "END\r\n";
    testsupport::WriteBytes(dir_ / "limits.sec", sec.str());
    testsupport::WriteBytes(dir_ / "limits.dis", dis.str());
    testsupport::WriteBytes(
        dir_ / "limits.slo",
        "TITLE     limits" + std::string(44, ' ') +
            "TORVAN002\r\nSEFIL     limits.sec\r\nDSFIL     limits.dis\r\n"
            "CALCF    2    0         18.000    10.000    25.000\r\nBLINE    1\r\n"
            "             600.000   200.000   600.000     0.000    0.5000\r\nBOUND    2\r\n"
            "    1    3     5.000   149.750    1.0000              3L\r\n"
            "    2    4  1995.000    50.250    1.0000              3R\r\n"
            "EXCPT    0\r\nQOBRE    0\r\nEND\r\n");
    Outcome run = RunBatch({In("limits.slo"), "--method", "2", "--option", "0", "--save", In("out.slo")});
    EXPECT_EQ(run.status, 1); // refused by the solver, still saved
    EXPECT_NE(run.output.find("100000"), std::string::npos) << run.output;
    EXPECT_EQ(run.output.find("すべり線作成できません\n"), std::string::npos) << run.output;
    EXPECT_EQ(SlipLineCount(dir_ / "out.slo"), 0);
}

// Paths are UTF-8 names on disk, as the window programs take them.
TEST_F(AnalysisBatchTest, PathsThroughAJapaneseFolderOpenAndSave) {
    const fs::path folder = dir_ / std::u8string(u8"日本語フォルダ");
    fs::create_directory(folder);
    for (const char* name : {"sample.sec", "sample.dis", "sample.slo"}) {
        fs::copy_file(dir_ / name, folder / name);
    }
    const fs::path out = folder / std::u8string(u8"出力.slo");
    Outcome run = RunBatch({(folder / "sample.slo").string(), "--no-run", "--save", out.string()});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.output, SaveQuestion(out));
    EXPECT_EQ(testsupport::ReadBytes(out), testsupport::ReadBytes(Sample("sample.slo")));
}

// Saved into another folder, a file opened by a name relative to the working directory
// names its references by their full paths, as one opened by its full name does, so that
// the saved file opens with them.
TEST_F(AnalysisBatchTest, ASaveElsewhereOfARelativelyNamedFileStillReachesItsReferences) {
    fs::create_directory(dir_ / "elsewhere");
    const fs::path started = fs::current_path();
    fs::current_path(dir_);
    Outcome run = RunBatch({"sample.slo", "--no-run", "--save", "elsewhere/other.slo"});
    fs::current_path(started);
    EXPECT_EQ(run.status, 0);
    const std::string saved = testsupport::ReadBytes(dir_ / "elsewhere" / "other.slo");
    EXPECT_NE(saved.find("SEFIL     " + In("sample.sec") + "\r\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("DSFIL     " + In("sample.dis") + "\r\n"), std::string::npos) << saved;

    const fs::path again = dir_ / "elsewhere" / "again.slo";
    Outcome reopened =
        RunBatch({(dir_ / "elsewhere" / "other.slo").string(), "--no-run", "--save", again.string()});
    EXPECT_EQ(reopened.status, 0);
    EXPECT_EQ(reopened.output, SaveQuestion(again));
    ExpectInputsUntouched();
}

// A settings file that is a FIFO, a directory or far larger than any settings file is
// refused before anything runs (a FIFO would otherwise hold the run, the others pass for
// the defaults).
TEST_F(AnalysisBatchTest, ASettingsFileThatIsNoSettingsFileIsRefused) {
    const fs::path fifo = dir_ / "fifo.INI";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    fs::create_directory(dir_ / "folder.INI");
    const fs::path huge = dir_ / "huge.INI";
    std::ofstream(huge).put('[');
    fs::resize_file(huge, 300u << 20); // sparse: no 300 MB written
    for (const fs::path& settings : {fifo, dir_ / "folder.INI", huge}) {
        Outcome run = RunBatch({In("sample.slo"), "--no-run", "--settings", settings.string(), "--plot"},
                               "timeout 20 ");
        EXPECT_EQ(run.status, 2) << settings;
        EXPECT_EQ(run.output, "") << settings;
    }
    EXPECT_FALSE(fs::exists(dir_ / "sample.p00"));
    ExpectInputsUntouched();
}
