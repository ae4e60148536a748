#pragma once
// Syntax shared by the suite's data files (section model, measurement displacement,
// analysis and plan files): the TITLE header line with its format tag, section ends,
// point-number lists and reading dates. Each program applies its own checks and
// limits on top of these.
//
//   TITLE     <title, columns 11-60><format tag from column 61>

#include "platform/core/CString.h"

#include <array>
#include <vector>

inline constexpr int kTitleTextColumn = 10; // 0-based start of the title (column 11)
inline constexpr int kTitleEndColumn = 60;  // the title ends at column 60
inline constexpr int kPointListWidth = 50;  // ten 5-column numbers per list line
inline constexpr int kPointsPerListLine = 10;

// Format tags of the data files.
inline constexpr const char* kSectionModelTag = "MERDOK001";
inline constexpr const char* kMeasurementTag = "GOLMIR001";
inline constexpr const char* kAnalysisTagOld = "TORVAN001";
inline constexpr const char* kAnalysisTag = "TORVAN002";

enum class FormatTagCheck {
    Match,    // a TITLE line carrying the tag
    Mismatch, // a TITLE line longer than 60 columns carrying another tag
    NoTag,    // not a TITLE line, or one of 60 columns or fewer: read without a check
};

// Compares the characters from column 61 (as many as the tag has, up to the line end)
// with the tag, exactly or ignoring ASCII case.
FormatTagCheck CheckFormatTag(const char* line, const char* tag, bool ignoreCase = false);

// The TITLE line: "TITLE", five blanks, the title blank-padded and cut to column 60
// (never inside a double-byte character), then the tag.
CString FormatTitleRecord(const CString& title, const char* tag);

// The title of a header line: the text from column 11, cut at column 60, without
// trailing blanks.
CString ParseTitleText(const char* line);

// True when the line opens the next section (its first character is an upper-case letter).
bool StartsSection(const char* line);

// True when the line starts with the word (e.g. "END", "MSIZE").
bool StartsWith(const char* line, const char* word);

// Reads a point-number list line (up to ten 5-column numbers, the line taken up to
// column 50); appends each number - 1. Returns 1 when ten numbers were read (the
// list continues on the next line), 0 when a blank field ended it.
int ReadPointNumberList(const char* line, std::vector<int>& keys);

// A reading date "%d,%d,%d,%d,%d" (year, month, day, hour, minute). A part given as -1
// or missing from the line is the unset int.
std::array<int, 5> ParseDateRecord(const char* line);
