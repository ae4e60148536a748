#pragma once
// The children's side of the file-name exchange with the base menu: a child reads the
// name in one of the base menu's file-name slots, or writes its own current file back
// into it, through the window-class registry (the base menu's window "VerrantControl")
// and the shared name buffer.
//
// Names travel whole over the registry's socket, whatever their length up to the
// system's path limit, blanks and Japanese characters included. The 200-byte buffer
// is still opened, zeroed and filled as the base menu's peers expect it, but it holds a
// name only when the name fits in its 199 bytes; a longer one leaves it zeroed and is
// never cut. A name beyond the path limit is refused with a message.

#include "platform/core/CString.h"

namespace process {

inline constexpr const char* kBaseMenuWindowClass = "VerrantControl";
// The base menu's file-name slots (control ids of its form's edits).
inline constexpr int kSectionModelSlot = 231;
inline constexpr int kMeasurementSlot = 232;
inline constexpr int kAnalysisSlot = 233;

enum class BaseMenuExchange {
    NotRunning, // no base menu (or nothing to report): nothing done, nothing shown
    Unchanged,  // read done, or the slot already held the name
    Replaced,   // the slot now holds the child's name; the user was told
    Failed,     // a step failed; its message was shown
};

// Reads the slot's text into name (Unchanged on success).
BaseMenuExchange ReadBaseMenuSlot(int controlId, CString& name);

// Writes currentFile into the slot when the slot holds another name (compared exactly:
// file names are case-sensitive) and says "基本ﾒﾆｭｰの参照ﾌｧｲﾙ名を変更します".
// An empty currentFile does nothing.
BaseMenuExchange ReportFileToBaseMenuSlot(int controlId, const CString& currentFile);

} // namespace process
