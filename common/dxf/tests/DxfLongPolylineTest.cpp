// A long POLYLINE is read whole, VERTEX by VERTEX, and then added as the vertices of an
// LWPOLYLINE are: the import ends with the same points, lines, messages and progress as the
// same path given as an LWPOLYLINE, however it ends, and a file that ends inside it adds
// nothing of it.

#include "DxfTestFiles.h"
#include "RecordingDocument.h"

#include "common/dxf/CDxfReader.h"
#include "platform/core/RecordingSink.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

using dxftest::RecordingDocument;
using dxftest::RecordingProgress;

namespace {

constexpr int kVertices = 12000;
const std::string kPointLimitMessage =
    reinterpret_cast<const char*>(u8"点ﾃﾞｰﾀ制限を越えたため読み込みを中止します");
const std::string kLineLimitMessage =
    reinterpret_cast<const char*>(u8"線ﾃﾞｰﾀ制限を越えたため読み込みを中止します");
const std::string kMemoryMessage =
    reinterpret_cast<const char*>(u8"メモリ・エラー!!!\n直ちに本プログラムを終了させて下さい。");
const std::string kPrematureEndMessage =
    reinterpret_cast<const char*>(u8"ファイルが途中で終了しているため、読み込みできません");

struct PathVertex {
    double x;
    double y;
};

// A wave that leaves the region now and then, with vertices closer than the same-point
// distance, and now and then back to a vertex of 700 before, which is then found rather
// than made.
std::vector<PathVertex> WavePath() {
    std::vector<PathVertex> path;
    for (int i = 0; i < kVertices; ++i) {
        const bool repeated = i > 0 && i % 97 == 0;
        const bool back = !repeated && i > 1000 && i % 500 == 0;
        const int at = back ? i - 700 : repeated ? i - 1 : i;
        path.push_back({at * 0.5 + (repeated ? 0.001 : 0.0), 50.0 + 60.0 * std::sin(at / 300.0)});
    }
    return path;
}

// The path as one entity, a line after it.
std::string PathDxf(bool asPolyline) {
    std::vector<std::string> groups;
    if (asPolyline) {
        groups = {"0", "POLYLINE", "8", "GROUND", "66", "1"};
    } else {
        groups = {"0", "LWPOLYLINE", "8", "GROUND", "90", std::to_string(kVertices)};
    }
    for (const PathVertex& vertex : WavePath()) {
        if (asPolyline) {
            groups.insert(groups.end(), {"0", "VERTEX", "8", "GROUND"});
        }
        groups.insert(groups.end(), {"10", std::to_string(vertex.x), "20", std::to_string(vertex.y)});
        if (asPolyline) {
            groups.insert(groups.end(), {"30", "0.0"});
        }
    }
    if (asPolyline) {
        groups.insert(groups.end(), {"0", "SEQEND"});
    }
    groups.insert(groups.end(), {"0", "LINE", "8", "0", "10", "-5", "20", "-5", "11", "-6", "21", "-7"});
    return dxftest::EntitiesDxf(groups);
}

struct ImportRun {
    int result = -1;
    std::vector<std::tuple<int, double, double, int>> points;
    std::vector<std::tuple<int, int, int>> lines;
    std::vector<std::string> messages;
    std::vector<std::pair<int, int>> counts;
    int pumps = 0;
};

using Setting = std::function<void(RecordingDocument&, RecordingProgress&)>;

// What else happens in an import, set up on its document and progress, and the messages the
// import then shows.
struct Happening {
    const char* what;
    Setting set;
    std::vector<std::string> messages;
};

ImportRun Import(const std::string& text, const Setting& set) {
    static int fileNumber = 0;
    const std::string path = dxftest::OutputPath("long-polyline-" + std::to_string(++fileNumber) + ".dxf");
    dxftest::WriteBytes(path, text);
    platform::RecordingSink sink;
    RecordingDocument document;
    RecordingProgress progress;
    document.settings.samePointDistance = 0.01;
    const double region[4] = {-10.0, 1e6, 0.0, 100.0};
    std::copy(region, region + 4, document.settings.region);
    set(document, progress);
    ImportRun run;
    run.result = CDxfReader(document).ImportDxf(path.c_str(), &progress);
    for (const auto& point : document.points) {
        run.points.emplace_back(point.number, point.x, point.y, point.kind);
    }
    for (const auto& line : document.lines) {
        run.lines.emplace_back(line.number, line.first, line.second);
    }
    run.messages = sink.MessagesUtf8();
    run.counts = progress.counts;
    run.pumps = progress.pumps;
    return run;
}

TEST(DxfLongPolyline, ReadVertexByVertexItEndsAsTheSamePathOfAnLwPolylineEnds) {
    const std::string polyline = PathDxf(true);
    const std::string lwPolyline = PathDxf(false);
    const Happening cases[] = {
        {"whole", [](RecordingDocument&, RecordingProgress&) {}, {}},
        {"point limit inside",
         [](RecordingDocument& d, RecordingProgress&) { d.pointLimit = 7000; },
         {kPointLimitMessage}},
        {"line limit inside",
         [](RecordingDocument& d, RecordingProgress&) { d.lineLimit = 6500; },
         {kLineLimitMessage}},
        {"cancelled inside", [](RecordingDocument&, RecordingProgress& p) { p.cancelAfterPumps = 6000; }, {}},
        {"out of memory inside",
         [](RecordingDocument& d, RecordingProgress&) { d.outOfMemoryAtPoint = 6000; },
         {kMemoryMessage}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const ImportRun read = Import(polyline, c.set);
        const ImportRun given = Import(lwPolyline, c.set);
        EXPECT_EQ(read.result, given.result);
        EXPECT_EQ(read.points, given.points);
        EXPECT_EQ(read.lines, given.lines);
        EXPECT_EQ(read.messages, c.messages);
        EXPECT_EQ(given.messages, c.messages);
        EXPECT_EQ(read.counts, given.counts);
        EXPECT_EQ(read.pumps, given.pumps);
        EXPECT_GT(read.lines.size(), 4000U) << read.lines.size(); // the path got well inside before it ended
    }
}

// A cancel inside the path stops the import where it is seen, not where the path ends: no
// point of the path after it is added, and the window is pumped once more at most.
TEST(DxfLongPolyline, ACancelInsideThePathStopsItWhereItIsSeen) {
    constexpr int kCancelAt = 6000;
    for (const bool asPolyline : {true, false}) {
        SCOPED_TRACE(asPolyline ? "POLYLINE" : "LWPOLYLINE");
        const ImportRun run = Import(PathDxf(asPolyline), [](RecordingDocument&, RecordingProgress& p) {
            p.cancelAfterPumps = kCancelAt;
        });
        EXPECT_EQ(run.result, 1);
        EXPECT_TRUE(run.messages.empty());
        EXPECT_LE(run.pumps, kCancelAt + 1);
        EXPECT_LT(run.points.size(), static_cast<std::size_t>(kCancelAt));
        EXPECT_LT(run.lines.size(), static_cast<std::size_t>(kCancelAt));
    }
}

// A file that ends inside the polyline fails the import with the message of a file cut
// short, wherever it ends, also where the adding would have stopped at a limit or run out
// of memory: the polyline is read whole before any of it is added.
TEST(DxfLongPolyline, AFileEndingInsideItFailsAndAddsNothingOfIt) {
    const std::string text = PathDxf(true);
    const std::size_t polyline = text.find("POLYLINE");
    const Happening insides[] = {
        {"nothing else", [](RecordingDocument&, RecordingProgress&) {}, {}},
        {"point limit", [](RecordingDocument& d, RecordingProgress&) { d.pointLimit = 5000; }, {}},
        {"out of memory", [](RecordingDocument& d, RecordingProgress&) { d.outOfMemoryAtPoint = 5000; }, {}},
    };
    for (const double part : {0.3, 0.71, 0.999}) {
        for (const auto& inside : insides) {
            const std::string cut =
                text.substr(0, polyline + static_cast<std::size_t>(part * (text.size() - polyline)));
            SCOPED_TRACE(std::to_string(part) + " of the polyline, " + inside.what);
            const ImportRun run = Import(cut, inside.set);
            EXPECT_EQ(run.result, 0);
            EXPECT_EQ(run.messages, std::vector<std::string>{kPrematureEndMessage});
            EXPECT_TRUE(run.points.empty());
        }
    }
}

} // namespace
