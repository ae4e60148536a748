#include "MeasurementFile.h"

#include "common/records/CTextFile.h"
#include "common/records/DataFileSyntax.h"
#include "common/records/RecordFields.h"
#include "platform/core/CException.h"
#include "platform/core/MessageSink.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <new>
#include <string_view>

namespace {

constexpr int kLineSize = 82;
constexpr int kNameColumn = 15; // 0-based offset of column 16

// Reads lines one at a time, keeping the last line for the next step, and notes the first
// line that is not taken whole.
class LineCursor {
public:
    LineCursor(CTextFile& file, int& unreadLine) : file_(file), unreadLine_(unreadLine) {}
    // False at the end of the file (after the premature-end message), and quietly after a
    // line that ended the reading.
    bool Next() { return !StoppedAtUnreadLine() && Took(file_.ReadLine(line_, kLineSize) == 1); }
    // False at the end of the file, quietly.
    bool NextOrEnd() {
        int status = 0;
        return !StoppedAtUnreadLine() && Took(file_.ReadLineStatus(line_, kLineSize, status) == 1);
    }
    // True when the last line read held a NUL byte or ran over the longest line: the file's
    // reading ended there, at a line not taken whole.
    bool StoppedAtUnreadLine() const { return file_.EndedAtNonTextLine(); }
    const char* Line() const { return line_; }
    // The current line up to its first NUL, without counting its bytes again.
    std::string_view View() const {
        return file_.LastLineHeldNul() ? std::string_view(line_)
                                       : std::string_view(line_, file_.LastLineLength());
    }
    // Notes the current line as not taken whole unless it is.
    void Expect(bool whole) {
        if (!whole && unreadLine_ == 0) {
            unreadLine_ = file_.GetLineCount();
        }
    }

private:
    bool Took(bool read) {
        if (read) {
            Expect(!file_.LastLineHeldNul() && !StoppedAtUnreadLine());
        }
        return read;
    }

    CTextFile& file_;
    int& unreadLine_;
    char line_[kLineSize] = {};
};

bool IsBlank(std::string_view text) {
    return text.find_first_not_of(" \t") == std::string_view::npos;
}

// Columns [first, first + width) of the line, fewer where it ends first.
std::string_view Columns(std::string_view line, std::size_t first,
                         std::size_t width = std::string_view::npos) {
    return first >= line.size() ? std::string_view() : line.substr(first, width);
}

// True when the field reads whole: blanks, one number between blanks, or the row of '*'
// that a value too wide for its field is written as (it reads as unset).
bool IsWholeField(std::string_view field, bool integer) {
    const std::size_t first = field.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return true;
    }
    std::string_view number = field.substr(first, field.find_last_not_of(" \t") + 1 - first);
    if (number.find_first_not_of('*') == std::string_view::npos) {
        return true;
    }
    if (number.front() == '+') {
        number.remove_prefix(1);
        if (number.empty() || number.front() == '-') {
            return false;
        }
    }
    const char* end = number.data() + number.size();
    std::from_chars_result result;
    if (integer) {
        int value = 0;
        result = std::from_chars(number.data(), end, value);
    } else {
        double value = 0;
        result = std::from_chars(number.data(), end, value);
    }
    return result.ec == std::errc() && result.ptr == end;
}

// A value line: its fields whole and nothing after them.
bool IsWholeValueLine(std::string_view line, std::size_t fields) {
    constexpr std::size_t kWidth = kDoubleFieldWidth;
    for (std::size_t i = 0; i < fields; ++i) {
        if (!IsWholeField(Columns(line, i * kWidth, kWidth), false)) {
            return false;
        }
    }
    return IsBlank(Columns(line, fields * kWidth));
}

