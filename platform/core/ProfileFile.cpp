#include "platform/core/ProfileFile.h"

#include "platform/core/DiskNames.h"
#include "platform/core/NumberFormat.h"
#include "platform/core/SafeFileWriter.h"
#include "platform/core/SettingsFolder.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace platform {
namespace {

// One line of the file with its own line end, so untouched lines are written back unchanged.
struct Line {
    std::string text;
    std::string end;
};

std::vector<Line> SplitLines(const std::string& bytes) {
    std::vector<Line> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t lf = bytes.find('\n', start);
        std::size_t stop = lf == std::string::npos ? bytes.size() : lf;
        std::size_t textEnd = (stop > start && bytes[stop - 1] == '\r') ? stop - 1 : stop;
        std::size_t next = lf == std::string::npos ? bytes.size() : lf + 1;
        lines.push_back({bytes.substr(start, textEnd - start), bytes.substr(textEnd, next - textEnd)});
        start = next;
    }
    return lines;
}

// Up to limit bytes of the descriptor's file.
std::string ReadBytes(int fd, std::size_t limit) {
    std::string bytes;
    char chunk[65536];
    while (bytes.size() < limit) {
        const ssize_t n = ::read(fd, chunk, std::min(sizeof chunk, limit - bytes.size()));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            break;
        }
        bytes.append(chunk, static_cast<std::size_t>(n));
    }
    return bytes;
}

std::string Trim(const std::string& text) {
    std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return {};
    }
    std::size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

bool IsSectionLine(const std::string& text, std::string* name) {
    std::string trimmed = Trim(text);
    if (trimmed.size() < 2 || trimmed.front() != '[' || trimmed.back() != ']') {
        return false;
    }
    if (name) {
        *name = trimmed.substr(1, trimmed.size() - 2);
    }
    return true;
}

// Key of a "key=value" line, or false for other lines.
bool SplitKey(const std::string& text, std::string* key, std::string* value) {
    std::size_t eq = text.find('=');
    if (eq == std::string::npos || text.starts_with(";")) {
        return false;
    }
    *key = Trim(text.substr(0, eq));
    *value = text.substr(eq + 1);
    return true;
}

struct Found {
    int sectionLine = -1;   // index of "[section]"
    int lastInSection = -1; // last non-blank line of the section
    int keyLine = -1;
};

Found Locate(const std::vector<Line>& lines, const std::string& section, const std::string& key) {
    Found found;
    bool inside = false;
    for (int i = 0; i < static_cast<int>(lines.size()); ++i) {
        std::string name, k, v;
        const std::string& text = lines[static_cast<std::size_t>(i)].text;
        if (IsSectionLine(text, &name)) {
            if (inside) {
                break;
            }
            inside = name == section;
            if (inside) {
                found.sectionLine = found.lastInSection = i;
            }
            continue;
        }
        if (!inside) {
            continue;
        }
        if (!Trim(text).empty()) {
            found.lastInSection = i;
        }
        if (SplitKey(text, &k, &v) && k == key) {
            found.keyLine = i;
            break;
        }
    }
    return found;
}

// Replaces the settings file through the safe writer (path in CP932).
bool WriteWhole(const CString& path, const std::vector<Line>& lines) {
    std::string bytes;
    for (const Line& line : lines) {
        bytes += line.text + line.end;
    }
    return WriteFileSafely(path, bytes);
}

} // namespace

struct ProfileFile::Snapshot {
    bool present = false;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};
    timespec changed{};
    bool oversized = false;
    std::vector<Line> lines;

    bool Describes(const struct stat& info) const {
        return present && device == info.st_dev && inode == info.st_ino && size == info.st_size &&
               modified.tv_sec == info.st_mtim.tv_sec && modified.tv_nsec == info.st_mtim.tv_nsec &&
               changed.tv_sec == info.st_ctim.tv_sec && changed.tv_nsec == info.st_ctim.tv_nsec;
    }
};

