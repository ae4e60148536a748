// Drawings written by the writer: read back by the reader into the same section, and
// judged by an independent DXF library.

#include "DxfSampleDrawing.h"
#include "DxfTestFiles.h"
#include "RecordingDocument.h"

#include "common/dxf/CDxfReader.h"
#include "platform/core/RecordingSink.h"
#include "testsupport/DxfAudit.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>

using dxftest::OutputPath;

namespace {

class DxfRoundTrip : public ::testing::TestWithParam<int> {};

TEST_P(DxfRoundTrip, SectionComesBackAsTheSamePointsAndLines) {
    std::string path = OutputPath("section-" + std::to_string(GetParam()) + ".dxf");
    auto runs = dxftest::WriteSectionDrawing(path, GetParam());
    platform::RecordingSink sink;
    dxftest::RecordingDocument document;
    document.settings.samePointDistance = 0.001;
    document.settings.layerLists[0] = {CString("1")};
    document.settings.layerLists[1] = {CString("0")};
    CDxfReader reader(document);
    ASSERT_EQ(reader.ImportDxf(path.c_str()), 1);
    EXPECT_EQ(sink.MessageCount(), 0);

    std::map<std::pair<double, double>, int> written; // coordinates -> kind
    std::set<std::pair<std::pair<double, double>, std::pair<double, double>>> segments;
    for (std::size_t r = 0; r < runs.size(); ++r) {
        int kind = r + 1 < runs.size() ? 1 : 2; // polylines on layer "1", the single line on "0"
        for (std::size_t i = 0; i < runs[r].size(); ++i) {
            written.emplace(std::make_pair(runs[r][i].x, runs[r][i].y), kind);
            if (i > 0) {
                auto a = std::make_pair(runs[r][i - 1].x, runs[r][i - 1].y);
                auto b = std::make_pair(runs[r][i].x, runs[r][i].y);
                segments.insert(std::minmax(a, b));
            }
        }
    }
    ASSERT_EQ(document.points.size(), written.size());
    for (const auto& point : document.points) {
        auto it = written.find({point.x, point.y});
        ASSERT_NE(it, written.end()) << point.x << "," << point.y;
        EXPECT_EQ(point.kind, it->second);
    }
    ASSERT_EQ(document.lines.size(), segments.size());
    for (const auto& line : document.lines) {
        const auto& a = document.points[line.first];
        const auto& b = document.points[line.second];
        EXPECT_EQ(segments.count(std::minmax(std::make_pair(a.x, a.y), std::make_pair(b.x, b.y))), 1U);
    }
}

INSTANTIATE_TEST_SUITE_P(Releases, DxfRoundTrip, ::testing::Values(0, 14), [](const auto& info) {
    return info.param == 14 ? std::string("Release14") : std::string("Release12");
});

// Loads every DXF file of the directory with ezdxf and audits it; prints one line per
// problem and ends with status 1 when there was any. Beyond the audit: every entity
// keeps the colour it was written with (none falls back to "by layer"), the hatch sits
// on its layer, and the Japanese text decodes through the declared code page.
const char kAuditScript[] = R"(
import glob, os, sys, ezdxf
bad = 0
def problem(*words):
    global bad
    print(*words); bad += 1
for path in sorted(glob.glob(sys.argv[1] + '/*.dxf')):
    name = os.path.basename(path)
    try:
        doc = ezdxf.readfile(path)
    except Exception as error:
        problem(name, 'does not load:', error); continue
    auditor = doc.audit()
    for item in auditor.errors + auditor.fixes:
        problem(name, item.code, item.message)
    for entity in doc.modelspace():
        if entity.dxf.color == 256:
            problem(name, entity.dxftype(), 'lost its colour')
    hatch_layer = '1' if name.startswith('sample-editor') else '9'
    for hatch in doc.modelspace().query('HATCH'):
        if hatch.dxf.layer != hatch_layer or len(hatch.paths) != 1:
            problem(name, 'hatch on layer', hatch.dxf.layer, 'with', len(hatch.paths), 'paths')
    texts = [e.dxf.text for e in doc.modelspace().query('TEXT')]
    if name.startswith('sample') and '\u5730\u8868\u9762 \u3059\u3079\u308a\u7dda' not in texts:
        problem(name, 'Japanese text not decoded:', texts)
sys.exit(1 if bad else 0)
)";

TEST(DxfIndependentAudit, EveryDrawingTheWriterMakesLoadsAndAuditsClean) {
    ASSERT_TRUE(testsupport::EzdxfAvailable())
        << "ezdxf is not installed for /usr/bin/python3 (Debian package python3-ezdxf, "
           "which scripts/install-deps.sh installs): the independent DXF audit cannot run";
    std::string directory = OutputPath("written");
    std::filesystem::create_directories(directory);
    for (int version : {0, 14}) {
        std::string suffix = std::to_string(version);
        dxftest::WriteSampleDrawing(directory + "/sample-" + suffix + ".dxf", version, "9");
        dxftest::WriteSampleDrawing(directory + "/sample-editor-" + suffix + ".dxf", version, "1");
        dxftest::WriteSectionDrawing(directory + "/section-" + suffix + ".dxf", version);
    }
    std::string script = OutputPath("audit.py");
    dxftest::WriteBytes(script, kAuditScript);
    std::string command = "/usr/bin/python3 " + script + " " + directory + " 2>&1";
    FILE* pipe = ::popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string report;
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe)) {
        report += buffer;
    }
    int status = ::pclose(pipe);
    EXPECT_EQ(status, 0) << report;
    EXPECT_EQ(report, "");
}

} // namespace
