#include "MeasurementFile.h"

#include "common/records/DataFileSyntax.h"
#include "common/records/RecordFields.h"
#include "common/records/TextFile.h"
#include "platform/core/CException.h"
#include "platform/core/MessageSink.h"

#include <algorithm>
#include <new>

namespace {

constexpr int kLineSize = 82;
constexpr int kNameColumn = 15; // 0-based offset of column 16

// Reads lines one at a time, keeping the last line for the next step.
class LineCursor {
public:
    explicit LineCursor(CTextFile& file) : file_(file) {}
    // False at the end of the file (after the premature-end message).
    bool Next() { return file_.ReadLine(line_, kLineSize) == 1; }
    const char* Line() const { return line_; }

private:
    CTextFile& file_;
    char line_[kLineSize] = {};
};

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

// Reads the value lines of the block whose header is the current line. False when the
// file ended inside the block.
bool ReadBlock(LineCursor& cursor, MeasurementBlock& block) {
    while (cursor.Next()) {
        if (StartsSection(cursor.Line())) {
            return true;
        }
        block.rows.push_back(ParseRow(cursor.Line(), block.HasFourValues()));
    }
    return false;
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
    data.title = ParseTitleText(cursor.Line());
    if (!cursor.Next()) {
        return MeasurementReadResult::EndedEarly;
    }
    if (StartsWith(cursor.Line(), "ANGLE")) {
        data.hasAngleLine = true;
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
    for (;;) {
        if (!cursor.Next()) {
            return MeasurementReadResult::EndedEarly;
        }
        if (StartsSection(cursor.Line())) {
            break;
        }
        data.dates.push_back(ParseDateRecord(cursor.Line()));
    }
    while (!StartsWith(cursor.Line(), "END")) {
        if (StartsWith(cursor.Line(), "DISP")) {
            MeasurementBlock block = ParseBlockHeader(cursor.Line());
            if (!ReadBlock(cursor, block)) {
                return MeasurementReadResult::EndedEarly;
            }
            data.blocks.push_back(std::move(block));
        } else if (!cursor.Next()) {
            return MeasurementReadResult::EndedEarly;
        }
    }
    return MeasurementReadResult::Read;
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
    LineCursor cursor(file);
    try {
        MeasurementReadResult result = ReadBody(cursor, data);
        file.Abort();
        return result;
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
