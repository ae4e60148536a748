#include "DxfImportSettingsJson.h"

#include "platform/core/CodePage.h"
#include "platform/core/DiskNames.h"
#include "platform/core/ProfileFile.h"
#include "platform/core/Unset.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

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

namespace {

// At most limit + 1 bytes of the descriptor: one more than the limit tells a larger file,
// also one that grew after it was opened. Room for the size it had and a byte more first,
// grown while it gives more. Nothing when a read fails.
std::optional<std::string> ReadAtMost(int fd, std::size_t limit, std::size_t expected) {
    std::string bytes(std::min(expected, limit) + 1, '\0');
    std::size_t got = 0;
    for (;;) {
        if (got == bytes.size()) {
            if (bytes.size() > limit) {
                break;
            }
            bytes.resize(std::min(bytes.size() * 2, limit + 1));
        }
        const ssize_t step = ::read(fd, bytes.data() + got, bytes.size() - got);
        if (step == 0) {
            break;
        }
        if (step < 0 && errno != EINTR) {
            return std::nullopt;
        }
        got += step > 0 ? static_cast<std::size_t>(step) : 0;
    }
    bytes.resize(got);
    return bytes;
}

// The file's bytes as the suite reads a settings file: never waiting at a FIFO, and
// refusing a directory, a device or a file larger than a settings file may be.
std::string ReadSettingsBytes(const std::string& path) {
    const int fd = platform::OpenRegularFile(ToCp932(path, "the settings path"), O_RDONLY);
    if (fd < 0) {
        throw SettingsError(errno == EISDIR || errno == ENXIO ? path + " is not a regular file"
                                                              : "cannot open " + path);
    }
    constexpr std::size_t kLimit = platform::ProfileFile::kLargestFile;
    struct stat info {};
    std::optional<std::string> bytes;
    if (::fstat(fd, &info) == 0 && info.st_size <= static_cast<off_t>(kLimit)) {
        bytes = ReadAtMost(fd, kLimit, static_cast<std::size_t>(info.st_size));
    }
    ::close(fd);
    if (!bytes || bytes->size() > kLimit) {
        throw SettingsError(path + " cannot be read or is larger than a settings file may be");
    }
    return *bytes;
}

} // namespace

JsonImportSettings ReadImportSettingsJson(const std::string& path) {
    Json json = Json::parse(ReadSettingsBytes(path), nullptr, false);
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
