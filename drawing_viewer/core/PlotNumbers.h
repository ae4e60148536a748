#pragma once
// The integer arguments of a plot command and the words of a plot index line.

#include "platform/core/CString.h"

#include <string_view>

namespace zapho {

inline constexpr int kPlotArgumentPairs = 11;

// Splits the argument text into integers stored alternately into x and y (the 1st number
// into x[0], the 2nd into y[0], ...). Digits, '-' and '.' make a token, a blank or comma
// ends it, other characters are skipped; a fraction is dropped and a number too large
// for an int saturates. Numbers beyond the 22nd are ignored. Returns the number of
// complete pairs; *numbers (when given) gets the number of numbers stored; *onlyNumbers
// (when given) whether the text holds nothing but digits, '-', '.', ',', blanks and tabs.
int ParsePlotNumbers(std::string_view text, int x[kPlotArgumentPairs], int y[kPlotArgumentPairs],
                     int* numbers = nullptr, bool* onlyNumbers = nullptr);

// Whether the text holds nothing but digits, '-', '.', ',', blanks and tabs.
bool HoldsOnlyNumbers(std::string_view text);

// An optional '-' and the digits that follow it, saturated to int; 0 without digits.
int SaturatedInt(std::string_view token);

// A plot index line: the page file's name, the page's drawing width and height and the
// line kind (paper and orientation).
struct PlotIndexLine {
    CString name;
    int width = 0;
    int height = 0;
    int kind = 0;
    // The line holds the name and all four numbers (a cut line does not).
    bool complete = false;
};

// The last four blank-separated words are width, height, unit and kind; the name is all
// before them, blank-trimmed, then stripped of leading and trailing double quotes (so
// names may hold blanks). A line of fewer than five words: its first word is the name
// and the words after it are the numbers in order (missing ones 0).
PlotIndexLine ParseIndexLine(std::string_view line);

// The paper size code and orientation of an index line kind; -1, -1 for unknown kinds.
void PaperOfKind(int kind, int& paperSize, int& orientation);

} // namespace zapho
