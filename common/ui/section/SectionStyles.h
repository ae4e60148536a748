#pragma once
// The display settings of one drawn item of a section view, as both section programs keep
// them (each program has its own list of items and defaults), and how they are kept in the
// settings file. Colours are COLORREF values (red in the low byte).
//
// Settings file, one section per item: numbers "Color" ("%d,%d,%d"), "OutLine", "DrawFlag",
// "NumberType" and the font keys "Height", "Weight", "Italic", "PitchAndFamily", "FaceName";
// lines "Color", "Width", "DrawFlag", "LineType"; points "Color", "Width" (the mark size),
// "DrawFlag". A key that is missing or cannot be read keeps the value the caller preset.

#include "platform/core/CString.h"
#include "platform/ui/GdiTypes.h"

namespace section {

// Labels (numbers or names) of one kind of object.
struct NumberStyle {
    LOGFONT font;
    COLORREF color = 0;
    int outline = 0;     // non-zero: a frame in the text colour around each label
    int draw = 0;        // non-zero: the labels are drawn
    int numberType = -1; // below 1: a point is labelled by its number, else by its name
};

// Lines of one kind.
struct LineStyle {
    int draw = 1;
    int width = 1; // pen width in pixels
    COLORREF color = 0;
    int type = -1; // an item's own use (the displacement vectors' display mode)
};

// Point marks of one kind.
struct PointStyle {
    int draw = 1;
    COLORREF color = 0;
    int size = 5; // mark size in pixels
};

// The number font of a fresh settings file: 12 pixels, Shift-JIS, "ＭＳ 明朝".
LOGFONT DefaultNumberFont();

// What a program chooses of a fresh settings file's labels of one kind.
struct NumberDefault {
    int draw;
    COLORREF color;
    int numberType;
};
// Those labels in the default number font, without a frame.
NumberStyle DefaultNumberStyle(const NumberDefault& chosen);

// Copies a face name of at most 31 bytes, never splitting a double-byte character.
void CopyFaceName(const CString& name, char (&face)[32]);

} // namespace section