// A date line holds what ParseDateRecord takes of it and nothing more: up to five integers
// joined by commas (blanks before each), then blanks.
bool IsWholeDateLine(const char* line) {
    const char* pos = line;
    for (int part = 0; part < 5; ++part) {
        while (*pos == ' ' || *pos == '\t') {
            ++pos;
        }
        const char* digits = *pos == '+' ? pos + 1 : pos;
        if (digits != pos && !(*digits >= '0' && *digits <= '9')) {
            return false;
        }
        int value = 0;
        const std::from_chars_result result = std::from_chars(digits, digits + std::strlen(digits), value);
        if (result.ec == std::errc::invalid_argument) {
            break;
        }
        if (result.ec != std::errc()) {
            return false;
        }
        pos = result.ptr;
        if (part == 4 || *pos != ',') {
            break;
        }
        ++pos;
    }
    return IsBlank(pos);
}

// A keyword line: the keyword, then blanks up to its first field (or the line's end).
bool IsKeywordLine(const char* line, const char* keyword, std::size_t fieldColumn = std::string_view::npos) {
    const std::size_t length = std::strlen(keyword);
    return StartsWith(line, keyword) && IsBlank(Columns(line, length, fieldColumn - length));
}

MeasurementBlock ParseBlockHeader(const char* line) {
    MeasurementBlock block;
    CString padded(line);
    padded += CString(' ', 15);
    const char* pos = padded.GetString() + 5;
    pos = ReadIntField(pos, block.number);
    ReadIntField(pos, block.columnFlag);
    CString text(line);
    if (text.GetLength() > kNameColumn) {
        text.TrimRight();
        block.name = text.Mid(kNameColumn);
    }
    return block;
}

MeasurementRow ParseRow(const char* line, bool fourValues) {
    MeasurementRow row;
    row.fill(platform::kUnsetDouble);
    const char* pos = line;
    for (int i = 0; i < (fourValues ? 4 : 2); ++i) {
        pos = ReadDoubleField(pos, row[static_cast<std::size_t>(i)]);
    }
    return row;
}

// The number of a plain decimal ("-" digits "." digits) as from_chars gives it. Up to 15
// digits with at most 22 decimals are the integer of all digits over a power of ten, both
// exact in a double, so that the one division is the correctly rounded value (and "-0.00"
// stays -0.0); longer forms go to from_chars.
bool ConvertPlainDecimal(std::string_view number, double& value) {
    static constexpr double kPowers[23] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                           1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                           1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    const bool negative = !number.empty() && number.front() == '-';
    std::uint64_t digits = 0;
    int count = 0;
    int decimals = -1;
    for (std::size_t i = negative ? 1 : 0; i < number.size(); ++i) {
        if (number[i] == '.') {
            decimals = 0;
            continue;
        }
        digits = digits * 10 + static_cast<std::uint64_t>(number[i] - '0');
        ++count;
        decimals += decimals >= 0 ? 1 : 0;
    }
    if (count <= 15 && decimals <= 22) {
        const double magnitude = static_cast<double>(digits) / kPowers[decimals < 0 ? 0 : decimals];
        value = negative ? -magnitude : magnitude;
        return true;
    }
    const std::from_chars_result result =
        std::from_chars(number.data(), number.data() + number.size(), value, std::chars_format::fixed);
    return result.ec == std::errc() && result.ptr == number.data() + number.size();
}

// A value field in the form the files are written in: blanks, an optional '-', digits, a
// decimal point with digits, blanks. Such a field is whole and reads as the number from_chars
// makes of it, as IsWholeField and ReadDoubleField find it too (in ten columns it cannot
// overflow); each value is then converted once. Any other field is left to those two.
bool ReadPlainValueField(std::string_view field, double& value) {
    std::size_t pos = 0;
    while (pos < field.size() && field[pos] == ' ') {
        ++pos;
    }
    const std::size_t first = pos;
    if (pos < field.size() && field[pos] == '-') {
        ++pos;
    }
    const auto digits = [&field, &pos] {
        const std::size_t start = pos;
        while (pos < field.size() && field[pos] >= '0' && field[pos] <= '9') {
            ++pos;
        }
        return pos > start;
    };
    if (!digits()) {
        return false;
    }
    if (pos < field.size() && field[pos] == '.') {
        ++pos;
        if (!digits()) {
            return false;
        }
    }
    const std::size_t last = pos;
    while (pos < field.size() && field[pos] == ' ') {
        ++pos;
    }
    if (pos != field.size()) {
        return false;
    }
    return ConvertPlainDecimal(field.substr(first, last - first), value);
}

