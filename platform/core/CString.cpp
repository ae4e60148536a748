#include "CString.h"

#include "platform/core/CodePage.h"
#include "platform/core/NumberFormat.h"

#include <algorithm>
#include <cstdarg>
#include <cstring>

namespace {

std::size_t Clamp(int value, std::size_t limit) {
    if (value < 0) {
        return 0;
    }
    return std::min(static_cast<std::size_t>(value), limit);
}

bool IsBlank(char ch) {
    return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n';
}

char AsciiUpper(char ch) {
    return (ch >= 'a' && ch <= 'z') ? static_cast<char>(ch - 'a' + 'A') : ch;
}
char AsciiLower(char ch) {
    return (ch >= 'A' && ch <= 'Z') ? static_cast<char>(ch - 'A' + 'a') : ch;
}

} // namespace

CString::CString(const char8_t* utf8) : data_(platform::Utf8ToCp932(utf8)) {}

CString CString::Left(int count) const {
    return CString(data_.substr(0, Clamp(count, data_.size())));
}

CString CString::Mid(int first) const {
    std::size_t from = Clamp(first, data_.size());
    return CString(data_.substr(from));
}

CString CString::Mid(int first, int count) const {
    std::size_t from = Clamp(first, data_.size());
    return CString(data_.substr(from, Clamp(count, data_.size() - from)));
}

CString CString::Right(int count) const {
    std::size_t n = Clamp(count, data_.size());
    return CString(data_.substr(data_.size() - n));
}

// Searches step by character, so that a trail byte of a double-byte character never matches.
int CString::Find(char ch, int start) const {
    std::size_t pos = 0;
    while (pos < data_.size()) {
        std::size_t len = platform::Cp932CharLength(data_, pos);
        if (static_cast<int>(pos) >= start && len == 1 && data_[pos] == ch) {
            return static_cast<int>(pos);
        }
        pos += len;
    }
    return -1;
}

int CString::Find(const char* sub, int start) const {
    std::size_t pos = 0;
    std::size_t subLen = std::strlen(sub);
    while (pos < data_.size()) {
        if (static_cast<int>(pos) >= start && data_.compare(pos, subLen, sub) == 0) {
            return static_cast<int>(pos);
        }
        pos += platform::Cp932CharLength(data_, pos);
    }
    return (subLen == 0 && static_cast<std::size_t>(std::max(start, 0)) <= data_.size()) ? std::max(start, 0)
                                                                                         : -1;
}

int CString::ReverseFind(char ch) const {
    int found = -1;
    std::size_t pos = 0;
    while (pos < data_.size()) {
        std::size_t len = platform::Cp932CharLength(data_, pos);
        if (len == 1 && data_[pos] == ch) {
            found = static_cast<int>(pos);
        }
        pos += len;
    }
    return found;
}

void CString::MakeUpper() {
    for (std::size_t pos = 0; pos < data_.size(); pos += platform::Cp932CharLength(data_, pos)) {
        data_[pos] = AsciiUpper(data_[pos]);
    }
}

void CString::MakeLower() {
    for (std::size_t pos = 0; pos < data_.size(); pos += platform::Cp932CharLength(data_, pos)) {
        data_[pos] = AsciiLower(data_[pos]);
    }
}

void CString::TrimLeft() {
    std::size_t n = 0;
    while (n < data_.size() && IsBlank(data_[n])) {
        ++n;
    }
    data_.erase(0, n);
}

void CString::TrimRight() {
    while (!data_.empty() && IsBlank(data_.back())) {
        data_.pop_back();
    }
}

void CString::Trim() {
    TrimRight();
    TrimLeft();
}

int CString::Compare(const char* other) const {
    int result = std::strcmp(data_.c_str(), other);
    return result < 0 ? -1 : (result > 0 ? 1 : 0);
}

int CString::CompareNoCase(const char* other) const {
    CString a(*this);
    CString b(other);
    a.MakeLower();
    b.MakeLower();
    return a.Compare(b);
}

void CString::Format(const char* format, ...) {
    va_list args;
    va_start(args, format);
    data_ = platform::FormatV(format, args);
    va_end(args);
}

void CString::Format(const char8_t* format, ...) {
    std::string cp932 = platform::Utf8ToCp932(format);
    va_list args;
    va_start(args, format);
    data_ = platform::FormatV(cp932.c_str(), args);
    va_end(args);
}

char* CString::GetBuffer(int minLength) {
    if (minLength > GetLength()) {
        data_.resize(static_cast<std::size_t>(minLength), '\0');
    }
    return data_.data();
}

void CString::ReleaseBuffer(int newLength) {
    if (newLength < 0) {
        data_.resize(std::strlen(data_.c_str()));
    } else {
        data_.resize(std::min(static_cast<std::size_t>(newLength), data_.size()));
    }
}

CString& CString::operator=(const char* text) {
    data_ = text ? text : "";
    return *this;
}

CString& CString::operator=(const char8_t* utf8) {
    data_ = platform::Utf8ToCp932(utf8);
    return *this;
}

CString& CString::operator+=(const CString& text) {
    data_ += text.data_;
    return *this;
}

CString& CString::operator+=(const char* text) {
    data_ += text;
    return *this;
}

CString& CString::operator+=(char ch) {
    data_ += ch;
    return *this;
}
