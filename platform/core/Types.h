#pragma once
// The framework's basic scalar types, as the programs name them.

#include <cstdint>

using BOOL = int;
using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using UINT = unsigned int;
using LONG = std::int32_t;
using COLORREF = std::uint32_t; // 0x00BBGGRR
using LPCTSTR = const char*;

#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif

// Opaque iteration position of the framework's collections.
struct POSITION_tag;
using POSITION = POSITION_tag*;

constexpr COLORREF RGB(int red, int green, int blue) {
    return static_cast<COLORREF>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}
constexpr int GetRValue(COLORREF color) {
    return static_cast<int>(color & 0xFF);
}
constexpr int GetGValue(COLORREF color) {
    return static_cast<int>((color >> 8) & 0xFF);
}
constexpr int GetBValue(COLORREF color) {
    return static_cast<int>((color >> 16) & 0xFF);
}
