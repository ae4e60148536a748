#pragma once
// The solver input file as records: each line cut or blank-padded to 60 columns, grouped into
// sections by the keyword in columns 1-5. Both passes over the input walk the same list, so they
// always take exactly the same records.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kalipe {

enum class Section { Node, Point, Left, Right, Inner, Block, Disp, Coef };

// How a taken record counts inside its section.
enum class RecordRole {
    Entry,       // a record of its own (every section but DISP)
    SeriesStart, // DISP: first time record of a new displacement series
    TimeRecord,  // DISP: further time record of the current series
};

class InputRecord {
public:
    static constexpr std::size_t kColumns = 60;

    explicit InputRecord(std::string_view line);

    std::string_view Key() const { return Columns(0, 5); }
    std::string_view Identifier() const { return Columns(5, 5); }
    // Numeric field 0..3: columns 11-20, 21-30, 31-40, 41-50.
    std::string_view Field(int index) const { return Columns(10 + 10 * static_cast<std::size_t>(index), 10); }
    // Zero-based first column and width.
    std::string_view Columns(std::size_t first, std::size_t width) const {
        return std::string_view(columns_.data() + first, width);
    }

private:
    std::array<char, kColumns> columns_{};
};

struct SectionRecord {
    Section section;
    RecordRole role;
    InputRecord record;
};

class InputRecords {
public:
    enum class LoadResult { Loaded, Missing, Empty, TooLarge };

    // Reads the file at an operating-system path. Lines may end in CR LF or LF. A file larger
    // than the work area could ever use is TooLarge, found before it is read.
    LoadResult Load(const std::string& osPath);

    // Bytes of the file last loaded (of a TooLarge one, at least this many).
    std::int64_t FileBytes() const { return fileBytes_; }

    // Columns 11-60 of the first TITLE record (50 bytes, blanks when there is none).
    const std::string& Title() const { return title_; }

    // The taken records up to END (or the end of the file), in file order.
    const std::vector<SectionRecord>& Records() const { return records_; }

    // Builds the records from text already in memory (the file reader ends here too).
    void Parse(std::string_view text);

private:
    class Classifier;

    std::string title_;
    std::vector<SectionRecord> records_;
    std::size_t lineCount_ = 0;
    std::int64_t fileBytes_ = 0;
};

} // namespace kalipe
