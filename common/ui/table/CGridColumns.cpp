#include "common/ui/table/CGridColumns.h"

#include "platform/core/NumberFormat.h"
#include "platform/core/Unset.h"

#include <climits>
#include <cstring>

namespace {

std::vector<CString> SplitBlanks(const CString& text) {
    std::vector<CString> tokens;
    const std::string& s = text.str();
    std::size_t pos = 0;
    while (pos < s.size()) {
        while (pos < s.size() && (s[pos] == ' ' || s[pos] == '\t')) {
            ++pos;
        }
        std::size_t end = pos;
        while (end < s.size() && s[end] != ' ' && s[end] != '\t') {
            ++end;
        }
        if (end > pos) {
            tokens.emplace_back(s.substr(pos, end - pos));
        }
        pos = end;
    }
    return tokens;
}

int TokenInt(const std::vector<CString>& tokens, std::size_t index) {
    int value = 0;
    if (index < tokens.size()) {
        platform::ScanInt(tokens[index].GetString(), value);
    }
    return value;
}

double TokenDouble(const std::vector<CString>& tokens, std::size_t index) {
    double value = 0;
    if (index < tokens.size()) {
        platform::ScanDouble(tokens[index].GetString(), value);
    }
    return value;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsSign(char c) {
    return c == '+' || c == '-';
}

bool IsBlankOnly(const CString& text) {
    for (int i = 0; i < text.GetLength(); ++i) {
        if (text[i] != ' ') {
            return false;
        }
    }
    return true;
}

// The range message of a failed cell: the range, with the request when it is short.
CString RangeMessage(const CString& range) {
    if (range.GetLength() <= 50) {
        return range + CString(u8" 範囲を入力してください");
    }
    return CString(u8"入力値の許容範囲エラー");
}

} // namespace

void CGridColumns::Parse(const std::vector<CString>& styles) {
    columns_.clear();
    std::memset(counts_, 0, sizeof counts_);
    for (const CString& style : styles) {
        const std::vector<CString> tokens = SplitBlanks(style);
        Column column;
        column.caption = tokens.empty() ? CString() : tokens[0];
        if (!column.caption.IsEmpty() && column.caption[0] == '@') {
            column.caption.SetAt(0, ' ');
        }
        column.displayWidth = TokenInt(tokens, 1);
        column.inputWidth = TokenInt(tokens, 2);
        column.decimals = TokenInt(tokens, 3);
        if (column.decimals == 0) {
            column.kind = GridColumnKind::Int;
            column.intMin = TokenInt(tokens, 4);
            column.intMax = TokenInt(tokens, 5);
        } else if (column.decimals > 0 || column.decimals == kTextCode) {
            column.kind = column.decimals > 0 ? GridColumnKind::Real : GridColumnKind::Text;
            column.realMin = TokenDouble(tokens, 4);
            column.realMax = TokenDouble(tokens, 5);
            column.textLimit = TokenInt(tokens, 4);
        } else {
            column.kind = GridColumnKind::Exponent;
            column.realMin = TokenDouble(tokens, 4);
            column.realMax = TokenDouble(tokens, 5);
        }
        column.kindIndex = counts_[static_cast<int>(column.kind)]++;
        columns_.push_back(column);
    }
}

CGridData* CGridColumns::NewRow() const {
    auto* row = new CGridData;
    row->Allocate(IntCount(), RealCount(), ExponentCount(), TextCount());
    return row;
}

CString CGridColumns::FormatExponent(double value, int decimals) {
    CString text(platform::FormatC("%.*E", decimals, value));
    const int mark = text.Find('E');
    if (mark >= 0 && text.GetLength() - mark == 5 && text[mark + 2] == '0') {
        text = text.Left(mark + 2) + text.Mid(mark + 3);
    }
    return text;
}

CString CGridColumns::FormatCell(CGridData& row, int col) const {
    const Column& column = At(col);
    switch (column.kind) {
    case GridColumnKind::Int: {
        const int value = row.IntCell(column.kindIndex);
        return platform::IsUnsetInt(value) ? CString() : CString(platform::FormatC("%d", value));
    }
    case GridColumnKind::Real: {
        const double value = row.RealCell(column.kindIndex);
        return platform::IsUnsetDouble(value) ? CString()
                                              : CString(platform::FormatC("%.*f", column.decimals, value));
    }
    case GridColumnKind::Exponent: {
        const double value = row.ExponentCell(column.kindIndex);
        return platform::IsUnsetDouble(value) ? CString() : FormatExponent(value, -column.decimals);
    }
    case GridColumnKind::Text:
        return row.TextCell(column.kindIndex);
    }
    return CString();
}

// The checks of one character at its position (1-based), as if it had just been typed.
CString CGridColumns::CheckNumberChar(const Column& column, const CString& text, int position) const {
    const char c = text[position - 1];
    const int decimals = column.kind == GridColumnKind::Real ? column.decimals : 0;
    const bool pointBefore = text.Left(position - 1).Find('.') >= 0;
    if (IsDigit(c)) {
        if (column.kind == GridColumnKind::Real && !pointBefore && column.inputWidth - decimals < 1) {
            return CString(u8"桁数オーバーです");
        }
        return CString();
    }
    if (column.kind == GridColumnKind::Int && c == '.') {
        return CString(u8"小数点は入力できません");
    }
    if (column.kind == GridColumnKind::Exponent) {
        const bool accepted = IsSign(c) || c == '.' || c == 'E' || c == 'e';
        if (!accepted || (position == 1 && (c == 'E' || c == 'e'))) {
            return CString(u8"文字入力エラーです");
        }
        return CString();
    }
    const bool accepted = IsSign(c) || c == '.';
    if (!accepted || (IsSign(c) && position > 1) || (c == '.' && position == 1)) {
        return CString(u8"文字入力エラーです");
    }
    if (c == '.' && position > column.inputWidth - decimals) {
        return CString(u8"桁数オーバーです");
    }
    return CString();
}

// sign? digits* ('.' digits*)? ([Ee] sign? digits*)?, where the point and the exponent are
// allowed only by the column's kind, an exponent needs a digit before it, and an integer
// fits an int. Incomplete endings ("-", "1.", "2E+") are fine: they are typed on.
bool CGridColumns::IsWellFormedNumber(const Column& column, const CString& text) {
    const std::string& s = text.str();
    std::size_t pos = 0;
    if (pos < s.size() && IsSign(s[pos])) {
        ++pos;
    }
    long long magnitude = 0;
    bool digits = false;
    for (; pos < s.size() && IsDigit(s[pos]); ++pos) {
        digits = true;
        if (magnitude <= INT_MAX) {
            magnitude = magnitude * 10 + (s[pos] - '0');
        }
    }
    if (column.kind == GridColumnKind::Int) {
        return pos == s.size() && magnitude <= static_cast<long long>(INT_MAX) + (s[0] == '-' ? 1 : 0);
    }
    if (pos < s.size() && s[pos] == '.') {
        for (++pos; pos < s.size() && IsDigit(s[pos]); ++pos) {
            digits = true;
        }
    }
    if (column.kind == GridColumnKind::Exponent && pos < s.size() && (s[pos] == 'E' || s[pos] == 'e')) {
        if (!digits) {
            return false;
        }
        ++pos;
        if (pos < s.size() && IsSign(s[pos])) {
            ++pos;
        }
        while (pos < s.size() && IsDigit(s[pos])) {
            ++pos;
        }
    }
    return pos == s.size();
}

CString CGridColumns::CheckText(int col, const CString& text) const {
    const Column& column = At(col);
    if (text.IsEmpty() || IsBlankOnly(text)) {
        return CString();
    }
    if (text.GetLength() > column.inputWidth) {
        return CString(u8"桁数オーバーです");
    }
    if (column.kind == GridColumnKind::Text) {
        return CString();
    }
    for (int position = 1; position <= text.GetLength(); ++position) {
        CString message = CheckNumberChar(column, text, position);
        if (!message.IsEmpty()) {
            return message;
        }
    }
    if (!IsWellFormedNumber(column, text)) {
        return CString(u8"文字入力エラーです（編集時）");
    }
    return CString();
}

void CGridColumns::StoreText(CGridData& row, int col, const CString& text) const {
    const Column& column = At(col);
    const bool empty = text.IsEmpty() || IsBlankOnly(text);
    const bool loneSign = text == "-" || text == "+";
    switch (column.kind) {
    case GridColumnKind::Int: {
        int& cell = row.IntCell(column.kindIndex);
        int value = 0;
        if (empty || loneSign) {
            cell = platform::kUnsetInt;
        } else if (platform::ScanInt(text.GetString(), value)) {
            cell = value;
        }
        break;
    }
    case GridColumnKind::Real:
    case GridColumnKind::Exponent: {
        double& cell = column.kind == GridColumnKind::Real ? row.RealCell(column.kindIndex)
                                                           : row.ExponentCell(column.kindIndex);
        double value = 0;
        if (empty || loneSign) {
            cell = platform::kUnsetDouble;
        } else if (platform::ScanDouble(text.GetString(), value)) {
            cell = value;
        }
        break;
    }
    case GridColumnKind::Text:
        row.TextCell(column.kindIndex) = empty ? CString() : text;
        break;
    }
}

CString CGridColumns::CheckRange(CGridData& row, int col) const {
    const Column& column = At(col);
    switch (column.kind) {
    case GridColumnKind::Int: {
        const int value = row.IntCell(column.kindIndex);
        if (platform::IsUnsetInt(value) || (value >= column.intMin && value <= column.intMax)) {
            return CString();
        }
        CString range;
        range.Format(u8"%d～%d", column.intMin, column.intMax);
        return RangeMessage(range);
    }
    case GridColumnKind::Real:
    case GridColumnKind::Exponent: {
        const bool real = column.kind == GridColumnKind::Real;
        const double value = real ? row.RealCell(column.kindIndex) : row.ExponentCell(column.kindIndex);
        if (platform::IsUnsetDouble(value) || (value >= column.realMin && value <= column.realMax)) {
            return CString();
        }
        CString range;
        if (real) {
            range.Format(u8"%lf～%lf", column.realMin, column.realMax);
        } else {
            range.Format(u8"%le～%le", column.realMin, column.realMax);
        }
        return RangeMessage(range);
    }
    case GridColumnKind::Text:
        break;
    }
    return CString();
}
