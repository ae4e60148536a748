#include "list_viewer/core/SearchItemList.h"

#include "common/records/CTextFile.h"

#include <cctype>
#include <cstring>
#include <unistd.h>

namespace wenux {

namespace {

constexpr int kLineBufferSize = 83; // 82 characters and the terminator

bool StartsWithDigit(const char* line) {
    return std::isdigit(static_cast<unsigned char>(line[0])) != 0;
}

// Reads the next line; false at the end of the file or after a reported read error.
bool NextLine(CTextFile& file, char* line) {
    int status = 0;
    try {
        return file.ReadLineStatus(line, kLineBufferSize, status) != 0;
    } catch (const CFileException&) {
        return false;
    }
}

} // namespace

const std::vector<ProductMarker>& ProductMarkers() {
    // The suite's other programs; each installation drops its marker beside the viewer.
    static const std::vector<ProductMarker> markers = {
        {"pendar.ctl", "PENDAR"}, {"merdok.ctl", "MERDOK"}, {"quilmo.ctl", "QUILMO"},
        {"torvan.ctl", "TORVAN"}, {"tavrik.ctl", "TAVRIK"}, {"zapho.ctl", "ZAPHO"},
    };
    return markers;
}

CString ChooseProductKey(const CString& programDir, const std::vector<ProductMarker>& markers) {
    CString key;
    for (const ProductMarker& marker : markers) {
        if (::access(CFile::OsPath(programDir + marker.markerFile).c_str(), F_OK) == 0) {
            key = marker.key;
        }
    }
    return key;
}

void LoadSearchItemList(const CString& programDir, const CString& key, std::vector<CString>& items) {
    if (key.IsEmpty()) {
        return;
    }
    CTextFile file;
    if (!file.Open(programDir + "pomrex.idx", CFile::modeRead)) {
        return;
    }
    file.ReadAsPlainText(); // plain text: a damaged line names no item, and the lines after it follow
    char line[kLineBufferSize];
    const auto keyLength = static_cast<std::size_t>(key.GetLength());
    while (NextLine(file, line)) {
        if (std::strncmp(line, key, keyLength) != 0) {
            continue;
        }
        bool more = false;
        while ((more = NextLine(file, line)) && StartsWithDigit(line)) {
            if (const char* blank = std::strchr(line, ' ')) {
                items.emplace_back(blank + 1);
            }
        }
        if (!items.empty() || !more) {
            break;
        }
    }
    file.Abort();
}

} // namespace wenux
