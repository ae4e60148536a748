#pragma once
// The only place where texts cross between CP932 bytes and Qt's UTF-16.

#include "platform/core/CString.h"

#include <QString>

namespace platform {

// Bytes CP932 cannot decode become U+FFFD.
QString ToQString(const CString& text);
// A UTF-8 literal of the program's own texts (u8"...").
QString ToQString(const char8_t* utf8);
// False (and out unchanged) when the text holds a character CP932 cannot hold.
bool FromQString(const QString& text, CString& out);
// For texts that must always arrive (window titles read back): unconvertible characters become '?'.
CString FromQStringLossy(const QString& text);
// The message for a path CP932 cannot hold: it names the file when its name is the part that
// cannot be held, else the first folder that cannot ("%s\nﾌｫﾙﾀﾞ名に使用できない文字が含まれています").
CString UnholdablePathMessage(const QString& path);

} // namespace platform
