#include "common/dxf/CDxfColorPalette.h"

#include "common/records/CTextFile.h"
#include "platform/core/MessageSink.h"
#include "platform/core/ModulePath.h"
#include "platform/core/NumberFormat.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstring>
#include <sys/stat.h>

IMPLEMENT_DYNAMIC(CDxfColorPalette, CObject)

namespace {

const char8_t kPaletteError[] = u8"ｶﾗｰﾊﾟﾚｯﾄﾌｧｲﾙ(color.pal)読み込みｴﾗｰのため、ﾃﾞﾌｫﾙﾄが設定されます";
constexpr int kLineBufferSize = 82;
constexpr double kDefaultScale = 4.0;

bool FileExists(const char* path) {
    struct stat info;
    return ::stat(CFile::OsPath(path).c_str(), &info) == 0;
}

// A channel must be a plain decimal 0..255, blanks around it allowed.
bool ParseChannel(const char* begin, const char* end, int& value) {
    while (begin < end && *begin == ' ') {
        ++begin;
    }
    while (end > begin && (end[-1] == ' ' || end[-1] == '\t')) {
        --end;
    }
    if (begin == end || end - begin > 3) {
        return false;
    }
    value = 0;
    for (const char* p = begin; p < end; ++p) {
        if (*p < '0' || *p > '9') {
            return false;
        }
        value = value * 10 + (*p - '0');
    }
    return value <= 255;
}

} // namespace

CDxfColorPalette::CDxfColorPalette() {
    std::memset(entries_, 0, sizeof entries_);
    BuildDefaultPalette(kDefaultScale);
}

int CDxfColorPalette::LoadColorPalette() {
    CString directory = platform::ModuleDirectory();
    if (directory.IsEmpty()) {
        return 0;
    }
    return LoadColorPaletteFrom(directory + "/color.pal");
}

int CDxfColorPalette::LoadColorPaletteFrom(const char* path) {
    if (!FileExists(path)) {
        return 0; // the palette file is optional
    }
    CTextFile file;
    if (!file.Open(path, CFile::modeRead | CFile::typeText)) {
        return 0;
    }
    int result = 1;
    try {
        char line[kLineBufferSize];
        int status = 0;
        while (file.ReadLineStatus(line, kLineBufferSize, status)) {
            // A line at which the file stops (a NUL, a line of 64 KiB) is damage, no colour.
            if (file.EndedAtNonTextLine() || !ApplyPaletteLine(line)) {
                result = 0;
                break;
            }
        }
        file.Abort();
    } catch (const CFileException&) {
        file.Abort();
        result = 0;
    }
    if (!result) {
        AfxMessageBox(kPaletteError);
    }
    return result;
}

int CDxfColorPalette::ApplyPaletteLine(const char* line) {
    std::size_t length = std::strlen(line);
    if (length < 6) {
        return 1; // no colour number: nothing to set
    }
    char numberField[4] = {};
    std::memcpy(numberField, line + 5, std::min<std::size_t>(3, length - 5));
    int number = 0;
    platform::ScanInt(numberField, number); // blanks and leading zeros allowed; unreadable is 0
    if (number < 1 || number > 255) {
        return 1;
    }
    const char* end = line + length;
    const char* equals = length > 8 ? std::strchr(line + 8, '=') : nullptr;
    if (!equals) {
        return 0;
    }
    int rgb[3];
    const char* field = equals + 1;
    for (int channel = 0; channel < 3; ++channel) {
        const char* comma = std::find(field, end, ',');
        if (channel < 2 && comma == end) {
            return 0;
        }
        const char* fieldEnd = channel < 2 ? comma : end;
        if (!ParseChannel(field, fieldEnd, rgb[channel])) {
            return 0;
        }
        field = comma + 1;
    }
    std::copy(rgb, rgb + 3, entries_[number]);
    return 1;
}

int CDxfColorPalette::HueChannel(int sextant, int step) {
    switch (sextant) {
    case 0:
    case 5:
        return 255;
    case 1:
        return std::max(0, 255 - 64 * step);
    case 4:
        return std::min(255, 64 * step);
    default:
        return 0;
    }
}

void CDxfColorPalette::BuildDefaultPalette(double scale) {
    static const int kChannelOffset[3] = {0, 4, 2};
    for (int hue = 0; hue < 24; ++hue) {
        int base = (hue + 1) * 10;
        for (int k = 0; k < 3; ++k) {
            int value = HueChannel((hue / 4 + kChannelOffset[k]) % 6, hue % 4);
            entries_[base][k] = value;
            entries_[base + 1][k] = value < 255 ? value + (255 - value) / 2 : 255;
            int d0 = static_cast<int>(std::lround(entries_[base][k] / scale));
            int d1 = static_cast<int>(std::lround(entries_[base + 1][k] / scale));
            for (int j = 1; j <= 4; ++j) {
                entries_[base + 2 * j][k] = std::max(0, entries_[base][k] - d0 * j);
                entries_[base + 1 + 2 * j][k] = std::max(0, entries_[base + 1][k] - d1 * j);
            }
        }
    }
    for (int grey = 0; grey < 6; ++grey) {
        std::fill(entries_[250 + grey], entries_[250 + grey] + 3, 255 - 51 * grey);
    }
}

int CDxfColorPalette::NearestPaletteIndex(const COLORREF* color) const {
    const int target[3] = {GetRValue(*color), GetGValue(*color), GetBValue(*color)};
    double best = FLT_MAX;
    int bestIndex = 10;
    for (int i = 10; i <= 255; ++i) {
        double distance = 0.0;
        for (int k = 0; k < 3; ++k) {
            double delta = static_cast<double>(entries_[i][k] - target[k]);
            distance += delta * delta;
        }
        if (distance < best) {
            best = distance;
            bestIndex = i;
        }
    }
    return bestIndex;
}

COLORREF CDxfColorPalette::GetEntry(int number) const {
    if (number < 0 || number > 255) {
        return 0;
    }
    return RGB(entries_[number][0], entries_[number][1], entries_[number][2]);
}
