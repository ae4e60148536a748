#pragma once
// The framework's string: a byte string in code page 932, exactly as files hold it.
// Lengths, positions and cuts count bytes. Upper/lower-case mapping touches ASCII only,
// so double-byte characters are never altered.

#include "platform/core/Types.h"

#include <string>
#include <string_view>

class CString {
public:
    CString() = default;
    CString(const char* text) : data_(text ? text : "") {}
    CString(const char* text, int length) : data_(text, static_cast<std::size_t>(length)) {}
    CString(std::string_view text) : data_(text) {}
    CString(std::string text) : data_(std::move(text)) {}
    CString(char ch, int repeat = 1) : data_(static_cast<std::size_t>(repeat), ch) {}
    // A UTF-8 literal of the program's own texts, converted to CP932.
    CString(const char8_t* utf8);

    int GetLength() const { return static_cast<int>(data_.size()); }
    bool IsEmpty() const { return data_.empty(); }
    void Empty() { data_.clear(); }

    const char* GetString() const { return data_.c_str(); }
    operator const char*() const { return data_.c_str(); }
    const std::string& str() const { return data_; }

    char GetAt(int index) const { return data_[static_cast<std::size_t>(index)]; }
    void SetAt(int index, char ch) { data_[static_cast<std::size_t>(index)] = ch; }
    char operator[](int index) const { return GetAt(index); }

    CString Left(int count) const;
    CString Mid(int first) const;
    CString Mid(int first, int count) const;
    CString Right(int count) const;

    // Byte index of the first match at or after start, -1 when none.
    int Find(char ch, int start = 0) const;
    int Find(const char* sub, int start = 0) const;
    int ReverseFind(char ch) const;

    void MakeUpper();
    void MakeLower();
    void TrimLeft();
    void TrimRight();
    void Trim();

    int Compare(const char* other) const;
    int CompareNoCase(const char* other) const; // ASCII letters only

    // printf semantics, numbers in the "C" locale.
    void Format(const char* format, ...) __attribute__((format(printf, 2, 3)));
    // A UTF-8 format literal of the program's own texts; converted to CP932 first.
    void Format(const char8_t* format, ...);

    // Direct access to the bytes: at least minLength bytes plus a terminator.
    char* GetBuffer(int minLength);
    // Ends direct access; a negative length takes the length up to the first NUL.
    void ReleaseBuffer(int newLength = -1);

    CString& operator=(const char* text);
    CString& operator=(const char8_t* utf8);
    CString& operator+=(const CString& text);
    CString& operator+=(const char* text);
    CString& operator+=(char ch);

    friend CString operator+(const CString& a, const CString& b) { return CString(a.data_ + b.data_); }
    friend CString operator+(const CString& a, const char* b) { return CString(a.data_ + b); }
    friend CString operator+(const char* a, const CString& b) { return CString(a + b.data_); }
    friend CString operator+(const CString& a, char b) { return CString(a.data_ + b); }

    friend bool operator==(const CString& a, const CString& b) { return a.data_ == b.data_; }
    friend bool operator==(const CString& a, const char* b) { return a.data_ == b; }
    friend bool operator<(const CString& a, const CString& b) { return a.data_ < b.data_; }

private:
    std::string data_;
};
