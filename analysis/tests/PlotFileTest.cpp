// The drawing output files: the units and directions of the commands, the legends' scale
// bar, one axis of a 100 m model at 1:1000, and the two files of the sample beside it.

#include "analysis/core/CBlockDoc.h"
#include "analysis/core/CLine.h"
#include "analysis/core/PlotSheetWriter.h"

#include "common/records/CTextFile.h"
#include "platform/core/MapEntries.h"
#include "platform/core/SafeFileWriter.h"
#include "testsupport/ChildProcess.h"
#include "testsupport/Fixtures.h"
#include "testsupport/NonRegularFile.h"

#include <algorithm>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <sys/file.h>
#include <unistd.h>
#include <vector>

namespace torvan {
namespace {

class PlotFileTest : public testsupport::TempDirTest {
protected:
    // The lines a writer function leaves in a file.
    std::vector<std::string> Lines(const std::function<void(CTextFile&)>& write) {
        const std::string path = Path("commands.txt");
        {
            CTextFile file;
            EXPECT_TRUE(file.Open(path.c_str(), CFile::modeCreate | CFile::modeWrite));
            write(file);
            file.Close();
        }
        return SplitLines(dir_.Read("commands.txt"));
    }
    void OpenSample(CBlockDoc& doc) {
        for (const char* name : {"sample.slo", "sample.sec", "sample.dis"}) {
            std::filesystem::copy_file(std::string(VERRANT_SOURCE_DIR "/data/") + name, Path(name));
        }
        ASSERT_EQ(doc.OnOpenDocument(Path("sample.slo").c_str()), 1);
        doc.CalcMaxDisplacement();
    }
    static std::vector<std::string> SplitLines(const std::string& text) {
        std::vector<std::string> lines;
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);) {
            if (!line.empty() && line.back() == '\r') {
                line.pop_back();
            }
            lines.push_back(line);
        }
        return lines;
    }
};

TEST_F(PlotFileTest, LengthsAreTenthsOfAMillimetreRoundedAsWritten) {
    const struct {
        double millimetres;
        int units;
    } cases[] = {{12.34, 123}, {-0.04, 0}, {-1.0, -9}, {0.05, 1}, {210.0, 2100}};
    for (const auto& c : cases) {
        EXPECT_EQ(PlotSheetWriter::PlotUnits(c.millimetres), c.units) << c.millimetres;
    }
}

TEST_F(PlotFileTest, TextDirectionsAreQuarterTurns) {
    const struct {
        double angle;
        const char* line;
    } cases[] = {{-90, "Q3"}, {44, "Q0"}, {45, "Q1"}, {90, "Q1"}, {180, "Q2"}, {359, "Q0"}};
    for (const auto& c : cases) {
        EXPECT_EQ(Lines([&](CTextFile& f) { PlotSheetWriter::PlotTextAngle(f, c.angle); }),
                  std::vector<std::string>{c.line});
    }
}

TEST_F(PlotFileTest, TheScaleLegendWritesItsTextBarAndValuePlaces) {
    const auto lines = Lines([](CTextFile& f) {
        PlotSheetWriter::PlotText(f, 195, 30, 2.5, 90, 8, "A");
        const DPoint end = PlotSheetWriter::PlotArrow(f, DPoint{195, 37.5}, 2.5, 90);
        PlotSheetWriter::PlotMove(f, end.x, end.y);
    });
    EXPECT_EQ(lines, (std::vector<std::string>{"S25,0,0,8", "Q1", "M1950,300", "PA", "M1948,375", "D1928,375",
                                               "A1938,375,1938,475,25,10,24", "M1948,475", "D1928,475",
                                               "M1950,488"}));
}

