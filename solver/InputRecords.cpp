#include "solver/InputRecords.h"

#include "solver/FieldParser.h"
#include "solver/WorkAreaBudget.h"

#include "platform/core/CodePage.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <optional>

namespace kalipe {

namespace {

constexpr std::size_t kTitleFirst = 10;
constexpr std::size_t kTitleWidth = 50;

struct Keyword {
    std::string_view key;
    std::optional<Section> section; // nothing for END
};

constexpr Keyword kKeywords[] = {
    {"NODE ", Section::Node},  {"POINT", Section::Point}, {"LEFT ", Section::Left},
    {"RIGHT", Section::Right}, {"INNER", Section::Inner}, {"BLOCK", Section::Block},
    {"DISP ", Section::Disp},  {"COEF ", Section::Coef},  {"END  ", std::nullopt},
};

bool TakesContinuations(Section section) {
    return section == Section::Node || section == Section::Point || section == Section::Block ||
           section == Section::Disp;
}

} // namespace

InputRecord::InputRecord(std::string_view line) {
    columns_.fill(' ');
    std::copy_n(line.begin(), std::min(line.size(), kColumns), columns_.begin());
}

// Walks the records in file order and decides which section takes each one.
class InputRecords::Classifier {
public:
    // Nothing when the record is not taken.
    std::optional<SectionRecord> Classify(const InputRecord& record) {
        const bool isKeywordRecord = !IsBlank(record.Key());
        if (isKeywordRecord) {
            if (!StartSection(record.Key())) {
                return std::nullopt;
            }
        } else if (!section_ || !TakesContinuations(*section_)) {
            return std::nullopt;
        }
        return Take(record, isKeywordRecord);
    }

    bool Ended() const { return ended_; }

private:
    // False when the key opens no section of interest (unknown keys, END).
    bool StartSection(std::string_view key) {
        section_.reset();
        seriesOpen_ = false;
        for (const Keyword& keyword : kKeywords) {
            if (keyword.key != key) {
                continue;
            }
            if (!keyword.section) {
                ended_ = true;
            }
            section_ = keyword.section;
            return section_.has_value();
        }
        return false;
    }

    std::optional<SectionRecord> Take(const InputRecord& record, bool isKeywordRecord) {
        const Section section = *section_;
        const std::string_view idAndData = record.Columns(5, 45);
        switch (section) {
        case Section::Node:
        case Section::Point:
            if (IsBlank(idAndData)) {
                return std::nullopt;
            }
            break;
        case Section::Block:
            if (IsBlank(record.Columns(5, 25))) {
                return std::nullopt;
            }
            break;
        case Section::Coef:
            if (IsBlank(record.Columns(10, 40))) {
                return std::nullopt;
            }
            break;
        case Section::Disp:
            return TakeDisplacement(record, isKeywordRecord);
        case Section::Left:
        case Section::Right:
        case Section::Inner:
            break;
        }
        return SectionRecord{section, RecordRole::Entry, record};
    }

    // A DISP record with an identifier (or the keyword record) starts a series; one without
    // continues the current series; a blank one is skipped.
    std::optional<SectionRecord> TakeDisplacement(const InputRecord& record, bool isKeywordRecord) {
        if (IsBlank(record.Columns(5, 45))) {
            return std::nullopt;
        }
        const bool starts = isKeywordRecord || !seriesOpen_ || !IsBlank(record.Identifier());
        seriesOpen_ = true;
        return SectionRecord{Section::Disp, starts ? RecordRole::SeriesStart : RecordRole::TimeRecord,
                             record};
    }

    std::optional<Section> section_;
    bool seriesOpen_ = false;
    bool ended_ = false;
};

InputRecords::LoadResult InputRecords::Load(const std::string& osPath) {
    // Non-blocking, so that a pipe or device under the input's name is refused, not waited on.
    const int fd = ::open(osPath.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return LoadResult::Missing;
    }
    struct stat info {};
    std::string text;
    bool readable = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    fileBytes_ = readable ? static_cast<std::int64_t>(info.st_size) : 0;
    bool tooLarge = readable && fileBytes_ > WorkAreaBudget::kMaxInputBytes;
    if (readable && !tooLarge) {
        text.reserve(static_cast<std::size_t>(info.st_size));
        char buffer[1 << 16];
        for (;;) {
            const ssize_t got = ::read(fd, buffer, sizeof buffer);
            if (got == 0) {
                break;
            }
            if (got < 0 && errno == EINTR) {
                continue;
            }
            if (got < 0) {
                readable = false;
                break;
            }
            text.append(buffer, static_cast<std::size_t>(got));
            // A file that grows while it is read is held to the same limit.
            if (static_cast<std::int64_t>(text.size()) > WorkAreaBudget::kMaxInputBytes) {
                fileBytes_ = static_cast<std::int64_t>(text.size());
                tooLarge = true;
                break;
            }
        }
    }
    ::close(fd);
    if (!readable) {
        return LoadResult::Missing;
    }
    if (tooLarge) {
        return LoadResult::TooLarge;
    }
    Parse(text);
    return lineCount_ == 0 ? LoadResult::Empty : LoadResult::Loaded;
}

void InputRecords::Parse(std::string_view text) {
    title_.assign(kTitleWidth, ' ');
    records_.clear();
    // Room for a record per line, within reason: most lines of a solver input are taken.
    constexpr std::size_t kReserveLimit = 1 << 20;
    records_.reserve(
        std::min(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1, kReserveLimit));
    lineCount_ = 0;
    Classifier classifier;
    bool titleFound = false;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        ++lineCount_;
        const InputRecord record(line);
        if (!titleFound && record.Key() == "TITLE") {
            titleFound = true;
            // Never end the title on half of a double-byte character: the cut is judged on the
            // whole line, where a character may run past the title's last column.
            const std::string_view title =
                line.size() > kTitleFirst ? line.substr(kTitleFirst) : std::string_view();
            title_ = std::string(title.substr(0, platform::Cp932SafeCut(title, kTitleWidth)));
            title_.resize(kTitleWidth, ' ');
        }
        if (classifier.Ended()) {
            if (titleFound) {
                break;
            }
            continue;
        }
        if (auto taken = classifier.Classify(record)) {
            records_.push_back(*taken);
        }
    }
}

} // namespace kalipe
