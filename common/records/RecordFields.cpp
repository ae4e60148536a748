#include "RecordFields.h"

#include "common/records/TextFile.h"
#include "platform/core/NumberFormat.h"
#include "platform/core/Unset.h"

#include <cmath>
#include <cstring>
#include <string>

const char* const kRecordKeywords[kRecordKeywordCount] = {"TITLE", "NODE", "LINE", "SITE", "BOUND"};

namespace {

// Copies up to width columns of the line (fewer when it ends first).
// Returns the number of columns present.
int TakeColumns(const char* pos, int width, char* out) {
    int n = 0;
    while (n < width && pos[n] != '\0') {
        out[n] = pos[n];
        ++n;
    }
    out[n] = '\0';
    return n;
}

bool IsAllBlank(const char* text) {
    for (; *text; ++text) {
        if (*text != ' ') {
            return false;
        }
    }
    return true;
}

char* PutField(char* pos, const std::string& text, int width) {
    if (static_cast<int>(text.size()) == width) {
        std::memcpy(pos, text.data(), text.size());
    } else if (static_cast<int>(text.size()) < width) { // a format narrower than its field
        std::memset(pos, ' ', static_cast<std::size_t>(width - static_cast<int>(text.size())));
        std::memcpy(pos + width - text.size(), text.data(), text.size());
    } else {
        std::memset(pos, '*', static_cast<std::size_t>(width));
    }
    pos[width] = '\0';
    return pos + width;
}

} // namespace

const char* ReadIntField(const char* pos, int& value) {
    char field[kIntFieldWidth + 1];
    int present = TakeColumns(pos, kIntFieldWidth, field);
    if (IsAllBlank(field) || !platform::ScanInt(field, value)) {
        value = platform::kUnsetInt;
    }
    return pos + present;
}

const char* ReadDoubleField(const char* pos, double& value) {
    char field[kDoubleFieldWidth + 1];
    int present = TakeColumns(pos, kDoubleFieldWidth, field);
    if (IsAllBlank(field) || !platform::ScanDouble(field, value)) {
        value = platform::kUnsetDouble;
    }
    return pos + present;
}

char* WriteIntField(char* pos, int value) {
    if (value == platform::kUnsetInt) {
        return PutField(pos, std::string(kIntFieldWidth, ' '), kIntFieldWidth);
    }
    return PutField(pos, platform::FormatC("%5d", value), kIntFieldWidth);
}

char* WriteDoubleField(char* pos, double value, const char* format) {
    if (platform::IsUnsetDouble(value)) {
        return PutField(pos, std::string(kDoubleFieldWidth, ' '), kDoubleFieldWidth);
    }
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
    return PutField(pos, platform::FormatC(format, value), kDoubleFieldWidth);
#pragma GCC diagnostic pop
}

bool FitsIntField(int value) {
    return value == platform::kUnsetInt ||
           static_cast<int>(platform::FormatC("%5d", value).size()) <= kIntFieldWidth;
}

bool FitsDoubleField(double value, const char* format) {
    if (platform::IsUnsetDouble(value)) {
        return true;
    }
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
    return std::isfinite(value) &&
           static_cast<int>(platform::FormatC(format, value).size()) <= kDoubleFieldWidth;
#pragma GCC diagnostic pop
}

int FindKeyword(const char* line, const char* const* keywords, int count) {
    for (int i = 0; i < count; ++i) {
        const char* word = keywords[i];
        int n = 0;
        while (word[n] != '\0' && word[n] != ' ' && line[n] == word[n]) {
            ++n;
        }
        if (word[n] == '\0' || word[n] == ' ') {
            return i + 1;
        }
    }
    return 0;
}

int WriteRecordKeyword(CTextFile& file, char* buffer, int index) {
    std::strcpy(buffer, kRecordKeywords[index]);
    return file.WriteLine(buffer);
}

int WriteRecordKeyword(CTextFile& file, char* buffer, int index, const char* text) {
    CString line(kRecordKeywords[index]);
    line += text;
    (void)buffer;
    return file.WriteLine(line);
}
