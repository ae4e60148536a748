#pragma once
// The DXF import settings of a JSON file, as the test-support programs take them. Keys, each
// optional: "layer_lists" (three lists of UTF-8 layer names), "x_factor", "y_factor",
// "same_point_distance", "region" (null, or [xmin, xmax, ymin, ymax] where a null bound is
// unbounded), "point_limit", "line_limit" (a missing limit means no limit) and
// "clear_current_data" (true or 1 unless given as false or 0).

#include "common/dxf/CDxfImportDocument.h"

#include <climits>
#include <stdexcept>
#include <string>

namespace dxftest {

class SettingsError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct JsonImportSettings {
    CDxfImportSettings settings;
    int pointLimit = INT_MAX;
    int lineLimit = INT_MAX;
    bool clearCurrentData = true;
};

// Throws SettingsError naming what is wrong.
JsonImportSettings ReadImportSettingsJson(const std::string& path);

// CP932 form of a UTF-8 text; SettingsError naming what when it has no CP932 form.
CString ToCp932(const std::string& utf8, const char* what);

} // namespace dxftest