TEST_F(PlotFileTest, AHundredMetreAxisAtOneToAThousandHasTicksEveryFiveMillimetres) {
    double paperStep, step;
    int interval;
    PlotSheetWriter::ChooseTickStep(100, 100, paperStep, step, interval);
    EXPECT_DOUBLE_EQ(paperStep, 5.0);
    EXPECT_DOUBLE_EQ(step, 5.0);
    EXPECT_EQ(interval, 5);
    int exponent = -1;
    const auto lines = Lines([&](CTextFile& f) {
        PlotSheetWriter::PlotAxis(f, DPoint{30, 20}, 100, 100, 0, 0, -1, exponent);
    });
    EXPECT_EQ(exponent, 0);
    std::vector<std::string> labels;
    int ticks = 0;
    for (const std::string& line : lines) {
        if (line[0] == 'P') {
            labels.push_back(line.substr(1));
        }
        if (line[0] == 'D' && line.substr(line.find(',') + 1) == "200") {
            ++ticks;
        }
    }
    EXPECT_EQ(ticks, 21);
    EXPECT_EQ(labels, (std::vector<std::string>{"0", "25", "50", "75", "100"}));
    EXPECT_EQ(lines[1], "D300,200");
    EXPECT_EQ(lines[2], "D300,183"); // a long tick 1.7 mm below the axis
}

// The sample's two files beside it; the index names the page file without a directory, and
// the ground-surface polyline is closed.
TEST_F(PlotFileTest, TheSampleGetsItsIndexAndPageFilesBesideIt) {
    CBlockDoc doc;
    OpenSample(doc);
    doc.Sheet().m_nPaper = 6;
    PlotStyle style;
    CString index;
    ASSERT_EQ(doc.WritePlotFile(index, style), 1);
    EXPECT_EQ(std::string(index.GetString()), Path("sample.p00"));
    EXPECT_EQ(SplitLines(dir_.Read("sample.p00")), std::vector<std::string>{"sample.p01 2100 2970 0.1 7"});
    const auto page = SplitLines(dir_.Read("sample.p01"));
    ASSERT_GE(page.size(), 5u);
    EXPECT_EQ(page[0], "V0");
    EXPECT_EQ(page[1], "T0,2");
    EXPECT_EQ(page[2], "B0,0,2100,2970");
    EXPECT_EQ(page[3], "S45,0,0,8");
    int opened = 0;
    int closed = 0;
    for (const std::string& line : page) {
        opened += line == "O1";
        closed += line == "O2";
        EXPECT_NE(line, "V-1");
    }
    EXPECT_GE(opened, 1);
    EXPECT_EQ(opened, closed);
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(dir_.Path())) {
        files.push_back(entry.path().filename().string());
    }
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files, (std::vector<std::string>{"sample.dis", "sample.p00", "sample.p01", "sample.sec",
                                               "sample.slo"}));
}

// A line of the model joins its two points whichever way round it was drawn, so the
// ground surface plots as the same run when every line is turned end for end.
TEST_F(PlotFileTest, GroundLinesDrawnEitherWayPlotAsOneRun) {
    CBlockDoc doc;
    OpenSample(doc);
    PlotStyle style;
    CString index;
    ASSERT_EQ(doc.WritePlotFile(index, style), 1);
    const std::string forward = dir_.Read("sample.p01");
    for (auto [key, line] : platform::MapEntries<CLine>(doc.GroundLines())) {
        std::swap(line->node1, line->node2);
    }
    ASSERT_EQ(doc.WritePlotFile(index, style), 1);
    EXPECT_EQ(dir_.Read("sample.p01"), forward);
}

