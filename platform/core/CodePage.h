#pragma once
// Conversion between the suite's code page (CP932, Shift-JIS as Windows writes it)
// and the UTF encodings used by Qt and the operating system.
//
// Text inside the suite is CP932 bytes; conversion happens only at the edges
// (widgets, clipboard, file names). Unconvertible input never disappears silently:
// decoding gives U+FFFD for a bad sequence, encoding in strict mode reports failure.

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// True when the byte starts a double-byte CP932 character.
bool IsCp932LeadByte(unsigned char byte);

// Byte length of the character that starts at text[index] (1 or 2; 1 at a lone lead byte at the end).
std::size_t Cp932CharLength(std::string_view text, std::size_t index);

// Largest byte count <= maxBytes that does not cut a double-byte character in two.
std::size_t Cp932SafeCut(std::string_view text, std::size_t maxBytes);

// CP932 -> UTF-8; an invalid byte sequence becomes U+FFFD.
std::string Cp932ToUtf8(std::string_view cp932);

// CP932 -> UTF-16; an invalid byte sequence becomes U+FFFD.
std::u16string Cp932ToUtf16(std::string_view cp932);

// UTF-8 -> CP932. Nothing when a character has no CP932 form or the input is not UTF-8.
std::optional<std::string> Utf8ToCp932Strict(std::string_view utf8);

// UTF-16 -> CP932. Nothing when a character has no CP932 form.
std::optional<std::string> Utf16ToCp932Strict(std::u16string_view utf16);

// UTF-8 -> CP932 for texts the program itself holds (literals): a character without
// a CP932 form becomes '?'. Use the strict form for anything a user typed.
std::string Utf8ToCp932(std::string_view utf8);

// Convenience for u8"..." literals.
inline std::string Utf8ToCp932(const char8_t* utf8) {
    return Utf8ToCp932(std::string_view(reinterpret_cast<const char*>(utf8)));
}

} // namespace platform
