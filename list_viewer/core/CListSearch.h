#pragma once
// String search over a list file through its line index. The raw bytes of the file
// are searched; every raw hit is confirmed on the displayed text of the line that
// holds it (overprinted text and line ends are not shown, so they never match).
// Matches start only at CP932 character boundaries of the displayed text.
//
// Line numbers here are the view's: for a result list view line n is scanner line
// n + 1. Messages and the "search again from the top?" question go through the sink.

#include "list_viewer/core/CLineIndex.h"

#include "platform/core/CString.h"

#include <cstdint>
#include <vector>

namespace wenux {

enum class SearchMode { kFromCurrent, kFromTop };

struct SearchOutcome {
    enum Kind {
        kFound,          // line holds the view line of the hit
        kNotFound,       // reported, or the user declined to search from the top
        kRestartFromTop, // the user asked to search again from the top
        kFailed,         // an index or file error, reported
    };
    Kind kind = kNotFound;
    int line = 0;
};

class CListSearch {
public:
    CListSearch(CLineIndex& index, int documentType) : index_(index), documentType_(documentType) {}

    // Searches `text` from view line `startLine` to the end of the file (kFromCurrent) or
    // from the first line to just before `startLine` (kFromTop).
    SearchOutcome Search(const CString& text, int startLine, SearchMode mode);

    // Number of view lines: the result list's header line is not one.
    int ViewLineCount() const;
    // Index of the page whose lines hold view line `line`; -1 when none.
    int FindPageOfLine(int line) const;

private:
    // Offset of the first raw occurrence in [from, end) (candidates only), or -1.
    std::int64_t RawFind(const std::string& needle, std::int64_t from, std::int64_t end);
    // View line that holds offset h, scanning blocks from firstBlock; 0 when none.
    int LineOfOffset(std::int64_t offset, int firstBlock);
    // 1 confirmed, 0 not, -1 lookup failure (reported).
    int ConfirmOnDisplayedText(const std::string& needle, int line);
    SearchOutcome NotFound(int startLine, SearchMode mode) const;

    CLineIndex& index_;
    int documentType_;
    std::vector<unsigned char> buffer_;
};

class CListPager;

// The search commands: Search(startLine, from current) and, when the user asks for it,
// Search(restartLine, from top). A hit becomes the pager's top line on its page; a hit
// on no page is reported. True when the view is to be repainted.
bool SearchAndShow(CListSearch& search, CListPager& pager, const CString& text, int startLine,
                   int restartLine);

// Position of needle in text at a CP932 character start, or -1.
int FindAtCharacterStart(const std::string& text, const std::string& needle);

} // namespace wenux
