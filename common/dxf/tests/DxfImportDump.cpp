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

#include "RecordingDocument.h"

#include "common/dxf/DxfReader.h"
#include "platform/core/CodePage.h"
#include "platform/core/RecordingSink.h"
#include "platform/core/Unset.h"

#include <nlohmann/json.hpp>

#include <climits>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>

namespace {

using Json = nlohmann::ordered_json;

class SettingsError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// CP932 form of a UTF-8 text; the reader and the file layer work in CP932.
CString ToCp932(const std::string& utf8, const char* what) {
    auto cp932 = platform::Utf8ToCp932Strict(utf8);
    if (!cp932) {
        throw SettingsError(std::string(what) + " cannot be written in CP932: " + utf8);
    }
    return CString(cp932->c_str());
}

double NumberOf(const Json& value, const char* key) {
    if (!value.is_number()) {
        throw SettingsError(std::string("\"") + key + "\" must be a number");
    }
    return value.get<double>();
}

int IntOf(const Json& value, const char* key) {
    if (!value.is_number_integer() || value.get<long long>() < INT_MIN || value.get<long long>() > INT_MAX) {
        throw SettingsError(std::string("\"") + key + "\" must be an integer");
    }
    return value.get<int>();
}

void ReadLayerLists(const Json& lists, CDxfImportSettings& settings) {
    if (!lists.is_array() || lists.size() != 3) {
        throw SettingsError("\"layer_lists\" must be an array of three lists of names");
    }
    for (int i = 0; i < 3; ++i) {
        if (!lists[i].is_array()) {
            throw SettingsError("\"layer_lists\" must be an array of three lists of names");
        }
        for (const Json& name : lists[i]) {
            if (!name.is_string()) {
                throw SettingsError("layer names must be strings");
            }
            settings.layerLists[i].push_back(ToCp932(name.get<std::string>(), "a layer name"));
        }
    }
}

void ReadRegion(const Json& region, CDxfImportSettings& settings) {
    if (region.is_null()) {
        return;
    }
    if (!region.is_array() || region.size() != 4) {
        throw SettingsError("\"region\" must be null or [xmin, xmax, ymin, ymax]");
    }
    for (int i = 0; i < 4; ++i) {
        settings.region[i] = region[i].is_null() ? platform::kUnsetDouble : NumberOf(region[i], "region");
    }
}

void ReadSettings(const std::string& path, dxftest::RecordingDocument& document) {
    std::ifstream in(path);
    if (!in) {
        throw SettingsError("cannot open " + path);
    }
    Json json = Json::parse(in, nullptr, false);
    if (json.is_discarded() || !json.is_object()) {
        throw SettingsError(path + " is not a JSON object");
    }
    CDxfImportSettings& settings = document.settings;
    if (json.contains("layer_lists")) {
        ReadLayerLists(json["layer_lists"], settings);
    }
    if (json.contains("x_factor")) {
        settings.xFactor = NumberOf(json["x_factor"], "x_factor");
    }
    if (json.contains("y_factor")) {
        settings.yFactor = NumberOf(json["y_factor"], "y_factor");
    }
    if (json.contains("same_point_distance") && !json["same_point_distance"].is_null()) {
        settings.samePointDistance = NumberOf(json["same_point_distance"], "same_point_distance");
    }
    if (json.contains("region")) {
        ReadRegion(json["region"], settings);
    }
    document.pointLimit = json.contains("point_limit") ? IntOf(json["point_limit"], "point_limit") : INT_MAX;
    document.lineLimit = json.contains("line_limit") ? IntOf(json["line_limit"], "line_limit") : INT_MAX;
}

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
    if (argc != 3) {
        std::cerr << "usage: dxf-import-dump <file.dxf> <settings.json>\n";
        return 2;
    }
    platform::RecordingSink sink;
    dxftest::RecordingDocument document;
    CString dxfPath;
    try {
        ReadSettings(argv[2], document);
        dxfPath = ToCp932(argv[1], "the DXF path");
    } catch (const SettingsError& error) {
        std::cerr << "dxf-import-dump: " << error.what() << '\n';
        return 2;
    }
    CDxfReader reader(document);
    int result = reader.ImportDxf(dxfPath.GetString());
    std::cout << Report(result, sink, document).dump(2) << '\n';
    return 0;
}