// A missing file, or one that is not a regular file (a FIFO at the name never holds the
// program up), reads as empty; the latter, and a file too large, are told once.
const ProfileFile::Snapshot& ProfileFile::Current() const {
    const int fd = platform::OpenRegularFile(path_, O_RDONLY);
    struct stat info {};
    if (fd < 0 || ::fstat(fd, &info) != 0) {
        if (fd >= 0) {
            ::close(fd);
        } else if (errno == EISDIR || errno == ENXIO) {
            ReportUnreadableSettingsFile(path_, false);
        }
        if (!snapshot_ || snapshot_->present) {
            snapshot_ = std::make_shared<const Snapshot>();
        }
        return *snapshot_;
    }
    if (!snapshot_ || !snapshot_->Describes(info)) {
        auto fresh = std::make_shared<Snapshot>();
        fresh->present = true;
        fresh->device = info.st_dev;
        fresh->inode = info.st_ino;
        fresh->size = info.st_size;
        fresh->modified = info.st_mtim;
        fresh->changed = info.st_ctim;
        fresh->oversized = info.st_size > static_cast<off_t>(kLargestFile);
        fresh->lines = SplitLines(ReadBytes(fd, kLargestFile));
        if (fresh->oversized) {
            ReportUnreadableSettingsFile(path_, true);
        }
        snapshot_ = std::move(fresh);
    }
    ::close(fd);
    return *snapshot_;
}

CString ProfileFile::GetString(const CString& section, const CString& key,
                               const CString& defaultValue) const {
    const std::vector<Line>& lines = Current().lines;
    Found found = Locate(lines, section.str(), key.str());
    if (found.keyLine < 0) {
        return defaultValue;
    }
    std::string k, value;
    SplitKey(lines[static_cast<std::size_t>(found.keyLine)].text, &k, &value);
    return CString(value);
}

int ProfileFile::GetInt(const CString& section, const CString& key, int defaultValue) const {
    CString text = GetString(section, key, "");
    int value = 0;
    return ScanInt(text.GetString(), value) ? value : defaultValue;
}

namespace {

// Puts key=value into its section: in place of the key's line, after the section's last
// line, or in a new section at the end.
void SetEntry(std::vector<Line>& lines, const std::string& section, const std::string& key,
              const std::string& value) {
    Found found = Locate(lines, section, key);
    Line entry{key + "=" + value, "\r\n"};
    if (found.keyLine >= 0) {
        lines[static_cast<std::size_t>(found.keyLine)].text = entry.text;
    } else if (found.sectionLine >= 0) {
        Line& last = lines[static_cast<std::size_t>(found.lastInSection)];
        if (last.end.empty()) {
            last.end = "\r\n";
        }
        lines.insert(lines.begin() + found.lastInSection + 1, entry);
    } else {
        if (!lines.empty() && lines.back().end.empty()) {
            lines.back().end = "\r\n";
        }
        lines.push_back({"[" + section + "]", "\r\n"});
        lines.push_back(entry);
    }
}

} // namespace

bool ProfileFile::WriteString(const CString& section, const CString& key, const CString& value) const {
    return WriteStrings({{section, key, value}});
}

bool ProfileFile::WriteStrings(const std::vector<Entry>& entries) const {
    const Snapshot& current = Current();
    if (current.oversized) {
        return false; // what lies past the part read would be lost
    }
    std::vector<Line> lines = current.lines;
    for (const Entry& entry : entries) {
        SetEntry(lines, entry.section.str(), entry.key.str(), entry.value.str());
    }
    if (!WriteWhole(path_, lines)) {
        ReportSettingsWriteFailure(path_);
        return false;
    }
    return true;
}

bool ProfileFile::WriteInt(const CString& section, const CString& key, int value) const {
    CString text;
    text.Format("%d", value);
    return WriteString(section, key, text);
}

} // namespace platform
