// dxf-import-dump: reads a DXF file into a recording document with the import settings
// of a JSON file and prints what the reader did, as JSON, on standard output:
//   {"result": 0|1, "messages": [...], "points": [{"number", "x", "y", "kind"}],
//    "lines": [{"number", "p1", "p2"}]}
// in creation order; "p1" and "p2" are point numbers, messages are UTF-8 texts in the
// order shown (recorded, so nothing waits for a click).
//
// Settings keys, each optional: "layer_lists" (three lists of UTF-8 layer names),
// "x_factor", "y_factor", "same_point_distance", "region" (null, or [xmin, xmax, ymin,
// ymax] where a null bound is unbounded), "point_limit", "line_limit". A missing limit
// means no limit.
//
// Usage: dxf-import-dump <file.dxf> <settings.json>. Exit status 0 when the import ran
// (whatever its result), 2 for a usage or settings error (told on standard error).

#include "DxfImportSettingsJson.h"
#include "RecordingDocument.h"
#include "platform/core/FileSizeSignal.h"

#include "common/dxf/CDxfReader.h"
#include "platform/core/RecordingSink.h"

#include <nlohmann/json.hpp>

#include <iostream>
#include <string>

namespace {

using Json = nlohmann::ordered_json;

Json Report(int result, const platform::RecordingSink& sink, const dxftest::RecordingDocument& document) {
    Json report;
    report["result"] = result;
    report["messages"] = sink.MessagesUtf8();
    Json points = Json::array();
    for (const dxftest::RecordedPoint& point : document.points) {
        points.push_back({{"number", point.number}, {"x", point.x}, {"y", point.y}, {"kind", point.kind}});
    }
    report["points"] = points;
    Json lines = Json::array();
    for (const dxftest::RecordedLine& line : document.lines) {
        lines.push_back({{"number", line.number},
                         {"p1", document.points[line.first].number},
                         {"p2", document.points[line.second].number}});
    }
    report["lines"] = lines;
    return report;
}

} // namespace

int main(int argc, char** argv) {
    platform::IgnoreFileSizeSignal();
    if (argc != 3) {
        std::cerr << "usage: dxf-import-dump <file.dxf> <settings.json>\n";
        return 2;
    }
    platform::RecordingSink sink;
    dxftest::RecordingDocument document;
    CString dxfPath;
    try {
        const dxftest::JsonImportSettings settings = dxftest::ReadImportSettingsJson(argv[2]);
        document.settings = settings.settings;
        document.pointLimit = settings.pointLimit;
        document.lineLimit = settings.lineLimit;
        dxfPath = dxftest::ToCp932(argv[1], "the DXF path");
    } catch (const dxftest::SettingsError& error) {
        std::cerr << "dxf-import-dump: " << error.what() << '\n';
        return 2;
    }
    CDxfReader reader(document);
    int result = reader.ImportDxf(dxfPath.GetString());
    std::cout << Report(result, sink, document).dump(2) << '\n';
    return 0;
}