// A value line whose fields are all in the plain form, read in one pass; false for any other
// line, which the general checks and reading take.
bool ReadPlainRow(std::string_view line, std::size_t fields, MeasurementRow& row) {
    row.fill(platform::kUnsetDouble);
    for (std::size_t i = 0; i < fields; ++i) {
        if (!ReadPlainValueField(Columns(line, i * kDoubleFieldWidth, kDoubleFieldWidth), row[i])) {
            return false;
        }
    }
    return true;
}

// Reads the value lines of the block whose header is the current line. False when the
// file ended inside the block.
bool ReadBlock(LineCursor& cursor, MeasurementBlock& block) {
    const std::size_t fields = block.HasFourValues() ? 4 : 2;
    MeasurementRow row;
    while (cursor.Next()) {
        if (StartsSection(cursor.Line())) {
            return true;
        }
        const std::string_view line = cursor.View();
        if (ReadPlainRow(line, fields, row)) {
            cursor.Expect(IsBlank(Columns(line, fields * kDoubleFieldWidth)));
        } else {
            cursor.Expect(IsWholeValueLine(line, fields));
            row = ParseRow(cursor.Line(), block.HasFourValues());
        }
        block.rows.push_back(row);
    }
    return false;
}

bool IsBlockHeader(const char* line) {
    return IsKeywordLine(line, "DISP", 5) && IsWholeField(Columns(line, 5, kIntFieldWidth), true) &&
           IsWholeField(Columns(line, 10, kIntFieldWidth), true);
}

// What follows "END" is never read: only blank lines may follow it (a DOS end-of-file
// mark too), so that nothing is lost when the data are written back. The rest is looked
// through to its end even after a line not taken whole, so that damage there is never missed.
void CheckAfterEnd(LineCursor& cursor) {
    cursor.Expect(IsKeywordLine(cursor.Line(), "END"));
    while (cursor.NextOrEnd()) {
        cursor.Expect(IsBlank(cursor.Line()) || std::strcmp(cursor.Line(), "\x1a") == 0);
    }
}

MeasurementReadResult ReadDatesAndBlocks(LineCursor& cursor, MeasurementFileData& data) {
    for (;;) {
        if (!cursor.Next()) {
            return MeasurementReadResult::EndedEarly;
        }
        if (StartsSection(cursor.Line())) {
            break;
        }
        cursor.Expect(IsWholeDateLine(cursor.Line()));
        data.dates.push_back(ParseDateRecord(cursor.Line()));
    }
    while (!StartsWith(cursor.Line(), "END")) {
        if (StartsWith(cursor.Line(), "DISP")) {
            cursor.Expect(IsBlockHeader(cursor.Line()));
            MeasurementBlock block = ParseBlockHeader(cursor.Line());
            block.rows.reserve(data.dates.size()); // a block holds a line per date
            if (!ReadBlock(cursor, block)) {
                return MeasurementReadResult::EndedEarly;
            }
            data.blocks.push_back(std::move(block));
            continue;
        }
        cursor.Expect(IsBlank(cursor.Line())); // skipped
        if (!cursor.Next()) {
            return MeasurementReadResult::EndedEarly;
        }
    }
    CheckAfterEnd(cursor);
    return MeasurementReadResult::Read;
}