// While the drawing viewer holds the index, the files stay as they were and the open
// message names the index.
TEST_F(PlotFileTest, AnIndexHeldByTheViewerIsNotReplaced) {
    CBlockDoc doc;
    OpenSample(doc);
    dir_.Write("sample.p00", "old index\n");
    const int viewer = open(Path("sample.p00").c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(flock(viewer, LOCK_SH | LOCK_NB), 0);
    CString index;
    EXPECT_EQ(doc.WritePlotFile(index, PlotStyle()), 0);
    close(viewer);
    EXPECT_EQ(dir_.Read("sample.p00"), "old index\n");
    EXPECT_FALSE(std::filesystem::exists(Path("sample.p01")));
    EXPECT_NE(sink_.LastMessageUtf8().find("sample.p00"), std::string::npos) << sink_.LastMessageUtf8();
    sink_.Clear();
    EXPECT_EQ(doc.WritePlotFile(index, PlotStyle()), 1);
}

// At 1/500 on A4 the layout puts the elevation axis off the sheet: the user is asked before
// any file is written, and No writes nothing.
TEST_F(PlotFileTest, ASectionLargerThanThePaperIsToldBeforeTheFilesAreWritten) {
    CBlockDoc doc;
    OpenSample(doc);
    doc.Sheet().m_nPaper = 6;
    doc.Sheet().m_dModelScale = 500.0;
    sink_.QueueAnswer(IDNO);
    CString index;
    EXPECT_EQ(doc.WritePlotFile(index, PlotStyle()), 0);
    ASSERT_EQ(sink_.MessageCount(), 1);
    EXPECT_EQ(sink_.LastMessageUtf8(),
              platform::Utf8(
                  u8"断面が選択した用紙に収まりません(縮尺 1/500)。\n用紙の外に出る部分は作図されません。"
                  u8"このまま作図しますか？"));
    EXPECT_FALSE(std::filesystem::exists(Path("sample.p00")));
    // A scale that fits asks nothing.
    sink_.Clear();
    doc.Sheet().m_dModelScale = 1000.0;
    EXPECT_EQ(doc.WritePlotFile(index, PlotStyle()), 1);
    EXPECT_EQ(sink_.MessageCount(), 0) << sink_.LastMessageUtf8();
}

// The index cannot replace the old one: the run says so and both old files stay as they were
// (the new page does not stay beside the old index).
TEST_F(PlotFileTest, ARunThatFailsLeavesTheEarlierFilesTogether) {
    CBlockDoc doc;
    OpenSample(doc);
    dir_.Write("sample.p00", "old index\n");
    dir_.Write("sample.p01", "old page\n");
    static int replaced;
    replaced = 0;
    platform::SafeFileWriter::SetStepHookForTesting([](platform::SafeWriteStep step) {
        return step == platform::SafeWriteStep::ReplaceTarget && ++replaced == 2 ? EIO : 0;
    });
    CString index;
    const int written = doc.WritePlotFile(index, PlotStyle());
    platform::SafeFileWriter::SetStepHookForTesting(nullptr);
    EXPECT_EQ(written, 0);
    EXPECT_EQ(dir_.Read("sample.p00"), "old index\n");
    EXPECT_EQ(dir_.Read("sample.p01"), "old page\n");
    EXPECT_EQ(sink_.LastMessageUtf8(), platform::Utf8(u8"ﾌｧｲﾙ書き込みｴﾗｰです"));
}

// A FIFO, socket, device or directory at the index's or the page's name is refused with a
// message at once; the drawing run never waits at it.
TEST_F(PlotFileTest, NoFileAtAPlotFilesNameHoldsTheRunUp) {
    std::filesystem::permissions(dir_.Path(), std::filesystem::perms::all);
    CBlockDoc doc;
    OpenSample(doc);
    for (const std::string& kind : testsupport::NonRegularFileKinds()) {
        for (const char* name : {"sample.p00", "sample.p01"}) {
            ASSERT_TRUE(testsupport::MakeNonRegularFile(kind, Path(name)));
            const int messages = sink_.MessageCount();
            EXPECT_EQ(testsupport::RunInChildAsUser([&] {
                          CString index;
                          return doc.WritePlotFile(index, PlotStyle()) == 0 && sink_.MessageCount() > messages
                                     ? 0
                                     : 1;
                      }),
                      0)
                << kind << " at " << name;
            std::filesystem::remove_all(Path(name));
        }
    }
}

} // namespace
} // namespace torvan
