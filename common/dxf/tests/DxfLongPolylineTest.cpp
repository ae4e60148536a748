// A long polyline's vertices read on a thread beside their adding, for a document that is
// put back when an import fails: the import ends as reading the polyline first ends it,
// with the same points, lines, messages and progress, however it ends.

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

// A wave that leaves the region now and then, with runs of vertices closer than the
// same-point distance, some of them across the reading's runs, and now and then back to
// a vertex of 700 before, which is then found rather than made.
std::string LongPolylineDxf() {
    std::vector<std::string> groups = {"0", "POLYLINE", "8", "GROUND", "66", "1"};
    for (int i = 0; i < kVertices; ++i) {
        const bool repeated = i > 0 && (i % 97 == 0 || i % CDxfReader::kVerticesPerRun == 0);
        const bool back = !repeated && i > 1000 && i % 500 == 0;
        const int at = back ? i - 700 : repeated ? i - 1 : i;
        const double x = at * 0.5 + (repeated ? 0.001 : 0.0);
        const double y = 50.0 + 60.0 * std::sin(at / 300.0);
        groups.insert(groups.end(), {"0", "VERTEX", "8", "GROUND", "10", std::to_string(x), "20",
                                     std::to_string(y), "30", "0.0"});
    }
    groups.insert(groups.end(),
                  {"0", "SEQEND", "0", "LINE", "8", "0", "10", "-5", "20", "-5", "11", "-6", "21", "-7"});
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

// What else happens in an import, set up on its document and progress.
struct Happening {
    const char* what;
    Setting set;
};

ImportRun Import(const std::string& text, bool alongside, const Setting& set) {
    static int fileNumber = 0;
    const std::string path = dxftest::OutputPath("long-polyline-" + std::to_string(++fileNumber) + ".dxf");
    dxftest::WriteBytes(path, text);
    platform::RecordingSink sink;
    RecordingDocument document;
    RecordingProgress progress;
    document.settings.samePointDistance = 0.01;
    const double region[4] = {-10.0, 1e6, 0.0, 100.0};
    std::copy(region, region + 4, document.settings.region);
    document.restoredAfterFailedImport = alongside;
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

TEST(DxfLongPolyline, ReadBesideItsAddingItGivesWhatReadingItFirstGives) {
    const std::string text = LongPolylineDxf();
    const Happening cases[] = {
        {"whole", [](RecordingDocument&, RecordingProgress&) {}},
        {"point limit inside", [](RecordingDocument& d, RecordingProgress&) { d.pointLimit = 7000; }},
        {"line limit inside", [](RecordingDocument& d, RecordingProgress&) { d.lineLimit = 9500; }},
        {"cancelled inside", [](RecordingDocument&, RecordingProgress& p) { p.cancelAfterPumps = 6000; }},
        {"out of memory inside",
         [](RecordingDocument& d, RecordingProgress&) { d.outOfMemoryAtPoint = 6000; }},
        // Read beside, the search takes a point on the looking-up thread.
        {"out of memory entering a point inside",
         [](RecordingDocument& d, RecordingProgress&) { d.outOfMemoryAtEntering = 6000; }},
        {"out of memory entering the point past the limit",
         [](RecordingDocument& d, RecordingProgress&) {
             d.pointLimit = 5000;
             d.outOfMemoryAtEntering = 4999;
         }},
        {"out of memory entering a point after the limit stopped the adding",
         [](RecordingDocument& d, RecordingProgress&) {
             d.pointLimit = 5000;
             d.outOfMemoryAtEntering = 7000;
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const ImportRun first = Import(text, false, c.set);
        const ImportRun beside = Import(text, true, c.set);
        EXPECT_EQ(beside.result, first.result);
        EXPECT_EQ(beside.points, first.points);
        EXPECT_EQ(beside.lines, first.lines);
        EXPECT_EQ(beside.messages, first.messages);
        EXPECT_EQ(beside.counts, first.counts);
        EXPECT_EQ(beside.pumps, first.pumps);
    }
    EXPECT_GT(Import(text, true, [](RecordingDocument&, RecordingProgress&) {}).lines.size(), 7000U);
}

// A file that ends inside the polyline fails the import with the message of a file cut
// short, wherever it ends, also after the adding stopped at a limit or ran out of memory.
TEST(DxfLongPolyline, AFileEndingInsideItFailsAsWhenItIsReadFirst) {
    const std::string text = LongPolylineDxf();
    const std::size_t polyline = text.find("POLYLINE");
    const Happening insides[] = {
        {"nothing else", [](RecordingDocument&, RecordingProgress&) {}},
        {"point limit", [](RecordingDocument& d, RecordingProgress&) { d.pointLimit = 5000; }},
        {"out of memory", [](RecordingDocument& d, RecordingProgress&) { d.outOfMemoryAtPoint = 5000; }},
        {"out of memory entering",
         [](RecordingDocument& d, RecordingProgress&) { d.outOfMemoryAtEntering = 5000; }},
    };
    for (const double part : {0.3, 0.71, 0.999}) {
        for (const auto& inside : insides) {
            const std::string cut =
                text.substr(0, polyline + static_cast<std::size_t>(part * (text.size() - polyline)));
            SCOPED_TRACE(std::to_string(part) + " of the polyline, " + inside.what);
            const ImportRun first = Import(cut, false, inside.set);
            const ImportRun beside = Import(cut, true, inside.set);
            EXPECT_EQ(first.result, 0);
            EXPECT_EQ(beside.result, 0);
            EXPECT_EQ(beside.messages, first.messages);
            ASSERT_EQ(first.messages.size(), 1U);
            // Read first, the cut polyline adds nothing. Read beside, from its first two
            // chunks on, what came before the cut stays until the document is put back.
            EXPECT_TRUE(first.points.empty());
            const bool readBeside = part * kVertices > 2 * CDxfReader::kVerticesPerRun;
            EXPECT_EQ(beside.points.empty(), !readBeside);
        }
    }
}

} // namespace
