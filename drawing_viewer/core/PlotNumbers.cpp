#include "PlotNumbers.h"

#include <algorithm>
#include <array>
#include <climits>
#include <vector>

namespace zapho {

int SaturatedInt(std::string_view token) {
    std::size_t pos = 0;
    bool negative = false;
    if (pos < token.size() && token[pos] == '-') {
        negative = true;
        ++pos;
    }
    long long value = 0;
    for (; pos < token.size() && token[pos] >= '0' && token[pos] <= '9'; ++pos) {
        value = value * 10 + (token[pos] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1) {
            value = static_cast<long long>(INT_MAX) + 1;
        }
    }
    value = negative ? -value : value;
    if (value > INT_MAX) {
        return INT_MAX;
    }
    return static_cast<int>(value);
}

namespace {

constexpr long long kTokenLimit = static_cast<long long>(INT_MAX) + 1;

// What a byte is to the argument reader: a table, as a page of a million commands tests
// every byte of it.
enum ByteKind : unsigned char { kOther, kDigit, kStop, kSeparator, kTab };

constexpr std::array<ByteKind, 256> kByteKinds = [] {
    std::array<ByteKind, 256> kinds{};
    for (char digit = '0'; digit <= '9'; ++digit) {
        kinds[static_cast<unsigned char>(digit)] = kDigit;
    }
    kinds['-'] = kStop;
    kinds['.'] = kStop;
    kinds[' '] = kSeparator;
    kinds[','] = kSeparator;
    kinds['\t'] = kTab;
    return kinds;
}();

ByteKind KindOf(char ch) {
    return kByteKinds[static_cast<unsigned char>(ch)];
}

bool IsTokenChar(ByteKind kind) {
    return kind == kDigit || kind == kStop;
}

} // namespace

bool HoldsOnlyNumbers(std::string_view text) {
    bool other = false;
    for (char ch : text) {
        other |= KindOf(ch) == kOther;
    }
    return !other;
}

// One pass over the text, a token at a time, as SaturatedInt reads a token: a leading minus,
// then digits up to the first other token character; characters that are neither token
// characters nor separators are skipped without ending the token.
int ParsePlotNumbers(std::string_view text, int x[kPlotArgumentPairs], int y[kPlotArgumentPairs],
                     int* numbers, bool* onlyNumbers) {
    const char* at = text.data();
    const char* const end = at + text.size();
    int count = 0;
    bool other = false;
    while (at < end) {
        if (!IsTokenChar(KindOf(*at))) {
            other |= KindOf(*at) == kOther;
            ++at;
            continue;
        }
        const bool negative = *at == '-';
        if (negative) {
            ++at;
        }
        long long value = 0;
        bool stopped = false;
        for (; at < end; ++at) {
            const ByteKind kind = KindOf(*at);
            if (kind == kDigit) {
                if (!stopped) {
                    // A branch the processor predicts, not a select in the chain of digits.
                    value = value * 10 + (*at - '0');
                    if (value > kTokenLimit) [[unlikely]] {
                        value = kTokenLimit;
                    }
                }
            } else if (kind == kSeparator) {
                break;
            } else {
                stopped |= kind == kStop;
                other |= kind == kOther;
            }
        }
        if (count < 2 * kPlotArgumentPairs) {
            value = negative ? -value : value;
            int* column = count % 2 == 0 ? x : y;
            column[count / 2] = value > INT_MAX ? INT_MAX : static_cast<int>(value);
            ++count;
        }
    }
    if (numbers) {
        *numbers = count;
    }
    if (onlyNumbers) {
        *onlyNumbers = !other;
    }
    return count / 2;
}

namespace {

bool IsBlank(char ch) {
    return ch == ' ' || ch == '\t' || ch == '\r';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

struct Word {
    std::size_t start;
    std::string_view text;
};

std::vector<Word> SplitWords(std::string_view line) {
    std::vector<Word> words;
    std::size_t pos = 0;
    while (pos < line.size()) {
        while (pos < line.size() && IsBlank(line[pos])) {
            ++pos;
        }
        std::size_t start = pos;
        while (pos < line.size() && !IsBlank(line[pos])) {
            ++pos;
        }
        if (pos > start) {
            words.push_back({start, line.substr(start, pos - start)});
        }
    }
    return words;
}

bool IsNumberWord(std::string_view word, bool real) {
    if (!word.empty() && word.front() == '-') {
        word.remove_prefix(1);
    }
    const std::string_view allowed = real ? "0123456789." : "0123456789";
    return !word.empty() && word.find_first_not_of(allowed) == std::string_view::npos &&
           word.find_first_of("0123456789") != std::string_view::npos;
}

} // namespace

PlotIndexLine ParseIndexLine(std::string_view line) {
    PlotIndexLine result;
    std::vector<Word> words = SplitWords(line);
    if (words.empty()) {
        return result;
    }
    std::string_view name = words[0].text;
    std::size_t firstNumber = 1;
    if (words.size() >= 5) {
        firstNumber = words.size() - 4;
        name = Trim(line.substr(0, words[firstNumber].start));
    }
    while (!name.empty() && name.front() == '"') {
        name.remove_prefix(1);
    }
    while (!name.empty() && name.back() == '"') {
        name.remove_suffix(1);
    }
    result.name = CString(std::string(name));
    int* targets[] = {&result.width, &result.height, nullptr, &result.kind};
    result.complete = !result.name.IsEmpty() && firstNumber + 4 == words.size();
    for (std::size_t i = 0; i < 4 && firstNumber + i < words.size(); ++i) {
        const std::string_view word = words[firstNumber + i].text;
        result.complete = result.complete && IsNumberWord(word, targets[i] == nullptr);
        if (targets[i]) {
            *targets[i] = SaturatedInt(word);
        }
    }
    return result;
}

void PaperOfKind(int kind, int& paperSize, int& orientation) {
    static const int kPaper[] = {12, 12, 13, 13, 8, 8, 9, 9, 11, 11};
    if (kind < 1 || kind > 10) {
        paperSize = -1;
        orientation = -1;
        return;
    }
    paperSize = kPaper[kind - 1];
    orientation = kind % 2 == 1 ? 1 : 2;
}

} // namespace zapho
