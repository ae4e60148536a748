#include "DataFileSyntax.h"

#include "common/records/RecordFields.h"
#include "common/records/TextHelpers.h"
#include "platform/core/Unset.h"

#include <cstdio>
#include <cstring>

namespace {

char AsciiUpper(char ch) {
    return (ch >= 'a' && ch <= 'z') ? static_cast<char>(ch - 'a' + 'A') : ch;
}

} // namespace

bool StartsWith(const char* line, const char* word) {
    return std::strncmp(line, word, std::strlen(word)) == 0;
}

FormatTagCheck CheckFormatTag(const char* line, const char* tag, bool ignoreCase) {
    if (!StartsWith(line, "TITLE") || std::strlen(line) <= static_cast<std::size_t>(kTitleEndColumn)) {
        return FormatTagCheck::NoTag;
    }
    const char* found = line + kTitleEndColumn;
    for (std::size_t i = 0; tag[i] != '\0'; ++i) {
        char a = found[i];
        char b = tag[i];
        if (ignoreCase) {
            a = AsciiUpper(a);
            b = AsciiUpper(b);
        }
        if (a != b) {
            return FormatTagCheck::Mismatch;
        }
    }
    return FormatTagCheck::Match;
}

CString FormatTitleRecord(const CString& title, const char* tag) {
    CString line("TITLE     ");
    line += CutToWidth(title, kTitleEndColumn - kTitleTextColumn);
    PadWithBlanks(line, kTitleEndColumn);
    line += tag;
    return line;
}

CString ParseTitleText(const char* line) {
    CString text(line);
    text = CutToWidth(text, kTitleEndColumn).Mid(kTitleTextColumn);
    text.TrimRight();
    return text;
}

bool StartsSection(const char* line) {
    return line[0] >= 'A' && line[0] <= 'Z';
}

int ReadPointNumberList(const char* line, std::vector<int>& keys) {
    CString columns = CString(line).Left(kPointListWidth);
    const char* pos = columns.GetString();
    for (int i = 0; i < kPointsPerListLine; ++i) {
        int number;
        pos = ReadIntField(pos, number);
        if (number == platform::kUnsetInt) {
            return 0;
        }
        keys.push_back(number - 1);
    }
    return 1;
}

std::array<int, 5> ParseDateRecord(const char* line) {
    std::array<int, 5> parts;
    parts.fill(platform::kUnsetInt);
    int read[5];
    int count = std::sscanf(line, "%d,%d,%d,%d,%d", &read[0], &read[1], &read[2], &read[3], &read[4]);
    for (int i = 0; i < count; ++i) {
        parts[static_cast<std::size_t>(i)] = read[i] == -1 ? platform::kUnsetInt : read[i];
    }
    return parts;
}
