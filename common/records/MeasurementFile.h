#pragma once
// The measurement displacement file (".dis", tag "GOLMIR001") as the suite's programs
// share it: one reader and one writer of the format. The reader keeps what the file
// says (values in millimetres as written, blanks as unset); each program turns that
// into its own records with its own checks and messages.
//
//   TITLE     <title>                                        GOLMIR001
//   ANGLE     <angle or blanks>        (optional on reading: three-dimensional data)
//   DATE
//   2026,4,10,10,0                     (year, month, day, hour, minute; -1 unset)
//   DISP <number 6-10><flag 11-15><name from 16>
//   <ds 1-10><dz 11-20>[<dx 21-30><dy 31-40>]   one line per date
//   END

#include "platform/core/CString.h"
#include "platform/core/Unset.h"

#include <array>
#include <vector>

using ReadingDate = std::array<int, 5>;
using MeasurementRow = std::array<double, 4>;

struct MeasurementBlock {
    int number = platform::kUnsetInt;     // header columns 6-10 (blank in files of the table editor)
    int columnFlag = platform::kUnsetInt; // header columns 11-15: 0 two values a line, else four
    CString name;
    // Values as written, in file column order; columns a line does not hold are unset.
    std::vector<MeasurementRow> rows;

    bool HasFourValues() const { return columnFlag != 0; }
};

struct MeasurementFileData {
    CString title;
    bool hasAngleLine = false;
    double angle = platform::kUnsetDouble; // degrees; unset for two-dimensional data
    std::vector<ReadingDate> dates;
    std::vector<MeasurementBlock> blocks;
    // 1-based number of the first line the reader could not take whole: a field that is
    // neither blank nor a number, text past the last field, a NUL byte, a line that is no
    // record of its place (skipped) or text after "END". 0 when every line was taken whole.
    // What such a line said would be lost by writing the data back.
    int unreadLine = 0;
};

enum class MeasurementReadResult {
    Read,       // read up to "END"
    OpenFailed, // the open message was shown
    WrongTag,   // both format messages were shown
    NoDateLine, // the "DATE" line is missing: the caller shows its format error
    EndedEarly, // the file ended before "END" (premature-end message shown); a block cut short is dropped
    // A line that no record holds (a NUL byte, or over 64 KiB) ended the reading, before "END"
    // or after it, unread (data.unreadLine names it or a line before it not taken whole);
    // nothing shown, data holds what came before it.
    StoppedAtUnreadLine,
    ReadError,   // a read error was shown
    OutOfMemory, // the caller shows its memory message
};

// Reads the whole file into data (emptied first). Messages of the text file class and
// the tag check are shown here; the caller shows its own for NoDateLine and OutOfMemory.
MeasurementReadResult ReadMeasurementFile(const char* path, MeasurementFileData& data);

// Writes the file: the angle line always (blanks when the angle is unset), dates with -1
// for unset parts, each block with "DISP ", its number (blanks when unset), the flag and
// the name, and one
// "%10.2lf" value line per date (a block's rows are cut to the number of dates).
// False after a file error (its message was shown); the part already written stays.
bool WriteMeasurementFile(const char* path, const MeasurementFileData& data);
