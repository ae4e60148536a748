#include "DxfImportSettingsJson.h"

#include "platform/core/CodePage.h"
#include "platform/core/Unset.h"

#include <nlohmann/json.hpp>

#include <fstream>

namespace dxftest {

namespace {

using Json = nlohmann::ordered_json;

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

bool FlagOf(const Json& value, const char* key) {
    if (value.is_boolean()) {
        return value.get<bool>();
    }
    return IntOf(value, key) != 0;
}

} // namespace

CString ToCp932(const std::string& utf8, const char* what) {
    auto cp932 = platform::Utf8ToCp932Strict(utf8);
    if (!cp932) {
        throw SettingsError(std::string(what) + " cannot be written in CP932: " + utf8);
    }
    return CString(cp932->c_str());
}

JsonImportSettings ReadImportSettingsJson(const std::string& path) {
    std::ifstream in(path);
    if (!in) {
        throw SettingsError("cannot open " + path);
    }
    Json json = Json::parse(in, nullptr, false);
    if (json.is_discarded() || !json.is_object()) {
        throw SettingsError(path + " is not a JSON object");
    }
    JsonImportSettings result;
    CDxfImportSettings& settings = result.settings;
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
    if (json.contains("point_limit")) {
        result.pointLimit = IntOf(json["point_limit"], "point_limit");
    }
    if (json.contains("line_limit")) {
        result.lineLimit = IntOf(json["line_limit"], "line_limit");
    }
    if (json.contains("clear_current_data")) {
        result.clearCurrentData = FlagOf(json["clear_current_data"], "clear_current_data");
    }
    return result;
}

} // namespace dxftest
