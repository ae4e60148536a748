#pragma once
// Fixed-column record fields: integers in 5 columns, reals in 10 columns, keywords
// at the start of a line. A blank or unreadable field reads as the unset value of
// platform/core/Unset.h, and unset values are written back as blanks.
//
// Readers take a position in a NUL-terminated line and return the position after the
// field; a line that ends inside a field reads its missing columns as blanks and the
// position stops at the terminator, so further fields read as unset.
// Writers put exactly the field's columns at the position, terminate the buffer after
// them and return the position after the field. A value too wide for its field is
// written as a row of '*' of the field's width (it reads back as unset), so that a
// wide value never shifts or overwrites the next field.

#include "platform/core/CString.h"

class CTextFile;

inline constexpr int kIntFieldWidth = 5;
inline constexpr int kDoubleFieldWidth = 10;

// Record keywords of the point, line and title records (index 0..4).
inline constexpr int kRecordKeywordCount = 5;
extern const char* const kRecordKeywords[kRecordKeywordCount]; // "TITLE" "NODE" "LINE" "SITE" "BOUND"

const char* ReadIntField(const char* pos, int& value);
const char* ReadDoubleField(const char* pos, double& value);
char* WriteIntField(char* pos, int value);
// format is the caller's printf format ("%10.3lf" or "%10.4lf").
char* WriteDoubleField(char* pos, double value, const char* format);
// True when the value is written in its field's columns (an unset value always fits),
// for writers that refuse a record rather than write it as '*'.
bool FitsIntField(int value);
bool FitsDoubleField(double value, const char* format);

// 1-based index of the first keyword that the line starts with, 0 when none.
// A keyword is compared up to its end or its first blank.
int FindKeyword(const char* line, const char* const* keywords, int count);

// Writes the keyword of the record keyword table as one line (buffer is work space
// of at least 6 bytes). The second form writes the keyword followed by the text.
int WriteRecordKeyword(CTextFile& file, char* buffer, int index);
int WriteRecordKeyword(CTextFile& file, char* buffer, int index, const char* text);
