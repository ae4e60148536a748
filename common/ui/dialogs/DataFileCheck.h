#pragma once
// The first-line look of the file dialogs: reading the first line of a chosen data file
// through the record text file, so that a file that cannot be opened or read gets the
// file layer's message, and a memory shortage gets the suite's memory message.

#include "platform/core/CString.h"

#include <string>

// Size of the line buffer the file dialogs read the first line into.
inline constexpr int kFirstLineBufferSize = 82;

// The suite's message for an exhausted memory.
extern const char8_t kMemoryErrorMessage[];

// Reads the first line (at most kFirstLineBufferSize - 1 bytes) of the file at path (CP932).
// False when the file cannot be opened or read or memory runs out; the message is shown.
bool ReadFirstDataLine(const CString& path, std::string& line);

// The up to `width` bytes of the line from column 61 on: the format tag field.
std::string TagField(const std::string& line, std::size_t width);
