#pragma once
// Small text utilities of the record files. Texts are CP932 bytes.

#include "platform/core/CString.h"

// Appends blanks in place until the text has the width; a longer text is unchanged.
void PadWithBlanks(CString& text, int width);
// The same on a C buffer, which must hold width + 1 bytes.
void PadWithBlanks(char* text, int width);

// When the text ends in a blank, drops its leading and trailing blanks (interior blanks
// stay); a text that does not end in a blank is left as it is. Returns the new length.
int NormalizeBlanks(CString& text);

// Splits a path into directory (with its trailing '/'), file name and extension (with
// its '.'). Any output may be null. Linux paths have no drive.
void SplitPath(const char* path, CString* directory, CString* name, CString* extension);

// The path of a file that another data file names: a relative name lies in that data file's
// directory (given with its trailing '/'); an absolute or empty name is kept as it is.
CString ResolveBeside(const CString& directory, const CString& name);

// Each character in its full-width (double-byte) form where it has one: ASCII and
// half-width katakana; anything else is copied as it is. Returns 1.
int ToFullWidth(const CString& text, CString& out);

// 1 when no character of the text is double-byte, else 0.
int IsSingleByteText(const char* text);

// Rewrites the text so that every byte is followed by '1'. Returns the new length.
int AppendOneToEachChar(CString& text);

// The largest prefix of at most maxBytes that does not split a double-byte character.
CString CutToWidth(const CString& text, int maxBytes);

// New heap copy (delete[] by the caller); null when memory runs out.
char* DuplicateString(const char* text);
