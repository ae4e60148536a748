#pragma once
// Reading the section model file (".sec", tag "MERDOK001") as the suite's programs
// share it. The reader walks the file's syntax and hands each record to the program's
// handler, which builds its own points and lines and applies its own limits.
//
//   TITLE     <title>                                        MERDOK001
//   MSIZE     <min x><max x><min y><max y>
//   NODE | SITE | BOUND        point records, one a line (short form)
//   LINE                       ground-line runs: ten 5-column numbers a line; a full
//                              line continues the run, a shorter one ends it
//   END
//
// Sections may come in any order and repeat; a section ends at the next line that
// starts with an upper-case letter. Lines outside sections are skipped.

#include "common/records/PointRecord.h"
#include "common/records/SectionModelHandler.h"
#include "platform/core/CString.h"

#include <vector>

enum class SectionReadResult {
    Read,        // read up to "END"
    OpenFailed,  // the open message was shown
    WrongTag,    // both format messages were shown
    NoModelSize, // the second line is not "MSIZE": the caller shows its format error
    Stopped,     // the handler refused a record
    EndedEarly,  // the file ended before "END" (premature-end message shown)
    ReadError,   // a read error was shown
};

struct SectionReadOptions {
    // A further keyword read as a point section (one program reads "BSURF" as boundary points).
    const char* extraPointKeyword = nullptr;
};

// One point line of a NODE, SITE or BOUND section (the line without its line end), columns
//   1-5 number, 6-10 kind, 11-20 x, 21-30 y, 31-35 mark, name from column 36
// (trailing blanks dropped, whole: a program that keeps fewer columns cuts it). Blank or
// missing fields read as unset, the kind too.
section::PointRecord ReadSectionPoint(const char* line);

SectionReadResult ReadSectionModelFile(const char* path, SectionModelHandler& handler,
                                       const SectionReadOptions& options = SectionReadOptions());
