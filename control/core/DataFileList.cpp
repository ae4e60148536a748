#include "control/core/DataFileList.h"

#include "common/records/CTextFile.h"
#include "control/core/DataFileKind.h"
#include "platform/core/CFileException.h"
#include "platform/core/DiskNames.h"

#include <algorithm>
#include <cstring>
#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>

namespace basnev {

namespace {

constexpr int kTagColumn = 60;
constexpr int kTitleFirst = 10;
constexpr int kTitleEnd = 60;
constexpr int kFirstLineSize = 82;

bool HasKindExtension(const char* name, int kind) {
    const char* wanted = KindInfo(kind).pattern + 1; // "*.sec" -> ".sec"
    const std::size_t nameLength = std::strlen(name);
    const std::size_t extensionLength = std::strlen(wanted);
    return nameLength > extensionLength && strcasecmp(name + nameLength - extensionLength, wanted) == 0;
}

std::vector<CString> DirectoryEntries(const CString& directory, int kind) {
    std::vector<CString> names;
    DIR* dir = opendir(platform::DiskName(directory.str()).c_str());
    if (!dir) {
        return names;
    }
    while (const dirent* entry = readdir(dir)) {
        // A name that CP932 cannot hold could not be opened again through its CP932 form.
        const auto name = platform::SuiteName(entry->d_name);
        if (name && HasKindExtension(name->c_str(), kind)) {
            names.emplace_back(*name);
        }
    }
    closedir(dir);
    std::sort(names.begin(), names.end(),
              [](const CString& a, const CString& b) { return std::strcmp(a, b) < 0; });
    return names;
}

// The modification time as the list shows it, or false when the path is no regular file.
bool RegularFileModified(const CString& path, CString& modified) {
    struct stat status {};
    if (stat(platform::DiskName(path.str()).c_str(), &status) != 0 || !S_ISREG(status.st_mode)) {
        return false;
    }
    std::tm local{};
    localtime_r(&status.st_mtime, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y/%m/%d %H:%M", &local);
    modified = text;
    return true;
}

// The first line, or false when there is none; the file layer reports an open failure. A
// first line at which the file stops (a NUL, a line of 64 KiB) is damage, no title: the rest
// of a file of gigabytes is never read.
bool ReadFirstLine(const CString& path, CString& line) {
    CTextFile file;
    if (!file.Open(path, CFile::modeRead | CFile::typeText)) {
        return false;
    }
    char buffer[kFirstLineSize];
    int status = 0;
    bool read = false;
    try {
        read =
            file.ReadLineStatus(buffer, sizeof buffer, status) && status == 0 && !file.EndedAtNonTextLine();
        file.Close();
    } catch (const CFileException&) {
        read = false;
    }
    if (read) {
        line = buffer;
    }
    return read;
}

} // namespace

bool TitleOfDataFile(const CString& firstLine, int kind, CString& title) {
    if (std::strncmp(firstLine, "TITLE", 5) != 0 || firstLine.GetLength() <= kTagColumn) {
        return false;
    }
    const char* tagText = static_cast<const char*>(firstLine) + kTagColumn;
    const auto& tags = KindInfo(kind).formatTags;
    const bool tagged = std::any_of(tags.begin(), tags.end(), [tagText](const char* tag) {
        return strncasecmp(tagText, tag, std::strlen(tag)) == 0;
    });
    if (!tagged) {
        return false;
    }
    CString cut = firstLine.Left(kTitleEnd);
    int end = cut.GetLength();
    while (end > kTitleFirst && cut[end - 1] == ' ') {
        --end;
    }
    title = end > kTitleFirst ? cut.Mid(kTitleFirst, end - kTitleFirst) : CString();
    return true;
}

std::vector<DataFileRow> ListDataFiles(const CString& directory, int kind) {
    std::vector<DataFileRow> rows;
    for (const CString& name : DirectoryEntries(directory, kind)) {
        const CString path = directory + name;
        CString modified;
        CString line;
        CString title;
        if (!RegularFileModified(path, modified) || !ReadFirstLine(path, line) ||
            !TitleOfDataFile(line, kind, title)) {
            continue;
        }
        rows.push_back({name, title, modified});
    }
    return rows;
}

void SortDataFileRows(std::vector<DataFileRow>& rows, int column, int direction) {
    auto text = [column](const DataFileRow& row) -> const char* {
        return column == kNameColumn ? row.name : column == kTitleColumn ? row.title : row.modified;
    };
    std::stable_sort(rows.begin(), rows.end(), [&](const DataFileRow& a, const DataFileRow& b) {
        const int order = std::strcmp(text(a), text(b));
        return direction == kAscending ? order < 0 : order > 0;
    });
}

} // namespace basnev