MeasurementReadResult ReadBody(LineCursor& cursor, MeasurementFileData& data) {
    if (!cursor.Next()) {
        return MeasurementReadResult::EndedEarly;
    }
    if (CheckFormatTag(cursor.Line(), kMeasurementTag) == FormatTagCheck::Mismatch) {
        AfxMessageBox(u8"計測変位ﾃﾞｰﾀﾌｧｲﾙの形式が変わりましたので新規作成して下さい");
        AfxMessageBox(u8"計測変位ﾃﾞｰﾀﾌｧｲﾙの形式エラーのため、読み込みできません");
        return MeasurementReadResult::WrongTag;
    }
    cursor.Expect(IsKeywordLine(cursor.Line(), "TITLE", kTitleTextColumn));
    data.title = ParseTitleText(cursor.Line());
    if (!cursor.Next()) {
        return MeasurementReadResult::EndedEarly;
    }
    if (StartsWith(cursor.Line(), "ANGLE")) {
        data.hasAngleLine = true;
        cursor.Expect(IsKeywordLine(cursor.Line(), "ANGLE", kDoubleFieldWidth) &&
                      IsWholeValueLine(Columns(cursor.Line(), kDoubleFieldWidth), 1));
        CString padded(cursor.Line());
        padded += CString(' ', 20);
        ReadDoubleField(padded.GetString() + 10, data.angle);
        if (!cursor.Next()) {
            return MeasurementReadResult::EndedEarly;
        }
    }
    if (!StartsWith(cursor.Line(), "DATE")) {
        return MeasurementReadResult::NoDateLine;
    }
    cursor.Expect(IsKeywordLine(cursor.Line(), "DATE"));
    return ReadDatesAndBlocks(cursor, data);
}

CString FormatDate(const ReadingDate& date) {
    auto part = [](int value) { return value == platform::kUnsetInt ? -1 : value; };
    CString text;
    text.Format("%d,%d,%d,%d,%d", part(date[0]), part(date[1]), part(date[2]), part(date[3]), part(date[4]));
    return text;
}

void WriteBlock(CTextFile& file, const MeasurementBlock& block, std::size_t dateCount) {
    char header[16] = "DISP ";
    WriteIntField(WriteIntField(header + 5, block.number), block.columnFlag);
    file.WriteLine(CString(header) + block.name);
    std::size_t count = std::min(block.rows.size(), dateCount);
    for (std::size_t i = 0; i < count; ++i) {
        char line[4 * kDoubleFieldWidth + 1] = "";
        char* pos = line;
        for (int column = 0; column < (block.HasFourValues() ? 4 : 2); ++column) {
            pos = WriteDoubleField(pos, block.rows[i][static_cast<std::size_t>(column)], "%10.2lf");
        }
        file.WriteLine(line);
    }
}

} // namespace

MeasurementReadResult ReadMeasurementFile(const char* path, MeasurementFileData& data) {
    data = MeasurementFileData();
    CTextFile file;
    if (!file.Open(path, CFile::modeRead)) {
        return MeasurementReadResult::OpenFailed;
    }
    LineCursor cursor(file, data.unreadLine);
    try {
        MeasurementReadResult result = ReadBody(cursor, data);
        file.Abort();
        // Damage after "END" stops the reading as damage before it does: the file is not what
        // its writer wrote, and no reader may take it for the file before the damage.
        const bool stoppable =
            result == MeasurementReadResult::EndedEarly || result == MeasurementReadResult::Read;
        return stoppable && cursor.StoppedAtUnreadLine() ? MeasurementReadResult::StoppedAtUnreadLine
                                                         : result;
    } catch (const CFileException&) {
        file.Abort();
        return MeasurementReadResult::ReadError;
    } catch (const std::bad_alloc&) {
        file.Abort();
        return MeasurementReadResult::OutOfMemory;
    } catch (const CMemoryException&) {
        file.Abort();
        return MeasurementReadResult::OutOfMemory;
    }
}

bool WriteMeasurementFile(const char* path, const MeasurementFileData& data) {
    platform::SafeFileWriter writer(path);
    CTextFile file;
    if (!file.Open(writer, CFile::modeCreate | CFile::modeWrite)) {
        return false;
    }
    try {
        file.WriteLine(FormatTitleRecord(data.title, kMeasurementTag));
        char angle[kDoubleFieldWidth + 11] = "ANGLE     ";
        WriteDoubleField(angle + 10, data.angle, "%10.3lf");
        file.WriteLine(angle);
        file.WriteLine("DATE");
        for (const ReadingDate& date : data.dates) {
            file.WriteLine(FormatDate(date));
        }
        for (const MeasurementBlock& block : data.blocks) {
            WriteBlock(file, block, data.dates.size());
        }
        file.WriteLine("END");
        file.Close();
    } catch (const CFileException&) {
        file.Abort();
        return false;
    }
    return CommitWithMessage(writer);
}
