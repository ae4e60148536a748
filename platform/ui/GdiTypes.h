#pragma once
// Drawing constants and structures of the device context, as the programs name them.

#include "platform/core/Types.h"

enum : int { MM_TEXT = 1, MM_LOMETRIC = 2, MM_ISOTROPIC = 7, MM_ANISOTROPIC = 8 };
enum : int {
    R2_BLACK = 1,
    R2_NOTMERGEPEN = 2,
    R2_NOT = 6,
    R2_XORPEN = 7,
    R2_MASKPEN = 9,
    R2_NOTXORPEN = 10,
    R2_NOP = 11,
    R2_MERGEPEN = 15,
    R2_COPYPEN = 13,
    R2_WHITE = 16,
};
enum : DWORD { SRCCOPY = 0x00CC0020, SRCPAINT = 0x00EE0086, SRCAND = 0x008800C6, SRCINVERT = 0x00660046 };
enum : int { PS_SOLID = 0, PS_DASH = 1, PS_DOT = 2, PS_DASHDOT = 3, PS_DASHDOTDOT = 4, PS_NULL = 5 };
enum : int { TRANSPARENT = 1, OPAQUE = 2 };
enum : int { ALTERNATE = 1, WINDING = 2 };
enum : UINT {
    TA_LEFT = 0,
    TA_TOP = 0,
    TA_RIGHT = 2,
    TA_CENTER = 6,
    TA_BOTTOM = 8,
    TA_BASELINE = 24,
};
enum : int {
    WHITE_BRUSH = 0,
    LTGRAY_BRUSH = 1,
    GRAY_BRUSH = 2,
    BLACK_BRUSH = 4,
    NULL_BRUSH = 5,
    HOLLOW_BRUSH = 5,
    WHITE_PEN = 6,
    BLACK_PEN = 7,
    NULL_PEN = 8,
};
enum : int { FW_NORMAL = 400, FW_BOLD = 700 };
// ExtTextOut options.
enum : UINT { ETO_OPAQUE = 0x0002 };
enum : BYTE { ANSI_CHARSET = 0, DEFAULT_CHARSET = 1, SHIFTJIS_CHARSET = 128 };
enum : BYTE { FIXED_PITCH = 1 };
// Device capabilities (GetDeviceCaps).
enum : int { HORZSIZE = 4, VERTSIZE = 6, HORZRES = 8, VERTRES = 10, LOGPIXELSX = 88, LOGPIXELSY = 90 };
constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;

struct LOGFONT {
    LONG lfHeight = 0; // < 0: character height, > 0: cell height, in logical units
    LONG lfWidth = 0;
    LONG lfEscapement = 0; // tenths of a degree, counter-clockwise
    LONG lfOrientation = 0;
    LONG lfWeight = FW_NORMAL;
    BYTE lfItalic = 0;
    BYTE lfUnderline = 0;
    BYTE lfStrikeOut = 0;
    BYTE lfCharSet = DEFAULT_CHARSET;
    BYTE lfOutPrecision = 0;
    BYTE lfClipPrecision = 0;
    BYTE lfQuality = 0;
    BYTE lfPitchAndFamily = 0;
    char lfFaceName[32] = {}; // CP932 bytes
};

struct TEXTMETRIC {
    LONG tmHeight = 0;
    LONG tmAveCharWidth = 0;
};
